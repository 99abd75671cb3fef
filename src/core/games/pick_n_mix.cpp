// Pick 'N Mix: one letter at a time is offered in the top-left cell; placed
// letters turn white and stay; after three minutes the white runs are scored.
#include "board/letter_grid.h"
#include "board/play_window.h"
#include "engine/driver.h"
#include "games/games.h"
#include "quarn.h"
#include "scores/high_scores.h"

namespace quarn {

namespace {

constexpr std::size_t source_cell = 0;

// b..z, each equally likely.
std::string random_consonant_range_letter(RandomSource& random) {
    return std::string(1, static_cast<char>(static_cast<int>(random.next() * 25) + 'b'));
}

// A third of the time a vowel replaces the letter, which is also the only way
// to an "a".
void force_vowel_sometimes(Quarn& q) {
    int v = static_cast<int>(q.random.next() * 15) + 1;
    if (v <= 5) q.form_game_screen.cells[source_cell].text = std::string(1, "aeiou"[v - 1]);
}

class PickNMix final : public GameRules {
public:
    PickNMix() : GameRules(GameKind::pick_n_mix) {}

    void start(Quarn& q) override {
        GameScreenModel& screen = q.form_game_screen;
        screen.change_letter_visible = true;
        screen.counter_heading = "Time";
        screen.score_timer.set_interval(1000);
        screen.check_enabled = false; // no early finish in this game
        q.state.current_player = 0;
        load_high_scores(q, game_entry(kind()));
        sort_high_scores(q);
    }

    // Every pass blanks the board, empty seats too, so each player gets ready
    // over an empty grid.
    void begin_pass(Quarn& q) override {
        q.form_game_screen.change_letter_enabled = true;
        blank_grid(q.form_game_screen);
        q.state.turn_time_left = 180;
    }

    void set_up_turn(Quarn& q) override {
        q.form_game_screen.score_timer.set_enabled(true);
        q.random.seed_from_clock();
    }

    void before_events(Quarn& q) override {
        Cell& source = q.form_game_screen.cells[source_cell];
        if (source.text.empty()) draw_pick_letter(q);
        if (source.background == colours::white) source.background = colours::light_grey;
    }

    void after_events(Quarn& q) override {
        for (Cell& cell : q.form_game_screen.cells)
            if (cell.text.empty()) cell.background = colours::light_grey;
    }

    void end_turn(Quarn& q) override {
        GameScreenModel& screen = q.form_game_screen;
        screen.change_letter_enabled = false;
        if (q.state.quit_requested) return;
        screen.score_timer.set_enabled(false);
        check_grid_words(q, false);
    }

    void finish(Quarn& q) override { q.form_game_screen.change_letter_visible = false; }
};

} // namespace

void draw_pick_letter(Quarn& q) {
    q.form_game_screen.cells[source_cell].text = random_consonant_range_letter(q.random);
    force_vowel_sometimes(q);
}

void change_letter_clicked(Quarn& q) {
    GameScreenModel& screen = q.form_game_screen;
    if (!screen.change_letter_visible || !screen.change_letter_enabled) return;
    q.random.seed_from_clock();
    do {
        screen.cells[source_cell].text = random_consonant_range_letter(q.random);
    } while (screen.cells[source_cell].text == "z");
    force_vowel_sometimes(q);
}

void play_pick_n_mix(Quarn& q) {
    PickNMix rules;
    run_game(q, rules);
}

} // namespace quarn
