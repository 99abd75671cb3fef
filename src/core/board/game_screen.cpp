// The play window's handlers: its load, the game clock, the check and Exit buttons.
#include "board/game_screen.h"

#include "platform/convert.h"

namespace quarn {

namespace {
// Whole hours, rounded down, so that -1 minutes shows as it would on the clock.
int floor_hours(int minutes) { return minutes >= 0 ? minutes / 60 : -((-minutes + 59) / 60); }
} // namespace

void game_screen_load(PlayState& state, GameScreenModel& screen) {
    screen.created = true;
    screen.game_timer.set_enabled(true);
    screen.score_timer.set_enabled(true);
    state.clicked_cell = -1;
    state.clicks_made = 0;
    state.clock_seconds = 1;
}

void game_clock_tick(PlayState& state, GameScreenModel& screen) {
    --state.clock_seconds;
    screen.bar_value = state.game_time_left;
    if (state.clock_seconds == 0) {
        --state.game_time_left;
        int hours = floor_hours(state.game_time_left);
        screen.clock_hours = to_text(hours);
        screen.clock_minutes = to_text(state.game_time_left - 60 * hours);
        state.clock_seconds = 59;
    }
    screen.clock_seconds = to_text(state.clock_seconds);
    if (state.game_time_left == -1) {
        screen.game_timer.set_enabled(false);
        screen.clock_hours = screen.clock_minutes = screen.clock_seconds = "0";
    }
}

void check_clicked(PlayState& state, const GameScreenModel& screen) {
    if (state.turn_running && screen.check_enabled) state.check_requested = true;
}

bool confirm_exit(EventPump& pump, PlayState& state, GameScreenModel& screen) {
    if (!pump.ask_yes_no(say("Are you sure you want to Quit"))) return false;
    screen.hide();
    state.quit_requested = true;
    return true;
}

} // namespace quarn
