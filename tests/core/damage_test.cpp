// Damaged, missing and unwritable data files: every kind of damage either
// stops the program with a message naming the file, or is recovered from
// gently, and never loses a table or record that was there.
#include "scores/high_scores.h"
#include "shell/main_menu.h"

#include "world.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>

namespace quarn {
namespace {

using Texts = std::vector<std::string>;

const std::string long_line(4 << 20, 'q');
const std::string binary("\x00\x01\xff\xfe\"\x1b,\r\x7f", 9);

// A fresh installation with one file damaged.
struct Install {
    Install(const std::string& name, const std::string& bytes) {
        world.write_standard_files();
        world.write(name, bytes);
    }
    std::string fatal_text() {
        try {
            world.start();
        } catch (const test::SimFatal& e) {
            return e.what();
        }
        return "";
    }
    // Starts a game with Ann, leaves it at her first turn; the boxes shown.
    Texts try_to_play(int game) {
        world.start();
        world.set_up(game, 10, {"Ann"});
        world.play_turns([this] { exit_clicked(*world.q); });
        play_game(*world.q);
        return world.pump.box_texts();
    }
    test::World world;
};

TEST(Damage, ADictionaryWithoutWordsStopsTheProgramNamingTheFile) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, "The file dictionary.dic is missing from the folder"},
        {"", "holds no words before its end marker 999"},
        {"999\r\ncat\r\n", "holds no words before its end marker 999"},
    };
    for (const auto& [bytes, message] : cases) {
        Install install("dictionary.dic", bytes.value_or(""));
        if (!bytes) std::filesystem::remove(install.world.dir / "dictionary.dic");
        const std::string text = install.fatal_text();
        EXPECT_NE(text.find(message), std::string::npos) << text;
        EXPECT_NE(text.find("dictionary.dic"), std::string::npos);
    }
}

TEST(Damage, ADamagedDictionaryIsReadAsItStands) {
    const std::pair<std::string, std::optional<Texts>> cases[] = {
        {"cat\r\ndo", Texts{"cat", "do"}}, // cut mid-line, no end marker: the scans stop at the last word
        {"cat\ndog\n999\n", Texts{"cat", "dog"}},
        {"cat\rdog\r999\r", Texts{"cat", "dog"}},
        {"cat,dog,emu\r\n999\r\n", Texts{"cat", "dog", "emu"}},
        {"cat\r\n\"dog\r\n999\r\n", Texts{"cat", "dog\r\n999\r\n"}},
        {long_line + "\r\ncat\r\n999\r\n", Texts{long_line, "cat"}},
        {"caf\xc3\xa9\r\ncat\r\n999\r\n", Texts{"caf\xc3\xa9", "cat"}},
        {binary + "\r\ncat\r\n999\r\n", std::nullopt}, // whatever the bytes make, cat is still a word
    };
    for (const auto& [bytes, words] : cases) {
        Install install("dictionary.dic", bytes);
        const Dictionary& dictionary = install.world.start().dictionary_words;
        if (words) {
            Texts seen;
            for (std::size_t slot = 1; slot < dictionary.end_slot(); ++slot) seen.emplace_back(dictionary.word(slot));
            EXPECT_EQ(seen, *words);
        }
        EXPECT_FALSE(dictionary.contained_in("cat").empty());
    }
}

TEST(Damage, AWordListWithNothingToDrawIsToldAndTheSetUpKept) {
    Install missing("anagrams1.dic", "");
    std::filesystem::remove(missing.world.dir / "anagrams1.dic");
    EXPECT_THROW(missing.try_to_play(0), test::SimFatal);
    for (const std::string& bytes : {std::string(), std::string("only\r\n"), std::string("\"cat\r\ndog\r\n"),
                                     binary + "\r\n" + binary + "\r\n", long_line + "\r\n" + long_line + "\r\n",
                                     std::string("caf\xc3\xa9\r\nna\xc3\xafve\r\nspare\r\n")}) {
        Install install("crossword1.dic", bytes);
        EXPECT_EQ(install.try_to_play(1),
                  Texts{"The word list crossword1.dic holds no entry that can be drawn, so Crossword cannot be played."});
        const Quarn& q = *install.world.q;
        EXPECT_TRUE(q.form_options.visible && !q.form_game_screen.visible);
        EXPECT_EQ(q.state.game_type, "Crossword");
        EXPECT_EQ(q.state.game_time_left, 10);
    }
}

TEST(Damage, AWordListWithSomeGoodEntriesPlaysThem) {
    Install install("anagrams1.dic", std::string("cat\n") + binary + "\n" + long_line + "\ndog,spare");
    EXPECT_EQ(install.try_to_play(0).front(), "Are you ready Ann");
    // Entries: 1 cat, 2 to 4 pieces of the binary line, 5 the long line, 6 dog,
    // 7 the spare. Only cat and dog can be laid out.
    const auto& used = install.world.drawn("Anagrams").used_record().used;
    EXPECT_EQ(std::count(used.begin(), used.end(), true), 1);
    EXPECT_TRUE(used[1] || used[6]);
}

TEST(Damage, UsedRecordsAreReadGentlyAndWrittenWhole) {
    for (const std::string& bytes :
         {std::string(), std::string("True\r\nTru"), std::string("True\nTrue\n"), std::string("\"True\r\n"), binary,
          long_line, std::string("Tr\xc3\xbc\x65\r\n"), std::string("99999\r\n"),
          "True,True,True\r\n" + test::crlf_lines(Texts(1100, "True"))}) {
        Install install("anagrams1_used.dat", bytes);
        install.try_to_play(0);
        const Texts written = test::lines_of(install.world.dir / "anagrams1_used.dat");
        ASSERT_EQ(written.size(), 1001u);
        EXPECT_EQ(std::count(written.begin(), written.end(), "True") + std::count(written.begin(), written.end(), "False"),
                  1001);
    }
    Install missing("crossword1_used.dat", "");
    std::filesystem::remove(missing.world.dir / "crossword1_used.dat");
    missing.world.start();
    EXPECT_FALSE(missing.world.drawn("Crossword").used_record().used[1]) << "a missing record reads as nothing used";
}

TEST(Damage, HighScoreFilesRecoverToEmptyPlacesAndKeepWhatReads) {
    auto table_of = [](const std::string& bytes) { return read_high_score_table(bytes); };
    EXPECT_EQ(table_of("")[0].name, "");
    const HighScoreTable cut = table_of("\"Al\"\n70000\n\"Jan,1,2000\"\n\"Bo\"\n-70000\n\"Ja\n");
    EXPECT_EQ(cut[0].score, "32767");
    EXPECT_EQ(cut[1].score, "-32768");
    EXPECT_EQ(cut[1].date, "Ja\n") << "a place cut inside its date keeps what is there";
    EXPECT_EQ(table_of("\"Al\"\n5\n\"Jan,1,2000\"\n\"Bo\"\n9")[1].name, "") << "a place cut before its date is empty";
    EXPECT_EQ(table_of("\"Al\",10,\"d\",\"Bo\",20,\"e\"," + test::crlf_lines(Texts(200, "\"z\"")))[1].name, "Bo");
    EXPECT_EQ(table_of("\"" + long_line + "\"\r\n5\r\n\"" + binary)[0].name.size(), 255u);
    EXPECT_EQ(table_of("\"Jos\xc3\xa9\"\r\n5\r\n\"Jan,1,2000\r\n")[0].name, "Jos\xc3\xa9");

    // A name that would break the file is stored so that it reads back.
    HighScoreTable table{};
    table[0].name = "A \"B\", C\r\nD";
    EXPECT_EQ(table_of(high_score_bytes(table))[0].name, "A 'B', C  D");
}

// A save that cannot happen leaves the old file whole and says so, naming it.
TEST(Damage, FailedSavesKeepTheOldFileAndTellThePlayer) {
    Install install("test.txt", "");
    test::World& world = install.world;
    Quarn& q = world.start();
    const std::string old_table = world.read("mixnmatch.hi");
    q.form_game_screen.high_scores[0] = {"New", "500", "d"};
    rlimit no_limit{}, tiny{};
    ::getrlimit(RLIMIT_FSIZE, &no_limit);
    tiny = {16, no_limit.rlim_max}; // a disk that fills up halfway through the new copy
    std::signal(SIGXFSZ, SIG_IGN);
    const std::pair<std::function<void()>, std::function<void()>> failures[] = {
        {[&] { for (const char* f : {"mixnmatch.hi", "anagrams1_used.dat"}) ::chmod((world.dir / f).c_str(), 0444); },
         [&] { for (const char* f : {"mixnmatch.hi", "anagrams1_used.dat"}) ::chmod((world.dir / f).c_str(), 0644); }},
        {[&] { ::chmod(world.dir.c_str(), 0555); }, [&] { ::chmod(world.dir.c_str(), 0755); }},
        {[&] { ::setrlimit(RLIMIT_FSIZE, &tiny); }, [&] { ::setrlimit(RLIMIT_FSIZE, &no_limit); }},
    };
    for (const auto& [fail, mend] : failures) {
        world.pump.boxes.clear();
        fail();
        save_high_scores(world.pump, q.form_game_screen.high_scores, world.dir / "mixnmatch.hi");
        q.find_game("Anagrams")->finish(q.stage);
        mend();
        EXPECT_EQ(world.pump.box_texts().size(), 2u);
        for (const std::string& text : world.pump.box_texts())
            EXPECT_TRUE(text.find("The high scores could not be saved to mixnmatch.hi") == 0 ||
                        text.find("The used-word record could not be saved to anagrams1_used.dat") == 0) << text;
        EXPECT_EQ(world.read("mixnmatch.hi"), old_table);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(world.dir), {}), 10) << "no partial copy is left";
    }
    std::signal(SIGXFSZ, SIG_DFL);
}

} // namespace
} // namespace quarn
