// High-score tables, the entry after round 4, and the winner.
#include "scores/high_scores.h"

#include "world.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

using Names = std::vector<std::string>;

// A table file of the places given as name, score, date, name, score, ...
HighScoreTable table_of(const std::vector<std::string>& items) {
    std::string bytes;
    for (std::size_t i = 0; i < items.size(); ++i) bytes += i % 3 == 1 ? items[i] + "\r\n" : "\"" + items[i] + "\"\r\n";
    return read_high_score_table(bytes);
}

Names names_of(const HighScoreTable& table) {
    Names out;
    for (const HighScoreRow& row : table) out.push_back(row.name);
    return out;
}

TEST(HighScores, LoadedInFileOrderSortedByScoreWithTiesInPlaceAndSavedByteForByte) {
    HighScoreTable table = table_of({"a", "10", "d1", "b", "0120", "d2", "c", "30", "d3", "d", "120", "d4", "e", "5", "d5",
                                     "f", "5", "d6", "g", "7", "d7", "h", "-3", "d8", "i", "0", "d9", "j", "500", "d10"});
    EXPECT_EQ(names_of(table), (Names{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}));
    EXPECT_EQ(table[1].score, "120") << "scores lose leading zeros";
    sort_high_scores(table);
    EXPECT_EQ(names_of(table), (Names{"j", "b", "d", "c", "a", "g", "e", "f", "i", "h"}));
    EXPECT_EQ(table[0].date + table[9].score, "d10-3") << "names and dates travel with their scores";
    HighScoreTable climbing = table_of({"", "1", "", "", "1", "", "", "1", "", "", "1", "", "", "1", "",
                                        "", "1", "", "", "1", "", "", "1", "", "", "1", "", "top", "9", "d"});
    sort_high_scores(climbing);
    EXPECT_EQ(climbing[0].name, "top") << "the last place climbing to the top needs all ten passes";

    test::TempFolder folder;
    test::SimPump pump;
    table[3] = {"Smith, Al", "99999", "Feb,1,2005"};
    save_high_scores(pump, table, folder.path / "t.hi");
    const std::string bytes = test::read_file(folder.path / "t.hi");
    EXPECT_EQ(bytes.substr(0, 25), "\"j\"\r\n500\r\n\"d10\"\r\n\"b\"\r\n120");
    EXPECT_NE(bytes.find("\"Smith, Al\"\r\n32767\r\n\"Feb,1,2005\"\r\n"), std::string::npos) << "held within 16 bits";
    EXPECT_EQ(test::lines_of(folder.path / "t.hi").size(), 30u);
    HighScoreTable again{};
    load_high_scores(again, folder.path / "t.hi");
    save_high_scores(pump, again, folder.path / "t.hi");
    EXPECT_EQ(test::read_file(folder.path / "t.hi"), bytes);
    EXPECT_TRUE(pump.boxes.empty());
}

TEST(HighScores, SeatsThatBeatTheLastPlaceEnterOneAfterTheOther) {
    test::World world;
    world.write_standard_files();
    Quarn& q = world.start();
    std::vector<std::string> places;
    for (int k = 0; k < 8; ++k) places.insert(places.end(), {"old" + std::to_string(k), std::to_string(1000 - k), "x"});
    places.insert(places.end(), {"ninth", "600", "x", "last", "300", "x"});
    HighScoreTable& table = q.form_game_screen.high_scores;
    table = table_of(places);
    q.form_game_screen.names = {"", "Ann", "Bo", "Cy"};
    q.form_game_screen.scores = {"0", "500", "300", "800"};
    Names announced;
    std::vector<Colour> ann_colours;
    world.pump.at(1000, [&] {
        for (const HighScoreRow& row : table)
            if (row.name == "Ann") ann_colours.push_back(row.text_colour);
    });
    for (int at : {1000, 6000})
        world.pump.at(at, [&] { announced.push_back(q.form_new_hiscore.name_caption + " " + q.form_new_hiscore.score_caption); });
    enter_high_scores(world.pump, world.dates, q.form_game_screen, q.form_new_hiscore, world.dir / "mixnmatch.hi");
    EXPECT_EQ(announced, (Names{"Well Done Ann 500", "Well Done Cy 800"}));
    EXPECT_EQ(ann_colours, std::vector<Colour>{colours::yellow}) << "the new place is highlighted while it is announced";
    EXPECT_EQ(world.pump.now_ms(), 10000) << "five seconds each";
    EXPECT_EQ(names_of(table)[8] + " " + names_of(table)[9], "Cy ninth") << "Cy pushed Ann's place out again";
    for (const HighScoreRow& row : table) EXPECT_EQ(row.text_colour, colours::white);
    const std::string bytes = world.read("mixnmatch.hi");
    EXPECT_NE(bytes.find("\"Cy\"\r\n800\r\n\"Jan,5,2004\""), std::string::npos);
    EXPECT_EQ(bytes.find("\"Bo\""), std::string::npos) << "equal to the last place does not enter";
}

TEST(Winner, TheFirstSeatWithTheHighestScoreForFourSeconds) {
    test::SimPump pump;
    GameScreenModel screen{nullptr, nullptr};
    WinnerModel winner;
    pump.add_timer(winner.timer);
    screen.names = {"A", "B", "", "D"};
    const std::pair<std::array<std::string, 4>, std::string> cases[] = {
        {{"120", "340", "340", "0"}, "B:340"}, {{"0", "0", "55", "0"}, ":55"}, {{"0", "0", "0", "0"}, "A:0"}};
    for (const auto& [scores, expected] : cases) {
        screen.scores = scores;
        show_winner(screen, winner);
        EXPECT_EQ(winner.name_caption + ":" + winner.score_caption, expected);
        pump.run_for(3999);
        EXPECT_TRUE(winner.visible) << "every showing lasts its four seconds";
        pump.run_for(2);
        EXPECT_FALSE(winner.visible);
    }
}

} // namespace
} // namespace quarn
