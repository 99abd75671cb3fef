// Quarn: builds the core and its windows and starts on the main menu.
#include "shell/quarn.h"
#include "fonts.h"
#include "look.h"
#include "mirror.h"
#include "qt_event_pump.h"
#include "shell/main_menu.h"
#include "system_dates.h"
#include "translation.h"
#include "windows.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include <filesystem>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarn"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quarn.Quarn")); // the desktop entry: app id on Wayland
    QApplication::setWindowIcon(QIcon(quarn::ui::bundled_picture(QStringLiteral("quarn-48.png"))));
    // One style everywhere, so that the coloured button faces show on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The program ends only through File > Exit or the menu's close button.
    QApplication::setQuitOnLastWindowClosed(false);
    quarn::ui::load_fonts();
    quarn::ui::use_desktop_language();

    quarn::ui::QtEventPump pump;
    quarn::ClockSeededRandom random(quarn::ui::clock_nanoseconds);
    quarn::ui::SystemDates dates;
    std::error_code error;
    std::filesystem::path directory = std::filesystem::current_path(error);
    if (error) directory = ".";

    quarn::Quarn q(quarn::Services{pump, random, dates, directory, quarn::ui::installed_packs()});
    quarn::ui::Windows windows(q, pump);

    quarn::ui::guarded(pump, [&] { quarn::start_up(q); });
    pump.render();
    return app.exec();
}
