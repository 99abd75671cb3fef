// Picks and swaps on the letter grid, and the runs read off it.
#include "board/letter_grid.h"

namespace quarn {

void cell_clicked(PlayState& state, int cell) {
    if (cell < 0 || cell >= cell_count) return;
    if (state.check_requested) {
        state.click_after_check = cell;
        return;
    }
    if (state.turn_running && !state.turn_done && state.turn_time_left > 0) {
        state.clicked_cell = cell;
        state.pick_refused = false;
    }
}

void take_pick(PlayState& state, GameScreenModel& screen, const CellRules& rules) {
    if (state.clicked_cell < 0) return;
    Cell& cell = screen.cells[static_cast<std::size_t>(state.clicked_cell)];
    if (!rules.may_pick(cell)) {
        state.pick_refused = true;
        return;
    }
    if (state.clicks_made >= 2) return; // a pair is always swapped in the pass that completes it
    cell.framed = false;
    ++state.clicks_made;
    state.cell_letters[static_cast<std::size_t>(state.clicks_made)] = cell.text;
    state.picked_cells[static_cast<std::size_t>(state.clicks_made)] = state.clicked_cell;
    state.clicked_cell = -1;
}

void swap_picked(PlayState& state, GameScreenModel& screen, const CellRules& rules) {
    if (state.clicks_made != 2) return;
    Cell& first = screen.cells[static_cast<std::size_t>(state.picked_cells[1])];
    Cell& second = screen.cells[static_cast<std::size_t>(state.picked_cells[2])];
    // The letters recorded when each cell was picked, not what they show now.
    first.text = state.cell_letters[2];
    second.text = state.cell_letters[1];
    rules.colour_step(second);
    restore_borders(screen);
    state.clicks_made = 0;
}

void restore_borders(GameScreenModel& screen) {
    for (Cell& cell : screen.cells) cell.framed = true;
}

void blank_grid(GameScreenModel& screen) {
    for (Cell& cell : screen.cells) {
        cell.text.clear();
        cell.background = colours::light_grey;
    }
}

std::vector<LetterText> read_runs(const Cells& cells,
                                  const std::function<std::optional<std::string>(const Cell&)>& letter_of,
                                  const std::function<void(std::size_t, const std::string&)>& at_line_end) {
    std::vector<LetterText> runs(1);
    auto visit = [&](int index) {
        if (std::optional<std::string> letter = letter_of(cells[static_cast<std::size_t>(index)]))
            runs.back().append(*letter);
        else
            runs.emplace_back();
    };
    // A run never continues from the end of one line into the next.
    auto end_line = [&] {
        if (at_line_end) at_line_end(runs.size() - 1, runs.back().text);
        runs.emplace_back();
    };
    for (int row = 0; row < grid_rows; ++row) {
        for (int column = 0; column < grid_columns; ++column) visit(row * grid_columns + column);
        end_line();
    }
    for (int column = 0; column < grid_columns; ++column) {
        for (int row = 0; row < grid_rows; ++row) visit(row * grid_columns + column);
        end_line();
    }
    return runs;
}

} // namespace quarn
