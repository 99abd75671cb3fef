// The data files shipped in data/ hold what the games rely on.
#include "words/dictionary.h"
#include "words/word_list.h"

#include "world.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

const std::filesystem::path data(QUARN_DATA_DIR);

TEST(ShippedData, EveryLineEndsWithCrLfAndTheRecordsAndTablesAreEmpty) {
    for (const char* name : {"anagrams1_used.dat", "crossword1_used.dat"})
        EXPECT_EQ(test::lines_of(data / name), std::vector<std::string>(1001, "False")) << name;
    std::vector<std::string> empty_table;
    for (int place = 0; place < 10; ++place) empty_table.insert(empty_table.end(), {"\"\"", "0", "\"\""});
    for (const char* name : {"anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"})
        EXPECT_EQ(test::lines_of(data / name), empty_table) << name;
}

// Every entry of both lists can be played: each Anagrams word is a word of
// the dictionary, and each Crossword letter set builds at least ten words.
TEST(ShippedData, EveryListEntryCanBePlayed) {
    Dictionary d;
    ASSERT_TRUE(d.load(data / "dictionary.dic"));
    EXPECT_EQ(d.end_slot() + 1, d.size()) << "999 is the last line";
    std::vector<std::string> words;
    for (std::size_t slot = 1; slot < d.end_slot(); ++slot) {
        words.emplace_back(d.word(slot));
        ASSERT_EQ(words.back().find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << words.back();
    }
    ASSERT_TRUE(std::is_sorted(words.begin(), words.end()));
    WordList anagrams, letter_sets;
    ASSERT_TRUE(anagrams.load(data / "anagrams1.dic"));
    ASSERT_TRUE(letter_sets.load(data / "crossword1.dic"));
    for (int p = 1; p <= anagrams.count + 1; ++p) {
        const std::string& word = anagrams.entries[static_cast<std::size_t>(p)];
        EXPECT_TRUE(word.size() >= 5 && word.size() <= 8 && !d.exact(word).empty()) << word;
    }
    for (int p = 1; p <= letter_sets.count + 1; ++p) {
        std::string set = letter_sets.entries[static_cast<std::size_t>(p)];
        std::sort(set.begin(), set.end());
        int buildable = 0;
        for (std::size_t w = 0; w < words.size() && buildable < 10; ++w) {
            std::string word = words[w];
            std::sort(word.begin(), word.end());
            buildable += std::includes(set.begin(), set.end(), word.begin(), word.end());
        }
        EXPECT_EQ(buildable, 10) << set;
    }
}

} // namespace
} // namespace quarn
