// The About window, frmAbout.
#include "about_window.h"

#include "look.h"

#include <QLabel>
#include <QPixmap>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>

namespace quarn::ui {

namespace {
// An etched separator: a white line two pixels high under a grey line one
// pixel high, both along the same top, so that the white shows as the
// highlight below the grey.
void add_separator(QWidget* parent, int index, int top_twips) {
    const int top = px(top_twips);
    const int width = parent->width();
    struct Stroke {
        int height;
        QColor colour;
    };
    // The white goes in first, to lie underneath.
    const Stroke strokes[2] = {{2, qcolor(colours::white)}, {1, qcolor(colours::grey)}};
    for (int part = 0; part < 2; ++part) {
        auto* line = new QFrame(parent);
        line->setObjectName(QStringLiteral("Line1_%1").arg(index + 1 - part));
        line->setGeometry(0, top, width, strokes[part].height);
        set_background(line, strokes[part].colour);
        line->setAccessibleName(QCoreApplication::translate("quarn::ui", "separator"));
    }
}
} // namespace

AboutWindow::AboutWindow(Quarn& q, Dispatch& dispatch) : ModelWindow(q, dispatch) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Quarn"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twips_size(5730, 3555));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(twips_rect(120, 120, 975, 1455));
    picture->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(bundled_picture(QStringLiteral("about_picture.png")));
    picture->setAccessibleName(tr("a picture of letter tiles in the four seat colours"));

    const QFont text_font = arial(8.25);
    add_label(this, QStringLiteral("lblVersion"), tr("Version 1.1"), twips_rect(1200, 600, 3885, 225),
              {.font = text_font});
    add_label(this, QStringLiteral("lblDescription"),
              tr("Quarn is a collection of word games for people aged 10 years and older"),
              twips_rect(1200, 840, 3885, 690), {.font = text_font, .text = qcolor(colours::black)});

    add_separator(this, 0, 2160);
    add_separator(this, 3, 2880);

    auto* ok = add_button(this, QStringLiteral("cmdOK"), tr("OK"), twips_rect(4245, 3120, 1260, 345),
                          {.font = text_font});
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { this->ok(); });
}

void AboutWindow::render() {
    mirror_.render(*this, q_.frmAbout, [this] { centre_on_screen(*this); });
}

void AboutWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // the close button answers like OK
    ok();
}

void AboutWindow::reject() { ok(); }

void AboutWindow::ok() {
    dispatch_([](Quarn& q) { q.frmAbout.hide(); });
}

} // namespace quarn::ui
