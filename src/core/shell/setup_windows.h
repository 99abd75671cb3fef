// The player names and game length windows, About and the instructions.
#pragma once
#include <string>

namespace quarn {

struct Quarn;

// Any edit of name box i; recounts the players.
void names_changed(Quarn& q, int box, std::string text);
// Exit, or the title bar's close button.
void names_exit(Quarn& q);

// The slider moved (the game length window's Timer1 reads it).
void slider_moved(Quarn& q, int minutes);
// Timer1 of the game length window, every 100 ms.
void read_slider(Quarn& q);
// Exit, or the title bar's close button.
void game_length_exit(Quarn& q);

void about_ok(Quarn& q);
void help_ok(Quarn& q);

} // namespace quarn
