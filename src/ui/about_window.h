// The About box: version and description.
#pragma once
#include "mirror.h"

#include <QDialog>

namespace quarn::ui {

class AboutWindow : public QDialog, public ModelWindow {
    Q_OBJECT
public:
    AboutWindow(Quarn& q, Dispatch& dispatch);
    void render() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Esc: the OK button is also the cancel button.
    void reject() override;

private:
    void ok();
};

} // namespace quarn::ui
