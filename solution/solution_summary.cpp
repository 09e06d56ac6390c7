#include "solution/solution_summary.h"

#include "solution/solution_arrays.h"

#include <cmath>

namespace ovrelan {

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
        for (std::size_t k = 0; k < points_; ++k) {
            cosines_[k] = std::cos(rate_ * state_->t_grid[k]);
        }
        source_ = MinMaxPyramid(cosines_.data(), points_);
    }
    return &source_;
}

} // namespace ovrelan
