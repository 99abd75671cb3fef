// The play window: the cells follow the twips layout, model changes show, and
// a cell press reaches the core only while the turn counter runs.
#include "ui_fixture.h"

#include <QProgressBar>

namespace quarn::ui::testing {
namespace {

using GameScreenTest = UiTest;

TEST_F(GameScreenTest, CellsSitWhereTheLayoutPutsThem) {
    GameScreenWindow& screen = windows->game_screen;
    EXPECT_EQ(screen.size(), QSize(1015, 687));
    EXPECT_EQ(screen.cell(0)->geometry(), QRect(376, 160, 41, 73));
    EXPECT_EQ(screen.cell(12)->geometry(), QRect(952, 160, 41, 73));
    EXPECT_EQ(screen.cell(14)->geometry(), QRect(424, 240, 41, 73)); // row 1, column 1
    EXPECT_EQ(screen.cell(64)->geometry(), QRect(952, 480, 41, 73));
    EXPECT_EQ(screen.cell(27)->objectName(), QStringLiteral("label_mixed_27"));
    EXPECT_EQ(screen.cell(0)->focusPolicy(), Qt::NoFocus);
}

TEST_F(GameScreenTest, ModelChangesShowInTheWidgets) {
    GameScreenModel& m = q->form_game_screen;
    m.cells[5] = Cell{"q", colours::white, false};
    m.heading = "Mix 'N Match";
    m.counter = "Time Up !";
    m.names[1] = "Bob";
    m.check_enabled = false;
    m.change_letter_visible = true;
    m.high_scores[3].name = "Ann";
    m.high_scores[3].text_colour = colours::yellow;
    windows->render_all();

    GameScreenWindow& screen = windows->game_screen;
    QLabel* cell = screen.cell(5);
    EXPECT_EQ(cell->text(), QStringLiteral("q"));
    EXPECT_EQ(cell->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(cell->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(cell->accessibleName(), QStringLiteral("cell row 1 column 6, letter q"));
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("Label8"))->text(), QStringLiteral("Mix 'N Match"));
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("label_score"))->text(), QStringLiteral("Time Up !"));
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("names_1"))->text(), QStringLiteral("Bob"));
    EXPECT_FALSE(screen.check_button()->isEnabled());
    EXPECT_FALSE(screen.change_letter_button()->isHidden());
    auto* place = screen.findChild<QLabel*>(QStringLiteral("hi_Score_3"));
    EXPECT_EQ(place->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("hi_Score_4"))->palette().color(QPalette::WindowText),
              QColor(255, 255, 255));

    // And back again: the cached values must not hold a change up.
    m.cells[5] = Cell{"", colours::light_grey, true};
    m.check_enabled = true;
    m.high_scores[3].text_colour = colours::white;
    windows->render_all();
    EXPECT_EQ(cell->text(), QString());
    EXPECT_EQ(cell->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(cell->frameShape(), QFrame::Box);
    EXPECT_TRUE(screen.check_button()->isEnabled());
    EXPECT_EQ(place->palette().color(QPalette::WindowText), QColor(255, 255, 255));
}

TEST_F(GameScreenTest, TheClockBarStaysInsideItsRange) {
    GameScreenModel& m = q->form_game_screen;
    m.bar_maximum = 10;
    m.bar_value = 7;
    windows->render_all();
    QProgressBar* bar = windows->game_screen.bar();
    EXPECT_EQ(bar->maximum(), 10);
    EXPECT_EQ(bar->value(), 7);
    EXPECT_FALSE(bar->isTextVisible());

    m.bar_value = -1; // the tick after the clock has run out
    windows->render_all();
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(GameScreenTest, ACellPressReachesTheCoreOnlyWhileTheCounterRuns) {
    q->state.clicked_cell = -1;
    q->state.turn_running = true;
    q->state.turn_time_left = 5;
    click(windows->game_screen.cell(40));
    EXPECT_EQ(q->state.clicked_cell, 40);

    click(windows->game_screen.cell(41), Qt::RightButton);
    EXPECT_EQ(q->state.clicked_cell, 40);

    q->state.turn_time_left = 0;
    click(windows->game_screen.cell(7));
    EXPECT_EQ(q->state.clicked_cell, 40);
}

TEST_F(GameScreenTest, TheWindowFollowsItsModelOnAndOffScreen) {
    GameScreenWindow& screen = windows->game_screen;
    EXPECT_FALSE(screen.isVisible());
    q->form_game_screen.visible = true;
    windows->render_all();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Game Screen"));

    // Between games the frame's close button leaves the window as it is.
    screen.close();
    EXPECT_TRUE(screen.isVisible());

    q->form_game_screen.hide();
    windows->render_all();
    EXPECT_FALSE(screen.isVisible());
}

} // namespace
} // namespace quarn::ui::testing
