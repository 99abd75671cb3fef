// The event pump the game procedures run on. They are written as sequential
// code that calls the pump in every waiting loop; the pump delivers clicks and
// timer ticks in between. The program runs on a Qt pump, tests on a simulated
// clock.
#pragma once
#include "platform/text.h"

#include <cstdint>
#include <functional>
#include <string>

namespace quarn {

class Timer;

// Whoever drives the timers is told when one is switched or retimed.
class TimerHost {
public:
    virtual ~TimerHost() = default;
    virtual void timer_changed(Timer& timer) = 0;
};

// A repeating timer. Switching it on (from off) or changing its interval
// restarts its countdown; ticks keep coming while a modal box is open.
class Timer {
public:
    Timer(int interval_ms, std::function<void()> on_tick) : interval_ms_(interval_ms), on_tick_(std::move(on_tick)) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool enabled() const { return enabled_; }
    int interval_ms() const { return interval_ms_; }
    void set_enabled(bool on);
    void set_interval(int ms);
    // Called by the host at every expiry.
    void fire() {
        if (on_tick_) on_tick_();
    }

    void attach(TimerHost* host) { host_ = host; }

private:
    bool enabled_ = false;
    int interval_ms_;
    std::function<void()> on_tick_;
    TimerHost* host_ = nullptr;
};

class EventPump : public TimerHost {
public:
    // Handle every pending event (clicks, ticks) and return at once.
    virtual void yield() = 0;
    // Like yield(), but sleep until something happens when nothing is pending.
    virtual void wait() = 0;
    // Handle events until the pump's clock reaches the given time.
    virtual void wait_until(std::int64_t time_ms) = 0;
    // Milliseconds on the pump's own clock.
    virtual std::int64_t now_ms() const = 0;
    // Puts the windows shown so far on the screen, drawn, before a step that
    // handles no events for a while. Clicks that come meanwhile wait for the
    // next yield() or wait().
    virtual void show_windows_now() = 0;

    // Modal box titled "Quarn" with the exclamation icon and OK.
    virtual void message(const Text& text) = 0;
    // Modal box titled "Quarn" with the question icon, Yes and No; true for Yes.
    virtual bool ask_yes_no(const Text& text) = 0;
    virtual void beep() = 0;
    // Ends the program at once; nothing is saved.
    [[noreturn]] virtual void end_program() = 0;
    // Shows the text in an error box and ends the program.
    [[noreturn]] virtual void fatal(const Text& text) = 0;

    // Makes the pump drive this timer for the rest of the run.
    virtual void add_timer(Timer& timer) {
        timer.attach(this);
        timer_changed(timer);
    }
};

} // namespace quarn
