// Random numbers in [0, 1). The games reseed "from the clock" before each
// series of choices; behind this interface tests inject a fixed sequence.
#pragma once
#include <cstdint>
#include <functional>
#include <random>

namespace quarn {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed_from_clock() = 0;
    // A uniformly distributed number r with 0 <= r < 1.
    virtual double next() = 0;
};

// A choice among 1..n the way every game makes it: int(r * n) + 1.
int choose_1_to_n(RandomSource& random, int n);

// The generator the program plays with. The clock reading comes from outside
// the core; each reseed also mixes in a counter, so seeding twice within one
// clock tick never replays the same numbers.
class ClockSeededRandom final : public RandomSource {
public:
    explicit ClockSeededRandom(std::function<std::uint64_t()> clock);
    void seed_from_clock() override;
    double next() override;

private:
    std::function<std::uint64_t()> clock_;
    std::uint64_t reseeds_ = 0;
    std::mt19937_64 engine_;
};

} // namespace quarn
