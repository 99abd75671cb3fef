// Dictionary load, index and scans.
#include "dictionary.h"

#include "platform/eight_bytes.h"
#include "platform/text_file.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <optional>

namespace quarn {

namespace {

// The hash of a word: its characters in groups of eight, each group read as
// a number (first character lowest) and multiplied by a constant of its own,
// all summed with the length, then stirred so that the top bits can choose
// the bucket and the low half give the check bits. The sum can be built a
// character at a time, so the grid scan gets the hashes of all the pieces of
// a run that start at one place one after the other at little cost; the
// load reads every word of up to 32 bytes as whole masked groups, without
// going through it a character at a time, which matters for half a million.
class WordHash {
public:
    void add(char c) {
        sum_ += (std::uint64_t{static_cast<unsigned char>(c)} << (8 * (length_ % 8))) * factor(length_ / 8);
        ++length_;
    }
    std::uint64_t value() const {
        std::uint64_t h = sum_ + length_ * 0xc13fa9a902a6328fULL;
        h = (h ^ (h >> 32)) * 0x9e3779b97f4a7c15ULL;
        return h ^ (h >> 29);
    }

    // The value for the word at p. With room_after, the whole groups of
    // eight bytes that the word reaches into may be read whatever its size
    // (what lies past it is masked off).
    static std::uint64_t of(const char* p, std::size_t size, bool room_after) {
        WordHash hash;
        if (room_after && size >= 1 && size <= longest_grouped) {
            const std::size_t last = (size - 1) / 8;
            for (std::size_t group = 0; group < last; ++group) hash.sum_ += load_eight(p + 8 * group) * factor(group);
            hash.sum_ += (load_eight(p + 8 * last) & low_bytes(size - 8 * last)) * factor(last);
            hash.length_ = size;
        } else {
            for (std::size_t i = 0; i < size; ++i) hash.add(p[i]);
        }
        return hash.value();
    }
    // Words up to this many bytes are read a group at a time: most words,
    // in any alphabet.
    static constexpr std::size_t longest_grouped = 32;
    // Whether of() may read the groups of a word of this size at begin.
    static bool room_for(std::size_t begin, std::size_t size, std::size_t available) {
        return begin + ((size + 7) & ~std::size_t{7}) <= available;
    }

private:
    static std::uint64_t factor(std::uint64_t group) {
        static constexpr std::array<std::uint64_t, 8> factors{
            0x9e3779b97f4a7c15ULL, 0xbf58476d1ce4e5b9ULL, 0x94d049bb133111ebULL, 0xd6e8feb86659fd93ULL,
            0xa0761d6478bd642fULL, 0xe7037ed1a0b428dbULL, 0x8ebc6af09c88c6e3ULL, 0x589965cc75374cc3ULL};
        return factors[group % factors.size()];
    }
    // The lowest count (1 to 8) bytes set.
    static std::uint64_t low_bytes(std::size_t count) { return ~std::uint64_t{0} >> (64 - 8 * count); }

    std::uint64_t sum_ = 0;
    std::uint64_t length_ = 0;
};

std::uint64_t hash_of(std::string_view text) { return WordHash::of(text.data(), text.size(), false); }

// Entries are 32-bit offsets into the file.
constexpr std::size_t longest_file = std::numeric_limits<std::uint32_t>::max();

} // namespace

Dictionary::Dictionary(const std::vector<std::string>& items) {
    std::vector<std::string> composed;
    std::string bytes;
    for (const std::string& item : items) bytes += composed.emplace_back(to_nfc(item));
    start(std::move(bytes), items.size(), items.size() + 1);
    for (const std::string& item : composed) add(item.size());
    finish();
}

bool Dictionary::load(const std::filesystem::path& path) {
    std::optional<std::string> bytes = read_whole_file(path);
    const bool readable = bytes.has_value();
    read(readable ? std::move(*bytes) : std::string());
    return readable;
}

void Dictionary::read(std::string bytes) {
    bytes = decode_composed(std::move(bytes));
    if (bytes.size() > longest_file) bytes.resize(longest_file);
    // A line of a word list takes about ten bytes; every item takes at least one.
    const std::size_t length = bytes.size();
    start(std::move(bytes), length / 10 + 1, length + 1);
    std::size_t pos = 0;
    std::size_t filled = 0;
    while (pos < bytes_.size()) {
        const ItemSpan item = next_item(bytes_, pos);
        // An item is never longer than what it took from the file, so it is
        // only ever moved down, over bytes already read. A short one moves as
        // a block of sixteen or thirty-two bytes when those all lie in what
        // has been read: the bytes past it are overwritten by the items after it.
        char* to = bytes_.data() + filled;
        const char* from = bytes_.data() + item.begin;
        auto move_block = [&]<std::size_t Size>() {
            if (item.size > Size || filled + Size > pos || item.begin + Size > bytes_.size()) return false;
            char block[Size];
            std::memcpy(block, from, Size);
            std::memcpy(to, block, Size);
            return true;
        };
        if (move_block.template operator()<16>() || move_block.template operator()<32>()) {
        } else if (to != from) {
            std::memmove(to, from, item.size);
        }
        add(item.size);
        filled += item.size;
    }
    finish();
}

void Dictionary::start(std::string bytes, std::size_t expected_words, std::size_t most_slots) {
    bytes_ = std::move(bytes);
    starts_.clear();
    // Reserved room that is never filled costs no memory.
    starts_.reserve(2 * expected_words + 2);
    starts_.push_back(0);
    starts_.push_back(0);
    end_ = 1;
    marker_seen_ = false;
    // The bits of a bucket that no slot number needs hold check bits.
    const auto slot_bits = static_cast<int>(std::bit_width(most_slots));
    slot_mask_ = slot_bits >= 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << slot_bits) - 1;
    // Between a third and two thirds full when the guess is right; the table
    // grows when it is not.
    buckets_.clear();
    grow(std::bit_ceil(std::max<std::size_t>(16, expected_words * 3 / 2)));
    indexed_ = 0;
    earlier_.clear();
    empty_slots_.clear();
    longest_ = 0;
    pending_count_ = 0;
}

void Dictionary::add(std::size_t size) {
    const auto slot = static_cast<std::uint32_t>(starts_.size() - 1);
    const std::size_t begin = starts_.back();
    starts_.push_back(static_cast<std::uint32_t>(begin + size));
    if (marker_seen_) return;
    const std::string_view w(bytes_.data() + begin, size);
    if (w == "999") {
        marker_seen_ = true;
        end_ = slot;
        return;
    }
    end_ = slot + 1;
    if (w.empty()) {
        empty_slots_.push_back(slot);
        return;
    }
    longest_ = std::max(longest_, w.size());
    const std::uint64_t hash = WordHash::of(w.data(), size, WordHash::room_for(begin, size, bytes_.size()));
    __builtin_prefetch(&buckets_[bucket_of(hash)], 1);
    Pending& oldest = pending_[pending_count_ % pending_.size()];
    if (pending_count_ >= pending_.size()) insert(oldest.slot, oldest.hash);
    oldest = Pending{slot, hash};
    ++pending_count_;
}

void Dictionary::finish() {
    const std::size_t from = pending_count_ > pending_.size() ? pending_count_ - pending_.size() : 0;
    for (std::size_t i = from; i < pending_count_; ++i) {
        const Pending& p = pending_[i % pending_.size()];
        insert(p.slot, p.hash);
    }
    pending_count_ = 0;
}

void Dictionary::insert(std::uint32_t slot, std::uint64_t hash) {
    // At most three quarters full, so that every search soon meets a free bucket.
    if (4 * (indexed_ + 1) > 3 * buckets_.size()) grow(2 * buckets_.size());
    const std::uint32_t check = check_bits(hash);
    const std::string_view w = word(slot);
    const std::size_t wrap = buckets_.size() - 1;
    for (std::size_t b = bucket_of(hash);; b = (b + 1) & wrap) {
        std::uint32_t& bucket = buckets_[b];
        if (bucket == 0) {
            ++indexed_;
        } else if ((bucket & ~slot_mask_) != check || word(bucket & slot_mask_) != w) {
            continue;
        } else {
            earlier_.emplace_back(slot, bucket & slot_mask_);
        }
        bucket = check | slot;
        return;
    }
}

void Dictionary::grow(std::size_t count) {
    const std::vector<std::uint32_t> old = std::exchange(buckets_, std::vector<std::uint32_t>(count, 0));
    bucket_shift_ = 64 - std::countr_zero(count);
    for (std::uint32_t bucket : old) {
        if (bucket == 0) continue;
        std::size_t b = bucket_of(hash_of(word(bucket & slot_mask_)));
        while (buckets_[b] != 0) b = (b + 1) & (count - 1);
        buckets_[b] = bucket;
    }
}

inline std::uint32_t Dictionary::last_slot(std::string_view w, std::uint64_t hash) const {
    // A dictionary that was never loaded has no table to look in.
    if (buckets_.empty()) return 0;
    const std::uint32_t check = check_bits(hash);
    const std::size_t wrap = buckets_.size() - 1;
    for (std::size_t b = bucket_of(hash);; b = (b + 1) & wrap) {
        const std::uint32_t bucket = buckets_[b];
        if (bucket == 0) return 0;
        if ((bucket & ~slot_mask_) == check && word(bucket & slot_mask_) == w) return bucket & slot_mask_;
    }
}

void Dictionary::append_chain(std::uint32_t last, std::vector<std::size_t>& out) const {
    const std::size_t from = out.size();
    // Each link lies before the one followed last, and the copies of a word
    // are usually close together in the file, so the search goes back from
    // there in growing steps: a word listed a hundred thousand times costs
    // about a step a copy, not a search of the whole list.
    auto end = earlier_.end();
    for (std::uint32_t slot = last; slot != 0;) {
        out.push_back(slot);
        auto low = end;
        auto high = end;
        for (std::ptrdiff_t step = 1; low != earlier_.begin(); step *= 2) {
            low = std::prev(low, std::min(step, std::distance(earlier_.begin(), low)));
            if (low->first < slot) break;
            high = low;
        }
        end = std::lower_bound(low, high, slot, [](const auto& pair, std::uint32_t s) { return pair.first < s; });
        slot = end != earlier_.end() && end->first == slot ? end->second : 0;
    }
    std::reverse(out.begin() + static_cast<std::ptrdiff_t>(from), out.end());
}

std::vector<std::size_t> Dictionary::exact(std::string_view w) const {
    // The callers never ask for the empty word; answer as the walk would.
    if (w.empty()) return empty_slots_;
    std::vector<std::size_t> found;
    append_chain(last_slot(w, hash_of(w)), found);
    return found;
}

std::vector<std::size_t> Dictionary::contained_in(const LetterText& run) const {
    std::vector<std::size_t> found;
    const std::size_t n = run.letters();
    if (n == 0) return found;
    // A long text has more stretches than the dictionary has entries; the
    // walk is then the cheaper way to the same answer.
    if (n * (n + 1) / 2 > end_) return contained_in_linear(run);
    found = empty_slots_;
    const std::string_view text = run.text;
    // A piece that occurs twice in the text names the same entries twice;
    // its entries are taken once.
    std::vector<std::uint32_t> words_found;
    for (std::size_t first = 0; first < n; ++first) {
        WordHash hash;
        const std::size_t begin = run.bounds[first];
        std::size_t hashed = begin;
        for (std::size_t last = first + 1; last <= n && run.bounds[last] - begin <= longest_; ++last) {
            for (const std::size_t end = run.bounds[last]; hashed < end; ++hashed) hash.add(text[hashed]);
            const std::string_view piece = text.substr(begin, hashed - begin);
            const std::uint32_t slot = last_slot(piece, hash.value());
            if (slot == 0 || std::find(words_found.begin(), words_found.end(), slot) != words_found.end()) continue;
            words_found.push_back(slot);
            append_chain(slot, found);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<std::size_t> Dictionary::exact_linear(std::string_view w) const {
    std::vector<std::size_t> found;
    for (std::size_t slot = 1; slot < end_; ++slot)
        if (word(slot) == w) found.push_back(slot);
    return found;
}

std::vector<std::size_t> Dictionary::contained_in_linear(const LetterText& run) const {
    std::vector<std::size_t> found;
    if (run.letters() == 0) return found;
    const std::string_view text = run.text;
    auto is_bound = [&](std::size_t at) { return std::binary_search(run.bounds.begin(), run.bounds.end(), at); };
    for (std::size_t slot = 1; slot < end_; ++slot) {
        const std::string_view w = word(slot);
        for (std::size_t at = text.find(w); at != std::string_view::npos; at = text.find(w, at + 1)) {
            if (is_bound(at) && is_bound(at + w.size())) {
                found.push_back(slot);
                break;
            }
        }
    }
    return found;
}

} // namespace quarn
