// High-score tables, the entry after round 4, and the winner.
#include "scores/high_scores.h"

#include "world.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

using Places = std::vector<std::array<std::string, 3>>; // name, score, date

std::string table_file(const Places& places) {
    std::vector<std::string> lines;
    for (const auto& [name, score, date] : places) lines.insert(lines.end(), {"\"" + name + "\"", score, "\"" + date + "\""});
    return test::crlf_lines(lines);
}

std::vector<std::string> column(const HighScoreTable& table, std::string HighScoreRow::*field) {
    std::vector<std::string> out;
    for (const HighScoreRow& row : table) out.push_back(row.*field);
    return out;
}

TEST(HighScores, LoadedInFileOrderAndSortedByScoreWithTiesInPlace) {
    const HighScoreTable loaded = read_high_score_table(table_file(
        {{"a", "10", "d1"}, {"b", "0120", "d2"}, {"c", "30", "d3"}, {"d", "120", "d4"}, {"e", "5", "d5"},
         {"f", "5", "d6"}, {"g", "7", "d7"}, {"h", "-3", "d8"}, {"i", "0", "d9"}, {"j", "500", "d10"}}));
    EXPECT_EQ(column(loaded, &HighScoreRow::name), (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}));
    EXPECT_EQ(loaded[1].score, "120") << "scores lose leading zeros";
    HighScoreTable table = loaded;
    sort_high_scores(table);
    EXPECT_EQ(column(table, &HighScoreRow::name), (std::vector<std::string>{"j", "b", "d", "c", "a", "g", "e", "f", "i", "h"}));
    EXPECT_EQ(column(table, &HighScoreRow::date)[0], "d10") << "names and dates travel with their scores";
    EXPECT_EQ(column(table, &HighScoreRow::score)[9], "-3");
    // The last place climbing to the top needs all ten passes.
    HighScoreTable climbing{};
    for (HighScoreRow& row : climbing) row.score = "1";
    climbing[9] = {"top", "9", "d"};
    sort_high_scores(climbing);
    EXPECT_EQ(climbing[0].name, "top");
}

TEST(HighScores, SavedBytesReadBackTheSame) {
    test::TempFolder folder;
    const auto file = folder.path / "mixnmatch.hi";
    HighScoreTable table = read_high_score_table(table_file({{"Smith, Al", "300", "Jan,5,2004"}}));
    table[3] = {"Say \"hi\"", "99999", "Feb,1,2005"};
    test::SimPump pump;
    save_high_scores(pump, table, file);
    const std::string bytes = test::read_file(file);
    EXPECT_EQ(bytes.substr(0, 32), "\"Smith, Al\"\r\n300\r\n\"Jan,5,2004\"\r\n");
    EXPECT_NE(bytes.find("\"Say 'hi'\"\r\n32767\r\n\"Feb,1,2005\"\r\n"), std::string::npos)
        << "quotes become apostrophes and scores stay within 16 bits";
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 30);
    HighScoreTable again{};
    load_high_scores(again, file);
    save_high_scores(pump, again, file);
    EXPECT_EQ(test::read_file(file), bytes);
    EXPECT_TRUE(pump.boxes.empty());
}

TEST(HighScores, SeatsThatBeatTheLastPlaceEnterOneAfterTheOther) {
    test::World world;
    world.write_standard_files();
    Quarn& q = world.start();
    Places places;
    for (int k = 0; k < 8; ++k) places.push_back({"old" + std::to_string(k), std::to_string(1000 - k), "x"});
    places.push_back({"ninth", "600", "x"});
    places.push_back({"last", "300", "x"});
    HighScoreTable& table = q.form_game_screen.high_scores;
    table = read_high_score_table(table_file(places));
    q.form_game_screen.names = {"", "Ann", "Bo", "Cy"};
    q.form_game_screen.scores = {"0", "500", "300", "800"};
    std::vector<std::string> announced;
    std::vector<Colour> ann_colours;
    world.pump.at(1000, [&] {
        announced.push_back(q.form_new_hiscore.name_caption + " " + q.form_new_hiscore.score_caption);
        for (const HighScoreRow& row : table)
            if (row.name == "Ann") ann_colours.push_back(row.text_colour);
    });
    world.pump.at(6000, [&] { announced.push_back(q.form_new_hiscore.name_caption + " " + q.form_new_hiscore.score_caption); });
    const std::int64_t start = world.pump.now_ms();
    enter_high_scores(world.pump, world.dates, q.form_game_screen, q.form_new_hiscore, world.dir / "mixnmatch.hi");
    EXPECT_EQ(announced, (std::vector<std::string>{"Well Done Ann 500", "Well Done Cy 800"}));
    EXPECT_EQ(ann_colours, std::vector<Colour>{colours::yellow}) << "the new place is highlighted while it is announced";
    EXPECT_EQ(world.pump.now_ms() - start, 10000) << "five seconds each";
    EXPECT_EQ(column(table, &HighScoreRow::name)[8], "Cy");
    EXPECT_EQ(column(table, &HighScoreRow::name)[9], "ninth") << "Cy pushed Ann's place out again";
    for (const HighScoreRow& row : table) EXPECT_EQ(row.text_colour, colours::white);
    const std::string bytes = world.read("mixnmatch.hi");
    EXPECT_NE(bytes.find("\"Cy\"\r\n800\r\n\"Jan,5,2004\""), std::string::npos);
    EXPECT_EQ(bytes.find("\"Bo\""), std::string::npos) << "equal to the last place does not enter";
}

TEST(Winner, TheFirstSeatWithTheHighestScoreForFourSeconds) {
    test::World world;
    world.write_standard_files();
    Quarn& q = world.start();
    GameScreenModel& screen = q.form_game_screen;
    screen.names = {"A", "B", "", "D"};
    const std::pair<std::array<std::string, 4>, std::string> cases[] = {
        {{"120", "340", "340", "0"}, "B:340"}, {{"0", "0", "55", "0"}, ":55"}, {{"0", "0", "0", "0"}, "A:0"}};
    for (const auto& [scores, winner] : cases) {
        screen.scores = scores;
        show_winner(screen, q.form_winner);
        EXPECT_EQ(q.form_winner.name_caption + ":" + q.form_winner.score_caption, winner);
        EXPECT_TRUE(q.form_winner.visible);
        world.pump.run_for(3999);
        EXPECT_TRUE(q.form_winner.visible) << "every showing lasts its four seconds";
        world.pump.run_for(2);
        EXPECT_FALSE(q.form_winner.visible);
    }
}

} // namespace
} // namespace quarn
