// The turn result window: the points of the turn and the words found.
#pragma once
#include "mirror.h"

#include <QWidget>

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace quarn::ui {

class ShowScoreWindow : public QWidget, public ModelWindow {
    Q_OBJECT
public:
    ShowScoreWindow(Quarn& q, Dispatch& dispatch);
    void render() override;

    QListWidget* found_list() const { return list_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Caption bonus_;
    QListWidget* list_ = nullptr;
    QPushButton* ok_ = nullptr;
    Shown<std::vector<std::string>> words_;
};

} // namespace quarn::ui
