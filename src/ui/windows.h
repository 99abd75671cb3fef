// Every window of one run of the program, built together for one Quarn and
// rendered together: the pump renders them all at every pass of its loop.
#pragma once
#include "about_window.h"
#include "checking_words_window.h"
#include "enter_names_window.h"
#include "game_length_window.h"
#include "game_screen_window.h"
#include "help_window.h"
#include "main_menu_window.h"
#include "mirror.h"
#include "new_hiscore_window.h"
#include "qt_event_pump.h"
#include "show_score_window.h"
#include "winner_window.h"

namespace quarn::ui {

class Windows {
public:
    Windows(Quarn& q, QtEventPump& pump);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    void render_all();

private:
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
};

} // namespace quarn::ui
