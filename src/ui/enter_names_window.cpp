// The player names window, form_enter_names.
#include "enter_names_window.h"

#include "look.h"
#include "shell/setup_windows.h"

#include <QCloseEvent>
#include <QLineEdit>

namespace quarn::ui {

EnterNamesWindow::EnterNamesWindow(Quarn& q, Dispatch& dispatch) : ModelWindow(q, dispatch) {
    setObjectName(QStringLiteral("form_enter_names"));
    setWindowTitle(tr("Enter names"));
    setFixedSize(twips_size(5325, 5880));

    add_label(this, QStringLiteral("Label2"),
              tr("Pick the colour that you want by clicking on the coloured box and entering your name"),
              twips_rect(120, 240, 4935, 855), {.font = comic(12), .centred = true});

    struct Seat {
        int top, height;
        QColor background, text;
        const char* colour;
    };
    // The third seat's dark blue takes light text, the colour of an active
    // window's border.
    static const Seat seats[seat_count] = {{1320, 735, qcolor(colours::red), Qt::black, QT_TR_NOOP("red")},
                                           {2160, 735, qcolor(colours::green), Qt::black, QT_TR_NOOP("green")},
                                           {3000, 690, qcolor(colours::dark_blue), QColor(180, 180, 180), QT_TR_NOOP("blue")},
                                           {3840, 690, qcolor(colours::yellow), Qt::black, QT_TR_NOOP("yellow")}};
    for (int i = 0; i < seat_count; ++i) {
        const Seat& seat = seats[i];
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("names_%1").arg(i));
        box->setGeometry(twips_rect(0, seat.top, 5055, seat.height));
        box->setFont(comic(20.25));
        QPalette p = box->palette();
        p.setColor(QPalette::Base, seat.background);
        p.setColor(QPalette::Text, seat.text);
        box->setPalette(p);
        box->setAccessibleName(tr("name of player %1, %2").arg(i + 1).arg(tr(seat.colour)));
        boxes_[static_cast<std::size_t>(i)] = box;
        // Every edit the player makes recounts the players; the model's own
        // changes come back through render and are not edits.
        connect(box, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            dispatch_([i, name = text.toStdString()](Quarn& q) {
                names_changed(q.state, q.form_enter_names, i, name);
            });
        });
        // Return takes the player on to the next name, and after the last
        // one presses Exit.
        connect(box, &QLineEdit::returnPressed, this, [this, i] {
            if (i + 1 < seat_count)
                boxes_[static_cast<std::size_t>(i + 1)]->setFocus(Qt::TabFocusReason);
            else
                exit_->click();
        });
    }

    exit_ = add_button(this, QStringLiteral("Command1"), tr("Exit"), twips_rect(120, 4680, 4935, 1080),
                       {.font = comic(48)});
    connect(exit_, &QPushButton::clicked, this, [this] { close_window(); });
}

void EnterNamesWindow::render() {
    const EnterNamesModel& m = q_.form_enter_names;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        // Compared with the box itself: resetting unchanged text would throw
        // the player's cursor to the end.
        const QString name = qs(m.names[i]);
        if (boxes_[i]->text() != name) boxes_[i]->setText(name);
    }
    mirror_.render(*this, m);
}

void EnterNamesWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // the close button answers like Exit
    close_window();
}

void EnterNamesWindow::close_window() {
    dispatch_([](Quarn& q) { names_exit(q.form_enter_names, q.form_options); });
}

} // namespace quarn::ui
