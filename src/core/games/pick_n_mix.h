// Pick 'N Mix's own button and the letter it offers in the top-left cell.
#pragma once
#include "board/game_screen.h"
#include "platform/random.h"

namespace quarn {

// A new letter for cell 0: b to z, or a vowel a third of the time.
void draw_pick_letter(RandomSource& random, GameScreenModel& screen);
// "Change Letter": another letter for cell 0, never a z.
void change_letter_clicked(RandomSource& random, GameScreenModel& screen);

} // namespace quarn
