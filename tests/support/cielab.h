// Colour differences as a person sees them, for the tests' oracles: sRGB to CIELAB (D65), the
// difference ΔE*ab (CIE 1976), what viewers without one kind of cone see (Machado, Oliveira and
// Fernandes 2009, full severity) and the contrast ratio of the web's accessibility guidelines.
#pragma once

#include <array>
#include <cmath>

namespace ovrelan::testing {

struct Lab {
    double L = 0, a = 0, b = 0;
};

using LinearRgb = std::array<double, 3>;

// An sRGB channel (0 ... 255) in linear light.
inline double linear_channel(double c) {
    const double v = c / 255;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

inline LinearRgb linear_rgb(int r, int g, int b) {
    return {linear_channel(r), linear_channel(g), linear_channel(b)};
}

inline Lab lab(const LinearRgb& c) {
    const double X = 0.4124564 * c[0] + 0.3575761 * c[1] + 0.1804375 * c[2];
    const double Y = 0.2126729 * c[0] + 0.7151522 * c[1] + 0.0721750 * c[2];
    const double Z = 0.0193339 * c[0] + 0.1191920 * c[1] + 0.9503041 * c[2];
    const auto f = [](double t) {
        constexpr double d = 6.0 / 29;
        return t > d * d * d ? std::cbrt(t) : t / (3 * d * d) + 4.0 / 29;
    };
    const double fx = f(X / 0.95047);
    const double fy = f(Y / 1.0);
    const double fz = f(Z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

inline double delta_e(const Lab& p, const Lab& q) {
    return std::hypot(p.L - q.L, p.a - q.a, p.b - q.b);
}

enum class Dichromacy { protanopia, deuteranopia, tritanopia };

// What a dichromat sees of a colour, in linear light, clipped to the screen's range.
inline LinearRgb as_seen_with(Dichromacy d, const LinearRgb& c) {
    using M = std::array<std::array<double, 3>, 3>;
    static constexpr M protan{{{0.152286, 1.052583, -0.204868},
                               {0.114503, 0.786281, 0.099216},
                               {-0.003882, -0.048116, 1.051998}}};
    static constexpr M deutan{{{0.367322, 0.860646, -0.227968},
                               {0.280085, 0.672501, 0.047413},
                               {-0.011820, 0.042940, 0.968881}}};
    static constexpr M tritan{{{1.255528, -0.076749, -0.178779},
                               {-0.078411, 0.930809, 0.147602},
                               {0.004733, 0.691367, 0.303900}}};
    const M& m = d == Dichromacy::protanopia     ? protan
                 : d == Dichromacy::deuteranopia ? deutan
                                                 : tritan;
    LinearRgb out{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double v = m[i][0] * c[0] + m[i][1] * c[1] + m[i][2] * c[2];
        out[i] = std::fmin(1.0, std::fmax(0.0, v));
    }
    return out;
}

// The contrast ratio (1 ... 21) of two colours given in linear light.
inline double contrast(const LinearRgb& p, const LinearRgb& q) {
    const auto Y = [](const LinearRgb& c) { return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]; };
    const double a = Y(p);
    const double b = Y(q);
    return (std::fmax(a, b) + 0.05) / (std::fmin(a, b) + 0.05);
}

} // namespace ovrelan::testing
