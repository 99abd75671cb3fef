// Checks the word lists and empty records shipped in data/ (produced by
// tools/make_data.py) against what the game expects when it loads them.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

std::filesystem::path dataFile(const std::string& name) {
    return std::filesystem::path(QUARN_DATA_DIR) / name;
}

std::string readBytes(const std::string& name) {
    std::ifstream in(dataFile(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Splits CR LF text into lines; fails the test on a lone CR or LF or on an
// unterminated last line, since the loader would misread either.
std::vector<std::string> readCrLfLines(const std::string& name) {
    const std::string bytes = readBytes(name);
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            lines.push_back(line);
            line.clear();
            ++i;
        } else if (c == '\r' || c == '\n') {
            ADD_FAILURE() << name << ": bare line break after line " << lines.size();
        } else {
            line += c;
        }
    }
    EXPECT_TRUE(line.empty()) << name << ": last line not ended by CR LF";
    return lines;
}

bool isLowerWord(const std::string& w) {
    if (w.empty()) return false;
    for (char c : w)
        if (c < 'a' || c > 'z') return false;
    return true;
}

using LetterCounts = std::array<int, 26>;

LetterCounts countLetters(const std::string& w) {
    LetterCounts counts{};
    for (char c : w) ++counts[c - 'a'];
    return counts;
}

// The dictionary without its end marker.
std::vector<std::string> dictionaryWords() {
    std::vector<std::string> lines = readCrLfLines("dictionary.dic");
    if (!lines.empty() && lines.back() == "999") lines.pop_back();
    return lines;
}

const std::vector<std::string> kAllFiles = {
    "dictionary.dic", "anagrams1.dic", "crossword1.dic", "anagrams1_used.dat",
    "crossword1_used.dat", "anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"};

TEST(ShippedData, EveryFileExistsWithCrLfLines) {
    for (const std::string& name : kAllFiles) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(std::filesystem::is_regular_file(dataFile(name)));
        EXPECT_FALSE(readCrLfLines(name).empty());
    }
}

TEST(ShippedData, DictionaryIsSortedUniqueLowerCaseWordsEndingWithMarker) {
    const std::vector<std::string> lines = readCrLfLines("dictionary.dic");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "999");
    const std::vector<std::string> words = dictionaryWords();
    EXPECT_GT(words.size(), 20000u);
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_TRUE(isLowerWord(words[i]) && words[i].size() >= 2) << "bad word '" << words[i] << "'";
        if (i > 0) {
            EXPECT_LT(words[i - 1], words[i]) << "unsorted or duplicate at line " << i + 1;
        }
    }
}

TEST(ShippedData, AnagramTargetsAreFiveToEightLetterDictionaryWords) {
    const std::vector<std::string> dict = dictionaryWords();
    const std::set<std::string> known(dict.begin(), dict.end());
    const std::vector<std::string> targets = readCrLfLines("anagrams1.dic");
    // The last entry is a spare the game never draws, so two are the minimum.
    EXPECT_GE(targets.size(), 2u);
    EXPECT_LE(targets.size(), 1000u);
    EXPECT_EQ(std::set<std::string>(targets.begin(), targets.end()).size(), targets.size());
    for (const std::string& w : targets) {
        EXPECT_TRUE(w.size() >= 5 && w.size() <= 8) << w;
        EXPECT_TRUE(known.count(w)) << w << " is not in the dictionary";
    }
}

TEST(ShippedData, CrosswordSetsAreSevenToTenLettersAndBuildTenWords) {
    std::vector<std::pair<std::size_t, LetterCounts>> dict;
    for (const std::string& w : dictionaryWords()) dict.emplace_back(w.size(), countLetters(w));
    const std::vector<std::string> sets = readCrLfLines("crossword1.dic");
    EXPECT_GE(sets.size(), 2u);
    EXPECT_LE(sets.size(), 1000u);
    for (const std::string& set : sets) {
        ASSERT_TRUE(isLowerWord(set)) << "bad letter set '" << set << "'";
        EXPECT_TRUE(set.size() >= 7 && set.size() <= 10) << set;
        const LetterCounts have = countLetters(set);
        int buildable = 0;
        for (const auto& [length, need] : dict) {
            if (length > set.size()) continue;
            bool fits = true;
            for (int i = 0; i < 26 && fits; ++i) fits = need[i] <= have[i];
            if (fits && ++buildable >= 10) break;
        }
        EXPECT_GE(buildable, 10) << set;
    }
}

TEST(ShippedData, UsedRecordsStartWithNothingUsed) {
    for (const std::string name : {"anagrams1_used.dat", "crossword1_used.dat"}) {
        const std::vector<std::string> lines = readCrLfLines(name);
        EXPECT_EQ(lines.size(), 1001u) << name;
        for (const std::string& line : lines) EXPECT_EQ(line, "False") << name;
    }
}

TEST(ShippedData, HighScoreTablesHoldTenEmptyPlaces) {
    std::string empty;
    for (int place = 0; place < 10; ++place) empty += "\"\"\r\n0\r\n\"\"\r\n";
    for (const std::string name : {"anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"})
        EXPECT_EQ(readBytes(name), empty) << name;
}

}  // namespace
