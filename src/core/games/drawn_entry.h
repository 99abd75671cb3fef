// What Anagrams and Crossword share: every turn draws an entry of the game's
// word list that has not come up since the list was last used up, scrambles
// it and lays it out from the top-left cell; the list's used-word record is
// read by every reset and saved when a game of its kind ends.
#pragma once
#include "engine/game_rules.h"
#include "words/word_list.h"

#include <string>
#include <vector>

namespace quarn {

class DrawnEntryGame : public GameRules {
public:
    using GameRules::GameRules;

    ListState read_word_list(const std::filesystem::path& folder) override;
    void read_used_record(const std::filesystem::path& folder) override;
    void set_up_turn(Stage& stage) override;
    void finish(Stage& stage) override;

    const WordList& word_list() const { return list_; }
    const UsedRecord& used_record() const { return record_; }

private:
    WordList list_;
    UsedRecord record_;
};

// The letters in a random order; may by chance be the word itself.
std::vector<std::string> scramble_letters(EventPump& pump, RandomSource& random, const std::vector<std::string>& letters);

} // namespace quarn
