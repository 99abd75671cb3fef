// The shared frame of the borderless announcements.
#include "announcement_window.h"

#include "look.h"

#include <QCloseEvent>
#include <QFrame>

namespace quarn::ui {

AnnouncementWindow::AnnouncementWindow(const QString& name, const QString& title, QSize client,
                                       const QColor& background) {
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
    outline->setAccessibleName(QStringLiteral("border"));
    return outline;
}

} // namespace quarn::ui
