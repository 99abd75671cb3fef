// Start-up, the reset, the set-up windows, "Play Game" and the title animation.
#include "board/play_window.h"
#include "shell/main_menu.h"
#include "shell/setup_windows.h"
#include "shell/title_animation.h"

#include "harness.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

using test::World;

struct Shell : ::testing::Test {
    Shell() { world.write_standard_files(); }
    World world;
};

TEST_F(Shell, StartUpShowsTheMenuWithNothingSelected) {
    // The menu goes on screen before the dictionary loads; the beep comes after the load.
    bool menu_on_screen_before_load = false;
    world.pump.on_show_windows_now = [&] {
        menu_on_screen_before_load =
            world.q->form_options.visible && world.q->dictionary_words.size() == 1 && world.pump.beeps == 0;
    };
    Quarn& q = world.start();
    EXPECT_TRUE(menu_on_screen_before_load);
    EXPECT_TRUE(q.form_options.visible);
    EXPECT_FALSE(q.form_game_screen.visible);
    EXPECT_TRUE(q.form_game_screen.created);
    EXPECT_EQ(world.pump.beeps, 1);
    for (Colour c : q.form_options.game_button_colours) EXPECT_EQ(c, colours::light_grey);
    EXPECT_EQ(q.state.game_type, "");
    EXPECT_EQ(q.state.clicked_cell, -1);
    EXPECT_EQ(q.dictionary_words.word(1), "act");
    EXPECT_FALSE(q.form_game_screen.game_timer.enabled());
    EXPECT_TRUE(q.form_options.timer.enabled());
    for (const Cell& cell : q.form_game_screen.cells) EXPECT_EQ(cell.background, colours::light_grey);
}

TEST_F(Shell, ExactlyOneGameButtonIsYellow) {
    Quarn& q = world.start();
    select_game(q, 1);
    select_game(q, 3);
    EXPECT_EQ(q.state.game_type, "Worddrop");
    EXPECT_EQ(q.form_options.game_button_colours[3], colours::yellow);
    EXPECT_EQ(std::count(q.form_options.game_button_colours.begin(), q.form_options.game_button_colours.end(),
                         colours::yellow),
              1);
}

TEST_F(Shell, PlayGameWithNothingSetUpAsksInOrder) {
    Quarn& q = world.start();
    play_game(q);
    EXPECT_EQ(world.pump.box_texts(),
              (std::vector<std::string>{"You haven't selected the game you want to play",
                                        "You haven't selected the game time", "You haven't entered any players names"}));
    EXPECT_FALSE(q.form_game_screen.visible);
}

TEST_F(Shell, NamesAreCountedOnEveryEdit) {
    Quarn& q = world.start();
    open_enter_names(q);
    EXPECT_FALSE(q.form_options.visible);
    names_changed(q, 2, "Ann");
    EXPECT_EQ(q.state.player_count, 1);
    names_changed(q, 0, "  ");
    EXPECT_EQ(q.state.player_count, 2) << "blanks count as a name";
    names_changed(q, 0, "");
    names_changed(q, 2, "");
    EXPECT_EQ(q.state.player_count, 0);
    names_exit(q);
    EXPECT_TRUE(q.form_options.visible);
    EXPECT_FALSE(q.form_enter_names.visible);
}

TEST_F(Shell, GameLengthTakesTheLastTick) {
    Quarn& q = world.start();
    open_game_length(q);
    world.pump.run_for(50);
    game_length_exit(q);
    EXPECT_EQ(q.state.game_time_left, 0) << "Exit before the first tick";
    open_game_length(q);
    world.pump.run_for(100);
    EXPECT_EQ(q.form_enter_game_length.hours, "0");
    EXPECT_EQ(q.form_enter_game_length.minutes, "10");
    slider_moved(q, 125);
    world.pump.run_for(100);
    EXPECT_EQ(q.form_enter_game_length.hours, "2");
    EXPECT_EQ(q.form_enter_game_length.minutes, "5");
    slider_moved(q, 500);
    world.pump.run_for(100);
    EXPECT_EQ(q.state.game_length, 180);
    game_length_exit(q);
    EXPECT_EQ(q.state.game_time_left, 180);
    EXPECT_TRUE(q.form_options.visible);
}

TEST_F(Shell, PlayGameOpensTheGameScreen) {
    Quarn& q = world.start();
    world.set_up(2, 125, {"Ann", "", "Cy"});
    world.pump.on_box([&](const std::string& text) {
        if (text.rfind("Are you ready", 0) == 0) {
            EXPECT_TRUE(q.form_game_screen.visible);
            EXPECT_FALSE(q.form_options.visible);
            EXPECT_EQ(q.form_game_screen.heading, "Mix 'N Match");
            EXPECT_EQ(q.form_game_screen.clock_hours, "2");
            EXPECT_EQ(q.form_game_screen.clock_minutes, "5");
            EXPECT_EQ(q.form_game_screen.bar_maximum, 125);
            EXPECT_EQ(q.form_game_screen.names[2], "Cy");
            EXPECT_TRUE(q.form_game_screen.game_timer.enabled());
        }
        return test::SimPump::Answer{10, true};
    });
    world.pump.after(5000, [&] { exit_clicked(q); });
    play_game(q);
    EXPECT_TRUE(q.form_options.visible);
    // After a game the set-up must be made again, but the names stay.
    world.pump.boxes.clear();
    play_game(q);
    EXPECT_EQ(world.pump.box_texts(), (std::vector<std::string>{"You haven't selected the game you want to play",
                                                                "You haven't selected the game time"}));
}

TEST_F(Shell, AListWithNothingToDrawIsToldAndChangesNothing) {
    world.write("anagrams1.dic", "only\r\n");
    Quarn& q = world.start();
    world.set_up(0, 10, {"Ann"});
    play_game(q);
    ASSERT_EQ(world.pump.boxes.size(), 1u);
    EXPECT_NE(world.pump.boxes[0].text.find("anagrams1.dic"), std::string::npos);
    EXPECT_TRUE(q.form_options.visible);
    EXPECT_FALSE(q.form_game_screen.visible);
    EXPECT_EQ(q.state.game_type, "Anagrams");
    EXPECT_EQ(q.state.game_time_left, 10);
}

TEST_F(Shell, FileExitAndCloseEndTheProgram) {
    Quarn& q = world.start();
    menu_about(q);
    EXPECT_THROW(menu_exit(q), test::SimProgramEnded);
    EXPECT_THROW(main_menu_closed(q), test::SimProgramEnded);
}

TEST_F(Shell, AboutAndInstructionsComeToTheFront) {
    Quarn& q = world.start();
    menu_about(q);
    menu_about(q);
    EXPECT_EQ(q.frmAbout.raise_requests, 1);
    menu_instructions(q);
    EXPECT_TRUE(q.form_options.visible);
    about_ok(q);
    help_ok(q);
    EXPECT_FALSE(q.frmAbout.visible);
    EXPECT_FALSE(q.form_help.visible);
}

TEST_F(Shell, TitleLettersScatterAndSettleAtTheirPlaces) {
    for (double scatter : {0.0, 0.0004, 0.37, 0.999}) {
        World w;
        w.write_standard_files();
        // Ten steps and the scatter product for the first reset.
        w.random.queued = {0.1, 0.9, 0.5, 0.5, 0.0, 0.99, 0.3, 0.7, 0.2, 0.8, scatter};
        Quarn& q = w.start();
        bool left_rest = false;
        int ticks = 0;
        for (; ticks < 2000; ++ticks) {
            title_tick(q);
            if (q.form_options.letter_left != title_resting_left) left_rest = true;
            bool at_rest = true;
            for (int i = 0; i < 5; ++i) at_rest = at_rest && q.state.title_step_left[i] == 0 && q.state.title_step_top[i] == 0;
            if (at_rest) break;
        }
        EXPECT_TRUE(left_rest) << "the letters leave their places during the first 200 ticks";
        EXPECT_GT(ticks, 200);
        EXPECT_LT(ticks, 1000) << "settles within a few hundred ticks after 200";
        EXPECT_EQ(q.form_options.letter_left, title_resting_left);
        for (int top : q.form_options.letter_top) EXPECT_EQ(top, title_resting_top);
        EXPECT_EQ(q.state.title_ticks, 201);
        q.form_options.letter_left[0] = 0; // nothing is drawn once all rest
        title_tick(q);
        EXPECT_EQ(q.form_options.letter_left[0], 0);
    }
}

} // namespace
} // namespace quarn
