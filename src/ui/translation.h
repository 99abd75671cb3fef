// The program's words in the player's language.
#pragma once
#include "platform/text.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

namespace quarn::ui {

// The text as the player reads it: the program's own words in the player's
// language, filled in with what they name.
QString shown(const Text& text);

// Puts the windows in the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG, as Qt reads them), a regional variant in its language's catalogue,
// when the program has a catalogue of it; any other language leaves every
// text in English. Qt's own buttons follow in the same language.
void use_desktop_language();
// The same for a given language and region, in place of the one in use.
void use_language(const QLocale& locale);
// The language of the catalogue the windows take for a desktop's language
// and region, or "" when there is none (the windows stay English).
QString catalogue_for(const QLocale& locale);
// Whether the windows speak another language than English.
bool translated_windows();

} // namespace quarn::ui
