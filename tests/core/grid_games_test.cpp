// The grid word scan, Mix 'N Match and Pick 'N Mix.
#include "board/letter_grid.h"
#include "games/grid_scan.h"
#include "games/pick_n_mix.h"
#include "shell/main_menu.h"

#include "harness.h"

#include <gtest/gtest.h>

#include <map>

namespace quarn {
namespace {

using test::SimPump;
using test::World;

struct GridScan : ::testing::Test {
    GridScan() {
        world.write_standard_files();
        world.start();
        world.confirm_results();
    }
    Quarn& q() { return *world.q; }
    // Lays letters out from a cell, white when marked by an upper-case letter.
    void lay(int first, const std::string& letters, int step = 1) {
        for (std::size_t i = 0; i < letters.size(); ++i) {
            Cell& cell = q().form_game_screen.cells[static_cast<std::size_t>(first) + i * static_cast<std::size_t>(step)];
            char c = letters[i];
            bool white = std::isupper(static_cast<unsigned char>(c)) || c == '_';
            cell.text = c == '_' ? "" : std::string(1, static_cast<char>(std::tolower(c)));
            cell.background = white ? colours::white : colours::light_grey;
        }
    }
    int scan(bool logs = true) {
        check_grid_words(q().stage, logs);
        return q().state.turn_time_left;
    }
    const std::vector<std::string>& found() { return q().form_show_score.found_list; }
    World world;
};

TEST_F(GridScan, WordsInsideWordsScoreFiftyALetterInDictionaryOrder) {
    lay(0, "SOMEXXXXXXXXX");
    EXPECT_EQ(scan(), 400);
    EXPECT_EQ(found(), (std::vector<std::string>{"me", "so", "some"}));
    EXPECT_EQ(q().form_show_score.bonus, "400");
    EXPECT_EQ(q().form_game_screen.scores[0], "400");
    EXPECT_FALSE(q().form_show_score.visible);
    EXPECT_FALSE(q().form_checking_words.visible);

    std::string runs = world.read("test.txt");
    EXPECT_EQ(runs.substr(0, 18), " 0 somexxxxxxxxx\r\n");
    EXPECT_EQ(std::count(runs.begin(), runs.end(), '\n'), 18);
    EXPECT_EQ(world.read("test1.txt"), " 0 me\r\n 1 so\r\n 2 some\r\n");
}

TEST_F(GridScan, RunsBreakAtRowEndsGreyCellsAndReadOnlyForwards) {
    lay(12, "SO");     // end of row 0, start of row 1
    lay(26, "SxO");    // a grey cell between
    lay(39, "EM");     // me backwards
    lay(1, "EM", 13);  // me upwards
    EXPECT_EQ(scan(), 0);
    EXPECT_TRUE(found().empty());
}

TEST_F(GridScan, TheSameWordInTwoRunsCountsTwice) {
    lay(0, "ME");
    lay(26, "ME");
    EXPECT_EQ(scan(), 200);
    EXPECT_EQ(found(), (std::vector<std::string>{"me", "me"}));
}

TEST_F(GridScan, NoWhiteCellScoresZeroAndStillLogsEveryLine) {
    lay(0, "some");
    EXPECT_EQ(scan(), 0);
    EXPECT_EQ(q().form_show_score.bonus, "0");
    EXPECT_TRUE(found().empty());
    std::string runs = world.read("test.txt");
    EXPECT_EQ(std::count(runs.begin(), runs.end(), '\n'), 18);
    EXPECT_EQ(runs.substr(0, 6), " 13 \r\n");
    EXPECT_EQ(world.read("test1.txt"), "");
}

TEST_F(GridScan, AnEmptyWhiteCellBlocksWordsAndLogsAsABang) {
    lay(8, "S_OME"); // to the end of the row, so that the row's log line shows the run
    EXPECT_EQ(scan(), 100);
    EXPECT_EQ(found(), std::vector<std::string>{"me"});
    EXPECT_EQ(world.read("test.txt").substr(0, 10), " 8 s!ome\r\n");
}

TEST_F(GridScan, PickNMixWritesNoLogs) {
    lay(0, "SO");
    EXPECT_EQ(scan(false), 100);
    EXPECT_FALSE(std::filesystem::exists(world.dir / "test.txt"));
}

struct GridGames : ::testing::Test {
    GridGames() { world.write_standard_files(); }
    World world;
};

TEST_F(GridGames, MixNMatchCheckButtonEndsTheTurnAtOnce) {
    Quarn& q = world.start();
    world.set_up(2, 2, {"Ann"});
    std::vector<int> turn_lengths;
    std::int64_t turn_start = 0;
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann") {
            turn_start = world.pump.now_ms() + 10;
            world.pump.after(50, [&] {
                for (const Cell& cell : q.form_game_screen.cells) {
                    EXPECT_EQ(cell.text.size(), 1u);
                    EXPECT_EQ(cell.background, colours::light_grey);
                }
                check_clicked(q.state, q.form_game_screen);
            });
        }
        return SimPump::Answer{10, true};
    });
    world.pump.at(0, [] {});
    world.confirm_results();
    play_game(q);
    EXPECT_EQ(world.pump.box_texts().back(), "GAME OVER");
    EXPECT_GT(world.pump.box_texts().size(), 20u) << "short turns, many of them";
    std::string runs = world.read("test.txt");
    EXPECT_EQ(std::count(runs.begin(), runs.end(), '\n'), 18);
    EXPECT_EQ(q.form_game_screen.check_enabled, true) << "the reset enables the check button again";
}

TEST_F(GridGames, PickNMixPlacesLettersThatStayWhite) {
    Quarn& q = world.start();
    world.set_up(3, 2, {"", "Bo"});
    int turns = 0;
    bool checked = false;
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Bo") {
            for (const Cell& cell : q.form_game_screen.cells) EXPECT_EQ(cell.text, "") << "ready over an empty grid";
            EXPECT_TRUE(q.form_game_screen.change_letter_visible);
            EXPECT_FALSE(q.form_game_screen.check_enabled);
            if (++turns == 1) {
                world.pump.after(100, [&] {
                    EXPECT_FALSE(q.form_game_screen.cells[0].text.empty()) << "a letter is offered at once";
                    cell_clicked(q.state, 0);
                });
                world.pump.after(120, [&] { cell_clicked(q.state, 20); });
                world.pump.after(140, [&] {
                    const auto& cells = q.form_game_screen.cells;
                    EXPECT_FALSE(cells[20].text.empty());
                    EXPECT_EQ(cells[20].background, colours::white);
                    EXPECT_FALSE(cells[0].text.empty()) << "cell 0 is refilled";
                    EXPECT_EQ(cells[0].background, colours::light_grey);
                    cell_clicked(q.state, 20); // a placed letter can't be picked
                });
                world.pump.after(160, [&] {
                    EXPECT_EQ(q.state.clicks_made, 0);
                    EXPECT_EQ(q.state.clicked_cell, 20);
                    cell_clicked(q.state, 0);
                    change_letter_clicked(q.random, q.form_game_screen);
                });
                world.pump.after(180, [&] { cell_clicked(q.state, 21); });
                world.pump.after(200, [&] {
                    EXPECT_EQ(q.form_game_screen.cells[21].background, colours::white);
                    check_clicked(q.state, q.form_game_screen); // disabled: no early finish
                    checked = true;
                });
            }
        }
        return SimPump::Answer{10, true};
    });
    world.confirm_results();
    play_game(q);
    EXPECT_TRUE(checked);
    EXPECT_EQ(turns, 1) << "a two-minute game holds one three-minute turn";
    EXPECT_FALSE(q.form_game_screen.change_letter_visible);
    EXPECT_EQ(world.pump.box_texts().back(), "GAME OVER");
}

TEST(PickLetters, VowelRuleAndChangeLetterNeverZ) {
    World world;
    world.write_standard_files();
    Quarn& q = world.start();
    q.form_game_screen.change_letter_visible = true;
    std::map<char, int> drawn, changed;
    const int draws = 75000;
    for (int i = 0; i < draws; ++i) {
        draw_pick_letter(q.random, q.form_game_screen);
        ++drawn[q.form_game_screen.cells[0].text[0]];
        change_letter_clicked(q.random, q.form_game_screen);
        ++changed[q.form_game_screen.cells[0].text[0]];
    }
    int vowels = drawn['a'] + drawn['e'] + drawn['i'] + drawn['o'] + drawn['u'];
    EXPECT_NEAR(drawn['a'], draws / 15, 300) << "an a only from the forcing";
    EXPECT_NEAR(drawn['e'], draws * 7 / 75, 400);
    EXPECT_NEAR(drawn['z'], draws * 2 / 75, 250);
    EXPECT_NEAR(vowels, draws * 33 / 75, 600);
    EXPECT_EQ(changed['z'], 0);
    for (auto [letter, n] : drawn) EXPECT_TRUE(letter >= 'a' && letter <= 'z') << letter;
}

} // namespace
} // namespace quarn

namespace quarn {
namespace {

// Exit while the Mix 'N Match table is announced after round 4: the main menu
// is back before the game has finished, but it takes no choice until then,
// and the table is saved to the game's own file.
TEST_F(GridGames, ExitDuringTheAnnouncementSavesTheTableToItsOwnFile) {
    std::string dictionary;
    for (char c = 'a'; c <= 'z'; ++c) dictionary += std::string(1, c) + "\r\n";
    world.write("dictionary.dic", dictionary + "999\r\n");
    const std::string anagrams_table = world.read("anagrams.hi");
    Quarn& q = world.start();
    world.set_up(2, 10, {"Ann"});
    world.answer_boxes_quickly();
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann") {
            // One white letter is a word of this dictionary: 50 points a turn.
            world.click_at(world.pump.now_ms() + 20, 40);
            world.click_at(world.pump.now_ms() + 40, 40);
            world.pump.after(60, [&] { check_clicked(q.state, q.form_game_screen); });
        }
        return SimPump::Answer{10, true};
    });
    world.confirm_results();
    bool left = false;
    std::function<void()> look = [&] {
        if (q.form_new_hiscore.visible && !left) {
            left = true;
            exit_clicked(q);
            EXPECT_TRUE(q.form_options.visible);
            EXPECT_FALSE(q.form_options.buttons_enabled);
            select_game(q, 0);
            EXPECT_EQ(q.state.game_type, "Mixnmatch") << "the menu takes no choice until the game has finished";
            EXPECT_EQ(q.form_options.game_button_colours[0], colours::light_grey);
        }
        world.pump.after(100, look);
    };
    world.pump.after(100, look);
    play_game(q);
    EXPECT_TRUE(left);
    EXPECT_TRUE(q.form_options.buttons_enabled);
    EXPECT_EQ(world.read("anagrams.hi"), anagrams_table);
    // Four turns of one white letter, a word in its row and in its column.
    EXPECT_EQ(world.read("mixnmatch.hi").substr(0, 12), "\"Ann\"\r\n400\r\n");
}

// A cell picked when Exit is confirmed gets its frame back with the game's end.
TEST_F(GridGames, APickWaitingAtExitLeavesNoMissingFrame) {
    Quarn& q = world.start();
    world.set_up(3, 10, {"Ann"});
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann") {
            world.click_at(world.pump.now_ms() + 20, 0);
            world.pump.after(60, [&] {
                EXPECT_FALSE(q.form_game_screen.cells[0].framed);
                exit_clicked(q);
            });
        }
        return SimPump::Answer{10, true};
    });
    play_game(q);
    for (const Cell& cell : q.form_game_screen.cells) EXPECT_TRUE(cell.framed);
}

} // namespace
} // namespace quarn
