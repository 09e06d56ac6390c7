// ovrelan-solve --fit: a measured file read as the program reads it, the circuit fitted to it,
// and the result as JSON. A library, so tests can run it without a process.
//
// The JSON object:
//   "ok"            true, or false when the fit gave nothing ("reason" says why)
//   "reason"        why there is no fit, in Russian (only when "ok" is false)
//   "file"          the file's name
//   "notes"         what the reading assumed («единица значений не указана: считаются вольты»)
//   "traces"        per fitted column: "column" (counted from 1 as the file's columns),
//                   "name", "quantity" (Uc, I, Ur, EL), "points", "amplitude" and "offset"
//                   (value, error, unit) and "rms" (the root mean square residual, V or A)
//   "fixed"         the values given with --fix, in the fields' units (L µH, C µF, R Ω)
//   "regime"        oscillatory, critical or aperiodic, of the fitted δ and ω₀
//   "values"        "delta" (1/с), "omega0" (рад/с), "shift" (с: the key's closing on the
//                   file's clock), then as determined "R" (Ом), "L" (Гн), "C" (Ф) and, for a
//                   swing, "T" (с), "theta" and "Q" (as the panel defines them); each with
//                   "value", "error" (the standard error, 0 for a value given), "unit",
//                   "fixed", and for R, L and C "field": value and error in the field's unit
//   "chi2_per_dof"  the weighted sum of squares per degree of freedom
//   "points", "parameters", "iterations", "stop"
#pragma once

#include "model/simulation_state.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ovrelan {

struct FitCommand {
    std::string path;
    std::vector<std::size_t> columns;    // 1-based, as the file's columns count; none: guessed
    std::vector<std::string> quantities; // "Uc", "I", "Ur", "EL" for the columns in turn
    std::vector<std::string> fixes;      // "C=5000": R in Ω, L in µH, C in µF
    std::optional<Parameters> circuit;   // a circuit to start from (the fields given)
};

// The exit statuses of ovrelan-solve --fit besides 0 (a fit) and 1 (an output lost).
inline constexpr int exit_fit_usage = 2;   // a --column, --quantity or --fix that cannot be
inline constexpr int exit_fit_refused = 3; // the file cannot be read: the line and the column
inline constexpr int exit_fit_failed = 4;  // the fit does not converge or is undetermined

struct FitCommandResult {
    int status = 0;
    std::string out; // the JSON, when there is one
    std::string err; // the message for standard error, without the program's name
};

FitCommandResult run_fit_command(const FitCommand& command);

} // namespace ovrelan
