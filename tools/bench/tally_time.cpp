// How long the score tally of a 1000-point turn takes on the real Qt pump,
// and what a waiting turn costs in CPU time against a loop that spins on
// "process pending events".
#include "engine/driver.h"
#include "qt_event_pump.h"
#include "shell/quarn.h"

#include <QApplication>
#include <QElapsedTimer>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

namespace {

class FixedDates final : public quarn::DateSource {
public:
    quarn::Date today() override { return {}; }
    std::string month_abbreviation(int month) override { return quarn::english_month_abbreviation(month); }
};

double cpu_seconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quarn::ui::QtEventPump pump;
    quarn::ClockSeededRandom random([] { return std::uint64_t{1}; });
    FixedDates dates;
    quarn::Quarn q(quarn::Services{pump, random, dates, std::filesystem::temp_directory_path()});

    for (int points : {50, 1000, 5000, 32767}) {
        q.form_game_screen.scores[0] = "0";
        q.state.current_player = 0;
        q.state.turn_time_left = points;
        QElapsedTimer clock;
        clock.start();
        quarn::tally_score(pump, q.state, q.form_game_screen);
        std::printf("tally of %5d points: %6.3f s (score now %s)\n", points, clock.nsecsElapsed() / 1e9,
                    q.form_game_screen.scores[0].c_str());
    }

    // A turn waiting for a click: the turn counter ticks every 51 ms (the
    // busiest game), the game clock every second.
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    q.form_game_screen.score_timer.set_interval(51);
    q.form_game_screen.score_timer.set_enabled(true);
    q.form_game_screen.game_timer.set_enabled(true);
    q.state.turn_time_left = 1 << 30;
    double cpu = cpu_seconds();
    const std::int64_t end = pump.now_ms() + seconds * 1000;
    while (pump.now_ms() < end) pump.wait();
    double waiting = cpu_seconds() - cpu;

    cpu = cpu_seconds();
    const std::int64_t spin_end = pump.now_ms() + seconds * 1000;
    while (pump.now_ms() < spin_end) QCoreApplication::processEvents();
    double spinning = cpu_seconds() - cpu;
    std::printf("waiting turn: %.2f %% of one core over %d s; spinning on processEvents: %.1f %%\n",
                100 * waiting / seconds, seconds, 100 * spinning / seconds);
    return 0;
}
