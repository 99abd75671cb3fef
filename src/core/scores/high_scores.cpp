// High-score tables, the entry after round 4, the winner and the turn result's OK.
#include "scores/high_scores.h"

#include "platform/convert.h"
#include "platform/text_file.h"
#include "quarn.h"
#include "state/catalogue.h"

#include <algorithm>

namespace quarn {

namespace {

// A double quote inside a name would end the quoted item early and make the
// whole file unreadable, and a line break would shift every later place; both
// are stored as harmless characters instead.
std::string storable(std::string text) {
    std::replace(text.begin(), text.end(), '"', '\'');
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// A damaged file can hold megabytes in one item; a place keeps no more than
// a label can sensibly show.
constexpr std::size_t longest_table_text = 255;

std::string clipped(std::string text) {
    if (text.size() > longest_table_text) text.resize(longest_table_text);
    return text;
}

} // namespace

HighScoreTable read_high_score_table(std::string bytes) {
    // A missing or damaged file leaves empty places where it has nothing to
    // say; the next save writes the file whole again.
    HighScoreTable table{};
    ItemReader reader(std::move(bytes));
    for (HighScoreRow& row : table) {
        if (reader.at_end()) break;
        std::string name = reader.read_text();
        if (reader.at_end()) break;
        int score = text_to_int16(reader.read_text());
        if (reader.at_end()) break;
        row.name = clipped(std::move(name));
        row.score = to_text(score);
        row.date = clipped(reader.read_text());
    }
    for (HighScoreRow& row : table)
        if (row.score.empty()) row.score = "0";
    return table;
}

void load_high_scores(Quarn& q, const GameEntry& game) {
    q.form_game_screen.high_scores =
        read_high_score_table(read_whole_file(q.file(game.high_score_file)).value_or(std::string()));
}

void sort_high_scores(Quarn& q) {
    auto& table = q.form_game_screen.high_scores;
    for (int pass = 0; pass < 10; ++pass) {
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

void save_high_scores(Quarn& q, const GameEntry& game) {
    WriteError error = replace_file(q.file(game.high_score_file), high_score_bytes(q.form_game_screen.high_scores));
    if (!error.empty())
        q.pump.message("The high scores could not be saved to " + std::string(game.high_score_file) + " (" + error +
                       "). The file keeps its old table.");
}

void enter_high_scores(Quarn& q, const GameEntry& game) {
    GameScreenModel& screen = q.form_game_screen;
    auto& table = screen.high_scores;
    for (std::size_t p = 0; p < seat_count; ++p) {
        int low = text_to_int16(table.back().score);
        int mine = text_to_int16(screen.scores[p]);
        if (mine <= low) continue;
        q.form_new_hiscore.show();
        q.form_new_hiscore.name_caption = "Well Done " + screen.names[p];
        q.form_new_hiscore.score_caption = screen.scores[p];
        table.back().score = screen.scores[p];
        table.back().name = screen.names[p];
        table.back().date = date_text(q.dates);
        sort_high_scores(q);
        for (HighScoreRow& row : table)
            if (row.score == screen.scores[p] && row.name == screen.names[p]) row.text_colour = colours::yellow;
        while (q.form_new_hiscore.visible) q.pump.wait();
        for (HighScoreRow& row : table) row.text_colour = colours::white;
        save_high_scores(q, game);
    }
}

void show_winner(Quarn& q) {
    const GameScreenModel& screen = q.form_game_screen;
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
    q.form_winner.name_caption = screen.names[best_seat];
    q.form_winner.score_caption = best_text;
    q.form_winner.show();
}

void score_ok(Quarn& q) { q.state.score_ok_clicked = true; }

} // namespace quarn
