// Word look-ups against the shipped dictionary and against the largest ones a
// player may give, in English and in German and Ukrainian letters, the index
// beside the plain walk it stands in for, and the load with its index build
// beside the least any load must do: read the file and hash every entry once.
#include "platform/text_file.h"
#include "shell/main_menu.h"
#include "words/alphabet.h"
#include "words/dictionary.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <limits>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <stdexcept>
#include <unordered_set>

namespace {

using quarn::Dictionary;

const std::filesystem::path shipped = std::filesystem::path(QUARN_DATA_DIR) / "dictionary.dic";

std::vector<std::string> shipped_words() {
    std::vector<std::string> words;
    auto bytes = quarn::read_whole_file(shipped);
    if (!bytes) throw std::runtime_error("cannot read " + shipped.string());
    quarn::ItemReader reader(*bytes);
    while (!reader.at_end()) {
        std::string word = reader.read_text();
        if (word == "999") break;
        words.push_back(word);
    }
    return words;
}

// The letters made-up words are spelt with.
const std::vector<std::string> english_letters = [] {
    std::vector<std::string> letters;
    for (char c = 'a'; c <= 'z'; ++c) letters.emplace_back(1, c);
    return letters;
}();
const std::vector<std::string> german_letters = [] {
    std::vector<std::string> letters = english_letters;
    for (const char* c : {"\u00e4", "\u00f6", "\u00fc", "\u00df"}) letters.emplace_back(c);
    return letters;
}();
const std::vector<std::string> ukrainian_letters{
    "\u0430", "\u0431", "\u0432", "\u0433", "\u0491", "\u0434", "\u0435", "\u0454", "\u0436", "\u0437", "\u0438",
    "\u0456", "\u0457", "\u0439", "\u043a", "\u043b", "\u043c", "\u043d", "\u043e", "\u043f", "\u0440", "\u0441",
    "\u0442", "\u0443", "\u0444", "\u0445", "\u0446", "\u0447", "\u0448", "\u0449", "\u044c", "\u044e", "\u044f"};

std::string made_up_word(std::mt19937& gen, const std::vector<std::string>& letters) {
    std::string word;
    const int length = 5 + static_cast<int>(gen() % 8);
    for (int c = 0; c < length; ++c) word += letters[gen() % letters.size()];
    return word;
}

// The largest dictionaries a player may give: the shipped words followed by
// distinct made-up words of 5 to 12 letters, like a big word list would hold
// (in English letters, or by turns in German and Ukrainian ones), then the
// end marker.
std::vector<std::string> synthetic_items(std::size_t count, bool german_and_ukrainian) {
    std::vector<std::string> items = shipped_words();
    std::unordered_set<std::string> seen(items.begin(), items.end());
    std::mt19937 gen(500000);
    for (std::size_t made = 0; items.size() + 1 < count; ++made) {
        const auto& letters = !german_and_ukrainian ? english_letters : made % 2 ? ukrainian_letters : german_letters;
        std::string word = made_up_word(gen, letters);
        if (seen.insert(word).second) items.push_back(word);
    }
    items.push_back("999");
    return items;
}

// The same as a file, one item a line with CR LF, as a player would give it;
// removed when the run ends. Named after the process, so that runs side by
// side on one machine keep to their own.
struct SyntheticFile {
    explicit SyntheticFile(bool german_and_ukrainian)
        : path(std::filesystem::temp_directory_path() /
               ("quarn-bench-500000-" + std::string(german_and_ukrainian ? "de-uk-" : "") +
                std::to_string(::getpid()) + ".dic")) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const std::string& item : synthetic_items(500000, german_and_ukrainian)) out << item << "\r\n";
    }
    ~SyntheticFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    std::filesystem::path path;
};

// The dictionaries measured, by the benchmarks' argument.
enum Which { shipped_list = 0, english_500000 = 1, german_ukrainian_500000 = 2 };
const char* label(int which) {
    static const char* const labels[] = {"shipped", "500000", "500000 de+uk"};
    return labels[which];
}

const std::filesystem::path& dictionary_file(int which) {
    static const SyntheticFile english(false), german_and_ukrainian(true);
    return which == shipped_list ? shipped : which == english_500000 ? english.path : german_and_ukrainian.path;
}

const Dictionary& dictionary(int which) {
    auto loaded = [](const std::filesystem::path& path) {
        Dictionary d;
        if (!d.load(path)) throw std::runtime_error("cannot read " + path.string());
        return d;
    };
    static const Dictionary dictionaries[] = {loaded(dictionary_file(0)), loaded(dictionary_file(1)),
                                              loaded(dictionary_file(2))};
    return dictionaries[which];
}

// The 18 runs of a fully white board of random letters: 5 rows, 13 columns,
// a letter a cell.
std::vector<quarn::LetterText> white_board_runs(unsigned seed, const std::vector<std::string>& letters) {
    std::mt19937 gen(seed);
    std::vector<std::string> cells;
    for (int i = 0; i < 65; ++i) cells.push_back(letters[gen() % letters.size()]);
    std::vector<quarn::LetterText> runs(18);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        runs[i / 13].append(cells[i]);
        runs[5 + i % 13].append(cells[i]);
    }
    return runs;
}

// Boards by the benchmarks' second argument.
const char* const board_labels[] = {"English board", "German board", "Ukrainian board"};
const std::vector<std::string>* const board_letters[] = {&english_letters, &german_letters, &ukrainian_letters};

template <bool Linear>
void BM_GridScan(benchmark::State& state) {
    const Dictionary& d = dictionary(static_cast<int>(state.range(0)));
    auto runs = white_board_runs(42, *board_letters[state.range(1)]);
    for (const auto& run : runs)
        if (d.contained_in(run) != d.contained_in_linear(run)) state.SkipWithError("index and walk disagree");
    for (auto _ : state) {
        std::size_t found = 0;
        for (const auto& run : runs) found += (Linear ? d.contained_in_linear(run) : d.contained_in(run)).size();
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(std::string(label(static_cast<int>(state.range(0)))) + ", " + board_labels[state.range(1)]);
}
BENCHMARK(BM_GridScan<false>)
    ->Name("GridScan/index")
    ->Args({0, 0})->Args({1, 0})->Args({2, 1})->Args({2, 2})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridScan<true>)
    ->Name("GridScan/linear")
    ->Args({0, 0})->Args({1, 0})->Args({2, 1})->Args({2, 2})
    ->Unit(benchmark::kMicrosecond);

// A word check of several runs, as Anagrams and Crossword make it.
template <bool Linear>
void BM_WordCheck(benchmark::State& state) {
    const Dictionary& d = dictionary(static_cast<int>(state.range(0)));
    std::vector<std::string> candidates{"cat", "at", "stone", "notes", "tones", "onset", "xq", "some"};
    for (const auto& c : candidates)
        if (d.exact(c) != d.exact_linear(c)) state.SkipWithError("index and walk disagree");
    for (auto _ : state) {
        std::size_t found = 0;
        for (const auto& c : candidates) found += (Linear ? d.exact_linear(c) : d.exact(c)).size();
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(label(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_WordCheck<false>)->Name("WordCheck/index")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordCheck<true>)->Name("WordCheck/linear")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Load(benchmark::State& state) {
    const std::filesystem::path& path = dictionary_file(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Dictionary d;
        if (!d.load(path)) state.SkipWithError("cannot read the dictionary");
        benchmark::DoNotOptimize(d.end_slot());
    }
    state.SetLabel(label(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_Load)->Name("LoadAndIndex")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The floor, part one: the file's bytes into memory, nothing else.
void BM_ReadFile(benchmark::State& state) {
    const std::filesystem::path& path = dictionary_file(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto bytes = quarn::read_whole_file(path);
        if (!bytes) state.SkipWithError("cannot read the dictionary");
        benchmark::DoNotOptimize(bytes->data());
    }
    state.SetLabel(label(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ReadFile)->Name("Floor/ReadFile")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The floor, part two: every entry hashed once by the standard library, the
// entries already found and in memory.
void BM_HashEveryEntry(benchmark::State& state) {
    const Dictionary& d = dictionary(static_cast<int>(state.range(0)));
    std::vector<std::string_view> entries;
    for (std::size_t slot = 1; slot < d.size(); ++slot) entries.push_back(d.word(slot));
    for (auto _ : state) {
        std::size_t sum = 0;
        for (std::string_view entry : entries) sum += std::hash<std::string_view>{}(entry);
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel(label(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_HashEveryEntry)->Name("Floor/HashEveryEntry")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Every word pack built (QUARN_BENCH_PACKS names the folder, as
// tools/bench/run_all.sh sets it): its load beside its own floor, a full
// board of its own letters scanned, and the main menu's switch to it, the
// pack's folder filled and its words read, as a player's first choice of it.
class NoWindows final : public quarn::EventPump {
public:
    void yield() override {}
    void wait() override {}
    void wait_until(std::int64_t) override {}
    std::int64_t now_ms() const override { return 0; }
    void show_windows_now() override {}
    void message(const quarn::Text& text) override { throw std::runtime_error(text.english()); }
    bool ask_yes_no(const quarn::Text&) override { return true; }
    void beep() override {}
    [[noreturn]] void end_program() override { throw std::runtime_error("end"); }
    [[noreturn]] void fatal(const quarn::Text& text) override { throw std::runtime_error(text.english()); }
    void timer_changed(quarn::Timer&) override {}
};

class SomeDay final : public quarn::DateSource {
public:
    quarn::Date today() override { return {}; }
    std::string month_abbreviation(int month) override { return quarn::english_month_abbreviation(month); }
};

class FixedRandom final : public quarn::RandomSource {
public:
    void seed_from_clock() override {}
    double next() override { return std::uniform_real_distribution<double>(0, 1)(engine_); }

private:
    std::mt19937_64 engine_{65};
};

void register_packs() {
    const char* folder = std::getenv("QUARN_BENCH_PACKS");
    if (folder == nullptr) return;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path pack = entry.path();
        const std::filesystem::path file = pack / "dictionary.dic";
        if (!std::filesystem::exists(file)) continue;
        const std::string code = pack.filename().string();
        benchmark::RegisterBenchmark(("Pack/" + code + "/LoadAndIndex").c_str(), [file](benchmark::State& state) {
            for (auto _ : state) {
                Dictionary d;
                d.load(file);
                benchmark::DoNotOptimize(d.end_slot());
                state.SetLabel(std::to_string(d.end_slot() - 1) + " words, " +
                               std::to_string(std::filesystem::file_size(file)) + " bytes");
            }
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Pack/" + code + "/Floor/ReadFile").c_str(), [file](benchmark::State& state) {
            for (auto _ : state) benchmark::DoNotOptimize(quarn::read_whole_file(file)->data());
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Pack/" + code + "/Floor/HashEveryEntry").c_str(), [file](benchmark::State& state) {
            Dictionary d;
            d.load(file);
            std::vector<std::string_view> entries;
            for (std::size_t slot = 1; slot < d.size(); ++slot) entries.push_back(d.word(slot));
            for (auto _ : state) {
                std::size_t sum = 0;
                for (std::string_view e : entries) sum += std::hash<std::string_view>{}(e);
                benchmark::DoNotOptimize(sum);
            }
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Pack/" + code + "/GridScan").c_str(), [pack, file](benchmark::State& state) {
            Dictionary d;
            d.load(file);
            const quarn::Alphabet letters = quarn::Alphabet::load(pack / "letters.dat").value_or(quarn::english_alphabet());
            FixedRandom random;
            std::vector<std::string> cells;
            for (int i = 0; i < 65; ++i) cells.push_back(quarn::draw_letter(random, letters.board));
            std::vector<quarn::LetterText> runs(18);
            for (std::size_t i = 0; i < cells.size(); ++i) {
                runs[i / 13].append(cells[i]);
                runs[5 + i % 13].append(cells[i]);
            }
            for (auto _ : state) {
                std::size_t found = 0;
                for (const auto& run : runs) found += d.contained_in(run).size();
                benchmark::DoNotOptimize(found);
            }
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Pack/" + code + "/MenuSwitch").c_str(), [pack, code](benchmark::State& state) {
            const std::filesystem::path home = std::filesystem::temp_directory_path() /
                                               ("quarn-bench-home-" + std::to_string(::getpid()));
            NoWindows pump;
            FixedRandom random;
            SomeDay dates;
            for (auto _ : state) {
                state.PauseTiming();
                std::filesystem::remove_all(home);
                std::filesystem::create_directories(home);
                quarn::Quarn q(quarn::Services{pump, random, dates, home, pack.parent_path()});
                std::size_t index = 0;
                while (index < q.languages.size() && q.languages[index].code != code) ++index;
                state.ResumeTiming();
                quarn::choose_language(q, index);
                benchmark::DoNotOptimize(q.dictionary_words.end_slot());
            }
            std::filesystem::remove_all(home);
        })->Unit(benchmark::kMillisecond);
    }
}

const bool packs_registered = (register_packs(), true);

// Every load and every floor measured on memory the process already has.
// Otherwise the allocator hands the megabytes of one iteration back to the
// system when they are freed, and whether the next one pays for fresh pages
// depends on the order the benchmarks happen to run in (it doubled or
// halved a load from one run to the next). The program's own first load,
// on fresh pages, is in the start-up measure of desktop_bench.sh.
const bool memory_kept = [] {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    return true;
}();

} // namespace
