// What screen readers are told beyond what each widget says of itself. The
// readers on this desktop follow the accessible focus and speak a window
// whose role says "read me whole" as it opens; a label whose name changes
// they pass over, and Qt 6.4 has no call that announces a text. So the
// program speaks through what they do follow: the cell under the board's
// cursor takes the accessible focus, the windows that tell the players
// something are alerts and notifications, and short news goes out through a
// notification of its own.
#pragma once
#include <QAccessible>
#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>

namespace quarn::ui {

// Makes the program's own accessible roles. Done before the first widget is
// built; doing it again changes nothing.
void install_accessible_roles();

// The role screen readers know the widget by, in place of the one its class
// gives it.
void set_accessible_role(QWidget* widget, QAccessible::Role role);

// Screen readers say the widget as the one that has the focus, while the
// keyboard stays where it is.
void give_accessible_focus(QWidget* widget);

// Gives the widget a new accessible object. A reader that holds the old one
// as its focus is not told of changes to it: it would speak them as
// questions about an object, and fail.
void renew_accessible(QWidget* widget);

// Says the widget again as the one with the focus. A reader speaks a focus
// only when it moves to a new object, so the widget gets a new one first.
void refocus_accessibly(QWidget* widget);

// Says short news ("Ann's turn", "Time Up !") without moving the focus,
// through hidden widgets that screen readers know as notifications and read
// out each time one tells them that it shows. A reader asks for the words
// only when it gets round to the news, so each of the last few keeps its own
// until then.
class Announcer : public QObject {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);
    void say(const QString& text);

signals:
    void said(const QString& text);

private:
    std::array<QWidget*, 4> voices_{};
    std::size_t next_ = 0;
};

} // namespace quarn::ui
