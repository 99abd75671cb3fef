// Anagrams: put the scrambled letters of one word back in order before the
// 1000 points still to be won have run down.
#include "board/letter_grid.h"
#include "games/games.h"
#include "games/word_check.h"
#include "quarn.h"

namespace quarn {

namespace {

class Anagrams final : public DrawnEntryGame {
public:
    explicit Anagrams(Quarn& q)
        : DrawnEntryGame({GameKind::anagrams, "Score", 51, 1000, true, q.anagram_words, q.anagram_used,
                          "anagrams1_used.dat"}) {}

    // The turn is won only by a check that finds the whole word.
    void end_turn(Quarn& q) override {
        if (q.state.turn_time_left < 0) q.pump.message("Out of time");
    }
};

} // namespace

void play_anagrams(Quarn& q) {
    Anagrams rules(q);
    run_game(q, rules);
}

} // namespace quarn
