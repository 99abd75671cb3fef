// The board's pick-and-swap rule: a click is remembered, the turn loop takes
// it up as a pick, and every second pick exchanges the two letters recorded at
// pick time, followed by the game's colour step on the second cell. And the
// reading of the board's runs that every check starts from.
#pragma once
#include "board/game_screen.h"
#include "platform/letters.h"
#include "state/play_state.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quarn {

// What a game decides about picks and swaps on its board.
class CellRules {
public:
    virtual ~CellRules() = default;
    // Whether a waiting click on this cell may become a pick; a refused click
    // stays waiting and is looked at again on the next pass.
    virtual bool may_pick(const Cell&) const { return true; }
    // What a swap does to the colour of the second picked cell.
    virtual void colour_step(Cell&) const {}
};

// The click of cell i: remembered only inside a turn while its counter is
// above 0; a later click replaces one that is still waiting.
void cell_clicked(PlayState& state, int cell);

// Takes up the waiting click as a pick, if the game allows it.
void take_pick(PlayState& state, GameScreenModel& screen, const CellRules& rules);

// After the second pick: exchange, colour step, frames back, ready for the next pair.
void swap_picked(PlayState& state, GameScreenModel& screen, const CellRules& rules);

void restore_borders(GameScreenModel& screen);

// Every cell empty and light grey.
void blank_grid(GameScreenModel& screen);

// Reads the board's runs the way every check numbers them: each row from the
// left, then each column from the top, a letter a cell. A cell that is no
// part of a run, and every line end, closes the run being built and opens
// the next, so the result holds the runs among empty places, the last run
// still open at the end. letter_of gives what a cell adds to its run, or
// nothing when the cell closes it; at_line_end, if given, is told the number
// and text of the run open at each of the 18 line ends.
std::vector<LetterText> read_runs(const Cells& cells,
                                  const std::function<std::optional<std::string>(const Cell&)>& letter_of,
                                  const std::function<void(std::size_t, const std::string&)>& at_line_end = {});

} // namespace quarn
