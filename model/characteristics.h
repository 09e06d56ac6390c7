// calc_characteristics: guards, configuration, characteristics, response constants, scales and
// time grid, then the solution arrays.
#pragma once

#include "model/constants.h"
#include "model/parameter_fields.h"
#include "model/simulation_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovrelan {

inline constexpr std::string_view warning_title = "Предупреждение";
inline constexpr std::string_view refused_text =
    "Расчёт с такими значениями невозможен! Значение не принято.";

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
// The state, arrays and maxima are exactly those of the last completed pass.
struct Refusal {
    std::string title;
    std::string text;
    std::vector<RestoredParameter> restored;
};

enum class PassKind {
    computed, // characteristics and solution rebuilt; the UI redraws the scene
    guarded,  // a guard fired: nothing computed; the UI writes the correction into the field
    refused,  // nothing changed but the offending parameter, put back
};

struct PassResult {
    PassKind kind = PassKind::computed;
    std::optional<GuardWarning> guard;
    std::optional<Refusal> refusal;
};

// One pass of the recompute chain over the state.
PassResult calc_characteristics(SimulationState& s);

// The guard that holds for these parameters, tested in order, without changing anything.
std::optional<GuardWarning> find_guard(const Parameters& p);

} // namespace ovrelan
