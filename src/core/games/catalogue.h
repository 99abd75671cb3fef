// The games, in the order of the main menu's buttons. Adding a game is one
// file that makes its rules and one row here.
#pragma once
#include "engine/game_rules.h"

#include <array>
#include <memory>

namespace quarn {

std::unique_ptr<GameRules> make_anagrams();
std::unique_ptr<GameRules> make_crossword();
std::unique_ptr<GameRules> make_mix_n_match();
std::unique_ptr<GameRules> make_pick_n_mix();

inline constexpr std::array game_catalogue{
    &make_anagrams,
    &make_crossword,
    &make_mix_n_match,
    &make_pick_n_mix,
};

} // namespace quarn
