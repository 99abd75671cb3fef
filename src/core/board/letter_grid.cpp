// Picks and swaps on the letter grid.
#include "letter_grid.h"

namespace quarn {

void cell_clicked(PlayState& state, int cell) {
    if (cell < 0 || cell >= cell_count) return;
    if (state.turn_running && state.turn_time_left > 0) state.clicked_cell = cell;
}

void take_pick(PlayState& state, GameScreenModel& screen, GameKind game) {
    if (state.clicked_cell < 0) return;
    Cell& cell = screen.cells[static_cast<std::size_t>(state.clicked_cell)];
    if (game == GameKind::pick_n_mix && cell.background == colours::white) return;
    if (state.clicks_made >= 2) return; // a pair is always swapped in the pass that completes it
    cell.framed = false;
    ++state.clicks_made;
    state.cell_letters[static_cast<std::size_t>(state.clicks_made)] = cell.text;
    state.picked_cells[static_cast<std::size_t>(state.clicks_made)] = state.clicked_cell;
    state.clicked_cell = -1;
}

void swap_picked(PlayState& state, GameScreenModel& screen, GameKind game) {
    if (state.clicks_made != 2) return;
    Cell& first = screen.cells[static_cast<std::size_t>(state.picked_cells[1])];
    Cell& second = screen.cells[static_cast<std::size_t>(state.picked_cells[2])];
    first.text = state.cell_letters[2];
    second.text = state.cell_letters[1];
    if (game == GameKind::mix_n_match)
        second.background = second.background == colours::white ? colours::light_grey : colours::white;
    else if (game == GameKind::pick_n_mix)
        second.background = colours::white;
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

} // namespace quarn
