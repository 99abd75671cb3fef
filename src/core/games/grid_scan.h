// The scoring of Mix 'N Match and Pick 'N Mix: every dictionary word inside a
// run of white cells, words inside words included, scores 50 points a letter.
#pragma once
#include "engine/game_rules.h"

namespace quarn {

// Scans the white runs (Mix 'N Match also writes what it read to test.txt
// and the words it found to test1.txt), shows the turn result, waits for OK
// and tallies the points onto the current seat.
void check_grid_words(Stage& stage, bool write_logs);

} // namespace quarn
