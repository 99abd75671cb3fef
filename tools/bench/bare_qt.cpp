// The least a Qt widget program can be: one window with one label, shown,
// then the event loop. The desktop benchmark starts it exactly as it starts
// Quarn, so its start-up time and peak memory are the floor for Quarn's.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Quarn"));
    window.setWindowTitle(QStringLiteral("Quarn"));
    window.show();
    return app.exec();
}
