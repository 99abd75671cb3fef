// The widget test fixture.
#include "ui_fixture.h"

namespace quarn::ui::testing {

UiTest::UiTest() {
    q = std::make_unique<Quarn>(Services{pump, random, dates, folder.path});
    windows = std::make_unique<Windows>(*q, pump);
}

UiTest::~UiTest() {
    windows.reset();
    q.reset();
}

void UiTest::click(QWidget* widget, Qt::MouseButton button) {
    const QPointF local = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

} // namespace quarn::ui::testing
