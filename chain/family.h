// A family of curves: the present circuit solved again for each of a few values of one
// parameter. Each value goes through exactly what typing it into its field does (the field's
// check, the guards, the recompute chain), on a copy of the present circuit; a value the model
// would refuse or correct is left out and named with the program's reason, never dropped
// silently. Each member is a whole solve with its own grid and arrays, never resampled.
#pragma once

#include "chain/recompute.h"
#include "model/simulation_state.h"
#include "model/sweep_values.h"

#include <string>
#include <string_view>
#include <vector>

namespace ovrelan {

struct FamilyMember {
    SweepValue value;
    SweepMark mark = SweepMark::none;
    std::string label; // the legend's: «R = 1,265 Ом (Rк)»
    std::string key;   // the CSV header's: "R=1.265"
    SimulationState state;
};

// A value left out of the family, and why.
struct RefusedMember {
    std::string named; // «R = −1 Ом», or the item as written when it is no number: «abc»
    std::string reason; // the program's message: «не может быть отрицательным! …»
    // «R = −1 Ом: не может быть отрицательным! Не вводите заново, а исправьте!»
    std::string shown() const { return named + ": " + reason; }
};

struct Family {
    Field parameter = Field::R;
    std::vector<FamilyMember> members;  // in the order the values were given
    std::vector<RefusedMember> refused; // in the order the values were given
    std::string error; // why no family could be made at all (then both lists are empty)
};

// What typing `text` into `field` of the present circuit makes of it: a copy of its scalars (its
// arrays are not copied), the edit finished, the chain run. The same notices and the same
// numbers as enter_text on the present state.
struct MemberSolve {
    SimulationState state;
    ChainResult chain;
};
MemberSolve solve_member(const SimulationState& present, Field field, std::string_view text);

// The family of the present circuit over these values. A value that brings any notice (a field
// check, a guard's correction, a refusal), or that the parameter already holds in an earlier
// member, is refused. Labels have the fewest digits (four at least) that tell the members apart,
// with `decimal_separator` (the panel's); the keys use a point.
Family build_family(const SimulationState& present, Field parameter, const SweepValues& values,
                    char decimal_separator = ',');
// The values read from a list or a range (model/sweep_values.h) for the present circuit.
Family build_family(const SimulationState& present, Field parameter, std::string_view text,
                    char decimal_separator = ',');

} // namespace ovrelan
