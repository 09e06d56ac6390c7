#include "geometry/colours.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

namespace {

double channel(std::uint8_t c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double luminance(Rgb c) {
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

std::uint8_t towards(std::uint8_t c, std::uint8_t to, double amount) {
    return static_cast<std::uint8_t>(std::lround(c + (to - c) * amount));
}

} // namespace

double contrast_ratio(Rgb a, Rgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb preview_tint(Rgb colour, Rgb background, double contrast) {
    Rgb best = colour;
    for (int step = 1; step <= 50; ++step) {
        const double amount = step / 100.0;
        const Rgb tint{towards(colour.r, background.r, amount),
                       towards(colour.g, background.g, amount),
                       towards(colour.b, background.b, amount)};
        if (contrast_ratio(tint, background) < contrast) {
            break;
        }
        best = tint;
    }
    return best;
}

} // namespace ovrelan
