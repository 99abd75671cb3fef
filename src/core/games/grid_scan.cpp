// The grid word scan, its two logs and the turn result it leads to.
#include "games/grid_scan.h"

#include "engine/driver.h"
#include "platform/convert.h"
#include "platform/letters.h"
#include "platform/text_file.h"

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

void check_grid_words(Stage& stage, bool write_logs) {
    stage.checking.show();
    std::string runs_log;
    const std::vector<LetterText> grid_runs = read_runs(
        stage.screen.cells,
        [](const Cell& cell) -> std::optional<std::string> {
            if (cell.background != colours::white) return std::nullopt;
            return cell.text.empty() ? std::string(1, empty_white_cell) : cell.text;
        },
        [&](std::size_t k, const std::string& run) {
            if (write_logs) runs_log += log_line(k, run);
        });
    // The logs are a record of the last scan for whoever looks; a failure to
    // write them must not stop the game.
    if (write_logs) (void)write_file(stage.file("test.txt"), runs_log);

    long long score = 0;
    std::size_t found = 0;
    std::string words_log;
    for (const LetterText& run : grid_runs) {
        stage.pump.yield();
        for (std::size_t slot : stage.dictionary.contained_in(run)) {
            const std::string word(stage.dictionary.word(slot));
            if (write_logs) words_log += log_line(found, word);
            ++found;
            stage.result.found_list.push_back(word);
            score += 50LL * static_cast<long long>(letter_count(word));
        }
    }
    if (write_logs) (void)write_file(stage.file("test1.txt"), words_log);
    // The turn score is held within the range a table can store.
    stage.state.turn_time_left = clamp_int16(score);
    stage.checking.hide();

    show_turn_result(stage.pump, stage.state, stage.result, stage.state.turn_time_left);
    stage.result.hide();
    tally_score(stage.pump, stage.state, stage.screen);
}

} // namespace quarn
