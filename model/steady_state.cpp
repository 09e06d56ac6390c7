#include "model/steady_state.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ovrelan {

namespace {

constexpr double pi = std::numbers::pi; // the physics here is compared with the exact π

} // namespace

SteadyState steady_state_at(const Parameters& p, double nu) {
    SteadyState s;
    s.omega = 2 * pi * nu;
    s.X_L = p.L > 0 ? s.omega * p.L : 0;
    s.X_C = p.C > 0 ? 1 / (s.omega * p.C) : 0;
    const double X = s.X_L - s.X_C;
    s.Z = std::hypot(p.R, X);
    s.I_m = std::fabs(p.Em) / s.Z;
    s.phi = std::atan2(X, p.R);
    s.U_Rm = s.I_m * p.R;
    s.U_Lm = s.I_m * s.X_L;
    s.U_Cm = s.I_m * s.X_C;
    return s;
}

std::optional<SteadyState> steady_state(const Parameters& p) {
    if (!(p.nu > 0)) {
        return std::nullopt;
    }
    return steady_state_at(p, p.nu);
}

namespace {

// Logarithmically spaced from a to b, both included.
std::vector<double> log_grid(double a, double b, std::size_t count) {
    std::vector<double> nu(count);
    const double la = std::log(a);
    const double step =
        (std::log(b) - la) / static_cast<double>(std::max<std::size_t>(count, 2) - 1);
    for (std::size_t i = 0; i < count; ++i) {
        nu[i] = std::exp(la + step * static_cast<double>(i));
    }
    nu.front() = a;
    nu.back() = b;
    return nu;
}

} // namespace

ResonanceCurve resonance_curve(const Parameters& p, std::size_t count) {
    ResonanceCurve c;
    c.has_L = p.L > 0;
    c.has_C = p.C > 0;
    if (!c.has_L && !c.has_C) {
        c.reason = "Без катушки и конденсатора ток не зависит от частоты: Im = ε/R";
        return c;
    }
    if (p.Em == 0) {
        c.reason = "Нет источника (ε = 0): вынужденных колебаний нет";
        return c;
    }
    // The circuit's own frequency: the resonance, or the corner of R-C or R-L.
    double centre = 0;
    if (c.has_L && c.has_C) {
        c.nu0 = 1 / (2 * pi * std::sqrt(p.L * p.C));
        centre = c.nu0;
        const double w0 = 2 * pi * c.nu0;
        const double d = p.R / (2 * p.L);
        if (w0 * w0 > 2 * d * d) {
            c.nu_C = std::sqrt(w0 * w0 - 2 * d * d) / (2 * pi);
        }
        c.unbounded = !(p.R > 0);
        if (!c.unbounded) {
            c.width = p.R / (2 * pi * p.L);
            c.Q = c.nu0 / c.width;
            // I_m = I_max/√2 where |X_L − X_C| = R: ω± = √(δ² + ω0²) ± δ.
            const double root = std::sqrt(d * d + w0 * w0);
            c.band_low = (root - d) / (2 * pi);
            c.band_high = (root + d) / (2 * pi);
        }
    } else if (p.R > 0) {
        centre = c.has_C ? 1 / (2 * pi * p.R * p.C) : p.R / (2 * pi * p.L);
    } else {
        centre = p.nu > 0 ? p.nu : 50; // a coil or a capacitor alone: no frequency of its own
    }
    double from = centre / 20;
    double to = centre * 20;
    if (p.nu > 0) {
        from = std::min(from, p.nu / 2);
        to = std::max(to, p.nu * 2);
    }
    std::vector<double> nu = log_grid(from, to, count);
    // Across a narrow peak: as many points again, spaced evenly over five widths each side.
    if (c.width > 0 && c.width < (to - from) / 50) {
        const std::size_t across = std::max<std::size_t>(count / 4, 50);
        const double a = std::max(from, c.nu0 - 5 * c.width);
        const double b = std::min(to, c.nu0 + 5 * c.width);
        for (std::size_t i = 0; i < across; ++i) {
            nu.push_back(a + (b - a) * static_cast<double>(i) / static_cast<double>(across - 1));
        }
    }
    for (const double marked : {c.nu0, c.nu_C, c.band_low, c.band_high, p.nu}) {
        if (marked > from && marked < to) {
            nu.push_back(marked);
        }
    }
    std::sort(nu.begin(), nu.end());
    nu.erase(std::unique(nu.begin(), nu.end()), nu.end());
    c.points.reserve(nu.size());
    for (const double f : nu) {
        const SteadyState s = steady_state_at(p, f);
        c.points.push_back({f, s.I_m, s.U_Cm, s.U_Lm, s.phi});
        if (std::isfinite(s.I_m)) {
            c.I_peak = std::max(c.I_peak, s.I_m);
        }
    }
    return c;
}

} // namespace ovrelan
