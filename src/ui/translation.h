// The program's words in the player's language.
#pragma once
#include "platform/text.h"

#include <QString>

namespace quarn::ui {

// The text as the player reads it: the program's own words in the player's
// language, filled in with what they name.
QString shown(const Text& text);

} // namespace quarn::ui
