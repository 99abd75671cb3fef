// The system date and clock.
#include "system_dates.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <chrono>

namespace quarn::ui {

Date SystemDates::today() {
    const QDate now = QDate::currentDate();
    return Date{now.year(), now.month(), now.day()};
}

std::string SystemDates::month_abbreviation(int month) {
    const QString name = QLocale::system().monthName(month, QLocale::ShortFormat);
    return name.isEmpty() ? english_month_abbreviation(month) : name.toStdString();
}

std::uint64_t clock_nanoseconds() {
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count());
}

std::filesystem::path installed_packs() {
    const QByteArray given = qgetenv("QUARN_PACKS");
    if (!given.isEmpty()) return std::filesystem::path(given.toStdString());
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ".." / ".." / "share" /
           "quarn" / "packs";
}

} // namespace quarn::ui
