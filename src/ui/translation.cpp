// Putting the core's texts into the player's language.
#include "translation.h"

#include <QCoreApplication>

namespace quarn::ui {

QString shown(const Text& text) {
    if (!text.translated()) return QString::fromStdString(text.words());
    std::vector<std::string> values;
    values.reserve(text.args().size());
    for (const Text& arg : text.args()) values.push_back(shown(arg).toStdString());
    const QString words = QCoreApplication::translate("quarn", text.words().c_str());
    return QString::fromStdString(fill_in(words.toStdString(), values));
}

} // namespace quarn::ui
