// What the program asks of the system: today's date and the month names of
// the system's locale, for the dates of the high-score tables; the clock; and
// where the word packs are installed.
#pragma once
#include "platform/date.h"

#include <cstdint>
#include <filesystem>

namespace quarn::ui {

class SystemDates final : public DateSource {
public:
    Date today() override;
    std::string month_abbreviation(int month) override;
};

// Nanoseconds since the epoch, to seed the random letters and words.
std::uint64_t clock_nanoseconds();

// The folder of installed word packs: QUARN_PACKS when the launcher sets it,
// otherwise where an install puts them beside the program
// (libexec/quarn/quarn -> share/quarn/packs).
std::filesystem::path installed_packs();

} // namespace quarn::ui
