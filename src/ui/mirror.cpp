// Caption and window mirroring, and the guarded handler calls.
#include "mirror.h"

#include "keyboard.h"
#include "look.h"
#include "translation.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include <exception>

namespace quarn::ui {

void Caption::show(const Text& text, bool quiet) {
    if (!label_) return;
    if (text_.changed(text)) {
        shown_ = shown(text);
        // A label with a name of its own tells screen readers nothing when
        // its text changes.
        label_->setText(shown_);
        fit_label(label_, designed_);
        name_behind_ = true;
    }
    if (quiet || !name_behind_) return;
    name_behind_ = false;
    //: What a screen reader hears of a caption: what it is, and what it says.
    label_->setAccessibleName(shown_.isEmpty() ? role_ : QCoreApplication::translate("quarn", "%1: %2").arg(role_, shown_));
}

namespace {
// Whether the window holds anything that the keyboard can reach.
bool has_keyboard_stop(QWidget& window) {
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus) return true;
    return false;
}
} // namespace

bool WindowMirror::render(QWidget& window, const WindowModel& model, const std::function<void()>& place) {
    bool appeared = false;
    if (model.visible && !window.isVisible()) {
        if (!placed_) {
            placed_ = true;
            if (place) place();
        }
        window.show();
        window.raise();
        // An announcement leaves the keyboard with the window it shows over.
        if (has_keyboard_stop(window)) Keyboard::give(window);
        appeared = true;
    } else if (!model.visible && window.isVisible()) {
        window.hide();
    }
    if (raises_ != model.raise_requests) {
        raises_ = model.raise_requests;
        if (window.isVisible()) {
            window.raise();
            Keyboard::give(window);
        }
    }
    return appeared;
}

namespace {
QScreen* screen_of(QWidget& window) {
    QScreen* screen = window.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}
} // namespace

void centre_on_screen(QWidget& window) {
    QScreen* screen = screen_of(window);
    if (!screen) return;
    // A window laid out by its layout (the menu's menu bar) learns its size
    // here; the others already have theirs.
    if (window.layout()) window.layout()->activate();
    QRect frame(QPoint(0, 0), window.size());
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void place_on_screen(QWidget& window, int left_twips, int top_twips) {
    QScreen* screen = screen_of(window);
    const QPoint corner = screen ? screen->geometry().topLeft() : QPoint(0, 0);
    window.move(corner + QPoint(px(left_twips), px(top_twips)));
}

void guarded(EventPump& pump, const std::function<void()>& work) noexcept {
    try {
        work();
    } catch (const std::exception& error) {
        pump.fatal(say("Quarn has met an unexpected error and must close.\n\n%1", error.what()));
    } catch (...) {
        pump.fatal(say("Quarn has met an unexpected error and must close."));
    }
}

void Dispatch::operator()(const std::function<void(Quarn&)>& handler) noexcept {
    guarded(q_.pump, [&] { handler(q_); });
    render();
}

void Dispatch::render() noexcept {
    if (render_) guarded(q_.pump, render_);
}

} // namespace quarn::ui
