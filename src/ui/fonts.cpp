// Bundled Comic Neue and the family substitutions.
#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>

namespace quarn::ui {

void load_fonts() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;

    for (const char* file : {":/fonts/ComicNeue-Regular.otf", ":/fonts/ComicNeue-Bold.otf",
                             ":/fonts/ComicNeue-Italic.otf", ":/fonts/ComicNeue-BoldItalic.otf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));

    // Substitutes are only consulted when the named family is missing, so a
    // machine that has the originals still draws with them.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

} // namespace quarn::ui
