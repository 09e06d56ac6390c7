// Where a fit of the free motion (free_response.h) to a measured trace starts. A start far off
// leads a least-squares fit into a wrong minimum, so several are made and each is scored by its
// residual:
// - read off the trace as a student would: the crossings of its final level give the period of
//   the damped swing, the decay of the peaks between them the logarithmic decrement and so δ,
//   and ω₀ = √(Ω² + δ²);
// - for a trace that does not swing (aperiodic, critical, or too short a record) a search over
//   damping ratios and decay times;
// - δ and ω₀ of a circuit given (the present one in the program).
// Each has the time the key closes searched near where the trace leaves its starting level, and
// the amplitude and the offset solved for by linear least squares.
#pragma once

#include "model/measured_quantity.h"
#include "solution/free_response.h"

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace ovrelan {

struct StartGuess {
    FreeMotion motion;
    double amplitude = 0;
    double offset = 0;
    double squares = 0; // the sum of squared residuals over the points scored
};

// Means of consecutive groups of points, so that about `points` remain (all of them when there
// are no more): a long trace in brief, for finding a start.
struct AveragedTrace {
    std::vector<double> t;
    std::vector<double> y;
};
AveragedTrace averaged_trace(std::span<const double> t, std::span<const double> y,
                             std::size_t points);

// The time a trace leaves its starting level (the median of its first points) by more than five
// deviations of its noise or 1 % of its range: where «Совместить с ключом» puts the key's
// closing. Nothing for fewer than four points or a trace that does not vary.
std::optional<double> leaves_start(std::span<const double> t, std::span<const double> y);

// The amplitude and the offset that fit best for this motion, and the sum of squares; nothing
// when the shape is refused or does not vary over these times.
std::optional<StartGuess> best_linear(Quantity q, const FreeMotion& m, std::span<const double> t,
                                      std::span<const double> y);

// What a fit holds fixed: a motion as a fit with fixed values can have it (ω₀ fixed by L and C,
// δ by R and L, ...).
using MotionConstraint = std::function<FreeMotion(const FreeMotion&)>;

// The starts for one trace (times never decreasing), best first; empty when the trace gives no
// start at all (fewer than four points, no time span, no variation).
std::vector<StartGuess> start_guesses(Quantity q, std::span<const double> t,
                                      std::span<const double> y,
                                      const std::vector<FreeMotion>& hints,
                                      std::optional<double> fixed_shift,
                                      const MotionConstraint& constrain);

} // namespace ovrelan
