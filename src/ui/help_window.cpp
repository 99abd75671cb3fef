// The instructions window, form_help, and the user guide it shows.
#include "help_window.h"

#include "look.h"
#include "shell/setup_windows.h"

#include <QCloseEvent>
#include <QFile>
#include <QTextBrowser>

// The resource initialiser of a static library must be named from the global
// namespace, or the linker drops the guide.
static void init_guide_resource() { Q_INIT_RESOURCE(guide); }

namespace quarn::ui {

QString user_guide() {
    init_guide_resource();
    QFile file(QStringLiteral(":/text/user_guide.html"));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

HelpWindow::HelpWindow(Quarn& q, Dispatch& dispatch) : q_(q), dispatch_(dispatch) {
    setObjectName(QStringLiteral("form_help"));
    setWindowTitle(QStringLiteral("Instructions"));
    setFixedSize(twips_size(10740, 9090));

    guide_ = new QTextBrowser(this);
    guide_->setObjectName(QStringLiteral("RichTextBox1"));
    guide_->setGeometry(twips_rect(120, 120, 10395, 8250));
    guide_->setReadOnly(true);
    guide_->setOpenLinks(false);
    guide_->setHtml(user_guide());
    guide_->setAccessibleName(QStringLiteral("user guide"));

    auto* ok = add_button(this, QStringLiteral("button_ok"), QStringLiteral("OK"), twips_rect(9060, 8565, 1410, 510),
                          {.font = arial(8.25)});
    connect(ok, &QPushButton::clicked, this, [this] { dispatch_(help_ok); });
}

void HelpWindow::render() { mirror_.render(*this, q_.form_help); }

void HelpWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // the close button answers like OK
    dispatch_(help_ok);
}

} // namespace quarn::ui
