// Mix 'N Match: a board of random letters; swap them into words and mark
// their letters white; every word inside a white run scores.
#include "board/letter_grid.h"
#include "engine/driver.h"
#include "games/games.h"
#include "quarn.h"
#include "scores/high_scores.h"

namespace quarn {

namespace {

class MixNMatch final : public GameRules {
public:
    MixNMatch() : GameRules(GameKind::mix_n_match) {}

    void start(Quarn& q) override {
        q.form_game_screen.counter_heading = "Time";
        q.form_game_screen.score_timer.set_interval(1000);
        load_high_scores(q, game_entry(kind()));
        sort_high_scores(q);
    }

    void begin_pass(Quarn& q) override { q.form_game_screen.check_enabled = true; }

    void set_up_turn(Quarn& q) override {
        q.random.seed_from_clock();
        std::string letters;
        for (int i = 0; i < cell_count; ++i)
            letters += static_cast<char>(static_cast<int>(q.random.next() * 26) + 'a');
        GameScreenModel& screen = q.form_game_screen;
        blank_grid(screen);
        for (std::size_t i = 0; i < screen.cells.size(); ++i) screen.cells[i].text = std::string(1, letters[i]);
        q.state.turn_time_left = 180;
        screen.score_timer.set_enabled(true);
    }

    void end_turn(Quarn& q) override {
        GameScreenModel& screen = q.form_game_screen;
        screen.check_enabled = false;
        screen.score_timer.set_enabled(false);
        if (!q.state.quit_requested) check_grid_words(q, true);
    }

    void finish(Quarn&) override {}
};

} // namespace

void play_mix_n_match(Quarn& q) {
    MixNMatch rules;
    run_game(q, rules);
}

} // namespace quarn
