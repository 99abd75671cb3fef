// Drawing, scrambling and laying out the entry of a turn, and the record of
// entries drawn.
#include "games/drawn_entry.h"

#include "platform/letters.h"

#include <array>

namespace quarn {

namespace {
// The scramble has one place more than the longest entry a list may hold.
constexpr std::size_t scramble_places = longest_list_entry + 1;
} // namespace

std::vector<std::string> scramble_letters(EventPump& pump, RandomSource& random,
                                         const std::vector<std::string>& word) {
    // L + 1 places take the numbers 1 to L + 1 in a random order; the number
    // past the end of the word stands for no letter.
    std::array<int, scramble_places> order{};
    const int places = static_cast<int>(std::min(word.size() + 1, scramble_places));
    for (int i = 0; i < places; ++i) {
        bool taken = false;
        do {
            order[static_cast<std::size_t>(i)] = choose_1_to_n(random, places);
            taken = false;
            for (int j = 0; j < i && !taken; ++j) {
                taken = order[static_cast<std::size_t>(j)] == order[static_cast<std::size_t>(i)];
                pump.yield();
            }
        } while (taken);
    }
    std::vector<std::string> letters;
    for (int i = 0; i < places; ++i) {
        int position = order[static_cast<std::size_t>(i)];
        if (position <= static_cast<int>(word.size())) letters.push_back(word[static_cast<std::size_t>(position - 1)]);
    }
    return letters;
}

ListState DrawnEntryGame::read_word_list(const std::filesystem::path& folder) {
    if (!list_.load(folder / settings().word_list_file)) return ListState::missing;
    return list_.has_candidate() ? ListState::ready : ListState::nothing_to_draw;
}

void DrawnEntryGame::read_used_record(const std::filesystem::path& folder) {
    record_.load(folder / settings().used_record_file);
}

void DrawnEntryGame::set_up_turn(Stage& stage) {
    // "Play Game" refuses a list with nothing to draw, so a turn always has one.
    const std::optional<int> drawn = pick_word(list_, record_, stage.random);
    const std::vector<std::string> word =
        drawn ? split_letters(list_.entries[static_cast<std::size_t>(*drawn)]) : std::vector<std::string>();
    stage.state.word_length = static_cast<int>(word.size());
    stage.random.seed_from_clock();
    const std::vector<std::string> letters = scramble_letters(stage.pump, stage.random, word);
    Cells& cells = stage.screen.cells;
    for (Cell& cell : cells) cell.text.clear();
    // A letter a cell; a word longer than a row goes on at the start of the next.
    for (std::size_t i = 0; i < letters.size() && i < cells.size(); ++i) cells[i].text = letters[i];
}

namespace {
Text record_not_saved(std::string_view name, const WriteError& error) {
    return say("The used-word record could not be saved to %1 (%2). The file keeps its old marks.", std::string(name),
               error);
}
} // namespace

void DrawnEntryGame::finish(Stage& stage) {
    const std::string_view name = settings().used_record_file;
    WriteError error = record_.save(stage.file(name));
    if (!error.empty()) stage.pump.message(record_not_saved(name, error));
}

} // namespace quarn
