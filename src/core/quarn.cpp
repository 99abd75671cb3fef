// Wiring of the timers to their handlers.
#include "quarn.h"

#include "board/play_window.h"
#include "engine/driver.h"
#include "shell/setup_windows.h"
#include "shell/title_animation.h"

namespace quarn {

Quarn::Quarn(Services services)
    : pump(services.pump), random(services.random), dates(services.dates),
      working_directory(std::move(services.working_directory)),
      form_options([this] { title_tick(*this); }),
      form_enter_game_length([this] { read_slider(*this); }),
      form_game_screen([this] { game_clock_tick(*this); }, [this] { score_timer_tick(*this); }) {
    state.grid_runs.assign(1001, std::string());
    for (Timer* timer : {&form_options.timer, &form_enter_game_length.timer, &form_game_screen.game_timer,
                         &form_game_screen.score_timer, &form_new_hiscore.timer, &form_winner.timer})
        pump.add_timer(*timer);
}

} // namespace quarn
