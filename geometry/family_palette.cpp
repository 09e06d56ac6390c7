#include "geometry/family_palette.h"

namespace ovrelan {

namespace {

constexpr std::array<double, 2> dashed{6, 3};
constexpr std::array<double, 2> dotted{1, 3};
constexpr std::array<double, 4> dash_dot{8, 3, 1, 3};
constexpr std::array<double, 2> long_dashed{12, 4};
constexpr std::array<double, 2> short_dashed{3, 3};
constexpr std::array<double, 6> dash_dot_dot{8, 3, 1, 3, 1, 3};
constexpr std::array<double, 4> long_short{12, 3, 4, 3};

const std::array<std::span<const double>, family_palette_size> patterns{{
    {},
    dashed,
    dotted,
    dash_dot,
    long_dashed,
    short_dashed,
    dash_dot_dot,
    long_short,
}};

} // namespace

std::span<const double> family_dashes(std::size_t member) {
    return patterns[member % family_palette_size];
}

Rgb family_colour(std::size_t member) {
    return family_colours[member % family_palette_size];
}

Rgb family_colour(const Palette& palette, std::size_t member) {
    return palette.family[member % family_palette_size];
}

ResonanceColours resonance_colours(bool beside_family, const Palette& palette) {
    if (beside_family) {
        return {palette.curve, palette.beside_family, palette.curve};
    }
    return palette.resonance;
}

} // namespace ovrelan
