// The five title letters of the main menu: scattered by every reset, bounced
// round a box for 200 ticks, then stopped one by one as each passes its
// resting place.
#pragma once
#include "platform/random.h"
#include "shell/shell_windows.h"
#include "state/play_state.h"

namespace quarn {

void scatter_title(PlayState& state, RandomSource& random);
// Timer1 of the main menu, every 25 ms for the whole run.
void title_tick(PlayState& state, MainMenuModel& menu);

} // namespace quarn
