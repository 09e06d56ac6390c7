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
    if (n > 0 && std::isfinite(rate_)) {
        cosines_.resize(n);
        for (std::size_t k = 0; k < n; ++k) {
            cosines_[k] = std::cos(rate_ * s.t_grid[k]);
        }
        source_ = MinMaxPyramid(cosines_.data(), n);
    }
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
    return rate == rate_ && source_.size() > 0 ? &source_ : nullptr;
}

} // namespace ovrelan
