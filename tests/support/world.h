// What every suite builds on: a temporary folder, a fixed date and random
// sequence, file helpers, and a fresh program per test on the simulated pump
// with helpers that play like a player would.
#pragma once
#include "games/drawn_entry.h"
#include "shell/quarn.h"
#include "sim_pump.h"

#include <filesystem>
#include <functional>
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
    double next() override;
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

// A folder of its own for one test, removed with everything in it afterwards.
struct TempFolder {
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::filesystem::path path;
};

// The lines joined, each ended by CR LF.
std::string crlf_lines(const std::vector<std::string>& lines);
std::string read_file(const std::filesystem::path& path);
// The lines of a file whose every line must end in CR LF.
std::vector<std::string> lines_of(const std::filesystem::path& path);

struct World {
    World();
    ~World();

    void write(const std::string& name, const std::string& bytes);
    std::string read(const std::string& name) const { return read_file(dir / name); }
    // The working directory of a small installation; change files before start().
    void write_standard_files();
    // A word pack installed in packs: its name, its words (the first is
    // also its Anagrams and Crossword entry) and its letters.dat lines.
    void write_pack(const std::string& code, const std::string& name, const std::vector<std::string>& words,
                    const std::vector<std::string>& letters);
    Quarn& start();
    // The word list and record of Anagrams or Crossword.
    DrawnEntryGame& drawn(std::string_view key) const { return dynamic_cast<DrawnEntryGame&>(*q->find_game(key)); }

    // Players and set-up as the windows would do them.
    void set_up(int game_index, int minutes, const std::vector<std::string>& names);
    // Clicks a cell at a virtual time, as its own pass of the turn loop.
    void click_at(std::int64_t time_ms, int cell);
    // Answers every box at once (Yes to the Quit question), clicks OK of the
    // turn result whenever it shows, and plays each turn with move shortly
    // after its "Are you ready " box.
    void play_turns(std::function<void()> move);
    // Clicks OK of the turn result window whenever it is shown.
    void confirm_results();
    // Runs action every 100 ms of virtual time while the program runs.
    void every_tenth(std::function<void()> action);

    TempFolder folder;
    const std::filesystem::path& dir = folder.path;
    TempFolder packs; // the installed word packs
    SimPump pump;
    TestRandom random;
    FixedDate dates;
    std::unique_ptr<Quarn> q;

private:
    std::vector<std::function<void()>> repeating_;
    void repeat(std::size_t which);
};

} // namespace quarn::test
