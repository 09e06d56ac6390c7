// The colours the windows share, as RGB triples (0-255 each).
#pragma once

#include <cstdint>

namespace ovrelan {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour as one 32-bit integer, red in the lowest byte.
constexpr std::int32_t rgb_long(Rgb c) {
    return static_cast<std::int32_t>(c.r) | (static_cast<std::int32_t>(c.g) << 8) |
           (static_cast<std::int32_t>(c.b) << 16);
}

// A toolkit colour from an Rgb: to<QColor>(wire_grey).
template <class Colour> Colour to(Rgb c) {
    return Colour(c.r, c.g, c.b);
}

inline constexpr Rgb window_background{224, 224, 224}; // windows, labels, frames
inline constexpr Rgb field_yellow{255, 255, 192};      // parameter fields
inline constexpr Rgb pending_pink{255, 205, 195};      // a field whose text the model does not hold
inline constexpr Rgb white{255, 255, 255};             // pictures and plots
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb wire_grey{128, 128, 128};     // wires, leads, coil turns, bare plates
inline constexpr Rgb carrier_yellow{235, 253, 74}; // charge carriers
inline constexpr Rgb positive_red{255, 0, 0};      // positive plate, battery pole
inline constexpr Rgb negative_blue{0, 0, 255};     // negative plate, battery pole
inline constexpr Rgb electric_green{0, 255, 20};   // field lines of the capacitor
inline constexpr Rgb magnetic_dark_red{130, 0, 0}; // field loops of the coil
inline constexpr Rgb grid_green{128, 255, 128};    // graph grid
inline constexpr Rgb curve_red{255, 0, 0};         // graph curves
inline constexpr Rgb preview_red{255, 185, 185};   // the whole curve before a run

// The contrast ratio of two colours as the web's accessibility guidelines define it (1 ... 21).
double contrast_ratio(Rgb a, Rgb b);

// The palest tint of a colour (mixed with the background) that keeps at least this contrast
// against the background, never more than half way: the part of a curve still to come, beside
// its full colour.
Rgb preview_tint(Rgb colour, Rgb background = white, double contrast = 3.0);

} // namespace ovrelan
