// The dictionary every game checks against: the items of dictionary.dic in
// file order, slot 1 first, with the entry "999" as the end marker. Both
// scans answer exactly what a walk from slot 1 to the end marker would
// (same entries, same order, same multiplicity) but go through an index
// built at load time instead of walking every entry.
#pragma once
#include <filesystem>
#include <string>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quarn {

class Dictionary {
public:
    Dictionary() = default;
    explicit Dictionary(std::vector<std::string> items) { assign(std::move(items)); }

    // Loads the items of the file into slots 1, 2, ...; false when the file
    // cannot be read (the dictionary is then left empty).
    bool load(const std::filesystem::path& path);
    // The same from the file's bytes.
    void read(std::string bytes);
    // Replaces the contents by these items (slot 1 = items[0]).
    void assign(std::vector<std::string> items);

    // Every slot, 0 included (slot 0 always holds the empty text).
    const std::vector<std::string>& entries() const { return slots_; }
    std::size_t size() const { return slots_.size(); }
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
    // One bucket of the open-addressing index: the low half of a word's hash
    // and its first slot before the end marker (0: bucket free); a hash match
    // is always confirmed against the word itself. Further slots of the same
    // word follow through next_same_. A flat table keeps a look-up to about
    // one cache miss, which matters for the grid scan's many substrings.
    struct Bucket {
        std::uint32_t hash = 0;
        std::uint32_t slot = 0;
    };

    void find_end_and_index();
    void build_index();
    std::uint32_t first_slot(std::string_view word, std::uint64_t hash) const;
    void append_chain(std::uint32_t first, std::vector<std::size_t>& out) const;

    std::vector<std::string> slots_{std::string()};
    std::size_t end_ = 1;
    std::vector<Bucket> buckets_;
    std::vector<std::uint32_t> next_same_;
    std::vector<std::size_t> empty_slots_;
    std::size_t longest_ = 0;
};

} // namespace quarn
