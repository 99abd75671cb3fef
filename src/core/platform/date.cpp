// The date text of the high-score tables.
#include "date.h"

namespace quarn {

std::string english_month_abbreviation(int month) {
    static const std::array<const char*, 12> names{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (month < 1 || month > 12) return "???";
    return names[static_cast<std::size_t>(month - 1)];
}

std::string date_text(DateSource& dates) {
    Date d = dates.today();
    std::string year = std::to_string(d.year);
    while (year.size() < 4) year.insert(year.begin(), '0');
    return dates.month_abbreviation(d.month) + "," + std::to_string(d.day) + "," + year;
}

} // namespace quarn
