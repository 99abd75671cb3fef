// Word lists, used-word records and the draw.
#include "word_list.h"

#include "platform/letters.h"

#include <algorithm>

namespace quarn {

bool WordList::load(const std::filesystem::path& path) {
    auto bytes = read_whole_file(path);
    if (!bytes) return false;
    read(std::move(*bytes));
    return true;
}

void WordList::read(std::string bytes) {
    ItemReader reader(decode_composed(std::move(bytes)));
    int taken = 0;
    while (!reader.at_end() && taken < list_capacity) {
        ++taken;
        entries[static_cast<std::size_t>(taken)] = reader.read_text();
    }
    count = reader.at_end() ? taken - 1 : list_capacity;
    if (count < 0) count = 0;
    // Each letter fills one cell, so only what can be drawn in one can be laid out.
    constexpr auto longest = static_cast<std::size_t>(longest_list_entry);
    for (std::size_t p = 0; p < entries.size(); ++p) {
        const std::string& entry = entries[p];
        layable[p] = !entry.empty() && all_visible(entry) && letter_count(entry, longest) <= longest;
    }
}

bool WordList::drawable(int position) const {
    return position >= 1 && position <= count && layable[static_cast<std::size_t>(position)];
}

bool WordList::has_candidate() const {
    for (int p = 1; p <= count; ++p)
        if (drawable(p)) return true;
    return false;
}

void UsedRecord::load(const std::filesystem::path& path) { read(read_whole_file(path).value_or(std::string())); }

void UsedRecord::read(std::string bytes) {
    used.fill(false);
    ItemReader reader(decode_file_text(std::move(bytes)));
    for (bool& mark : used) {
        if (reader.at_end()) break;
        mark = reader.read_text() == "True";
    }
}

std::string UsedRecord::bytes() const {
    std::string out;
    out.reserve(used.size() * 7);
    for (bool mark : used) out += plain_line(mark ? "True" : "False");
    return out;
}

std::optional<int> pick_word(const WordList& list, UsedRecord& record, RandomSource& random) {
    if (!list.has_candidate()) return std::nullopt;
    auto free_at = [&](int p) { return list.drawable(p) && !record.used[static_cast<std::size_t>(p)]; };
    bool any_free = false;
    for (int p = 1; p <= list.count && !any_free; ++p) any_free = free_at(p);
    if (!any_free)
        for (int p = 1; p <= list.count; ++p) record.used[static_cast<std::size_t>(p)] = false;
    random.seed_from_clock();
    int p = 0;
    do {
        p = choose_1_to_n(random, list.count);
    } while (!free_at(p));
    record.used[static_cast<std::size_t>(p)] = true;
    return p;
}

} // namespace quarn
