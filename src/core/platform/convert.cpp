// Number <-> text conversions.
#include "convert.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace quarn {

std::string to_text(long long value) { return std::to_string(value); }

std::string to_signed_text(long long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

double text_to_number(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    // Collect the longest prefix that reads as a decimal number.
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        number += text[i++];
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        std::string fraction = ".";
        std::size_t j = i + 1;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) fraction += text[j++];
        if (fraction.size() > 1 || digits) {
            digits = digits || fraction.size() > 1;
            number += fraction;
            i = j;
        }
    }
    if (!digits) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        bool exp_digits = false;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
            exponent += text[j++];
            exp_digits = true;
        }
        if (exp_digits) number += exponent;
    }
    double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value)) value = value < 0 ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    return value;
}

long long round_half_even(double value) {
    constexpr double limit = 9.0e18;
    if (std::isnan(value)) return 0;
    if (value > limit) return static_cast<long long>(limit);
    if (value < -limit) return static_cast<long long>(-limit);
    return static_cast<long long>(std::nearbyint(value)); // default mode: to nearest, ties to even
}

int clamp_int16(long long value) {
    if (value > 32767) return 32767;
    if (value < -32768) return -32768;
    return static_cast<int>(value);
}

int text_to_int16(std::string_view text) { return clamp_int16(round_half_even(text_to_number(text))); }

} // namespace quarn
