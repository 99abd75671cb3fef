// "Checking words": up while the dictionary is searched.
#pragma once
#include "announcement_window.h"
#include "mirror.h"

namespace quarn::ui {

class CheckingWordsWindow : public AnnouncementWindow {
    Q_OBJECT
public:
    explicit CheckingWordsWindow(Quarn& q);
    void render();

private:
    Quarn& q_;
    WindowMirror mirror_;
};

} // namespace quarn::ui
