// How a window follows its model. Every window re-renders after each event and
// at every turn of the game's waiting loops, hundreds of times a second during
// a score tally, so each setter remembers what it last showed and touches the
// widget only when the model has changed.
#pragma once
#include "platform/window_model.h"
#include "shell/quarn.h"

#include <QFont>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

namespace quarn::ui {

// The last value shown of one property.
template <class T>
class Shown {
public:
    // True, and remembered, when the value differs from the one shown last.
    bool changed(const T& value) {
        if (last_ && *last_ == value) return false;
        last_ = value;
        return true;
    }

private:
    std::optional<T> last_;
};

// A label whose caption the program changes. Screen readers hear what the label
// is together with what it says.
class Caption {
public:
    Caption() = default;
    // designed: the font the caption was drawn with, which a longer text in
    // another language may have to shrink.
    Caption(QLabel* label, QString role, QFont designed)
        : label_(label), role_(std::move(role)), designed_(std::move(designed)) {}

    // quiet: the caption changes too fast to be news (a counter ticking down,
    // a score counting up). Each change of a label's name is an event for
    // every screen reader, so its name catches up only once it is shown
    // without quiet.
    void show(const Text& text, bool quiet = false);
    // A caption that is the same in every language: a name or a number.
    void show(const std::string& text, bool quiet = false) { show(Text::as_is(text), quiet); }
    QLabel* label() const { return label_; }

private:
    QLabel* label_ = nullptr;
    QString role_;
    QFont designed_;
    Shown<Text> text_;
    QString shown_;
    bool name_behind_ = false; // the label's name is not yet the caption's
};

// Shows, hides and raises one top-level window as its model says. A window
// with a control to use takes the keyboard as it appears, so that a player
// without a mouse can go on where the program has taken them.
class WindowMirror {
public:
    // place runs once, just before the window first appears. True when the
    // window has just appeared.
    bool render(QWidget& window, const WindowModel& model, const std::function<void()>& place = {});

private:
    bool placed_ = false;
    int raises_ = 0;
};

// Where windows first appear: centred, or at a place given in twips from the
// screen's top-left corner.
void centre_on_screen(QWidget& window);
void place_on_screen(QWidget& window, int left_twips, int top_twips);

// Runs the core's handlers for clicks, edits and closes. No exception may leave
// a Qt event handler, so anything thrown ends the program through the pump's
// error box; afterwards every window shows what the handler changed.
class Dispatch {
public:
    explicit Dispatch(Quarn& q) : q_(q) {}

    void set_render(std::function<void()> render) { render_ = std::move(render); }
    void operator()(const std::function<void(Quarn&)>& handler) noexcept;
    void render() noexcept;

private:
    Quarn& q_;
    std::function<void()> render_;
};

// What every window of the program shares: the run it belongs to, the way
// its players' actions reach the core, and its place on and off screen.
class ModelWindow {
public:
    ModelWindow(const ModelWindow&) = delete;
    ModelWindow& operator=(const ModelWindow&) = delete;
    virtual ~ModelWindow() = default;
    // Brings the widgets up to date with the model.
    virtual void render() = 0;

protected:
    ModelWindow(Quarn& q, Dispatch& dispatch) : q_(q), dispatch_(dispatch) {}

    Quarn& q_;
    Dispatch& dispatch_;
    WindowMirror mirror_;
};

// Runs work so that no exception escapes: a failure is reported through the
// pump's error box, which ends the program.
void guarded(EventPump& pump, const std::function<void()>& work) noexcept;

} // namespace quarn::ui
