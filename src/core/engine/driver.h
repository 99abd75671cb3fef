// The turn and round driver shared by the four games: seats in turn, round
// after round, until the game clock has run out at the start of a round or the
// players quit; then the winner, "GAME OVER", saving and the reset.
#pragma once
#include "state/catalogue.h"

namespace quarn {

struct Quarn;

// What each game plugs into the driver.
class GameRules {
public:
    explicit GameRules(GameKind kind) : kind_(kind) {}
    virtual ~GameRules() = default;
    GameKind kind() const { return kind_; }

    // Before the seat loop: captions, timer interval, word list, high scores.
    virtual void start(Quarn& q) = 0;
    // Start of every pass of the seat loop, empty seats too, before the seat
    // is looked at.
    virtual void begin_pass(Quarn& q) = 0;
    // A named seat's board and counter.
    virtual void set_up_turn(Quarn& q) = 0;
    // Work of the waiting loop before and after each pump call.
    virtual void before_events(Quarn&) {}
    virtual void after_events(Quarn&) {}
    virtual void end_turn(Quarn& q) = 0;
    // On leaving the seat loop, before the reset.
    virtual void finish(Quarn& q) = 0;

private:
    GameKind kind_;
};

void run_game(Quarn& q, GameRules& rules);

// The caption of the round label: "Round  1".
void write_round_caption(Quarn& q);
void clear_found_list(Quarn& q);
// score_timer: the turn counter and "Time Up !".
void score_timer_tick(Quarn& q);
// Counts the turn's points onto the current seat's score, one at a time.
void tally_score(Quarn& q);
// Turn result window: show the points, wait for OK.
void show_turn_result(Quarn& q, int points);

} // namespace quarn
