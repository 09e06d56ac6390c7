// Whether a state's numbers are all finite: what every pass must leave, for the tests and the
// fuzzer (which has no GoogleTest).
#pragma once

#include "model/simulation_state.h"

#include <cmath>

namespace ovrelan::testing {

// Every array element and every maximum is a finite number.
inline bool all_finite(const SimulationState& s) {
    const auto finite = [](const auto& v) {
        for (const auto x : v) {
            if (!std::isfinite(x)) {
                return false;
            }
        }
        return true;
    };
    return finite(s.t_grid) && finite(s.Uc_t) && finite(s.I_t) && finite(s.Ur_t) &&
           finite(s.UL_t) && finite(s.W_t) && std::isfinite(s.Uc_max) && std::isfinite(s.I_max) &&
           std::isfinite(s.Ur_max) && std::isfinite(s.UL_max) && std::isfinite(s.W_max);
}

} // namespace ovrelan::testing
