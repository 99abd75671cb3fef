// The look-up the word games' checks share.
#include "games/word_check.h"

namespace quarn {

void look_up_runs(Stage& stage, const std::function<bool(const LetterText& word)>& found) {
    PlayState& s = stage.state;
    stage.screen.check_enabled = false;
    std::vector<LetterText> found_words;
    for (LetterText& run : read_runs(stage.screen.cells, [](const Cell& cell) -> std::optional<std::string> {
             if (cell.text.empty()) return std::nullopt;
             return cell.text;
         }))
        if (run.letters() > 1) found_words.push_back(std::move(run));

    if (!s.quit_requested) stage.checking.show();
    stage.pump.yield();
    s.turn_done = false;
    bool go_on = true;
    for (std::size_t i = 0; i < found_words.size() && go_on; ++i) {
        for (std::size_t slot : stage.dictionary.exact(found_words[i].text)) {
            (void)slot;
            s.turn_done = true;
            go_on = found(found_words[i]);
            stage.pump.yield();
            if (!go_on) break;
        }
    }
    stage.checking.hide();
}

} // namespace quarn
