// Dictionary scans, word lists, used-word records and the draw.
#include "words/dictionary.h"
#include "words/word_list.h"

#include "world.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace quarn {
namespace {

using Slots = std::vector<std::size_t>;

Dictionary dictionary_of(const std::vector<std::string>& items) {
    Dictionary d;
    d.read(test::crlf_lines(items));
    return d;
}

TEST(Dictionary, ScansReportInFileOrderUpToTheEndMarker) {
    const Dictionary d = dictionary_of({"some", "so", "x", "me", "", "om", "o", "so", "999", "s", "emu"});
    EXPECT_EQ(d.exact("so"), (Slots{2, 8})) << "a word listed twice is reported twice";
    EXPECT_TRUE(d.exact("emu").empty()) << "nothing after the end marker";
    EXPECT_TRUE(d.exact("So").empty()) << "no case folding";
    EXPECT_EQ(d.contained_in("some"), (Slots{1, 2, 4, 5, 6, 7, 8}));
    EXPECT_EQ(d.contained_in("soso"), (Slots{2, 5, 7, 8})) << "each entry once per text";
    EXPECT_EQ(d.contained_in("q"), Slots{5}) << "the empty entry is inside every text";
    EXPECT_TRUE(d.contained_in("").empty()) << "an empty run contains nothing";
    EXPECT_EQ(d.end_slot(), 9u);
    EXPECT_EQ(d.word(11), "emu") << "items after the end marker are loaded all the same";

    const Dictionary unmarked = dictionary_of({"at", "cat"});
    EXPECT_EQ(unmarked.contained_in("cat"), (Slots{1, 2})) << "without an end marker the scans stop after the last item";
    const Dictionary never_loaded;
    EXPECT_TRUE(never_loaded.exact("cat").empty());
    EXPECT_TRUE(never_loaded.contained_in("cat").empty());
}

// The index must answer exactly what the walk answers, whatever the data.
TEST(Dictionary, IndexAgreesWithTheLinearWalk) {
    std::mt19937 gen(1234);
    auto random_text = [&](int max_length, int alphabet) {
        std::string s;
        int length = std::uniform_int_distribution<int>(0, max_length)(gen);
        for (int i = 0; i < length; ++i) s += static_cast<char>('a' + gen() % alphabet);
        return s;
    };
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> items;
        std::string bytes; // one item a line, or between commas
        int size = std::uniform_int_distribution<int>(0, 60)(gen);
        for (int i = 0; i < size; ++i) {
            int kind = static_cast<int>(gen() % 20);
            if (kind == 0)
                items.push_back("999");
            else if (kind == 1 && !items.empty())
                items.push_back(items[gen() % items.size()]);
            else
                items.push_back(random_text(kind == 2 ? 20 : 4, 3));
            bytes += items.back() + (gen() % 2 ? "\r\n" : gen() % 2 ? "\n" : ",");
        }
        Dictionary d;
        d.read(bytes);
        for (int t = 0; t < 30; ++t) {
            std::string text = random_text(t == 0 ? 20 : 8, 3);
            ASSERT_EQ(d.contained_in(text), d.contained_in_linear(text)) << "text " << text;
            if (!text.empty()) {
                ASSERT_EQ(d.exact(text), d.exact_linear(text)) << "word " << text;
            }
        }
        for (const std::string& item : items) {
            if (!item.empty()) {
                ASSERT_EQ(d.exact(item), d.exact_linear(item)) << "item " << item;
            }
        }
    }
}

TEST(WordList, TheLastEntryIsNeverACandidateAndOnlyPlainEntriesAreDrawn) {
    WordList list;
    list.read(test::crlf_lines({"one", "", "this-entry-is-far-too-long-for-the-board-x", "with blank", "five", "six"}));
    EXPECT_EQ(list.count, 5);
    const bool drawable[] = {false, true, false, false, false, true, false};
    for (int p = 0; p <= 6; ++p) EXPECT_EQ(list.drawable(p), drawable[p]) << p;

    std::vector<std::string> many;
    for (int i = 0; i < 1200; ++i) many.push_back("w" + std::to_string(i));
    list.read(test::crlf_lines(many));
    EXPECT_EQ(list.count, 1000) << "only the first 1000 entries are read";
    EXPECT_EQ(list.entries[1000], "w999");
}

TEST(PickWord, EveryCandidateOnceBeforeAnyAgain) {
    WordList list;
    list.read(test::crlf_lines({"a1", "a2", "", "a4", "a5", "spare"}));
    UsedRecord record;
    record.used[1000] = true; // beyond the candidates: kept as it is
    test::TestRandom random;
    std::set<int> cycle;
    for (int i = 0; i < 4; ++i) cycle.insert(pick_word(list, record, random).value());
    EXPECT_EQ(cycle, (std::set<int>{1, 2, 4, 5}));
    const int next = pick_word(list, record, random).value();
    EXPECT_TRUE(cycle.count(next));
    EXPECT_EQ(std::count(record.used.begin() + 1, record.used.begin() + 6, true), 1)
        << "a new cycle began with only the new draw marked";
    EXPECT_TRUE(record.used[1000]);
    EXPECT_EQ(random.reseeds, 5);

    list.read(test::crlf_lines({"", "far-too-long-to-lay-out-on-the-board", "spare"}));
    EXPECT_FALSE(pick_word(list, record, random).has_value()) << "nothing to draw, and no endless draw";
}

TEST(UsedRecord, ReadsTrueFalseLinesAndWritesAllOfThem) {
    UsedRecord record;
    record.read("True\r\nFalse\r\nTrue\r\nmaybe\r\n");
    EXPECT_EQ(record.bytes(), test::crlf_lines({"True", "False", "True"}) + test::crlf_lines(std::vector<std::string>(998, "False")));
}

} // namespace
} // namespace quarn
