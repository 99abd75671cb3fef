// The play window's handlers: load, game clock, check, Exit, grid clicks.
#include "board/play_window.h"

#include "board/letter_grid.h"
#include "games/games.h"
#include "platform/convert.h"
#include "quarn.h"

namespace quarn {

namespace {
// Whole hours, rounded down, so that -1 minutes shows as it would on the clock.
int floor_hours(int minutes) { return minutes >= 0 ? minutes / 60 : -((-minutes + 59) / 60); }
} // namespace

void play_window_load(Quarn& q) {
    GameScreenModel& screen = q.form_game_screen;
    screen.created = true;
    screen.game_timer.set_enabled(true);
    screen.score_timer.set_enabled(true);
    q.state.clicked_cell = -1;
    q.state.clicks_made = 0;
    q.state.clock_seconds = 1;
}

void game_clock_tick(Quarn& q) {
    PlayState& s = q.state;
    GameScreenModel& screen = q.form_game_screen;
    --s.clock_seconds;
    screen.bar_value = s.game_time_left;
    if (s.clock_seconds == 0) {
        --s.game_time_left;
        int hours = floor_hours(s.game_time_left);
        screen.clock_hours = to_text(hours);
        screen.clock_minutes = to_text(s.game_time_left - 60 * hours);
        s.clock_seconds = 59;
    }
    screen.clock_seconds = to_text(s.clock_seconds);
    if (s.game_time_left == -1) {
        screen.game_timer.set_enabled(false);
        screen.clock_hours = screen.clock_minutes = screen.clock_seconds = "0";
    }
}

void check_clicked(Quarn& q) {
    if (!q.state.turn_running || !q.form_game_screen.check_enabled) return;
    const std::string& key = q.state.game_type;
    if (is_game(key, GameKind::crossword) || is_game(key, GameKind::anagrams)) check_words(q);
    if (is_game(key, GameKind::pick_n_mix) || is_game(key, GameKind::mix_n_match)) q.state.turn_time_left = -1;
}

void exit_clicked(Quarn& q) {
    if (!q.pump.ask_yes_no("Are you sure you want to Quit")) return;
    q.form_game_screen.hide();
    q.form_options.show();
    q.state.quit_requested = true;
    q.state.game_abandoned = true;
}

void grid_clicked(Quarn& q, int cell) { cell_clicked(q.state, cell); }

} // namespace quarn
