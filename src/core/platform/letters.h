// Text as players see it. Inside the program every text is UTF-8; a file's
// bytes are decoded once, where the file is read, line by line: as UTF-8
// where a line is valid UTF-8, otherwise as Windows-1252, the code page of
// older Western desktops. A letter is one user-perceived character (a
// letter with its combining marks stays whole): one cell holds one, and
// every count and cut a player sees counts them. Words are compared in one
// normal form (NFC), so that an "ö" stored as "o" and a combining mark
// matches a composed one.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quarn {

// The bytes of a file as UTF-8: a byte-order mark at the start dropped, and
// each line that is not valid UTF-8 read as Windows-1252. Line ends stay as
// they are, so a file of plain ASCII comes back byte for byte.
std::string decode_file_text(std::string bytes);

// The text in composed normal form (NFC). Text that already is, and plain
// ASCII always is, comes back unchanged without being copied.
std::string to_nfc(std::string text);
// decode_file_text and to_nfc, in one look at text that needs neither.
std::string decode_composed(std::string bytes);

// The letters of the text, in order.
std::vector<std::string> split_letters(std::string_view text);
// How many letters the text has; counting stops at limit + 1, for a
// damaged file's megabyte line.
std::size_t letter_count(std::string_view text, std::size_t limit = SIZE_MAX);
// The text cut after its first count letters, never inside one.
std::string first_letters(std::string_view text, std::size_t count);

// A text together with where each of its letters begins. The board's runs
// are read a letter a cell, and a word is only ever found in them as whole
// letters.
struct LetterText {
    LetterText() = default;
    // Split into letters as split_letters does.
    explicit LetterText(std::string_view text);

    void append(std::string_view letter) {
        text += letter;
        bounds.push_back(static_cast<std::uint32_t>(text.size()));
    }
    std::size_t letters() const { return bounds.size() - 1; }

    std::string text;
    // Where letter i begins is bounds[i]; the last bound is the text's end.
    std::vector<std::uint32_t> bounds{0};
};

// Whether every character can be drawn in a cell: no blanks, no control or
// format characters, and no replacement character, which stands for a byte
// the file's encoding could not name.
bool all_visible(std::string_view text);

} // namespace quarn
