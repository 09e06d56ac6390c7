// Start-up values of the state and the texts start-up writes into the fields.
#pragma once

#include "model/simulation_state.h"

#include <array>
#include <string>

namespace ovrelan {

struct DefaultTexts {
    std::array<std::string, 7> fields; // Text1 ... Text7
    std::string label31;               // carrier_delay
    std::string label32;               // calc_speedup
};

// Puts every start value into the state and returns the texts of the fields and speed labels.
// decimal_separator is the locale's; the fixed formats replace a comma by a point.
DefaultTexts set_defaults(SimulationState& s, char decimal_separator = '.');

} // namespace ovrelan
