// A whole game through the real windows: the program as main() builds it, on
// the real Qt pump sped up by a time scale, in a working directory seeded with
// the shipped data. A scripted player looks at the screen every few
// milliseconds, answers the boxes and clicks the real widgets.
#pragma once
#include "qt_event_pump.h"
#include "shell/quarn.h"
#include "system_dates.h"
#include "windows.h"
#include "world.h"

#include <QLabel>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class QMessageBox;

namespace quarn::ui::e2e {

// Ends the test process with a message when a test has not finished in time,
// whatever the main thread is stuck in, so that a hang fails instead of
// blocking the run.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit);
    ~Watchdog();
    // What the player last saw, printed if the watchdog fires.
    void note(std::string what);

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::string last_seen_;
    std::thread thread_;
};

class E2eTest : public ::testing::Test {
protected:
    E2eTest();
    ~E2eTest() override;

    // Builds the program on a pump running time_scale times faster and starts
    // it on the main menu, as main() does.
    void start(double time_scale);
    // Runs Qt's loop until done() holds or the real time is up; false on time-out.
    static bool wait_for(const std::function<bool()>& done, int timeout_ms = 5000);

    static QString text_of(QWidget& window, const char* label_name);
    std::string cell_text(int index) const { return windows->game_screen.cell(index)->text().toStdString(); }
    void press_cell(int index);
    // Picks the game, types the names and moves the slider through the
    // set-up windows, as a player would, then presses "Play Game" and returns
    // when the program is back from the game.
    void play(int game_button, const QString& name, int minutes);

    test::TempFolder folder;
    const std::filesystem::path& directory = folder.path;
    QtEventPump pump;
    ClockSeededRandom random{clock_nanoseconds};
    SystemDates dates;
    std::unique_ptr<Quarn> q;
    std::unique_ptr<Windows> windows;
    Watchdog watchdog{std::chrono::seconds(40)};

    // What the player met, in order.
    std::vector<QString> boxes;       // texts of the boxes it answered
    std::vector<int> turn_points;     // the points of each turn result
    std::vector<QString> seen_scores; // seat 0's score label, each change
    QString seen_heading, seen_turn, seen_winner, seen_winner_score, seen_new_hiscore;
    bool winner_before_game_over = false;
    // The player's moves, made while a turn's counter runs and nothing else waits.
    std::function<void()> on_move;
    // Runs the action from Qt's loop rather than inside the poll, so that a
    // handler that waits in a loop of its own does not hold the poll up.
    void later(std::function<void()> action);

private:
    void poll();
    bool turn_running() const;

    QTimer poller_;
    QPointer<QMessageBox> answered_;
    bool result_answered_ = false;
    bool action_waiting_ = false;
};

} // namespace quarn::ui::e2e
