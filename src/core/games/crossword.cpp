// Crossword: two minutes to build as many words as possible from one set of
// letters; 50 points for every row or column run that is a word.
#include "board/letter_grid.h"
#include "games/games.h"
#include "games/word_check.h"
#include "quarn.h"

namespace quarn {

namespace {

class Crossword final : public DrawnEntryGame {
public:
    explicit Crossword(Quarn& q)
        : DrawnEntryGame({GameKind::crossword, "Time", 1000, 120, false, q.crossword_words, q.crossword_used,
                          "crossword1_used.dat"}) {}

    // Whatever stands on the grid when the time runs out is checked too.
    void end_turn(Quarn& q) override {
        q.form_game_screen.check_enabled = false;
        if (!q.state.turn_done) check_words(q);
    }
};

} // namespace

void play_crossword(Quarn& q) {
    Crossword rules(q);
    run_game(q, rules);
}

} // namespace quarn
