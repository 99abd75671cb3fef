// The keys every window shares, and the keyboard's way back when a window or
// a box closes.
#include "keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWindow>

#include <algorithm>

namespace quarn::ui {

namespace {

bool is_return(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// A push button that Return does not press by itself: outside a dialog Qt
// presses buttons with Space only. (A dialog's buttons, in the boxes and
// About, are its default buttons and answer Return already.)
QPushButton* pressed_by_space_only(QObject* watched) {
    auto* button = qobject_cast<QPushButton*>(watched);
    return button && !button->autoDefault() && !button->isDefault() ? button : nullptr;
}

} // namespace

Keyboard::Keyboard(std::vector<QWidget*> next, std::vector<QWidget*> quit_windows, std::function<void()> quit)
    : next_(std::move(next)), quit_windows_(std::move(quit_windows)), quit_(std::move(quit)) {
    // Every key of every window of the program passes here first, the boxes'
    // too, which the pump makes as it needs them.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] {
        if (QWidget* active = QApplication::activeWindow()) {
            holder_ = active;
            held_ = true;
        }
    });
}

Keyboard::~Keyboard() { qApp->removeEventFilter(this); }

bool Keyboard::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if ((!press && event->type() != QEvent::KeyRelease) || !watched->isWidgetType()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    QWidget* window = static_cast<QWidget*>(watched)->window();

    // A key held down repeats, and a box or a result may open while the key
    // that led to it is still down (the Return that answered the last box,
    // or an arrow or Return on the board as the time ran out). Its repeats
    // stay in the window where it was pressed, and answer nothing even
    // there: Return, Enter and Esc count once for each time they are pressed.
    if (press && !key->isAutoRepeat()) {
        held_key_ = key->key();
        held_in_ = window;
    }
    if (key->isAutoRepeat() && (key->key() != held_key_ || window != held_in_ || is_return(key->key()) ||
                                key->key() == Qt::Key_Escape)) {
        event->accept();
        return true;
    }
    // Return and Enter press the button that has the keyboard just as Space
    // does: down while the key is down, pressed when it is let go.
    if (is_return(key->key()) && modifiers == Qt::NoModifier) {
        if (QPushButton* button = pressed_by_space_only(watched)) {
            QKeyEvent space(event->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QCoreApplication::sendEvent(button, &space);
            event->accept();
            return true;
        }
    }
    if (press && key->key() == Qt::Key_Q && modifiers == Qt::ControlModifier) {
        if (std::find(quit_windows_.begin(), quit_windows_.end(), window) != quit_windows_.end()) {
            event->accept();
            quit_();
            return true;
        }
    }
    return false;
}

void Keyboard::give(QWidget& window) { window.activateWindow(); }

void Keyboard::follow() {
    // Whatever has the keyboard keeps it, and an open box has it or is about
    // to get it.
    if (!held_ || (holder_ && holder_->isVisible()) || QApplication::activeModalWidget()) return;
    held_ = false;
    for (QWidget* window : next_) {
        if (!window->isVisible()) continue;
        give(*window);
        // Until the window system says so, this is where the keyboard is.
        holder_ = window;
        held_ = true;
        return;
    }
}

} // namespace quarn::ui
