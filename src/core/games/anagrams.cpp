// Anagrams: put the scrambled letters of one word back in order before the
// 1000 points still to be won have run down.
#include "board/letter_grid.h"
#include "engine/driver.h"
#include "games/games.h"
#include "games/word_check.h"
#include "quarn.h"
#include "scores/high_scores.h"

namespace quarn {

namespace {

class Anagrams final : public GameRules {
public:
    Anagrams() : GameRules(GameKind::anagrams) {}

    // The word list was read by "Play Game" before the play window opened.
    void start(Quarn& q) override {
        q.form_game_screen.counter_heading = "Score";
        q.form_game_screen.score_timer.set_interval(51);
        q.form_game_screen.check_enabled = true;
        q.state.current_player = 0;
        q.pump.yield();
        load_high_scores(q);
        sort_high_scores(q);
    }

    void begin_pass(Quarn& q) override { q.form_game_screen.check_enabled = true; }

    void set_up_turn(Quarn& q) override {
        lay_out_drawn_entry(q, q.anagram_words, q.anagram_used);
        q.state.turn_time_left = 1000;
        q.form_game_screen.score_timer.set_enabled(true);
    }

    void end_turn(Quarn& q) override {
        restore_borders(q.form_game_screen);
        if (q.state.turn_time_left < 0) q.pump.message("Out of time");
    }

    void finish(Quarn& q) override { save_used_record(q, q.anagram_used, "anagrams1_used.dat"); }
};

} // namespace

void play_anagrams(Quarn& q) {
    Anagrams rules;
    run_game(q, rules);
}

} // namespace quarn
