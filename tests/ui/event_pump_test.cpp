// The Qt pump: core timers tick on Qt's loop, also while a box is open, and
// the boxes are the program's own.
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

// Answers the next modal box with the given button once it is open, and
// records what it showed.
struct BoxAnswer {
    explicit BoxAnswer(QMessageBox::StandardButton answer) : button(answer) {}

    QMessageBox::StandardButton button;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

    void arm(int after_ms) {
        QTimer::singleShot(after_ms, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(button)->click();
        });
    }
};

TEST(QtEventPumpTest, CoreTimersTickUntilSwitchedOff) {
    QtEventPump pump;
    int renders = 0;
    pump.set_renderer([&] { ++renders; });
    int ticks = 0;
    Timer timer(10, [&] { ++ticks; });
    pump.add_timer(timer);
    EXPECT_FALSE(pump.qt_timer(timer)->isActive());

    timer.set_enabled(true);
    const std::int64_t deadline = pump.now_ms() + 120;
    pump.wait_until(deadline);
    EXPECT_GE(pump.now_ms(), deadline);
    EXPECT_GE(ticks, 4);
    EXPECT_GT(renders, ticks); // after every tick and before every wait

    timer.set_interval(30);
    EXPECT_EQ(pump.qt_timer(timer)->interval(), 30);
    timer.set_enabled(false);
    const int stopped_at = ticks;
    pump.wait_until(pump.now_ms() + 60);
    EXPECT_EQ(ticks, stopped_at);
    EXPECT_FALSE(pump.qt_timer(timer)->isActive());
}

TEST(QtEventPumpTest, ATimeScaleSpeedsUpTheClockTimersAndWaitsAlike) {
    QtEventPump pump;
    int ticks = 0;
    Timer timer(1000, [&] { ++ticks; });
    pump.add_timer(timer);
    timer.set_enabled(true);
    const std::int64_t before = pump.now_ms();

    pump.set_time_scale(50);
    EXPECT_EQ(pump.qt_timer(timer)->interval(), 20); // already running: retimed
    EXPECT_GE(pump.now_ms(), before);                // the clock carries on
    QElapsedTimer real;
    real.start();
    const std::int64_t deadline = pump.now_ms() + 5000;
    pump.wait_until(deadline);
    EXPECT_GE(pump.now_ms(), deadline);
    EXPECT_GE(real.elapsed(), 99);   // 5 program seconds are 100 real ms ...
    EXPECT_LT(real.elapsed(), 2000); // ... not 5 s, even on a loaded machine
    EXPECT_GE(ticks, 3);

    // Short intervals never reach 0, which would spin.
    timer.set_interval(10);
    EXPECT_EQ(pump.qt_timer(timer)->interval(), 1);
    timer.set_enabled(false);
}

TEST(QtEventPumpTest, TimersKeepTickingWhileAMessageIsOpen) {
    QtEventPump pump;
    int ticks = 0;
    Timer timer(10, [&] { ++ticks; });
    pump.add_timer(timer);
    timer.set_enabled(true);

    BoxAnswer answer(QMessageBox::Ok);
    answer.arm(150);
    pump.message("Are you ready Ann");

    EXPECT_GE(ticks, 5);
    EXPECT_EQ(answer.title, QStringLiteral("Quarn"));
    EXPECT_EQ(answer.text, QStringLiteral("Are you ready Ann"));
    EXPECT_EQ(answer.icon, QMessageBox::Warning);
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

TEST(QtEventPumpTest, TheQuestionAnswersYesOrNo) {
    QtEventPump pump;
    BoxAnswer yes(QMessageBox::Yes);
    yes.arm(20);
    EXPECT_TRUE(pump.ask_yes_no("Are you sure you want to Quit"));
    EXPECT_EQ(yes.icon, QMessageBox::Question);
    EXPECT_EQ(yes.title, QStringLiteral("Quarn"));

    BoxAnswer no(QMessageBox::No);
    no.arm(20);
    EXPECT_FALSE(pump.ask_yes_no("Are you sure you want to Quit"));
}

} // namespace
} // namespace quarn::ui::testing
