// The letters the grid games deal, and the weighted draw.
#include "words/alphabet.h"

#include "platform/convert.h"
#include "platform/letters.h"
#include "platform/text_file.h"

#include <algorithm>

namespace quarn {

std::optional<Alphabet> Alphabet::load(const std::filesystem::path& path) {
    std::optional<std::string> bytes = read_whole_file(path);
    if (!bytes) return std::nullopt;
    return read(std::move(*bytes));
}

std::optional<Alphabet> Alphabet::read(std::string bytes) {
    Alphabet alphabet;
    ItemReader reader(decode_composed(std::move(bytes)));
    while (!reader.at_end()) {
        std::string letter = reader.read_text();
        const double weight = text_to_number(reader.read_text());
        const bool vowel = reader.read_text() == "True";
        // A letter fills one cell, and a letter that never comes up has no place.
        if (letter.empty() || !all_visible(letter) || letter_count(letter, 1) != 1 || !(weight >= 1)) continue;
        const auto whole = static_cast<long long>(std::min(weight, 1e12));
        if (vowel) alphabet.vowels.push_back({letter, whole});
        alphabet.board.push_back({std::move(letter), whole});
    }
    if (alphabet.board.empty()) return std::nullopt;
    alphabet.offered = alphabet.board;
    // The first of the least frequent letters, so that a tie is decided by the file's order.
    alphabet.rarest = std::min_element(alphabet.board.begin(), alphabet.board.end(), [](const auto& a, const auto& b) {
                          return a.weight < b.weight;
                      })->letter;
    return alphabet;
}

const Alphabet& english_alphabet() {
    static const Alphabet english = [] {
        Alphabet a;
        const std::string_view letters = "abcdefghijklmnopqrstuvwxyz";
        for (std::size_t i = 0; i < letters.size(); ++i) a.board.push_back({std::string(letters.substr(i, 1)), 1});
        a.offered.assign(a.board.begin() + 1, a.board.end());
        for (std::size_t i : {0, 4, 8, 14, 20}) a.vowels.push_back(a.board[i]); // a e i o u
        a.rarest = a.board.back().letter;
        return a;
    }();
    return english;
}

long long total_weight(const std::vector<WeightedLetter>& letters) {
    long long total = 0;
    for (const WeightedLetter& l : letters) total += l.weight;
    return total;
}

const std::string* letter_at(const std::vector<WeightedLetter>& letters, double place) {
    long long running = 0;
    for (const WeightedLetter& l : letters) {
        running += l.weight;
        if (static_cast<double>(running) > place) return &l.letter;
    }
    return nullptr;
}

const std::string& draw_letter(RandomSource& random, const std::vector<WeightedLetter>& letters) {
    const std::string* letter = letter_at(letters, random.next() * static_cast<double>(total_weight(letters)));
    return letter ? *letter : letters.back().letter;
}

} // namespace quarn
