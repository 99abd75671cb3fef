// The main menu and the set-up windows: their clicks, edits and slider moves
// reach the core, and what the core writes comes back on screen.
#include "ui_fixture.h"

#include "look.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSlider>

namespace quarn::ui::testing {
namespace {

using ShellWindowsTest = UiTest;

TEST_F(ShellWindowsTest, TheMainMenuIsTitledQuarnAndSizedToItsClientArea) {
    MainMenuWindow& menu = windows->main_menu;
    EXPECT_EQ(menu.windowTitle(), QStringLiteral("Quarn"));
    EXPECT_EQ(menu.centralWidget()->size(), QSize(507, 373));
    EXPECT_EQ(menu.game_button(2)->text(), QStringLiteral("Mix 'N Match"));
    EXPECT_EQ(menu.game_button(0)->toolTip(),
              QStringLiteral("Pick a game to play.  The currently selected game will be highlighted in yellow"));
}

TEST_F(ShellWindowsTest, AGameButtonTurnsExactlyItselfYellow) {
    MainMenuWindow& menu = windows->main_menu;
    click(menu.game_button(1));
    click(menu.game_button(3));

    EXPECT_EQ(q->state.game_type, "Worddrop");
    for (int i = 0; i < 4; ++i) {
        const Colour expected = i == 3 ? colours::yellow : colours::light_grey;
        EXPECT_EQ(q->form_options.game_button_colours[static_cast<std::size_t>(i)], expected) << "button " << i;
        EXPECT_EQ(menu.game_button(i)->palette().color(QPalette::Button), qcolor(expected)) << "button " << i;
    }
}

TEST_F(ShellWindowsTest, TypingANameCountsAPlayer) {
    QLineEdit* box = windows->enter_names.name_box(2);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("A"));
    QCoreApplication::sendEvent(box, &key);

    EXPECT_EQ(q->form_enter_names.names[2], "A");
    EXPECT_EQ(q->state.player_count, 1);
    EXPECT_EQ(box->text(), QStringLiteral("A"));
}

TEST_F(ShellWindowsTest, TheSliderAndItsReadingFollowTheModel) {
    GameLengthWindow& length = windows->game_length;
    EXPECT_EQ(length.slider()->minimum(), 2);
    EXPECT_EQ(length.slider()->maximum(), 180);
    EXPECT_EQ(length.slider()->value(), 10);

    length.slider()->setValue(125);
    EXPECT_EQ(q->form_enter_game_length.slider_value, 125);

    q->form_enter_game_length.hours = "2";
    q->form_enter_game_length.minutes = "5";
    q->form_enter_game_length.slider_value = 90;
    windows->render_all();
    EXPECT_EQ(length.hours()->text(), QStringLiteral("2"));
    EXPECT_EQ(length.minutes()->text(), QStringLiteral("5"));
    EXPECT_EQ(length.slider()->value(), 90);
}

} // namespace
} // namespace quarn::ui::testing
