// The announcement windows: the turn result, "Checking words", a new high
// score and the winner. The last two hide themselves on a one-shot timer that
// starts each time they are shown.
#pragma once
#include "platform/event_pump.h"
#include "platform/text.h"
#include "platform/window_model.h"
#include "state/play_state.h"

#include <string>
#include <vector>

namespace quarn {

// form_show_score: the points of a turn and the words found.
struct ShowScoreModel : WindowModel {
    std::string bonus = "0000"; // as the window was drawn; every result writes it
    std::vector<std::string> found_list; // List1
    bool found_list_visible = true;
};

// button_ok of the turn result: the waiting game hides the window.
inline void score_ok(PlayState& state) { state.score_ok_clicked = true; }

// form_checking_words: shown while a check looks words up.
struct CheckingWordsModel : WindowModel {};

// A window that names a player and a score, and hides itself when its timer
// first fires after it was shown.
struct Announcement : WindowModel {
    // The captions are those the window was drawn with: each showing writes
    // the real ones first, so no player ever sees these.
    Announcement(int interval_ms, std::string name, std::string score)
        : name_caption(Text::as_is(std::move(name))), score_caption(std::move(score)), timer(interval_ms, [this] {
              hide();
              timer.set_enabled(false);
          }) {}

    // Showing gives the window the focus, which starts its timer.
    void show() {
        WindowModel::show();
        timer.set_enabled(true);
    }

    Text name_caption;
    std::string score_caption;
    Timer timer; // Timer1
};

// form_new_hiscore: Lbl_name and Lbl_score, for five seconds.
struct NewHiscoreModel : Announcement {
    NewHiscoreModel() : Announcement(5000, "dfggfggfgfg", "0000") {}
};

// form_winner: Label3 and Label4, for four seconds.
struct WinnerModel : Announcement {
    WinnerModel() : Announcement(4000, "Label3", "Label4") {}
};

} // namespace quarn
