// Any list and record file: only entries that fit the board are drawn, the
// draw always ends, and a record always writes back as 1001 lines.
#include "platform/letters.h"
#include "words/word_list.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
class Counter final : public quarn::RandomSource {
public:
    void seed_from_clock() override {}
    double next() override { return (n_++ % 997) / 997.0; }

private:
    unsigned n_ = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    quarn::WordList list;
    list.read(bytes);
    quarn::UsedRecord record;
    record.read(bytes);
    if (list.count < 0 || list.count > quarn::list_capacity) std::abort();
    Counter random;
    for (int draw = 0; draw < 3; ++draw) {
        std::optional<int> p = quarn::pick_word(list, record, random);
        if (p.has_value() != list.has_candidate()) std::abort();
        if (p && (!list.drawable(*p) || quarn::letter_count(list.entries[static_cast<std::size_t>(*p)]) > 30)) std::abort();
    }
    std::string written = record.bytes();
    if (std::count(written.begin(), written.end(), '\n') != 1001) std::abort();
    return 0;
}
