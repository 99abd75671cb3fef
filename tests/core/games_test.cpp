// The four games played through the simulated pump: the seat loop they share
// and each game's own rules.
#include "board/letter_grid.h"
#include "engine/driver.h"
#include "games/grid_scan.h"
#include "games/pick_n_mix.h"
#include "shell/main_menu.h"

#include "world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace quarn {
namespace {

using test::SimPump;
using Words = std::vector<std::string>;

struct Games : ::testing::Test {
    Games() { world.write_standard_files(); }
    Quarn& q() { return *world.q; }
    Words boxes() const { return world.pump.box_texts(); }
    std::string letters() const {
        std::string out;
        for (const Cell& cell : world.q->form_game_screen.cells) out += cell.text;
        return out;
    }
    void press_check() { check_clicked(q().state, q().form_game_screen); }
    // Lays the word the letters on the board spell out in the top row and checks.
    void solve() {
        std::string sorted = letters();
        std::sort(sorted.begin(), sorted.end());
        const std::map<std::string, std::string> words{{"act", "cat"}, {"dgo", "dog"}, {"emos", "some"}};
        std::int64_t t = world.arrange(world.pump.now_ms(), words.at(sorted), 0);
        world.pump.at(t + 20, [this] { press_check(); });
    }
    // Puts letters on an otherwise empty board and runs the game's check.
    void check_board(std::string_view game, const std::vector<std::pair<int, char>>& letters, int counter = 700) {
        for (Cell& cell : q().form_game_screen.cells) cell.text.clear();
        for (auto [cell, letter] : letters) q().form_game_screen.cells[static_cast<std::size_t>(cell)].text = letter;
        q().state.turn_time_left = counter;
        q().form_show_score.found_list.clear();
        q().find_game(game)->check_pressed(q().stage);
    }
    test::World world;
};

// One game of each kind, run until the clock has run out at the start of a
// round: the table is sorted when it is loaded, the players enter it once,
// after round 4, the winner and "GAME OVER" end the game and the main menu
// comes back with nothing selected.
struct EveryGame : Games, ::testing::WithParamInterface<int> {};

TEST_P(EveryGame, RunsRoundsUntilTheClockHasRunOutAndEntersTheTableAfterRoundFour) {
    const int game = GetParam();
    std::string dictionary = world.read("dictionary.dic");
    for (char c = 'a'; c <= 'z'; ++c) dictionary.insert(0, std::string(1, c) + "\r\n"); // every white letter scores
    world.write("dictionary.dic", dictionary);
    const char* const tables[] = {"anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"};
    world.write(tables[game], test::crlf_lines({"\"x\"", "5", "\"d\"", "\"y\"", "30", "\"d\"", "\"z\"", "10", "\"d\""}));
    const std::string other_record = world.read(game == 0 ? "crossword1_used.dat" : "anagrams1_used.dat");
    Quarn& game_q = world.start();
    const Words names = game == 3 ? Words{"Ann"} : Words{"Ann", "Bob"};
    world.set_up(game, game == 3 ? 11 : 2, names);

    Words sorted_at_start;
    std::vector<std::pair<int, std::string>> entries; // the round and the player of each announcement
    world.play_turns([&] {
        if (sorted_at_start.empty())
            for (const HighScoreRow& row : game_q.form_game_screen.high_scores) sorted_at_start.push_back(row.name);
        if (game < 2) return solve();
        const std::int64_t t = world.pump.now_ms();
        world.click_at(t + 20, game == 2 ? 40 : 0); // Mix 'N Match marks cell 40; Pick 'N Mix moves its letter there
        world.click_at(t + 40, 40);
        if (game == 2) world.pump.at(t + 60, [this] { press_check(); });
    });
    world.every_tenth([&] {
        const std::string& caption = game_q.form_new_hiscore.name_caption;
        if (game_q.form_new_hiscore.visible && (entries.empty() || entries.back().second != caption))
            entries.emplace_back(game_q.state.round_number, caption);
    });
    play_game(game_q);

    const Words shown = boxes();
    ASSERT_GE(shown.size(), 4 * names.size() + 1) << "at least four rounds";
    EXPECT_EQ(shown.back(), "GAME OVER");
    EXPECT_EQ((shown.size() - 1) % names.size(), 0u) << "the game ends only at the start of a round";
    for (std::size_t i = 0; i + 1 < shown.size(); ++i) EXPECT_EQ(shown[i], "Are you ready " + names[i % names.size()]);
    EXPECT_EQ(sorted_at_start, (Words{"y", "z", "x", "", "", "", "", "", "", ""}));
    std::vector<std::pair<int, std::string>> expected_entries;
    for (const std::string& name : names) expected_entries.emplace_back(4, "Well Done " + name);
    EXPECT_EQ(entries, expected_entries) << "one entry per player, after round 4 only";
    const std::string table = world.read(tables[game]);
    for (const std::string& name : names) EXPECT_NE(table.find("\"" + name + "\"\r\n"), std::string::npos) << name;
    EXPECT_NE(table.find("\"Jan,5,2004\""), std::string::npos);
    EXPECT_TRUE(game_q.form_winner.created);
    EXPECT_FALSE(game_q.form_winner.visible);

    EXPECT_TRUE(game_q.form_options.visible);
    EXPECT_FALSE(game_q.form_game_screen.visible);
    EXPECT_EQ(game_q.state.game_type, "");
    EXPECT_EQ(game_q.form_game_screen.scores, (std::array<std::string, 4>{"0", "0", "0", "0"}));
    if (game < 2) {
        EXPECT_EQ(test::lines_of(world.dir / (game == 0 ? "anagrams1_used.dat" : "crossword1_used.dat")).size(), 1001u);
        EXPECT_EQ(world.read(game == 0 ? "crossword1_used.dat" : "anagrams1_used.dat"), other_record);
    }
}

INSTANTIATE_TEST_SUITE_P(Games, EveryGame, ::testing::Values(0, 1, 2, 3));

TEST_F(Games, OnlyNamedSeatsPlayAndEveryPassWritesTheRound) {
    Quarn& game = world.start();
    world.set_up(0, 2, {"", "", "Cy"});
    Words rounds_seen;
    world.pump.on_box([&](const std::string& text) {
        rounds_seen.push_back(game.form_game_screen.round_caption);
        if (text == "Are you ready Cy") {
            EXPECT_EQ(game.form_game_screen.turn_caption, "Cy's turn");
            world.pump.after(15, [this] { solve(); });
        }
        return SimPump::Answer{10, true};
    });
    world.confirm_results();
    play_game(game);
    ASSERT_GE(rounds_seen.size(), 3u);
    EXPECT_EQ(rounds_seen[0], "Round  1");
    EXPECT_EQ(rounds_seen[1], "Round  2");
    EXPECT_EQ(std::count(rounds_seen.begin(), rounds_seen.end(), "Round  1"), 1);
}

TEST_F(Games, ExitEndsTheGameWithoutWinnerOrGameOverButSavesTheRecord) {
    Quarn& game = world.start();
    world.set_up(0, 10, {"Ann"});
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann") world.pump.after(3000, [&] { exit_clicked(game); });
        return SimPump::Answer{10, true};
    });
    play_game(game);
    EXPECT_EQ(boxes(), (Words{"Are you ready Ann", "Are you sure you want to Quit"}));
    EXPECT_FALSE(game.form_winner.created);
    const std::string record = world.read("anagrams1_used.dat");
    EXPECT_EQ(std::count(record.begin(), record.end(), 'T'), 1);
    EXPECT_EQ(game.state.current_player, 0);
    EXPECT_EQ(game.state.round_number, 0);
}

TEST_F(Games, AnagramsRunningOutOfTimeShowsTimeUpUntilTheNextTurn) {
    Quarn& game = world.start();
    world.set_up(0, 2, {"Ann", "Bob"});
    Words seen;
    world.pump.on_box([&](const std::string& text) {
        seen.push_back(text + "|" + game.form_game_screen.counter);
        if (text == "Are you ready Bob") world.pump.after(2000, [&] { exit_clicked(game); });
        // A long look at "Out of time" must not wrap the counter round.
        return SimPump::Answer{text == "Out of time" ? 60000 : 10, true};
    });
    play_game(game);
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[1], "Out of time|Time Up !");
    EXPECT_EQ(seen[2], "Are you ready Bob|Time Up !");
    EXPECT_GE(game.state.turn_time_left, -1);
}

TEST_F(Games, AnagramsAcceptsAnyWordOfAllTheLettersAlongARowOrDownAColumn) {
    Quarn& game = world.start();
    game.state.word_length = 3;
    struct Case {
        std::vector<std::pair<int, char>> letters;
        bool accepted;
        Words shown;
    };
    const Words cheat{"Don't Cheat - You must use all the letters"};
    const Case cases[] = {
        {{{0, 't'}, {1, 'a'}, {2, 'c'}}, false, {}}, // right to left is no word
        {{{0, 'a'}, {1, 'c'}, {2, 't'}}, true, {}},   // any word of the letters
        {{{14, 'c'}, {27, 'a'}, {40, 't'}}, true, {}}, // down a column
        {{{0, 'a'}, {1, 't'}, {26, 'm'}, {27, 'e'}}, false, cheat}, // two short words: one message
        {{{0, 'c'}, {1, 'a'}, {3, 't'}}, false, {}},
    };
    world.confirm_results();
    for (const Case& c : cases) {
        world.pump.boxes.clear();
        check_board("Anagrams", c.letters);
        EXPECT_EQ(game.state.turn_done, c.accepted);
        EXPECT_EQ(boxes(), c.shown);
        EXPECT_TRUE(game.form_game_screen.check_enabled);
    }
    EXPECT_EQ(game.form_show_score.bonus, "701") << "the points the counter shows";
    EXPECT_EQ(game.form_game_screen.scores[0], "1402");
    EXPECT_TRUE(game.form_show_score.found_list.empty());
}

TEST_F(Games, CrosswordScoresFiftyForEveryWholeRunThatIsAWord) {
    Quarn& game = world.start();
    world.confirm_results();
    check_board("Crossword", {{0, 'c'}, {1, 'a'}, {2, 't'}, {14, 't'}});
    EXPECT_EQ(game.form_show_score.bonus, "100");
    EXPECT_EQ(game.form_show_score.found_list, (Words{"cat", "at"})) << "rows first, then columns";
    check_board("Crossword", {{0, 's'}, {1, 'o'}, {2, 'm'}, {3, 'e'}, {5, 'x'}, {6, 'y'}});
    EXPECT_EQ(game.form_show_score.found_list, Words{"some"}) << "words inside a run do not count";
    EXPECT_EQ(game.form_game_screen.scores[0], "150");
    check_board("Crossword", {{0, 'x'}, {1, 'q'}}, 77);
    EXPECT_FALSE(game.state.turn_done);
    EXPECT_EQ(game.state.turn_time_left, 77) << "a check that finds nothing changes nothing";
    EXPECT_EQ(game.form_game_screen.scores[0], "150");
}

TEST_F(Games, CrosswordChecksTheBoardWhenTimeRunsOut) {
    Quarn& game = world.start();
    world.set_up(1, 2, {"Ann"});
    int turns = 0;
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann" && ++turns == 1)
            world.pump.after(15, [&] { world.arrange(world.pump.now_ms(), letters().size() == 3 ? "cat" : "some", 0); });
        return SimPump::Answer{10, true};
    });
    world.confirm_results();
    std::string first_result;
    world.every_tenth([&] {
        if (game.form_show_score.visible && first_result.empty()) first_result = game.form_show_score.bonus;
    });
    play_game(game);
    EXPECT_EQ(boxes(), (Words{"Are you ready Ann", "GAME OVER"})) << "no \"Out of time\" in Crossword";
    EXPECT_EQ(first_result, "50") << "the word on the board when the time ran out";
}

// The letters go to L + 1 places in a random order, the place past the word
// standing for no letter; they are laid out from the top-left cell onwards,
// into the second row when a word is longer than a row.
TEST_F(Games, TheScrambleLaysTheDrawnLettersOutFromTheTopLeftCell) {
    world.write("anagrams1.dic", test::crlf_lines({"abcdefghijklmn", "spare"}));
    Quarn& game = world.start();
    world.set_up(0, 10, {"Ann"});
    // The draw, then places 15, 15 again (drawn anew), 1, 2, ... 14 of 15.
    world.random.queued = {0.0, 14.5 / 15, 14.5 / 15};
    for (int p = 0; p < 14; ++p) world.random.queued.push_back((p + 0.5) / 15);
    std::string laid_out, second_row;
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann")
            world.pump.after(15, [&] {
                laid_out = letters();
                second_row = game.form_game_screen.cells[13].text;
                exit_clicked(game);
            });
        return SimPump::Answer{10, true};
    });
    play_game(game);
    EXPECT_EQ(laid_out, "abcdefghijklmn");
    EXPECT_EQ(second_row, "n");
}

TEST_F(Games, TheGridScanScoresEveryWordInsideAWhiteRun) {
    Quarn& game = world.start();
    world.confirm_results();
    // Upper case is a white cell, lower case a grey one, _ a white cell with no letter.
    auto lay = [&](int first, const std::string& text, int step = 1) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            Cell& cell = game.form_game_screen.cells[static_cast<std::size_t>(first) + i * static_cast<std::size_t>(step)];
            const char c = text[i];
            cell.text = c == '_' ? "" : std::string(1, static_cast<char>(std::tolower(c)));
            cell.background = std::isupper(static_cast<unsigned char>(c)) || c == '_' ? colours::white : colours::light_grey;
        }
    };
    struct Case {
        std::function<void()> board;
        int score;
        Words words;
        std::string first_log_line;
    };
    const Case cases[] = {
        // A whole white row, shown in full by its log line; words inside it in dictionary order.
        {[&] { lay(0, "SOMEXXXXXXXXX"); }, 400, {"me", "so", "some"}, " 0 somexxxxxxxxx"},
        {[&] { lay(0, "ME"); lay(26, "ME"); }, 200, {"me", "me"}, " 11 "},
        // No run across a row end or a grey cell, and none read backwards or upwards.
        {[&] { lay(12, "SO"); lay(26, "SxO"); lay(39, "EM"); lay(1, "EM", 13); }, 0, {}, " 11 s"},
        {[&] { lay(8, "S_OME"); }, 100, {"me"}, " 8 s!ome"},
        {[&] { lay(0, "some"); }, 0, {}, " 13 "},
    };
    for (const Case& c : cases) {
        game.form_game_screen.cells = Cells{};
        game.form_show_score.found_list.clear();
        c.board();
        game.form_game_screen.scores[0] = "0";
        check_grid_words(game.stage, true);
        EXPECT_EQ(game.state.turn_time_left, c.score);
        EXPECT_EQ(game.form_show_score.bonus, std::to_string(c.score));
        EXPECT_EQ(game.form_game_screen.scores[0], std::to_string(c.score));
        EXPECT_EQ(game.form_show_score.found_list, c.words);
        const Words runs = test::lines_of(world.dir / "test.txt");
        ASSERT_EQ(runs.size(), 18u);
        EXPECT_EQ(runs[0], c.first_log_line);
        Words logged;
        for (std::size_t i = 0; i < c.words.size(); ++i) logged.push_back(" " + std::to_string(i) + " " + c.words[i]);
        EXPECT_EQ(test::lines_of(world.dir / "test1.txt"), logged);
        EXPECT_FALSE(game.form_show_score.visible || game.form_checking_words.visible);
    }
    std::filesystem::remove(world.dir / "test.txt");
    check_grid_words(game.stage, false);
    EXPECT_FALSE(std::filesystem::exists(world.dir / "test.txt")) << "Pick 'N Mix writes no logs";
}

TEST_F(Games, MixNMatchDealsRandomLettersAndItsCheckButtonEndsTheTurnAtOnce) {
    Quarn& game = world.start();
    world.set_up(2, 2, {"Ann"});
    world.play_turns([&] {
        for (const Cell& cell : game.form_game_screen.cells) {
            EXPECT_EQ(cell.text.size(), 1u);
            EXPECT_EQ(cell.background, colours::light_grey);
        }
        press_check();
    });
    play_game(game);
    EXPECT_EQ(boxes().back(), "GAME OVER");
    EXPECT_GT(boxes().size(), 20u) << "short turns, many of them";
}

TEST_F(Games, PickNMixOffersALetterAndPlacedLettersStayWhite) {
    Quarn& game = world.start();
    world.set_up(3, 2, {"", "Bo"});
    const Cells& cells = game.form_game_screen.cells;
    int turns = 0;
    world.pump.on_box([&](const std::string& text) {
        if (text != "Are you ready Bo" || ++turns > 1) return SimPump::Answer{10, true};
        for (const Cell& cell : cells) EXPECT_EQ(cell.text, "") << "ready over an empty grid";
        EXPECT_FALSE(game.form_game_screen.check_enabled);
        auto at = [&](std::int64_t ms, std::function<void()> step) { world.pump.after(ms, std::move(step)); };
        at(100, [&] { EXPECT_NE(cells[0].text, "") << "a letter is offered at once"; cell_clicked(game.state, 0); });
        at(120, [&] { cell_clicked(game.state, 20); });
        at(140, [&] {
            EXPECT_NE(cells[20].text, "");
            EXPECT_EQ(cells[20].background, colours::white);
            EXPECT_NE(cells[0].text, "") << "cell 0 is filled again";
            EXPECT_EQ(cells[0].background, colours::light_grey);
            cell_clicked(game.state, 20); // a placed letter can't be picked
        });
        at(160, [&] {
            EXPECT_EQ(game.state.clicks_made, 0);
            cell_clicked(game.state, 0);
            change_letter_clicked(game.random, game.form_game_screen);
        });
        at(180, [&] { cell_clicked(game.state, 21); });
        at(200, [&] {
            EXPECT_EQ(cells[21].background, colours::white);
            press_check(); // no early finish
        });
        return SimPump::Answer{10, true};
    });
    world.confirm_results();
    play_game(game);
    EXPECT_EQ(turns, 1) << "a two-minute game holds one three-minute turn";
    EXPECT_FALSE(game.form_game_screen.change_letter_visible);
    EXPECT_EQ(boxes().back(), "GAME OVER");
}

TEST(PickLetters, AVowelAThirdOfTheTimeAndChangeLetterNeverZ) {
    test::TestRandom random;
    GameScreenModel screen{nullptr, nullptr};
    screen.change_letter_visible = true;
    std::map<char, int> drawn, changed;
    const int draws = 75000;
    for (int i = 0; i < draws; ++i) {
        draw_pick_letter(random, screen);
        ++drawn[screen.cells[0].text[0]];
        change_letter_clicked(random, screen);
        ++changed[screen.cells[0].text[0]];
    }
    EXPECT_NEAR(drawn['a'], draws / 15, 300) << "an a only from the forcing";
    EXPECT_NEAR(drawn['e'], draws * 7 / 75, 400);
    EXPECT_NEAR(drawn['b'], draws * 2 / 75, 250);
    EXPECT_NEAR(drawn['z'], draws * 2 / 75, 250);
    EXPECT_EQ(changed['z'], 0);
    EXPECT_NEAR(changed['a'], draws / 15, 300);
    for (auto [letter, n] : drawn) EXPECT_TRUE(letter >= 'a' && letter <= 'z') << letter;
}

TEST_F(Games, TheTallyCountsUpVisiblyButNeverForLong) {
    Quarn& game = world.start();
    for (int points : {0, 50, 1000, 30000}) {
        game.form_game_screen.scores[0] = "5";
        game.state.turn_time_left = points;
        const std::int64_t start = world.pump.now_ms();
        tally_score(world.pump, game.state, game.form_game_screen);
        EXPECT_EQ(game.form_game_screen.scores[0], std::to_string(std::min(5 + points, 32767)));
        EXPECT_NEAR(static_cast<double>(world.pump.now_ms() - start), std::min(points, 2000), 1) << points;
    }
}

// Between two turns the check button and the cells answer nothing: a click
// while a result, an announcement or the winner shows changes no score,
// shows no box and waits for no turn.
TEST_F(Games, ClicksBetweenTurnsDoNothing) {
    Quarn& game = world.start();
    world.set_up(0, 2, {"Ann", "Bob"});
    world.play_turns([this] { solve(); });
    int announcements = 0, winners = 0;
    world.every_tenth([&] {
        const bool announcing = game.form_new_hiscore.visible && announcements == 0;
        const bool winning = game.form_winner.visible && winners == 0;
        if (!announcing && !winning) return;
        ++(announcing ? announcements : winners);
        const auto scores = game.form_game_screen.scores;
        const std::size_t shown = world.pump.boxes.size();
        cell_clicked(game.state, 5);
        press_check();
        world.pump.after(50, [&, scores, shown] {
            EXPECT_EQ(game.form_game_screen.scores, scores);
            EXPECT_EQ(world.pump.boxes.size(), shown);
            EXPECT_FALSE(game.form_show_score.visible);
            EXPECT_EQ(game.state.clicked_cell, -1);
        });
    });
    play_game(game);
    EXPECT_EQ(announcements, 1);
    EXPECT_EQ(winners, 1);
}

TEST_F(Games, ACellClickedOverAResultIsNotTheNextTurnsFirstPick) {
    Quarn& game = world.start();
    world.set_up(1, 10, {"Ann", "Bob"});
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann")
            world.pump.after(15, [&] { world.arrange(world.pump.now_ms(), letters().size() == 3 ? "cat" : "some", 0); });
        if (text == "Are you ready Bob")
            world.pump.after(100, [&] {
                EXPECT_EQ(game.state.clicks_made, 0);
                for (const Cell& cell : game.form_game_screen.cells) EXPECT_TRUE(cell.framed);
                exit_clicked(game);
            });
        return SimPump::Answer{10, true};
    });
    bool clicked = false;
    world.every_tenth([&] {
        if (!game.form_show_score.visible || clicked) return;
        clicked = true;
        cell_clicked(game.state, 7);
        world.pump.after(300, [&] { score_ok(game.state); });
    });
    play_game(game);
    EXPECT_TRUE(clicked);
}

// Exit while the Mix 'N Match table is announced after round 4: the main menu
// is back before the game has finished, but it takes no choice until then,
// and the table is saved to the game's own file.
TEST_F(Games, ExitDuringTheAnnouncementSavesTheTableToItsOwnFile) {
    std::string dictionary;
    for (char c = 'a'; c <= 'z'; ++c) dictionary += std::string(1, c) + "\r\n";
    world.write("dictionary.dic", dictionary + "999\r\n");
    const std::string anagrams_table = world.read("anagrams.hi");
    Quarn& game = world.start();
    world.set_up(2, 10, {"Ann"});
    world.play_turns([&] {
        world.click_at(world.pump.now_ms() + 20, 40);
        world.click_at(world.pump.now_ms() + 40, 40);
        world.pump.after(60, [&] { press_check(); });
    });
    bool left = false;
    world.every_tenth([&] {
        if (!game.form_new_hiscore.visible || left) return;
        left = true;
        exit_clicked(game);
        EXPECT_TRUE(game.form_options.visible);
        EXPECT_FALSE(game.form_options.buttons_enabled);
        select_game(game, 0);
        play_game(game);
        EXPECT_EQ(game.state.game_type, "Mixnmatch") << "the menu takes no choice until the game has finished";
        EXPECT_EQ(game.form_options.game_button_colours[0], colours::light_grey);
    });
    play_game(game);
    EXPECT_TRUE(left);
    EXPECT_TRUE(game.form_options.buttons_enabled);
    const Words shown = boxes();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "Are you ready Ann"), 4) << "no second game started";
    EXPECT_EQ(world.read("anagrams.hi"), anagrams_table);
    // Four turns of one white letter, a word in its row and in its column.
    EXPECT_EQ(world.read("mixnmatch.hi").substr(0, 12), "\"Ann\"\r\n400\r\n");
}

TEST_F(Games, APickWaitingAtExitLeavesNoMissingFrame) {
    Quarn& game = world.start();
    world.set_up(3, 10, {"Ann"});
    world.play_turns([&] {
        world.click_at(world.pump.now_ms() + 20, 0);
        world.pump.after(60, [&] { exit_clicked(game); });
    });
    play_game(game);
    for (const Cell& cell : game.form_game_screen.cells) EXPECT_TRUE(cell.framed);
}

} // namespace
} // namespace quarn
