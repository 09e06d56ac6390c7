// A fit of the circuit to a measured trace (solution/fit.h) as the fit dialog shows it: each value
// with its standard error in the fields' units, and what «Принять» writes into the fields — R, L
// and C as the fit determined them (the others kept, see fitted_parameters), Uo from the trace's
// amplitude and ε = 0, for the trace is a free discharge.
#pragma once

#include "model/measured_quantity.h"
#include "model/simulation_state.h"
#include "solution/fit.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ovrelan {

struct FitRow {
    std::string name;  // «δ», «ω₀», «R», «амплитуда»
    std::string value; // «50,02 1/с», «2001 мкГн»
    std::string error; // «± 0,31 1/с», «задано» for a value held fixed
};

// The fitted values (δ, ω₀, the key's closing, then R, L, C, T, Θ, Q as known), then the trace's
// amplitude and offset; R, L and C in the fields' units (Ом, мкГн, мкФ).
std::vector<FitRow> fit_rows(const FitResult& result, char decimal_separator);

// «Остаток (СКО): 49,8 мВ на 2000 точках; итераций: 7»
std::string fit_residual_text(const FitResult& result, char decimal_separator);

struct AcceptedFit {
    Parameters values;                // what the fields will hold
    std::array<std::string, 7> texts; // the seven fields' texts: L, C, R, Uo, Em, nu, Nmax
    std::string description; // «L = 2001 мкГн, C = 5000 мкФ, R = 0,2003 Ом, …»
};

// What «Принять» writes: the fields L, C, R, Uo and ε with four significant digits, ν and Nmax as
// they are (`present_texts`). Nothing when the fit failed or its amplitude gives no Uo.
std::optional<AcceptedFit> accepted_fit(const FitResult& result, const Parameters& present,
                                        const std::array<std::string, 7>& present_texts,
                                        char decimal_separator);

// A value as a field takes it: four significant digits, a decimal point ("2001", "0.2003").
std::string fitted_field_text(double typed);

} // namespace ovrelan
