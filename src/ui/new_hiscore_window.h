// The announcement of a new entry in the high-score table.
#pragma once
#include "announcement_window.h"
#include "mirror.h"

namespace quarn::ui {

class NewHiscoreWindow : public AnnouncementWindow {
    Q_OBJECT
public:
    explicit NewHiscoreWindow(Quarn& q);
    void render();

private:
    Quarn& q_;
    WindowMirror mirror_;
    Caption name_, score_;
};

} // namespace quarn::ui
