#include "solution/solution_summary.h"

#include "solution/solution_arrays.h"

#include <cmath>

namespace ovrelan {

namespace {

// cos(rate·t[k]) for every k: where the grid's steps are equal, each point is the one before
// turned by the step's angle; exactly again every 64 points and wherever the step changes, so
// the turns add no more than 64 times the phase's own rounding to any value.
void turned_cosines(double rate, const double* t, std::size_t n, double* out) {
    constexpr std::size_t exact_every = 64;
    double c = 0;
    double s = 0;
    double step = 0;
    double turn_c = 1;
    double turn_s = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const double h = k > 0 ? t[k] - t[k - 1] : 0;
        // Equal but for the rounding of t itself (k·Δt rounds to a few units of t's last digit).
        const bool same_step =
            k > 0 && std::fabs(h - step) <= 1e-12 * std::fabs(step) + 1e-14 * std::fabs(t[k]);
        if (k % exact_every == 0 || !same_step) {
            c = std::cos(rate * t[k]);
            s = std::sin(rate * t[k]);
            step = h;
            turn_c = std::cos(rate * h);
            turn_s = std::sin(rate * h);
        } else {
            const double next_c = c * turn_c - s * turn_s;
            s = s * turn_c + c * turn_s;
            c = next_c;
        }
        out[k] = c;
    }
}

} // namespace

SolutionSummary::SolutionSummary(const SimulationState& s) : state_(&s) {
    const std::size_t n = std::min(computed_points(s), s.t_grid.size());
    const auto add = [&](const auto& array) {
        if (array.size() >= n && n > 0) {
            entries_.push_back({array.data(), MinMaxPyramid(array.data(), n)});
        }
    };
    add(s.Uc_t);
    add(s.I_t);
    add(s.Ur_t);
    add(s.UL_t);
    add(s.W_t);
    rate_ = s.w * s.t_scale;
    points_ = n;
}

const MinMaxPyramid* SolutionSummary::of(const void* array) const {
    for (const Entry& e : entries_) {
        if (e.array == array) {
            return &e.pyramid;
        }
    }
    return nullptr;
}

const MinMaxPyramid* SolutionSummary::source(double rate) const {
    if (rate != rate_ || points_ == 0 || !std::isfinite(rate_)) {
        return nullptr;
    }
    // Made when a graph first draws the source, not with every solution.
    if (source_.size() == 0) {
        cosines_.resize(points_);
        turned_cosines(rate_, state_->t_grid.data(), points_, cosines_.data());
        source_ = MinMaxPyramid(cosines_.data(), points_);
    }
    return &source_;
}

} // namespace ovrelan
