// The test world.
#include "world.h"

#include "board/letter_grid.h"
#include "scores/score_windows.h"
#include "shell/main_menu.h"
#include "shell/setup_windows.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include <gtest/gtest.h>

namespace quarn::test {

double TestRandom::next() {
    if (queued.empty()) return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
    double r = queued.front();
    queued.erase(queued.begin());
    return r;
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    path = std::filesystem::temp_directory_path() /
           ("quarn-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path, ignored);
}

std::string crlf_lines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> lines_of(const std::filesystem::path& path) {
    const std::string bytes = read_file(path);
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(bytes.substr(from, end - from));
    EXPECT_EQ(from, bytes.size()) << path << " has a line without CR LF";
    return lines;
}

World::World() = default;

World::~World() { q.reset(); }

void World::write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary | std::ios::trunc) << bytes;
}

void World::write_standard_files() {
    write("dictionary.dic", crlf_lines({"act", "at", "cat", "dog", "god", "me", "so", "some", "ta", "999"}));
    write("anagrams1.dic", crlf_lines({"cat", "dog", "spare"}));
    write("crossword1.dic", crlf_lines({"cat", "some", "spare"}));
    std::vector<std::string> unused(1001, "False");
    write("anagrams1_used.dat", crlf_lines(unused));
    write("crossword1_used.dat", crlf_lines(unused));
    std::vector<std::string> empty_table;
    for (int k = 0; k < 10; ++k) empty_table.insert(empty_table.end(), {"\"\"", "0", "\"\""});
    for (const char* name : {"anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"})
        write(name, crlf_lines(empty_table));
}

void World::write_pack(const std::string& code, const std::string& name, const std::vector<std::string>& words,
                       const std::vector<std::string>& letters) {
    const std::filesystem::path pack = packs.path / code;
    std::filesystem::create_directories(pack);
    // An absolute path leaves the working directory.
    auto put = [&](const char* file, const std::string& bytes) { write((pack / file).string(), bytes); };
    put("language.dat", crlf_lines({"\"" + name + "\""}));
    std::vector<std::string> dictionary = words;
    dictionary.push_back("999");
    put("dictionary.dic", crlf_lines(dictionary));
    put("anagrams1.dic", crlf_lines({words.front(), "spare"}));
    put("crossword1.dic", crlf_lines({words.front(), "spare"}));
    put("letters.dat", crlf_lines(letters));
    for (const char* file : {"anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"})
        put(file, read(file));
}

Quarn& World::start() {
    q = std::make_unique<Quarn>(Services{pump, random, dates, dir, packs.path});
    start_up(*q);
    return *q;
}

void World::set_up(int game_index, int minutes, const std::vector<std::string>& names) {
    select_game(*q, game_index);
    for (std::size_t i = 0; i < names.size(); ++i)
        names_changed(q->state, q->form_enter_names, static_cast<int>(i), names[i]);
    open_game_length(*q);
    slider_moved(q->form_enter_game_length, minutes);
    pump.run_for(150);
    game_length_exit(q->state, q->form_enter_game_length, q->form_options);
}

void World::click_at(std::int64_t time_ms, int cell) {
    pump.at(time_ms, [this, cell] { cell_clicked(q->state, cell); });
}

void World::play_turns(std::function<void()> move) {
    pump.on_box([this, move](const std::string& text) {
        if (text.rfind("Are you ready", 0) == 0) pump.after(15, move);
        return SimPump::Answer{10, true};
    });
    confirm_results();
}

void World::confirm_results() {
    // Like a player glancing at the screen every few tenths of a second.
    every_tenth([this] {
        if (q->form_show_score.visible && !q->state.score_ok_clicked) score_ok(q->state);
    });
}

void World::every_tenth(std::function<void()> action) {
    repeating_.push_back(std::move(action));
    repeat(repeating_.size() - 1);
}

void World::repeat(std::size_t which) {
    pump.after(100, [this, which] { repeating_[which](), repeat(which); });
}

} // namespace quarn::test
