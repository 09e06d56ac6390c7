#include "solution/minmax_pyramid.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

namespace {

Extremes joined(const Extremes& a, const Extremes& b) {
    return {std::min(a.low, b.low), std::max(a.high, b.high),
            std::min(a.least_magnitude, b.least_magnitude)};
}

Extremes of_value(double v) {
    return {v, v, std::fabs(v)};
}

} // namespace

MinMaxPyramid::MinMaxPyramid(const double* values, std::size_t count)
    : doubles_(values), count_(count) {
    build(values);
}

MinMaxPyramid::MinMaxPyramid(const float* values, std::size_t count)
    : floats_(values), count_(count) {
    build(values);
}

template <class T> void MinMaxPyramid::build(const T* values) {
    const std::size_t blocks = count_ / leaf;
    if (blocks == 0) {
        return;
    }
    // The first level from the points, a block of `leaf` at a time; each next one from the level
    // below. Filled as made: no level is cleared first.
    std::vector<Extremes> level;
    level.reserve(blocks);
    for (std::size_t b = 0; b < blocks; ++b) {
        const T* p = values + b * leaf;
        Extremes e = of_value(static_cast<double>(p[0]));
        for (std::size_t i = 1; i < leaf; ++i) {
            e = joined(e, of_value(static_cast<double>(p[i])));
        }
        level.push_back(e);
    }
    levels_.push_back(std::move(level));
    while (levels_.back().size() >= 2) {
        const std::vector<Extremes>& below = levels_.back();
        std::vector<Extremes> next;
        next.reserve(below.size() / 2);
        for (std::size_t i = 0; i + 1 < below.size(); i += 2) {
            next.push_back(joined(below[i], below[i + 1]));
        }
        levels_.push_back(std::move(next));
    }
}

Extremes MinMaxPyramid::point(std::size_t k) const {
    return of_value(doubles_ != nullptr ? doubles_[k] : static_cast<double>(floats_[k]));
}

Extremes MinMaxPyramid::range(std::size_t first, std::size_t last) const {
    Extremes e = point(first);
    // The whole blocks inside the range, and the points before and after them one by one.
    const std::size_t lo_block = (first + leaf - 1) / leaf;
    const std::size_t hi_block = last / leaf;
    if (levels_.empty() || lo_block >= hi_block) {
        for (std::size_t k = first + 1; k < last; ++k) {
            e = joined(e, point(k));
        }
        return e;
    }
    for (std::size_t k = first + 1; k < lo_block * leaf; ++k) {
        e = joined(e, point(k));
    }
    for (std::size_t k = hi_block * leaf; k < last; ++k) {
        e = joined(e, point(k));
    }
    // Up the levels: an odd block at either end is taken as it is, the rest go up as pairs.
    std::size_t lo = lo_block;
    std::size_t hi = hi_block;
    for (std::size_t j = 0; lo < hi && j < levels_.size(); ++j) {
        const std::vector<Extremes>& level = levels_[j];
        if (lo % 2 == 1) {
            e = joined(e, level[lo++]);
        }
        if (hi % 2 == 1) {
            e = joined(e, level[--hi]);
        }
        lo /= 2;
        hi /= 2;
    }
    return e;
}

} // namespace ovrelan
