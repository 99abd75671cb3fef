// Player names and game length.
#include "shell/setup_windows.h"

#include "platform/convert.h"

#include <algorithm>

namespace quarn {

void names_changed(PlayState& state, EnterNamesModel& window, int box, std::string text) {
    if (box < 0 || box >= seat_count) return;
    window.names[static_cast<std::size_t>(box)] = std::move(text);
    state.player_count = static_cast<int>(std::count_if(window.names.begin(), window.names.end(),
                                                        [](const std::string& name) { return !name.empty(); }));
}

void names_exit(EnterNamesModel& window, MainMenuModel& menu) {
    window.hide();
    menu.show();
}

void slider_moved(GameLengthModel& window, int minutes) {
    window.slider_value = std::clamp(minutes, GameLengthModel::slider_minimum, GameLengthModel::slider_maximum);
}

void read_slider(PlayState& state, GameLengthModel& window) {
    state.game_length = window.slider_value;
    int hours = state.game_length / 60;
    window.hours = to_text(hours);
    window.minutes = to_text(state.game_length - 60 * hours);
}

void game_length_exit(PlayState& state, GameLengthModel& window, MainMenuModel& menu) {
    // The value of the last tick counts, not a fresh reading of the slider.
    state.game_time_left = state.game_length;
    window.hide();
    menu.show();
}

} // namespace quarn
