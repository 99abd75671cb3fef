// The item rules of the text files, as a scanner that tells where each item
// lies instead of copying it out. Inline, because the dictionary runs it
// half a million times at every start.
#pragma once
#include "eight_bytes.h"

#include <cstddef>
#include <string_view>

namespace quarn {

// Where an item lies in the text it is read from. Items are separated by
// commas or line ends (CR LF, LF or a lone CR); blanks before an item are
// skipped; an item that begins with a double quote runs to the next double
// quote, keeps its commas and loses both quotes (anything between the closing
// quote and the separator is dropped; an unclosed quote takes the rest of the
// text); an unquoted item runs to the next comma or line end and loses
// trailing blanks; an empty line gives an empty item. What the rules drop is
// always around an item, never inside it, so every item is one stretch of the
// text.
struct ItemSpan {
    std::size_t begin = 0;
    std::size_t size = 0;
    bool unterminated = false; // began with a quote that was never closed
};

namespace item_rules {

inline bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Marks the commas and line ends among eight bytes (the first mark exact).
inline std::uint64_t separator_marks(std::uint64_t eight) {
    return bytes_equal(eight, ',') | bytes_equal(eight, '\r') | bytes_equal(eight, '\n');
}

// The first comma or line end at or after pos, or the end of the text.
inline std::size_t find_separator(std::string_view text, std::size_t pos) {
    // Sixteen bytes at a time: most items are words of a few letters, so the
    // first round nearly always ends the search, and no branch depends on
    // the word's length. All three separators are below the comma's
    // successor, which letters and digits are not.
    for (; pos + 16 <= text.size(); pos += 16) {
        const std::uint64_t first = load_eight(text.data() + pos);
        const std::uint64_t second = load_eight(text.data() + pos + 8);
        if ((bytes_below(first, ',' + 1) | bytes_below(second, ',' + 1)) == 0) continue;
        const std::uint64_t first_marks = separator_marks(first);
        const std::uint64_t second_marks = separator_marks(second);
        if (first_marks != 0) return pos + first_marked(first_marks);
        if (second_marks != 0) return pos + 8 + first_marked(second_marks);
    }
    while (pos < text.size() && text[pos] != ',' && text[pos] != '\r' && text[pos] != '\n') ++pos;
    return pos;
}

// Past the comma or line end at pos, if there is one.
inline std::size_t skip_separator(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return pos;
    if (text[pos] == '\r') return pos + 1 < text.size() && text[pos + 1] == '\n' ? pos + 2 : pos + 1;
    return text[pos] == ',' || text[pos] == '\n' ? pos + 1 : pos;
}

} // namespace item_rules

// The item at pos; moves pos past the item and its separator. At the end of
// the text (or with only blanks left) the item is empty and pos the end.
inline ItemSpan next_item(std::string_view text, std::size_t& pos) {
    using namespace item_rules;
    while (pos < text.size() && is_blank(text[pos])) ++pos;
    if (pos >= text.size()) return {pos, 0, false};
    if (text[pos] == '"') {
        const std::size_t close = text.find('"', pos + 1);
        if (close == std::string_view::npos) {
            // An unclosed quote takes the rest of the text.
            const ItemSpan item{pos + 1, text.size() - pos - 1, true};
            pos = text.size();
            return item;
        }
        const ItemSpan item{pos + 1, close - pos - 1, false};
        // Anything between the closing quote and the separator is dropped.
        pos = skip_separator(text, find_separator(text, close + 1));
        return item;
    }
    const std::size_t end = find_separator(text, pos);
    ItemSpan item{pos, end - pos, false};
    while (item.size > 0 && is_blank(text[item.begin + item.size - 1])) --item.size;
    pos = skip_separator(text, end);
    return item;
}

} // namespace quarn
