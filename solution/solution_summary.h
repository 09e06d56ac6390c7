// The summaries of one solution's arrays for drawing them (a min/max pyramid each, and one of
// the source's EMF, which no array holds, made when first asked for), made once when the
// solution is made and shared by
// every graph, window and picture. It reads the state's arrays: made again whenever they change.
#pragma once

#include "model/simulation_state.h"
#include "solution/minmax_pyramid.h"

#include <vector>

namespace ovrelan {

class SolutionSummary {
public:
    SolutionSummary() = default;
    explicit SolutionSummary(const SimulationState& s);
    SolutionSummary(const SolutionSummary&) = delete; // its pyramids point into its own samples
    SolutionSummary& operator=(const SolutionSummary&) = delete;

    // The summary of the array a curve reads (the state's Uc_t, I_t, Ur_t, UL_t or W_t), or null.
    const MinMaxPyramid* of(const void* array) const;
    // cos(rate·τ) at the computed grid points, for the source's EMF at `rate` (null for another).
    const MinMaxPyramid* source(double rate) const;
    const SimulationState* state() const { return state_; }

private:
    const SimulationState* state_ = nullptr;
    struct Entry {
        const void* array;
        MinMaxPyramid pyramid;
    };
    std::vector<Entry> entries_;
    double rate_ = 0;
    std::size_t points_ = 0;
    // The source's summary, made on its first use (the summary is used by one thread).
    mutable std::vector<double> cosines_;
    mutable MinMaxPyramid source_;
};

} // namespace ovrelan
