// Screen readers and UI automation find every control by its name: each
// label, button, box, slider, list and bar of every window has one, and a
// letter cell's name says its place and the letter it holds right now.
#include "ui_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSlider>
#include <QTextEdit>

namespace quarn::ui::testing {
namespace {

using AccessibilityTest = UiTest;

QString accessible_name(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

bool is_control(QWidget* w) {
    return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QSlider*>(w) || qobject_cast<QListWidget*>(w) || qobject_cast<QProgressBar*>(w) ||
           qobject_cast<QTextEdit*>(w);
}

TEST_F(AccessibilityTest, EveryControlOfEveryWindowHasAName) {
    // The controls that only some games show are on screen too.
    q->form_game_screen.change_letter_visible = true;
    windows->render_all();

    Windows& w = *windows;
    const std::vector<QWidget*> tops{&w.main_menu,   &w.enter_names, &w.game_length, &w.game_screen,
                                     &w.show_score,  &w.checking_words, &w.new_hiscore, &w.winner,
                                     &w.about,       &w.help};
    int checked = 0;
    for (QWidget* top : tops)
        for (QWidget* control : top->findChildren<QWidget*>()) {
            if (!is_control(control) || !control->isVisibleTo(top)) continue;
            ++checked;
            EXPECT_FALSE(accessible_name(control).trimmed().isEmpty())
                << top->objectName().toStdString() << " / " << control->objectName().toStdString() << " ("
                << control->metaObject()->className() << ")";
        }
    EXPECT_GT(checked, 150); // the walk reached them all: the play window alone has 136
}

TEST_F(AccessibilityTest, ACellIsNamedByItsPlaceAndItsLetter) {
    GameScreenModel& m = q->form_game_screen;
    for (int i = 0; i < cell_count; ++i) m.cells[static_cast<std::size_t>(i)].text = std::string(1, 'a' + i % 26);
    windows->render_all();
    for (int i = 0; i < cell_count; ++i)
        EXPECT_EQ(accessible_name(windows->game_screen.cell(i)),
                  QStringLiteral("cell row %1 column %2, letter %3")
                      .arg(i / grid_columns + 1)
                      .arg(i % grid_columns + 1)
                      .arg(QChar('a' + i % 26)));

    // A swap and an emptied cell are heard as they are seen.
    std::swap(m.cells[0].text, m.cells[64].text);
    m.cells[30].text.clear();
    windows->render_all();
    EXPECT_EQ(accessible_name(windows->game_screen.cell(0)), QStringLiteral("cell row 1 column 1, letter m"));
    EXPECT_EQ(accessible_name(windows->game_screen.cell(64)), QStringLiteral("cell row 5 column 13, letter a"));
    EXPECT_EQ(accessible_name(windows->game_screen.cell(30)), QStringLiteral("cell row 3 column 5, empty"));
}

} // namespace
} // namespace quarn::ui::testing
