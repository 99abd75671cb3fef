// The dictionary every game checks against: the items of dictionary.dic in
// file order, slot 1 first, with the entry "999" as the end marker, each in
// composed normal form so that it matches the board however it was typed. Both
// scans answer exactly what a walk from slot 1 to the end marker would
// (same entries, same order, same multiplicity) but go through an index
// built while the file is read instead of walking every entry.
#pragma once
#include "platform/letters.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarn {

class Dictionary {
public:
    Dictionary() = default;
    // The items as a file would give them (slot 1 = items[0]), for tests.
    explicit Dictionary(const std::vector<std::string>& items);

    // Loads the items of the file into slots 1, 2, ...; false when the file
    // cannot be read (the dictionary is then left empty).
    bool load(const std::filesystem::path& path);
    // The same from the file's bytes, which the dictionary keeps: the entries
    // are stretches of them.
    void read(std::string bytes);

    // Every slot, 0 included (slot 0 always holds the empty text).
    std::size_t size() const { return starts_.size() - 1; }
    // The first slot holding "999", or one past the last item when there is none.
    std::size_t end_slot() const { return end_; }
    // Valid until the dictionary is loaded again or destroyed.
    std::string_view word(std::size_t slot) const {
        return {bytes_.data() + starts_[slot], starts_[slot + 1] - starts_[slot]};
    }

    // Slots equal to the word, in file order, before the end marker.
    std::vector<std::size_t> exact(std::string_view word) const;
    // Slots whose entry is a stretch of whole letters of the text, each
    // once, in file order, before the end marker. An empty entry is inside
    // every non-empty text; an empty text contains nothing.
    std::vector<std::size_t> contained_in(const LetterText& text) const;

    // The plain walks the index stands in for; tests and benchmarks compare.
    std::vector<std::size_t> exact_linear(std::string_view word) const;
    std::vector<std::size_t> contained_in_linear(const LetterText& text) const;

private:
    // Takes the bytes and empties the slots, with room for about this many
    // words; there can be at most most_slots slots.
    void start(std::string bytes, std::size_t expected_words, std::size_t most_slots);
    // Makes the next size bytes after the last slot's the next slot, and
    // indexes it when it comes before the end marker.
    void add(std::size_t size);
    // Indexes what add() still holds back.
    void finish();
    void insert(std::uint32_t slot, std::uint64_t hash);
    void grow(std::size_t buckets);
    std::size_t bucket_of(std::uint64_t hash) const { return static_cast<std::size_t>(hash >> bucket_shift_); }
    std::uint32_t check_bits(std::uint64_t hash) const { return static_cast<std::uint32_t>(hash) & ~slot_mask_; }
    std::uint32_t last_slot(std::string_view word, std::uint64_t hash) const;
    void append_chain(std::uint32_t last, std::vector<std::size_t>& out) const;

    // The file's bytes. As they are read, each item is moved down to follow
    // the one before it (leaving out separators and quotes), so that slot s
    // is bytes_[starts_[s], starts_[s + 1]): four bytes a slot. Offsets are
    // 32 bits, so a file is read up to 4 GiB.
    std::string bytes_;
    std::vector<std::uint32_t> starts_{0, 0};
    std::size_t end_ = 1;
    bool marker_seen_ = false;

    // The index: an open-addressing table of 32-bit buckets, each holding the
    // last slot so far of one word (0: free) and, in the bits that slot
    // numbers leave over, some bits of the word's hash, so that a mismatch
    // is nearly always told without looking at the entry. Four bytes a
    // bucket keep half a million words in four megabytes and a look-up to
    // about one cache miss, which matters for the grid scan's many pieces.
    std::vector<std::uint32_t> buckets_;
    int bucket_shift_ = 64; // a hash's first bucket is its top bits
    std::uint32_t slot_mask_ = ~std::uint32_t{0};
    std::size_t indexed_ = 0; // words in the table
    // (slot, the slot of the same word before it), for words listed more
    // than once; in slot order, as they are read.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> earlier_;
    std::vector<std::size_t> empty_slots_;
    std::size_t longest_ = 0;

    // Words read but not yet inserted, oldest first, their buckets already
    // on their way from memory: the table is megabytes, and an insert that
    // waited for memory on its own would cost more than reading and hashing
    // the word.
    struct Pending {
        std::uint32_t slot;
        std::uint64_t hash;
    };
    std::array<Pending, 16> pending_{};
    std::size_t pending_count_ = 0;
};

} // namespace quarn
