// What the driver needs of a game: its settings, named, and the hooks it
// calls at each step of a game. Everything that tells the four games apart
// lives behind this interface, in each game's own file.
#pragma once
#include "board/game_screen.h"
#include "board/letter_grid.h"
#include "platform/date.h"
#include "platform/event_pump.h"
#include "platform/random.h"
#include "scores/score_windows.h"
#include "state/play_state.h"
#include "words/alphabet.h"
#include "words/dictionary.h"

#include <filesystem>
#include <string_view>

namespace quarn {

// What a game is played on: the play state, the windows it writes, the
// dictionary and the services. The program builds one for its whole run.
struct Stage {
    EventPump& pump;
    RandomSource& random;
    DateSource& dates;
    const std::filesystem::path& folder; // the working directory
    PlayState& state;
    GameScreenModel& screen;
    ShowScoreModel& result;     // form_show_score
    CheckingWordsModel& checking;
    NewHiscoreModel& new_hiscore;
    WinnerModel& winner;
    const Dictionary& dictionary;
    const Alphabet& alphabet; // the letters the grid games deal

    // A data file of the working directory, by its bare name.
    std::filesystem::path file(std::string_view name) const { return folder / name; }
};

struct GameSettings {
    std::string_view key;             // what a game button puts in game_type
    std::string_view heading;         // its button's caption and the play window's heading
    std::string_view counter_heading; // Label12, over the turn counter (marked QUARN_TEXT)
    int tick_ms = 1000;               // how often the turn counter counts down
    int turn_start = 0;               // the counter when a turn begins
    std::string_view high_score_file;
    std::string_view word_list_file = {};   // a list to draw from, if the game has one
    std::string_view used_record_file = {}; // which of its entries have been drawn
    bool found_words_shown = true;    // the words listed with a turn's result
    bool uses_check_button = true;    // enabled at every pass of the seat loop
};

// Whether a game's word list can give a turn something to play.
enum class ListState { ready, missing, nothing_to_draw };

class GameRules : public CellRules {
public:
    explicit GameRules(const GameSettings& settings) : settings_(settings) {}
    const GameSettings& settings() const { return settings_; }

    // Word data, for the games that draw from a list. "Play Game" reads the
    // list before the play window opens; every reset reads the record.
    virtual ListState read_word_list(const std::filesystem::path&) { return ListState::ready; }
    virtual void read_used_record(const std::filesystem::path&) {}

    // The driver's hooks, in the order a game meets them.
    // Game start, after the counter's heading and tick are set and before
    // the high-score table is loaded.
    virtual void start(Stage&) {}
    // The start of every pass of the seat loop, empty seats too.
    virtual void begin_pass(Stage&) {}
    // A named seat's board; the driver then starts the counter.
    virtual void set_up_turn(Stage&) = 0;
    // The turn loop's work before and after each wait for events.
    virtual void before_events(Stage&) {}
    virtual void after_events(Stage&) {}
    // "Finished ! Check  Word(s)" was pressed during the turn.
    virtual void check_pressed(Stage&) = 0;
    // The turn loop has ended, by the counter, the check or Exit.
    virtual void end_turn(Stage&) = 0;
    // Leaving the seat loop, game over or Exit.
    virtual void finish(Stage&) {}

private:
    const GameSettings& settings_;
};

} // namespace quarn
