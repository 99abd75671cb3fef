// High-score tables, the entry after round 4, and the winner.
#include "scores/high_scores.h"
#include "shell/main_menu.h"

#include "harness.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

using test::World;

struct Scores : ::testing::Test {
    Scores() {
        world.write_standard_files();
        world.start();
    }
    Quarn& q() { return *world.q; }
    std::filesystem::path file() const { return world.dir / "mixnmatch.hi"; }
    auto& table() { return q().form_game_screen.high_scores; }
    void write_table(const std::vector<std::tuple<std::string, std::string, std::string>>& places) {
        std::vector<std::string> lines;
        for (auto& [name, score, date] : places) lines.insert(lines.end(), {"\"" + name + "\"", score, "\"" + date + "\""});
        world.write("mixnmatch.hi", test::crlf_lines(lines));
    }
    std::vector<std::string> column(std::string HighScoreRow::*field) {
        std::vector<std::string> out;
        for (const HighScoreRow& row : table()) out.push_back(row.*field);
        return out;
    }
    World world;
};

TEST_F(Scores, LoadShowsFileOrderAndTheSortCarriesNamesAndDates) {
    write_table({{"a", "10", "d1"}, {"b", "0120", "d2"}, {"c", "30", "d3"}, {"d", "120", "d4"}, {"e", "5", "d5"},
                 {"f", "5", "d6"}, {"g", "7", "d7"}, {"h", "-3", "d8"}, {"i", "0", "d9"}, {"j", "500", "d10"}});
    load_high_scores(table(), file());
    EXPECT_EQ(column(&HighScoreRow::score)[1], "120") << "scores lose leading zeros";
    EXPECT_EQ(column(&HighScoreRow::name)[0], "a");
    sort_high_scores(table());
    EXPECT_EQ(column(&HighScoreRow::name), (std::vector<std::string>{"j", "b", "d", "c", "a", "g", "e", "f", "i", "h"}))
        << "equal scores keep their order";
    EXPECT_EQ(column(&HighScoreRow::date)[0], "d10");
    sort_high_scores(table());
    EXPECT_EQ(column(&HighScoreRow::name)[6], "e");
}

TEST_F(Scores, SaveAndLoadRoundTripByteForByte) {
    write_table({{"Smith, Al", "300", "Jan,5,2004"}});
    load_high_scores(table(), file());
    table()[3] = {"Say \"hi\"", "99999", "Feb,1,2005"};
    save_high_scores(world.pump, table(), file());
    std::string bytes = world.read("mixnmatch.hi");
    const std::string first_place = "\"Smith, Al\"\r\n300\r\n\"Jan,5,2004\"\r\n";
    EXPECT_EQ(bytes.substr(0, first_place.size()), first_place);
    EXPECT_NE(bytes.find("\"Say 'hi'\"\r\n32767\r\n\"Feb,1,2005\"\r\n"), std::string::npos)
        << "quotes become apostrophes and scores stay within 16 bits";
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 30);
    load_high_scores(table(), file());
    save_high_scores(world.pump, table(), file());
    EXPECT_EQ(world.read("mixnmatch.hi"), bytes);
    EXPECT_EQ(column(&HighScoreRow::name)[0], "Smith, Al");
}

TEST_F(Scores, TwoSeatsEnterOneAfterTheOther) {
    std::vector<std::tuple<std::string, std::string, std::string>> places;
    for (int k = 0; k < 8; ++k) places.push_back({"old" + std::to_string(k), std::to_string(1000 - k), "x"});
    places.push_back({"ninth", "600", "x"});
    places.push_back({"last", "300", "x"});
    write_table(places);
    load_high_scores(table(), file());
    auto& screen = q().form_game_screen;
    screen.names = {"", "Ann", "Bo", "Cy"};
    screen.scores = {"0", "500", "300", "800"};
    std::vector<std::string> announced;
    std::vector<Colour> colours_during;
    world.pump.at(1000, [&] {
        announced.push_back(q().form_new_hiscore.name_caption);
        for (const HighScoreRow& row : table())
            if (row.name == "Ann") colours_during.push_back(row.text_colour);
    });
    world.pump.at(6000, [&] { announced.push_back(q().form_new_hiscore.name_caption); });
    std::int64_t start = world.pump.now_ms();
    enter_high_scores(world.pump, world.dates, q().form_game_screen, q().form_new_hiscore, file());
    EXPECT_EQ(announced, (std::vector<std::string>{"Well Done Ann", "Well Done Cy"}));
    EXPECT_EQ(colours_during, std::vector<Colour>{colours::yellow});
    EXPECT_NEAR(static_cast<double>(world.pump.now_ms() - start), 10000, 5);
    EXPECT_EQ(table()[8].name, "Cy");
    EXPECT_EQ(table()[9].name, "ninth");
    for (const HighScoreRow& row : table()) EXPECT_EQ(row.text_colour, colours::white);
    std::string bytes = world.read("mixnmatch.hi");
    EXPECT_NE(bytes.find("\"Cy\"\r\n800\r\n\"Jan,5,2004\""), std::string::npos);
    EXPECT_EQ(bytes.find("\"Ann\""), std::string::npos);
    EXPECT_EQ(bytes.find("\"Bo\""), std::string::npos) << "equal to the last place does not enter";
}

TEST_F(Scores, WinnerTakesTheFirstHighestScore) {
    auto& screen = q().form_game_screen;
    auto winner = [&](std::array<std::string, 4> scores) {
        screen.names = {"A", "B", "", "D"};
        screen.scores = scores;
        show_winner(screen, q().form_winner);
        return q().form_winner.name_caption + ":" + q().form_winner.score_caption;
    };
    EXPECT_EQ(winner({"120", "340", "340", "0"}), "B:340");
    EXPECT_EQ(winner({"0", "0", "55", "0"}), ":55");
    EXPECT_EQ(winner({"0", "0", "0", "0"}), "A:0");
    EXPECT_TRUE(q().form_winner.visible);
    std::int64_t shown_at = world.pump.now_ms();
    while (q().form_winner.visible) world.pump.wait();
    EXPECT_EQ(world.pump.now_ms() - shown_at, 4000);
    show_winner(screen, q().form_winner);
    world.pump.run_for(3999);
    EXPECT_TRUE(q().form_winner.visible) << "every showing lasts its four seconds";
    world.pump.run_for(2);
    EXPECT_FALSE(q().form_winner.visible);
}

} // namespace
} // namespace quarn
