// A pump on a virtual clock for tests: timers fire at their virtual deadlines,
// wait() jumps straight to the next deadline or scripted action, and modal
// boxes are answered by the test's script after a chosen virtual delay, with
// every box recorded.
#pragma once
#include "platform/event_pump.h"

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace quarn::test {

struct SimFatal : std::runtime_error {
    using std::runtime_error::runtime_error;
};
struct SimProgramEnded : std::runtime_error {
    SimProgramEnded() : std::runtime_error("program ended") {}
};

class SimPump final : public EventPump {
public:
    // How the scripted player answers a box: after how long, and Yes or No.
    struct Answer {
        std::int64_t after_ms = 300;
        bool yes = true;
    };
    using BoxHandler = std::function<Answer(const std::string& text)>;
    struct Box {
        std::string text;
        bool question = false;
    };

    void on_box(BoxHandler handler) { box_handler_ = std::move(handler); }
    const BoxHandler& box_handler() const { return box_handler_; }
    // Scripted player actions on the virtual clock (held back while a box is open).
    void at(std::int64_t time_ms, std::function<void()> action);
    void after(std::int64_t delay_ms, std::function<void()> action) { at(now_ms() + delay_ms, std::move(action)); }
    // Lets virtual time pass outside any game, as the main event loop would.
    void run_for(std::int64_t ms) { wait_until(now_ms() + ms); }

    void yield() override;
    void wait() override;
    void wait_until(std::int64_t time_ms) override;
    std::int64_t now_ms() const override { return now_us_ / 1000; }
    void message(const Text& text) override { answer(text.english(), false); }
    bool ask_yes_no(const Text& text) override { return answer(text.english(), true).yes; }
    void show_windows_now() override {
        if (on_show_windows_now) on_show_windows_now();
    }
    void beep() override { ++beeps; }
    [[noreturn]] void end_program() override { throw SimProgramEnded(); }
    [[noreturn]] void fatal(const Text& text) override;
    void timer_changed(Timer& timer) override;

    std::vector<Box> boxes;
    std::vector<std::string> box_texts() const;
    int beeps = 0;
    std::function<void()> on_show_windows_now;

private:
    bool run_due();
    std::int64_t next_due_us() const;
    Answer answer(const std::string& text, bool question);

    std::int64_t now_us_ = 0;
    std::int64_t sequence_ = 0;
    bool in_box_ = false;
    struct TimerSlot {
        Timer* timer;
        std::int64_t due_us; // -1: off
    };
    std::vector<TimerSlot> timers_; // the program has a handful
    std::multimap<std::pair<std::int64_t, std::int64_t>, std::function<void()>> actions_;
    BoxHandler box_handler_;
};

} // namespace quarn::test
