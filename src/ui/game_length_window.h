// The game length window: a slider in minutes and its reading in hours and
// minutes.
#pragma once
#include "mirror.h"

#include <QWidget>

class QPushButton;
class QSlider;

namespace quarn::ui {

class GameLengthWindow : public QWidget, public ModelWindow {
    Q_OBJECT
public:
    GameLengthWindow(Quarn& q, Dispatch& dispatch);
    void render() override;

    QSlider* slider() const { return slider_; }
    QLabel* hours() const { return hours_.label(); }
    QLabel* minutes() const { return minutes_.label(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Exit: the length of the last tick becomes the game clock.
    void close_window();

    QSlider* slider_ = nullptr;
    QPushButton* exit_ = nullptr;
    Caption hours_, minutes_;
};

} // namespace quarn::ui
