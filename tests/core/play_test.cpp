// The program played through the simulated pump: the main menu and its
// set-up windows, the board's picks and swaps and the game clock, the seat
// loop every game runs on, each game's own rules, and the high-score tables.
#include "board/letter_grid.h"
#include "engine/driver.h"
#include "games/catalogue.h"
#include "games/grid_scan.h"
#include "games/pick_n_mix.h"
#include "platform/letters.h"
#include "scores/high_scores.h"
#include "shell/main_menu.h"
#include "shell/setup_windows.h"
#include "shell/title_animation.h"

#include "world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <numeric>
#include <set>

namespace quarn {
namespace {

// The letter grid's picks and swaps, the game clock and the Exit question.

// A board of letters a, b, c, ... in a turn that is waiting for moves.
struct Board {
    Board() {
        state.turn_time_left = 10;
        state.turn_running = true;
        state.clicked_cell = -1;
        for (int i = 0; i < cell_count; ++i) {
            screen.cells[static_cast<std::size_t>(i)].text = std::string(1, static_cast<char>('a' + i % 26));
            screen.cells[static_cast<std::size_t>(i)].background = colours::light_grey;
        }
    }
    // Passes of the turn loop, one click each (-1: none).
    void passes(std::initializer_list<int> clicks, const GameRules& game) {
        for (int click : clicks) {
            if (click >= 0) cell_clicked(state, click);
            take_pick(state, screen, game);
            swap_picked(state, screen, game);
        }
    }
    const Cell& cell(int i) const { return screen.cells[static_cast<std::size_t>(i)]; }

    PlayState state;
    GameScreenModel screen{nullptr, nullptr};
};

struct Grid : ::testing::Test, Board {};

TEST_F(Grid, EveryGameSwapsTheLettersRecordedAtPickTimeAndColoursTheSecondCellItsWay) {
    const Colour grey = colours::light_grey, white = colours::white;
    struct Case {
        std::unique_ptr<GameRules> (*make)();
        Colour once, twice; // cell 7 picked twice, then twice more
    };
    for (const Case& c : {Case{make_anagrams, grey, grey}, Case{make_crossword, grey, grey},
                          Case{make_mix_n_match, white, grey}, Case{make_pick_n_mix, white, white}}) {
        Board g;
        const auto game = c.make();
        g.passes({5}, *game);
        EXPECT_FALSE(g.cell(5).framed) << "a pick loses its frame";
        EXPECT_EQ(g.state.clicks_made, 1);
        g.screen.cells[5].text = "z"; // "Change Letter" between the two picks
        g.passes({40}, *game);
        EXPECT_EQ(g.cell(5).text, "o");
        EXPECT_EQ(g.cell(40).text, "f");
        EXPECT_EQ(g.cell(5).background, grey) << "the first cell keeps its colour";
        EXPECT_TRUE(g.cell(5).framed && g.cell(40).framed);
        EXPECT_EQ(g.state.clicks_made, 0);
        g.passes({7, 7}, *game);
        EXPECT_EQ(g.cell(7).text, "h") << "a cell picked twice keeps its letter";
        EXPECT_EQ(g.cell(7).background, c.once);
        g.passes({7, 7}, *game);
        EXPECT_EQ(g.cell(7).background, c.twice);
    }
}

TEST_F(Grid, PickNMixRefusesWhiteCellsButKeepsTheClickWaiting) {
    const auto pick_n_mix = make_pick_n_mix();
    screen.cells[3].background = colours::white;
    passes({3, -1}, *pick_n_mix);
    EXPECT_EQ(state.clicks_made, 0);
    EXPECT_TRUE(cell(3).framed);
    EXPECT_EQ(state.clicked_cell, 3) << "looked at again on every pass";
    passes({9}, *pick_n_mix);
    EXPECT_EQ(state.clicks_made, 1);
    EXPECT_EQ(state.picked_cells[1], 9);
}

TEST_F(Grid, OnlyTheLastClickOfAPassAndOnlyWhileATurnsCounterRuns) {
    const auto crossword = make_crossword();
    cell_clicked(state, 4);
    cell_clicked(state, 6);
    passes({-1}, *crossword);
    EXPECT_EQ(state.picked_cells[1], 6);
    state.turn_time_left = 0;
    passes({20}, *crossword);
    state.turn_time_left = 10;
    state.turn_running = false;
    passes({21}, *crossword);
    EXPECT_EQ(state.clicks_made, 1) << "a click with the counter at 0, or between turns, does nothing";
}

TEST(Clock, MinutesOfFiftyNineTicks) {
    struct Case { int minutes, seconds; const char* shown; int bar; };
    const Case cases[] = {{2, 1, "0h1m59s", 2},  {2, 59, "0h1m1s", 1},   {2, 60, "0h0m59s", 1},
                          {2, 118, "0h0m1s", 0}, {2, 119, "0h0m0s", 0},  {75, 1, "1h14m59s", 75},
                          {60, 1, "0h59m59s", 60}};
    for (const Case& c : cases) {
        PlayState state;
        GameScreenModel screen{nullptr, nullptr};
        game_screen_load(state, screen);
        state.game_time_left = c.minutes;
        for (int s = 0; s < c.seconds; ++s) game_clock_tick(state, screen);
        EXPECT_EQ(screen.clock_hours + "h" + screen.clock_minutes + "m" + screen.clock_seconds + "s", c.shown)
            << c.minutes << " minutes after " << c.seconds << " s";
        EXPECT_EQ(screen.bar_value, c.bar) << "the bar shows whole minutes, one tick late";
        EXPECT_EQ(screen.game_timer.enabled(), state.game_time_left >= 0);
    }
}

// The four games played through the simulated pump: the seat loop they share
// and each game's own rules.

using test::SimPump;
using Words = std::vector<std::string>;

struct Games : ::testing::Test {
    Games() { world.write_standard_files(); }
    Quarn& q() { return *world.q; }
    Words boxes() const { return world.pump.box_texts(); }
    std::string letters() const {
        const Cells& cells = world.q->form_game_screen.cells;
        return std::accumulate(cells.begin(), cells.end(), std::string(), [](std::string out, const Cell& cell) { return out + cell.text; });
    }
    void press_check() { check_clicked(q().state, q().form_game_screen); }
    // Puts the letters on the board in the order of the word they make (the
    // swaps that do it have their own suite), and checks a moment later.
    void solve(bool check = true) {
        Words board;
        for (const Cell& cell : q().form_game_screen.cells)
            if (!cell.text.empty()) board.push_back(cell.text);
        std::sort(board.begin(), board.end());
        for (const char* word : {"cat", "dog", "some", "gr\u00f6\u00dfe", "caf\u00e9", "\u043a\u0456\u0442"}) {
            Words in_order = split_letters(word), sorted = in_order;
            std::sort(sorted.begin(), sorted.end());
            if (sorted != board) continue;
            for (std::size_t i = 0; i < in_order.size(); ++i) q().form_game_screen.cells[i].text = in_order[i];
            if (check) world.pump.after(100, [this] { press_check(); });
            return;
        }
        ADD_FAILURE() << "no word for the letters " << letters();
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
// after round 4, the winner and "GAME OVER" end the game, the files keep
// their shape, and the main menu comes back with nothing selected.
struct EveryGame : Games, ::testing::WithParamInterface<int> {};

TEST_P(EveryGame, RunsRoundsUntilTheClockHasRunOutAndEntersTheTableAfterRoundFour) {
    const int game = GetParam();
    std::string dictionary = world.read("dictionary.dic");
    for (char c = 'a'; c <= 'z'; ++c) dictionary.insert(0, std::string(1, c) + "\r\n"); // every white letter scores
    world.write("dictionary.dic", dictionary);
    const char* const tables[] = {"anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"};
    world.write(tables[game], test::crlf_lines({"\"x\"", "5", "\"d\"", "\"y\"", "30", "\"d\"", "\"z\"", "10", "\"d\""}));
    const char* const records[] = {"anagrams1_used.dat", "crossword1_used.dat"};
    const std::string other_record = world.read(records[game == 0 ? 1 : 0]);
    Quarn& on = world.start();
    // An empty seat between two players is passed over.
    const Words names = game == 3 ? Words{"Ann"} : Words{"Ann", "Bob"};
    world.set_up(game, game == 3 ? 11 : 2, game == 3 ? names : Words{"Ann", "", "Bob"});

    Words table_at_start;
    std::vector<std::pair<int, std::string>> entries; // the round and the player of each announcement
    Words rounds; // the round shown at each turn
    world.play_turns([&] {
        rounds.push_back(on.form_game_screen.round_caption.english());
        if (table_at_start.empty())
            for (const HighScoreRow& row : on.form_game_screen.high_scores) table_at_start.push_back(row.name);
        if (game < 2) return solve();
        const std::int64_t t = world.pump.now_ms();
        world.click_at(t + 20, game == 2 ? 40 : 0); // Mix 'N Match marks cell 40; Pick 'N Mix moves its letter there
        world.click_at(t + 40, 40);
        if (game == 2) world.pump.at(t + 60, [this] { press_check(); }); // Pick 'N Mix runs its three minutes
    });
    std::pair<std::size_t, std::string> counter_at_result; // the turn, by its ready box, and its counter
    world.every_tenth([&] {
        const std::string caption = on.form_new_hiscore.name_caption.english();
        if (on.form_new_hiscore.visible && (entries.empty() || entries.back().second != caption))
            entries.emplace_back(on.state.round_number, caption);
        // While a turn's result shows, its counter stands still.
        const std::size_t turn = world.pump.boxes.size();
        if (on.form_show_score.visible && counter_at_result.first != turn) {
            counter_at_result = {turn, on.form_game_screen.counter.english()};
        } else if (on.form_show_score.visible) {
            EXPECT_EQ(on.form_game_screen.counter.english(), counter_at_result.second);
        }
    });
    play_game(on);

    const Words shown = boxes();
    ASSERT_GE(shown.size(), 4 * names.size() + 1) << "at least four rounds";
    EXPECT_EQ(shown.back(), "GAME OVER");
    EXPECT_EQ((shown.size() - 1) % names.size(), 0u) << "the game ends only at the start of a round";
    for (std::size_t i = 0; i + 1 < shown.size(); ++i) {
        EXPECT_EQ(shown[i], "Are you ready " + names[i % names.size()]);
        EXPECT_EQ(rounds[i], "Round  " + std::to_string(i / names.size() + 1));
    }
    EXPECT_EQ(table_at_start, (Words{"y", "z", "x", "", "", "", "", "", "", ""}));
    std::vector<std::pair<int, std::string>> expected_entries;
    for (const std::string& name : names) expected_entries.emplace_back(4, "Well Done " + name);
    EXPECT_EQ(entries, expected_entries) << "one entry per player, after round 4 only";
    const std::string table = world.read(tables[game]);
    for (const std::string& name : names) EXPECT_NE(table.find("\"" + name + "\"\r\n"), std::string::npos) << name;
    EXPECT_NE(table.find("\"Jan,5,2004\""), std::string::npos);
    EXPECT_EQ(test::lines_of(world.dir / tables[game]).size(), 30u);
    EXPECT_TRUE(on.form_winner.created && !on.form_winner.visible);
    EXPECT_TRUE(on.form_options.visible && !on.form_game_screen.visible);
    EXPECT_TRUE(on.state.game_type.empty() && !on.state.game_running && on.form_options.buttons_enabled);
    EXPECT_EQ(std::filesystem::exists(world.dir / "test.txt"), game == 2) << "only Mix 'N Match writes the logs";
    EXPECT_EQ(std::filesystem::exists(world.dir / "test1.txt"), game == 2);
    EXPECT_EQ(on.form_game_screen.scores, (std::array<std::string, 4>{"0", "0", "0", "0"}));
    EXPECT_EQ(test::lines_of(world.dir / records[game == 1 ? 1 : 0]).size(), 1001u);
    EXPECT_EQ(world.read(records[game == 0 ? 1 : 0]), other_record) << "another game's record is left alone";
}

INSTANTIATE_TEST_SUITE_P(Games, EveryGame, ::testing::Values(0, 1, 2, 3));

// Exit answered No: the game goes on. Answered Yes: the menu is back at once,
// no winner and no "GAME OVER", the record saved, and nothing of the turn
// left behind, not even the frame of a cell picked at that moment.
TEST_F(Games, ExitLeavesTheGameAtOnceAndLeavesNothingBehind) {
    Quarn& on = world.start();
    world.set_up(0, 10, {"Ann"});
    world.play_turns([&] {
        world.click_at(world.pump.now_ms() + 20, 0);
        world.pump.after(2000, [&] { exit_clicked(on); });
        world.pump.after(3000, [&] {
            EXPECT_TRUE(on.form_game_screen.visible && !on.state.quit_requested);
            world.pump.on_box([](const std::string&) { return SimPump::Answer{10, true}; });
            exit_clicked(on);
            EXPECT_TRUE(on.form_options.visible && !on.form_game_screen.visible && on.state.quit_requested);
        });
    });
    world.pump.on_box([&, answer = world.pump.box_handler()](const std::string& text) {
        return text.find("Quit") != std::string::npos ? SimPump::Answer{10, false} : answer(text);
    });
    play_game(on);
    EXPECT_EQ(boxes(), (Words{"Are you ready Ann", "Are you sure you want to Quit", "Are you sure you want to Quit"}));
    EXPECT_TRUE(world.pump.boxes.back().question);
    EXPECT_FALSE(on.form_winner.created);
    const Words record = test::lines_of(world.dir / "anagrams1_used.dat");
    EXPECT_EQ(std::count(record.begin(), record.end(), "True"), 1);
    EXPECT_TRUE(on.state.current_player == 0 && on.state.round_number == 0);
    for (const Cell& cell : on.form_game_screen.cells) EXPECT_TRUE(cell.framed);
}

TEST_F(Games, AnagramsRunningOutOfTimeShowsTimeUpUntilTheNextTurn) {
    Quarn& on = world.start();
    world.set_up(0, 2, {"Ann", "Bob"});
    Words seen;
    std::map<std::string, std::int64_t> shown_at;
    world.pump.on_box([&](const std::string& text) {
        seen.push_back(text + "|" + on.form_game_screen.counter.english());
        shown_at.emplace(text, world.pump.now_ms());
        if (text == "Are you ready Bob") world.pump.after(2000, [&] { exit_clicked(on); });
        // A long look at "Out of time" must not wrap the counter round.
        return SimPump::Answer{text == "Out of time" ? 60000 : 10, true};
    });
    play_game(on);
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[1], "Out of time|Time Up !");
    EXPECT_EQ(seen[2], "Are you ready Bob|Time Up !");
    // A point every 51 ms, from 1000 down past 0: 1001 ticks.
    EXPECT_NEAR(static_cast<double>(shown_at["Out of time"] - shown_at["Are you ready Ann"]), 1001 * 51, 20);
    EXPECT_GE(on.state.turn_time_left, -1);
}

TEST_F(Games, AnagramsAcceptsAnyWordOfAllTheLettersAlongARowOrDownAColumn) {
    Quarn& on = world.start();
    on.state.word_length = 3;
    const Words cheat{"Don't Cheat - You must use all the letters"};
    const std::tuple<std::vector<std::pair<int, char>>, bool, Words> cases[] = {
        {{{0, 't'}, {1, 'a'}, {2, 'c'}}, false, {}},                 // right to left is no word
        {{{0, 'a'}, {1, 'c'}, {2, 't'}}, true, {}},                  // any word of the letters
        {{{14, 'c'}, {27, 'a'}, {40, 't'}}, true, {}},               // down a column
        {{{0, 'a'}, {1, 't'}, {26, 'm'}, {27, 'e'}}, false, cheat},  // two short words: one message
        {{{0, 'c'}, {1, 'a'}, {3, 't'}}, false, {}},
    };
    world.confirm_results();
    for (const auto& [letters, accepted, shown] : cases) {
        world.pump.boxes.clear();
        check_board("Anagrams", letters);
        EXPECT_EQ(on.state.turn_done, accepted);
        EXPECT_EQ(boxes(), shown);
        EXPECT_TRUE(on.form_game_screen.check_enabled);
    }
    EXPECT_EQ(on.form_show_score.bonus, "701") << "the points the counter shows";
    EXPECT_EQ(on.form_game_screen.scores[0], "1402");
    EXPECT_TRUE(on.form_show_score.found_list.empty());
}

TEST_F(Games, CrosswordScoresFiftyForEveryWholeRunThatIsAWord) {
    Quarn& on = world.start();
    world.confirm_results();
    check_board("Crossword", {{0, 'c'}, {1, 'a'}, {2, 't'}, {14, 't'}});
    EXPECT_EQ(on.form_show_score.bonus, "100");
    EXPECT_EQ(on.form_show_score.found_list, (Words{"cat", "at"})) << "rows first, then columns";
    check_board("Crossword", {{0, 's'}, {1, 'o'}, {2, 'm'}, {3, 'e'}, {5, 'x'}, {6, 'y'}});
    EXPECT_EQ(on.form_show_score.found_list, Words{"some"}) << "words inside a run do not count";
    check_board("Crossword", {{0, 'x'}, {1, 'q'}}, 77);
    EXPECT_FALSE(on.state.turn_done);
    EXPECT_EQ(on.state.turn_time_left, 77) << "a check that finds nothing changes nothing";
    EXPECT_EQ(on.form_game_screen.scores[0], "150");

    // When the time runs out the board is checked as it stands, without "Out
    // of time"; a cell clicked over its result is not the next turn's pick.
    world.set_up(1, 10, {"Ann", "Bob"});
    world.play_turns([this] {
        if (q().state.current_player == 0) return solve(false);
        EXPECT_EQ(q().state.clicks_made, 0);
        for (const Cell& cell : q().form_game_screen.cells) EXPECT_TRUE(cell.framed);
        exit_clicked(q());
    });
    std::string result;
    world.every_tenth([&] {
        if (on.form_show_score.visible && result.empty()) {
            result = on.form_show_score.bonus;
            cell_clicked(on.state, 7);
        }
    });
    world.pump.boxes.clear();
    play_game(on);
    EXPECT_EQ(boxes(), (Words{"Are you ready Ann", "Are you ready Bob", "Are you sure you want to Quit"}));
    EXPECT_EQ(result, "50");
}

// The letters go to L + 1 places in a random order, the place past the word
// standing for no letter, and are laid out from the top-left cell onwards,
// into the second row when the word is longer than a row.
TEST_F(Games, TheScrambleLaysTheDrawnLettersOutFromTheTopLeftCell) {
    world.write("anagrams1.dic", test::crlf_lines({"abcdefghijklmn", "spare"}));
    Quarn& on = world.start();
    world.set_up(0, 10, {"Ann"});
    // The draw, then places 15, 15 again (drawn anew), 1, 2, ... 14 of 15.
    world.random.queued = {0.0, 14.5 / 15, 14.5 / 15};
    for (int p = 0; p < 14; ++p) world.random.queued.push_back((p + 0.5) / 15);
    std::string laid_out;
    world.play_turns([&] {
        laid_out = letters() + "|" + on.form_game_screen.cells[13].text;
        exit_clicked(on);
    });
    play_game(on);
    EXPECT_EQ(laid_out, "abcdefghijklmn|n");
}

// Any alphabet, a letter a cell: whatever the file's normal form, each
// letter is one cell, counts once and matches the dictionary's entry.
TEST_F(Games, LettersOfAnyAlphabetAreOneCellEachAndScoreAsLetters) {
    world.write("dictionary.dic", test::crlf_lines({"gr\u00f6\u00dfe", "caf\u00e9", "\u043a\u0456\u0442", "b\u00e4r", "999"}));
    // "cafe" with a combining acute: one letter, laid out composed.
    world.write("anagrams1.dic", test::crlf_lines({"gr\u00f6\u00dfe", "cafe\u0301", "spare"}));
    world.write("crossword1.dic", test::crlf_lines({"\u043a\u0456\u0442", "spare"}));
    Quarn& on = world.start();
    Words laid_out, points;
    world.every_tenth([&] {
        if (on.form_show_score.visible && points.size() < laid_out.size()) points.push_back(on.form_show_score.bonus);
    });
    for (int game : {0, 1}) {
        world.set_up(game, 10, {"Ann"});
        world.play_turns([&, game] {
            if (on.state.round_number == (game == 0 ? 2 : 1)) return exit_clicked(on);
            Words cells;
            for (const Cell& cell : on.form_game_screen.cells)
                if (!cell.text.empty()) cells.push_back(cell.text);
            std::sort(cells.begin(), cells.end());
            laid_out.push_back(std::accumulate(cells.begin(), cells.end(), std::to_string(cells.size())));
            solve();
        });
        play_game(on);
    }
    std::sort(laid_out.begin(), laid_out.begin() + 2);
    EXPECT_EQ(laid_out, (Words{"4acf\u00e9", "5egr\u00df\u00f6", "3\u043a\u0442\u0456"})) << "sorted cells";
    EXPECT_TRUE(points.size() == 3 && points[0] != "0" && points[1] != "0" && points[2] == "50")
        << "every letter used: accepted and scored; fifty for a Crossword run of Cyrillic letters";

    // Fifty points a letter in the grid games.
    on.form_game_screen.cells = Cells{};
    const Words bear = split_letters("b\u00e4r");
    for (std::size_t i = 0; i < bear.size(); ++i) on.form_game_screen.cells[i] = {bear[i], colours::white};
    world.confirm_results();
    check_grid_words(on.stage, false);
    EXPECT_EQ(on.form_show_score.bonus, "150");
}

TEST_F(Games, TheGridScanScoresEveryWordInsideAWhiteRun) {
    Quarn& on = world.start();
    world.confirm_results();
    // Upper case is a white cell, lower case a grey one, _ a white cell with no letter.
    auto lay = [&](int first, const std::string& text, int step = 1) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            Cell& cell = on.form_game_screen.cells[static_cast<std::size_t>(first) + i * static_cast<std::size_t>(step)];
            cell.text = text[i] == '_' ? "" : std::string(1, static_cast<char>(std::tolower(text[i])));
            cell.background = std::islower(static_cast<unsigned char>(text[i])) ? colours::light_grey : colours::white;
        }
    };
    const std::tuple<std::function<void()>, int, Words, std::string> cases[] = {
        // A whole white row, shown in full by its log line; words inside it in dictionary order.
        {[&] { lay(0, "SOMEXXXXXXXXX"); }, 400, {"me", "so", "some"}, " 0 somexxxxxxxxx"},
        {[&] { lay(0, "ME"); lay(26, "ME"); }, 200, {"me", "me"}, " 11 "},
        // No run across a row end or a grey cell, and none read backwards or upwards.
        {[&] { lay(12, "SO"); lay(26, "SxO"); lay(39, "EM"); lay(1, "EM", 13); }, 0, {}, " 11 s"},
        {[&] { lay(8, "S_OME"); }, 100, {"me"}, " 8 s!ome"},
        {[&] { lay(0, "some"); }, 0, {}, " 13 "},
    };
    for (const auto& [board, score, words, first_log_line] : cases) {
        on.form_game_screen.cells = Cells{};
        on.form_show_score.found_list.clear();
        on.form_game_screen.scores[0] = "0";
        board();
        check_grid_words(on.stage, true);
        EXPECT_EQ(on.form_show_score.bonus + "|" + on.form_game_screen.scores[0], std::to_string(score) + "|" + std::to_string(score));
        EXPECT_EQ(on.form_show_score.found_list, words);
        const Words runs = test::lines_of(world.dir / "test.txt");
        ASSERT_EQ(runs.size(), 18u);
        EXPECT_EQ(runs[0], first_log_line);
        Words logged;
        for (std::size_t i = 0; i < words.size(); ++i) logged.push_back(" " + std::to_string(i) + " " + words[i]);
        EXPECT_EQ(test::lines_of(world.dir / "test1.txt"), logged);
        EXPECT_FALSE(on.form_show_score.visible || on.form_checking_words.visible);
    }
    std::filesystem::remove(world.dir / "test.txt");
    check_grid_words(on.stage, false);
    EXPECT_FALSE(std::filesystem::exists(world.dir / "test.txt")) << "Pick 'N Mix writes no logs";
}

TEST_F(Games, PickNMixOffersALetterAndPlacedLettersStayWhite) {
    Quarn& on = world.start();
    world.set_up(3, 4, {"", "Bo"});
    const Cells& cells = on.form_game_screen.cells;
    int turns = 0;
    world.play_turns([&] {
        if (++turns > 1) {
            world.pump.after(20, [&] { EXPECT_EQ(on.state.clicks_made, 0) << "a click refused in the last turn"; });
            return;
        }
        EXPECT_FALSE(on.form_game_screen.check_enabled);
        EXPECT_EQ(letters().size(), 1u) << "a letter is offered at once, over an empty grid";
        world.click_at(world.pump.now_ms(), 0);
        world.click_at(world.pump.now_ms() + 20, 20);
        world.pump.after(40, [&] {
            EXPECT_TRUE(cells[20].background == colours::white && cells[0].background == colours::light_grey);
            EXPECT_NE(cells[0].text, "") << "cell 0 is filled again";
            cell_clicked(on.state, 20); // refused, and still waiting when the turn ends
            press_check();              // no early finish
            world.pump.after(20, [&] { EXPECT_TRUE(on.state.pick_refused && on.state.clicked_cell == 20); });
        });
    });
    play_game(on);
    EXPECT_EQ(turns, 2) << "a four-minute game holds two three-minute turns";
    EXPECT_FALSE(on.form_game_screen.change_letter_visible);
}

TEST(PickLetters, AVowelAThirdOfTheTimeAndChangeLetterNeverZ) {
    test::TestRandom random;
    GameScreenModel screen{nullptr, nullptr};
    screen.change_letter_visible = true;
    std::map<char, int> drawn, changed;
    const int draws = 75000;
    for (int i = 0; i < draws; ++i) {
        draw_pick_letter(random, english_alphabet(), screen);
        ++drawn[screen.cells[0].text[0]];
        change_letter_clicked(random, english_alphabet(), screen);
        ++changed[screen.cells[0].text[0]];
    }
    for (auto [letter, share] : {std::pair{'a', 5}, {'e', 7}, {'u', 7}, {'b', 2}, {'z', 2}})
        EXPECT_NEAR(drawn[letter], draws * share / 75, 300) << letter;
    EXPECT_NEAR(changed['a'], draws / 15, 300);
    EXPECT_EQ(changed['z'], 0);
    EXPECT_TRUE(drawn.begin()->first == 'a' && drawn.rbegin()->first == 'z');
}

TEST_F(Games, TheTallyCountsUpVisiblyButNeverForLong) {
    Quarn& on = world.start();
    for (int points : {0, 50, 1000, 30000}) {
        on.form_game_screen.scores[0] = "5";
        on.state.turn_time_left = points;
        const std::int64_t start = world.pump.now_ms();
        // The seat counting up is marked while it counts, for screen readers.
        int counting = -1;
        if (points > 0) world.pump.after(1, [&] { counting = on.form_game_screen.tally_seat; });
        tally_score(world.pump, on.state, on.form_game_screen);
        EXPECT_EQ(std::pair(counting, on.form_game_screen.tally_seat), std::pair(points > 0 ? 0 : -1, -1)) << points;
        EXPECT_EQ(on.form_game_screen.scores[0], std::to_string(std::min(5 + points, 32767)));
        EXPECT_NEAR(static_cast<double>(world.pump.now_ms() - start), std::min(points, 2000), 1) << points;
    }
}

// Between two turns the check button and the cells answer nothing: a click
// while a result, an announcement or the winner shows changes no score,
// shows no box and is not the next turn's first pick.
TEST_F(Games, ClicksBetweenTurnsDoNothing) {
    Quarn& on = world.start();
    world.set_up(0, 2, {"Ann", "Bob"});
    world.play_turns([this] { solve(); });
    std::set<std::string> clicked_over;
    world.every_tenth([&] {
        const char* over = on.form_show_score.visible ? "result" : on.form_new_hiscore.visible ? "announcement"
                         : on.form_winner.visible ? "winner" : nullptr;
        if (over == nullptr || !clicked_over.insert(over).second) return;
        const auto scores = on.form_game_screen.scores;
        const std::size_t shown = world.pump.boxes.size();
        cell_clicked(on.state, 5);
        press_check();
        if (std::string(over) == "result") return; // the tally is still to come
        world.pump.after(50, [&, scores, shown] {
            EXPECT_TRUE(on.form_game_screen.scores == scores && world.pump.boxes.size() == shown && !on.form_show_score.visible);
        });
    });
    world.pump.on_box([&, answer = world.pump.box_handler()](const std::string& text) {
        EXPECT_TRUE(text.rfind("Are you ready", 0) != 0 || (on.state.clicked_cell == -1 && !on.state.check_requested));
        return answer(text);
    });
    play_game(on);
    EXPECT_EQ(clicked_over, (std::set<std::string>{"announcement", "result", "winner"}));
}

// Mix 'N Match's check ends the turn the moment it is pressed: a cell clicked
// just after it, before the turn's loop has taken up the press, is refused.
TEST_F(Games, NoPickAfterTheCheckEvenInTheSamePass) {
    Quarn& on = world.start();
    world.set_up(2, 2, {"Ann"});
    std::string at_check, scored;
    world.play_turns([&] {
        if (!at_check.empty()) return exit_clicked(on);
        world.click_at(world.pump.now_ms() + 20, 0);
        world.pump.after(40, [&] {
            at_check = letters();
            press_check();
            cell_clicked(on.state, static_cast<int>(at_check.find_first_not_of(at_check[0]))); // a swap would show
        });
    });
    world.every_tenth([&] {
        if (on.form_show_score.visible && scored.empty()) scored = letters();
    });
    play_game(on);
    EXPECT_EQ(scored, at_check);
}

// Exit while the Mix 'N Match table is announced after round 4: the main menu
// is back before the game has finished, but it takes no choice until then,
// and the table is saved to the game's own file.
TEST_F(Games, ExitDuringTheAnnouncementSavesTheTableToItsOwnFile) {
    std::string dictionary;
    for (char c = 'a'; c <= 'z'; ++c) dictionary += std::string(1, c) + "\r\n";
    world.write("dictionary.dic", dictionary + "999\r\n");
    const std::string anagrams_table = world.read("anagrams.hi");
    Quarn& on = world.start();
    world.set_up(2, 10, {"Ann"});
    world.play_turns([&] {
        world.click_at(world.pump.now_ms() + 20, 40);
        world.click_at(world.pump.now_ms() + 40, 40);
        world.pump.after(60, [&] { press_check(); });
    });
    bool left = false;
    world.every_tenth([&] {
        if (!on.form_new_hiscore.visible || left) return;
        left = true;
        exit_clicked(on);
        EXPECT_TRUE(on.form_options.visible && !on.form_options.buttons_enabled);
        select_game(on, 0);
        play_game(on);
        EXPECT_EQ(on.state.game_type, "Mixnmatch") << "the menu takes no choice until the game has finished";
        EXPECT_EQ(on.form_options.game_button_colours[0], colours::light_grey);
    });
    play_game(on);
    EXPECT_TRUE(left);
    EXPECT_TRUE(on.form_options.buttons_enabled);
    Words expected(4, "Are you ready Ann");
    expected.push_back("Are you sure you want to Quit");
    EXPECT_EQ(boxes(), expected) << "no second game started";
    EXPECT_EQ(world.read("anagrams.hi"), anagrams_table);
    // Four turns of one white letter, a word in its row and in its column.
    EXPECT_EQ(world.read("mixnmatch.hi").substr(0, 12), "\"Ann\"\r\n400\r\n");
}

// High-score tables, the entry after round 4, and the winner.

using Names = std::vector<std::string>;

// A table file of the places given as name, score, date, name, score, ...
HighScoreTable table_of(const std::vector<std::string>& items) {
    std::string bytes;
    for (std::size_t i = 0; i < items.size(); ++i) bytes += i % 3 == 1 ? items[i] + "\r\n" : "\"" + items[i] + "\"\r\n";
    return read_high_score_table(bytes);
}

Names names_of(const HighScoreTable& table) {
    Names out;
    for (const HighScoreRow& row : table) out.push_back(row.name);
    return out;
}

TEST(HighScores, LoadedInFileOrderSortedByScoreWithTiesInPlaceAndSavedByteForByte) {
    HighScoreTable table = table_of({"a", "10", "d1", "b", "0120", "d2", "c", "30", "d3", "d", "120", "d4", "e", "5", "d5",
                                     "f", "5", "d6", "g", "7", "d7", "h", "-3", "d8", "i", "0", "d9", "j", "500", "d10"});
    EXPECT_EQ(names_of(table), (Names{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}));
    EXPECT_EQ(table[1].score, "120") << "scores lose leading zeros";
    sort_high_scores(table);
    EXPECT_EQ(names_of(table), (Names{"j", "b", "d", "c", "a", "g", "e", "f", "i", "h"}));
    EXPECT_EQ(table[0].date + table[9].score, "d10-3") << "names and dates travel with their scores";
    HighScoreTable climbing = table_of({"", "1", "", "", "1", "", "", "1", "", "", "1", "", "", "1", "",
                                        "", "1", "", "", "1", "", "", "1", "", "", "1", "", "top", "9", "d"});
    sort_high_scores(climbing);
    EXPECT_EQ(climbing[0].name, "top") << "the last place climbing to the top needs all ten passes";

    test::TempFolder folder;
    test::SimPump pump;
    table[3] = {"Smith, Al", "99999", "Feb,1,2005"};
    save_high_scores(pump, table, folder.path / "t.hi");
    const std::string bytes = test::read_file(folder.path / "t.hi");
    EXPECT_EQ(bytes.substr(0, 25), "\"j\"\r\n500\r\n\"d10\"\r\n\"b\"\r\n120");
    EXPECT_NE(bytes.find("\"Smith, Al\"\r\n32767\r\n\"Feb,1,2005\"\r\n"), std::string::npos) << "held within 16 bits";
    EXPECT_EQ(test::lines_of(folder.path / "t.hi").size(), 30u);
    HighScoreTable again{};
    load_high_scores(again, folder.path / "t.hi");
    save_high_scores(pump, again, folder.path / "t.hi");
    EXPECT_EQ(test::read_file(folder.path / "t.hi"), bytes);
    EXPECT_TRUE(pump.boxes.empty());
}

TEST(HighScores, SeatsThatBeatTheLastPlaceEnterOneAfterTheOther) {
    test::World world;
    world.write_standard_files();
    Quarn& q = world.start();
    std::vector<std::string> places;
    for (int k = 0; k < 7; ++k) places.insert(places.end(), {"old" + std::to_string(k), std::to_string(1000 - k), "x"});
    places.insert(places.end(), {"Ann", "993", "x"}); // an older place of hers, with another score
    places.insert(places.end(), {"ninth", "600", "x", "last", "300", "x"});
    HighScoreTable& table = q.form_game_screen.high_scores;
    table = table_of(places);
    q.form_game_screen.names = {"", "Ann", "Bo", "Cy"};
    q.form_game_screen.scores = {"0", "500", "300", "800"};
    Names announced;
    Names highlighted;
    world.pump.at(1000, [&] {
        for (const HighScoreRow& row : table)
            if (row.text_colour == colours::yellow) highlighted.push_back(row.name);
    });
    for (int at : {1000, 6000})
        world.pump.at(at, [&] { announced.push_back(q.form_new_hiscore.name_caption.english() + " " + q.form_new_hiscore.score_caption); });
    enter_high_scores(world.pump, world.dates, q.form_game_screen, q.form_new_hiscore, world.dir / "mixnmatch.hi");
    EXPECT_EQ(announced, (Names{"Well Done Ann 500", "Well Done Cy 800"}));
    EXPECT_EQ(highlighted, Names{"Ann"}) << "the new place, and only it, is highlighted while it is announced";
    EXPECT_EQ(world.pump.now_ms(), 10000) << "five seconds each";
    EXPECT_EQ(names_of(table)[8] + " " + names_of(table)[9], "Cy ninth") << "Cy pushed Ann's place out again";
    for (const HighScoreRow& row : table) EXPECT_EQ(row.text_colour, colours::white);
    const std::string bytes = world.read("mixnmatch.hi");
    EXPECT_NE(bytes.find("\"Cy\"\r\n800\r\n\"Jan,5,2004\""), std::string::npos);
    EXPECT_EQ(bytes.find("\"Bo\""), std::string::npos) << "equal to the last place does not enter";
}

TEST(Winner, TheFirstSeatWithTheHighestScoreForFourSeconds) {
    test::SimPump pump;
    GameScreenModel screen{nullptr, nullptr};
    WinnerModel winner;
    pump.add_timer(winner.timer);
    screen.names = {"A", "B", "", "D"};
    const std::pair<std::array<std::string, 4>, std::string> cases[] = {
        {{"120", "340", "340", "0"}, "B:340"}, {{"0", "0", "55", "0"}, ":55"}, {{"0", "0", "0", "0"}, "A:0"}};
    for (const auto& [scores, expected] : cases) {
        screen.scores = scores;
        show_winner(screen, winner);
        EXPECT_EQ(winner.name_caption.english() + ":" + winner.score_caption, expected);
        pump.run_for(3999);
        EXPECT_TRUE(winner.visible) << "every showing lasts its four seconds";
        pump.run_for(2);
        EXPECT_FALSE(winner.visible);
    }
}

// Start-up, the reset, the set-up windows, "Play Game" and the title animation.

using Texts = std::vector<std::string>;

struct Shell : ::testing::Test {
    Shell() { world.write_standard_files(); }
    test::World world;
};

TEST_F(Shell, StartUpShowsTheMenuWithNothingSelectedThenLoadsAndBeeps) {
    bool menu_on_screen_before_load = false;
    world.pump.on_show_windows_now = [&] {
        menu_on_screen_before_load = world.q->form_options.visible && world.q->dictionary_words.size() == 1 && world.pump.beeps == 0;
    };
    Quarn& q = world.start();
    EXPECT_TRUE(menu_on_screen_before_load);
    EXPECT_TRUE(q.form_options.visible && !q.form_game_screen.visible);
    EXPECT_EQ(world.pump.beeps, 1);
    EXPECT_EQ(q.state.game_type, "");
    EXPECT_EQ(q.state.clicked_cell, -1);
    EXPECT_EQ(q.dictionary_words.word(1), "act");
    EXPECT_FALSE(q.form_game_screen.game_timer.enabled() || q.form_game_screen.score_timer.enabled());
    EXPECT_TRUE(q.form_options.timer.enabled());
    title_tick(q.state, q.form_options);
    EXPECT_NE(q.form_options.letter_left, title_resting_left) << "the reset scattered the title";
    EXPECT_EQ(q.form_game_screen.cells[64].background, colours::light_grey);
    const Colour grey = colours::light_grey;
    EXPECT_EQ(q.form_options.game_button_colours, (std::array<Colour, 4>{grey, grey, grey, grey}));
    select_game(q, 1);
    select_game(q, 3);
    select_game(q, 4); // no such button
    select_game(q, -1);
    EXPECT_EQ(q.state.game_type, "Worddrop");
    EXPECT_EQ(q.form_options.game_button_colours, (std::array<Colour, 4>{grey, grey, grey, colours::yellow}));
}

// Word packs: chosen from the main menu, played in a folder of their own,
// their letters dealt by weight, and English left exactly as it was.
TEST_F(Shell, WordPacksArePlayedInTheirOwnFolderAndEnglishIsLeftAsItWas) {
    world.write_pack("de", "Deutsch", {"b\u00e4r", "\u00f6l", "stra\u00dfe"},
                     {"\"a\",5,True", "\"\u00e4\",30,True", "\"\u00f6\",30,True", "\"\u00fc\",30,True",
                      "\"\u00df\",30,False", "\"r\",1,False"});
    world.write_pack("uk", "\u0423\u043a\u0440\u0430\u0457\u043d\u0441\u044c\u043a\u0430", {"\u043a\u0456\u0442"},
                     {"\"\u043a\",1,False", "\"\u0456\",1,True", "\"\u0442\",1,False"});
    std::map<std::string, std::string> english;
    for (const auto& file : std::filesystem::directory_iterator(world.dir)) english[file.path().filename()] = world.read(file.path().filename());
    Quarn& q = world.start();
    ASSERT_EQ(q.languages.size(), 3u);
    EXPECT_EQ(q.languages[1].name + "|" + std::to_string(q.form_options.word_language), "Deutsch|0") << "English first";
    choose_language(q, 1);
    EXPECT_EQ(std::string(q.dictionary_words.word(1)) + "|" + world.read("de/letters.dat"),
              "b\u00e4r|" + test::read_file(world.packs.path / "de/letters.dat"))
        << "played from its folder, filled from the pack";
    // Every Mix 'N Match board and every letter Pick 'N Mix offers is dealt
    // from the pack's letters, each as often as its weight says.
    std::map<std::string, int> board, offered;
    for (int game : {0, 2, 3}) {
        world.set_up(game, 2, {"Ann"});
        world.play_turns([&] {
            for (const Cell& cell : q.form_game_screen.cells) board[cell.text] += game == 2;
            for (int i = 0; i < 200 && game == 3; ++i) {
                change_letter_clicked(q.random, q.alphabet, q.form_game_screen);
                ++offered[q.form_game_screen.cells[0].text];
            }
            exit_clicked(q);
        });
        play_game(q);
    }
    for (const char* letter : {"\u00e4", "\u00f6", "\u00fc", "\u00df"}) {
        EXPECT_GT(board[letter], 0) << letter;
        EXPECT_GT(offered[letter], 0) << letter;
    }
    EXPECT_EQ(offered.count("r"), 0u) << "Change Letter never offers the rarest letter";
    const std::set<std::string> german{"a", "\u00e4", "\u00f6", "\u00fc", "\u00df", "r"};
    for (const auto& [letter, count] : board) EXPECT_TRUE(count == 0 || german.count(letter)) << "only the pack's letters";
    EXPECT_TRUE(std::filesystem::exists(world.dir / "de" / "anagrams1_used.dat")) << "records go to the pack's folder";
    choose_language(q, 2);
    EXPECT_EQ(q.alphabet.board.size(), 3u);
    choose_language(q, 0);
    EXPECT_EQ(std::string(q.dictionary_words.word(1)) + std::to_string(q.alphabet.board.size()), "act26");
    for (const auto& [name, bytes] : english) EXPECT_EQ(world.read(name), bytes) << name << " is untouched";
    EXPECT_EQ(world.read("word_language.dat"), "\"en\"\r\n");

    // The choice is remembered; a pack that cannot be played leaves the
    // player in English, told why, and is refused from the menu the same way.
    choose_language(q, 2);
    EXPECT_EQ(world.start().working_directory, world.dir / "uk");
    for (const auto& folder : {world.dir, world.packs.path}) std::filesystem::remove(folder / "uk" / "dictionary.dic");
    world.pump.boxes.clear();
    Quarn& fallen_back = world.start();
    EXPECT_EQ(fallen_back.working_directory, world.dir);
    choose_language(fallen_back, 2);
    EXPECT_EQ(fallen_back.form_options.word_language, 0u);
    EXPECT_EQ(world.pump.box_texts().size(), 2u);
    for (const std::string& box : world.pump.box_texts())
        EXPECT_NE(box.find("cannot be played: the file dictionary.dic is missing"), std::string::npos) << box;
}

TEST_F(Shell, NamesAreCountedOnEveryEditAndTheGameLengthTakesTheLastTick) {
    Quarn& q = world.start();
    open_enter_names(q);
    EXPECT_FALSE(q.form_options.visible);
    for (auto [box, name, count] : {std::tuple{2, "Ann", 1}, {0, "  ", 2}, {4, "x", 2}, {0, "", 1}, {2, "", 0}}) {
        names_changed(q.state, q.form_enter_names, box, name);
        EXPECT_EQ(q.state.player_count, count) << box << " '" << name << "'";
    }
    names_exit(q.form_enter_names, q.form_options);
    EXPECT_TRUE(q.form_options.visible);

    GameLengthModel& length = q.form_enter_game_length;
    open_game_length(q);
    world.pump.run_for(50);
    game_length_exit(q.state, length, q.form_options);
    EXPECT_EQ(q.state.game_time_left, 0) << "Exit before the first tick";
    open_game_length(q);
    for (auto [minutes, hours_shown, minutes_shown] :
         {std::tuple{10, "0", "10"}, {125, "2", "5"}, {500, "3", "0"}, {1, "0", "2"}}) {
        slider_moved(length, minutes);
        world.pump.run_for(100);
        EXPECT_EQ(length.hours + ":" + length.minutes, std::string(hours_shown) + ":" + minutes_shown) << minutes;
    }
    slider_moved(length, 90);
    game_length_exit(q.state, length, q.form_options);
    EXPECT_EQ(q.state.game_time_left, 2) << "the reading of the last tick, not the slider";
}

TEST_F(Shell, PlayGameChecksTheSetUpThenOpensThePlayWindow) {
    Quarn& q = world.start();
    play_game(q);
    EXPECT_EQ(world.pump.box_texts(), (Texts{"You haven't selected the game you want to play",
                                             "You haven't selected the game time", "You haven't entered any players names"}));
    EXPECT_FALSE(q.form_game_screen.visible);

    // Each part of the set-up is asked for alone.
    for (auto [game, minutes, names, asked] :
         {std::tuple{2, 0, Texts{"Ann"}, "You haven't selected the game time"},
          std::tuple{2, 10, Texts{""}, "You haven't entered any players names"}}) {
        world.set_up(game, 10, names);
        if (minutes == 0) q.state.game_time_left = 0;
        world.pump.boxes.clear();
        play_game(q);
        EXPECT_EQ(world.pump.box_texts(), Texts{asked});
    }
    world.set_up(2, 125, {"Ann", "", "Cy"});
    world.pump.boxes.clear();
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann") {
            const GameScreenModel& screen = q.form_game_screen;
            EXPECT_TRUE(screen.visible);
            EXPECT_FALSE(q.form_options.visible);
            EXPECT_EQ(screen.heading, "Mix 'N Match");
            EXPECT_EQ(screen.clock_hours + ":" + screen.clock_minutes, "2:5");
            EXPECT_EQ(screen.bar_maximum, 125);
            EXPECT_EQ(screen.names, (std::array<std::string, 4>{"Ann", "", "Cy", ""}));
            EXPECT_TRUE(screen.game_timer.enabled());
            EXPECT_TRUE(q.form_show_score.found_list_visible);
            exit_shortcut(q); // Ctrl+Q in a window left open over the game: nothing
            world.pump.after(100, [&] { exit_clicked(q); });
        }
        return test::SimPump::Answer{10, true};
    });
    play_game(q);
    EXPECT_TRUE(q.form_options.visible);
    // After a game the game and its length must be chosen again; the names stay.
    world.pump.boxes.clear();
    play_game(q);
    EXPECT_EQ(world.pump.box_texts(),
              (Texts{"You haven't selected the game you want to play", "You haven't selected the game time"}));
    EXPECT_THROW(exit_shortcut(q), test::SimProgramEnded) << "between games Ctrl+Q is File > Exit";
}

TEST_F(Shell, TitleLettersScatterAndSettleAtTheirPlaces) {
    for (double scatter : {0.0, 0.0004, 0.37, 0.999}) {
        PlayState s;
        MainMenuModel menu{nullptr};
        test::TestRandom random;
        // Ten steps and the scatter product.
        random.queued = {0.1, 0.9, 0.5, 0.5, 0.0, 0.99, 0.3, 0.7, 0.2, 0.8, scatter};
        scatter_title(s, random);
        bool left_rest = false;
        int ticks = 0;
        auto at_rest = [&] { return s.title_step_left == decltype(s.title_step_left){} && s.title_step_top == decltype(s.title_step_top){}; };
        for (; ticks < 2000 && !at_rest(); ++ticks) {
            title_tick(s, menu);
            left_rest = left_rest || menu.letter_left != title_resting_left;
        }
        EXPECT_TRUE(left_rest) << "the letters leave their places during the first 200 ticks";
        EXPECT_TRUE(ticks > 200 && ticks < 1000) << "settles within a few hundred ticks after 200: " << ticks;
        EXPECT_EQ(menu.letter_left, title_resting_left);
        EXPECT_EQ(menu.letter_top, (std::array<int, title_letters>{1200, 1200, 1200, 1200, 1200}));
        EXPECT_EQ(s.title_ticks, 201);
    }
}

} // namespace
} // namespace quarn
