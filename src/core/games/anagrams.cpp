// Anagrams: put the scrambled letters of one word back in order, along a row
// or down a column, before the 1000 points still to be won have run down.
#include "engine/driver.h"
#include "games/catalogue.h"
#include "games/drawn_entry.h"
#include "games/word_check.h"

namespace quarn {

namespace {

// The players' own words stand outside the class, where they are found for translation.
Text dont_cheat() { return say("Don't Cheat - You must use all the letters"); }
Text out_of_time() { return say("Out of time"); }

constexpr GameSettings anagrams{
    .key = "Anagrams",
    .heading = "Anagrams",
    .counter_heading = QUARN_TEXT("Score"), // the points still to be won
    .tick_ms = 51,
    .turn_start = 1000,
    .high_score_file = "anagrams.hi",
    .word_list_file = "anagrams1.dic",
    .used_record_file = "anagrams1_used.dat",
    .found_words_shown = false,
};

class Anagrams final : public DrawnEntryGame {
public:
    Anagrams() : DrawnEntryGame(anagrams) {}

    // The windows get one pass of the event loop before the table is shown.
    void start(Stage& stage) override { stage.pump.yield(); }

    // Any dictionary word made of all the letters wins the points the
    // counter shows; a shorter word is cheating and stops the check.
    void check_pressed(Stage& stage) override {
        PlayState& s = stage.state;
        look_up_runs(stage, [&](const LetterText& word) {
            if (static_cast<int>(word.letters()) == s.word_length) return true;
            stage.pump.message(dont_cheat());
            s.turn_done = false;
            return false;
        });
        if (s.turn_done) {
            stage.screen.score_timer.set_enabled(false);
            // The counter has already counted past the value it shows.
            s.turn_time_left += 1;
            show_turn_result(stage.pump, s, stage.result, s.turn_time_left);
            tally_score(stage.pump, s, stage.screen);
            stage.result.hide();
        }
        stage.screen.check_enabled = true;
    }

    // A turn that runs out of time wins nothing.
    void end_turn(Stage& stage) override {
        if (stage.state.turn_time_left < 0) stage.pump.message(out_of_time());
    }
};

} // namespace

std::unique_ptr<GameRules> make_anagrams() { return std::make_unique<Anagrams>(); }

} // namespace quarn
