// Player names, game length, About and the instructions.
#include "shell/setup_windows.h"

#include "platform/convert.h"
#include "quarn.h"

#include <algorithm>

namespace quarn {

void names_changed(Quarn& q, int box, std::string text) {
    if (box < 0 || box >= seat_count) return;
    q.form_enter_names.names[static_cast<std::size_t>(box)] = std::move(text);
    q.state.player_count = static_cast<int>(std::count_if(q.form_enter_names.names.begin(),
                                                          q.form_enter_names.names.end(),
                                                          [](const std::string& name) { return !name.empty(); }));
}

void names_exit(Quarn& q) {
    q.form_enter_names.hide();
    q.form_options.show();
}

void slider_moved(Quarn& q, int minutes) {
    q.form_enter_game_length.slider_value =
        std::clamp(minutes, GameLengthModel::slider_minimum, GameLengthModel::slider_maximum);
}

void read_slider(Quarn& q) {
    GameLengthModel& window = q.form_enter_game_length;
    q.state.game_length = window.slider_value;
    int hours = q.state.game_length / 60;
    window.hours = to_text(hours);
    window.minutes = to_text(q.state.game_length - 60 * hours);
}

void game_length_exit(Quarn& q) {
    // The value of the last tick counts, not a fresh reading of the slider.
    q.state.game_time_left = q.state.game_length;
    q.form_enter_game_length.hide();
    q.form_options.show();
}

void about_ok(Quarn& q) { q.frmAbout.hide(); }

void help_ok(Quarn& q) { q.form_help.hide(); }

} // namespace quarn
