// The letter grid's picks and swaps, the game clock and the Exit question.
#include "board/letter_grid.h"
#include "games/catalogue.h"

#include "world.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

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
    struct Case {
        int minutes, seconds;
        const char* shown;
        int bar;
    };
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

} // namespace
} // namespace quarn
