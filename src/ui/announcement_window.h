// What the borderless announcements share ("Checking words", a new high score,
// the winner): no frame, a coloured client area, a thick outline, and closing
// is not theirs to decide — the core hides them.
#pragma once
#include "mirror.h"
#include "scores/score_windows.h"

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QWidget>

class QFrame;

namespace quarn::ui {

class AnnouncementWindow : public QWidget, public ModelWindow {
    Q_OBJECT
public:
    AnnouncementWindow(Quarn& q, Dispatch& dispatch, const QString& name, const QString& title, QSize client,
                       const QColor& background);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A rectangle outline of the given width in pixels, drawn inside where.
    QFrame* add_outline(const QRect& where, int width, const QColor& colour);
};

// An announcement that names a player and a score, at its own place on the
// screen, given in twips from the screen's top-left corner. It comes and goes
// on its own timer without taking the keyboard, and screen readers read it
// whole as it shows: the sentence, marked for translation, with the
// player's caption for %1 and the score for %2.
class PlayerAnnouncementWindow : public AnnouncementWindow {
    Q_OBJECT
public:
    PlayerAnnouncementWindow(Quarn& q, Dispatch& dispatch, const Announcement& model, const QString& name,
                             const QString& title, QSize client, const QColor& background, QPoint place_twips,
                             const char* sentence);
    void render() override;

protected:
    // Built by each window; render writes the model's captions into them.
    Caption name_, score_;

    // Built: its labels, which the sentence already says, are not read again.
    void read_as_one();

private:
    const Announcement& model_;
    QPoint place_;
    const char* sentence_;
};

// "Checking words": up while the dictionary is searched.
class CheckingWordsWindow : public AnnouncementWindow {
    Q_OBJECT
public:
    CheckingWordsWindow(Quarn& q, Dispatch& dispatch);
    void render() override;
};

// The announcement of a new entry in the high-score table.
class NewHiscoreWindow : public PlayerAnnouncementWindow {
    Q_OBJECT
public:
    NewHiscoreWindow(Quarn& q, Dispatch& dispatch);
};

// The winner announcement at the end of a game that ran out of time.
class WinnerWindow : public PlayerAnnouncementWindow {
    Q_OBJECT
public:
    WinnerWindow(Quarn& q, Dispatch& dispatch);
};

} // namespace quarn::ui
