// calc_characteristics: guards, configuration, characteristics, response constants, scales and
// time grid. The solution arrays are built from them by the chain (chain/recompute).
#pragma once

#include "model/constants.h"
#include "model/parameter_fields.h"
#include "model/simulation_state.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovrelan {

inline constexpr std::string_view warning_title = "Предупреждение";
inline constexpr std::string_view refused_text =
    "Расчёт с такими значениями невозможен! Значение не принято.";

// A grid larger than this is refused before anything is allocated.
inline constexpr std::size_t max_grid_points = 1'000'000;

// "Слишком много точек расчёта (1 906 561)! При этих значениях Nmax не больше 20. Значение не
// принято.": the points the grid would need and the largest interval that fits at the other
// values (rounded down to two significant digits below 100, to a whole number above).
std::string too_many_points_text(const SimulationScalars& s);

// The largest Nmax whose grid fits the point limit at the other values of s.
double largest_fitting_Nmax(const SimulationScalars& s);

// A degenerate combination caught by one of the seven guards: the corrected value is already
// stored in the parameter; the UI shows the message and writes field_text into the field.
struct GuardWarning {
    int number = 0; // 1 ... 7, the order in which the guards are tested
    std::string title;
    std::string text;
    Field field = Field::L;
    double corrected = 0;
    std::string field_text;
};

// A parameter put back to the value of the last completed pass, with the text for its field.
struct RestoredParameter {
    Field field = Field::L;
    double value = 0;
    std::string field_text;
};

// A pass refused because it would give numbers that are not finite or too many grid points.
// The state is exactly that of the last completed pass.
struct Refusal {
    std::string title;
    std::string text;
    std::vector<RestoredParameter> restored;
};

enum class PassKind {
    computed, // characteristics computed (the chain then rebuilds the solution)
    guarded,  // a guard fired: nothing computed; the UI writes the correction into the field
    refused,  // nothing changed but the offending parameter, put back
};

struct PassResult {
    PassKind kind = PassKind::computed;
    std::optional<GuardWarning> guard;
    std::optional<Refusal> refusal;
};

// One pass over the scalars of the state: a guard's correction stored, or the characteristics,
// constants, scales and grid computed, or the pass refused with the scalars put back.
PassResult calc_characteristics(SimulationScalars& s);

// Puts the scalars of the last completed pass (before) back and restores every parameter that
// differs from the ones it accepted, with the texts for their fields.
Refusal refuse_pass(SimulationScalars& s, const SimulationScalars& before, std::string_view text);

// The guard that holds for these parameters, tested in order, without changing anything.
std::optional<GuardWarning> find_guard(const Parameters& p);

} // namespace ovrelan
