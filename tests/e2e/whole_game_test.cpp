// A two-minute game of Anagrams, played by one scripted player through the
// real windows from the main menu to "GAME OVER" and back: the Qt pump sped
// up by its time scale, the windows following their models, and the player's
// clicks reaching the core. The player glances at the screen every few
// milliseconds, answers the boxes and presses the real widgets.
#include "qt_event_pump.h"
#include "shell/main_menu.h"
#include "system_dates.h"
#include "windows.h"
#include "world.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSlider>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <unordered_map>

namespace quarn::ui {
namespace {

std::string sorted(std::string letters) {
    std::sort(letters.begin(), letters.end());
    return letters;
}

QString text_of(QWidget& window, const char* label) {
    auto* found = window.findChild<QLabel*>(QString::fromLatin1(label));
    return found ? found->text() : QStringLiteral("(no %1)").arg(QLatin1String(label));
}

void press(QWidget& window, const char* button) {
    auto* found = window.findChild<QAbstractButton*>(QString::fromLatin1(button));
    ASSERT_NE(found, nullptr) << button;
    found->click();
}

// Runs Qt's loop until done() holds or five real seconds are up.
bool wait_for(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    QTimer wake; // so that the loop looks again even when nothing happens
    wake.start(2);
    while (!done() && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

TEST(WholeGame, AnagramsSolvedCellByCellFromTheMenuToGameOver) {
    test::TempFolder folder;
    for (const auto& entry : std::filesystem::directory_iterator(QUARN_DATA_DIR))
        if (entry.path().extension() != ".scowl") std::filesystem::copy_file(entry.path(), folder.path / entry.path().filename());
    QtEventPump pump;
    pump.set_time_scale(25);
    ClockSeededRandom random{clock_nanoseconds};
    SystemDates dates;
    Quarn q(Services{pump, random, dates, folder.path});
    Windows windows(q, pump);
    guarded(pump, [&] { start_up(q); });
    std::unordered_map<std::string, std::string> by_letters;
    for (std::size_t slot = 1; slot < q.dictionary_words.end_slot(); ++slot) {
        const std::string word(q.dictionary_words.word(slot));
        by_letters.emplace(sorted(word), word);
    }

    // What the player met, in order.
    std::vector<QString> boxes, scores;
    std::vector<int> points; // of each turn result
    QString turn, winner, new_hiscore;
    bool acting = false, result_answered = false;
    QPointer<QMessageBox> answered;
    GameScreenWindow& screen = windows.game_screen;
    auto cell_text = [&](int i) { return screen.cell(i)->text().toStdString(); };
    auto press_cell = [&](int i) {
        const QPointF middle = QRectF(screen.cell(i)->rect()).center();
        QMouseEvent down(QEvent::MouseButtonPress, middle, screen.cell(i)->mapToGlobal(middle), Qt::LeftButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(screen.cell(i), &down);
    };
    // Presses from Qt's loop rather than inside the glance, so that a handler
    // that waits in a loop of its own does not hold the player up.
    auto later = [&](std::function<void()> action) {
        acting = true;
        QTimer::singleShot(0, [&acting, action] { acting = false, action(); });
    };
    auto glance = [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (box != answered) boxes.push_back(box->text()), box->button(QMessageBox::Ok)->click();
            answered = box;
            return;
        }
        if (screen.isVisible()) turn = text_of(screen, "Label11");
        if (screen.isVisible() && (scores.empty() || scores.back() != text_of(screen, "score_0")))
            scores.push_back(text_of(screen, "score_0"));
        if (windows.winner.isVisible()) winner = text_of(windows.winner, "Label3") + " " + text_of(windows.winner, "Label4");
        if (windows.new_hiscore.isVisible()) new_hiscore = text_of(windows.new_hiscore, "Lbl_name");
        // The result stays up while the points count onto the score.
        if (windows.show_score.isVisible() && !result_answered && !acting) {
            result_answered = true;
            points.push_back(text_of(windows.show_score, "bonus").toInt());
            later([&] { press(windows.show_score, "button_ok"); });
        }
        result_answered = result_answered && windows.show_score.isVisible();
        const PlayState& s = q.state;
        if (acting || windows.show_score.isVisible() || !s.turn_running || s.turn_time_left <= 0) return;
        // The player takes a moment over each word, so that the points differ
        // from turn to turn and the total stays below what a score can hold.
        if (text_of(screen, "label_score").toInt() > 900) return;
        std::string letters;
        for (int i = 0; i < cell_count && !cell_text(i).empty(); ++i) letters += cell_text(i);
        const std::string& word = by_letters.at(sorted(letters));
        if (letters == word) return later([&] { screen.check_button()->click(); });
        if (s.clicked_cell >= 0) return; // the last press is not taken up yet
        std::size_t first = 0; // the first cell with the wrong letter, then the cell with its letter
        while (letters[first] == word[first]) ++first;
        if (s.clicks_made == 0) return press_cell(static_cast<int>(first));
        first = static_cast<std::size_t>(s.picked_cells[1]);
        for (std::size_t j = first + 1; j < letters.size(); ++j)
            if (letters[j] == word[first] && letters[j] != word[j]) return press_cell(static_cast<int>(j));
    };
    QTimer glances;
    QObject::connect(&glances, &QTimer::timeout, glance);
    glances.start(5);

    // The set-up, through the windows as a player makes it.
    MainMenuWindow& menu = windows.main_menu;
    menu.game_button(0)->click();
    press(menu, "button_enter_names");
    for (QChar letter : QStringLiteral("Ann")) {
        QKeyEvent key(QEvent::KeyPress, letter.toUpper().unicode(), Qt::NoModifier, QString(letter));
        QCoreApplication::sendEvent(windows.enter_names.name_box(0), &key);
    }
    press(windows.enter_names, "Command1");
    press(menu, "button_enter_game_length");
    windows.game_length.slider()->setValue(2);
    // Exit takes the length the window's own timer last read off the slider.
    ASSERT_TRUE(wait_for([&] { return windows.game_length.minutes()->text() == QStringLiteral("2"); }));
    press(windows.game_length, "Command1");
    press(menu, "button_play_game"); // returns when the program is back from the game
    glances.stop();

    ASSERT_GE(boxes.size(), 5u) << "at least four turns in two minutes";
    const std::size_t turns = boxes.size() - 1;
    for (std::size_t i = 0; i < turns; ++i) EXPECT_EQ(boxes[i], QStringLiteral("Are you ready Ann")) << i;
    EXPECT_EQ(boxes.back(), QStringLiteral("GAME OVER"));
    EXPECT_EQ(turn, QStringLiteral("Ann's turn"));
    EXPECT_TRUE(menu.isVisible() && !screen.isVisible());
    ASSERT_EQ(points.size(), turns) << "every word was solved before the counter ran out";
    int total = 0;
    for (int p : points) {
        EXPECT_TRUE(p > 0 && p <= 901) << p;
        total += p;
    }
    EXPECT_EQ(winner, QStringLiteral("Ann ") + QString::number(total));
    // The score counted up one point at a time: far more values than turns.
    EXPECT_GT(scores.size(), 10 * turns);
    EXPECT_EQ(new_hiscore, QStringLiteral("Well Done Ann"));
    EXPECT_EQ(test::read_file(folder.path / "anagrams.hi").rfind("\"Ann\"\r\n", 0), 0u);
    const std::vector<std::string> used = test::lines_of(folder.path / "anagrams1_used.dat");
    EXPECT_EQ(std::count(used.begin(), used.end(), "True"), static_cast<long>(turns));
}

} // namespace
} // namespace quarn::ui
