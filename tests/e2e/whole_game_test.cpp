// A two-minute game of Anagrams, played by one scripted player through the
// real windows from the main menu to "GAME OVER" and back: the Qt pump, the
// windows following their models, and the player's clicks reaching the core.
#include "e2e_fixture.h"

#include <algorithm>
#include <unordered_map>

namespace quarn::ui::e2e {
namespace {

using WholeGame = E2eTest;

std::string sorted(std::string letters) {
    std::sort(letters.begin(), letters.end());
    return letters;
}

TEST_F(WholeGame, AnagramsSolvedCellByCellFromTheMenuToGameOver) {
    start(25);
    std::unordered_map<std::string, std::string> by_letters;
    for (std::size_t slot = 1; slot < q->dictionary_words.end_slot(); ++slot) {
        const std::string word(q->dictionary_words.word(slot));
        by_letters.emplace(sorted(word), word);
    }
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
        const std::string& word = by_letters.at(sorted(letters));
        if (letters == word) return later([this] { windows->game_screen.check_button()->click(); });
        const PlayState& s = q->state;
        if (s.clicked_cell >= 0) return; // the last press is not taken up yet
        if (s.clicks_made == 0) {
            std::size_t wrong = 0;
            while (letters[wrong] == word[wrong]) ++wrong;
            return press_cell(static_cast<int>(wrong));
        }
        // The second press fetches the letter that belongs in the first cell.
        const auto first = static_cast<std::size_t>(s.picked_cells[1]);
        for (std::size_t j = first + 1; j < letters.size(); ++j)
            if (letters[j] == word[first] && letters[j] != word[j]) return press_cell(static_cast<int>(j));
    };
    play(0, QStringLiteral("Ann"), 2);

    ASSERT_GE(boxes.size(), 5u) << "at least four turns in two minutes";
    const std::size_t turns = boxes.size() - 1;
    for (std::size_t i = 0; i < turns; ++i) EXPECT_EQ(boxes[i], QStringLiteral("Are you ready Ann")) << i;
    EXPECT_EQ(boxes.back(), QStringLiteral("GAME OVER"));
    EXPECT_TRUE(winner_before_game_over);
    EXPECT_EQ(seen_heading, QStringLiteral("Anagrams"));
    EXPECT_EQ(seen_turn, QStringLiteral("Ann's turn"));
    EXPECT_TRUE(windows->main_menu.isVisible());
    EXPECT_FALSE(windows->game_screen.isVisible());

    ASSERT_EQ(draws.size(), turns);
    ASSERT_EQ(turn_points.size(), turns) << "every word was solved before the counter ran out";
    std::vector<int> totals{0};
    for (int points : turn_points) {
        EXPECT_TRUE(points > 0 && points <= 901) << points;
        totals.push_back(std::min(totals.back() + points, 32767));
    }
    EXPECT_EQ(seen_winner, QStringLiteral("Ann"));
    EXPECT_EQ(seen_winner_score, QString::number(totals.back()));
    // The score label counted up through values between the turns' totals.
    EXPECT_TRUE(std::is_sorted(seen_scores.begin(), seen_scores.end(),
                               [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); }));
    EXPECT_TRUE(std::any_of(seen_scores.begin(), seen_scores.end(), [&](const QString& shown) {
        return std::find(totals.begin(), totals.end(), shown.toInt()) == totals.end();
    }));

    // The table entered after round 4, and every drawn word marked used.
    EXPECT_EQ(seen_new_hiscore, QStringLiteral("Well Done Ann"));
    EXPECT_EQ(test::read_file(directory / "anagrams.hi").rfind("\"Ann\"\r\n", 0), 0u);
    const std::vector<std::string> used = test::lines_of(directory / "anagrams1_used.dat");
    ASSERT_EQ(used.size(), 1001u);
    EXPECT_EQ(std::count(used.begin(), used.end(), "True"), static_cast<long>(turns));
    const WordList& list = dynamic_cast<const DrawnEntryGame&>(*q->find_game("Anagrams")).word_list();
    for (const std::string& draw : draws) {
        bool marked = false;
        for (int p = 1; p <= list.count && !marked; ++p)
            marked = used[static_cast<std::size_t>(p)] == "True" && sorted(list.entries[static_cast<std::size_t>(p)]) == sorted(draw);
        EXPECT_TRUE(marked) << draw;
    }
}

} // namespace
} // namespace quarn::ui::e2e
