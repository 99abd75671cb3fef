// The look of the windows: twips to pixels, colours, fonts, and the labels and
// buttons every window is built from. The layouts were drawn in twips at 96
// dots per inch, so 15 twips make one pixel.
#pragma once
#include "mirror.h"
#include "platform/colour.h"
#include "wrap_button.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <optional>
#include <string>

namespace quarn::ui {

constexpr int px(int twips) { return (twips * 2 + 15) / 30; } // to the nearest pixel
QRect twips_rect(int left, int top, int width, int height);
QSize twips_size(int width, int height);

QColor qcolor(Colour colour);
// One of the pictures bundled with the program, by file name.
QPixmap bundled_picture(const QString& name);
inline QString qs(const std::string& text) { return QString::fromStdString(text); }

// A font by family and point size; point sizes like 20.25 keep their fraction.
QFont make_font(const QString& family, double points, bool bold = false, bool italic = false);
QFont comic(double points, bool bold = false, bool italic = false);
QFont times(double points, bool bold = false, bool italic = false);
QFont arial(double points, bool bold = false, bool italic = false);

// Colours go through the palette rather than style sheets, so that frames and
// button bevels are still drawn by the style.
void set_background(QWidget* widget, const QColor& colour);
void set_text_colour(QWidget* widget, const QColor& colour);
void set_button_face(QAbstractButton* button, const QColor& colour);
void set_framed(QLabel* label, bool framed);

// Whether the text, in these metrics, fits the room: no wider than it, and
// wrapped into no more lines than it holds (one line may be taller: the
// captions were drawn that way).
bool text_fits(const QFontMetrics& metrics, const QRect& room, int flags, const QString& text);
// In another language than English a text may not fit where the English
// one does: there the font is made just small enough for it. English texts
// keep the font they were drawn with.
QFont fitting_font(const QFont& designed, const QRect& room, int flags, const QString& text);
// The label's text in the largest size up to the designed one that fits.
void fit_label(QLabel* label, const QFont& designed);

struct LabelLook {
    QFont font{};
    bool centred = false;
    bool framed = false;
    std::optional<QColor> background{}; // none: drawn over whatever is behind
    std::optional<QColor> text{};
    bool wrap = true;                   // long captions wrap inside their box
    QString role{};                     // what the label is, for screen readers
};

// A label with its numbered name as object name. Captions sit at the top of
// their box; labels that change at run time are named by their role.
QLabel* add_label(QWidget* parent, const QString& name, const QString& text, const QRect& where,
                  const LabelLook& look);

struct ButtonLook {
    QFont font{};
    std::optional<QColor> face{};
    QString tooltip{};
};

// A label whose caption the program changes, named for screen readers by
// its role.
Caption add_caption(QWidget* parent, const QString& name, const QString& text, const QRect& where,
                    const LabelLook& look);

WrapButton* add_button(QWidget* parent, const QString& name, const QString& text, const QRect& where,
                       const ButtonLook& look);

} // namespace quarn::ui
