// The tables of the ten best scores, one file per game, shown in the
// "Highest Scores" frame of the play window; the entry after round 4; the
// winner; the OK of the turn result.
#pragma once
#include "board/game_screen.h"
#include "state/catalogue.h"

#include <array>
#include <string>

namespace quarn {

struct Quarn;

// The table of the game being played, from its own file and into it: never
// by the key the main menu shows, which the players may change while an
// abandoned game is still finishing.
void load_high_scores(Quarn& q, const GameEntry& game);
void sort_high_scores(Quarn& q);
void save_high_scores(Quarn& q, const GameEntry& game);
// After round 4: each seat that beats the last place enters, is announced and saved.
void enter_high_scores(Quarn& q, const GameEntry& game);

using HighScoreTable = std::array<HighScoreRow, high_score_places>;

// The ten places a file's bytes hold; places it cannot give are empty.
HighScoreTable read_high_score_table(std::string bytes);
// The bytes of a table in its file format.
std::string high_score_bytes(const HighScoreTable& table);

// The seat with the best score (ties to the lower seat; seat 0 when nobody scored).
void show_winner(Quarn& q);

// button_ok of the turn result window.
void score_ok(Quarn& q);

} // namespace quarn
