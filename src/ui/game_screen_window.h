// The play window: the game clock and its bar, the seats, the table of high
// scores, the headings, the 65 letter cells, the turn counter and the buttons.
#pragma once
#include "board_cursor.h"
#include "mirror.h"
#include "wrap_button.h"

#include <QLabel>
#include <QWidget>

#include <array>
#include <functional>

class QProgressBar;

namespace quarn::ui {

// One letter cell of the board; a press of the left button picks it.
class CellLabel : public QLabel {
    Q_OBJECT
public:
    CellLabel(int index, QWidget* parent, std::function<void(int)> on_press)
        : QLabel(parent), index_(index), on_press_(std::move(on_press)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int index_;
    std::function<void(int)> on_press_;
};

class GameScreenWindow : public QWidget, public ModelWindow {
    Q_OBJECT
public:
    GameScreenWindow(Quarn& q, Dispatch& dispatch);
    void render() override;

    QLabel* cell(int index) const { return cells_[static_cast<std::size_t>(index)].label; }
    QProgressBar* bar() const { return bar_; }
    BoardCursor* board() const { return board_; }
    WrapButton* check_button() const { return check_; }
    WrapButton* change_letter_button() const { return change_letter_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_left_panel();
    void build_seats();
    void build_high_scores();
    void build_right_panel();
    void render_cells();

    Caption hours_, minutes_, seconds_, round_;
    QProgressBar* bar_ = nullptr;
    Shown<int> bar_maximum_;
    std::array<Caption, seat_count> names_, scores_;

    struct HighScoreView {
        Caption name, score, date;
        Shown<Colour> colour;
    };
    std::array<HighScoreView, high_score_places> high_scores_;

    Caption heading_, turn_, counter_heading_, counter_;

    struct CellView {
        QLabel* label = nullptr;
        Shown<std::string> text;
        Shown<Colour> background;
        Shown<bool> framed;
    };
    std::array<CellView, cell_count> cells_;
    BoardCursor* board_ = nullptr;
    Shown<bool> turn_running_;

    WrapButton* check_ = nullptr;
    WrapButton* change_letter_ = nullptr;
};

} // namespace quarn::ui
