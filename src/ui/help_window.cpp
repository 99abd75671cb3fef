// The instructions window, form_help, and the user guide it shows.
#include "help_window.h"

#include "look.h"
#include "user_guide.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTextBrowser>

namespace quarn::ui {

HelpWindow::HelpWindow(Quarn& q, Dispatch& dispatch) : ModelWindow(q, dispatch) {
    setObjectName(QStringLiteral("form_help"));
    setWindowTitle(tr("Instructions"));
    setFixedSize(twips_size(10740, 9090));

    guide_ = new QTextBrowser(this);
    guide_->setObjectName(QStringLiteral("RichTextBox1"));
    guide_->setGeometry(twips_rect(120, 120, 10395, 8250));
    guide_->setReadOnly(true);
    guide_->setOpenLinks(false);
    guide_->setHtml(user_guide());
    guide_->setAccessibleName(tr("user guide"));

    auto* ok = add_button(this, QStringLiteral("button_ok"), tr("OK"), twips_rect(9060, 8565, 1410, 510),
                          {.font = arial(8.25)});
    connect(ok, &QPushButton::clicked, this, [this] { this->ok(); });
}

void HelpWindow::render() { mirror_.render(*this, q_.form_help); }

void HelpWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // the close button answers like OK
    ok();
}

// Esc answers like OK, as it does in the About window: the guide is read
// from the keyboard too.
void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        ok();
    else
        QWidget::keyPressEvent(event);
}

void HelpWindow::ok() {
    dispatch_([](Quarn& q) { q.form_help.hide(); });
}

} // namespace quarn::ui
