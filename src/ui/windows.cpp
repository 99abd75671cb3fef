// Building and rendering the windows of one run.
#include "windows.h"

namespace quarn::ui {

Windows::Windows(Quarn& q, QtEventPump& pump)
    : pump_(pump), dispatch_(q), main_menu(q, dispatch_), enter_names(q, dispatch_), game_length(q, dispatch_),
      game_screen(q, dispatch_), show_score(q, dispatch_), checking_words(q), new_hiscore(q), winner(q),
      about(q, dispatch_), help(q, dispatch_) {
    dispatch_.set_render([this] { render_all(); });
    pump_.set_renderer([this] { render_all(); });
}

Windows::~Windows() { pump_.set_renderer(nullptr); }

void Windows::render_all() {
    // Showing a window can deliver events that come back here; one pass at a
    // time is enough, as the next pass catches up.
    if (rendering_) return;
    rendering_ = true;
    // The play window goes before the announcements so that they open on top of it.
    main_menu.render();
    enter_names.render();
    game_length.render();
    game_screen.render();
    show_score.render();
    checking_words.render();
    new_hiscore.render();
    winner.render();
    help.render();
    about.render();
    rendering_ = false;
}

} // namespace quarn::ui
