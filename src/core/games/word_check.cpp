// The word check of Anagrams and Crossword and the scramble of their letters.
#include "games/word_check.h"

#include "engine/driver.h"
#include "games/games.h"
#include "platform/convert.h"
#include "quarn.h"
#include "scores/high_scores.h"
#include "state/catalogue.h"

namespace quarn {

namespace {

// Reads every maximal run of filled cells, rows first (left to right), then
// columns (top to bottom), each line end closing the run.
void read_filled_runs(Quarn& q) {
    PlayState& s = q.state;
    const auto& cells = q.form_game_screen.cells;
    std::size_t k = 0;
    auto visit = [&](int cell) {
        const std::string& text = cells[static_cast<std::size_t>(cell)].text;
        if (!text.empty())
            s.grid_runs[k] += text;
        else
            ++k;
    };
    for (int row = 0; row < grid_rows; ++row) {
        for (int col = 0; col < grid_columns; ++col) visit(row * grid_columns + col);
        ++k;
    }
    for (int col = 0; col < grid_columns; ++col) {
        for (int row = 0; row < grid_rows; ++row) visit(row * grid_columns + col);
        ++k;
    }
}

} // namespace

std::string scramble_letters(Quarn& q, const std::string& word) {
    auto& order = q.state.scramble_order;
    const int places = static_cast<int>(word.size()) + 1;
    for (int i = 0; i < places; ++i) {
        bool taken = false;
        do {
            order[static_cast<std::size_t>(i)] = choose_1_to_n(q.random, places);
            taken = false;
            for (int j = 0; j < i && !taken; ++j) {
                taken = order[static_cast<std::size_t>(j)] == order[static_cast<std::size_t>(i)];
                q.pump.yield();
            }
        } while (taken);
    }
    std::string letters;
    for (int i = 0; i < places; ++i) {
        int position = order[static_cast<std::size_t>(i)];
        if (position <= static_cast<int>(word.size())) letters += word[static_cast<std::size_t>(position - 1)];
    }
    return letters;
}

// Draws an unused entry, scrambles it and lays it out from the top-left cell.
static void lay_out_drawn_entry(Quarn& q, const WordList& list, UsedRecord& record) {
    // "Play Game" refuses a list with nothing to draw, so a turn always has one.
    const std::optional<int> p = pick_word(list, record, q.random);
    const std::string& word = p ? list.entries[static_cast<std::size_t>(*p)] : std::string();
    q.state.word_length = static_cast<int>(word.size());
    q.random.seed_from_clock();
    std::string letters = scramble_letters(q, word);
    auto& cells = q.form_game_screen.cells;
    for (Cell& cell : cells) cell.text.clear();
    for (std::size_t i = 0; i < letters.size() && i < cells.size(); ++i) cells[i].text = std::string(1, letters[i]);
}

void DrawnEntryGame::start(Quarn& q) {
    q.form_game_screen.counter_heading = setting_.counter_heading;
    q.form_game_screen.score_timer.set_interval(setting_.counter_interval_ms);
    q.form_game_screen.check_enabled = true;
    q.state.current_player = 0;
    if (setting_.yield_before_table) q.pump.yield();
    load_high_scores(q, game_entry(kind()));
    sort_high_scores(q);
}

void DrawnEntryGame::begin_pass(Quarn& q) { q.form_game_screen.check_enabled = true; }

void DrawnEntryGame::set_up_turn(Quarn& q) {
    lay_out_drawn_entry(q, setting_.list, setting_.record);
    q.state.turn_time_left = setting_.turn_start;
    q.form_game_screen.score_timer.set_enabled(true);
}

void DrawnEntryGame::finish(Quarn& q) { save_used_record(q, setting_.record, setting_.record_file); }

void save_used_record(Quarn& q, const UsedRecord& record, std::string_view file_name) {
    WriteError error = record.save(q.file(file_name));
    if (!error.empty())
        q.pump.message("The used-word record could not be saved to " + std::string(file_name) + " (" + error +
                       "). The file keeps its old marks.");
}

void check_words(Quarn& q) {
    PlayState& s = q.state;
    GameScreenModel& screen = q.form_game_screen;
    const bool anagrams = is_game(s.game_type, GameKind::anagrams);
    screen.check_enabled = false;
    s.grid_runs.assign(1001, std::string());
    s.found_words.clear();
    read_filled_runs(q);
    for (const std::string& run : s.grid_runs)
        if (run.size() > 1) s.found_words.push_back(run);

    if (!s.quit_requested) q.form_checking_words.show();
    q.pump.yield();
    int matched = 0;
    s.turn_done = false;
    bool stop = false;
    for (std::size_t i = 0; i < s.found_words.size() && !stop; ++i) {
        const std::string& candidate = s.found_words[i];
        for (std::size_t slot : q.dictionary_words.exact(candidate)) {
            (void)slot;
            ++matched;
            s.turn_done = true;
            if (anagrams && static_cast<int>(candidate.size()) != s.word_length) {
                q.pump.message("Don't Cheat - You must use all the letters");
                s.turn_done = false;
                stop = true;
            }
            if (!anagrams) q.form_show_score.found_list.push_back(candidate);
            q.pump.yield();
            if (stop) break;
        }
    }
    q.form_checking_words.hide();

    if (s.turn_done && (anagrams || is_game(s.game_type, GameKind::crossword))) {
        screen.score_timer.set_enabled(false);
        // Anagrams scores the points the counter shows; Crossword 50 a word.
        s.turn_time_left = anagrams ? s.turn_time_left + 1 : clamp_int16(50LL * matched);
        show_turn_result(q, s.turn_time_left);
        tally_score(q);
        q.form_show_score.hide();
    }
    screen.check_enabled = true;
}

} // namespace quarn
