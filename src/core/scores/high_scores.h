// The tables of the ten best scores, one file per game, shown in the
// "Highest Scores" frame of the play window; the entry after round 4; the
// winner.
#pragma once
#include "board/game_screen.h"
#include "platform/date.h"
#include "scores/score_windows.h"

#include <filesystem>
#include <string>

namespace quarn {

// The ten places a file's bytes hold; places it cannot give are empty.
HighScoreTable read_high_score_table(std::string bytes);
// The bytes of a table in its file format.
std::string high_score_bytes(const HighScoreTable& table);

// A missing or damaged file gives empty places where it has nothing to say.
void load_high_scores(HighScoreTable& table, const std::filesystem::path& file);
// By score, highest first; places with equal scores keep their order.
void sort_high_scores(HighScoreTable& table);
// A failed save is told to the players; the old file stays whole.
void save_high_scores(EventPump& pump, const HighScoreTable& table, const std::filesystem::path& file);

// Each seat that beats the last place enters the table with today's date, is
// announced and highlighted until the announcement hides itself, and the
// table is saved to the file of the game being played.
void enter_high_scores(EventPump& pump, DateSource& dates, GameScreenModel& screen, NewHiscoreModel& announcement,
                       const std::filesystem::path& file);

// Names the seat with the best score (ties to the lower seat; seat 0 with
// "0" when nobody scored) and shows the winner window.
void show_winner(const GameScreenModel& screen, WinnerModel& winner);

} // namespace quarn
