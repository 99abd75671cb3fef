// The board's pick-and-swap rule: a click is remembered, the turn loop takes
// it up as a pick, and every second pick exchanges the two letters recorded at
// pick time, followed by the game's colour step on the second cell.
#pragma once
#include "board/game_screen.h"
#include "state/catalogue.h"
#include "state/play_state.h"

namespace quarn {

// The click of cell i: remembered only inside a turn while its counter is
// above 0; a later click replaces one that is still waiting.
void cell_clicked(PlayState& state, int cell);

// Takes up the waiting click as a pick. Pick 'N Mix refuses white cells: the
// click stays waiting and is looked at again on the next pass.
void take_pick(PlayState& state, GameScreenModel& screen, GameKind game);

// After the second pick: exchange, colour step, frames back, ready for the next pair.
void swap_picked(PlayState& state, GameScreenModel& screen, GameKind game);

void restore_borders(GameScreenModel& screen);

// Every cell empty and light grey.
void blank_grid(GameScreenModel& screen);

} // namespace quarn
