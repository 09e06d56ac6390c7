// build_solution: the six arrays over the time grid and the five maxima.
#pragma once

#include "model/simulation_state.h"

#include <cstddef>

namespace ovrelan {

// Elements of each array for the index of the last grid point: Nt to the nearest whole number
// (ties to even), plus one. Nt is finite and not above max_grid_points - 1.
std::size_t grid_points(double Nt);

// Which grid points a pass computed, and where a run stands on them: the one rule everything
// that reads the arrays goes by. The loop of a pass runs for the whole k <= Nt, so a fractional
// Nt (R-C and R-L with a fractional Nmax) computes floor(Nt) + 1 points, and the arrays, which
// have grid_points(Nt) elements, may end with one element that no pass wrote.

// floor(Nt) + 1, or 0 while there are no arrays.
std::size_t computed_points(const SimulationState& s);
// The index of the last computed point; the arrays exist.
std::size_t last_computed_index(const SimulationState& s);
// The run position at which a run ends: it plays k_now while k_now < Nt, so ceil(Nt).
int run_end(const SimulationScalars& s);

// Redimensions and fills t_grid, Uc_t, I_t, Ur_t, UL_t, W_t for k = 0 ... Nt and sets the
// maxima; leaves k_now at 0. Returns false when some value is not finite, or would not be once
// turned into SI units (times its scale).
// The caller (the UI) then redraws the circuit scene: build_scene.
bool build_solution(SimulationState& s);

// The run position as an index into the arrays: k_now, or the last computed point when a
// fractional Nt has let the run step one past it.
std::size_t run_index(const SimulationState& s);

// Frees the arrays.
void release_solution(SimulationState& s);

} // namespace ovrelan
