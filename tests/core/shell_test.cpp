// Start-up, the reset, the set-up windows, "Play Game" and the title animation.
#include "shell/main_menu.h"
#include "shell/setup_windows.h"
#include "shell/title_animation.h"

#include "world.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

using Texts = std::vector<std::string>;

struct Shell : ::testing::Test {
    Shell() { world.write_standard_files(); }
    test::World world;
};

TEST_F(Shell, StartUpShowsTheMenuWithNothingSelectedThenLoadsAndBeeps) {
    bool menu_on_screen_before_load = false;
    world.pump.on_show_windows_now = [&] {
        menu_on_screen_before_load = world.q->form_options.visible && world.q->dictionary_words.size() == 1 && world.pump.beeps == 0;
    };
    Quarn& q = world.start();
    EXPECT_TRUE(menu_on_screen_before_load);
    EXPECT_TRUE(q.form_options.visible && !q.form_game_screen.visible);
    EXPECT_EQ(world.pump.beeps, 1);
    EXPECT_EQ(q.state.game_type, "");
    EXPECT_EQ(q.state.clicked_cell, -1);
    EXPECT_EQ(q.dictionary_words.word(1), "act");
    EXPECT_FALSE(q.form_game_screen.game_timer.enabled() || q.form_game_screen.score_timer.enabled());
    EXPECT_TRUE(q.form_options.timer.enabled());
    EXPECT_EQ(q.form_game_screen.cells[64].background, colours::light_grey);
    const Colour grey = colours::light_grey;
    EXPECT_EQ(q.form_options.game_button_colours, (std::array<Colour, 4>{grey, grey, grey, grey}));
    select_game(q, 1);
    select_game(q, 3);
    select_game(q, 4); // no such button
    select_game(q, -1);
    EXPECT_EQ(q.state.game_type, "Worddrop");
    EXPECT_EQ(q.form_options.game_button_colours, (std::array<Colour, 4>{grey, grey, grey, colours::yellow}));
}

TEST_F(Shell, NamesAreCountedOnEveryEditAndTheGameLengthTakesTheLastTick) {
    Quarn& q = world.start();
    open_enter_names(q);
    EXPECT_FALSE(q.form_options.visible);
    for (auto [box, name, count] : {std::tuple{2, "Ann", 1}, {0, "  ", 2}, {0, "", 1}, {2, "", 0}}) {
        names_changed(q.state, q.form_enter_names, box, name);
        EXPECT_EQ(q.state.player_count, count) << box << " '" << name << "'";
    }
    names_exit(q.form_enter_names, q.form_options);
    EXPECT_TRUE(q.form_options.visible);

    GameLengthModel& length = q.form_enter_game_length;
    open_game_length(q);
    world.pump.run_for(50);
    game_length_exit(q.state, length, q.form_options);
    EXPECT_EQ(q.state.game_time_left, 0) << "Exit before the first tick";
    open_game_length(q);
    for (auto [minutes, hours_shown, minutes_shown] :
         {std::tuple{10, "0", "10"}, {125, "2", "5"}, {500, "3", "0"}, {1, "0", "2"}}) {
        slider_moved(length, minutes);
        world.pump.run_for(100);
        EXPECT_EQ(length.hours + ":" + length.minutes, std::string(hours_shown) + ":" + minutes_shown) << minutes;
    }
    slider_moved(length, 90);
    game_length_exit(q.state, length, q.form_options);
    EXPECT_EQ(q.state.game_time_left, 2) << "the reading of the last tick, not the slider";
}

TEST_F(Shell, PlayGameChecksTheSetUpThenOpensThePlayWindow) {
    Quarn& q = world.start();
    play_game(q);
    EXPECT_EQ(world.pump.box_texts(), (Texts{"You haven't selected the game you want to play",
                                             "You haven't selected the game time", "You haven't entered any players names"}));
    EXPECT_FALSE(q.form_game_screen.visible);

    world.set_up(2, 125, {"Ann", "", "Cy"});
    world.pump.boxes.clear();
    world.pump.on_box([&](const std::string& text) {
        if (text == "Are you ready Ann") {
            const GameScreenModel& screen = q.form_game_screen;
            EXPECT_TRUE(screen.visible);
            EXPECT_FALSE(q.form_options.visible);
            EXPECT_EQ(screen.heading, "Mix 'N Match");
            EXPECT_EQ(screen.clock_hours + ":" + screen.clock_minutes, "2:5");
            EXPECT_EQ(screen.bar_maximum, 125);
            EXPECT_EQ(screen.names, (std::array<std::string, 4>{"Ann", "", "Cy", ""}));
            EXPECT_TRUE(screen.game_timer.enabled());
            EXPECT_TRUE(q.form_show_score.found_list_visible);
            world.pump.after(100, [&] { exit_clicked(q); });
        }
        return test::SimPump::Answer{10, true};
    });
    play_game(q);
    EXPECT_TRUE(q.form_options.visible);
    // After a game the game and its length must be chosen again; the names stay.
    world.pump.boxes.clear();
    play_game(q);
    EXPECT_EQ(world.pump.box_texts(),
              (Texts{"You haven't selected the game you want to play", "You haven't selected the game time"}));
}

TEST_F(Shell, TheMenusEndTheProgramAndBringTheirWindowsToTheFront) {
    Quarn& q = world.start();
    menu_about(q);
    menu_about(q);
    EXPECT_EQ(q.frmAbout.raise_requests, 1);
    menu_instructions(q);
    EXPECT_TRUE(q.form_help.visible && q.form_options.visible);
    EXPECT_THROW(menu_exit(q), test::SimProgramEnded);
    EXPECT_THROW(main_menu_closed(q), test::SimProgramEnded);
}

TEST_F(Shell, TitleLettersScatterAndSettleAtTheirPlaces) {
    for (double scatter : {0.0, 0.0004, 0.37, 0.999}) {
        PlayState s;
        MainMenuModel menu{nullptr};
        test::TestRandom random;
        // Ten steps and the scatter product.
        random.queued = {0.1, 0.9, 0.5, 0.5, 0.0, 0.99, 0.3, 0.7, 0.2, 0.8, scatter};
        scatter_title(s, random);
        bool left_rest = false;
        int ticks = 0;
        auto at_rest = [&] { return s.title_step_left == decltype(s.title_step_left){} && s.title_step_top == decltype(s.title_step_top){}; };
        for (; ticks < 2000 && !at_rest(); ++ticks) {
            title_tick(s, menu);
            left_rest = left_rest || menu.letter_left != title_resting_left;
        }
        EXPECT_TRUE(left_rest) << "the letters leave their places during the first 200 ticks";
        EXPECT_TRUE(ticks > 200 && ticks < 1000) << "settles within a few hundred ticks after 200: " << ticks;
        EXPECT_EQ(menu.letter_left, title_resting_left);
        EXPECT_EQ(menu.letter_top, (std::array<int, title_letters>{1200, 1200, 1200, 1200, 1200}));
        EXPECT_EQ(s.title_ticks, 201);
        menu.letter_left[0] = 0; // nothing is drawn once all rest
        title_tick(s, menu);
        EXPECT_EQ(menu.letter_left[0], 0);
    }
}

} // namespace
} // namespace quarn
