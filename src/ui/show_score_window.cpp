// The turn result window, form_show_score.
#include "show_score_window.h"

#include "accessibility.h"
#include "look.h"
#include "scores/score_windows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>

namespace quarn::ui {

ShowScoreWindow::ShowScoreWindow(Quarn& q, Dispatch& dispatch) : ModelWindow(q, dispatch) {
    setObjectName(QStringLiteral("form_show_score"));
    setWindowTitle(tr("Score"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setFixedSize(twips_size(6285, 5760));
    set_background(this, qcolor(colours::blue));

    const QColor dark_blue = qcolor(colours::dark_blue);
    add_label(this, QStringLiteral("Label1"), tr("You Scored"), twips_rect(240, 240, 5535, 1695),
              {.font = comic(50.25, true), .text = qcolor(colours::red), .wrap = false});
    bonus_ = add_caption(this, QStringLiteral("bonus"), QStringLiteral("0000"), twips_rect(120, 1440, 4095, 1695),
                         {.font = comic(72, true), .centred = true, .text = dark_blue, .wrap = false,
                          .role = tr("points")});
    add_label(this, QStringLiteral("Label2"), tr("Pts"), twips_rect(4080, 1920, 1935, 1215),
              {.font = comic(48, true), .centred = true, .text = dark_blue, .wrap = false});

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setGeometry(twips_rect(360, 3360, 3615, 2130));
    list_->setFont(comic(12));
    QPalette p = list_->palette();
    p.setColor(QPalette::Base, qcolor(colours::dark_red));
    p.setColor(QPalette::Text, qcolor(colours::light_yellow));
    list_->setPalette(p);
    list_->setAccessibleName(tr("words found"));

    ok_ = add_button(this, QStringLiteral("button_ok"), tr("OK"), twips_rect(4320, 4320, 1695, 1215),
                     {.font = comic(48)});
    connect(ok_, &QPushButton::clicked, this, [this] { dispatch_([](Quarn& q) { score_ok(q.state); }); });

    // Screen readers read an alert whole as it opens: its name, the points
    // first, then its description, the words found. Its labels, which the
    // name already says, are not read again.
    set_accessible_role(this, QAccessible::AlertMessage);
    for (QLabel* label : findChildren<QLabel*>()) set_accessible_role(label, QAccessible::Paragraph);
}

void ShowScoreWindow::render() {
    const ShowScoreModel& m = q_.form_show_score;
    if (words_.changed(m.found_list)) {
        list_->clear();
        for (const std::string& word : m.found_list) list_->addItem(qs(word));
    }
    if (list_->isHidden() == m.found_list_visible) list_->setVisible(m.found_list_visible);
    bonus_.show(m.bonus);
    // What screen readers say as the window opens.
    if (m.visible && !isVisible()) {
        setAccessibleName(QCoreApplication::translate("quarn", "You Scored %1 Pts").arg(qs(m.bonus)));
        QStringList words;
        if (m.found_list_visible)
            for (const std::string& word : m.found_list) words << qs(word);
        setAccessibleDescription(words.isEmpty() ? QString()
                                                 : QCoreApplication::translate("quarn", "Words found: %1")
                                                       .arg(words.join(QStringLiteral(", "))));
    }
    const bool appeared = mirror_.render(*this, m, [this] { place_on_screen(*this, 7215, 2775); });
    // Each result opens with the keyboard on OK, so that Return or Space
    // answers it.
    if (appeared) ok_->setFocus(Qt::OtherFocusReason);
}

void ShowScoreWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // only OK answers the result, and the game hides it
}

// Esc answers like OK, as it does in a box.
void ShowScoreWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        ok_->click();
    else
        QWidget::keyPressEvent(event);
}

void ShowScoreWindow::paintEvent(QPaintEvent*) {
    // The window is drawn over a pale picture of 473 by 478 pixels from its
    // top-left corner, so that the red and dark blue captions stand out; the
    // blue shows only where the picture ends.
    QPainter painter(this);
    const QRect picture(0, 0, 473, 478);
    QLinearGradient wash(picture.topLeft(), picture.bottomRight());
    wash.setColorAt(0.0, QColor(236, 242, 255));
    wash.setColorAt(0.6, QColor(250, 250, 240));
    wash.setColorAt(1.0, QColor(255, 244, 224));
    painter.fillRect(picture, wash);
}

} // namespace quarn::ui
