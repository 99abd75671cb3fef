// The new high score window, form_new_hiscore.
#include "new_hiscore_window.h"

#include "look.h"

namespace quarn::ui {

NewHiscoreWindow::NewHiscoreWindow(Quarn& q)
    : AnnouncementWindow(QStringLiteral("form_new_hiscore"), QStringLiteral("New high score"),
                         twips_size(10770, 6660), QColor(255, 0, 0)),
      q_(q) {
    add_outline(twips_rect(90, 105, 10605, 6465), 12, QColor(64, 0, 0));

    const QString name_role = QStringLiteral("player");
    name_ = Caption(add_label(this, QStringLiteral("Lbl_name"), QString(), twips_rect(180, 180, 10410, 1395),
                              {.font = comic(48, true), .centred = true, .background = QColor(192, 0, 0),
                               .text = QColor(255, 255, 0), .wrap = false, .role = name_role}),
                    name_role);

    // The black copy goes in first, 45 twips lower, to lie under the text as its shadow.
    // Both stay inside the border, whose inner edges lie at 270 and 10515
    // twips: drawn any wider, the wrapped lines ran over the border and off the
    // window's edge. The shadow has the text's width, so that both wrap alike,
    // and sits 75 twips to its right.
    const QString message =
        QStringLiteral("After 4 rounds you have made it into the High Score Table with a score of:");
    const QFont message_font = comic(36, true);
    add_label(this, QStringLiteral("Label3"), message, twips_rect(405, 1665, 10035, 3165),
              {.font = message_font, .centred = true, .text = Qt::black, .role = QStringLiteral("shadow")});
    add_label(this, QStringLiteral("Label1"), message, twips_rect(330, 1620, 10035, 3165),
              {.font = message_font, .centred = true, .text = QColor(255, 255, 128)});

    const QString score_role = QStringLiteral("score");
    score_ = Caption(add_label(this, QStringLiteral("Lbl_score"), QStringLiteral("0000"),
                               twips_rect(3390, 4500, 4080, 1740),
                               {.font = comic(72, true), .centred = true, .text = QColor(255, 255, 192),
                                .wrap = false, .role = score_role}),
                     score_role);
}

void NewHiscoreWindow::render() {
    const NewHiscoreModel& m = q_.form_new_hiscore;
    name_.show(m.name_caption);
    score_.show(m.score_caption);
    mirror_.render(*this, m, [this] { place_on_screen(*this, 3915, 840); });
}

} // namespace quarn::ui
