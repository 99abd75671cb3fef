// What every window model shares: whether it is on screen, and a count the Qt
// layer watches to bring an already open window to the front.
#pragma once

namespace quarn {

struct WindowModel {
    bool visible = false;
    bool created = false; // windows are created on first use and then only hidden
    int raise_requests = 0;

    // Shown without waiting.
    void show() { visible = created = true; }
    void hide() { visible = false; }
};

} // namespace quarn
