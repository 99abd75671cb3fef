// Colours as the windows use them. A cell counts as marked only when its
// background is exactly white, so colours compare by value.
#pragma once
#include <cstdint>

namespace quarn {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    constexpr bool operator==(const Colour&) const = default;
};

namespace colours {
inline constexpr Colour black{0, 0, 0};
inline constexpr Colour white{255, 255, 255};      // palette colour 15
inline constexpr Colour light_grey{192, 192, 192}; // palette colour 7
inline constexpr Colour yellow{255, 255, 0};       // palette colour 14
inline constexpr Colour red{255, 0, 0};
// The look of a cell before the first reset paints it.
inline constexpr Colour button_face{240, 240, 240};
} // namespace colours

} // namespace quarn
