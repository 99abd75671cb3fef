// The clock-seeded random generator.
#include "random.h"

namespace quarn {

namespace {
std::uint64_t splitmix64(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}
} // namespace

int choose_1_to_n(RandomSource& random, int n) {
    int choice = static_cast<int>(random.next() * n) + 1;
    return choice > n ? n : choice; // guards a generator that returns 1.0
}

ClockSeededRandom::ClockSeededRandom(std::function<std::uint64_t()> clock) : clock_(std::move(clock)) {
    seed_from_clock();
}

void ClockSeededRandom::seed_from_clock() {
    ++reseeds_;
    engine_.seed(splitmix64(clock_() ^ splitmix64(reseeds_)));
}

double ClockSeededRandom::next() {
    // 53 random bits give every double in [0, 1) on an even grid.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace quarn
