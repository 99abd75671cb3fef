// Any high-score file: what is read saves and reads back unchanged, 30 lines.
#include "scores/high_scores.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto table = quarn::read_high_score_table(std::string(reinterpret_cast<const char*>(data), size));
    std::string saved = quarn::high_score_bytes(table);
    if (std::count(saved.begin(), saved.end(), '\n') != 30) std::abort();
    auto again = quarn::read_high_score_table(saved);
    if (quarn::high_score_bytes(again) != saved) std::abort();
    for (const auto& row : again)
        if (std::stoi(row.score) < -32768 || std::stoi(row.score) > 32767) std::abort();
    return 0;
}
