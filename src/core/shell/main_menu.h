// The main menu: start-up, the reset that ends every game, picking a game and
// "Play Game"; and leaving a game with the play window's Exit, which brings
// the menu back.
#pragma once
#include "shell/quarn.h"

namespace quarn {

// The main menu's load: reset, dictionary load, beep.
void start_up(Quarn& q);
// Brings the play state back to its start and the main menu on screen.
void reset(Quarn& q);

void select_game(Quarn& q, int index);
// The language menu: the words, lists, tables and records of the language
// at that place among Quarn's languages from now on, remembered for the
// next start; the main menu stays on screen.
void choose_language(Quarn& q, std::size_t index);
void open_enter_names(Quarn& q);
void open_game_length(Quarn& q);
// Checks the set-up and runs the chosen game; returns when it is over and
// the reset has brought the menu back.
void play_game(Quarn& q);
// The play window's Exit: asks, and on Yes shows the main menu at once.
void exit_clicked(Quarn& q);
// The play window's "Change Letter", which only Pick 'N Mix shows.
void change_letter_clicked(Quarn& q);

void menu_exit(Quarn& q);
// Ctrl+Q in the set-up windows, About or the instructions: File > Exit, but
// never while a game is being played (About or the instructions may have been
// left open over the play window).
void exit_shortcut(Quarn& q);
void menu_instructions(Quarn& q);
void menu_about(Quarn& q);
// The title bar's close button ends the program, like File > Exit.
void main_menu_closed(Quarn& q);

} // namespace quarn
