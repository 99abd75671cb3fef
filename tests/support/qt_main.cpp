// The main of the suites that need a QApplication: offscreen, in the style
// and with the fonts the program uses.
#include "fonts.h"
#include "translation.h"

#include <QApplication>
#include <QStyleFactory>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Test discovery runs the suites without the test environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // As in the program: hiding the last window must not end the boxes' loops.
    QApplication::setQuitOnLastWindowClosed(false);
    quarn::ui::load_fonts();
    // In the language of the desktop the suites run on, as the program does:
    // English, unless a run asks for another (LANGUAGE=de).
    quarn::ui::use_desktop_language();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
