// Twips, colours, fonts and the label and button builders.
#include "look.h"

#include "translation.h"

#include <QPalette>

#include <algorithm>

namespace quarn::ui {

namespace {
// The family that draws the letters a window's own family lacks: Debian's
// own sans serif, which has every Latin, Greek and Cyrillic letter.
const QString fallback_family = QStringLiteral("DejaVu Sans");
} // namespace

QPixmap bundled_picture(const QString& name) { return QPixmap(QStringLiteral(":/images/") + name); }

QRect twips_rect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

QSize twips_size(int width, int height) { return QSize(px(width), px(height)); }

QColor qcolor(Colour colour) { return QColor(colour.r, colour.g, colour.b); }

QFont make_font(const QString& family, double points, bool bold, bool italic) {
    QFont f(family);
    // Letters the family and its stand-ins lack (Comic Neue has no Greek or
    // Cyrillic) are drawn in one named family, never as boxes and never in
    // whatever the system happens to pick.
    f.setFamilies(QStringList{family} + QFont::substitutes(family) + QStringList{fallback_family});
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont comic(double points, bool bold, bool italic) {
    return make_font(QStringLiteral("Comic Sans MS"), points, bold, italic);
}
QFont times(double points, bool bold, bool italic) {
    return make_font(QStringLiteral("Times New Roman"), points, bold, italic);
}
QFont arial(double points, bool bold, bool italic) { return make_font(QStringLiteral("Arial"), points, bold, italic); }

void set_background(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void set_text_colour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    widget->setPalette(p);
}

void set_button_face(QAbstractButton* button, const QColor& colour) {
    QPalette p = button->palette();
    p.setColor(QPalette::Button, colour);
    button->setPalette(p);
}

void set_framed(QLabel* label, bool framed) {
    label->setFrameShape(framed ? QFrame::Box : QFrame::NoFrame);
}

bool text_fits(const QFontMetrics& metrics, const QRect& room, int flags, const QString& text) {
    const QRect needed = metrics.boundingRect(room, flags, text);
    const int lines = std::max(1, (needed.height() + metrics.leading()) / std::max(1, metrics.lineSpacing()));
    return needed.width() <= room.width() && (lines == 1 || needed.height() <= room.height());
}

QFont fitting_font(const QFont& designed, const QRect& room, int flags, const QString& text) {
    if (!translated_windows() || text_fits(QFontMetrics(designed), room, flags, text)) return designed;
    QFont font = designed;
    for (double points = designed.pointSizeF() - 0.5; points >= designed.pointSizeF() / 3; points -= 0.5) {
        font.setPointSizeF(points);
        if (text_fits(QFontMetrics(font), room, flags, text)) break;
    }
    return font;
}

void fit_label(QLabel* label, const QFont& designed) {
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QFont font = fitting_font(designed, label->contentsRect(), flags, label->text());
    if (font != label->font()) label->setFont(font);
}

QLabel* add_label(QWidget* parent, const QString& name, const QString& text, const QRect& where,
                  const LabelLook& look) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(where);
    label->setFont(look.font);
    label->setAlignment((look.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(look.wrap);
    label->setTextFormat(Qt::PlainText); // a player's name is never markup
    label->setFrameShadow(QFrame::Plain);
    label->setLineWidth(1);
    set_framed(label, look.framed);
    if (look.background) set_background(label, *look.background);
    if (look.text) set_text_colour(label, *look.text);
    label->setAccessibleName(look.role.isEmpty() ? text : look.role);
    fit_label(label, look.font);
    return label;
}

Caption add_caption(QWidget* parent, const QString& name, const QString& text, const QRect& where,
                    const LabelLook& look) {
    return Caption(add_label(parent, name, text, where, look), look.role, look.font);
}

WrapButton* add_button(QWidget* parent, const QString& name, const QString& text, const QRect& where,
                       const ButtonLook& look) {
    auto* button = new WrapButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(where);
    if (look.face) set_button_face(button, *look.face);
    if (!look.tooltip.isEmpty()) button->setToolTip(look.tooltip);
    button->setAccessibleName(text);
    button->setFont(fitting_font(look.font, button->rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                                 text));
    return button;
}

} // namespace quarn::ui
