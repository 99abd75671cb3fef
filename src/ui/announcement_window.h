// What the borderless announcements share ("Checking words", a new high score,
// the winner): no frame, a coloured client area, a thick outline, and closing
// is not theirs to decide — the core hides them.
#pragma once
#include <QColor>
#include <QSize>
#include <QWidget>

class QFrame;

namespace quarn::ui {

class AnnouncementWindow : public QWidget {
    Q_OBJECT
public:
    AnnouncementWindow(const QString& name, const QString& title, QSize client, const QColor& background);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A rectangle outline of the given width in pixels, drawn inside where.
    QFrame* add_outline(const QRect& where, int width, const QColor& colour);
};

} // namespace quarn::ui
