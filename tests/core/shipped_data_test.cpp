// The data files shipped in data/ hold what the games rely on.
#include "words/dictionary.h"
#include "words/word_list.h"

#include "world.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

const std::filesystem::path data(QUARN_DATA_DIR);

TEST(ShippedData, EveryEntryCanBePlayedAndTheRecordsAndTablesAreEmpty) {
    Dictionary d;
    ASSERT_TRUE(d.load(data / "dictionary.dic"));
    EXPECT_EQ(d.end_slot() + 1, d.size()) << "999 is the last line";
    for (std::size_t slot = 2; slot < d.end_slot(); ++slot)
        ASSERT_TRUE(d.word(slot - 1) < d.word(slot) && d.word(slot).find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos)
            << d.word(slot) << ": sorted lower-case words";
    WordList list;
    for (const char* name : {"anagrams1.dic", "crossword1.dic"}) {
        ASSERT_TRUE(list.load(data / name));
        EXPECT_GE(list.count, 500) << name;
        for (int p = 1; p <= list.count; ++p) EXPECT_TRUE(list.drawable(p)) << name << " " << p;
        // An Anagrams word that is no word of the dictionary could never be solved.
        for (int p = 1; p <= list.count && name[0] == 'a'; ++p) EXPECT_FALSE(d.exact(list.entries[p]).empty()) << list.entries[p];
    }
    for (const char* name : {"anagrams1_used.dat", "crossword1_used.dat"})
        EXPECT_EQ(test::lines_of(data / name), std::vector<std::string>(1001, "False")) << name;
    std::vector<std::string> empty_table;
    for (int place = 0; place < 10; ++place) empty_table.insert(empty_table.end(), {"\"\"", "0", "\"\""});
    for (const char* name : {"anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"})
        EXPECT_EQ(test::lines_of(data / name), empty_table) << name;
}

} // namespace
} // namespace quarn
