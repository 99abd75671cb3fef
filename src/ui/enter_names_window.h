// The player names window: one coloured box per seat.
#pragma once
#include "mirror.h"

#include <QWidget>

#include <array>

class QLineEdit;

namespace quarn::ui {

class EnterNamesWindow : public QWidget {
    Q_OBJECT
public:
    EnterNamesWindow(Quarn& q, Dispatch& dispatch);
    void render();

    QLineEdit* name_box(int seat) const { return boxes_[static_cast<std::size_t>(seat)]; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Quarn& q_;
    Dispatch& dispatch_;
    WindowMirror mirror_;
    std::array<QLineEdit*, seat_count> boxes_{};
};

} // namespace quarn::ui
