// The play window's own handlers: its load, the game clock, the check and
// Exit buttons and the grid clicks.
#pragma once

namespace quarn {

struct Quarn;

void play_window_load(Quarn& q);
// game_timer, every second: the clock in minutes of 59 ticks.
void game_clock_tick(Quarn& q);
void check_clicked(Quarn& q);
// Exit, or the frame's close button: asks before leaving the game.
void exit_clicked(Quarn& q);
void grid_clicked(Quarn& q, int cell);
void change_letter_clicked(Quarn& q);

} // namespace quarn
