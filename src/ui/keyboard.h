// The keyboard across all of the program's windows: the keys every window
// shares, and where the keyboard goes when the window or box that held it
// closes. Everything that decides where the keyboard is lives here or in the
// windows' own render, so that what a screen reader follows is in one place.
#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace quarn::ui {

class Keyboard final : public QObject {
    Q_OBJECT
public:
    // next: where the keyboard goes when the window that held it closes, the
    // first visible one of them. quit_windows: where Ctrl+Q asks to end the
    // program (the main menu has it as the shortcut of File > Exit).
    Keyboard(std::vector<QWidget*> next, std::vector<QWidget*> quit_windows, std::function<void()> quit);
    ~Keyboard() override;
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    // Run after the windows have been brought up to date. A desktop's window
    // manager hands the keyboard on when a window closes; without one (a
    // kiosk, a bare X session) it would be left nowhere, so it is handed to
    // the window the player acts in next. A player who has gone to another
    // program keeps the keyboard there: only a window of ours closing while
    // it held the keyboard moves it.
    void follow();

    // The window where the keyboard goes; within it, the focus goes back to
    // whatever of it last had the focus.
    static void give(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> next_;
    std::vector<QWidget*> quit_windows_;
    std::function<void()> quit_;
    QPointer<QWidget> holder_; // the window that last held the keyboard
    bool held_ = false;        // and whether one did (a box is gone once closed)
    int held_key_ = 0;         // the key last pressed, and where
    QPointer<QWidget> held_in_;
};

} // namespace quarn::ui
