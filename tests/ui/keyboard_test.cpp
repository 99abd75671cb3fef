// Whole games played from the main menu with the keyboard alone, through the
// real windows and the Qt pump: each key goes where the keyboard focus is.
#include "ui_fixture.h"

#include "shell/main_menu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <deque>
#include <map>

namespace quarn::ui::testing {
namespace {

// The keys of a script, one a character: the arrows < > ^ v, Space _, Return ~,
// Tab |, Shift+Tab ! and Home H; any other character is typed as it is.
const std::map<QChar, int> named_keys{{'<', Qt::Key_Left}, {'>', Qt::Key_Right}, {'^', Qt::Key_Up}, {'v', Qt::Key_Down},
                                      {'_', Qt::Key_Space}, {'~', Qt::Key_Return}, {'|', Qt::Key_Tab},
                                      {'!', Qt::Key_Backtab}, {'H', Qt::Key_Home}};

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
    }

    // Each key pressed and let go where the keyboard focus is; when a box or
    // a result has just gone, that is in the play window under them.
    void type(const QString& keys) {
        for (QChar c : keys) {
            QCoreApplication::processEvents();
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : windows->game_screen.focusWidget();
            const auto named = named_keys.find(c);
            const bool letter = named == named_keys.end();
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, letter ? c.toUpper().unicode() : named->second, Qt::NoModifier, letter ? c : QString());
                QCoreApplication::sendEvent(focus, &event);
            }
        }
    }
    // Each key once the program waits for it; look runs just before the first.
    void then(When when, const QString& keys, std::function<void()> look = [] {}) {
        for (QChar c : keys) steps_.push_back({when, [this, c, look = std::exchange(look, [] {})] { look(), type(c); }});
    }
    // Ann's game of two minutes set up in the set-up windows, then "Play Game";
    // returns when the game is over.
    void play(int game, double time_scale) {
        type(QString(game, '|') + '_' + QString(5 - game, '|') + "_Ann||||_!_H");
        while (q->state.game_length != 2) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        type("|_||");
        pump.set_time_scale(time_scale);
        type("_");
        EXPECT_TRUE(steps_.empty()) << steps_.size() << " keys never pressed";
    }

    BoardCursor& board() { return *windows->game_screen.board(); }
    Cells& cells = q->form_game_screen.cells;

private:
    void poll() {
        if (pending_ || steps_.empty()) return;
        const bool box = QApplication::activeModalWidget() != nullptr;
        // A result is answered once it has the keyboard, and no move is made
        // while it shows or its points count up.
        const bool result = windows->show_score.isVisible();
        const bool answer = box || (result && !q->state.score_ok_clicked && windows->show_score.isActiveWindow());
        // A move waits until the turn's loop has taken up the last press.
        const bool move = !box && !result && q->state.turn_running && q->state.clicked_cell < 0;
        if (steps_.front().first == When::answer ? !answer : !move) return;
        pending_ = true; // the key goes from Qt's loop, where the game may run nested
        QTimer::singleShot(0, [this] {
            auto step = std::move(steps_.front().second);
            steps_.pop_front();
            pending_ = false;
            step();
        });
    }
    std::deque<std::pair<When, std::function<void()>>> steps_;
    QTimer poller_;
    bool pending_ = false;
};

TEST_F(KeyboardTest, AnagramsWordPutInOrderCheckedAndScored) {
    then(When::answer, "~"); // Are you ready Ann
    // The first arrow shows the cursor on the top-left cell; t <-> c, t <-> a, on to the check button.
    then(When::move, ">_>__>_|", [&] {
        for (Cell& cell : cells) cell.text.clear();
        cells[0].text = "t", cells[1].text = "c", cells[2].text = "a";
        q->state.word_length = 3;
    });
    then(When::move, "_", [&] {
        EXPECT_EQ(cells[0].text + cells[1].text + cells[2].text, "cat");
        EXPECT_FALSE(board().drawn()) << "the cursor went with the keyboard";
    });
    then(When::answer, "_~", [&] { EXPECT_GT(std::stoi(q->form_show_score.bonus), 0); });
    // Back from the board, where the check left the keyboard, to Exit; Yes.
    then(When::move, "!_", [&] {
        EXPECT_EQ(q->form_game_screen.scores[0], q->form_show_score.bonus);
        EXPECT_EQ(windows->game_screen.focusWidget(), &board());
        EXPECT_FALSE(board().drawn()) << "a new turn hides the cursor";
    });
    then(When::answer, "~");
    play(0, 10);
}

TEST_F(KeyboardTest, PickNMixLettersPlacedWhiteAndScored) {
    auto offer = [this](const char* letter) { return [this, letter] { cells[0].text = letter; }; };
    then(When::answer, "~");
    // c, a and t from the top-left cell to the second row; the last Space falls on the t just placed.
    then(When::move, "v_v_", offer("c"));
    then(When::move, "^_v>_", offer("a"));
    then(When::move, "^<_v>>__", offer("t"));
    then(When::answer, "_", [&] {
        EXPECT_EQ(cells[13].text + cells[14].text + cells[15].text, "cat");
        for (int i : {13, 14, 15}) EXPECT_EQ(cells[i].background, colours::white) << i;
        EXPECT_EQ(q->state.clicked_cell, 15) << "a placed letter refuses the pick, which stays waiting";
        EXPECT_EQ(board().accessibleName(), QStringLiteral("cell row 2 column 3, letter t, white"));
    });
    // GAME OVER, after the winner. The white run "cat" holds cat and at: 50 points a letter.
    then(When::answer, "~", [&] {
        EXPECT_EQ(child<QLabel>(windows->game_screen, "score_0")->text(), QStringLiteral("250"));
        EXPECT_EQ(child<QLabel>(windows->winner, "Label3")->text() + child<QLabel>(windows->winner, "Label4")->text(),
                  QStringLiteral("Ann250"));
    });
    play(3, 50);
}

} // namespace
} // namespace quarn::ui::testing
