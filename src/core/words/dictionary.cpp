// Dictionary load, index and scans.
#include "dictionary.h"

#include "platform/text_file.h"

#include <algorithm>

namespace quarn {

namespace {
constexpr std::size_t none = static_cast<std::size_t>(-1);
}

bool Dictionary::load(const std::filesystem::path& path) {
    auto bytes = read_whole_file(path);
    if (!bytes) {
        assign({});
        return false;
    }
    std::vector<std::string> items;
    ItemReader reader(std::move(*bytes));
    while (!reader.at_end()) items.push_back(reader.read_text());
    assign(std::move(items));
    return true;
}

void Dictionary::assign(std::vector<std::string> items) {
    slots_.clear();
    slots_.reserve(items.size() + 1);
    slots_.emplace_back();
    for (std::string& item : items) slots_.push_back(std::move(item));
    end_ = slots_.size();
    for (std::size_t slot = 1; slot < slots_.size(); ++slot) {
        if (slots_[slot] == "999") {
            end_ = slot;
            break;
        }
    }
    build_index();
}

void Dictionary::build_index() {
    first_slot_.clear();
    empty_slots_.clear();
    longest_ = 0;
    next_same_.assign(end_, none);
    first_slot_.reserve(end_);
    // Walk backwards so that each word's chain runs forwards in file order.
    for (std::size_t slot = end_ - 1; slot >= 1; --slot) {
        const std::string& w = slots_[slot];
        longest_ = std::max(longest_, w.size());
        if (w.empty()) {
            empty_slots_.push_back(slot);
            continue;
        }
        auto [it, inserted] = first_slot_.try_emplace(std::string_view(w), slot);
        if (!inserted) {
            next_same_[slot] = it->second;
            it->second = slot;
        }
    }
    std::reverse(empty_slots_.begin(), empty_slots_.end());
}

std::vector<std::size_t> Dictionary::exact(std::string_view word) const {
    std::vector<std::size_t> found;
    if (word.empty()) {
        // The callers never ask for the empty word; answer as the walk would.
        return empty_slots_;
    }
    auto it = first_slot_.find(word);
    if (it == first_slot_.end()) return found;
    for (std::size_t slot = it->second; slot != none; slot = next_same_[slot]) found.push_back(slot);
    return found;
}

std::vector<std::size_t> Dictionary::contained_in(std::string_view text) const {
    std::vector<std::size_t> found;
    if (text.empty()) return found;
    const std::size_t n = text.size();
    // A long text has more substrings than the dictionary has entries; the
    // walk is then the cheaper way to the same answer.
    if (n * (n + 1) / 2 > end_) return contained_in_linear(text);
    found = empty_slots_;
    const std::size_t longest = std::min(longest_, n);
    std::vector<std::string_view> seen;
    for (std::size_t length = 1; length <= longest; ++length) {
        seen.clear();
        for (std::size_t start = 0; start + length <= n; ++start) {
            std::string_view piece = text.substr(start, length);
            if (std::find(seen.begin(), seen.end(), piece) != seen.end()) continue;
            seen.push_back(piece);
            auto it = first_slot_.find(piece);
            if (it == first_slot_.end()) continue;
            for (std::size_t slot = it->second; slot != none; slot = next_same_[slot]) found.push_back(slot);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<std::size_t> Dictionary::exact_linear(std::string_view word) const {
    std::vector<std::size_t> found;
    for (std::size_t slot = 1; slot < end_; ++slot)
        if (slots_[slot] == word) found.push_back(slot);
    return found;
}

std::vector<std::size_t> Dictionary::contained_in_linear(std::string_view text) const {
    std::vector<std::size_t> found;
    if (text.empty()) return found;
    for (std::size_t slot = 1; slot < end_; ++slot)
        if (text.find(slots_[slot]) != std::string_view::npos) found.push_back(slot);
    return found;
}

} // namespace quarn
