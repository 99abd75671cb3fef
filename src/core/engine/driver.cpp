// The seat loop every game runs on, the turn counter and the score tally.
#include "engine/driver.h"

#include "board/letter_grid.h"
#include "platform/convert.h"
#include "quarn.h"
#include "scores/high_scores.h"
#include "shell/main_menu.h"

#include <algorithm>

namespace quarn {

namespace {

// Longest time the tally may take, so that a big score counts up visibly but
// never keeps the players waiting, on any machine.
constexpr std::int64_t longest_tally_ms = 2000;
// One point per millisecond below that.
constexpr std::int64_t tally_ms_per_point = 1;

void advance(Quarn& q, const GameRules& rules) {
    PlayState& s = q.state;
    ++s.current_player;
    if (s.current_player == seat_count) {
        s.current_player = 0;
        ++s.round_number;
        if (s.round_number == 4) enter_high_scores(q, game_entry(rules.kind()));
    }
    s.clicks_made = 0;
}

void play_turn(Quarn& q, GameRules& rules) {
    PlayState& s = q.state;
    GameScreenModel& screen = q.form_game_screen;
    const std::string& name = screen.names[static_cast<std::size_t>(s.current_player)];
    screen.turn_caption = name + "'s turn";
    q.pump.message("Are you ready " + name);
    clear_found_list(q);
    rules.set_up_turn(q);
    // Nothing clicked before the turn began can become its first pick.
    s.clicked_cell = -1;
    s.turn_running = true;
    while (s.turn_time_left >= 0 && !s.turn_done && !s.quit_requested) {
        rules.before_events(q);
        q.pump.wait();
        take_pick(s, screen, rules.kind());
        swap_picked(s, screen, rules.kind());
        rules.after_events(q);
    }
    s.turn_running = false;
    // A single pick still waiting is abandoned, whatever ended the turn.
    restore_borders(screen);
    rules.end_turn(q);
}

void game_over(Quarn& q) {
    if (!q.state.game_abandoned) {
        show_winner(q);
        while (q.form_winner.visible) q.pump.wait();
    }
    q.form_game_screen.check_enabled = false;
    q.pump.message("GAME OVER");
}

} // namespace

void run_game(Quarn& q, GameRules& rules) {
    PlayState& s = q.state;
    rules.start(q);
    for (;;) {
        if (s.game_time_left < 0 && s.current_player <= 0) {
            if (!s.quit_requested) game_over(q);
            break;
        }
        if (s.quit_requested) break;
        rules.begin_pass(q);
        write_round_caption(q);
        s.turn_done = false;
        if (!q.form_game_screen.names[static_cast<std::size_t>(s.current_player)].empty()) play_turn(q, rules);
        advance(q, rules);
    }
    rules.finish(q);
    reset(q);
}

void write_round_caption(Quarn& q) {
    q.form_game_screen.round_caption = "Round " + to_signed_text(q.state.round_number + 1);
}

void clear_found_list(Quarn& q) { q.form_show_score.found_list.clear(); }

void score_timer_tick(Quarn& q) {
    PlayState& s = q.state;
    std::string& counter = q.form_game_screen.counter;
    // The counter stops one below zero: it keeps showing "Time Up !" however
    // long a box keeps the game waiting, and never wraps round.
    if (s.turn_time_left < 0) {
        counter = "Time Up !";
        return;
    }
    counter = to_text(s.turn_time_left);
    --s.turn_time_left;
    if (s.turn_time_left < 0) counter = "Time Up !";
}

void tally_score(Quarn& q) {
    PlayState& s = q.state;
    const int points = s.turn_time_left;
    if (points <= 0) return;
    std::string& score = q.form_game_screen.scores[static_cast<std::size_t>(s.current_player)];
    const std::int64_t duration = std::min<std::int64_t>(points * tally_ms_per_point, longest_tally_ms);
    const std::int64_t start = q.pump.now_ms();
    for (int step = 1; step <= points; ++step) {
        // A seat's score is held within the range the tables can store.
        score = to_text(clamp_int16(static_cast<long long>(text_to_number(score)) + 1));
        const std::int64_t due = start + duration * step / points;
        if (q.pump.now_ms() < due)
            q.pump.wait_until(due);
        else
            q.pump.yield();
    }
}

void show_turn_result(Quarn& q, int points) {
    q.state.score_ok_clicked = false;
    q.form_show_score.show();
    q.form_show_score.bonus = to_text(points);
    while (!q.state.score_ok_clicked) q.pump.wait();
}

} // namespace quarn
