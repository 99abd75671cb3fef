// The player names and game length windows.
#pragma once
#include "shell/shell_windows.h"
#include "state/play_state.h"

#include <string>

namespace quarn {

// Any edit of name box i; recounts the players.
void names_changed(PlayState& state, EnterNamesModel& window, int box, std::string text);
// Exit, or the title bar's close button: back to the main menu.
void names_exit(EnterNamesModel& window, MainMenuModel& menu);

// The slider moved (the window's timer reads it).
void slider_moved(GameLengthModel& window, int minutes);
// Timer1 of the game length window, every 100 ms.
void read_slider(PlayState& state, GameLengthModel& window);
// Exit, or the title bar's close button: the length of the last tick becomes
// the game clock.
void game_length_exit(PlayState& state, GameLengthModel& window, MainMenuModel& menu);

} // namespace quarn
