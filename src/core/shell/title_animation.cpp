// The title letters' scatter, bounce and settling.
#include "shell/title_animation.h"

namespace quarn {

namespace {

// Reversal does not clamp, so a letter only ever stands at its start plus
// whole steps and is sure to pass its resting value again on a later sweep.
void move_letter(PlayState& s, std::size_t i) {
    s.title_left[i] += s.title_step_left[i];
    if (s.title_left[i] > 5600) s.title_step_left[i] = -s.title_step_left[i];
    if (s.title_left[i] < 200) s.title_step_left[i] = -s.title_step_left[i];
    s.title_top[i] += s.title_step_top[i];
    if (s.title_top[i] > 2000) s.title_step_top[i] = -s.title_step_top[i];
    if (s.title_top[i] < 250) s.title_step_top[i] = -s.title_step_top[i];
}

int random_step(RandomSource& random) { return static_cast<int>(random.next() * 50) + 50; }

} // namespace

void scatter_title(PlayState& s, RandomSource& random) {
    for (std::size_t i = 0; i < title_letters; ++i) {
        s.title_step_left[i] = random_step(random);
        s.title_step_top[i] = random_step(random);
        s.title_top[i] = title_resting_top;
    }
    s.title_left = title_resting_left;
    double moves = random.next() * 1000;
    for (int j = 1; j <= moves; ++j)
        for (std::size_t i = 0; i < title_letters; ++i) move_letter(s, i);
}

void title_tick(PlayState& s, MainMenuModel& menu) {
    if (s.title_ticks <= 200) ++s.title_ticks;
    bool moving = false;
    for (std::size_t i = 0; i < title_letters; ++i)
        moving = moving || s.title_step_left[i] != 0 || s.title_step_top[i] != 0;
    for (std::size_t i = 0; i < title_letters; ++i) {
        move_letter(s, i);
        if (s.title_ticks > 200) {
            for (std::size_t j = 0; j < title_letters; ++j) {
                if (s.title_left[j] == title_resting_left[j]) s.title_step_left[j] = 0;
                if (s.title_top[j] == title_resting_top) s.title_step_top[j] = 0;
            }
        }
    }
    if (moving) {
        menu.letter_left = s.title_left;
        menu.letter_top = s.title_top;
    }
}

} // namespace quarn
