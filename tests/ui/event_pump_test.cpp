// The Qt pump: core timers tick on Qt's loop also while a box is open, the
// boxes are the program's own, and windows can be put on screen at once.
// (Whole games run on it, sped up by its time scale, in the keyboard suite.)
#include "qt_event_pump.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

namespace quarn::ui::testing {
namespace {

TEST(QtEventPumpTest, BoxesAreTitledQuarnAndTimersTickWhileOneIsOpen) {
    QtEventPump pump;
    int ticks = 0;
    Timer timer(10, [&] { ++ticks; });
    pump.add_timer(timer);
    timer.set_enabled(true);
    QString seen;
    auto answer_with = [&](QMessageBox::StandardButton button) {
        QTimer::singleShot(150, [&seen, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon());
            box->button(button)->click();
        });
    };
    answer_with(QMessageBox::Ok);
    pump.message("Are you ready Ann");
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(seen, QStringLiteral("Quarn|Are you ready Ann|%1").arg(QMessageBox::Warning));
    for (auto [button, yes] : {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
        answer_with(button);
        EXPECT_EQ(pump.ask_yes_no("Are you sure you want to Quit"), yes);
        EXPECT_EQ(seen, QStringLiteral("Quarn|Are you sure you want to Quit|%1").arg(QMessageBox::Question));
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
    EXPECT_TRUE(window.windowHandle()->isExposed() && window.paints >= 1);
    EXPECT_TRUE(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
    pump.yield();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    pump.set_renderer(nullptr);
}

} // namespace
} // namespace quarn::ui::testing
