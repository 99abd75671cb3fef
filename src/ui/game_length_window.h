// The game length window: a slider in minutes and its reading in hours and
// minutes.
#pragma once
#include "mirror.h"

#include <QWidget>

class QSlider;

namespace quarn::ui {

class GameLengthWindow : public QWidget {
    Q_OBJECT
public:
    GameLengthWindow(Quarn& q, Dispatch& dispatch);
    void render();

    QSlider* slider() const { return slider_; }
    QLabel* hours() const { return hours_.label(); }
    QLabel* minutes() const { return minutes_.label(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Quarn& q_;
    Dispatch& dispatch_;
    WindowMirror mirror_;
    QSlider* slider_ = nullptr;
    Caption hours_, minutes_;
};

} // namespace quarn::ui
