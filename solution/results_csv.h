// The results as a CSV table for a spreadsheet: a header row, then one row per computed grid
// point with the time in seconds, the normalised time and every quantity the circuit has, in SI
// units.
#pragma once

#include "model/simulation_state.h"

#include <string>
#include <vector>

namespace ovrelan {

enum class CsvDialect {
    comma_point,     // "t_s,tau,Uc_V,...": a point as the decimal separator
    semicolon_comma, // "t_s;tau;Uc_V;...": a decimal comma, as a Russian spreadsheet opens it
};

struct CsvColumn {
    const char* name; // "Uc_V"
    double (*value)(const SimulationState&, std::size_t k);
};

// The columns of this circuit: t_s, tau, then Uc_V (with a capacitor), UL_V (with a coil), Ur_V
// (with a resistor), I_A and W_J.
std::vector<CsvColumn> results_columns(const SimulationState& s);

// The number of computed grid points: 0 ... floor(Nt).
std::size_t computed_points(const SimulationState& s);

// The whole table; every number in its shortest form that reads back exactly.
std::string results_csv(const SimulationState& s, CsvDialect dialect);

// One number as the table writes it.
std::string csv_number(double v, CsvDialect dialect);

} // namespace ovrelan
