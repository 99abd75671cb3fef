// Colours as the windows use them, named once for the core and the Qt layer
// alike. A cell counts as marked only when its background is exactly white,
// so colours compare by value.
#pragma once
#include <cstdint>

namespace quarn {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    constexpr bool operator==(const Colour&) const = default;
};

namespace colours {
// Colours 15, 7 and 14 of the standard 16-colour palette: the three the
// program sets while it runs.
inline constexpr Colour white{255, 255, 255};
inline constexpr Colour light_grey{192, 192, 192};
inline constexpr Colour yellow{255, 255, 0};

inline constexpr Colour black{0, 0, 0};
inline constexpr Colour grey{128, 128, 128};
inline constexpr Colour red{255, 0, 0};
inline constexpr Colour dark_red{192, 0, 0};
inline constexpr Colour darker_red{128, 0, 0};
inline constexpr Colour darkest_red{64, 0, 0}; // the thick borders of the announcements
inline constexpr Colour green{0, 255, 0};
inline constexpr Colour blue{0, 0, 255};
inline constexpr Colour dark_blue{0, 0, 192};
inline constexpr Colour light_yellow{255, 255, 128};
// The look of a cell, and of a game button, before the first reset paints it.
inline constexpr Colour button_face{240, 240, 240};
// The keyboard's cursor on the board: dark and strong, unlike any cell.
inline constexpr Colour board_cursor = blue;
} // namespace colours

} // namespace quarn
