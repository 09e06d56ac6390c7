// A family's tables for a spreadsheet: the curves of every member in one table, and their
// resonance curves in another.
//
// A member's columns are named by the quantity and the member's value: "Uc_V[R=0.5]". Where every
// member has the same grid (the same times, or the same frequencies), the table has one argument
// column ("t_s", "nu_Hz") and then, quantity by quantity, one column per member:
//   t_s,Uc_V[R=0.5],Uc_V[R=1.265],EL_V[R=0.5],EL_V[R=1.265],...
// Where the grids differ (a family of L, C or ν changes the time scale and the grid, and each
// resonance curve has its own band), each member has its own argument column, then its
// quantities:
//   t_s[C=1000],Uc_V[C=1000],...,t_s[C=5000],Uc_V[C=5000],...
// and a member with fewer rows than the longest leaves its cells empty below its last. Nothing is
// resampled: every number is one the member computed, in its shortest form that reads back.
#pragma once

#include "chain/family.h"
#include "io/results_csv.h"

#include <cstddef>
#include <string>

namespace ovrelan {

// The members' results in SI units, as «Сохранить результаты…» writes one circuit: Uc_V (with a
// capacitor), EL_V (with a coil), Ur_V (with a resistor), I_A and W_J, one row per computed point.
bool write_family_csv(const Family& family, CsvDialect dialect, const CsvSink& sink);
std::string family_csv(const Family& family, CsvDialect dialect);

// The members' resonance curves (model/steady_state.h, `count` frequencies each): Im_A, UCm_V,
// ULm_V and phi_deg over nu_Hz, a row left out where a value is not finite, as for one circuit.
// A member without a curve has its columns and no rows.
bool write_family_resonance_csv(const Family& family, CsvDialect dialect, const CsvSink& sink,
                                std::size_t count = 2000);

} // namespace ovrelan
