// Today's date and the month names of the system's locale, for the dates of
// the high-score tables.
#pragma once
#include "platform/date.h"

#include <cstdint>

namespace quarn::ui {

class SystemDates final : public DateSource {
public:
    Date today() override;
    std::string month_abbreviation(int month) override;
};

// Nanoseconds since the epoch, to seed the random letters and words.
std::uint64_t clock_nanoseconds();

} // namespace quarn::ui
