// The keyboard's way onto the board. The cells take no keyboard focus, so the
// board is one stop of the play window's Tab order, lying under the cells:
// there the arrow keys move a cursor over the 65 cells, and Space or Enter
// acts on the cell under it exactly as a click does.
#pragma once
#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>

namespace quarn::ui {

class BoardCursor : public QWidget {
    Q_OBJECT
public:
    // cells: where each cell lies in the parent. press: a click on a cell.
    // describe: what a screen reader should hear of a cell.
    BoardCursor(QWidget* parent, std::function<QRect(int)> cells, std::function<void(int)> press,
                std::function<QString(int)> describe);

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
    // Brings what screen readers hear up to date with the cell under the
    // cursor, and reads out any change.
    void describe();

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

    std::function<QRect(int)> cells_;
    std::function<void(int)> press_;
    std::function<QString(int)> describe_;
    int cell_ = 0;
    bool shown_ = false;
};

} // namespace quarn::ui
