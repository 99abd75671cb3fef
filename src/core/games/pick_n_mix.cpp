// Pick 'N Mix: one letter at a time is offered in the top-left cell; placed
// letters turn white and stay; after three minutes the white runs are scored.
#include "games/pick_n_mix.h"

#include "games/catalogue.h"
#include "games/grid_scan.h"

#include <algorithm>

namespace quarn {

namespace {

constexpr GameSettings pick_n_mix{
    .key = "Worddrop",
    .heading = "Pick 'N Mix",
    .counter_heading = QUARN_TEXT("Time"),
    .tick_ms = 1000,
    .turn_start = 180,
    .high_score_file = "worddrop.hi",
    .uses_check_button = false, // no early finish: "Change Letter" stands in its place
};

constexpr std::size_t source_cell = 0;

// A third of the time a vowel replaces the letter, each as likely as its
// weight (in English each alike, and the only way to an "a"), unless it is
// the one letter not to be offered. One random number decides both: laid
// end to end, the vowels fill the first third of three times their weight.
void force_vowel_sometimes(RandomSource& random, const Alphabet& alphabet, Cell& source,
                           std::string_view never = {}) {
    const double place = random.next() * static_cast<double>(3 * total_weight(alphabet.vowels));
    const std::string* vowel = letter_at(alphabet.vowels, place);
    if (vowel && *vowel != never) source.text = *vowel;
}

class PickNMix final : public GameRules {
public:
    PickNMix() : GameRules(pick_n_mix) {}

    // A placed letter can be neither moved nor covered.
    bool may_pick(const Cell& cell) const override { return cell.background != colours::white; }
    // The letter a swap puts down is placed for good.
    void colour_step(Cell& second) const override { second.background = colours::white; }

    void start(Stage& stage) override { stage.screen.change_letter_visible = true; }

    // Every pass blanks the board, empty seats too, so each player gets ready
    // over an empty grid.
    void begin_pass(Stage& stage) override {
        stage.screen.change_letter_enabled = true;
        blank_grid(stage.screen);
        stage.state.turn_time_left = pick_n_mix.turn_start;
    }

    void set_up_turn(Stage& stage) override { stage.random.seed_from_clock(); }

    // A letter is always on offer, on grey, before the player moves.
    void before_events(Stage& stage) override {
        Cell& source = stage.screen.cells[source_cell];
        if (source.text.empty()) draw_pick_letter(stage.random, stage.alphabet, stage.screen);
        if (source.background == colours::white) source.background = colours::light_grey;
    }

    // An empty cell is never white.
    void after_events(Stage& stage) override {
        for (Cell& cell : stage.screen.cells)
            if (cell.text.empty()) cell.background = colours::light_grey;
    }

    // The check button stays off for the whole game.
    void check_pressed(Stage&) override {}

    void end_turn(Stage& stage) override {
        stage.screen.change_letter_enabled = false;
        if (stage.state.quit_requested) return;
        stage.screen.score_timer.set_enabled(false);
        check_grid_words(stage, false);
    }

    void finish(Stage& stage) override { stage.screen.change_letter_visible = false; }
};

} // namespace

void draw_pick_letter(RandomSource& random, const Alphabet& alphabet, GameScreenModel& screen) {
    Cell& source = screen.cells[source_cell];
    source.text = draw_letter(random, alphabet.offered);
    force_vowel_sometimes(random, alphabet, source);
}

void change_letter_clicked(RandomSource& random, const Alphabet& alphabet, GameScreenModel& screen) {
    if (!screen.change_letter_visible || !screen.change_letter_enabled) return;
    Cell& source = screen.cells[source_cell];
    random.seed_from_clock();
    // The rarest letter is never offered again; an alphabet of that letter
    // alone keeps it rather than drawing for ever.
    const bool other_letters = std::any_of(alphabet.offered.begin(), alphabet.offered.end(),
                                           [&](const WeightedLetter& l) { return l.letter != alphabet.rarest; });
    do {
        source.text = draw_letter(random, alphabet.offered);
    } while (other_letters && source.text == alphabet.rarest);
    force_vowel_sometimes(random, alphabet, source, other_letters ? std::string_view(alphabet.rarest) : std::string_view());
}

std::unique_ptr<GameRules> make_pick_n_mix() { return std::make_unique<PickNMix>(); }

} // namespace quarn
