// The play window, form_game_screen: the letter grid, the game clock, the
// seats, the table of high scores, the turn counter and the buttons, as the
// program changes them; and the window's own handlers.
#pragma once
#include "platform/colour.h"
#include "platform/event_pump.h"
#include "platform/window_model.h"
#include "state/play_state.h"

#include <array>
#include <string>

namespace quarn {

struct Cell {
    std::string text;
    Colour background = colours::button_face;
    bool framed = true; // the frame disappears while the cell waits as a pick
};

using Cells = std::array<Cell, cell_count>;

inline constexpr int high_score_places = 10;

struct HighScoreRow {
    std::string name, score, date;
    Colour text_colour = colours::white;
};

using HighScoreTable = std::array<HighScoreRow, high_score_places>;

// Two captions as the window was drawn (the game writes the real ones
// before a player sees them).
inline constexpr const char* drawn_round_caption = QUARN_TEXT("Round 1");
inline constexpr const char* drawn_counter_heading = QUARN_TEXT("Score");

struct GameScreenModel : WindowModel {
    GameScreenModel(std::function<void()> game_tick, std::function<void()> score_tick)
        : game_timer(1000, std::move(game_tick)), score_timer(500, std::move(score_tick)) {}

    // Left panel. Captions start as the window was drawn; the reset and
    // "Play Game" write them before a player sees them.
    std::string clock_hours = "0";   // Label4
    std::string clock_minutes = "0"; // Label3
    std::string clock_seconds = "0"; // Label9
    Text round_caption = Text(drawn_round_caption); // Lbl_round
    int bar_maximum = 100;           // bar_game_timer
    int bar_value = 0;
    std::array<std::string, seat_count> names{};
    std::array<std::string, seat_count> scores{"00000", "00000", "00000", "00000"};
    // The seat whose score is counting up after a turn, -1 when none: a
    // screen reader hears the new score once, not at every point.
    int tally_seat = -1;
    HighScoreTable high_scores{};

    // Right panel.
    std::string heading;                  // Label8
    Text turn_caption;                    // Label11
    Text counter_heading = Text(drawn_counter_heading); // Label12
    Text counter = Text::as_is("00000");  // label_score
    Cells cells{};
    bool check_enabled = true;            // button_check
    bool change_letter_visible = false;   // button_change_letter
    bool change_letter_enabled = true;

    Timer game_timer;
    Timer score_timer; // the turn counter
};

// The window's load, once, when it is first created.
void game_screen_load(PlayState& state, GameScreenModel& screen);
// game_timer, every second: the clock in minutes of 59 ticks.
void game_clock_tick(PlayState& state, GameScreenModel& screen);
// "Finished ! Check  Word(s)": only a turn that is waiting for moves takes the
// press, and acts on it at its next pass.
void check_clicked(PlayState& state, const GameScreenModel& screen);
// Exit, or the frame's close button: asks first; on Yes the play window goes
// and the game is left at its next test. True when the players said Yes.
bool confirm_exit(EventPump& pump, PlayState& state, GameScreenModel& screen);

} // namespace quarn
