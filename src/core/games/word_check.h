// What Anagrams and Crossword share: laying a drawn entry out scrambled in
// the top row, and saving a used-word record at the end of a game.
#pragma once
#include "words/word_list.h"

#include <string_view>

namespace quarn {

struct Quarn;

// Draws an unused entry, scrambles it and lays it out from the top-left cell.
void lay_out_drawn_entry(Quarn& q, const WordList& list, UsedRecord& record);

// Saves the record; a failure is told to the players and the game goes on.
void save_used_record(Quarn& q, const UsedRecord& record, std::string_view file_name);

} // namespace quarn
