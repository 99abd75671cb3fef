// Putting the core's texts into the player's language.
#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quarn::ui {

namespace {
bool in_translation = false;
} // namespace

bool translated_windows() { return in_translation; }

QString shown(const Text& text) {
    if (!text.translated()) return QString::fromStdString(text.words());
    std::vector<std::string> values;
    values.reserve(text.args().size());
    for (const Text& arg : text.args()) values.push_back(shown(arg).toStdString());
    const QString words = QCoreApplication::translate("quarn", text.words().c_str());
    return QString::fromStdString(fill_in(words.toStdString(), values));
}

QString use_desktop_language(QCoreApplication& app) { return use_language(app, QLocale::system()); }

QString catalogue_for(const QLocale& locale) {
    QTranslator catalogue;
    return catalogue.load(locale, QStringLiteral("quarn"), QStringLiteral("_"), QStringLiteral(":/i18n"))
               ? catalogue.language()
               : QString();
}

QString use_language(QCoreApplication& app, const QLocale& desktop) {
    auto* ours = new QTranslator(&app);
    if (!ours->load(desktop, QStringLiteral("quarn"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete ours;
        return {};
    }
    // Qt's catalogues first: the one installed last is asked first.
    auto* qt = new QTranslator(&app);
    if (qt->load(desktop, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(desktop, QStringLiteral("qtbase"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(ours);
    in_translation = true;
    return ours->language();
}

} // namespace quarn::ui
