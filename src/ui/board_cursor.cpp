// The board's keyboard cursor: its keys, its ring and what it tells screen
// readers.
#include "board_cursor.h"

#include "look.h"
#include "state/play_state.h"

#include <QKeyEvent>
#include <QPainter>
#include <QRegion>

namespace quarn::ui {

namespace {
// The ring lies in the gap round a cell (7 pixels between cells), one pixel
// clear of the cell's own thin frame, so that whether the cell is framed or
// picked still shows inside it.
constexpr int ring_gap = 1;
constexpr int ring_width = 3;
constexpr int ring_reach = ring_gap + ring_width;

const QString board_name = QStringLiteral("letter board");
} // namespace

BoardCursor::BoardCursor(QWidget* parent, std::function<QRect(int)> cells, std::function<void(int)> press,
                         std::function<QString(int)> describe)
    : QWidget(parent), cells_(std::move(cells)), press_(std::move(press)), describe_(std::move(describe)) {
    setObjectName(QStringLiteral("board"));
    QRect area;
    for (int i = 0; i < cell_count; ++i) area |= cells_(i);
    setGeometry(area.adjusted(-ring_reach, -ring_reach, ring_reach, ring_reach));
    // Only the keyboard stops here: the mouse still talks to the cells.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(board_name);
    setAccessibleDescription(
        QStringLiteral("The arrow keys move over the cells; Space or Enter picks the cell under the cursor"));
}

bool BoardCursor::drawn() const { return shown_ && window()->focusWidget() == this; }

void BoardCursor::hide_cursor() {
    shown_ = false;
    update();
    describe();
}

void BoardCursor::restart() {
    cell_ = 0;
    hide_cursor();
}

void BoardCursor::take_arrows_from(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets) widget->installEventFilter(this);
}

void BoardCursor::describe() {
    const QString name = drawn() ? describe_(cell_) : board_name;
    if (accessibleName() == name) return;
    setAccessibleName(name);
    if (drawn()) announce(this);
}

void BoardCursor::move(int columns, int rows) {
    if (shown_) {
        const int column = (cell_ % grid_columns + columns + grid_columns) % grid_columns;
        const int row = (cell_ / grid_columns + rows + grid_rows) % grid_rows;
        update(ring_of(cell_));
        cell_ = row * grid_columns + column;
    }
    // The first key of a turn only shows where the cursor stands.
    shown_ = true;
    update(ring_of(cell_));
    describe();
}

void BoardCursor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left: return move(-1, 0);
    case Qt::Key_Right: return move(1, 0);
    case Qt::Key_Up: return move(0, -1);
    case Qt::Key_Down: return move(0, 1);
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A key held down picks once, not the same cell again and again.
        if (shown_ && !event->isAutoRepeat()) press_(cell_);
        return;
    default: QWidget::keyPressEvent(event);
    }
}

bool BoardCursor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
            setFocus(Qt::OtherFocusReason);
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QRect BoardCursor::ring_of(int cell) const {
    return cells_(cell).translated(-pos()).adjusted(-ring_reach, -ring_reach, ring_reach, ring_reach);
}

void BoardCursor::paintEvent(QPaintEvent*) {
    if (!drawn()) return;
    const QRect outer = ring_of(cell_);
    const QRect inner = outer.adjusted(ring_width, ring_width, -ring_width, -ring_width);
    QPainter painter(this);
    painter.setClipRegion(QRegion(outer).subtracted(QRegion(inner)));
    painter.fillRect(outer, qcolor(colours::board_cursor));
}

void BoardCursor::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    describe();
}

void BoardCursor::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
    describe();
}

} // namespace quarn::ui
