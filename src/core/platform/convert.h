// Number <-> text conversions used for captions and for reading files.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace quarn {

// Plain form: digits with a minus sign when negative, no blanks.
std::string to_text(long long value);
// Signed form: like the plain form, but a non-negative number gets one
// leading blank where the sign would stand (" 1").
std::string to_signed_text(long long value);

// The leading decimal number of a text, blanks before it skipped; 0 when the
// text does not begin with a number. Accepts a sign, digits, a decimal point
// and an exponent ("12abc" -> 12, " -3.5" -> -3.5, "x1" -> 0).
double text_to_number(std::string_view text);

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
long long round_half_even(double value);

// Holds a value within the 16-bit range that scores are stored in.
int clamp_int16(long long value);

// text_to_number, rounded half to even and held within -32768..32767: how a
// score caption is read back.
int text_to_int16(std::string_view text);

} // namespace quarn
