// What Anagrams and Crossword share: a game that draws an entry of its word
// list for every turn and lays it out scrambled in the top row, and saves the
// list's used-word record at the end.
#pragma once
#include "engine/driver.h"
#include "words/word_list.h"

#include <string_view>

namespace quarn {

struct Quarn;

class DrawnEntryGame : public GameRules {
public:
    struct Setting {
        GameKind kind;
        const char* counter_heading;
        int counter_interval_ms;
        int turn_start; // the counter at the start of a turn
        bool yield_before_table;
        WordList& list;
        UsedRecord& record;
        std::string_view record_file;
    };
    explicit DrawnEntryGame(Setting setting) : GameRules(setting.kind), setting_(setting) {}

    // The word list was read by "Play Game" before the play window opened.
    void start(Quarn& q) override;
    void begin_pass(Quarn& q) override;
    void set_up_turn(Quarn& q) override;
    void finish(Quarn& q) override;

private:
    Setting setting_;
};

// Saves the record; a failure is told to the players and the game goes on.
void save_used_record(Quarn& q, const UsedRecord& record, std::string_view file_name);

} // namespace quarn
