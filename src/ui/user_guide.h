// The user guide of the instructions window, in the player's language.
#pragma once
#include <QString>

namespace quarn::ui {

// The guide as a rich-text document.
QString user_guide();

} // namespace quarn::ui
