// Looking at eight bytes at once: the item reader's search for separators
// and the dictionary's hashing do it for every word of a large dictionary.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quarn {

// The eight bytes at p as one number, the first byte lowest.
inline std::uint64_t load_eight(const void* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
    return word;
}

// Marks (with its top bit) every byte of the word that equals c. The marks
// are exact up to and including the first match; above it a byte may be
// marked that does not match (the subtraction borrows). So "none marked"
// and the first mark can be trusted, and later marks must be checked.
inline std::uint64_t bytes_equal(std::uint64_t word, unsigned char c) {
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    const std::uint64_t x = word ^ (ones * c);
    return (x - ones) & ~x & (ones * 0x80);
}

// Marks every byte of the word below c (at most 0x80), exact in the same way.
inline std::uint64_t bytes_below(std::uint64_t word, unsigned char c) {
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    return (word - ones * c) & ~word & (ones * 0x80);
}

// The position (0 to 7) of the first marked byte; marks must not be 0.
inline std::size_t first_marked(std::uint64_t marks) { return static_cast<std::size_t>(std::countr_zero(marks)) / 8; }

} // namespace quarn
