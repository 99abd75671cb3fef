// Putting the core's texts into the player's language.
#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace quarn::ui {

namespace {
// The catalogues in use, the program's own and Qt's; none in English.
std::unique_ptr<QTranslator> ours, qts;
} // namespace

bool translated_windows() { return ours != nullptr; }

QString shown(const Text& text) {
    if (!text.translated()) return QString::fromStdString(text.words());
    std::vector<std::string> values;
    values.reserve(text.args().size());
    for (const Text& arg : text.args()) values.push_back(shown(arg).toStdString());
    const QString words = QCoreApplication::translate("quarn", text.words().c_str());
    return QString::fromStdString(fill_in(words.toStdString(), values));
}

void use_desktop_language() { use_language(QLocale::system()); }

QString catalogue_for(const QLocale& locale) {
    QTranslator catalogue;
    return catalogue.load(locale, QStringLiteral("quarn"), QStringLiteral("_"), QStringLiteral(":/i18n"))
               ? catalogue.language()
               : QString();
}

void use_language(const QLocale& desktop) {
    for (auto* catalogue : {&ours, &qts})
        if (*catalogue) QCoreApplication::removeTranslator(catalogue->get()), catalogue->reset();
    auto found = std::make_unique<QTranslator>();
    if (!found->load(desktop, QStringLiteral("quarn"), QStringLiteral("_"), QStringLiteral(":/i18n"))) return;
    // Qt's catalogues first: the one installed last is asked first.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(desktop, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(desktop, QStringLiteral("qtbase"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(qt.get());
        qts = std::move(qt);
    }
    QCoreApplication::installTranslator(found.get());
    ours = std::move(found);
}

} // namespace quarn::ui
