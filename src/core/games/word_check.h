// The word check of Anagrams and Crossword: every run of two letters or more
// on the board, rows first, then columns, looked up whole in the dictionary.
// What a match means and how the turn scores is each game's own.
#pragma once
#include "engine/game_rules.h"

#include <functional>
#include <string>

namespace quarn {

// Turns the check button off and looks every candidate up, showing
// "Checking words" meanwhile unless the players have left. Every dictionary
// entry a candidate equals (a word listed twice counts twice) sets turn_done
// and is passed to found, with its letters, which returns false to stop the
// whole check. The game then scores, and turns the button on again.
void look_up_runs(Stage& stage, const std::function<bool(const LetterText& word)>& found);

} // namespace quarn
