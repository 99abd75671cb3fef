// The play window: the game clock and its bar, the seats, the table of high
// scores, the headings, the 65 letter cells, the turn counter and the buttons.
#pragma once
#include "accessibility.h"
#include "board_cursor.h"
#include "mirror.h"
#include "wrap_button.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QProgressBar;

namespace quarn::ui {

class GameScreenWindow : public QWidget, public ModelWindow {
    Q_OBJECT
public:
    GameScreenWindow(Quarn& q, Dispatch& dispatch);
    void render() override;

    CellLabel* cell(int index) const { return cells_[static_cast<std::size_t>(index)].label; }
    QProgressBar* bar() const { return bar_; }
    BoardCursor* board() const { return board_; }
    WrapButton* check_button() const { return check_; }
    WrapButton* change_letter_button() const { return change_letter_; }
    Announcer* announcer() const { return announcer_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build_left_panel();
    void build_seats();
    void build_high_scores();
    void build_right_panel();
    void render_cells();
    void render_news();
    // Where the game stands, as the status key reads it out.
    QString status() const;

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

    // What a screen reader hears of a cell.
    struct CellSpoken {
        std::string text;
        bool white = false, picked = false, placed = false;
        bool operator==(const CellSpoken&) const = default;
    };
    struct CellView {
        CellLabel* label = nullptr;
        Shown<std::string> text;
        Shown<Colour> background;
        Shown<bool> framed;
        Shown<CellSpoken> spoken;
    };
    std::array<CellView, cell_count> cells_;
    BoardCursor* board_ = nullptr;
    Shown<bool> turn_running_;
    // The cell under the cursor whose pick the game has just refused, said
    // as placed until the cursor moves on; -1 when none.
    int placed_cell_ = -1;
    Shown<bool> pick_refused_;

    // News for screen readers, said once this window has the keyboard: the
    // result and the boxes around a turn open and close in between, and a
    // reader stops speaking as the window it follows goes.
    Announcer* announcer_ = nullptr;
    QStringList news_;
    Shown<bool> time_up_;
    int tally_seat_ = -1;

    WrapButton* check_ = nullptr;
    WrapButton* change_letter_ = nullptr;
};

} // namespace quarn::ui
