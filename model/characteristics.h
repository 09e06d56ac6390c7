// calc_characteristics: guards, configuration, characteristics, response constants, scales and
// time grid. The solution arrays are built from them by the chain (chain/recompute).
#pragma once

#include "model/translation.h"

#include "model/constants.h"
#include "model/parameter_fields.h"
#include "model/simulation_state.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovrelan {

inline constexpr std::string_view warning_title =
    OVRELAN_TRANSLATE_NOOP("Messages", "Предупреждение");
inline constexpr std::string_view refused_text = OVRELAN_TRANSLATE_NOOP(
    "Messages", "Расчёт с такими значениями невозможен! Значение не принято.");

// A grid larger than this is refused before anything is allocated.
inline constexpr std::size_t max_grid_points = 1'000'000;

// "Слишком много точек расчёта (1 906 561)! При этих значениях Nmax не больше 20. Значение не
// принято.": the points the grid would need and the largest value of the field that fits at the
// other values (rounded down to two significant digits below 100, to a whole number above), in
// the field's unit. A field the grid does not grow with (or that cannot make it fit) is advised
// about through the interval, Nmax.
std::string too_many_points_text(const SimulationScalars& s, Field field = Field::Nmax);

// The largest value of a field's parameter (in the unit held) whose grid fits the point limit at
// the other values of s; nothing when the grid does not grow with it or no value fits.
std::optional<double> largest_fitting(const SimulationScalars& s, Field field);
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

// A pass refused because it would give numbers that are not finite or too many grid points,
// and the parameters put back.
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
// constants, scales and grid computed, or the pass refused with every scalar as it was before
// (the refused values among the parameters: the chain decides which go back). A refusal for too
// many points advises about the `advice` field.
PassResult calc_characteristics(SimulationScalars& s, Field advice = Field::Nmax);

// Puts back every parameter that differs from `to`, and says which, with the texts for their
// fields.
std::vector<RestoredParameter> restore_parameters(Parameters& s, const Parameters& to);

// The guard that holds for these parameters, tested in order, without changing anything.
std::optional<GuardWarning> find_guard(const Parameters& p);

} // namespace ovrelan
