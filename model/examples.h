// Ready-made circuits for a lesson: the seven field texts of each, and what the panel shows for
// it.
#pragma once

#include "model/circuit_kind.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace ovrelan {

struct Example {
    std::string_view name;                 // the menu item (translated in context "Examples")
    std::array<std::string_view, 7> texts; // as typed into L, C, R, Uo, Em, nu, Nmax
    Configuration configuration;
    std::optional<Regime> regime; // for a circuit with both L and C
};

// Weak damping (the start-up circuit), the critical and the aperiodic regime, resonance,
// beats, a capacitor charging, the current setting up in a coil, a circuit without losses.
const std::vector<Example>& examples();

} // namespace ovrelan
