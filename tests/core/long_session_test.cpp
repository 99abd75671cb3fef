// Eight hours of back-to-back games of all four kinds: counters stay in
// range, nothing piles up in memory and every file stays well-formed.
#include "shell/main_menu.h"

#include "harness.h"

#include <gtest/gtest.h>

#include <malloc.h>

namespace quarn {
namespace {

using test::SimPump;

// Plays a turn the way the game asks for: solves the word games, marks a
// few cells and checks in the grid games.
void play_turn(test::World& world) {
    Quarn& q = *world.q;
    const std::string& key = q.state.game_type;
    std::int64_t t = world.pump.now_ms() + 20;
    if (key == "Anagrams" || key == "Crossword") {
        std::string letters;
        for (const Cell& cell : q.form_game_screen.cells) letters += cell.text;
        std::sort(letters.begin(), letters.end());
        std::string word = letters == "act" ? "cat" : letters == "dgo" ? "dog" : letters == "emos" ? "some" : letters;
        t = world.arrange(t, word, 0);
        world.pump.at(t + 20, [&q] { check_clicked(q.state, q.form_game_screen); });
    } else {
        for (int cell : {0, 0, 1, 1, 2, 2, 14, 14}) world.click_at(t += 20, cell);
        world.pump.at(t + 20, [&q] { check_clicked(q.state, q.form_game_screen); });
    }
}

std::size_t heap_in_use() { return mallinfo2().uordblks; }

TEST(LongSession, EightHoursOfGamesStayInShape) {
    test::World world;
    world.write_standard_files();
    Quarn& q = world.start();
    world.pump.on_box([&](const std::string& text) {
        if (text.rfind("Are you ready", 0) == 0) world.pump.after(15, [&] { play_turn(world); });
        return SimPump::Answer{10, true};
    });
    world.confirm_results();
    std::size_t heap_after_first_round = 0;
    int games = 0;
    while (world.pump.now_ms() < 8LL * 3600 * 1000) {
        world.set_up(games % 4, 30, {"Ann", "", "Bo"});
        play_game(q);
        ++games;
        ASSERT_TRUE(q.form_options.visible);
        ASSERT_FALSE(q.form_game_screen.visible);
        ASSERT_EQ(world.pump.box_texts().back(), "GAME OVER");
        for (const std::string& score : q.form_game_screen.scores) ASSERT_EQ(score, "0");
        for (const HighScoreRow& row : q.form_game_screen.high_scores) {
            int score = std::stoi(row.score);
            ASSERT_TRUE(score >= -32768 && score <= 32767);
        }
        ASSERT_LE(q.form_show_score.found_list.size(), 200u);
        for (const char* name : {"anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"}) {
            std::string bytes = world.read(name);
            ASSERT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 30) << name;
        }
        for (const char* name : {"anagrams1_used.dat", "crossword1_used.dat"}) {
            std::string bytes = world.read(name);
            ASSERT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1001) << name;
        }
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
