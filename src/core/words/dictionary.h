// The dictionary every game checks against: the items of dictionary.dic in
// file order, slot 1 first, with the entry "999" as the end marker. Both
// scans answer exactly what a walk from slot 1 to the end marker would
// (same entries, same order, same multiplicity) but go through an index
// built at load time instead of walking every entry.
#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quarn {

class Dictionary {
public:
    Dictionary() = default;
    explicit Dictionary(std::vector<std::string> items) { assign(std::move(items)); }

    // Loads the items of the file into slots 1, 2, ...; false when the file
    // cannot be read (the dictionary is then left empty).
    bool load(const std::filesystem::path& path);
    // Replaces the contents by these items (slot 1 = items[0]).
    void assign(std::vector<std::string> items);

    // Slots in use, 0 included (slot 0 always holds the empty text).
    const std::vector<std::string>& slots() const { return slots_; }
    // The first slot holding "999", or one past the last item when there is none.
    std::size_t end_slot() const { return end_; }
    const std::string& word(std::size_t slot) const { return slots_[slot]; }

    // Slots equal to the word, in file order, before the end marker.
    std::vector<std::size_t> exact(std::string_view word) const;
    // Slots whose entry occurs inside the text, each once, in file order,
    // before the end marker. An empty entry is inside every non-empty text;
    // an empty text contains nothing.
    std::vector<std::size_t> contained_in(std::string_view text) const;

    // The plain walks the index stands in for; tests and benchmarks compare.
    std::vector<std::size_t> exact_linear(std::string_view word) const;
    std::vector<std::size_t> contained_in_linear(std::string_view text) const;

private:
    void build_index();

    std::vector<std::string> slots_{std::string()};
    std::size_t end_ = 1;
    // Word -> its first slot before the end marker; further slots of the same
    // word follow through next_same_.
    std::unordered_map<std::string_view, std::size_t> first_slot_;
    std::vector<std::size_t> next_same_;
    std::vector<std::size_t> empty_slots_;
    std::size_t longest_ = 0;
};

} // namespace quarn
