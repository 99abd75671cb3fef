// The winner window, form_winner.
#include "winner_window.h"

#include "look.h"

namespace quarn::ui {

WinnerWindow::WinnerWindow(Quarn& q)
    : AnnouncementWindow(QStringLiteral("form_winner"), QStringLiteral("Winner"), twips_size(11100, 8190),
                         QColor(255, 255, 0)),
      q_(q) {
    add_outline(twips_rect(150, 135, 10815, 7920), 20, QColor(64, 0, 0));

    const QColor red(255, 0, 0), dark_red(128, 0, 0);
    // Each dark copy goes in before its text so that it lies underneath as the shadow.
    add_label(this, QStringLiteral("Label2"), QStringLiteral("The Winner is"), twips_rect(360, 240, 10335, 2055),
              {.font = comic(72, true), .text = dark_red, .wrap = false, .role = QStringLiteral("shadow")});
    add_label(this, QStringLiteral("Label1"), QStringLiteral("The Winner is"), twips_rect(435, 210, 10335, 2055),
              {.font = comic(72, true), .text = red, .wrap = false});

    const QString name_role = QStringLiteral("winner");
    name_ = Caption(add_label(this, QStringLiteral("Label3"), QStringLiteral("Label3"),
                              twips_rect(465, 1920, 10095, 1635),
                              {.font = comic(72, true), .centred = true, .text = QColor(0, 0, 255), .wrap = false,
                               .role = name_role}),
                    name_role);

    add_label(this, QStringLiteral("Label6"), QStringLiteral("With a score of"), twips_rect(750, 3495, 10335, 2055),
              {.font = comic(60, true), .text = dark_red, .wrap = false, .role = QStringLiteral("shadow")});
    add_label(this, QStringLiteral("Label5"), QStringLiteral("With a score of"), twips_rect(825, 3480, 10335, 2055),
              {.font = comic(60, true), .text = red, .wrap = false});

    const QString score_role = QStringLiteral("winning score");
    score_ = Caption(add_label(this, QStringLiteral("Label4"), QStringLiteral("Label4"),
                               twips_rect(495, 5400, 10095, 1845),
                               {.font = comic(72, true), .centred = true, .text = QColor(192, 0, 192), .wrap = false,
                                .role = score_role}),
                     score_role);
}

void WinnerWindow::render() {
    const WinnerModel& m = q_.form_winner;
    name_.show(m.name_caption);
    score_.show(m.score_caption);
    mirror_.render(*this, m, [this] { place_on_screen(*this, 1950, 2535); });
}

} // namespace quarn::ui
