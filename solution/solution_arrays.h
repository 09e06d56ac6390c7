// build_solution: the six arrays over the time grid and the five maxima.
#pragma once

#include "model/simulation_state.h"

#include <cstddef>

namespace ovrelan {

// A grid larger than this is refused before anything is allocated.
inline constexpr std::size_t max_grid_points = 1'000'000;

// Elements of each array for the index of the last grid point: Nt to the nearest whole number
// (ties to even), plus one. Nt is finite and not above max_grid_points - 1.
std::size_t grid_points(double Nt);

// Redimensions and fills t_grid, Uc_t, I_t, Ur_t, UL_t, W_t for k = 0 ... Nt and sets the
// maxima; leaves k_now at 0. Returns false when some value is not finite.
// The caller (the UI) then redraws the circuit scene: build_scene.
bool build_solution(SimulationState& s);

// The run position as an index into the arrays: k_now, or the last element when a fractional
// Nt has let the run step one past the arrays' end.
std::size_t run_index(const SimulationState& s);

// Frees the arrays.
void release_solution(SimulationState& s);

} // namespace ovrelan
