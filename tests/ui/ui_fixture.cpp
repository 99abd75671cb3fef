// The widget test fixture and the suite's main, which needs a QApplication.
#include "ui_fixture.h"

#include "fonts.h"

#include <QApplication>
#include <QStyleFactory>

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

int main(int argc, char** argv) {
    // Test discovery runs the suite without the test environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    quarn::ui::load_fonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
