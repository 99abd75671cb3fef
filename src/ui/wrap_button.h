// A push button whose caption wraps onto several lines when it is wider than
// the button, as the big captions of the play window and the menus need.
#pragma once
#include <QPushButton>

namespace quarn::ui {

class WrapButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrapButton(const QString& text, QWidget* parent = nullptr) : QPushButton(text, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quarn::ui
