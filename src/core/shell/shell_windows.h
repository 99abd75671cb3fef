// The main menu and the windows it opens: player names, game length, About
// and the instructions.
#pragma once
#include "games/catalogue.h"
#include "platform/colour.h"
#include "platform/event_pump.h"
#include "platform/window_model.h"
#include "state/play_state.h"

#include <array>
#include <string>

namespace quarn {

inline constexpr std::array<int, title_letters> title_resting_left{1680, 2280, 2880, 3480, 4080};
inline constexpr int title_resting_top = 1200;
inline constexpr std::size_t game_buttons = game_catalogue.size();

// form_options
struct MainMenuModel : WindowModel {
    explicit MainMenuModel(std::function<void()> title_tick) : timer(25, std::move(title_tick)) {}

    std::array<Colour, game_buttons> game_button_colours{colours::button_face, colours::button_face,
                                                         colours::button_face, colours::button_face};
    // Where the five title letters are drawn (Label2), in twips.
    std::array<int, title_letters> letter_left = title_resting_left;
    std::array<int, title_letters> letter_top{title_resting_top, title_resting_top, title_resting_top,
                                              title_resting_top, title_resting_top};
    Timer timer; // Timer1: the title animation
    // Off from "Play Game" until the game has finished: after Exit the menu
    // is back on screen while the game still winds down (a result waiting
    // for OK, an announcement), and a choice made then would be wiped by the
    // reset that ends the game, so the buttons say plainly that the menu is
    // not ready yet.
    bool buttons_enabled = true;
    // The word language being played, by its place among Quarn's languages;
    // the language menu is off whenever the buttons are.
    std::size_t word_language = 0;
};

// form_enter_names: the four name boxes hold the players' names.
struct EnterNamesModel : WindowModel {
    std::array<std::string, seat_count> names{};
};

// form_enter_game_length
struct GameLengthModel : WindowModel {
    explicit GameLengthModel(std::function<void()> read_slider) : timer(100, std::move(read_slider)) {}

    static constexpr int slider_minimum = 2;
    static constexpr int slider_maximum = 180;
    int slider_value = 10;     // Slider1, minutes
    std::string hours;         // Label2, blank until the first tick
    std::string minutes;       // Label3
    Timer timer;               // Timer1, runs from the window's creation

    void show() {
        if (!created) timer.set_enabled(true);
        WindowModel::show();
    }
};

// frmAbout and form_help: shown without waiting, hidden by OK, brought to the
// front when chosen again.
struct InfoWindowModel : WindowModel {
    void show() {
        if (visible) ++raise_requests;
        WindowModel::show();
    }
};

} // namespace quarn
