// The About box: version and description.
#pragma once
#include "mirror.h"

#include <QDialog>

namespace quarn::ui {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(Quarn& q, Dispatch& dispatch);
    void render();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Esc: the OK button is also the cancel button.
    void reject() override;

private:
    Quarn& q_;
    Dispatch& dispatch_;
    WindowMirror mirror_;
};

} // namespace quarn::ui
