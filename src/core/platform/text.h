// What the players read and hear, as the program's own words and what fills
// them in. The windows put the words in the player's language; a name, a
// number or a file name is shown as it stands. The core never builds a
// finished sentence, so that a translation can order the words its own way.
#pragma once
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// Marks the program's own words where they are written, so that they are
// found for translation. Write them in functions or at namespace scope, not
// inside a class: they are looked up as the words of "quarn".
#define QUARN_TEXT(words) words

namespace quarn {

class Text {
public:
    Text() = default;
    // The program's own words; %1, %2 ... in them stand for the arguments.
    explicit Text(std::string_view words, std::vector<Text> args = {})
        : words_(words), args_(std::move(args)), translated_(true) {}
    // A text shown as it stands in every language.
    static Text as_is(std::string text) {
        Text t;
        t.words_ = std::move(text);
        return t;
    }

    bool translated() const { return translated_; }
    // The English words (or the text itself, when it is shown as it stands).
    const std::string& words() const { return words_; }
    const std::vector<Text>& args() const { return args_; }
    bool empty() const { return words_.empty(); }
    // As an English desktop shows it.
    std::string english() const;

    bool operator==(const Text&) const = default;

private:
    std::string words_;
    std::vector<Text> args_;
    bool translated_ = false;
};

// Puts the values in place of %1, %2 ... %9 of the words, all at once, so
// that a value holding "%2" stays as it is. A % not followed by a number of
// a value stays too.
std::string fill_in(std::string_view words, const std::vector<std::string>& values);

namespace text_detail {
inline Text argument(Text t) { return t; }
inline Text argument(std::string s) { return Text::as_is(std::move(s)); }
inline Text argument(const char* s) { return Text::as_is(s); }
template <class Number, class = std::enable_if_t<std::is_integral_v<Number>>>
Text argument(Number n) {
    return Text::as_is(std::to_string(n));
}
} // namespace text_detail

// The program's own words filled in: texts are translated in their turn,
// everything else (names, numbers, file names) is shown as it stands.
template <class... Args>
Text say(std::string_view words, Args&&... args) {
    return Text(words, {text_detail::argument(std::forward<Args>(args))...});
}

} // namespace quarn
