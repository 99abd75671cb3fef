// A fresh program per test: a temporary working directory with small data
// files, the simulated pump, a fixed random sequence and a fixed date, plus
// helpers that play like a player would.
#pragma once
#include "shell/quarn.h"
#include "sim_pump.h"

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace quarn::test {

// Reproducible numbers; reseeding "from the clock" carries on the sequence.
class TestRandom final : public RandomSource {
public:
    explicit TestRandom(std::uint64_t seed = 7) : engine_(seed) {}
    void seed_from_clock() override { ++reseeds; }
    double next() override {
        if (!queued.empty()) {
            double r = queued.front();
            queued.erase(queued.begin());
            return r;
        }
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
    }
    std::vector<double> queued; // taken first, in order
    int reseeds = 0;

private:
    std::mt19937_64 engine_;
};

class FixedDate final : public DateSource {
public:
    Date today() override { return date; }
    std::string month_abbreviation(int month) override { return english_month_abbreviation(month); }
    Date date{2004, 1, 5};
};

std::string crlf_lines(const std::vector<std::string>& lines);
std::string read_file(const std::filesystem::path& path);

struct World {
    World();
    ~World();

    void write(const std::string& name, const std::string& bytes);
    std::string read(const std::string& name) const { return read_file(dir / name); }
    // The working directory of a small installation; change files before start().
    void write_standard_files();
    Quarn& start();

    // Players and set-up as the windows would do them.
    void set_up(int game_index, int minutes, const std::vector<std::string>& names);
    // Clicks a cell at a virtual time, as its own pass of the turn loop.
    void click_at(std::int64_t time_ms, int cell);
    // Plans the swaps that lay the text out from cell `first` onwards (along a
    // row, or down a column with step 13) and schedules their clicks.
    std::int64_t arrange(std::int64_t from_ms, const std::string& text, int first, int step = 1);
    // Answers "Are you ready" and OK boxes at once, and Yes to Quit questions.
    void answer_boxes_quickly();
    // Clicks OK of the turn result window whenever it is shown.
    void confirm_results();

    std::filesystem::path dir;
    SimPump pump;
    TestRandom random;
    FixedDate dates;
    std::unique_ptr<Quarn> q;
    std::function<void()> result_poller;
};

} // namespace quarn::test
