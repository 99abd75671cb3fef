// The checking window, form_checking_words.
#include "checking_words_window.h"

#include "look.h"

namespace quarn::ui {

CheckingWordsWindow::CheckingWordsWindow(Quarn& q)
    : AnnouncementWindow(QStringLiteral("form_checking_words"), QStringLiteral("Checking"), twips_size(3390, 945),
                         QColor(255, 0, 0)),
      q_(q) {
    add_label(this, QStringLiteral("Label1"), QStringLiteral("Checking words"), twips_rect(120, 120, 3135, 735),
              {.font = comic(20.25), .centred = true, .framed = true, .background = QColor(255, 0, 0),
               .text = QColor(255, 255, 128), .wrap = false});
}

void CheckingWordsWindow::render() {
    mirror_.render(*this, q_.form_checking_words, [this] { centre_on_screen(*this); });
}

} // namespace quarn::ui
