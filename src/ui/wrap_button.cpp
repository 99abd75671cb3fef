// The bevel comes from the style; only the caption is drawn here, wrapped.
#include "wrap_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quarn::ui {

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2 + 1;
    QRect area = rect().adjusted(margin, margin, -margin, -margin);
    if (isDown()) area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                                 style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    style()->drawItemText(&painter, area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(), caption,
                          QPalette::ButtonText);
}

} // namespace quarn::ui
