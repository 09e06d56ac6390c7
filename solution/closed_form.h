// The exact response of the circuit with both L and C, in normalised units:
// x'' + 2a x' + x = -eps cos(b tau), x(0) = u0, x'(0) = 0, i = -x'.
#pragma once

#include "model/circuit_kind.h"
#include "model/simulation_state.h"

#include <type_traits>

namespace ovrelan {

// Normalised capacitor voltage x(tau).
double Uc_of_t(const SimulationScalars& s, double tau);

// Normalised current i(tau) = -x'(tau).
double I_of_t(const SimulationScalars& s, double tau);

// What a response is made of at one instant: the cosine and sine of two turning phases, up to
// two decaying exponentials and a spread, cos(turn·tau), sin(turn·tau), exp(-decay·tau) and
// expm1(-spread·tau). Which rates a regime uses is rates_of's business; an unused rate is 0
// (cos 1, sin 0, exp 1, expm1 0).
struct Rates {
    double turn1 = 0;
    double turn2 = 0;
    double decay1 = 0;
    double decay2 = 0;
    double spread = 0;
};

struct Phases {
    double c1 = 1, s1 = 0;
    double c2 = 1, s2 = 0;
    double e1 = 1, e2 = 1;
    double m = 0;
};

Rates rates_of(const SimulationScalars& s, Regime r);

// The phases at tau straight from the library functions.
Phases phases_at(const Rates& rates, double tau);

struct ResponsePoint {
    double x;
    double i;
    double source; // cos(b·tau): the EMF's phase, for the coil's voltage
};

// The response at tau from its phases there (as rates_of(s, r) defines them), for one regime.
// Inline and chosen at compile time: the solution arrays evaluate it a million times in a row.
template <Regime R>
inline ResponsePoint response(const SimulationScalars& s, double tau, const Phases& p) {
    const double a = s.a;
    const double b = s.b;
    const double g = s.g;
    const double u0 = s.u0;
    const auto eps = static_cast<double>(s.eps);
    if constexpr (R == Regime::undamped_resonance) {
        const double c = p.c1;
        const double sn = p.s1;
        return {u0 * c - (eps * tau / 2) * sn, (u0 + eps / 2) * sn + (eps * tau / 2) * c, c};
    } else if constexpr (R == Regime::undamped_dc) {
        return {(u0 + eps) * p.c1 - eps, (u0 + eps) * p.s1, 1};
    } else if constexpr (R == Regime::undamped) {
        // With h = (b + 1)/2 and d = (b - 1)/2: tau = h·tau - d·tau and b·tau = h·tau + d·tau,
        // and the forced part eps/(1 - b²)·(cos b·tau - cos tau) = -eps·sin(h·tau)·sin(d·tau)/(2hd)
        // keeps its digits however close b is to 1.
        const double h = (b + 1) / 2;
        const double d = (b - 1) / 2;
        const double ch = p.c1, sh = p.s1, cd = p.c2, sd = p.s2;
        const double c = ch * cd + sh * sd;
        const double sn = sh * cd - ch * sd;
        const double sd_by_d = sd / d;
        return {u0 * c - eps * sh * sd_by_d / (2 * h),
                u0 * sn + (eps / 2) * (ch * sd_by_d + sh * cd / h), ch * cd - sh * sd};
    } else if constexpr (R == Regime::oscillatory) {
        const double e = p.e1;
        const double sg = p.s1, cg = p.c1, cb = p.c2, sb = p.s2;
        return {e * (s.K1 * sg + s.K2 * cg) + s.Acos * cb + s.Asin * sb,
                e * ((a * s.K1 + g * s.K2) * sg + (a * s.K2 - g * s.K1) * cg) + b * s.Acos * sb -
                    b * s.Asin * cb,
                cb};
    } else if constexpr (R == Regime::aperiodic) {
        // The free motion as e^(-a·tau)·(A·cosh(g·tau) + B·sinh(g·tau)/g), the oscillatory form
        // with hyperbolic functions, from the slow exponential e^(-(a - g)·tau) and
        // m = expm1(-2g·tau): no two large terms cancel however close a is to 1 (K1 and K2 of
        // the two exponentials grow as 1/g there), and nothing overflows however large a is.
        const double e = p.e2;
        const double ch = e * (2 + p.m) / 2;  // e^(-a·tau)·cosh(g·tau)
        const double sh = e * -p.m / (2 * g); // e^(-a·tau)·sinh(g·tau)/g
        const double free = u0 - s.Acos;
        const double cb = p.c2, sb = p.s2;
        return {free * ch + (a * free - b * s.Asin) * sh + s.Acos * cb + s.Asin * sb,
                b * s.Asin * ch + (free - a * b * s.Asin) * sh + b * s.Acos * sb - b * s.Asin * cb,
                cb};
    } else {
        static_assert(R == Regime::critical);
        const double e = p.e1;
        const double cb = p.c2, sb = p.s2;
        return {e * (s.K1 * tau + s.K2) + s.Acos * cb + s.Asin * sb,
                e * (s.K1 * tau + s.K2 - s.K1) + b * s.Acos * sb - b * s.Asin * cb, cb};
    }
}

// Calls f(std::integral_constant<Regime, r>{}): code that runs per point chooses its regime once.
template <class F> decltype(auto) with_regime(Regime r, F&& f) {
    switch (r) {
    case Regime::undamped_resonance:
        return f(std::integral_constant<Regime, Regime::undamped_resonance>{});
    case Regime::undamped_dc:
        return f(std::integral_constant<Regime, Regime::undamped_dc>{});
    case Regime::undamped:
        return f(std::integral_constant<Regime, Regime::undamped>{});
    case Regime::oscillatory:
        return f(std::integral_constant<Regime, Regime::oscillatory>{});
    case Regime::aperiodic:
        return f(std::integral_constant<Regime, Regime::aperiodic>{});
    case Regime::critical:
        break;
    }
    return f(std::integral_constant<Regime, Regime::critical>{});
}

inline ResponsePoint response(const SimulationScalars& s, Regime r, double tau, const Phases& p) {
    return with_regime(r,
                       [&](auto regime) { return response<decltype(regime)::value>(s, tau, p); });
}

} // namespace ovrelan
