// Eight hours of back-to-back games of all four kinds: counters stay in
// range, nothing piles up in memory and every file stays well-formed.
#include "board/letter_grid.h"
#include "shell/main_menu.h"

#include "world.h"

#include <gtest/gtest.h>

#include <malloc.h>

namespace quarn {
namespace {

std::size_t heap_in_use() { return mallinfo2().uordblks; }

TEST(LongSession, EightHoursOfGamesStayInShape) {
    test::World world;
    world.write_standard_files();
    Quarn& q = world.start();
    // Solves the word games, marks a few cells in the grid games, and checks.
    world.play_turns([&] {
        std::int64_t t = world.pump.now_ms() + 20;
        std::string letters;
        for (const Cell& cell : q.form_game_screen.cells) letters += cell.text;
        std::sort(letters.begin(), letters.end());
        if (letters == "act" || letters == "dgo" || letters == "emos")
            t = world.arrange(t, letters == "act" ? "cat" : letters == "dgo" ? "dog" : "some", 0);
        else
            for (int cell : {0, 0, 1, 1, 2, 2, 14, 14}) world.click_at(t += 20, cell);
        world.pump.at(t + 20, [&q] { check_clicked(q.state, q.form_game_screen); });
    });
    std::size_t heap_after_first_round = 0;
    int games = 0;
    while (world.pump.now_ms() < 8LL * 3600 * 1000) {
        world.set_up(games % 4, 30, {"Ann", "", "Bo"});
        play_game(q);
        ++games;
        ASSERT_EQ(world.pump.box_texts().back(), "GAME OVER");
        for (const HighScoreRow& row : q.form_game_screen.high_scores) {
            const int score = std::stoi(row.score);
            ASSERT_TRUE(score >= -32768 && score <= 32767);
        }
        ASSERT_LE(q.form_show_score.found_list.size(), 200u);
        for (const char* name : {"anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"})
            ASSERT_EQ(test::lines_of(world.dir / name).size(), 30u) << name;
        for (const char* name : {"anagrams1_used.dat", "crossword1_used.dat"})
            ASSERT_EQ(test::lines_of(world.dir / name).size(), 1001u) << name;
        world.pump.boxes.clear();
        if (games == 4) heap_after_first_round = heap_in_use();
    }
    EXPECT_GE(games, 16);
#if defined(__SANITIZE_ADDRESS__)
    (void)heap_after_first_round; // the sanitizer's allocator keeps its own books
#else
    EXPECT_LT(heap_in_use(), heap_after_first_round + 256 * 1024) << "memory grows from game to game";
#endif
    EXPECT_NE(world.read("anagrams.hi").find("\"Ann\""), std::string::npos);
}

} // namespace
} // namespace quarn
