// Configuration of the circuit and regime of the R-L-C circuit. Never stored: derived from the
// state with exact tests every time they are needed.
#pragma once

#include "model/simulation_state.h"

#include <string_view>

namespace ovrelan {

enum class Configuration { r_only, l_only, c_only, rc, rl, rlc };

// Which elements the circuit has, tested in this order (no guard holds any more):
// L = C = 0; C = R = nu = 0; L = R = 0; L = 0; C = 0; otherwise R-L-C.
Configuration configuration(const Parameters& p);

enum class Regime {
    undamped_resonance, // a = 0 and b = 1
    undamped_dc,        // a = 0 and b = 0
    undamped,           // a = 0
    oscillatory,        // 0 < a < 1
    aperiodic,          // a > 1
    critical,           // a = 1
};

// Regime of the circuit with both L and C, from a and b in this order, the first match wins.
Regime regime(double a, double b);
inline Regime regime(const SimulationScalars& s) {
    return regime(s.a, s.b);
}

std::string_view configuration_name(Configuration c); // "R", "L", "C", "RC", "RL", "RLC"
std::string_view regime_name(Regime r);               // "oscillatory", ...

} // namespace ovrelan
