// The seat loop every game runs on, the turn counter and the score tally.
#include "engine/driver.h"

#include "board/letter_grid.h"
#include "platform/convert.h"
#include "scores/high_scores.h"

#include <algorithm>
#include <utility>

namespace quarn {

namespace {

// Longest time the tally may take, so that a big score counts up visibly but
// never keeps the players waiting, on any machine.
constexpr std::int64_t longest_tally_ms = 2000;
// One point per millisecond below that.
constexpr std::int64_t tally_ms_per_point = 1;

void start_game(Stage& stage, GameRules& rules) {
    const GameSettings& game = rules.settings();
    GameScreenModel& screen = stage.screen;
    screen.counter_heading = Text(game.counter_heading);
    screen.score_timer.set_interval(game.tick_ms);
    screen.check_enabled = game.uses_check_button;
    stage.state.current_player = 0;
    rules.start(stage);
    load_high_scores(screen.high_scores, stage.file(game.high_score_file));
    sort_high_scores(screen.high_scores);
}

void play_turn(Stage& stage, GameRules& rules) {
    PlayState& s = stage.state;
    GameScreenModel& screen = stage.screen;
    const std::string& name = screen.names[static_cast<std::size_t>(s.current_player)];
    screen.turn_caption = say("%1's turn", name);
    stage.pump.message(say("Are you ready %1", name));
    stage.result.found_list.clear();
    rules.set_up_turn(stage);
    s.turn_time_left = rules.settings().turn_start;
    screen.score_timer.set_enabled(true);

    // No click from before the turn is its first pick, not even one that Pick
    // 'N Mix refused in the last turn and left waiting.
    s.clicked_cell = s.click_after_check = -1;
    s.pick_refused = false;
    s.check_requested = false;
    s.turn_running = true;
    while (s.turn_time_left >= 0 && !s.turn_done && !s.quit_requested) {
        rules.before_events(stage);
        stage.pump.wait();
        // A press of the check button is acted on before any pick of the same
        // pass, as if the check had run the moment the button was pressed.
        if (std::exchange(s.check_requested, false)) {
            rules.check_pressed(stage);
            const int late_click = std::exchange(s.click_after_check, -1);
            if (late_click >= 0) cell_clicked(s, late_click);
        }
        take_pick(s, screen, rules);
        swap_picked(s, screen, rules);
        rules.after_events(stage);
    }
    s.turn_running = false;
    // A single pick still waiting is abandoned, whatever ended the turn.
    restore_borders(screen);
    rules.end_turn(stage);
}

void advance(Stage& stage, const GameRules& rules) {
    PlayState& s = stage.state;
    ++s.current_player;
    if (s.current_player == seat_count) {
        s.current_player = 0;
        ++s.round_number;
        if (s.round_number == high_score_round)
            enter_high_scores(stage.pump, stage.dates, stage.screen, stage.new_hiscore,
                              stage.file(rules.settings().high_score_file));
    }
    s.clicks_made = 0;
}

void game_over(Stage& stage) {
    show_winner(stage.screen, stage.winner);
    while (stage.winner.visible) stage.pump.wait();
    stage.screen.check_enabled = false;
    stage.pump.message(say("GAME OVER"));
}

} // namespace

void run_game(Stage& stage, GameRules& rules) {
    PlayState& s = stage.state;
    GameScreenModel& screen = stage.screen;
    start_game(stage, rules);
    for (;;) {
        // The game ends only at the start of a round: after the clock has run
        // out, the seats after the current one still have their turns.
        if (s.game_time_left < 0 && s.current_player <= 0) {
            if (!s.quit_requested) game_over(stage);
            break;
        }
        if (s.quit_requested) break;
        if (rules.settings().uses_check_button) screen.check_enabled = true;
        rules.begin_pass(stage);
        screen.round_caption = say("Round %1", to_signed_text(s.round_number + 1));
        s.turn_done = false;
        if (!screen.names[static_cast<std::size_t>(s.current_player)].empty()) play_turn(stage, rules);
        advance(stage, rules);
    }
    rules.finish(stage);
}

void score_timer_tick(PlayState& state, GameScreenModel& screen) {
    // The counter stops one below zero: it keeps showing "Time Up !" however
    // long a box keeps the game waiting, and never wraps round.
    if (state.turn_time_left < 0) {
        screen.counter = say("Time Up !");
        return;
    }
    screen.counter = Text::as_is(to_text(state.turn_time_left));
    --state.turn_time_left;
    if (state.turn_time_left < 0) screen.counter = say("Time Up !");
}

void tally_score(EventPump& pump, const PlayState& state, GameScreenModel& screen) {
    const int points = state.turn_time_left;
    if (points <= 0) return;
    std::string& score = screen.scores[static_cast<std::size_t>(state.current_player)];
    const std::int64_t duration = std::min<std::int64_t>(points * tally_ms_per_point, longest_tally_ms);
    const std::int64_t start = pump.now_ms();
    screen.tally_seat = state.current_player;
    for (int step = 1; step <= points; ++step) {
        // A seat's score is held within the range the tables can store.
        score = to_text(clamp_int16(static_cast<long long>(text_to_number(score)) + 1));
        const std::int64_t due = start + duration * step / points;
        // Behind time (a display that takes a frame to draw each point, as a
        // Wayland compositor does) the count runs on to where it should be
        // without drawing every point, so that it never takes longer.
        if (pump.now_ms() < due) pump.wait_until(due);
    }
    screen.tally_seat = -1;
}

void show_turn_result(EventPump& pump, PlayState& state, ShowScoreModel& result, int points) {
    state.score_ok_clicked = false;
    result.show();
    result.bonus = to_text(points);
    while (!state.score_ok_clicked) pump.wait();
}

} // namespace quarn
