// The end-to-end fixture, its scripted player, the watchdog and the suite's
// main, which needs a QApplication.
#include "e2e_fixture.h"

#include "fonts.h"
#include "mirror.h"
#include "shell/main_menu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSlider>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

namespace quarn::ui::e2e {

Watchdog::Watchdog(std::chrono::seconds limit)
    : thread_([this, limit, test = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())] {
          std::unique_lock lock(mutex_);
          if (done_.wait_for(lock, limit, [this] { return finished_; })) return;
          std::fprintf(stderr, "\n%s did not finish within %lld s and was stopped; the player last saw: %s\n",
                       test.c_str(), static_cast<long long>(limit.count()), last_seen_.c_str());
          std::fflush(nullptr);
          std::_Exit(1);
      }) {}

Watchdog::~Watchdog() {
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    done_.notify_all();
    thread_.join();
}

void Watchdog::note(std::string what) {
    std::lock_guard lock(mutex_);
    last_seen_ = std::move(what);
}

E2eTest::E2eTest() {
    for (const auto& entry : std::filesystem::directory_iterator(QUARN_DATA_DIR))
        if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
            std::filesystem::copy_file(entry.path(), directory / entry.path().filename());
    QObject::connect(&poller_, &QTimer::timeout, [this] { poll(); });
}

E2eTest::~E2eTest() {
    poller_.stop();
    // No event may run between these and the pump's end: the pump's timers
    // still point at the program's.
    windows.reset();
    q.reset();
}

void E2eTest::start(double time_scale) {
    pump.set_time_scale(time_scale);
    q = std::make_unique<Quarn>(Services{pump, random, dates, directory});
    windows = std::make_unique<Windows>(*q, pump);
    guarded(pump, [this] { start_up(*q); });
    windows->render_all();
    // A player glances at the screen every few milliseconds.
    poller_.start(5);
}

bool E2eTest::wait_for(const std::function<bool()>& done, int timeout_ms) {
    QElapsedTimer clock;
    clock.start();
    QTimer wake; // so that the loop looks again even when nothing happens
    wake.start(2);
    while (!done()) {
        if (clock.elapsed() > timeout_ms) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

QString E2eTest::text_of(QWidget& window, const char* label_name) {
    QLabel* label = window.findChild<QLabel*>(QString::fromLatin1(label_name));
    EXPECT_NE(label, nullptr) << label_name;
    return label ? label->text() : QString();
}

void E2eTest::press_cell(int index) {
    QLabel* label = windows->game_screen.cell(index);
    const QPointF local = QRectF(label->rect()).center();
    const QPointF global = label->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &release);
}

void E2eTest::play(int game_button, const QString& name, int minutes) {
    auto button = [](QWidget& window, const char* object) {
        auto* found = window.findChild<QAbstractButton*>(QString::fromLatin1(object));
        EXPECT_NE(found, nullptr) << object;
        return found;
    };
    MainMenuWindow& menu = windows->main_menu;
    ASSERT_TRUE(wait_for([&] { return menu.isVisible(); }));
    menu.game_button(game_button)->click();

    button(menu, "button_enter_names")->click();
    ASSERT_TRUE(wait_for([&] { return windows->enter_names.isVisible(); }));
    QLineEdit* box = windows->enter_names.name_box(0);
    for (QChar letter : name) {
        QKeyEvent key(QEvent::KeyPress, letter.toUpper().unicode(), Qt::NoModifier, QString(letter));
        QCoreApplication::sendEvent(box, &key);
    }
    button(windows->enter_names, "Command1")->click();
    ASSERT_TRUE(wait_for([&] { return menu.isVisible() && !windows->enter_names.isVisible(); }));

    button(menu, "button_enter_game_length")->click();
    GameLengthWindow& length = windows->game_length;
    ASSERT_TRUE(wait_for([&] { return length.isVisible(); }));
    length.slider()->setValue(minutes);
    // Exit takes the length the window's own timer last read off the slider.
    ASSERT_TRUE(wait_for([&] { return length.minutes()->text() == QString::number(minutes % 60); }));
    button(length, "Command1")->click();
    ASSERT_TRUE(wait_for([&] { return menu.isVisible() && !length.isVisible(); }));

    watchdog.note("pressing Play Game");
    button(menu, "button_play_game")->click();
    watchdog.note("back from the game");
}

void E2eTest::later(std::function<void()> action) {
    action_waiting_ = true;
    QTimer::singleShot(0, &poller_, [this, action = std::move(action)] {
        action_waiting_ = false;
        action();
    });
}

bool E2eTest::turn_running() const {
    const PlayState& s = q->state;
    return windows->game_screen.isVisible() && q->form_game_screen.score_timer.enabled() && s.turn_time_left > 0 &&
           !s.turn_done && !s.quit_requested && !windows->show_score.isVisible() &&
           QApplication::activeModalWidget() == nullptr;
}

void E2eTest::poll() {
    if (!windows) return;
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        if (box == answered_) return; // still closing
        answered_ = box;
        boxes.push_back(box->text());
        watchdog.note("the box \"" + box->text().toStdString() + "\"");
        if (box->text() == QStringLiteral("GAME OVER")) winner_before_game_over = !seen_winner.isEmpty();
        QAbstractButton* answer = box->button(QMessageBox::Ok);
        if (!answer) answer = box->button(QMessageBox::Yes);
        if (answer) answer->click();
        return;
    }

    GameScreenWindow& screen = windows->game_screen;
    if (screen.isVisible()) {
        if (QString heading = text_of(screen, "Label8"); !heading.isEmpty()) seen_heading = heading;
        if (QString turn = text_of(screen, "Label11"); !turn.isEmpty()) seen_turn = turn;
        const QString score = text_of(screen, "score_0");
        if (seen_scores.empty() || seen_scores.back() != score) seen_scores.push_back(score);
    }
    if (windows->winner.isVisible()) {
        seen_winner = text_of(windows->winner, "Label3");
        seen_winner_score = text_of(windows->winner, "Label4");
        watchdog.note("the winner window");
    }
    if (windows->new_hiscore.isVisible()) seen_new_hiscore = text_of(windows->new_hiscore, "Lbl_name");

    ShowScoreWindow& result = windows->show_score;
    if (!result.isVisible()) {
        result_answered_ = false;
    } else if (!result_answered_) {
        result_answered_ = true;
        turn_points.push_back(text_of(result, "bonus").toInt());
        watchdog.note("the turn result " + std::to_string(turn_points.back()));
        result.findChild<QAbstractButton*>(QStringLiteral("button_ok"))->click();
        return;
    }

    if (on_move && !action_waiting_ && turn_running()) {
        watchdog.note("a turn of " + seen_heading.toStdString() + ", counter " +
                      text_of(screen, "label_score").toStdString());
        on_move();
    }
}

} // namespace quarn::ui::e2e

namespace {
QtMessageHandler previous_handler = nullptr;

// The offscreen platform says so whenever a window is raised or sized; that
// is noise here.
void quiet_platform_notes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
    if (previous_handler)
        previous_handler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
} // namespace

int main(int argc, char** argv) {
    // Test discovery runs the suite without the test environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    previous_handler = qInstallMessageHandler(quiet_platform_notes);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // As in the program: hiding the last window must not end the boxes' loops.
    QApplication::setQuitOnLastWindowClosed(false);
    quarn::ui::load_fonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
