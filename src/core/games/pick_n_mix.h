// Pick 'N Mix's own button and the letter it offers in the top-left cell.
#pragma once
#include "board/game_screen.h"
#include "platform/random.h"
#include "words/alphabet.h"

namespace quarn {

// A new letter for cell 0: one the alphabet offers (in English b to z), or
// one of its vowels a third of the time.
void draw_pick_letter(RandomSource& random, const Alphabet& alphabet, GameScreenModel& screen);
// "Change Letter": another letter for cell 0, never the rarest (in English z).
void change_letter_clicked(RandomSource& random, const Alphabet& alphabet, GameScreenModel& screen);

} // namespace quarn
