// The borderless announcements: form_checking_words, form_new_hiscore and
// form_winner.
#include "announcement_window.h"

#include "accessibility.h"
#include "look.h"
#include "translation.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>

namespace quarn::ui {

AnnouncementWindow::AnnouncementWindow(Quarn& q, Dispatch& dispatch, const QString& name, const QString& title,
                                       QSize client, const QColor& background)
    : ModelWindow(q, dispatch) {
    setObjectName(name);
    setWindowTitle(title);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(client);
    set_background(this, background);
}

void AnnouncementWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

QFrame* AnnouncementWindow::add_outline(const QRect& where, int width, const QColor& colour) {
    auto* outline = new QFrame(this);
    outline->setObjectName(QStringLiteral("Shape1"));
    outline->setGeometry(where);
    outline->setFrameStyle(QFrame::Box | QFrame::Plain);
    outline->setLineWidth(width);
    QPalette p = outline->palette();
    p.setColor(QPalette::WindowText, colour);
    outline->setPalette(p);
    outline->setAccessibleName(QCoreApplication::translate("quarn::ui", "border"));
    return outline;
}

PlayerAnnouncementWindow::PlayerAnnouncementWindow(Quarn& q, Dispatch& dispatch, const Announcement& model,
                                                   const QString& name, const QString& title, QSize client,
                                                   const QColor& background, QPoint place_twips,
                                                   const char* sentence)
    : AnnouncementWindow(q, dispatch, name, title, client, background), model_(model), place_(place_twips),
      sentence_(sentence) {
    // Shown without taking the keyboard from the play window, where the
    // players go on, so that no window taking it over cuts the reading off.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    set_accessible_role(this, QAccessible::Notification);
}

void PlayerAnnouncementWindow::read_as_one() {
    for (QLabel* label : findChildren<QLabel*>()) set_accessible_role(label, QAccessible::Paragraph);
}

void PlayerAnnouncementWindow::render() {
    name_.show(model_.name_caption);
    score_.show(model_.score_caption);
    // What screen readers say as the window shows, set before it does.
    if (model_.visible && !isVisible())
        setAccessibleName(QCoreApplication::translate("quarn", sentence_)
                              .arg(shown(model_.name_caption), qs(model_.score_caption)));
    mirror_.render(*this, model_, [this] { place_on_screen(*this, place_.x(), place_.y()); });
}

CheckingWordsWindow::CheckingWordsWindow(Quarn& q, Dispatch& dispatch)
    : AnnouncementWindow(q, dispatch, QStringLiteral("form_checking_words"), tr("Checking"),
                         twips_size(3390, 945), qcolor(colours::red)) {
    add_label(this, QStringLiteral("Label1"), tr("Checking words"), twips_rect(120, 120, 3135, 735),
              {.font = comic(20.25), .centred = true, .framed = true, .background = qcolor(colours::red),
               .text = qcolor(colours::light_yellow), .wrap = false});
}

void CheckingWordsWindow::render() {
    mirror_.render(*this, q_.form_checking_words, [this] { centre_on_screen(*this); });
}

NewHiscoreWindow::NewHiscoreWindow(Quarn& q, Dispatch& dispatch)
    : PlayerAnnouncementWindow(q, dispatch, q.form_new_hiscore, QStringLiteral("form_new_hiscore"),
                               tr("New high score"), twips_size(10770, 6660), qcolor(colours::red),
                               QPoint(3915, 840),
                               //: Read out as the new high score shows: %1 is "Well Done" and the name.
                               QT_TRANSLATE_NOOP("quarn", "%1: a new high score of %2")) {
    add_outline(twips_rect(90, 105, 10605, 6465), 12, qcolor(colours::darkest_red));

    name_ = add_caption(this, QStringLiteral("Lbl_name"), QString(), twips_rect(180, 180, 10410, 1395),
                        {.font = comic(48, true), .centred = true, .background = qcolor(colours::dark_red),
                         .text = qcolor(colours::yellow), .wrap = false, .role = tr("player")});

    // The black copy goes in first, 45 twips lower, to lie under the text as its shadow.
    // Both stay inside the border, whose inner edges lie at 270 and 10515
    // twips: drawn any wider, the wrapped lines ran over the border and off the
    // window's edge. The shadow has the text's width, so that both wrap alike,
    // and sits 75 twips to its right.
    const QString message =
        tr("After 4 rounds you have made it into the High Score Table with a score of:");
    const QFont message_font = comic(36, true);
    add_label(this, QStringLiteral("Label3"), message, twips_rect(405, 1665, 10035, 3165),
              {.font = message_font, .centred = true, .text = qcolor(colours::black), .role = QCoreApplication::translate("quarn::ui", "shadow")});
    add_label(this, QStringLiteral("Label1"), message, twips_rect(330, 1620, 10035, 3165),
              {.font = message_font, .centred = true, .text = qcolor(colours::light_yellow)});

    score_ = add_caption(this, QStringLiteral("Lbl_score"), QStringLiteral("0000"), twips_rect(3390, 4500, 4080, 1740),
                         {.font = comic(72, true), .centred = true, .text = QColor(255, 255, 192), .wrap = false,
                          .role = tr("score")});
    read_as_one();
}

WinnerWindow::WinnerWindow(Quarn& q, Dispatch& dispatch)
    : PlayerAnnouncementWindow(q, dispatch, q.form_winner, QStringLiteral("form_winner"), tr("Winner"),
                               twips_size(11100, 8190), qcolor(colours::yellow), QPoint(1950, 2535),
                               //: Read out as the winner shows: %1 is the winner's name.
                               QT_TRANSLATE_NOOP("quarn", "The winner is %1 with a score of %2")) {
    add_outline(twips_rect(150, 135, 10815, 7920), 20, qcolor(colours::darkest_red));

    const QColor red = qcolor(colours::red), dark_red = qcolor(colours::darker_red);
    // Each dark copy goes in before its text so that it lies underneath as the shadow.
    add_label(this, QStringLiteral("Label2"), tr("The Winner is"), twips_rect(360, 240, 10335, 2055),
              {.font = comic(72, true), .text = dark_red, .wrap = false, .role = QCoreApplication::translate("quarn::ui", "shadow")});
    add_label(this, QStringLiteral("Label1"), tr("The Winner is"), twips_rect(435, 210, 10335, 2055),
              {.font = comic(72, true), .text = red, .wrap = false});

    name_ = add_caption(this, QStringLiteral("Label3"), QStringLiteral("Label3"), twips_rect(465, 1920, 10095, 1635),
                        {.font = comic(72, true), .centred = true, .text = qcolor(colours::blue), .wrap = false,
                         .role = tr("winner")});

    add_label(this, QStringLiteral("Label6"), tr("With a score of"), twips_rect(750, 3495, 10335, 2055),
              {.font = comic(60, true), .text = dark_red, .wrap = false, .role = QCoreApplication::translate("quarn::ui", "shadow")});
    add_label(this, QStringLiteral("Label5"), tr("With a score of"), twips_rect(825, 3480, 10335, 2055),
              {.font = comic(60, true), .text = red, .wrap = false});

    score_ = add_caption(this, QStringLiteral("Label4"), QStringLiteral("Label4"), twips_rect(495, 5400, 10095, 1845),
                         {.font = comic(72, true), .centred = true, .text = QColor(192, 0, 192), .wrap = false,
                          .role = tr("winning score")});
    read_as_one();
}

} // namespace quarn::ui
