// The main menu: the title letters, the four game buttons, the set-up buttons,
// "Play Game" and the File and Help menus.
#pragma once
#include "mirror.h"
#include "wrap_button.h"

#include <QMainWindow>
#include <QPoint>

#include <array>

class QLabel;
class QMenu;

namespace quarn::ui {

class MainMenuWindow : public QMainWindow, public ModelWindow {
    Q_OBJECT
public:
    MainMenuWindow(Quarn& q, Dispatch& dispatch);
    void render() override;

    WrapButton* game_button(int index) const { return game_buttons_[static_cast<std::size_t>(index)]; }
    QLabel* title_letter(int index) const { return letters_[static_cast<std::size_t>(index)]; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_menus();

    std::array<QLabel*, title_letters> letters_{};
    std::array<Shown<QPoint>, title_letters> letter_places_;
    std::array<WrapButton*, game_buttons> game_buttons_{};
    std::array<WrapButton*, 3> setup_buttons_{}; // game length, names, Play Game
    std::array<Shown<Colour>, game_buttons> game_colours_;
    QMenu* languages_ = nullptr; // the word language, when packs are installed
    Shown<bool> buttons_enabled_;
};

} // namespace quarn::ui
