// The windows follow their models; clicks, keys, edits and closes reach the
// core; the Qt pump's timers and boxes; and whole games played with the
// keyboard alone through the real windows.
#include "look.h"
#include "qt_event_pump.h"
#include "shell/main_menu.h"
#include "translation.h"
#include "windows.h"
#include "world.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSlider>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <map>

namespace quarn::ui::testing {
namespace {

// Handles events until done() holds: a display server or compositor shows and
// activates windows in its own time. False after 5 s.
bool settle(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return done();
}

// The windows follow their models, and the players' clicks, edits and closes
// reach the core.

// A fresh program for each test: the real Qt pump and windows over a Quarn
// with a fixed date and a temporary working directory.
class UiTest : public ::testing::Test {
protected:
    ~UiTest() override { windows.reset(), q.reset(); }
    // A press and release of the given mouse button in the middle of the widget.
    static void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
        const QPointF middle = QRectF(widget->rect()).center();
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, middle, widget->mapToGlobal(middle), button,
                              type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &event);
        }
    }
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
    std::unique_ptr<Quarn> q = std::make_unique<Quarn>(Services{pump, random, dates, folder.path});
    std::unique_ptr<Windows> windows = std::make_unique<Windows>(*q, pump);
};

using WindowsTest = UiTest;

TEST_F(WindowsTest, ClicksEditsAndClosesReachTheCore) {
    PlayState& s = q->state;
    s.clicked_cell = -1;
    s.turn_time_left = 5;
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
    q->form_options.show();
    q->form_help.show();
    windows->render_all();
    ASSERT_TRUE(settle([&] { return windows->help.isActiveWindow(); }));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(windows->help.guide(), &escape);
    EXPECT_FALSE(q->form_help.visible) << "Esc in the guide answers like OK";
    EXPECT_TRUE(settle([&] { return menu.isActiveWindow(); })) << "and the keyboard goes back to the main menu";
    // Between games the play window's close button leaves it as it is.
    q->form_game_screen.show();
    windows->render_all();
    windows->game_screen.close();
    EXPECT_TRUE(windows->game_screen.isVisible());
    q->form_options.buttons_enabled = false;
    windows->render_all();
    EXPECT_FALSE(menu.game_button(0)->isEnabled() || child<QAbstractButton>(menu, "button_play_game")->isEnabled());
}

// The Qt pump: core timers tick on Qt's loop also while a box is open, the
// boxes are the program's own, and windows can be put on screen at once.
// (Whole games run on it, sped up by its time scale, in the keyboard suite.)

TEST(QtEventPumpTest, BoxesAreTitledQuarnAndTimersTickWhileOneIsOpen) {
    QtEventPump pump;
    int ticks = 0;
    Timer timer(10, [&] { ++ticks; });
    pump.add_timer(timer);
    timer.set_enabled(true);
    QString seen;
    // Each box is answered once the timer has ticked five times while it is open.
    auto answer_with = [&](QMessageBox::StandardButton button) {
        ticks = 0;
        QTimer::singleShot(0, [&, button] {
            settle([&] { return ticks >= 5; });
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon());
            box->button(button)->click();
        });
    };
    answer_with(QMessageBox::Ok);
    pump.message(say("Are you ready %1", "Ann"));
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(seen, QStringLiteral("Quarn|%1|%2").arg(shown(say("Are you ready %1", "Ann"))).arg(QMessageBox::Warning));
    for (auto [button, yes] : {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
        answer_with(button);
        EXPECT_EQ(pump.ask_yes_no(say("Are you sure you want to Quit")), yes);
        EXPECT_EQ(seen, QStringLiteral("Quarn|%1|%2").arg(shown(say("Are you sure you want to Quit"))).arg(QMessageBox::Question));
    }
    timer.set_enabled(false);
}

// Whole games played from the main menu with the keyboard alone, through the
// real windows and the Qt pump: each key goes where the keyboard focus is.

// The keys of a script, one a character: the arrows < > ^ v, Space _, Return ~,
// the keypad's Enter @, Esc #, Tab |, Shift+Tab !, Home H and the status key
// F2 ?; = and } are a Return and a Tab held down, one repeat of each; any
// other character is typed as it is.
const std::map<QChar, int> named_keys{{'<', Qt::Key_Left}, {'>', Qt::Key_Right}, {'^', Qt::Key_Up}, {'v', Qt::Key_Down},
                                      {'_', Qt::Key_Space}, {'~', Qt::Key_Return}, {'=', Qt::Key_Return}, {'}', Qt::Key_Tab},
                                      {'@', Qt::Key_Enter}, {'#', Qt::Key_Escape}, {'|', Qt::Key_Tab},
                                      {'!', Qt::Key_Backtab}, {'H', Qt::Key_Home}, {'?', Qt::Key_F2}};


class KeyboardTest : public UiTest {
protected:
    // What the program waits for: an answer to a box or a result, or a move.
    enum class When { answer, move };

    KeyboardTest() {
        for (const auto& entry : std::filesystem::directory_iterator(QUARN_DATA_DIR))
            std::filesystem::copy_file(entry.path(), folder.path / entry.path().filename());
        start_up(*q);
        windows->render_all();
        QObject::connect(&poller_, &QTimer::timeout, [this] { poll(); });
        poller_.start(2);
        since_step_.start();
        QObject::connect(windows->game_screen.announcer(), &Announcer::said, [this](const QString& text) { news << text; });
    }

    // Whether a window on screen has the keyboard: one just hidden keeps it
    // until the window system says otherwise.
    static bool keyboard_somewhere() { return QApplication::focusWidget() && QApplication::focusWidget()->isVisible(); }
    // Each key pressed and let go where the keyboard focus is, which the
    // program hands on as its windows and boxes close.
    void type(const QString& keys) {
        for (QChar c : keys) {
            // What is due before the key, but no step of the script: it would
            // see the program as it was before this key.
            typing_ = true;
            QCoreApplication::processEvents();
            const bool somewhere = settle(keyboard_somewhere);
            typing_ = false;
            if (!somewhere) return ADD_FAILURE() << "the keyboard is in no window for the key " << c.toLatin1();
            QWidget* focus = QApplication::focusWidget(); // the key is let go where it was pressed
            const auto named = named_keys.find(c);
            const bool letter = named == named_keys.end();
            const auto modifiers = c == '@' ? Qt::KeypadModifier : Qt::NoModifier;
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, letter ? c.toUpper().unicode() : named->second, modifiers, letter ? c : QString(),
                                c == '=' || c == '}');
                QCoreApplication::sendEvent(focus, &event);
            }
        }
    }
    // Each key once the program waits for it; look runs just before the first.
    void then(When when, const QString& keys, std::function<void()> look = [] {}) {
        for (QChar c : keys) steps_.push_back({when, [this, c, look = std::exchange(look, [] {})] { look(), type(c); }});
    }
    // Ann's game of two minutes set up in the set-up windows, then "Play Game";
    // returns when the game is over. Return goes from name to name and then
    // presses Exit, and presses Exit on the slider; each set-up window hands
    // the keyboard back to the button that opened it.
    void play(int game, double time_scale) {
        type(QString(game, '|') + '@' + QString(5 - game, '|') + "~Ann~~~~!~H");
        settle([&] { return q->state.game_length == 2; });
        type("~||");
        pump.set_time_scale(time_scale);
        type("~");
        EXPECT_TRUE(steps_.empty()) << steps_.size() << " keys never pressed";
        settle(keyboard_somewhere);
        EXPECT_EQ(QApplication::focusWidget(), windows->main_menu.game_button(0)) << "the next game is picked first";
    }

    BoardCursor& board() { return *windows->game_screen.board(); }
    Cells& cells = q->form_game_screen.cells;
    QStringList news; // what screen readers were told as news, in order
    // What screen readers hear, in the windows' language: the program's words filled in.
    static QString heard(const char* words, const QStringList& values = {}) {
        QString text = QCoreApplication::translate("quarn", words);
        for (const QString& value : values) text = text.arg(value);
        return text;
    }
    static QString cell_heard(const char* letter, int row, int column, std::initializer_list<const char*> states = {}) {
        QString text = heard("%1, row %2 column %3", {QString::fromUtf8(letter), QString::number(row), QString::number(column)});
        for (const char* state : states) text = heard(state, {text});
        return text;
    }
    // The cell that screen readers have as their focus, by the name they hear.
    QString spoken_cell() const {
        for (int i = 0; i < cell_count; ++i) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(windows->game_screen.cell(i));
            if (face->state().focused) return face->text(QAccessible::Name);
        }
        return {};
    }

private:
    void poll() {
        // After 30 s without a step the script and the program have parted:
        // fail, and see the game out, answering everything, leaving by Exit.
        if ((!steps_.empty() || q->state.game_running) && !stalled_ && since_step_.elapsed() > 30000) {
            ADD_FAILURE() << steps_.size() << " keys left, and the program waits for others";
            steps_.clear();
            stalled_ = true;
        }
        if (stalled_) {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
            q->state.score_ok_clicked = q->state.quit_requested = true;
        }
        if (pending_ || typing_ || steps_.empty()) return;
        // A box or a result is answered once it has the keyboard (the window
        // system hands it over in its own time), and no move is made while
        // one shows or the points count up.
        const QWidget* box = QApplication::activeModalWidget();
        const QWidget* keyboard = QApplication::activeWindow();
        const bool result = windows->show_score.isVisible();
        const bool answer = box ? keyboard == box
                                : result && !q->state.score_ok_clicked && keyboard == &windows->show_score;
        // A move waits until the turn's loop has taken up the last press, or refused it.
        const bool move = !box && !result && q->state.turn_running &&
                          (q->state.clicked_cell < 0 || q->state.pick_refused) && keyboard == &windows->game_screen;
        if (steps_.front().first == When::answer ? !answer : !move) return;
        pending_ = true; // the key goes from Qt's loop, where the game may run nested
        QTimer::singleShot(0, [this] {
            auto step = std::move(steps_.front().second);
            steps_.pop_front();
            pending_ = false;
            since_step_.restart();
            step();
        });
    }
    std::deque<std::pair<When, std::function<void()>>> steps_;
    QTimer poller_;
    QElapsedTimer since_step_;
    bool stalled_ = false;
    bool pending_ = false;
    bool typing_ = false;
};

TEST_F(KeyboardTest, AnagramsWordPutInOrderCheckedAndScored) {
    // Are you ready Ann: a Return held down since Play Game answers nothing.
    then(When::answer, "=");
    then(When::answer, "~", [&] { EXPECT_NE(QApplication::activeModalWidget(), nullptr); });
    // The keyboard is on the board, its cursor hidden on the top-left cell
    // until the first arrow; t <-> c, t <-> a, on to the check button.
    then(When::move, ">", [&] {
        EXPECT_TRUE(QApplication::focusWidget() == &board() && board().cell() == 0 && !board().drawn());
        for (Cell& cell : cells) cell.text.clear();
        cells[0].text = "t", cells[1].text = "c", cells[2].text = "a";
        q->state.word_length = 3;
    });
    // Screen readers hear whose turn it is, then each cell the cursor moves
    // onto and each change of it.
    then(When::move, "_", [&] {
        EXPECT_EQ(news.join(' ') + "|" + spoken_cell(), shown(say("%1's turn", "Ann")) + "|" + cell_heard("t", 1, 1));
    });
    then(When::move, ">", [&] { EXPECT_EQ(spoken_cell(), cell_heard("t", 1, 1, {"%1, picked"})); });
    then(When::move, "__>_|", [&] { EXPECT_EQ(spoken_cell(), cell_heard("c", 1, 2)); });
    // The counter ticking down is no news for screen readers; where it stops is.
    QLabel* counter = child<QLabel>(windows->game_screen, "label_score");
    then(When::move, "~", [&, counter] {
        EXPECT_EQ(cells[0].text + cells[1].text + cells[2].text, "cat");
        EXPECT_FALSE(board().drawn() || !spoken_cell().isEmpty()) << "the cursor went with the keyboard";
        const QString counter_role = QCoreApplication::translate("quarn::ui::GameScreenWindow", "counter");
        EXPECT_EQ(counter->accessibleName(), heard("%1: %2", {counter_role, QStringLiteral("00000")}));
    });
    then(When::answer, "=", [&, counter] {
        EXPECT_GT(std::stoi(q->form_show_score.bonus), 0);
        EXPECT_EQ(windows->show_score.accessibleName(), heard("You Scored %1 Pts", {qs(q->form_show_score.bonus)}));
        const QString counter_role = QCoreApplication::translate("quarn::ui::GameScreenWindow", "counter");
        EXPECT_EQ(counter->accessibleName(), heard("%1: %2", {counter_role, counter->text()}));
    });
    then(When::answer, "~~", [&] { EXPECT_FALSE(q->state.score_ok_clicked) << "a held Return answers no result"; });
    // Back from the board, where the result left the keyboard, to Exit; Yes.
    then(When::move, "!_", [&] {
        EXPECT_EQ(q->form_game_screen.scores[0], q->form_show_score.bonus);
        const QString turn = shown(say("%1's turn", "Ann"));
        EXPECT_EQ(news.join(' '), turn + " " + heard("%1, score %2.", {"Ann", qs(q->form_show_score.bonus)}) + " " + turn);
        EXPECT_TRUE(QApplication::focusWidget() == &board() && board().cell() == 0 && !board().drawn());
    });
    then(When::answer, "~");
    play(0, 10);
}

TEST_F(KeyboardTest, PickNMixLettersPlacedWhiteAndScored) {
    auto offer = [this](const char* letter) { return [this, letter] { cells[0].text = letter; }; };
    then(When::answer, "~");
    // c, a and t from the top-left cell to the second row; the last pick falls on the t just placed.
    then(When::move, "v_v_", offer("c"));
    then(When::move, "^~v>@", offer("a"));
    then(When::move, "^<_v>>_", offer("t"));
    // A pick refused is said as placed; the status key reads the counter,
    // the game time and the scores.
    then(When::move, "_", [&] { EXPECT_EQ(spoken_cell(), cell_heard("t", 2, 3, {"%1, white"})); });
    then(When::move, "?", [&] { EXPECT_EQ(spoken_cell(), cell_heard("t", 2, 3, {"%1, white", "%1, placed"})); });
    then(When::move, "<", [&] {
        const QString time = shown(say("Time"));
        EXPECT_TRUE(news.back().startsWith(heard("%1: %2.", {time, QString()}).chopped(1)) &&
                    news.back().endsWith(heard("%1, score %2.", {"Ann", "0"})))
            << news.back().toStdString();
    });
    // The ring went with the turn. A Tab held down as the result opens
    // leaves the keyboard on OK; Esc answers.
    then(When::answer, "}", [&] {
        EXPECT_EQ(cells[13].text + cells[14].text + cells[15].text, "cat");
        for (int i : {13, 14, 15}) EXPECT_EQ(cells[i].background, colours::white) << i;
        EXPECT_EQ(q->state.clicked_cell, 15) << "a placed letter refuses the pick, which stays waiting";
        EXPECT_FALSE(board().drawn());
    });
    then(When::answer, "#", [&] { EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(windows->show_score, "button_ok")); });
    // GAME OVER, after the winner. The white run "cat" holds cat and at: 50 points a letter.
    then(When::answer, "~", [&] {
        EXPECT_EQ(child<QLabel>(windows->game_screen, "score_0")->text(), QStringLiteral("250"));
        EXPECT_EQ(child<QLabel>(windows->winner, "Label3")->text() + child<QLabel>(windows->winner, "Label4")->text(),
                  QStringLiteral("Ann250"));
        EXPECT_EQ(windows->winner.accessibleName(), heard("The winner is %1 with a score of %2", {"Ann", "250"}));
    });
    play(3, 50);
}

} // namespace
} // namespace quarn::ui::testing
