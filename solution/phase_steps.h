// The phases of a response (closed_form.h) over the time grid t = origin + k·dt (origin 0 for
// the solution arrays), a block of points at a time: the first point of every block from the
// library functions, the others by the addition theorems from a table of the offsets 0 ... block -
// 1 steps (for the spread, expm1(x + y) = expm1 x + expm1 y + expm1 x·expm1 y), so rounding never
// builds up beyond one block and the library is called once for every `block` points.
#pragma once

#include "solution/closed_form.h"

#include <array>
#include <cstddef>

namespace ovrelan {

class PhaseSteps {
public:
    static constexpr std::size_t block = 64;

    PhaseSteps(const Rates& rates, double dt, double origin = 0);
    // Anchors the block that starts at grid point k0.
    void start(std::size_t k0);
    // The phases at grid point k0 + j, j < block.
    Phases at(std::size_t j) const {
        return {base_.c1 * c1_[j] - base_.s1 * s1_[j],
                base_.s1 * c1_[j] + base_.c1 * s1_[j],
                base_.c2 * c2_[j] - base_.s2 * s2_[j],
                base_.s2 * c2_[j] + base_.c2 * s2_[j],
                base_.e1 * e1_[j],
                base_.e2 * e2_[j],
                base_.m + m_[j] + base_.m * m_[j]};
    }

private:
    Rates rates_;
    double dt_;
    double origin_;
    Phases base_;
    std::array<double, block> c1_, s1_, c2_, s2_, e1_, e2_, m_;
};

} // namespace ovrelan
