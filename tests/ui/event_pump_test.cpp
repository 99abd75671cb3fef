// The Qt pump: core timers tick on Qt's loop, sped up by the time scale and
// also while a box is open, and the boxes are the program's own.
#include "qt_event_pump.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

namespace quarn::ui::testing {
namespace {

TEST(QtEventPumpTest, CoreTimersTickOnQtsLoopUntilSwitchedOff) {
    QtEventPump pump;
    int renders = 0, ticks = 0;
    pump.set_renderer([&] { ++renders; });
    Timer timer(1000, [&] { ++ticks; });
    pump.add_timer(timer);
    EXPECT_FALSE(pump.qt_timer(timer)->isActive());
    timer.set_enabled(true);

    pump.set_time_scale(50);
    EXPECT_EQ(pump.qt_timer(timer)->interval(), 20) << "a running timer is retimed";
    QElapsedTimer real;
    real.start();
    const std::int64_t deadline = pump.now_ms() + 5000;
    pump.wait_until(deadline);
    EXPECT_GE(pump.now_ms(), deadline);
    EXPECT_TRUE(real.elapsed() >= 99 && real.elapsed() < 2000) << "5 program seconds are 100 real ms";
    EXPECT_GE(ticks, 3);
    EXPECT_GT(renders, ticks) << "the windows are brought up to date after every tick and before every wait";

    timer.set_interval(10);
    EXPECT_EQ(pump.qt_timer(timer)->interval(), 1) << "never 0, which would spin";
    timer.set_enabled(false);
    const int stopped_at = ticks;
    pump.wait_until(pump.now_ms() + 100);
    EXPECT_EQ(ticks, stopped_at);
}

TEST(QtEventPumpTest, BoxesAreTitledQuarnAndTimersTickWhileOneIsOpen) {
    QtEventPump pump;
    int ticks = 0;
    Timer timer(10, [&] { ++ticks; });
    pump.add_timer(timer);
    timer.set_enabled(true);
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    } seen;
    auto answer_with = [&](QMessageBox::StandardButton button) {
        QTimer::singleShot(150, [&seen, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = {box->windowTitle(), box->text(), box->icon()};
            box->button(button)->click();
        });
    };
    answer_with(QMessageBox::Ok);
    pump.message("Are you ready Ann");
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(seen.title, QStringLiteral("Quarn"));
    EXPECT_EQ(seen.text, QStringLiteral("Are you ready Ann"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    for (auto [button, yes] : {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
        answer_with(button);
        EXPECT_EQ(pump.ask_yes_no("Are you sure you want to Quit"), yes);
        EXPECT_EQ(seen.icon, QMessageBox::Question);
    }
    timer.set_enabled(false);
}

TEST(QtEventPumpTest, ShowingWindowsNowPaintsThemAndShowsBusyUntilTheNextPass) {
    struct CountedPaints : QWidget {
        int paints = 0;
        void paintEvent(QPaintEvent*) override { ++paints; }
    } window;
    QtEventPump pump;
    pump.set_renderer([&] { window.show(); });
    pump.show_windows_now();
    EXPECT_TRUE(window.windowHandle()->isExposed());
    EXPECT_GE(window.paints, 1);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    pump.yield();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    pump.set_renderer(nullptr);
}

} // namespace
} // namespace quarn::ui::testing
