// The turn and round driver shared by the four games: seats in turn, round
// after round, until the game clock has run out at the start of a round or the
// players quit; then the winner, "GAME OVER" and the game's own saving. The
// caller runs the reset afterwards.
#pragma once
#include "engine/game_rules.h"

namespace quarn {

// The round after which the players' scores may enter the high-score table.
inline constexpr int high_score_round = 4;

void run_game(Stage& stage, GameRules& rules);

// score_timer: the turn counter and "Time Up !".
void score_timer_tick(PlayState& state, GameScreenModel& screen);
// Counts the turn's points onto the current seat's score, one at a time.
void tally_score(EventPump& pump, const PlayState& state, GameScreenModel& screen);
// The turn result: shows the points and waits for OK; the window stays up
// until its caller hides it.
void show_turn_result(EventPump& pump, PlayState& state, ShowScoreModel& result, int points);

} // namespace quarn
