// Damaged, missing and unwritable data files: every kind of damage either
// stops the program with a message naming the file, or is recovered from
// gently, and never loses a table or record that was there.
#include "board/play_window.h"
#include "engine/driver.h"
#include "games/word_check.h"
#include "scores/high_scores.h"
#include "shell/main_menu.h"
#include "words/word_list.h"

#include "harness.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quarn {
namespace {

using test::World;

const std::string long_line(4 << 20, 'q');
const std::string binary("\x00\x01\xff\xfe\"\x1b,\r\x7f", 9);

// A fresh installation to damage.
struct Install {
    Install() { world.write_standard_files(); }
    std::string fatal_text() {
        try {
            world.start();
        } catch (const test::SimFatal& e) {
            return e.what();
        }
        return "";
    }
    // Runs a set-up game's word-list check and returns the boxes shown.
    std::vector<std::string> try_to_start(int game) {
        world.start();
        world.set_up(game, 10, {"Ann"});
        world.pump.boxes.clear();
        world.pump.on_box([this](const std::string& text) {
            if (text.rfind("Are you ready", 0) == 0) world.pump.after(20, [this] { exit_clicked(*world.q); });
            return test::SimPump::Answer{10, true};
        });
        play_game(*world.q);
        return world.pump.box_texts();
    }
    World world;
};

struct Damage : ::testing::Test, Install {};

TEST_F(Damage, DictionaryMissingOrEmptyStopsWithTheFileNamed) {
    std::filesystem::remove(world.dir / "dictionary.dic");
    EXPECT_NE(fatal_text().find("dictionary.dic is missing"), std::string::npos);
    world.write("dictionary.dic", "");
    EXPECT_NE(fatal_text().find("dictionary.dic"), std::string::npos);
    world.write("dictionary.dic", "999\r\ncat\r\n");
    EXPECT_NE(fatal_text().find("holds no words"), std::string::npos);
}

TEST_F(Damage, DictionaryDamageInsideTheFileIsReadAsItStands) {
    struct Case {
        std::string bytes;
        std::vector<std::string> words;
    };
    std::vector<Case> cases{
        {"cat\r\ndo", {"cat", "do"}},                      // truncated mid-line, no end marker
        {"cat\ndog\n999\n", {"cat", "dog"}},               // LF line ends
        {"cat\rdog\r999\r", {"cat", "dog"}},               // lone CR line ends
        {"cat,dog,emu\r\n999\r\n", {"cat", "dog", "emu"}}, // extra items on a line
        {"cat\r\n\"dog\r\n999\r\n", {"cat", "dog\r\n999\r\n"}},
        {binary + "\r\ncat\r\n999\r\n", {}},
        {long_line + "\r\ncat\r\n999\r\n", {long_line, "cat"}},
        {"caf\xc3\xa9\r\ncat\r\n999\r\n", {"caf\xc3\xa9", "cat"}},
    };
    for (const Case& c : cases) {
        World w;
        w.write_standard_files();
        w.write("dictionary.dic", c.bytes);
        Quarn& q = w.start();
        EXPECT_TRUE(q.form_options.visible);
        if (c.words.empty()) continue; // binary bytes: loaded, nothing to promise
        std::vector<std::string> seen;
        for (std::size_t slot = 1; slot < q.dictionary_words.end_slot(); ++slot)
            seen.emplace_back(q.dictionary_words.word(slot));
        EXPECT_EQ(seen, c.words);
        EXPECT_FALSE(q.dictionary_words.contained_in("cat").empty());
    }
}

TEST_F(Damage, WordListsMissingIsFatalAndNothingDrawableIsTold) {
    std::filesystem::remove(world.dir / "anagrams1.dic");
    EXPECT_THROW(try_to_start(0), test::SimFatal);
    for (const std::string& bytes :
         std::vector<std::string>{"", "\"cat\r\ndog\r\n", binary + "\r\n" + binary + "\r\n",
                                  long_line + "\r\n" + long_line + "\r\n", "caf\xc3\xa9\r\nna\xc3\xafve\r\nspare\r\n"}) {
        Install d;
        d.world.write("crossword1.dic", bytes);
        std::vector<std::string> shown = d.try_to_start(1);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_NE(shown[0].find("crossword1.dic holds no entry that can be drawn"), std::string::npos);
    }
}

TEST_F(Damage, WordListsWithSomeGoodEntriesPlayThem) {
    world.write("anagrams1.dic", std::string("cat\n") + binary + "\n" + long_line + "\ndog,spare");
    std::vector<std::string> shown = try_to_start(0);
    EXPECT_EQ(shown.front(), "Are you ready Ann");
    // Entries: 1 cat, 2 and 3 and 4 pieces of the binary line, 5 the long
    // line, 6 dog, 7 the spare. Only cat and dog can be laid out.
    const auto& used = world.q->anagram_used.used;
    EXPECT_EQ(std::count(used.begin(), used.end(), true), 1);
    EXPECT_TRUE(used[1] || used[6]);
}

TEST_F(Damage, UsedRecordsAreReadGentlyAndWrittenWhole) {
    for (std::string bytes : {std::string(), std::string("True\r\nTru"), std::string("True\nTrue\n"),
                              std::string("True,True,True\r\n") + test::crlf_lines(std::vector<std::string>(1100, "True")),
                              std::string("\"True\r\n"), binary, long_line, std::string("Tr\xc3\xbc\x65\r\n"), std::string("99999\r\n")}) {
        Install d;
        d.world.write("anagrams1_used.dat", bytes);
        d.try_to_start(0);
        std::string written = d.world.read("anagrams1_used.dat");
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 1001);
        EXPECT_EQ(written.find('\n'), written.find('\r') + 1);
    }
    std::filesystem::remove(world.dir / "crossword1_used.dat");
    Quarn& q = world.start();
    EXPECT_FALSE(q.crossword_used.used[1]) << "a missing record reads as nothing used";
}

TEST_F(Damage, HighScoreFilesRecoverToEmptyPlacesAndKeepWhatReads) {
    Quarn& q = world.start();
    q.state.game_type = "Worddrop";
    auto& table = q.form_game_screen.high_scores;
    auto load = [&](const std::string& bytes) {
        world.write("worddrop.hi", bytes);
        load_high_scores(q);
    };
    load("");
    EXPECT_EQ(table[0].name, "");
    load("\"Al\"\n70000\n\"Jan,1,2000\"\n\"Bo\"\n-70000\n\"x\"\n\"Cy\"\n5");
    EXPECT_EQ(table[0].score, "32767");
    EXPECT_EQ(table[1].score, "-32768");
    EXPECT_EQ(table[2].name, "") << "a place cut off mid-way is left empty";
    load("\"Al\",10,\"d\",\"Bo\",20,\"e\"," + test::crlf_lines(std::vector<std::string>(200, "\"z\"")));
    EXPECT_EQ(table[1].name, "Bo");
    load("\"" + long_line + "\"\r\n5\r\n\"" + binary);
    EXPECT_EQ(table[0].name.size(), 255u);
    load("\"Jos\xc3\xa9\"\r\n5\r\n\"Jan,1,2000\r\n");
    EXPECT_EQ(table[0].name, "Jos\xc3\xa9");
    table[0].name = "A \"B\", C\r\nD";
    save_high_scores(q);
    load_high_scores(q);
    EXPECT_EQ(table[0].name, "A 'B', C  D");
}

// A save that cannot happen leaves the old file whole and says so.
TEST_F(Damage, FailedSavesKeepTheOldFileAndTellThePlayer) {
    Quarn& q = world.start();
    q.state.game_type = "Mixnmatch";
    const std::string old_table = world.read("mixnmatch.hi");
    q.form_game_screen.high_scores[0] = {"New", "500", "d"};
    auto expect_refused = [&](const char* why) {
        world.pump.boxes.clear();
        save_high_scores(q);
        ASSERT_EQ(world.pump.boxes.size(), 1u) << why;
        EXPECT_NE(world.pump.boxes[0].text.find("mixnmatch.hi"), std::string::npos);
        EXPECT_EQ(world.read("mixnmatch.hi"), old_table) << why;
    };
    ::chmod((world.dir / "mixnmatch.hi").c_str(), 0444);
    expect_refused("read-only file");
    ::chmod((world.dir / "mixnmatch.hi").c_str(), 0644);
    ::chmod(world.dir.c_str(), 0555);
    expect_refused("read-only folder");
    ::chmod(world.dir.c_str(), 0755);
    std::filesystem::create_directory(world.dir / "mixnmatch.hi.tmp"); // no room for the new copy
    expect_refused("temporary file cannot be made");
    std::filesystem::remove(world.dir / "mixnmatch.hi.tmp");

    ::chmod((world.dir / "anagrams1_used.dat").c_str(), 0444);
    world.pump.boxes.clear();
    save_used_record(q, q.anagram_used, "anagrams1_used.dat");
    ASSERT_EQ(world.pump.boxes.size(), 1u);
    EXPECT_NE(world.pump.boxes[0].text.find("anagrams1_used.dat"), std::string::npos);
}

} // namespace
} // namespace quarn
