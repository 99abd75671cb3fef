// The word lists of Anagrams and Crossword, their used-word records, and the
// draw of an entry that has not come up since the record was last cleared.
#pragma once
#include "platform/random.h"
#include "platform/text_file.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace quarn {

inline constexpr int list_capacity = 1000;       // positions 1..1000
inline constexpr int longest_list_entry = 30;    // letters the scramble can hold

// A list in memory: entries at positions 1, 2, ... in file order.
struct WordList {
    std::array<std::string, list_capacity + 1> entries{};
    int count = 0; // candidates: positions 1..count can be drawn
    std::array<bool, list_capacity + 1> layable{}; // what drawable() says, worked out once when read

    // Reads the file; false when it cannot be read. Only the first 1000
    // entries are taken, each in composed normal form. The last entry of a file is never a candidate; when
    // the file holds more than 1000 entries all the first 1000 are.
    bool load(const std::filesystem::path& path);
    void read(std::string bytes);
    // An empty entry, one too long for the scramble, or one with blanks,
    // control characters or a character its file's encoding could not name
    // keeps its position (so the record stays aligned) but is never drawn.
    bool drawable(int position) const;
    bool has_candidate() const;
};

// One mark per list position 0..1000; true means drawn since the last cycle
// began.
struct UsedRecord {
    std::array<bool, list_capacity + 1> used{};

    // Reads the 1001 lines. A missing file, a missing line or a line that is
    // neither "True" nor "False" reads as "False".
    void load(const std::filesystem::path& path);
    void read(std::string bytes);
    // The file's bytes: 1001 lines "True"/"False", CR LF.
    std::string bytes() const;
    WriteError save(const std::filesystem::path& path) const { return replace_file(path, bytes()); }
};

// Draws a drawable candidate of the list that is not marked, marks it and
// returns its position. When every candidate is marked a new cycle begins.
// Nothing when the list has no candidate that can be drawn.
std::optional<int> pick_word(const WordList& list, UsedRecord& record, RandomSource& random);

} // namespace quarn
