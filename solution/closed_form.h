// The exact response of the circuit with both L and C, in normalised units:
// x'' + 2a x' + x = -eps cos(b tau), x(0) = u0, x'(0) = 0, i = -x'.
#pragma once

#include "model/circuit_kind.h"
#include "model/simulation_state.h"

namespace ovrelan {

// Normalised capacitor voltage x(tau).
double Uc_of_t(const SimulationScalars& s, double tau);

// Normalised current i(tau) = -x'(tau).
double I_of_t(const SimulationScalars& s, double tau);

struct ResponsePoint {
    double x;
    double i;
};

// Both values at once, given cos(b*tau) and sin(b*tau): the same numbers as Uc_of_t and I_of_t,
// with the shared sines, cosines and exponentials evaluated once.
ResponsePoint response_at(const SimulationScalars& s, Regime r, double tau, double cb, double sb);

} // namespace ovrelan
