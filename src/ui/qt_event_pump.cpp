// Waiting, timers and boxes on top of Qt's event loop.
#include "qt_event_pump.h"

#include "mirror.h"
#include "translation.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quarn::ui {

namespace {
const QString box_title = QStringLiteral("Quarn");
}

QtEventPump::QtEventPump() { clock_.start(); }

QtEventPump::~QtEventPump() = default;

void QtEventPump::render() {
    // The program is handling events again.
    end_busy_cursor();
    // A box opened while rendering would render again from its own loop.
    if (rendering_ || !renderer_) return;
    rendering_ = true;
    guarded(*this, renderer_);
    rendering_ = false;
}

void QtEventPump::yield() {
    render();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::wait() {
    render();
    // Sleeps until a click, key or timer arrives: no busy waiting while a
    // player thinks.
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtEventPump::wait_until(std::int64_t time_ms) {
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    for (std::int64_t left = time_ms - now_ms(); left > 0; left = time_ms - now_ms()) {
        deadline.start(real_ms(std::min<std::int64_t>(left, 24 * 60 * 60 * 1000)));
        wait();
    }
}

void QtEventPump::show_windows_now() {
    render();
    // A window is drawn when the window system exposes it, which takes a round
    // trip to the display server (and the window manager). A window that is
    // never exposed (started minimised) must not hold the program up for long.
    constexpr int longest_wait_ms = 300;
    auto all_exposed = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::all_of(windows.begin(), windows.end(), [](const QWidget* w) {
            return !w->isVisible() || (w->windowHandle() != nullptr && w->windowHandle()->isExposed());
        });
    };
    QElapsedTimer waited;
    waited.start();
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(longest_wait_ms);
    // Clicks and keys stay queued until the program is ready for them.
    constexpr auto no_input = QEventLoop::ExcludeUserInputEvents;
    while (!all_exposed() && waited.elapsed() < longest_wait_ms)
        QCoreApplication::processEvents(no_input | QEventLoop::WaitForMoreEvents);
    // What follows (the dictionary load) takes milliseconds; should it ever
    // take longer, the pointer says that the program is busy.
    if (!busy_cursor_) QApplication::setOverrideCursor(Qt::WaitCursor);
    busy_cursor_ = true;
    // Exposing a window paints it; this sends the last of the drawing, and
    // the cursor, to the display before the program stops handling events.
    QCoreApplication::processEvents(no_input);
}

void QtEventPump::end_busy_cursor() {
    if (!busy_cursor_) return;
    busy_cursor_ = false;
    QApplication::restoreOverrideCursor();
}

std::int64_t QtEventPump::now_ms() const {
    if (scale_ == 1.0) return clock_base_ms_ + clock_.elapsed();
    return clock_base_ms_ + static_cast<std::int64_t>(static_cast<double>(clock_.nsecsElapsed()) * scale_ / 1e6);
}

int QtEventPump::real_ms(std::int64_t program_ms) const {
    if (scale_ == 1.0) return static_cast<int>(program_ms);
    // To the nearest millisecond, but never below one, which would make a
    // timer spin; a wait that ends early just waits again for the rest.
    return std::max(1, static_cast<int>(std::lround(static_cast<double>(program_ms) / scale_)));
}

void QtEventPump::set_time_scale(double factor) {
    if (!(factor > 0)) return;
    // The program's clock carries on from where it stands instead of jumping.
    clock_base_ms_ = now_ms();
    clock_.restart();
    scale_ = factor;
    for (auto& [timer, qt] : timers_)
        if (qt->isActive()) qt->start(real_ms(timer->interval_ms()));
}

void QtEventPump::message(const Text& text) {
    render();
    QMessageBox box(QMessageBox::Warning, box_title, shown(text), QMessageBox::Ok);
    box.exec(); // its own loop keeps the timers ticking
}

bool QtEventPump::ask_yes_no(const Text& text) {
    render();
    QMessageBox box(QMessageBox::Question, box_title, shown(text),
                    QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtEventPump::beep() { QApplication::beep(); }

void QtEventPump::end_program() {
    // Ends from inside any number of nested event loops: nothing is unwound
    // and nothing is saved.
    std::fflush(nullptr);
    std::_Exit(0);
}

void QtEventPump::fatal(const Text& text) {
    end_busy_cursor();
    QMessageBox::critical(nullptr, box_title, shown(text));
    std::fflush(nullptr);
    std::_Exit(1);
}

void QtEventPump::timer_changed(Timer& timer) {
    auto& slot = timers_[&timer];
    if (!slot) {
        slot = std::make_unique<QTimer>();
        slot->setTimerType(Qt::PreciseTimer);
        QObject::connect(slot.get(), &QTimer::timeout, slot.get(), [this, &timer] {
            guarded(*this, [&] { timer.fire(); });
            render();
        });
    }
    // An interval of 0 holds a timer still, as it always has; a zero-time
    // QTimer would spin instead.
    if (timer.enabled() && timer.interval_ms() > 0)
        slot->start(real_ms(timer.interval_ms())); // restarts the countdown
    else
        slot->stop();
}

QTimer* QtEventPump::qt_timer(const Timer& timer) const {
    auto found = timers_.find(&timer);
    return found == timers_.end() ? nullptr : found->second.get();
}

} // namespace quarn::ui
