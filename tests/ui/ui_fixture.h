// A fresh program for each widget test: the real Qt pump and windows over a
// Quarn with fixed dates and a temporary working directory.
#pragma once
#include "shell/quarn.h"
#include "qt_event_pump.h"
#include "windows.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace quarn::ui::testing {

class FixedDates final : public DateSource {
public:
    Date today() override { return Date{2004, 1, 5}; }
    std::string month_abbreviation(int month) override { return english_month_abbreviation(month); }
};

class UiTest : public ::testing::Test {
protected:
    UiTest();
    ~UiTest() override;

    // A press and release of the given mouse button in the middle of the widget.
    static void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton);

    QtEventPump pump;
    ClockSeededRandom random{[] { return std::uint64_t{42}; }};
    FixedDates dates;
    std::filesystem::path directory;
    std::unique_ptr<Quarn> q;
    std::unique_ptr<Windows> windows;
};

} // namespace quarn::ui::testing
