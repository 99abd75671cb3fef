// Crossword: two minutes to build as many words as possible from one set of
// letters; 50 points for every row or column run that is a word.
#include "board/letter_grid.h"
#include "engine/driver.h"
#include "games/games.h"
#include "games/word_check.h"
#include "quarn.h"
#include "scores/high_scores.h"

namespace quarn {

namespace {

class Crossword final : public GameRules {
public:
    Crossword() : GameRules(GameKind::crossword) {}

    // The letter list was read by "Play Game" before the play window opened.
    void start(Quarn& q) override {
        q.form_game_screen.counter_heading = "Time";
        q.form_game_screen.score_timer.set_interval(1000);
        q.form_game_screen.check_enabled = true;
        q.state.current_player = 0;
        load_high_scores(q);
        sort_high_scores(q);
    }

    void begin_pass(Quarn& q) override { q.form_game_screen.check_enabled = true; }

    void set_up_turn(Quarn& q) override {
        lay_out_drawn_entry(q, q.crossword_words, q.crossword_used);
        q.state.turn_time_left = 120;
        q.form_game_screen.score_timer.set_enabled(true);
    }

    // Whatever stands on the grid when the time runs out is checked too.
    void end_turn(Quarn& q) override {
        q.form_game_screen.check_enabled = false;
        restore_borders(q.form_game_screen);
        if (!q.state.turn_done) check_words(q);
    }

    void finish(Quarn& q) override { save_used_record(q, q.crossword_used, "crossword1_used.dat"); }
};

} // namespace

void play_crossword(Quarn& q) {
    Crossword rules;
    run_game(q, rules);
}

} // namespace quarn
