// The letters the grid games deal: Mix 'N Match fills its board from them,
// Pick 'N Mix offers them one at a time. English deals every letter alike; a
// word pack gives its own letters, each as often as it occurs in the pack's
// dictionary, and its vowels.
#pragma once
#include "platform/random.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quarn {

struct WeightedLetter {
    std::string letter;
    long long weight = 1;
};

struct Alphabet {
    std::vector<WeightedLetter> board;   // what a Mix 'N Match board is dealt from
    std::vector<WeightedLetter> offered; // what Pick 'N Mix offers
    // A third of the time Pick 'N Mix offers one of these instead.
    std::vector<WeightedLetter> vowels;
    std::string rarest; // never what "Change Letter" offers

    // Reads a pack's letters.dat: per letter, the letter, its weight and
    // whether it is a vowel. Nothing when the file cannot be read or holds
    // no usable letter.
    static std::optional<Alphabet> load(const std::filesystem::path& path);
    static std::optional<Alphabet> read(std::string bytes);
};

// a to z on the board; b to z offered, each alike, a vowel a third of the
// time (the only way to an "a"), and never a "z" from "Change Letter".
const Alphabet& english_alphabet();

// The letters laid end to end, each as long as its weight: the one that
// covers the place, or nothing past the last.
const std::string* letter_at(const std::vector<WeightedLetter>& letters, double place);
long long total_weight(const std::vector<WeightedLetter>& letters);

// One letter, each as likely as its weight: the letter at r times the total
// weight, with r the random number.
const std::string& draw_letter(RandomSource& random, const std::vector<WeightedLetter>& letters);

} // namespace quarn
