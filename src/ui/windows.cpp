// Building and rendering the windows of one run.
#include "windows.h"

#include <QApplication>

namespace quarn::ui {

Windows::Windows(Quarn& q, QtEventPump& pump)
    : pump_(pump), dispatch_(q), main_menu(q, dispatch_), enter_names(q, dispatch_), game_length(q, dispatch_),
      game_screen(q, dispatch_), show_score(q, dispatch_), checking_words(q, dispatch_), new_hiscore(q, dispatch_),
      winner(q, dispatch_), about(q, dispatch_), help(q, dispatch_),
      in_order_{&main_menu, &enter_names, &game_length, &game_screen, &show_score,
                &checking_words, &new_hiscore, &winner, &help, &about} {
    dispatch_.set_render([this] { render_all(); });
    pump_.set_renderer([this] { render_all(); });
}

Windows::~Windows() { pump_.set_renderer(nullptr); }

void Windows::render_all() {
    // Showing a window can deliver events that come back here; one pass at a
    // time is enough, as the next pass catches up.
    if (rendering_) return;
    rendering_ = true;
    QWidget* had_keyboard = QApplication::activeWindow();
    for (ModelWindow* window : in_order_) window->render();
    // The About and Instructions windows, closed with the keyboard, hand it
    // back to the window under them. A desktop's window manager does that as
    // well; without one the keyboard would be left nowhere. (The other windows
    // give the keyboard on by showing the window that follows them.)
    const bool info_closed = (had_keyboard == &about || had_keyboard == &help) && !had_keyboard->isVisible();
    QWidget* under = game_screen.isVisible() ? static_cast<QWidget*>(&game_screen) : &main_menu;
    if (info_closed && under->isVisible()) under->activateWindow();
    rendering_ = false;
}

} // namespace quarn::ui
