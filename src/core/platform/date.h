// Today's date and its text in the high-score tables: "mmm,d,yyyy".
#pragma once
#include <array>
#include <string>

namespace quarn {

struct Date {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;
};

class DateSource {
public:
    virtual ~DateSource() = default;
    virtual Date today() = 0;
    // Abbreviated month name of the system locale; month is 1..12.
    virtual std::string month_abbreviation(int month) = 0;
};

// English month names, for tests and as a fallback.
std::string english_month_abbreviation(int month);

// "Jan,5,2004": month abbreviation, day without leading zero, four-digit year.
std::string date_text(DateSource& dates);

} // namespace quarn
