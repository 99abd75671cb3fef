// The winner announcement at the end of a game that ran out of time.
#pragma once
#include "announcement_window.h"
#include "mirror.h"

namespace quarn::ui {

class WinnerWindow : public AnnouncementWindow {
    Q_OBJECT
public:
    explicit WinnerWindow(Quarn& q);
    void render();

private:
    Quarn& q_;
    WindowMirror mirror_;
    Caption name_, score_;
};

} // namespace quarn::ui
