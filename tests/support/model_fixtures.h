// States the core tests start from.
#pragma once

#include "chain/recompute.h"
#include "model/characteristics.h"
#include "model/defaults.h"
#include "model/simulation_state.h"
#include "support/case_name.h"
#include "support/finite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace ovrelan::testing {

// The state right after start-up: defaults and the first computation.
inline SimulationState started_state() {
    SimulationState s;
    set_defaults(s);
    recompute(s);
    return s;
}

// A circuit with a name, for tables of parameterised tests.
struct NamedCircuit {
    const char* name;
    Parameters p;
};

inline void PrintTo(const NamedCircuit& c, std::ostream* os) {
    *os << c.name;
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
    s.committed = s; // as after a finished edit
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

// Every scalar and every array element equal.
inline void expect_same_state(const SimulationState& a, const SimulationState& b) {
    std::vector<double> va;
    std::vector<double> vb;
    for_each_model_scalar(a, [&](const char*, double v) { va.push_back(v); });
    for_each_model_scalar(b, [&](const char*, double v) { vb.push_back(v); });
    EXPECT_EQ(va, vb);
    EXPECT_EQ(a.accepted, b.accepted);
    EXPECT_EQ(a.t_grid, b.t_grid);
    EXPECT_EQ(a.Uc_t, b.Uc_t);
    EXPECT_EQ(a.I_t, b.I_t);
    EXPECT_EQ(a.Ur_t, b.Ur_t);
    EXPECT_EQ(a.UL_t, b.UL_t);
    EXPECT_EQ(a.W_t, b.W_t);
}

} // namespace ovrelan::testing
