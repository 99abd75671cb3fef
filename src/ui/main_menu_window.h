// The main menu: the title letters, the four game buttons, the set-up buttons,
// "Play Game" and the File and Help menus.
#pragma once
#include "mirror.h"
#include "wrap_button.h"

#include <QMainWindow>
#include <QPoint>

#include <array>

class QLabel;

namespace quarn::ui {

class MainMenuWindow : public QMainWindow {
    Q_OBJECT
public:
    MainMenuWindow(Quarn& q, Dispatch& dispatch);
    void render();

    WrapButton* game_button(int index) const { return game_buttons_[static_cast<std::size_t>(index)]; }
    QLabel* title_letter(int index) const { return letters_[static_cast<std::size_t>(index)]; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_menus();

    Quarn& q_;
    Dispatch& dispatch_;
    WindowMirror mirror_;
    std::array<QLabel*, title_letters> letters_{};
    std::array<Shown<QPoint>, title_letters> letter_places_;
    std::array<WrapButton*, 4> game_buttons_{};
    std::array<WrapButton*, 3> setup_buttons_{}; // game length, names, Play Game
    std::array<Shown<Colour>, 4> game_colours_;
};

} // namespace quarn::ui
