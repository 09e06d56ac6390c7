#include "model/steady_state.h"

#include "model/translation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace ovrelan {

namespace {

constexpr double pi = std::numbers::pi; // the physics here is compared with the exact π
// 2π as the sum of two doubles: the second holds what the first rounds away.
constexpr double two_pi_hi = 2 * std::numbers::pi;
constexpr double two_pi_lo = 2.4492935982947064e-16;

// Without a resistor, ω²LC within this of 1 is the resonance itself as far as the numbers can
// tell: L, C and ν each carry a rounding of 2⁻⁵³ from their texts, and ω²LC − 1 moves by twice
// ν's and once each of L's and C's, 2⁻⁵¹ in all; 2⁻⁵⁰ leaves room for the rounding of ν0.
const double resonance_tolerance = std::ldexp(1.0, -50);

// x = m·2^e with 0.5 ≤ m < 1 (m = 0 for x = 0): products and quotients of mantissas stay near
// 1, and the exponents add up as integers, so nothing overflows on the way.
struct Split {
    double m = 0;
    int e = 0;
};

Split split(double x) {
    Split s;
    s.m = std::frexp(x, &s.e);
    return s;
}

// ω = 2π·ν = (hi + lo)·2^e with hi + lo in [π, 2π), good to about 1e-32.
struct Omega {
    double hi = 0, lo = 0;
    int e = 0;
};

Omega omega_of(double nu) {
    const Split n = split(nu);
    Omega w;
    w.hi = two_pi_hi * n.m;
    w.lo = std::fma(two_pi_hi, n.m, -w.hi) + two_pi_lo * n.m;
    w.e = n.e;
    return w;
}

// ω²LC − 1 while ω²LC lies between 1/16 and 16, where X_L − X_C would cancel; nothing outside,
// where one reactance is at least sixteen times the other. Each product is carried in two
// doubles (the second the rounding error of the first, by fma), so that near the resonance the
// result is good to about 1e-31 rather than to 1e-16.
std::optional<double> detuning(const Omega& w, double L, double C) {
    const Split l = split(L);
    const Split c = split(C);
    const int e = 2 * w.e + l.e + c.e;
    const double s_hi = w.hi * w.hi;
    const double s_lo = std::fma(w.hi, w.hi, -s_hi) + 2 * w.hi * w.lo;
    const double p_hi = l.m * c.m;
    const double p_lo = std::fma(l.m, c.m, -p_hi);
    const double t_hi = s_hi * p_hi;
    const double t_lo = std::fma(s_hi, p_hi, -t_hi) + (s_hi * p_lo + s_lo * p_hi);
    const double u2 = std::ldexp(t_hi, e);
    if (!(u2 >= 1.0 / 16 && u2 <= 16)) {
        return std::nullopt;
    }
    return (u2 - 1) + std::ldexp(t_lo, e); // u2 − 1 is exact from 1/2 to 2
}

} // namespace

// The quotient, then one Newton step on ω²LC = 1 with the exact detuning.
double natural_frequency(double L, double C) {
    const Split l = split(L);
    const Split c = split(C);
    double m = l.m * c.m;
    int e = l.e + c.e;
    if (e % 2 != 0) {
        m *= 2;
        e -= 1;
    }
    double nu0 = std::ldexp(1 / (two_pi_hi * std::sqrt(m)), -e / 2);
    if (nu0 > 0 && std::isfinite(nu0)) {
        if (const auto q = detuning(omega_of(nu0), L, C)) {
            nu0 -= nu0 * *q / 2; // (1 + q)^(-1/2) = 1 − q/2 + …
        }
    }
    return nu0;
}

namespace {

// A constant source: the capacitor takes the whole EMF; without one the resistor does.
SteadyState constant_source(const Parameters& p) {
    SteadyState s;
    const double amplitude = std::fabs(p.Em);
    if (p.C > 0) {
        s.X_C = std::numeric_limits<double>::infinity();
        s.Z = s.X_C;
        s.phi = -pi / 2;
        s.U_Cm = amplitude;
    } else if (p.R > 0) {
        s.Z = p.R;
        s.I_m = amplitude / p.R;
        s.U_Rm = amplitude;
    } else {
        s.unbounded = true;
        s.I_m = amplitude > 0 ? std::numeric_limits<double>::infinity() : 0;
    }
    return s;
}

} // namespace

SteadyState steady_state_at(const Parameters& p, double nu) {
    nu = std::fabs(nu);
    if (nu == 0) {
        return constant_source(p);
    }
    const bool has_L = p.L > 0;
    const bool has_C = p.C > 0;
    const bool has_R = p.R > 0;
    const Omega w = omega_of(nu);
    const Split l = split(p.L);
    const Split c = split(p.C);
    // X_L = xl_m·2^xl_e and X_C = xc_m·2^xc_e.
    const double xl_m = w.hi * l.m;
    const int xl_e = w.e + l.e;
    const double xc_m = 1 / (w.hi * c.m);
    const int xc_e = -w.e - c.e;
    SteadyState s;
    s.omega = std::ldexp(w.hi, w.e);
    s.X_L = has_L ? std::ldexp(xl_m, xl_e) : 0;
    s.X_C = has_C ? std::ldexp(xc_m, xc_e) : 0;

    // X = X_L − X_C as x_m·2^x_e.
    double x_m = 0;
    int x_e = 0;
    if (has_L && has_C) {
        x_e = std::max(xl_e, xc_e);
        const double XL = std::ldexp(xl_m, xl_e - x_e);
        const double XC = std::ldexp(xc_m, xc_e - x_e);
        x_m = XL - XC;
        if (const auto q = detuning(w, p.L, p.C)) {
            x_m = XC * *q;
            if (!has_R && std::fabs(*q) <= resonance_tolerance) {
                x_m = 0;
            }
        }
    } else if (has_L) {
        x_m = xl_m;
        x_e = xl_e;
    } else if (has_C) {
        x_m = -xc_m;
        x_e = xc_e;
    }
    const double amplitude = std::fabs(p.Em);
    if (x_m == 0 && !has_R) {
        s.unbounded = true;
        const double no_bound = amplitude > 0 ? std::numeric_limits<double>::infinity() : 0;
        s.I_m = no_bound;
        s.U_Lm = has_L ? no_bound : 0;
        s.U_Cm = has_C ? no_bound : 0;
        return s;
    }
    const Split x = split(x_m);
    const Split r = split(p.R);
    const int x_exp = x.e + x_e;
    // R and X scaled by 2^-k so that the larger is between 1/2 and 1: 1/2 ≤ Z·2^-k < 1.5.
    const int k = x_m == 0 ? r.e : !has_R ? x_exp : std::max(r.e, x_exp);
    const double R_k = has_R ? std::ldexp(r.m, r.e - k) : 0;
    const double X_k = x_m != 0 ? std::ldexp(x.m, x_exp - k) : 0;
    const double Z_k = std::hypot(R_k, X_k);
    s.Z = std::ldexp(Z_k, k);
    s.phi = std::atan2(X_k, R_k);
    // Em·(a/Z) for a = m·2^e: the mantissas first, the power of two last.
    const Split em = split(amplitude);
    const auto over_Z = [&](double m, int e) { return std::ldexp(em.m * m / Z_k, em.e + e - k); };
    s.I_m = over_Z(1, 0);
    s.U_Rm = has_R ? over_Z(r.m, r.e) : 0;
    s.U_Lm = has_L ? over_Z(xl_m, xl_e) : 0;
    s.U_Cm = has_C ? over_Z(xc_m, xc_e) : 0;
    return s;
}

std::optional<SteadyState> steady_state(const Parameters& p) {
    if (!(std::fabs(p.nu) > 0)) {
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
        c.reason = translated("Pictures",
                              "Без катушки и конденсатора ток не зависит от частоты: Im = ε/R");
        return c;
    }
    if (p.Em == 0) {
        c.reason = translated("Pictures", "Нет источника (ε = 0): вынужденных колебаний нет");
        return c;
    }
    const double source = std::fabs(p.nu);
    const Split r = split(p.R);
    const Split l = split(p.L);
    const Split cap = split(p.C);
    // The circuit's own frequency: the resonance, or the corner of R-C or R-L.
    double centre = 0;
    if (c.has_L && c.has_C) {
        c.nu0 = natural_frequency(p.L, p.C);
        centre = c.nu0;
        c.unbounded = !(p.R > 0);
        // h = δ/2π = R/(4πL) = h_m·2^h_e, half the band's width.
        const double h_m = r.m / (2 * two_pi_hi * l.m);
        const int h_e = r.e - l.e;
        const Split n0 = split(c.nu0);
        // U_Cm peaks at √(ν0² − 2h²) while 2h² < ν0²; x = h/ν0, and 1 − 2x² by one rounding.
        const double x = std::ldexp(h_m / n0.m, h_e - n0.e);
        if (2 * x * x < 1) {
            c.nu_C = c.nu0 * std::sqrt(std::fma(-2 * x, x, 1));
        }
        if (!c.unbounded) {
            c.width = std::ldexp(2 * h_m, h_e);
            c.Q = std::ldexp(n0.m / (2 * h_m), n0.e - h_e);
            // I_m = I_max/√2 where |X_L − X_C| = R: ν± = √(h² + ν0²) ± h, the lower one as
            // ν0²/(√(h² + ν0²) + h), which cancels nothing; h and ν0 scaled by the larger's
            // power of two, so that no square overflows.
            const int k = std::max(h_e, n0.e);
            const double a = std::ldexp(h_m, h_e - k);
            const double b = std::ldexp(n0.m, n0.e - k);
            const double root = std::hypot(a, b);
            c.band_high = std::ldexp(root + a, k);
            c.band_low = c.nu0 * (b / (root + a));
        }
    } else if (p.R > 0) {
        centre = c.has_C ? std::ldexp(1 / (two_pi_hi * r.m * cap.m), -r.e - cap.e)
                         : std::ldexp(r.m / (two_pi_hi * l.m), r.e - l.e);
    } else {
        centre = source > 0 ? source : 50; // a coil or a capacitor alone: no frequency of its own
    }
    // Every frequency of the curve is a finite positive number, however far the circuit's own
    // lies.
    const double lowest = std::numeric_limits<double>::min();
    const double highest = std::numeric_limits<double>::max();
    double from = centre / 20;
    double to = centre * 20;
    if (source > 0) {
        from = std::min(from, source / 2);
        to = std::max(to, source * 2);
    }
    from = std::clamp(from, lowest, highest);
    to = std::clamp(to, from, highest);
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
    for (const double marked : {c.nu0, c.nu_C, c.band_low, c.band_high, source}) {
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
