// Crossword: two minutes to build as many words as possible from one set of
// letters; 50 points for every row or column run that is a word.
#include "engine/driver.h"
#include "games/catalogue.h"
#include "games/drawn_entry.h"
#include "games/word_check.h"
#include "platform/convert.h"

namespace quarn {

namespace {

constexpr GameSettings crossword{
    .key = "Crossword",
    .heading = "Crossword",
    .counter_heading = QUARN_TEXT("Time"), // seconds left in the turn
    .tick_ms = 1000,
    .turn_start = 120,
    .high_score_file = "crosswords.hi",
    .word_list_file = "crossword1.dic",
    .used_record_file = "crossword1_used.dat",
};

class Crossword final : public DrawnEntryGame {
public:
    Crossword() : DrawnEntryGame(crossword) {}

    void check_pressed(Stage& stage) override { check(stage); }

    // Whatever stands on the board when the time runs out, or when the
    // players leave, is checked too.
    void end_turn(Stage& stage) override {
        stage.screen.check_enabled = false;
        if (!stage.state.turn_done) check(stage);
    }

private:
    // Only whole runs count, each as often as the dictionary lists it; a
    // check that finds nothing changes nothing.
    static void check(Stage& stage) {
        PlayState& s = stage.state;
        long long words = 0;
        look_up_runs(stage, [&](const LetterText& word) {
            stage.result.found_list.push_back(word.text);
            ++words;
            return true;
        });
        if (s.turn_done) {
            stage.screen.score_timer.set_enabled(false);
            s.turn_time_left = clamp_int16(50 * words);
            show_turn_result(stage.pump, s, stage.result, s.turn_time_left);
            tally_score(stage.pump, s, stage.screen);
            stage.result.hide();
        }
        stage.screen.check_enabled = true;
    }
};

} // namespace

std::unique_ptr<GameRules> make_crossword() { return std::make_unique<Crossword>(); }

} // namespace quarn
