// The windows follow their models, and the players' clicks, edits and closes
// reach the core.
#include "ui_fixture.h"

#include "look.h"
#include "shell/main_menu.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSlider>
#include <QTextBrowser>

namespace quarn::ui::testing {
namespace {

using WindowsTest = UiTest;

TEST_F(WindowsTest, ThePlayWindowShowsWhatItsModelHoldsAndBackAgain) {
    GameScreenModel& m = q->form_game_screen;
    GameScreenWindow& screen = windows->game_screen;
    QLabel* cell = screen.cell(5);
    for (bool changed : {true, false}) {
        m.cells[5] = changed ? Cell{"q", colours::white, false} : Cell{"", colours::light_grey, true};
        m.counter = changed ? "Time Up !" : "42";
        m.check_enabled = m.change_letter_visible = changed;
        m.high_scores[3].text_colour = changed ? colours::yellow : colours::white;
        m.bar_maximum = changed ? 10 : 0; // a bar needs a range of one step at least
        m.bar_value = changed ? 7 : -1;
        windows->render_all();
        EXPECT_EQ(cell->text(), changed ? QStringLiteral("q") : QString());
        EXPECT_EQ(cell->palette().color(QPalette::Window), qcolor(m.cells[5].background));
        EXPECT_EQ(cell->frameShape(), changed ? QFrame::NoFrame : QFrame::Box);
        EXPECT_EQ(child<QLabel>(screen, "label_score")->text().toStdString(), m.counter);
        EXPECT_TRUE(screen.check_button()->isEnabled() == changed && screen.change_letter_button()->isHidden() != changed);
        EXPECT_EQ(child<QLabel>(screen, "hi_Score_3")->palette().color(QPalette::WindowText), qcolor(m.high_scores[3].text_colour));
        EXPECT_EQ(screen.bar()->value(), changed ? 7 : 0);
    }
    q->form_new_hiscore.name_caption = "Well Done Ann";
    q->form_new_hiscore.show();
    windows->render_all();
    EXPECT_TRUE(windows->new_hiscore.isVisible());
    EXPECT_EQ(child<QLabel>(windows->new_hiscore, "Lbl_name")->text(), QStringLiteral("Well Done Ann"));
}

TEST_F(WindowsTest, ClicksEditsAndClosesReachTheCore) {
    PlayState& s = q->state;
    s.clicked_cell = -1;
    s.turn_time_left = 5;
    click(windows->game_screen.cell(40));
    EXPECT_EQ(s.clicked_cell, -1) << "between turns";
    s.turn_running = true;
    click(windows->game_screen.cell(40));
    click(windows->game_screen.cell(41), Qt::RightButton);
    EXPECT_EQ(s.clicked_cell, 40);
    windows->game_screen.check_button()->click();
    EXPECT_TRUE(s.check_requested);

    MainMenuWindow& menu = windows->main_menu;
    menu.game_button(3)->click();
    EXPECT_EQ(s.game_type, "Worddrop");
    EXPECT_EQ(menu.game_button(3)->palette().color(QPalette::Button), qcolor(colours::yellow));
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("A"));
    QCoreApplication::sendEvent(windows->enter_names.name_box(2), &key);
    EXPECT_EQ(q->form_enter_names.names[2] + std::to_string(s.player_count), "A1");
    windows->game_length.slider()->setValue(125);
    EXPECT_EQ(q->form_enter_game_length.slider_value, 125);
    // The close buttons answer like the windows' own Exit and OK.
    for (QWidget* window : std::initializer_list<QWidget*>{&windows->enter_names, &windows->game_length, &windows->about}) {
        q->form_options.hide();
        window->show();
        window->close();
        EXPECT_TRUE(q->form_options.visible || window == &windows->about) << window->objectName().toStdString();
    }
    // Between games the play window's close button leaves it as it is.
    q->form_game_screen.show();
    windows->render_all();
    windows->game_screen.close();
    EXPECT_TRUE(windows->game_screen.isVisible());
    q->form_options.buttons_enabled = false;
    windows->render_all();
    EXPECT_FALSE(menu.game_button(0)->isEnabled() || child<QAbstractButton>(menu, "button_play_game")->isEnabled());
}

TEST_F(WindowsTest, EveryControlHasANameAndTheGuideStatesEveryGamesRules) {
    q->form_game_screen.change_letter_visible = true;
    windows->render_all();
    Windows& w = *windows;
    int named = 0;
    for (QWidget* top : std::initializer_list<QWidget*>{&w.main_menu, &w.enter_names, &w.game_length, &w.game_screen,
                                                        &w.show_score, &w.checking_words, &w.new_hiscore, &w.winner,
                                                        &w.about, &w.help})
        for (QWidget* control : top->findChildren<QWidget*>()) {
            const bool is_control = qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control) ||
                                    qobject_cast<QLineEdit*>(control) || qobject_cast<QSlider*>(control) ||
                                    qobject_cast<QAbstractItemView*>(control) || qobject_cast<QProgressBar*>(control) ||
                                    qobject_cast<QTextEdit*>(control);
            if (!is_control || !control->isVisibleTo(top)) continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            EXPECT_FALSE(face == nullptr || face->text(QAccessible::Name).trimmed().isEmpty())
                << top->objectName().toStdString() << " / " << control->objectName().toStdString();
            ++named;
        }
    EXPECT_GT(named, 180);
    const QString guide = windows->help.guide()->toPlainText();
    for (const char* phrase : {"Anagrams", "Crossword", "Mix 'N Match", "Pick 'N Mix", "1000 points", "Don't Cheat",
                               "50 points", "for each of its letters", "Change Letter", "round 4", "keyboard"})
        EXPECT_TRUE(guide.contains(QString::fromLatin1(phrase))) << phrase;
}

} // namespace
} // namespace quarn::ui::testing
