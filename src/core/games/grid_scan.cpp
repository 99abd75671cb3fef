// The grid word scan of Mix 'N Match and Pick 'N Mix: every dictionary word
// inside a run of white cells scores 50 points a letter, words inside words
// included.
#include "engine/driver.h"
#include "games/games.h"
#include "platform/convert.h"
#include "platform/text_file.h"
#include "quarn.h"

namespace quarn {

namespace {

// An empty white cell reads as a character no word holds, so that no word
// is found across it.
constexpr char empty_white_cell = '!';

// The log line of one run or word: " 12 cat".
std::string log_line(std::size_t index, std::string_view text) {
    return plain_line(plain_number(static_cast<long long>(index)).append(text));
}

} // namespace

void check_grid_words(Quarn& q, bool write_logs) {
    PlayState& s = q.state;
    const auto& cells = q.form_game_screen.cells;
    s.grid_runs.assign(1001, std::string());
    q.form_checking_words.show();

    std::string runs_log;
    std::size_t k = 0;
    auto visit = [&](int cell) {
        const Cell& c = cells[static_cast<std::size_t>(cell)];
        if (c.background == colours::white)
            s.grid_runs[k] += c.text.empty() ? std::string(1, empty_white_cell) : c.text;
        else
            ++k;
    };
    auto end_line = [&] {
        if (write_logs) runs_log += log_line(k, s.grid_runs[k]);
        ++k;
    };
    for (int row = 0; row < grid_rows; ++row) {
        for (int col = 0; col < grid_columns; ++col) visit(row * grid_columns + col);
        end_line();
    }
    for (int col = 0; col < grid_columns; ++col) {
        for (int row = 0; row < grid_rows; ++row) visit(row * grid_columns + col);
        end_line();
    }
    // The logs are a record of the last scan for whoever looks; a failure to
    // write them must not stop the game.
    if (write_logs) (void)write_file(q.file("test.txt"), runs_log);

    long long score = 0;
    s.found_words.clear();
    std::string words_log;
    for (std::size_t i = 0; i <= k; ++i) {
        q.pump.yield();
        for (std::size_t slot : q.dictionary_words.contained_in(s.grid_runs[i])) {
            const std::string_view word = q.dictionary_words.word(slot);
            if (write_logs) words_log += log_line(s.found_words.size(), word);
            s.found_words.emplace_back(word);
            q.form_show_score.found_list.emplace_back(word);
            score += 50LL * static_cast<long long>(word.size());
        }
    }
    if (write_logs) (void)write_file(q.file("test1.txt"), words_log);
    // The turn score is held within the range a table can store.
    s.turn_time_left = clamp_int16(score);
    q.form_checking_words.hide();

    show_turn_result(q, s.turn_time_left);
    q.form_show_score.hide();
    tally_score(q);
}

} // namespace quarn
