// Two-minute games of each kind, played by one scripted player through the
// real windows from the main menu to "GAME OVER" and back, and a game left
// with Exit.
#include "e2e_fixture.h"

#include <QListWidget>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <unordered_map>

namespace quarn::ui::e2e {
namespace {

using WholeGames = E2eTest;

std::string sorted(std::string letters) {
    std::sort(letters.begin(), letters.end());
    return letters;
}

std::string read_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The lines of a file whose every line ends in CR LF; a line without it fails.
std::vector<std::string> crlf_lines(const std::filesystem::path& path) {
    const std::string bytes = read_bytes(path);
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(bytes.substr(from, end - from));
    EXPECT_EQ(from, bytes.size()) << path << " has a line without CR LF";
    return lines;
}

// Dictionary words of plain letters within the given lengths.
std::vector<std::string> dictionary_words(const Dictionary& dictionary, std::size_t shortest, std::size_t longest) {
    std::vector<std::string> words;
    for (std::size_t slot = 1; slot < dictionary.end_slot(); ++slot) {
        const std::string_view word = dictionary.word(slot);
        if (word.size() >= shortest && word.size() <= longest &&
            std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            words.emplace_back(word);
    }
    return words;
}

// The longest word that can be laid from the letters, each used at most once.
std::string longest_word_from(const std::vector<std::string>& words, const std::string& letters) {
    std::string best;
    for (const std::string& word : words) {
        if (word.size() <= best.size()) continue;
        std::string left = letters;
        bool fits = true;
        for (char c : word) {
            auto at = left.find(c);
            if (at == std::string::npos) {
                fits = false;
                break;
            }
            left.erase(at, 1);
        }
        if (fits) best = word;
    }
    return best;
}

int points_of(const QStringList& words) {
    int points = 0;
    for (const QString& word : words) points += 50 * static_cast<int>(word.size());
    return points;
}

// What every game that runs its course ends with, and where it leaves the
// program: the ready boxes, the winner, "GAME OVER" and the main menu with no
// game picked.
void expect_game_ran_its_course(const std::vector<QString>& boxes, bool winner_first, const MainMenuWindow& menu,
                                const GameScreenWindow& screen) {
    ASSERT_GE(boxes.size(), 2u);
    EXPECT_EQ(boxes.front(), QStringLiteral("Are you ready Ann"));
    EXPECT_EQ(boxes.back(), QStringLiteral("GAME OVER"));
    for (std::size_t i = 0; i + 1 < boxes.size(); ++i) EXPECT_EQ(boxes[i], QStringLiteral("Are you ready Ann")) << i;
    EXPECT_TRUE(winner_first) << "the winner window comes before GAME OVER";
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(screen.isVisible());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(menu.game_button(i)->palette().color(QPalette::Button), QColor(192, 192, 192)) << "button " << i;
}

TEST_F(WholeGames, AnagramsSolvedCellByCellForTwoMinutes) {
    start(25);
    std::unordered_map<std::string, std::string> by_letters;
    for (const std::string& word : dictionary_words(q->dictionary_words, 2, 30))
        by_letters.emplace(sorted(word), word);

    std::vector<std::string> draws; // the scrambled letters of each turn
    std::size_t boxes_at_draw = 0;
    on_move = [&] {
        std::string letters;
        for (int i = 0; i < cell_count && !cell_text(i).empty(); ++i) letters += cell_text(i);
        if (draws.empty() || boxes.size() != boxes_at_draw) {
            boxes_at_draw = boxes.size();
            draws.push_back(letters);
        }
        // The player takes a moment over each word, so that the points differ
        // from turn to turn and the total stays below what a score can hold.
        if (text_of(windows->game_screen, "label_score").toInt() > 900) return;
        auto solution = by_letters.find(sorted(letters));
        if (solution == by_letters.end()) return; // cannot happen with the shipped lists; the count below fails
        const std::string& word = solution->second;
        if (letters == word) {
            later([this] { windows->game_screen.check_button()->click(); });
            return;
        }
        const PlayState& s = q->state;
        if (s.clicked_cell >= 0) return; // the last press is not taken up yet
        if (s.clicks_made == 0) {
            std::size_t wrong = 0;
            while (letters[wrong] == word[wrong]) ++wrong;
            press_cell(static_cast<int>(wrong));
            return;
        }
        // The second press fetches the letter that belongs in the first cell.
        const auto first = static_cast<std::size_t>(s.picked_cells[1]);
        for (std::size_t j = first + 1; j < letters.size(); ++j)
            if (letters[j] == word[first] && letters[j] != word[j]) return press_cell(static_cast<int>(j));
    };
    set_up(0, {QStringLiteral("Ann")}, 2);
    const std::vector<std::string> used_before = crlf_lines(directory / "anagrams1_used.dat");
    play();

    expect_game_ran_its_course(boxes, winner_before_game_over, windows->main_menu, windows->game_screen);
    EXPECT_EQ(seen_heading, QStringLiteral("Anagrams"));
    EXPECT_EQ(seen_turn, QStringLiteral("Ann's turn"));
    const std::size_t turns = boxes.size() - 1;
    ASSERT_EQ(draws.size(), turns);
    ASSERT_EQ(turn_points.size(), turns) << "every word was solved before the counter ran out";
    int total = 0;
    for (int points : turn_points) {
        EXPECT_GT(points, 0);
        EXPECT_LE(points, 901);
        total += points;
    }
    EXPECT_EQ(seen_winner, QStringLiteral("Ann"));
    EXPECT_EQ(seen_winner_score, QString::number(std::min(total, 32767)));

    // The score label counted up through values between the turns' totals.
    std::vector<int> totals{0};
    for (int points : turn_points) totals.push_back(std::min(totals.back() + points, 32767));
    bool counted_between = false;
    for (std::size_t i = 0; i < seen_scores.size(); ++i) {
        const int shown = seen_scores[i].toInt();
        if (i > 0) {
            EXPECT_GE(shown, seen_scores[i - 1].toInt()) << "the score never goes down";
        }
        counted_between = counted_between || std::find(totals.begin(), totals.end(), shown) == totals.end();
    }
    EXPECT_TRUE(counted_between) << "seen: " << seen_scores.size() << " score values";

    // Every drawn word is marked in the used-word record, and only those.
    const std::vector<std::string> used = crlf_lines(directory / "anagrams1_used.dat");
    ASSERT_EQ(used.size(), 1001u);
    EXPECT_EQ(std::count(used_before.begin(), used_before.end(), "True"), 0);
    EXPECT_EQ(std::count(used.begin(), used.end(), "True"), static_cast<long>(turns));
    EXPECT_EQ(std::count(used.begin(), used.end(), "True") + std::count(used.begin(), used.end(), "False"), 1001);
    for (const std::string& draw : draws) {
        bool marked = false;
        for (int p = 1; p <= q->anagram_words.count && !marked; ++p)
            marked = used[static_cast<std::size_t>(p)] == "True" &&
                     sorted(q->anagram_words.entries[static_cast<std::size_t>(p)]) == sorted(draw);
        EXPECT_TRUE(marked) << draw;
    }

    if (turns >= 4) {
        EXPECT_EQ(seen_new_hiscore, QStringLiteral("Well Done Ann"));
        const std::string table = read_bytes(directory / "anagrams.hi");
        EXPECT_EQ(table.rfind("\"Ann\"\r\n", 0), 0u) << table.substr(0, 40);
    }
}

TEST_F(WholeGames, CrosswordBuildsTheLongestWordOfEachDraw) {
    start(50);
    const std::vector<std::string> words = dictionary_words(q->dictionary_words, 3, 7);
    constexpr int row = 2 * grid_columns; // built in the third row, clear of the letters
    std::vector<std::string> built;
    std::size_t boxes_at_draw = 0;
    on_move = [&] {
        if (built.empty() || boxes.size() != boxes_at_draw) {
            boxes_at_draw = boxes.size();
            std::string letters;
            for (int i = 0; i < grid_columns; ++i) letters += cell_text(i);
            built.push_back(longest_word_from(words, letters));
        }
        const std::string& word = built.back();
        if (word.empty()) return; // nothing to build: the clock ends the turn
        std::size_t placed = 0;
        while (placed < word.size() && cell_text(row + static_cast<int>(placed)) == std::string(1, word[placed]))
            ++placed;
        if (placed == word.size()) {
            later([this] { windows->game_screen.check_button()->click(); });
            return;
        }
        const PlayState& s = q->state;
        if (s.clicked_cell >= 0) return;
        if (s.clicks_made == 1) return press_cell(row + static_cast<int>(placed));
        for (int i = 0; i < grid_columns; ++i)
            if (cell_text(i) == std::string(1, word[placed])) return press_cell(i);
    };
    set_up(1, {QStringLiteral("Ann")}, 2);
    play();

    expect_game_ran_its_course(boxes, winner_before_game_over, windows->main_menu, windows->game_screen);
    EXPECT_EQ(seen_heading, QStringLiteral("Crossword"));
    ASSERT_EQ(found.size(), turn_points.size());
    ASSERT_FALSE(found.empty());
    // Each checked turn listed its word and scored 50 a word found.
    for (std::size_t t = 0; t < found.size(); ++t) {
        EXPECT_TRUE(found[t].contains(QString::fromStdString(built[t]))) << built[t];
        EXPECT_EQ(turn_points[t], 50 * found[t].size());
    }
    const std::vector<std::string> used = crlf_lines(directory / "crossword1_used.dat");
    EXPECT_EQ(used.size(), 1001u);
    EXPECT_EQ(std::count(used.begin(), used.end(), "True"), static_cast<long>(boxes.size() - 1));
}

TEST_F(WholeGames, MixNMatchMarksCellsWhiteAndChecks) {
    start(50);
    on_move = [&] {
        // A cell pressed twice is swapped with itself and turns white.
        for (int c = 0; c < 4; ++c)
            if (!cell_is_white(c)) {
                if (q->state.clicked_cell < 0) press_cell(c);
                return;
            }
        later([this] { windows->game_screen.check_button()->click(); });
    };
    set_up(2, {QStringLiteral("Ann")}, 2);
    play();

    expect_game_ran_its_course(boxes, winner_before_game_over, windows->main_menu, windows->game_screen);
    EXPECT_EQ(seen_heading, QStringLiteral("Mix 'N Match"));
    ASSERT_FALSE(found.empty());
    ASSERT_EQ(found.size(), turn_points.size());
    for (std::size_t t = 0; t < found.size(); ++t) EXPECT_EQ(turn_points[t], points_of(found[t])) << t;

    // The scan's logs of the last turn: one line a row and column, then its words.
    EXPECT_EQ(crlf_lines(directory / "test.txt").size(), 18u);
    ASSERT_TRUE(std::filesystem::exists(directory / "test1.txt"));
    EXPECT_EQ(crlf_lines(directory / "test1.txt").size(), static_cast<std::size_t>(found.back().size()));
}

TEST_F(WholeGames, PickNMixPlacesTheOfferedLetters) {
    start(60);
    constexpr int targets[] = {14, 15, 16, 17};
    std::string placed;
    on_move = [&] {
        const PlayState& s = q->state;
        if (s.clicked_cell >= 0) return;
        for (int target : targets)
            if (!cell_is_white(target)) {
                if (s.clicks_made == 1) return press_cell(target);
                if (!cell_text(0).empty()) press_cell(0);
                return;
            }
        if (placed.empty())
            for (int target : targets) placed += cell_text(target);
    };
    set_up(3, {QStringLiteral("Ann")}, 2);
    play();

    expect_game_ran_its_course(boxes, winner_before_game_over, windows->main_menu, windows->game_screen);
    EXPECT_EQ(seen_heading, QStringLiteral("Pick 'N Mix"));
    // The one turn outlasts the two-minute clock.
    EXPECT_EQ(boxes.size(), 2u);
    ASSERT_EQ(placed.size(), 4u);
    ASSERT_EQ(found.size(), 1u);
    for (const QString& word : found[0]) EXPECT_NE(placed.find(word.toStdString()), std::string::npos) << placed;
    EXPECT_EQ(turn_points[0], points_of(found[0]));
    EXPECT_EQ(seen_winner_score, QString::number(turn_points[0]));
}

TEST_F(WholeGames, ExitDuringATurnAnsweredYesGoesStraightBackToTheMenu) {
    start(25);
    bool pressed = false;
    on_move = [&] {
        if (pressed) return;
        pressed = true;
        later([this] { find<QAbstractButton>(windows->game_screen, "button_exit")->click(); });
    };
    set_up(0, {QStringLiteral("Ann")}, 2);
    play();

    EXPECT_EQ(boxes, (std::vector<QString>{QStringLiteral("Are you ready Ann"),
                                           QStringLiteral("Are you sure you want to Quit")}));
    EXPECT_TRUE(seen_winner.isEmpty());
    EXPECT_TRUE(turn_points.empty());
    EXPECT_TRUE(windows->main_menu.isVisible());
    EXPECT_FALSE(windows->game_screen.isVisible());
}

} // namespace
} // namespace quarn::ui::e2e
