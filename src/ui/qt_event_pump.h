// The event pump the program runs on: the game procedures' waiting loops turn
// into passes of Qt's event loop, the core's timers into QTimers and its boxes
// into QMessageBoxes titled "Quarn".
#pragma once
#include "platform/event_pump.h"

#include <QElapsedTimer>

#include <functional>
#include <memory>
#include <unordered_map>

class QTimer;

namespace quarn::ui {

class QtEventPump final : public EventPump {
public:
    QtEventPump();
    ~QtEventPump() override;
    QtEventPump(const QtEventPump&) = delete;
    QtEventPump& operator=(const QtEventPump&) = delete;

    // What brings every window up to date with its model; run before each pass
    // of the event loop, after every timer tick and before every box.
    void set_renderer(std::function<void()> renderer) { renderer_ = std::move(renderer); }
    void render();

    void yield() override;
    void wait() override;
    void wait_until(std::int64_t time_ms) override;
    std::int64_t now_ms() const override;
    // Waits until every visible window is exposed and painted (or a short
    // while has passed), and shows the busy cursor until the next render.
    void show_windows_now() override;

    void message(const Text& text) override;
    bool ask_yes_no(const Text& text) override;
    void beep() override;
    [[noreturn]] void end_program() override;
    [[noreturn]] void fatal(const Text& text) override;

    void timer_changed(Timer& timer) override;

    // The Qt timer behind a core timer, for tests; null until the core has
    // handed the timer over.
    QTimer* qt_timer(const Timer& timer) const;

    // For tests only: runs the program's clock this many times faster, so that
    // a whole game plays in seconds. Every timer interval and every wait is
    // divided by the factor and now_ms() advances that much faster; timers
    // already handed over are retimed. The program itself always runs at 1.
    void set_time_scale(double factor);
    double time_scale() const { return scale_; }

private:
    // A duration on the program's clock as real milliseconds on Qt's.
    int real_ms(std::int64_t program_ms) const;

    void end_busy_cursor();

    std::function<void()> renderer_;
    bool rendering_ = false;
    bool busy_cursor_ = false;
    QElapsedTimer clock_;
    double scale_ = 1.0;
    std::int64_t clock_base_ms_ = 0; // program time when the scale last changed
    std::unordered_map<const Timer*, std::unique_ptr<QTimer>> timers_;
};

} // namespace quarn::ui
