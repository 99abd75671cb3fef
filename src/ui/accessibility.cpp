// The program's accessible roles, the cells' focus, and the announcer.
#include "accessibility.h"

#include "board_cursor.h"

#include <QAccessibleWidget>
#include <QVariant>

namespace quarn::ui {

namespace {

// The dynamic property that holds a role given by set_accessible_role.
constexpr char role_property[] = "quarnAccessibleRole";

// A cell of the board as screen readers meet it: a plain part of the board
// (no role word is read with it) that has the focus while the board's
// cursor stands on it. Its name says all there is to hear of it.
class CellInterface : public QAccessibleWidget {
public:
    explicit CellInterface(CellLabel* cell) : QAccessibleWidget(cell, QAccessible::Client) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        state.focused = static_cast<const CellLabel*>(widget())->has_cursor();
        return state;
    }
};

QAccessibleInterface* make_interface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (auto* cell = qobject_cast<CellLabel*>(widget)) return new CellInterface(cell);
    const QVariant role = widget->property(role_property);
    if (role.isValid()) return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    return nullptr;
}

} // namespace

// The next question about the widget makes a new object, with the role the
// widget has by then.
void renew_accessible(QWidget* widget) {
    if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

void install_accessible_roles() { QAccessible::installFactory(make_interface); }

void set_accessible_role(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(role_property, static_cast<int>(role));
    renew_accessible(widget);
}

void give_accessible_focus(QWidget* widget) {
    QAccessibleEvent event(widget, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void refocus_accessibly(QWidget* widget) {
    renew_accessible(widget);
    give_accessible_focus(widget);
}

// Hidden for good: a notification shown with its window would be read out,
// empty, each time the window appears.
Announcer::Announcer(QWidget* window) : QObject(window) {
    for (QWidget*& voice : voices_) {
        voice = new QWidget(window);
        voice->setObjectName(QStringLiteral("announcer"));
        voice->setFocusPolicy(Qt::NoFocus);
        voice->hide();
        set_accessible_role(voice, QAccessible::Notification);
    }
}

void Announcer::say(const QString& text) {
    QWidget* voice = voices_[next_];
    next_ = (next_ + 1) % voices_.size();
    voice->setAccessibleName(text);
    QAccessibleEvent event(voice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
    emit said(text);
}

} // namespace quarn::ui
