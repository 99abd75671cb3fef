// The simulated pump.
#include "sim_pump.h"

#include <algorithm>
#include <limits>

namespace quarn::test {

namespace {
constexpr std::int64_t never = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t yield_cost_us = 10; // a pass of a loop costs a little time
} // namespace

void SimPump::at(std::int64_t time_ms, std::function<void()> action) {
    actions_.emplace(std::make_pair(time_ms * 1000, sequence_++), std::move(action));
}

void SimPump::timer_changed(Timer& timer) {
    auto slot = std::find_if(timers_.begin(), timers_.end(), [&](const TimerSlot& s) { return s.timer == &timer; });
    if (slot == timers_.end()) slot = timers_.insert(timers_.end(), TimerSlot{&timer, -1});
    slot->due_us = timer.enabled() ? now_us_ + timer.interval_ms() * 1000LL : -1;
}

std::int64_t SimPump::next_due_us() const {
    std::int64_t next = never;
    for (const TimerSlot& slot : timers_)
        if (slot.due_us >= 0 && slot.due_us < next) next = slot.due_us;
    if (!in_box_ && !actions_.empty()) next = std::min(next, actions_.begin()->first.first);
    return next;
}

// Runs everything due by now; true when anything ran.
bool SimPump::run_due() {
    bool ran = false;
    for (;;) {
        TimerSlot* due_timer = nullptr;
        std::int64_t due = never;
        for (TimerSlot& slot : timers_) {
            if (slot.due_us >= 0 && slot.due_us <= now_us_ && slot.due_us < due) {
                due = slot.due_us;
                due_timer = &slot;
            }
        }
        bool action_due = !in_box_ && !actions_.empty() && actions_.begin()->first.first <= now_us_;
        if (action_due && actions_.begin()->first.first <= due) {
            auto action = std::move(actions_.begin()->second);
            actions_.erase(actions_.begin());
            action();
        } else if (due_timer != nullptr) {
            due_timer->due_us = due + due_timer->timer->interval_ms() * 1000LL;
            due_timer->timer->fire();
        } else {
            return ran;
        }
        ran = true;
    }
}

void SimPump::yield() {
    now_us_ += yield_cost_us;
    run_due();
}

void SimPump::wait() {
    if (run_due()) return;
    const std::int64_t next = next_due_us();
    // Two days of virtual time: a game that will never end.
    if (next == never || next > 48LL * 3600 * 1000 * 1000) throw std::runtime_error("the program waits for ever");
    now_us_ = std::max(now_us_, next);
    run_due();
}

void SimPump::wait_until(std::int64_t time_ms) {
    const std::int64_t target = time_ms * 1000;
    while (now_us_ < target) {
        std::int64_t next = std::min(next_due_us(), target);
        now_us_ = std::max(now_us_, next);
        run_due();
    }
    run_due();
}

SimPump::Answer SimPump::answer(const std::string& text, bool question) {
    boxes.push_back({text, question});
    Answer reply = box_handler_ ? box_handler_(text) : Answer{};
    // Timers keep ticking while the box is open; the player's other actions wait.
    in_box_ = true;
    wait_until(now_ms() + reply.after_ms);
    in_box_ = false;
    return reply;
}

void SimPump::fatal(const Text& text) {
    boxes.push_back({text.english(), false});
    throw SimFatal(text.english());
}

std::vector<std::string> SimPump::box_texts() const {
    std::vector<std::string> texts;
    for (const Box& box : boxes) texts.push_back(box.text);
    return texts;
}

} // namespace quarn::test
