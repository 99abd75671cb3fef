// The play state: the selected game, the clocks, the turn and round, the click
// state of the grid and the title animation. Every field starts zero, false or
// empty; the reset brings most of them back there after every game.
#pragma once
#include <array>
#include <string>

namespace quarn {

inline constexpr int cell_count = 65;
inline constexpr int grid_columns = 13;
inline constexpr int grid_rows = 5;
inline constexpr int seat_count = 4;
inline constexpr int title_letters = 5;

struct PlayState {
    // Set-up.
    std::string game_type;   // the selected game's key; empty means none
    int player_count = 0;    // how many name boxes are not empty
    int game_length = 0;     // minutes on the game length slider
    int game_time_left = 0;  // whole minutes left; -1 once the game clock has run out

    // Title animation, in twips.
    std::array<int, title_letters> title_left{}, title_top{};
    std::array<int, title_letters> title_step_left{}, title_step_top{};
    int title_ticks = 0;

    // Turn and round.
    int current_player = 0;
    int round_number = 0;
    int turn_time_left = 0; // the turn counter; after a check, the turn's points
    bool turn_done = false;
    // The players confirmed Exit: the game is left at its next test, without
    // the winner or "GAME OVER".
    bool quit_requested = false;
    int clock_seconds = 0; // seconds counter of the game clock
    int word_length = 0;   // letters of the word or letter set of the turn

    // True only while a named seat's turn loop waits for moves: the check
    // button and the cells answer nothing else, so a click made while a
    // result or an announcement shows can neither check the last board again
    // nor become the first pick of the next turn.
    bool turn_running = false;
    // The check button was pressed; the turn loop acts on it at its next pass.
    bool check_requested = false;
    // A cell clicked after that press, in the same pass: it is handled once
    // the check has run, as if the check had run when it was pressed (after a
    // check that ends the turn it is then refused like any late click).
    int click_after_check = -1;

    // Grid picks: positions 1 and 2 are the first and second pick.
    int clicked_cell = 0; // -1 for no waiting click
    // The game refused the waiting click as a pick (a letter already placed
    // in Pick 'N Mix); a new click starts afresh.
    bool pick_refused = false;
    int clicks_made = 0;
    std::array<std::string, 3> cell_letters{};
    std::array<int, 3> picked_cells{};

    bool score_ok_clicked = false;

    // True while a game procedure is running, so that "Play Game" can never
    // start a second game inside the first one (the main menu is back on
    // screen as soon as Exit is confirmed, before the game has unwound).
    bool game_running = false;
};

} // namespace quarn
