// Dictionary load, index and scans.
#include "dictionary.h"

#include "platform/text_file.h"

#include <algorithm>

namespace quarn {

namespace {

constexpr std::uint64_t fnv_offset = 0xcbf29ce484222325ULL;
constexpr std::uint64_t fnv_prime = 0x100000001b3ULL;

// FNV-1a, one character at a time, so that the hashes of all the substrings
// starting at one place come out one after the other at no extra cost.
std::uint64_t extend_hash(std::uint64_t hash, char c) {
    return (hash ^ static_cast<unsigned char>(c)) * fnv_prime;
}

std::uint64_t hash_of(std::string_view text) {
    std::uint64_t hash = fnv_offset;
    for (char c : text) hash = extend_hash(hash, c);
    return hash;
}

} // namespace

bool Dictionary::load(const std::filesystem::path& path) {
    auto bytes = read_whole_file(path);
    read(bytes.value_or(std::string()));
    return bytes.has_value();
}

void Dictionary::read(std::string bytes) {
    // The items go straight into their slots, sized from the line count, so
    // that a large dictionary is never held twice while it loads.
    slots_.clear();
    slots_.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 2);
    slots_.emplace_back();
    ItemReader reader(std::move(bytes));
    while (!reader.at_end()) slots_.push_back(reader.read_text());
    find_end_and_index();
}

void Dictionary::assign(std::vector<std::string> items) {
    slots_.clear();
    slots_.reserve(items.size() + 1);
    slots_.emplace_back();
    for (std::string& item : items) slots_.push_back(std::move(item));
    find_end_and_index();
}

void Dictionary::find_end_and_index() {
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
    empty_slots_.clear();
    longest_ = 0;
    next_same_.assign(end_, 0);
    std::size_t capacity = 16;
    while (capacity < 2 * end_) capacity *= 2;
    buckets_.assign(capacity, Bucket{});
    const std::size_t mask = capacity - 1;
    // Walk backwards so that each word's chain runs forwards in file order.
    for (std::size_t slot = end_ - 1; slot >= 1; --slot) {
        const std::string& w = slots_[slot];
        if (w.empty()) {
            empty_slots_.push_back(slot);
            continue;
        }
        longest_ = std::max(longest_, w.size());
        const std::uint64_t hash = hash_of(w);
        std::size_t b = hash & mask;
        while (buckets_[b].slot != 0 && !(buckets_[b].hash == static_cast<std::uint32_t>(hash) && slots_[buckets_[b].slot] == w))
            b = (b + 1) & mask;
        next_same_[slot] = buckets_[b].slot;
        buckets_[b] = Bucket{static_cast<std::uint32_t>(hash), static_cast<std::uint32_t>(slot)};
    }
    std::reverse(empty_slots_.begin(), empty_slots_.end());
}

std::uint32_t Dictionary::first_slot(std::string_view word, std::uint64_t hash) const {
    if (buckets_.empty()) return 0; // never loaded
    const std::size_t mask = buckets_.size() - 1;
    for (std::size_t b = hash & mask; buckets_[b].slot != 0; b = (b + 1) & mask)
        if (buckets_[b].hash == static_cast<std::uint32_t>(hash) && slots_[buckets_[b].slot] == word)
            return buckets_[b].slot;
    return 0;
}

void Dictionary::append_chain(std::uint32_t first, std::vector<std::size_t>& out) const {
    for (std::uint32_t slot = first; slot != 0; slot = next_same_[slot]) out.push_back(slot);
}

std::vector<std::size_t> Dictionary::exact(std::string_view word) const {
    // The callers never ask for the empty word; answer as the walk would.
    if (word.empty()) return empty_slots_;
    std::vector<std::size_t> found;
    append_chain(first_slot(word, hash_of(word)), found);
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
    for (std::size_t start = 0; start < n; ++start) {
        std::uint64_t hash = fnv_offset;
        const std::size_t stop = std::min(n, start + longest_);
        for (std::size_t end = start; end < stop; ++end) {
            hash = extend_hash(hash, text[end]);
            append_chain(first_slot(text.substr(start, end - start + 1), hash), found);
        }
    }
    // A piece that occurs twice in the text names the same entries twice.
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
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
