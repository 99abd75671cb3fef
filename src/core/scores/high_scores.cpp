// High-score tables, the entry after round 4 and the winner.
#include "scores/high_scores.h"

#include "platform/convert.h"
#include "platform/letters.h"
#include "platform/text_file.h"

#include <algorithm>

namespace quarn {

namespace {

// A double quote inside a name would end the quoted item early and make the
// whole file unreadable, and a line break would shift every later place; both
// are stored as harmless characters instead, a letter for a letter.
std::string storable(std::string text) {
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;) text.replace(at, 2, " ");
    std::replace(text.begin(), text.end(), '"', '\'');
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// A damaged file can hold megabytes in one item; a place keeps no more
// letters than a label can sensibly show.
constexpr std::size_t longest_table_text = 255;

std::string clipped(const std::string& text) { return first_letters(text, longest_table_text); }

} // namespace

HighScoreTable read_high_score_table(std::string bytes) {
    // A missing or damaged file leaves empty places where it has nothing to
    // say; the next save writes the file whole again.
    HighScoreTable table{};
    ItemReader reader(decode_file_text(std::move(bytes)));
    for (HighScoreRow& row : table) {
        if (reader.at_end()) break;
        std::string name = reader.read_text();
        if (reader.at_end()) break;
        int score = text_to_int16(reader.read_text());
        if (reader.at_end()) break;
        row.name = clipped(name);
        row.score = to_text(score);
        row.date = clipped(reader.read_text());
    }
    for (HighScoreRow& row : table)
        if (row.score.empty()) row.score = "0";
    return table;
}

void load_high_scores(HighScoreTable& table, const std::filesystem::path& file) {
    table = read_high_score_table(read_whole_file(file).value_or(std::string()));
}

void sort_high_scores(HighScoreTable& table) {
    for (int pass = 0; pass < high_score_places; ++pass) {
        for (std::size_t j = 0; j + 1 < table.size(); ++j) {
            int a = text_to_int16(table[j].score);
            int b = text_to_int16(table[j + 1].score);
            if (a < b) {
                table[j].score = to_text(b);
                table[j + 1].score = to_text(a);
                std::swap(table[j].name, table[j + 1].name);
                std::swap(table[j].date, table[j + 1].date);
            }
        }
    }
}

std::string high_score_bytes(const HighScoreTable& table) {
    std::string bytes;
    for (const HighScoreRow& row : table) {
        bytes += quoted_record({storable(row.name)});
        bytes += plain_line(to_text(text_to_int16(row.score)));
        bytes += quoted_record({storable(row.date)});
    }
    return bytes;
}

void save_high_scores(EventPump& pump, const HighScoreTable& table, const std::filesystem::path& file) {
    WriteError error = replace_file(file, high_score_bytes(table));
    if (!error.empty())
        pump.message(say("The high scores could not be saved to %1 (%2). The file keeps its old table.",
                         file.filename().string(), error));
}

void enter_high_scores(EventPump& pump, DateSource& dates, GameScreenModel& screen, NewHiscoreModel& announcement,
                       const std::filesystem::path& file) {
    HighScoreTable& table = screen.high_scores;
    for (std::size_t p = 0; p < seat_count; ++p) {
        int low = text_to_int16(table.back().score);
        int mine = text_to_int16(screen.scores[p]);
        if (mine <= low) continue;
        announcement.show();
        announcement.name_caption = say("Well Done %1", screen.names[p]);
        announcement.score_caption = screen.scores[p];
        table.back().score = screen.scores[p];
        table.back().name = screen.names[p];
        table.back().date = date_text(dates);
        sort_high_scores(table);
        for (HighScoreRow& row : table)
            if (row.score == screen.scores[p] && row.name == screen.names[p]) row.text_colour = colours::yellow;
        while (announcement.visible) pump.wait();
        for (HighScoreRow& row : table) row.text_colour = colours::white;
        save_high_scores(pump, table, file);
    }
}

void show_winner(const GameScreenModel& screen, WinnerModel& winner) {
    double best_score = 0;
    std::size_t best_seat = 0;
    std::string best_text = "0";
    for (std::size_t i = 0; i < seat_count; ++i) {
        double score = text_to_number(screen.scores[i]);
        if (score > best_score) {
            best_score = score;
            best_seat = i;
            best_text = screen.scores[i];
        }
    }
    winner.name_caption = Text::as_is(screen.names[best_seat]);
    winner.score_caption = best_text;
    winner.show();
}

} // namespace quarn
