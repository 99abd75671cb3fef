// The data files shipped in data/ hold what the games rely on.
#include "words/dictionary.h"
#include "words/word_list.h"

#include "harness.h"

#include <gtest/gtest.h>

#include <array>

namespace quarn {
namespace {

const std::filesystem::path data(QUARN_DATA_DIR);

bool letters_only(std::string_view word) {
    return word.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos;
}

std::array<int, 26> letter_counts(std::string_view word) {
    std::array<int, 26> counts{};
    for (char c : word) ++counts[static_cast<std::size_t>(c - 'a')];
    return counts;
}

TEST(ShippedData, EveryLineEndsWithCrLfAndTheRecordsAndTablesAreEmpty) {
    for (const char* name : {"dictionary.dic", "anagrams1.dic", "crossword1.dic", "anagrams1_used.dat",
                             "crossword1_used.dat", "anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"}) {
        std::string bytes = test::read_file(data / name);
        ASSERT_GE(bytes.size(), 2u) << name;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            ASSERT_EQ(bytes[i] == '\r', i + 1 < bytes.size() && bytes[i + 1] == '\n') << name << " at byte " << i;
    }
    const std::string unused = test::crlf_lines(std::vector<std::string>(1001, "False"));
    EXPECT_EQ(test::read_file(data / "anagrams1_used.dat"), unused);
    EXPECT_EQ(test::read_file(data / "crossword1_used.dat"), unused);
    std::string empty_table;
    for (int place = 0; place < 10; ++place) empty_table += "\"\"\r\n0\r\n\"\"\r\n";
    for (const char* name : {"anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"})
        EXPECT_EQ(test::read_file(data / name), empty_table) << name;
}

TEST(ShippedData, DictionaryHoldsSortedLowerCaseWordsAndEndsWith999) {
    Dictionary d;
    ASSERT_TRUE(d.load(data / "dictionary.dic"));
    EXPECT_EQ(d.end_slot(), d.size() - 1) << "999 is the last line";
    EXPECT_GT(d.end_slot(), 20000u);
    for (std::size_t slot = 1; slot < d.end_slot(); ++slot) {
        const std::string_view w = d.word(slot);
        ASSERT_TRUE(w.size() >= 2 && letters_only(w)) << w;
        if (slot > 1) {
            ASSERT_LT(d.word(slot - 1), w) << "sorted, no duplicates";
        }
    }
}

TEST(ShippedData, EveryListEntryCanBePlayed) {
    Dictionary d;
    ASSERT_TRUE(d.load(data / "dictionary.dic"));
    WordList anagrams, letter_sets;
    ASSERT_TRUE(anagrams.load(data / "anagrams1.dic"));
    ASSERT_TRUE(letter_sets.load(data / "crossword1.dic"));
    EXPECT_GE(anagrams.count, 500);
    EXPECT_GE(letter_sets.count, 500);
    for (int p = 1; p <= anagrams.count + 1; ++p) {
        const std::string& word = anagrams.entries[static_cast<std::size_t>(p)];
        EXPECT_TRUE(word.size() >= 5 && word.size() <= 8 && !d.exact(word).empty()) << word;
    }
    // Each letter set builds at least ten dictionary words.
    for (int p = 1; p <= letter_sets.count + 1; ++p) {
        const std::string& set = letter_sets.entries[static_cast<std::size_t>(p)];
        ASSERT_TRUE(set.size() >= 7 && set.size() <= 10 && letters_only(set)) << set;
        const auto have = letter_counts(set);
        int buildable = 0;
        for (std::size_t slot = 1; slot < d.end_slot() && buildable < 10; ++slot) {
            const std::string_view w = d.word(slot);
            if (w.size() > set.size()) continue;
            const auto need = letter_counts(w);
            bool fits = true;
            for (std::size_t i = 0; i < 26 && fits; ++i) fits = need[i] <= have[i];
            buildable += fits;
        }
        EXPECT_EQ(buildable, 10) << set;
    }
}

} // namespace
} // namespace quarn
