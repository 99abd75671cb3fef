// Building and rendering the windows of one run.
#include "windows.h"

#include "shell/main_menu.h"

namespace quarn::ui {

Windows::Windows(Quarn& q, QtEventPump& pump)
    : pump_(pump), dispatch_(q), main_menu(q, dispatch_), enter_names(q, dispatch_), game_length(q, dispatch_),
      game_screen(q, dispatch_), show_score(q, dispatch_), checking_words(q, dispatch_), new_hiscore(q, dispatch_),
      winner(q, dispatch_), about(q, dispatch_), help(q, dispatch_),
      in_order_{&main_menu, &enter_names, &game_length, &game_screen, &show_score,
                &checking_words, &new_hiscore, &winner, &help, &about},
      // When the window that had the keyboard closes, the player acts next in
      // a result, else on the board, else in a set-up window or the menu.
      keyboard_({&show_score, &game_screen, &enter_names, &game_length, &main_menu},
                {&enter_names, &game_length, &about, &help}, [this] { dispatch_(exit_shortcut); }) {
    dispatch_.set_render([this] { render_all(); });
    pump_.set_renderer([this] { render_all(); });
}

Windows::~Windows() { pump_.set_renderer(nullptr); }

void Windows::render_all() {
    // Showing a window can deliver events that come back here; one pass at a
    // time is enough, as the next pass catches up.
    if (rendering_) return;
    rendering_ = true;
    for (ModelWindow* window : in_order_) window->render();
    keyboard_.follow();
    rendering_ = false;
}

} // namespace quarn::ui
