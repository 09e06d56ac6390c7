#include "solution/closed_form.h"

#include <cmath>

namespace ovrelan {

ResponsePoint response_at(const SimulationScalars& s, Regime r, double tau, double cb, double sb) {
    const double a = s.a;
    const double b = s.b;
    const double g = s.g;
    const double u0 = s.u0;
    const auto eps = static_cast<double>(s.eps);
    switch (r) {
    case Regime::undamped_resonance: {
        const double c = std::cos(tau);
        const double sn = std::sin(tau);
        return {u0 * c - (eps * tau / 2) * sn, (u0 + eps / 2) * sn + (eps * tau / 2) * c};
    }
    case Regime::undamped_dc:
        return {(u0 + eps) * std::cos(tau) - eps, (u0 + eps) * std::sin(tau)};
    case Regime::undamped: {
        const double c = std::cos(tau);
        const double sn = std::sin(tau);
        const double f = eps / (1 - b * b);
        return {u0 * c - f * (cb - c), u0 * sn - f * (b * sb - sn)};
    }
    case Regime::oscillatory: {
        const double e = std::exp(-a * tau);
        const double sg = std::sin(g * tau);
        const double cg = std::cos(g * tau);
        return {e * (s.K1 * sg + s.K2 * cg) + s.Acos * cb + s.Asin * sb,
                e * ((a * s.K1 + g * s.K2) * sg + (a * s.K2 - g * s.K1) * cg) + b * s.Acos * sb -
                    b * s.Asin * cb};
    }
    case Regime::aperiodic: {
        // The slow exponent g - a equals -1/(a + g); this form keeps its digits when a >> 1.
        const double slow = -1 / (a + g);
        const double e_fast = std::exp(-(g + a) * tau);
        const double e_slow = std::exp(slow * tau);
        return {s.K1 * e_fast + s.K2 * e_slow + s.Acos * cb + s.Asin * sb,
                (a + g) * s.K1 * e_fast - slow * s.K2 * e_slow + b * s.Acos * sb - b * s.Asin * cb};
    }
    case Regime::critical: {
        const double e = std::exp(-tau);
        return {e * (s.K1 * tau + s.K2) + s.Acos * cb + s.Asin * sb,
                e * (s.K1 * tau + s.K2 - s.K1) + b * s.Acos * sb - b * s.Asin * cb};
    }
    }
    return {0, 0};
}

double Uc_of_t(const SimulationScalars& s, double tau) {
    return response_at(s, regime(s), tau, std::cos(s.b * tau), std::sin(s.b * tau)).x;
}

double I_of_t(const SimulationScalars& s, double tau) {
    return response_at(s, regime(s), tau, std::cos(s.b * tau), std::sin(s.b * tau)).i;
}

} // namespace ovrelan
