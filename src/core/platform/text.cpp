// Filling in the program's words.
#include "platform/text.h"

namespace quarn {

std::string fill_in(std::string_view words, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool place = words[i] == '%' && i + 1 < words.size() && words[i + 1] >= '1' && words[i + 1] <= '9';
        const std::size_t value = place ? static_cast<std::size_t>(words[i + 1] - '1') : values.size();
        if (value < values.size()) {
            out += values[value];
            ++i;
        } else {
            out += words[i];
        }
    }
    return out;
}

std::string Text::english() const {
    if (!translated_) return words_;
    std::vector<std::string> values;
    values.reserve(args_.size());
    for (const Text& arg : args_) values.push_back(arg.english());
    return fill_in(words_, values);
}

} // namespace quarn
