// The announcement windows: the turn result, "Checking words", a new high
// score and the winner. The last two hide themselves on a one-shot timer that
// starts each time they are shown.
#pragma once
#include "platform/event_pump.h"
#include "window_model.h"

#include <string>
#include <vector>

namespace quarn {

// form_show_score: the points of a turn and the words found.
struct ShowScoreModel : WindowModel {
    std::string bonus = "0000";
    std::vector<std::string> found_list; // List1
    bool found_list_visible = true;

    void show() { visible = created = true; }
};

// form_checking_words: shown while a check looks words up.
struct CheckingWordsModel : WindowModel {
    void show() { visible = created = true; }
};

// A window that hides itself when its timer first fires after being shown.
struct SelfHidingWindow : WindowModel {
    explicit SelfHidingWindow(int interval_ms) : timer(interval_ms, [this] {
        hide();
        timer.set_enabled(false);
    }) {}

    // Showing gives the window the focus, which starts its timer.
    void show() {
        visible = created = true;
        timer.set_enabled(true);
    }

    Timer timer; // Timer1
};

// form_new_hiscore
struct NewHiscoreModel : SelfHidingWindow {
    NewHiscoreModel() : SelfHidingWindow(5000) {}
    std::string name_caption = "dfggfggfgfg"; // Lbl_name
    std::string score_caption = "0000";       // Lbl_score
};

// form_winner
struct WinnerModel : SelfHidingWindow {
    WinnerModel() : SelfHidingWindow(4000) {}
    std::string name_caption = "Label3";  // Label3
    std::string score_caption = "Label4"; // Label4
};

} // namespace quarn
