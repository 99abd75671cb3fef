// The player names window: one coloured box per seat.
#pragma once
#include "mirror.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;

namespace quarn::ui {

class EnterNamesWindow : public QWidget, public ModelWindow {
    Q_OBJECT
public:
    EnterNamesWindow(Quarn& q, Dispatch& dispatch);
    void render() override;

    QLineEdit* name_box(int seat) const { return boxes_[static_cast<std::size_t>(seat)]; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Exit: hide the window and bring the menu back.
    void close_window();

private:
    std::array<QLineEdit*, seat_count> boxes_{};
    QPushButton* exit_ = nullptr;
};

} // namespace quarn::ui
