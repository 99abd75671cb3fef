// Dictionary scans, word lists, used-word records and the draw.
#include "words/dictionary.h"
#include "words/word_list.h"

#include "harness.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace quarn {
namespace {

using Slots = std::vector<std::size_t>;

TEST(Dictionary, EndMarkerHidesWhatFollows) {
    Dictionary d({"cat", "dog", "999", "emu"});
    EXPECT_EQ(d.size(), 5u);
    EXPECT_EQ(d.word(4), "emu");
    EXPECT_EQ(d.exact("cat"), Slots{1});
    EXPECT_TRUE(d.exact("emu").empty());
    EXPECT_TRUE(d.contained_in("emus").empty());
    EXPECT_TRUE(d.exact("Cat").empty());
}

TEST(Dictionary, ScansReportInFileOrderWithDuplicates) {
    Dictionary d({"some", "so", "x", "me", "", "om", "o", "so", "999", "s"});
    EXPECT_EQ(d.exact("so"), (Slots{2, 8}));
    EXPECT_EQ(d.contained_in("some"), (Slots{1, 2, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(d.contained_in("").empty()) << "an empty run contains nothing";
    EXPECT_EQ(d.contained_in("q"), Slots{5}) << "the empty entry is inside every text";
    EXPECT_EQ(d.contained_in("soso"), (Slots{2, 5, 7, 8})) << "each entry once per text";
}

TEST(Dictionary, WithoutEndMarkerScansStopAfterTheLastItem) {
    Dictionary d({"at", "cat"});
    EXPECT_EQ(d.end_slot(), 3u);
    EXPECT_EQ(d.contained_in("cat"), (Slots{1, 2}));

    const Dictionary never_loaded;
    EXPECT_TRUE(never_loaded.exact("cat").empty());
    EXPECT_TRUE(never_loaded.contained_in("a").empty());
}

TEST(Dictionary, LoadsEveryItemOfTheFileInOrder) {
    test::World world;
    world.write("d.dic", "cat\r\n\r\n\"a,b\"\r\n999\r\nemu\r\n");
    Dictionary d;
    ASSERT_TRUE(d.load(world.dir / "d.dic"));
    std::vector<std::string_view> words;
    for (std::size_t slot = 0; slot < d.size(); ++slot) words.push_back(d.word(slot));
    EXPECT_EQ(words, (std::vector<std::string_view>{"", "cat", "", "a,b", "999", "emu"}));
    EXPECT_FALSE(d.load(world.dir / "missing.dic"));
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
        int size = std::uniform_int_distribution<int>(0, 60)(gen);
        for (int i = 0; i < size; ++i) {
            int kind = static_cast<int>(gen() % 20);
            if (kind == 0) {
                items.push_back("999");
            } else if (kind == 1 && !items.empty()) {
                items.push_back(items[gen() % items.size()]);
            } else {
                items.push_back(random_text(kind == 2 ? 20 : 4, 3));
            }
        }
        // Every other dictionary comes through the file reader, one item a line or between commas.
        Dictionary d(items);
        if (round % 2 == 1) {
            std::string bytes;
            for (const std::string& item : items) bytes += item + (gen() % 2 ? "\r\n" : gen() % 2 ? "\n" : ",");
            d.read(bytes);
        }
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

TEST(WordList, CandidatesLeaveTheLastEntryOut) {
    test::World world;
    world.write("l.dic", test::crlf_lines({"one", "", "this-entry-is-far-too-long-for-the-board-x", "four", "five"}));
    WordList list;
    ASSERT_TRUE(list.load(world.dir / "l.dic"));
    EXPECT_EQ(list.count, 4);
    EXPECT_TRUE(list.drawable(1));
    EXPECT_FALSE(list.drawable(2)) << "an empty entry keeps its place but is never drawn";
    EXPECT_FALSE(list.drawable(3));
    EXPECT_FALSE(list.drawable(5));

    std::vector<std::string> many;
    for (int i = 0; i < 1200; ++i) many.push_back("w" + std::to_string(i));
    world.write("many.dic", test::crlf_lines(many));
    ASSERT_TRUE(list.load(world.dir / "many.dic"));
    EXPECT_EQ(list.count, 1000);
    EXPECT_EQ(list.entries[1000], "w999");

    world.write("one.dic", "only\r\n");
    ASSERT_TRUE(list.load(world.dir / "one.dic"));
    EXPECT_FALSE(list.has_candidate());
}

TEST(PickWord, EveryCandidateOnceBeforeAnyAgain) {
    test::World world;
    world.write("l.dic", test::crlf_lines({"a1", "a2", "", "a4", "a5", "spare"}));
    WordList list;
    ASSERT_TRUE(list.load(world.dir / "l.dic"));
    UsedRecord record;
    record.used[1000] = true; // beyond the candidates: kept as it is
    test::TestRandom random;
    std::set<int> cycle;
    for (int i = 0; i < 4; ++i) cycle.insert(pick_word(list, record, random));
    EXPECT_EQ(cycle, (std::set<int>{1, 2, 4, 5}));
    int next = pick_word(list, record, random);
    EXPECT_TRUE(next == 1 || next == 2 || next == 4 || next == 5);
    int marked = 0;
    for (int p = 1; p <= 5; ++p) marked += record.used[static_cast<std::size_t>(p)];
    EXPECT_EQ(marked, 1) << "a new cycle began with only the new draw marked";
    EXPECT_TRUE(record.used[1000]);
    EXPECT_EQ(random.reseeds, 5);
}

TEST(UsedRecord, ReadsGentlyAndWritesWhole) {
    test::World world;
    world.write("r.dat", "True\r\nFalse\r\nTrue\r\nmaybe\r\n");
    UsedRecord record;
    record.load(world.dir / "r.dat");
    EXPECT_TRUE(record.used[0]);
    EXPECT_TRUE(record.used[2]);
    EXPECT_FALSE(record.used[3]) << "neither True nor False reads as False";
    EXPECT_FALSE(record.used[500]) << "missing lines read as False";
    ASSERT_EQ(record.save(world.dir / "r.dat"), "");
    std::string bytes = world.read("r.dat");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1001);
    EXPECT_EQ(bytes.substr(0, 19), "True\r\nFalse\r\nTrue\r\n");
    record.load(world.dir / "absent.dat");
    EXPECT_FALSE(record.used[0]);
}

} // namespace
} // namespace quarn
