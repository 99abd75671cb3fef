// The board's keyboard cursor: its keys, its ring and what it tells screen
// readers.
#include "board_cursor.h"

#include "accessibility.h"
#include "look.h"
#include "state/play_state.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRawFont>
#include <QRegion>

#include <algorithm>

namespace quarn::ui {

namespace {
// The ring lies in the gap round a cell (7 pixels between cells), one pixel
// clear of the cell's own thin frame, so that whether the cell is framed or
// picked still shows inside it.
constexpr int ring_gap = 1;
constexpr int ring_width = 3;
constexpr int ring_reach = ring_gap + ring_width;
} // namespace

void CellLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && on_press_) on_press_(index_);
    event->accept();
}

void CellLabel::set_letter(const QString& letter) {
    setText(letter);
    // The family itself, as the font resolves it: QFontMetrics::inFontUcs4
    // would answer for the system's fallbacks too.
    const QRawFont own_family = QRawFont::fromFont(font());
    const QList<uint> characters = letter.toUcs4();
    const bool own = std::all_of(characters.begin(), characters.end(), [&](uint c) { return own_family.supportsCharacter(c); });
    // The room of the cell framed: picked, it loses its frame and has more.
    const int room = width() - 2 * lineWidth() - framed_indent();
    const qreal wide = QFontMetricsF(font()).horizontalAdvance(letter);
    squeeze_ = own || wide <= room ? 1 : room / wide;
    update();
}

void CellLabel::paintEvent(QPaintEvent* event) {
    if (squeeze_ == 1) return QLabel::paintEvent(event);
    QFrame::paintEvent(event);
    const int indent = frameWidth() > 0 ? framed_indent() : 0;
    const QRect room = contentsRect().adjusted(indent, indent, 0, 0);
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.translate(room.topLeft());
    painter.scale(squeeze_, 1);
    // On the baseline an unsqueezed letter has: a scaled font's own metrics
    // would put it a little higher.
    painter.drawText(QPointF(0, fontMetrics().ascent()), text());
}

BoardCursor::BoardCursor(QWidget* parent, std::function<CellLabel*(int)> cells, std::function<void(int)> press)
    : QWidget(parent), cells_(std::move(cells)), press_(std::move(press)) {
    setObjectName(QStringLiteral("board"));
    QRect area;
    for (int i = 0; i < cell_count; ++i) area |= cells_(i)->geometry();
    setGeometry(area.adjusted(-ring_reach, -ring_reach, ring_reach, ring_reach));
    // Only the keyboard stops here: the mouse still talks to the cells.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QCoreApplication::translate("quarn", "letter board"));
    // Read each time the board gets the keyboard, after every box: short, so
    // that it holds up nothing said after it. The guide tells the rest.
    setAccessibleDescription(QCoreApplication::translate("quarn", "arrow keys move, Space picks"));
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
    const int cell = drawn() ? cell_ : -1;
    CellLabel* label = cell >= 0 ? cells_(cell) : nullptr;
    if (cell != spoken_cell_) {
        if (spoken_cell_ >= 0) cells_(spoken_cell_)->set_cursor(false);
        spoken_cell_ = cell;
        if (!label) return;
        label->set_cursor(true);
        spoken_name_ = label->accessibleName();
        give_accessible_focus(label);
    } else if (label && label->accessibleName() != spoken_name_) {
        spoken_name_ = label->accessibleName();
        refocus_accessibly(label);
    }
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
    return cells_(cell)->geometry().translated(-pos()).adjusted(-ring_reach, -ring_reach, ring_reach, ring_reach);
}

void BoardCursor::paintEvent(QPaintEvent*) {
    if (!drawn()) return;
    const QRect outer = ring_of(cell_);
    const QRect inner = outer.adjusted(ring_width, ring_width, -ring_width, -ring_width);
    QPainter painter(this);
    painter.setClipRegion(QRegion(outer).subtracted(QRegion(inner)));
    painter.fillRect(outer, qcolor(colours::board_cursor));
}

// The window's next render says the cell under the cursor: after the board
// itself, whose focus screen readers hear only once this handler is done.
void BoardCursor::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void BoardCursor::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace quarn::ui
