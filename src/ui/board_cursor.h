// The keyboard's way onto the board. The cells take no keyboard focus, so the
// board is one stop of the play window's Tab order, lying under the cells:
// there the arrow keys move a cursor over the 65 cells, and Space or Enter
// acts on the cell under it exactly as a click does. Screen readers follow
// the cursor: the cell under it has their focus.
#pragma once
#include <QLabel>
#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>

namespace quarn::ui {

// One letter cell of the board; a press of the left button picks it. Its
// accessible name says what the eye sees of it.
class CellLabel : public QLabel {
    Q_OBJECT
public:
    CellLabel(int index, QWidget* parent, std::function<void(int)> on_press)
        : QLabel(parent), index_(index), on_press_(std::move(on_press)) {}

    // Whether the board's cursor stands on the cell while the board has the
    // keyboard: then the cell has the screen readers' focus.
    bool has_cursor() const { return has_cursor_; }
    void set_cursor(bool here) { has_cursor_ = here; }

    // The cell's letter. One that the label's font family lacks comes from a
    // fallback family, whose wide letters (the Cyrillic ж and щ) would run
    // past the cell's edge: those are drawn just narrow enough to fit, at
    // the height of the others. The family's own letters keep their look.
    void set_letter(const QString& letter);
    // How much narrower than its font the letter is drawn: 1 for as wide.
    qreal squeeze() const { return squeeze_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Where a framed label starts a text aligned to the top left: half an
    // "x" in from the frame.
    int framed_indent() const { return fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2; }
    int index_;
    std::function<void(int)> on_press_;
    bool has_cursor_ = false;
    qreal squeeze_ = 1;
};

class BoardCursor : public QWidget {
    Q_OBJECT
public:
    // cells: the 65 cells, lying in the parent. press: a click on a cell.
    BoardCursor(QWidget* parent, std::function<CellLabel*(int)> cells, std::function<void(int)> press);

    int cell() const { return cell_; }
    // Drawn only once a cursor key has been used, and while the board has
    // the keyboard.
    bool drawn() const;
    // Gone until the next cursor key.
    void hide_cursor();
    // Gone, and back on the top-left cell, where every turn starts.
    void restart();
    // Arrow keys pressed on these widgets move the cursor too, so that they
    // always work the board, wherever the focus is.
    void take_arrows_from(std::initializer_list<QWidget*> widgets);
    // Brings what screen readers hear up to date with the cursor: the cell
    // it moves onto is said, and so is a change of the cell under it (a
    // pick, a swap).
    void describe();
    // The cell under the cursor is said again at the next describe, changed
    // or not: a pick the game refused.
    void say_again() { spoken_name_.clear(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One step across or down; off one edge comes back in at the other.
    void move(int columns, int rows);
    QRect ring_of(int cell) const;

    std::function<CellLabel*(int)> cells_;
    std::function<void(int)> press_;
    int cell_ = 0;
    bool shown_ = false;
    // The cell that has the screen readers' focus (-1: none), and its name
    // as they last heard it.
    int spoken_cell_ = -1;
    QString spoken_name_;
};

} // namespace quarn::ui
