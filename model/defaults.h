// Start-up values of the state and the texts start-up writes into the fields.
#pragma once

#include "model/simulation_state.h"

#include <array>
#include <string>

namespace ovrelan {

struct DefaultTexts {
    std::array<std::string, 7> fields; // in the order of Field: L ... Nmax
};

// Puts every start value into the state and returns the texts of the seven fields.
// decimal_separator is the locale's; the fixed formats replace a comma by a point.
DefaultTexts set_defaults(SimulationState& s, char decimal_separator = '.');

} // namespace ovrelan
