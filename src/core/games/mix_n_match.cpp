// Mix 'N Match: a board of random letters; swap them into words and mark
// their letters white; every word inside a white run scores.
#include "games/catalogue.h"
#include "games/grid_scan.h"

namespace quarn {

namespace {

constexpr GameSettings mix_n_match{
    .key = "Mixnmatch",
    .heading = "Mix 'N Match",
    .counter_heading = QUARN_TEXT("Time"),
    .tick_ms = 1000,
    .turn_start = 180,
    .high_score_file = "mixnmatch.hi",
};

class MixNMatch final : public GameRules {
public:
    MixNMatch() : GameRules(mix_n_match) {}

    // The second cell of every swap changes between grey and white: picking
    // a cell twice marks or unmarks its letter without moving it.
    void colour_step(Cell& second) const override {
        second.background = second.background == colours::white ? colours::light_grey : colours::white;
    }

    // 65 letters dealt from the alphabet (in English each of a to z equally
    // likely), all grey.
    void set_up_turn(Stage& stage) override {
        stage.random.seed_from_clock();
        std::vector<std::string> letters;
        for (int i = 0; i < cell_count; ++i) letters.push_back(draw_letter(stage.random, stage.alphabet.board));
        blank_grid(stage.screen);
        for (std::size_t i = 0; i < stage.screen.cells.size(); ++i) stage.screen.cells[i].text = letters[i];
    }

    // The player is done: the turn ends at once, and cell clicks are ignored.
    void check_pressed(Stage& stage) override { stage.state.turn_time_left = -1; }

    void end_turn(Stage& stage) override {
        stage.screen.check_enabled = false;
        stage.screen.score_timer.set_enabled(false);
        if (!stage.state.quit_requested) check_grid_words(stage, true);
    }
};

} // namespace

std::unique_ptr<GameRules> make_mix_n_match() { return std::make_unique<MixNMatch>(); }

} // namespace quarn
