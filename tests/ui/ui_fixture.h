// A fresh program for each widget test: the real Qt pump and windows over a
// Quarn with a fixed date and a temporary working directory.
#pragma once
#include "qt_event_pump.h"
#include "shell/quarn.h"
#include "windows.h"
#include "world.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <memory>

namespace quarn::ui::testing {

class UiTest : public ::testing::Test {
protected:
    UiTest();
    ~UiTest() override;

    // A press and release of the given mouse button in the middle of the widget.
    static void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton);
    template <class W>
    static W* child(QWidget& window, const char* name) {
        W* widget = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    test::TempFolder folder;
    QtEventPump pump;
    ClockSeededRandom random{[] { return std::uint64_t{42}; }};
    test::FixedDate dates;
    std::unique_ptr<Quarn> q;
    std::unique_ptr<Windows> windows;
};

} // namespace quarn::ui::testing
