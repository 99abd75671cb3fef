// The instructions window: the user guide.
#pragma once
#include "mirror.h"

#include <QWidget>

class QTextBrowser;

namespace quarn::ui {

class HelpWindow : public QWidget, public ModelWindow {
    Q_OBJECT
public:
    HelpWindow(Quarn& q, Dispatch& dispatch);
    void render() override;

    QTextBrowser* guide() const { return guide_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ok();

    QTextBrowser* guide_ = nullptr;
};

} // namespace quarn::ui
