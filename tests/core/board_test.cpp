// The letter grid's picks and swaps, the game clock and the Exit question.
#include "board/letter_grid.h"
#include "games/catalogue.h"
#include "shell/main_menu.h"

#include "harness.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

struct Grid : ::testing::Test {
    Grid() {
        state.turn_time_left = 10;
        state.turn_running = true;
        state.clicked_cell = -1;
        for (int i = 0; i < cell_count; ++i) {
            screen.cells[static_cast<std::size_t>(i)].text = std::string(1, static_cast<char>('a' + i % 26));
            screen.cells[static_cast<std::size_t>(i)].background = colours::light_grey;
        }
    }
    // One pass of the turn loop after a click.
    void pass(int cell, const GameRules& game) {
        if (cell >= 0) cell_clicked(state, cell);
        take_pick(state, screen, game);
        swap_picked(state, screen, game);
    }
    const Cell& cell(int i) const { return screen.cells[static_cast<std::size_t>(i)]; }

    PlayState state;
    GameScreenModel screen{nullptr, nullptr};
    const std::unique_ptr<GameRules> anagrams = make_anagrams(), crossword = make_crossword(),
                                     mix_n_match = make_mix_n_match(), pick_n_mix = make_pick_n_mix();
};

TEST_F(Grid, TwoPicksExchangeLettersWithoutColourInWordGames) {
    pass(5, *anagrams);
    EXPECT_FALSE(cell(5).framed);
    EXPECT_EQ(state.clicks_made, 1);
    pass(40, *anagrams);
    EXPECT_EQ(cell(5).text, "o");
    EXPECT_EQ(cell(40).text, "f");
    EXPECT_TRUE(cell(5).framed);
    EXPECT_EQ(state.clicks_made, 0);
    EXPECT_EQ(cell(40).background, colours::light_grey);
}

TEST_F(Grid, LettersRecordedAtPickTimeAreTheOnesExchanged) {
    pass(0, *pick_n_mix);
    screen.cells[0].text = "z"; // "Change Letter" between the two picks
    pass(30, *pick_n_mix);
    EXPECT_EQ(cell(30).text, "a");
    EXPECT_EQ(cell(0).text, "e");
    EXPECT_EQ(cell(30).background, colours::white);
    EXPECT_EQ(cell(0).background, colours::light_grey);
}

TEST_F(Grid, MixNMatchTogglesTheSecondCell) {
    pass(7, *mix_n_match);
    pass(7, *mix_n_match);
    EXPECT_EQ(cell(7).text, "h");
    EXPECT_EQ(cell(7).background, colours::white);
    pass(7, *mix_n_match);
    pass(8, *mix_n_match);
    EXPECT_EQ(cell(7).background, colours::white) << "the first cell keeps its colour";
    EXPECT_EQ(cell(8).background, colours::white);
    pass(8, *mix_n_match);
    pass(8, *mix_n_match);
    EXPECT_EQ(cell(8).background, colours::light_grey);
}

TEST_F(Grid, PickNMixRefusesWhiteCellsButKeepsTheClickWaiting) {
    screen.cells[3].background = colours::white;
    pass(3, *pick_n_mix);
    EXPECT_EQ(state.clicks_made, 0);
    EXPECT_TRUE(cell(3).framed);
    EXPECT_EQ(state.clicked_cell, 3);
    pass(-1, *pick_n_mix);
    EXPECT_EQ(state.clicked_cell, 3) << "looked at again on every pass";
    pass(9, *pick_n_mix);
    EXPECT_EQ(state.clicks_made, 1);
    EXPECT_EQ(state.picked_cells[1], 9);
}

TEST_F(Grid, OnlyTheLastClickOfAPassAndOnlyWhileTheCounterRuns) {
    cell_clicked(state, 4);
    cell_clicked(state, 6);
    pass(-1, *crossword);
    EXPECT_EQ(state.picked_cells[1], 6);
    state.turn_time_left = 0;
    pass(20, *crossword);
    EXPECT_EQ(state.clicks_made, 1) << "a click with the counter at 0 does nothing";
    restore_borders(screen);
    EXPECT_TRUE(cell(6).framed);
}

struct Clock : ::testing::Test {
    Clock() {
        world.write_standard_files();
        world.start();
    }
    void start_clock(int minutes) {
        world.q->state.game_time_left = minutes;
        world.q->form_game_screen.game_timer.set_enabled(true);
        tick_start = world.pump.now_ms();
    }
    std::string shown() const {
        const GameScreenModel& s = world.q->form_game_screen;
        return s.clock_hours + "h" + s.clock_minutes + "m" + s.clock_seconds + "s";
    }
    void run_until_second(int s) { world.pump.wait_until(tick_start + s * 1000LL + 1); }
    test::World world;
    std::int64_t tick_start = 0;
};

TEST_F(Clock, MinutesOfFiftyNineTicks) {
    start_clock(2);
    run_until_second(1);
    EXPECT_EQ(shown(), "0h1m59s");
    run_until_second(60);
    EXPECT_EQ(shown(), "0h0m59s");
    EXPECT_EQ(world.q->form_game_screen.bar_value, 1) << "the bar moves one tick late";
    run_until_second(118);
    EXPECT_EQ(shown(), "0h0m1s");
    run_until_second(119);
    EXPECT_EQ(shown(), "0h0m0s");
    EXPECT_EQ(world.q->state.game_time_left, -1);
    EXPECT_FALSE(world.q->form_game_screen.game_timer.enabled());
}

TEST_F(Clock, HoursAndMinutes) {
    start_clock(75);
    run_until_second(1);
    EXPECT_EQ(shown(), "1h14m59s");
}

TEST_F(Clock, ExitAnsweredNoKeepsTheGame) {
    Quarn& q = *world.q;
    q.form_game_screen.visible = true;
    world.pump.on_box([](const std::string&) { return test::SimPump::Answer{100, false}; });
    exit_clicked(q);
    EXPECT_EQ(world.pump.boxes.back().text, "Are you sure you want to Quit");
    EXPECT_TRUE(world.pump.boxes.back().question);
    EXPECT_FALSE(q.state.quit_requested);
    world.pump.on_box([](const std::string&) { return test::SimPump::Answer{100, true}; });
    exit_clicked(q);
    EXPECT_TRUE(q.state.quit_requested);
    EXPECT_TRUE(q.form_options.visible);
    EXPECT_FALSE(q.form_game_screen.visible);
}

} // namespace
} // namespace quarn
