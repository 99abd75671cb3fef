// Anagrams and Crossword played through the simulated pump, and the driver
// they share: seats, rounds, the counter, the tally, game over and quitting.
#include "board/letter_grid.h"
#include "engine/driver.h"
#include "shell/main_menu.h"

#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quarn {
namespace {

using test::SimPump;
using test::World;

std::string letters_on_board(const Quarn& q) {
    std::string letters;
    for (const Cell& cell : q.form_game_screen.cells) letters += cell.text;
    return letters;
}

struct WordGames : ::testing::Test {
    WordGames() { world.write_standard_files(); }

    // Plays every turn like a player who solves the word at once.
    void solve_every_turn() {
        world.pump.on_box([this](const std::string& text) {
            if (text.rfind("Are you ready", 0) == 0) world.pump.after(15, [this] { solve_now(); });
            return SimPump::Answer{10, true};
        });
        world.confirm_results();
    }
    void solve_now() {
        std::string letters = letters_on_board(*world.q);
        std::sort(letters.begin(), letters.end());
        std::string word = letters == "act" ? "cat" : letters == "dgo" ? "dog" : letters;
        std::int64_t t = world.arrange(world.pump.now_ms(), word, 0);
        world.pump.at(t + 20, [this] { check_clicked(world.q->state, world.q->form_game_screen); });
    }
    std::vector<std::string> boxes() const { return world.pump.box_texts(); }
    // Checks the grid as it stands, answering the result window at once.
    void check_grid(const std::string& game, const std::vector<std::pair<int, char>>& letters) {
        Quarn& q = *world.q;
        q.state.game_type = game;
        for (Cell& cell : q.form_game_screen.cells) cell.text.clear();
        for (auto [cell, letter] : letters) q.form_game_screen.cells[static_cast<std::size_t>(cell)].text = letter;
        q.state.turn_time_left = 700;
        world.confirm_results();
        q.find_game(game)->check_pressed(q.stage);
    }

    World world;
};

TEST_F(WordGames, TwoPlayerAnagramsFromStartToGameOver) {
    Quarn& q = world.start();
    world.set_up(0, 2, {"Ann", "Bob"});
    solve_every_turn();
    play_game(q);

    std::vector<std::string> shown = boxes();
    ASSERT_GE(shown.size(), 9u) << "at least four rounds of two turns fit into two minutes";
    EXPECT_EQ(shown.back(), "GAME OVER");
    for (std::size_t i = 0; i + 1 < shown.size(); ++i)
        EXPECT_EQ(shown[i], i % 2 == 0 ? "Are you ready Ann" : "Are you ready Bob");
    EXPECT_EQ((shown.size() - 1) % 2, 0u) << "the game ends only at the start of a round";
    EXPECT_TRUE(q.form_options.visible);
    EXPECT_FALSE(q.form_game_screen.visible);
    EXPECT_EQ(q.state.game_type, "");

    std::string table = world.read("anagrams.hi");
    EXPECT_NE(table.find("\"Ann\"\r\n"), std::string::npos);
    EXPECT_NE(table.find("\"Bob\"\r\n"), std::string::npos);
    EXPECT_NE(table.find("\"Jan,5,2004\""), std::string::npos);
    std::string record = world.read("anagrams1_used.dat");
    EXPECT_EQ(std::count(record.begin(), record.end(), '\n'), 1001);
    EXPECT_EQ(record.substr(0, 26), "False\r\nTrue\r\nTrue\r\nFalse\r\n")
        << "both candidates drawn, the spare never";
}

TEST_F(WordGames, OnlySeatTwoPlaysAndRoundsAdvanceAfterSeatThree) {
    Quarn& q = world.start();
    world.set_up(0, 2, {"", "", "Cy"});
    std::vector<std::string> rounds_seen;
    world.pump.on_box([&](const std::string& text) {
        rounds_seen.push_back(q.form_game_screen.round_caption);
        if (text.rfind("Are you ready", 0) == 0) {
            EXPECT_EQ(q.state.current_player, 2);
            EXPECT_EQ(q.form_game_screen.turn_caption, "Cy's turn");
            world.pump.after(15, [this] { solve_now(); });
        }
        return SimPump::Answer{10, true};
    });
    world.confirm_results();
    play_game(q);
    ASSERT_GE(rounds_seen.size(), 3u);
    EXPECT_EQ(rounds_seen[0], "Round  1");
    EXPECT_EQ(rounds_seen[1], "Round  2");
    std::vector<std::string> shown = boxes();
    EXPECT_EQ(shown.back(), "GAME OVER");
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "Are you ready Cy"), static_cast<long>(shown.size() - 1));
}

TEST_F(WordGames, TimeOutShowsTimeUpUntilTheNextTurnSetUp) {
    Quarn& q = world.start();
    world.set_up(0, 2, {"Ann", "Bob"});
    std::vector<std::string> counter_at_box;
    world.pump.on_box([&](const std::string& text) {
        counter_at_box.push_back(text + "|" + q.form_game_screen.counter);
        if (text == "Are you ready Bob") world.pump.after(2000, [&] { exit_clicked(q); });
        return SimPump::Answer{text == "Out of time" ? 60000 : 10, true};
    });
    play_game(q);
    // Ann lets her 1000 points run down; a long look at "Out of time" must not wrap the counter.
    ASSERT_GE(counter_at_box.size(), 3u);
    EXPECT_EQ(counter_at_box[1], "Out of time|Time Up !");
    EXPECT_EQ(counter_at_box[2], "Are you ready Bob|Time Up !");
    EXPECT_GE(q.state.turn_time_left, -1);
    EXPECT_EQ(boxes().back(), "Are you sure you want to Quit");
}

TEST_F(WordGames, ExitEndsWithoutWinnerOrGameOverButSavesTheRecord) {
    Quarn& q = world.start();
    world.set_up(0, 10, {"Ann"});
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann") world.pump.after(3000, [&] { exit_clicked(q); });
        return SimPump::Answer{10, true};
    });
    play_game(q);
    EXPECT_EQ(boxes(), (std::vector<std::string>{"Are you ready Ann", "Are you sure you want to Quit"}));
    EXPECT_FALSE(q.form_winner.created);
    std::string record = world.read("anagrams1_used.dat");
    EXPECT_EQ(std::count(record.begin(), record.end(), 'T'), 1);
    EXPECT_EQ(q.state.current_player, 0);
    EXPECT_EQ(q.state.round_number, 0);
}

TEST_F(WordGames, PlayGameDoesNothingWhileAGameIsStillUnwinding) {
    Quarn& q = world.start();
    world.set_up(1, 10, {"Ann"});
    int games_started = 0;
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann") {
            ++games_started;
            // Crossword with "cat" laid out: Exit, then the automatic check
            // waits for OK over the main menu, where Play Game is pressed.
            world.pump.after(15, [&] { world.arrange(world.pump.now_ms(), "cat", 0); });
            world.pump.after(500, [&] { exit_clicked(q); });
            world.pump.after(900, [&] {
                EXPECT_TRUE(q.form_show_score.visible);
                select_game(q, 1);
                play_game(q);
                score_ok(q.state);
            });
        }
        return SimPump::Answer{10, true};
    });
    play_game(q);
    EXPECT_EQ(games_started, 1);
}

TEST_F(WordGames, AnagramAcceptedAcrossAndDownButNotBackwards) {
    Quarn& q = world.start();
    q.state.word_length = 3;
    check_grid("Anagrams", {{0, 't'}, {1, 'a'}, {2, 'c'}});
    EXPECT_FALSE(q.state.turn_done) << "read right to left it is no word";
    check_grid("Anagrams", {{14, 'c'}, {27, 'a'}, {40, 't'}});
    EXPECT_TRUE(q.state.turn_done);
    EXPECT_EQ(q.form_show_score.bonus, "701") << "the points the counter shows";
    EXPECT_EQ(q.form_game_screen.scores[0], "701");
    EXPECT_TRUE(world.pump.boxes.empty());
}

TEST_F(WordGames, DontCheatIsShownOnceForTwoShortWords) {
    Quarn& q = world.start();
    q.state.word_length = 4;
    check_grid("Anagrams", {{0, 'a'}, {1, 't'}, {26, 'm'}, {27, 'e'}});
    EXPECT_EQ(world.pump.box_texts(), std::vector<std::string>{"Don't Cheat - You must use all the letters"});
    EXPECT_FALSE(q.state.turn_done);
    EXPECT_TRUE(q.form_game_screen.check_enabled);
}

TEST_F(WordGames, CrosswordScoresEveryWholeRun) {
    Quarn& q = world.start();
    check_grid("Crossword", {{0, 'c'}, {1, 'a'}, {2, 't'}, {14, 't'}});
    EXPECT_EQ(q.form_show_score.bonus, "100");
    EXPECT_EQ(q.form_show_score.found_list, (std::vector<std::string>{"cat", "at"}));
    EXPECT_EQ(q.form_game_screen.scores[0], "100");

    q.form_show_score.found_list.clear();
    check_grid("Crossword", {{0, 's'}, {1, 'o'}, {2, 'm'}, {3, 'e'}, {5, 'x'}, {6, 'y'}});
    EXPECT_EQ(q.form_show_score.found_list, std::vector<std::string>{"some"}) << "words inside a run do not count";

    q.form_show_score.found_list.clear();
    q.state.turn_time_left = 77;
    check_grid("Crossword", {{0, 'x'}, {1, 'q'}});
    EXPECT_FALSE(q.state.turn_done);
    EXPECT_EQ(q.form_game_screen.scores[0], "150") << "a check with no word changes nothing";
    EXPECT_FALSE(q.form_show_score.visible);
}

TEST_F(WordGames, CrosswordChecksTheGridWhenTimeRunsOut) {
    Quarn& q = world.start();
    world.set_up(1, 2, {"Ann"});
    int turns = 0;
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann" && ++turns == 1) {
            world.pump.after(15, [&] { world.arrange(world.pump.now_ms(), "cat", 0); });
        }
        return SimPump::Answer{10, true};
    });
    world.confirm_results();
    play_game(q);
    std::vector<std::string> shown = boxes();
    EXPECT_EQ(shown.front(), "Are you ready Ann");
    EXPECT_EQ(shown.back(), "GAME OVER");
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "Out of time"), 0);
    EXPECT_EQ(world.read("crossword1_used.dat").substr(0, 7), "False\r\n");
    EXPECT_EQ(world.read("anagrams1_used.dat"), test::crlf_lines(std::vector<std::string>(1001, "False")));
}

TEST_F(WordGames, ScoreTallyIsVisibleAndBounded) {
    Quarn& q = world.start();
    for (int points : {0, 50, 1000, 30000}) {
        q.form_game_screen.scores[0] = "5";
        q.state.turn_time_left = points;
        std::int64_t start = world.pump.now_ms();
        tally_score(world.pump, q.state, q.form_game_screen);
        EXPECT_EQ(q.form_game_screen.scores[0], std::to_string(std::min(5 + points, 32767)));
        EXPECT_LE(world.pump.now_ms() - start, 2001);
        if (points >= 1000) {
            EXPECT_GE(world.pump.now_ms() - start, 900);
        }
    }
}

} // namespace
} // namespace quarn

namespace quarn {
namespace {

// Between two turns the check button and the cells answer nothing: a click
// while a result, an announcement or the winner shows changes no score,
// shows no box and waits for no turn.
TEST_F(WordGames, ClicksBetweenTurnsDoNothing) {
    Quarn& q = world.start();
    world.set_up(0, 2, {"Ann", "Bob"});
    solve_every_turn();
    int announcements_checked = 0, winners_checked = 0;
    std::function<void()> poke = [&] {
        const bool announcing = q.form_new_hiscore.visible && announcements_checked == 0;
        const bool winning = q.form_winner.visible && winners_checked == 0;
        if (announcing || winning) {
            const auto scores = q.form_game_screen.scores;
            const std::size_t boxes = world.pump.boxes.size();
            const int seat = q.state.current_player;
            cell_clicked(q.state, 5);
            check_clicked(q.state, q.form_game_screen);
            world.pump.after(50, [&, scores, boxes, seat] {
                EXPECT_EQ(q.form_game_screen.scores, scores);
                EXPECT_EQ(world.pump.boxes.size(), boxes);
                EXPECT_EQ(q.state.current_player, seat);
                EXPECT_FALSE(q.form_show_score.visible);
                EXPECT_EQ(q.state.clicked_cell, -1);
            });
            ++(announcing ? announcements_checked : winners_checked);
        }
        world.pump.after(100, poke);
    };
    world.pump.after(100, poke);
    play_game(q);
    EXPECT_EQ(announcements_checked, 1);
    EXPECT_EQ(winners_checked, 1);
    EXPECT_EQ(boxes().back(), "GAME OVER");
}

// A Crossword turn that runs out of time is checked with its result shown
// between the turns; a cell clicked then is not the next player's first pick.
TEST_F(WordGames, ACellClickedOverAResultIsNotTheNextTurnsFirstPick) {
    Quarn& q = world.start();
    world.set_up(1, 10, {"Ann", "Bob"});
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann")
            world.pump.after(15, [&] {
                std::string letters = letters_on_board(q);
                std::sort(letters.begin(), letters.end());
                world.arrange(world.pump.now_ms(), letters == "act" ? "cat" : "some", 0);
            });
        if (text == "Are you ready Bob")
            world.pump.after(100, [&] {
                EXPECT_EQ(q.state.clicks_made, 0);
                for (const Cell& cell : q.form_game_screen.cells) EXPECT_TRUE(cell.framed);
                exit_clicked(q);
            });
        return SimPump::Answer{10, true};
    });
    bool clicked = false;
    std::function<void()> look = [&] {
        if (q.form_show_score.visible && !clicked) {
            clicked = true;
            cell_clicked(q.state, 7);
            world.pump.after(300, [&] { score_ok(q.state); });
        }
        world.pump.after(100, look);
    };
    world.pump.after(100, look);
    play_game(q);
    EXPECT_TRUE(clicked);
}

} // namespace
} // namespace quarn
