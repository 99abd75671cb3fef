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
    // A third of the time Pick 'N Mix offers one of these instead, each alike.
    std::vector<std::string> vowels;
    std::string rarest; // never what "Change Letter" offers

    // Reads a pack's letters.dat: per letter, the letter, its weight and
    // whether it is a vowel. Nothing when the file cannot be read or holds
    // no usable letter.
    static std::optional<Alphabet> load(const std::filesystem::path& path);
    static std::optional<Alphabet> read(std::string bytes);
};

// a to z on the board; b to z offered, a vowel a third of the time (the
// only way to an "a"), and never a "z" from "Change Letter".
const Alphabet& english_alphabet();

// One letter, each as likely as its weight: with r the random number, the
// first letter whose running total of weights exceeds r times the total.
const std::string& draw_letter(RandomSource& random, const std::vector<WeightedLetter>& letters);

} // namespace quarn
