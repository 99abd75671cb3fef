// Word look-ups against the shipped dictionary and against the largest one a
// player may give, the index beside the plain walk it stands in for, and the
// load with its index build beside the least any load must do: read the file
// and hash every entry once.
#include "platform/text_file.h"
#include "words/dictionary.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

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

// The largest dictionary a player may give: the shipped words followed by
// distinct made-up words of 5 to 12 letters, like a big word list would hold,
// then the end marker.
std::vector<std::string> synthetic_items(std::size_t count) {
    std::vector<std::string> items = shipped_words();
    std::unordered_set<std::string> seen(items.begin(), items.end());
    std::mt19937 gen(500000);
    while (items.size() + 1 < count) {
        std::string word;
        int length = 5 + static_cast<int>(gen() % 8);
        for (int c = 0; c < length; ++c) word += static_cast<char>('a' + gen() % 26);
        if (seen.insert(word).second) items.push_back(word);
    }
    items.push_back("999");
    return items;
}

// The same as a file, one item a line with CR LF, as a player would give it;
// removed when the run ends. Named after the process, so that runs side by
// side on one machine keep to their own.
struct SyntheticFile {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("quarn-bench-500000-" + std::to_string(::getpid()) + ".dic");
    SyntheticFile() {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const std::string& item : synthetic_items(500000)) out << item << "\r\n";
    }
    ~SyntheticFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

const std::filesystem::path& dictionary_file(int which) {
    static const SyntheticFile synthetic;
    return which == 0 ? shipped : synthetic.path;
}

const Dictionary& dictionary(int which) {
    auto loaded = [](const std::filesystem::path& path) {
        Dictionary d;
        if (!d.load(path)) throw std::runtime_error("cannot read " + path.string());
        return d;
    };
    static const Dictionary shipped_dictionary = loaded(dictionary_file(0));
    static const Dictionary large = loaded(dictionary_file(1));
    return which == 0 ? shipped_dictionary : large;
}

// The 18 runs of a fully white board of random letters: 5 rows, 13 columns.
std::vector<quarn::LetterText> white_board_runs(unsigned seed) {
    std::mt19937 gen(seed);
    std::string cells;
    for (int i = 0; i < 65; ++i) cells += static_cast<char>('a' + gen() % 26);
    std::vector<quarn::LetterText> runs;
    for (int row = 0; row < 5; ++row) runs.emplace_back(std::string_view(cells).substr(static_cast<std::size_t>(row) * 13, 13));
    for (int col = 0; col < 13; ++col) {
        quarn::LetterText run;
        for (int row = 0; row < 5; ++row) run.append(std::string_view(cells).substr(static_cast<std::size_t>(row * 13 + col), 1));
        runs.push_back(run);
    }
    return runs;
}

template <bool Linear>
void BM_GridScan(benchmark::State& state) {
    const Dictionary& d = dictionary(static_cast<int>(state.range(0)));
    auto runs = white_board_runs(42);
    for (const auto& run : runs)
        if (d.contained_in(run) != d.contained_in_linear(run)) state.SkipWithError("index and walk disagree");
    for (auto _ : state) {
        std::size_t found = 0;
        for (const auto& run : runs) found += (Linear ? d.contained_in_linear(run) : d.contained_in(run)).size();
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(state.range(0) == 0 ? "shipped" : "500000");
}
BENCHMARK(BM_GridScan<false>)->Name("GridScan/index")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridScan<true>)->Name("GridScan/linear")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

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
    state.SetLabel(state.range(0) == 0 ? "shipped" : "500000");
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
    state.SetLabel(state.range(0) == 0 ? "shipped" : "500000");
}
BENCHMARK(BM_Load)->Name("LoadAndIndex")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The floor, part one: the file's bytes into memory, nothing else.
void BM_ReadFile(benchmark::State& state) {
    const std::filesystem::path& path = dictionary_file(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto bytes = quarn::read_whole_file(path);
        if (!bytes) state.SkipWithError("cannot read the dictionary");
        benchmark::DoNotOptimize(bytes->data());
    }
    state.SetLabel(state.range(0) == 0 ? "shipped" : "500000");
}
BENCHMARK(BM_ReadFile)->Name("Floor/ReadFile")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
    state.SetLabel(state.range(0) == 0 ? "shipped" : "500000");
}
BENCHMARK(BM_HashEveryEntry)->Name("Floor/HashEveryEntry")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
