#include "solution/closed_form.h"

#include <cmath>

namespace ovrelan {

Rates rates_of(const SimulationScalars& s, Regime r) {
    switch (r) {
    case Regime::undamped_resonance:
    case Regime::undamped_dc:
        return {.turn1 = 1};
    case Regime::undamped:
        // The natural and the source's turning as their half sum and half difference: the
        // response near resonance is then formed without cancelling digits.
        return {.turn1 = (s.b + 1) / 2, .turn2 = (s.b - 1) / 2};
    case Regime::oscillatory:
        return {.turn1 = s.g, .turn2 = s.b, .decay1 = s.a};
    case Regime::aperiodic:
        // The slow exponent g - a equals -1/(a + g); this form keeps its digits when a >> 1.
        return {.turn2 = s.b, .decay2 = 1 / (s.a + s.g), .spread = 2 * s.g};
    case Regime::critical:
        return {.turn2 = s.b, .decay1 = 1};
    }
    return {};
}

Phases phases_at(const Rates& rates, double tau) {
    return {std::cos(rates.turn1 * tau),    std::sin(rates.turn1 * tau),
            std::cos(rates.turn2 * tau),    std::sin(rates.turn2 * tau),
            std::exp(-rates.decay1 * tau),  std::exp(-rates.decay2 * tau),
            std::expm1(-rates.spread * tau)};
}

namespace {

ResponsePoint response_at(const SimulationScalars& s, double tau) {
    const Regime r = regime(s);
    return response(s, r, tau, phases_at(rates_of(s, r), tau));
}

} // namespace

double Uc_of_t(const SimulationScalars& s, double tau) {
    return response_at(s, tau).x;
}

double I_of_t(const SimulationScalars& s, double tau) {
    return response_at(s, tau).i;
}

} // namespace ovrelan
