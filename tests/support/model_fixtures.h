// States the core tests start from.
#pragma once

#include "model/characteristics.h"
#include "model/defaults.h"
#include "model/recompute.h"
#include "model/simulation_state.h"

#include <cmath>
#include <vector>

namespace ovrelan::testing {

// The state right after start-up: defaults, one pass, ready.
inline SimulationState started_state() {
    SimulationState s;
    set_defaults(s);
    calc_characteristics(s);
    s.ready_flag = true;
    return s;
}

// The guards that fired in a chain, in order.
inline std::vector<int> guard_numbers(const ChainResult& r) {
    std::vector<int> numbers;
    for (const Notice& n : r.notices) {
        if (n.cause == NoticeCause::guard) {
            numbers.push_back(n.guard);
        }
    }
    return numbers;
}

// The started state with these parameters, settled.
inline SimulationState circuit(const Parameters& p) {
    SimulationState s = started_state();
    static_cast<Parameters&>(s) = p;
    recompute(s);
    return s;
}

// A frequency that makes b = w/wo exactly 1 for L = C = 1 (wo = 1).
inline double resonant_nu() {
    double nu = 1 / 6.283185307;
    for (int i = 0; i < 64 && 6.283185307 * nu != 1.0; ++i) {
        nu = std::nextafter(nu, 6.283185307 * nu < 1.0 ? 1.0 : 0.0);
    }
    return nu;
}

// Default parameters with a few changed.
inline Parameters defaults() {
    return Parameters{0.002, 0.005, 0.02, 15, 5, 47, 40};
}

} // namespace ovrelan::testing
