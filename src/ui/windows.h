// Every window of one run of the program, built together for one Quarn and
// rendered together: the pump renders them all at every pass of its loop.
#pragma once
#include "about_window.h"
#include "accessibility.h"
#include "announcement_window.h"
#include "enter_names_window.h"
#include "game_length_window.h"
#include "game_screen_window.h"
#include "help_window.h"
#include "keyboard.h"
#include "main_menu_window.h"
#include "mirror.h"
#include "qt_event_pump.h"
#include "show_score_window.h"

#include <array>

namespace quarn::ui {

class Windows {
public:
    Windows(Quarn& q, QtEventPump& pump);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    void render_all();

private:
    // First of all, so that every widget below is made with the role screen
    // readers are to know it by.
    struct AccessibleRoles {
        AccessibleRoles() { install_accessible_roles(); }
    } roles_;
    // Before the windows, which keep a reference to the dispatcher.
    QtEventPump& pump_;
    Dispatch dispatch_;
    bool rendering_ = false;

public:
    MainMenuWindow main_menu;
    EnterNamesWindow enter_names;
    GameLengthWindow game_length;
    GameScreenWindow game_screen;
    ShowScoreWindow show_score;
    CheckingWordsWindow checking_words;
    NewHiscoreWindow new_hiscore;
    WinnerWindow winner;
    AboutWindow about;
    HelpWindow help;

private:
    // The order they are rendered in: the play window goes before the
    // announcements so that they open on top of it.
    std::array<ModelWindow*, 10> in_order_;
    Keyboard keyboard_;
};

} // namespace quarn::ui
