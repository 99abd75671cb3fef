// The four game procedures and the checks they share.
#pragma once
#include <string>

namespace quarn {

struct Quarn;

void play_anagrams(Quarn& q);
void play_crossword(Quarn& q);
void play_mix_n_match(Quarn& q);
void play_pick_n_mix(Quarn& q);

// The word check of Anagrams and Crossword, run by the check button and at
// the end of a Crossword turn.
void check_words(Quarn& q);
// The grid word scan of Mix 'N Match (with its two logs) and Pick 'N Mix.
void check_grid_words(Quarn& q, bool write_logs);

// The letters of the word in a random order.
std::string scramble_letters(Quarn& q, const std::string& word);
// A new letter for cell 0 of Pick 'N Mix.
void draw_pick_letter(Quarn& q);

} // namespace quarn
