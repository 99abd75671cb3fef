// The game length window, form_enter_game_length.
#include "game_length_window.h"

#include "look.h"
#include "shell/setup_windows.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QSlider>

namespace quarn::ui {

GameLengthWindow::GameLengthWindow(Quarn& q, Dispatch& dispatch) : ModelWindow(q, dispatch) {
    setObjectName(QStringLiteral("form_enter_game_length"));
    setWindowTitle(tr("Enter Length of Game"));
    setFixedSize(twips_size(6960, 4470));

    add_label(this, QStringLiteral("Label4"),
              tr("Enter the duration of the game by moving the slider below.  Click on Exit when the "
                 "desired game length has been selected"),
              twips_rect(240, 240, 6375, 1335),
              {.font = comic(15.75), .centred = true, .text = qcolor(colours::dark_red)});

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("Slider1"));
    slider_->setGeometry(twips_rect(360, 1920, 6015, 615));
    slider_->setRange(GameLengthModel::slider_minimum, GameLengthModel::slider_maximum);
    slider_->setSingleStep(1);
    slider_->setPageStep(2);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval(5);
    slider_->setValue(q_.form_enter_game_length.slider_value);
    slider_->setAccessibleName(tr("game length in minutes"));
    connect(slider_, &QSlider::valueChanged, this,
            [this](int minutes) { dispatch_([minutes](Quarn& q) { slider_moved(q.form_enter_game_length, minutes); }); });

    const LabelLook boxed{.font = comic(15.75), .centred = true, .framed = true};
    add_label(this, QStringLiteral("Label1"), tr("Game Length"), twips_rect(480, 2760, 2175, 495), boxed);
    LabelLook hours = boxed;
    hours.role = tr("hours");
    hours_ = add_caption(this, QStringLiteral("Label2"), QString(), twips_rect(2880, 2760, 495, 495), hours);
    add_label(this, QStringLiteral("Label5"), tr("hours"), twips_rect(3360, 2760, 855, 495), boxed);
    LabelLook minutes = boxed;
    minutes.role = tr("minutes");
    minutes_ = add_caption(this, QStringLiteral("Label3"), QString(), twips_rect(4440, 2760, 735, 495), minutes);
    add_label(this, QStringLiteral("Label6"), tr("minutes"), twips_rect(5160, 2760, 1215, 495), boxed);

    exit_ = add_button(this, QStringLiteral("Command1"), tr("Exit"), twips_rect(1560, 3600, 3735, 735),
                       {.font = comic(27.75)});
    connect(exit_, &QPushButton::clicked, this, [this] { close_window(); });
}

void GameLengthWindow::render() {
    const GameLengthModel& m = q_.form_enter_game_length;
    if (slider_->value() != m.slider_value) {
        const QSignalBlocker quiet(slider_); // the model moved it, not the player
        slider_->setValue(m.slider_value);
    }
    hours_.show(m.hours);
    minutes_.show(m.minutes);
    mirror_.render(*this, m);
}

void GameLengthWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // the close button answers like Exit
    close_window();
}

// Return on the slider presses Exit: the length is chosen.
void GameLengthWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        exit_->click();
    else
        QWidget::keyPressEvent(event);
}

void GameLengthWindow::close_window() {
    dispatch_([](Quarn& q) { game_length_exit(q.state, q.form_enter_game_length, q.form_options); });
}

} // namespace quarn::ui
