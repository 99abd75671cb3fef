// The fixed table of the four games, looked up by key. A key that is not one
// of the four (in practice the empty key) selects nothing.
#pragma once
#include <array>
#include <string_view>

namespace quarn {

enum class GameKind { anagrams, crossword, mix_n_match, pick_n_mix };

struct GameEntry {
    GameKind kind;
    std::string_view key;             // game_type
    std::string_view caption;         // button caption and play window heading
    std::string_view high_score_file; // table of the ten best scores
    std::string_view word_list_file;  // empty for the grid games
    std::string_view used_record_file;
};

inline constexpr std::array<GameEntry, 4> game_catalogue{{
    {GameKind::anagrams, "Anagrams", "Anagrams", "anagrams.hi", "anagrams1.dic", "anagrams1_used.dat"},
    {GameKind::crossword, "Crossword", "Crossword", "crosswords.hi", "crossword1.dic", "crossword1_used.dat"},
    {GameKind::mix_n_match, "Mixnmatch", "Mix 'N Match", "mixnmatch.hi", "", ""},
    {GameKind::pick_n_mix, "Worddrop", "Pick 'N Mix", "worddrop.hi", "", ""},
}};

// The entry of a key, or nullptr for any other text.
constexpr const GameEntry* find_game(std::string_view key) {
    for (const GameEntry& entry : game_catalogue)
        if (entry.key == key) return &entry;
    return nullptr;
}

constexpr const GameEntry& game_entry(GameKind kind) {
    return game_catalogue[static_cast<std::size_t>(kind)];
}

constexpr bool is_game(std::string_view key, GameKind kind) {
    const GameEntry* entry = find_game(key);
    return entry != nullptr && entry->kind == kind;
}

} // namespace quarn
