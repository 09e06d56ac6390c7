#include "solution/minmax_pyramid.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

namespace {

Extremes joined(const Extremes& a, const Extremes& b) {
    return {std::min(a.low, b.low), std::max(a.high, b.high),
            std::min(a.least_magnitude, b.least_magnitude)};
}

// The extremes of the points p[0] … p[n − 1] (n ≥ 1), in four lanes the compiler keeps in vector
// registers: no call and no branch per point.
template <class T> Extremes points_extremes(const T* p, std::size_t n) {
    double low[4];
    double high[4];
    double least[4];
    for (int l = 0; l < 4; ++l) {
        low[l] = high[l] = static_cast<double>(p[0]);
        least[l] = std::fabs(low[l]);
    }
    std::size_t k = 1;
    for (; k + 4 <= n; k += 4) {
        for (int l = 0; l < 4; ++l) {
            const double x = static_cast<double>(p[k + static_cast<std::size_t>(l)]);
            const double m = std::fabs(x);
            low[l] = x < low[l] ? x : low[l];
            high[l] = x > high[l] ? x : high[l];
            least[l] = m < least[l] ? m : least[l];
        }
    }
    for (; k < n; ++k) {
        const double x = static_cast<double>(p[k]);
        low[0] = std::min(low[0], x);
        high[0] = std::max(high[0], x);
        least[0] = std::min(least[0], std::fabs(x));
    }
    return {std::min({low[0], low[1], low[2], low[3]}),
            std::max({high[0], high[1], high[2], high[3]}),
            std::min({least[0], least[1], least[2], least[3]})};
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
    std::vector<Extremes> level(blocks);
    for (std::size_t b = 0; b < blocks; ++b) {
        level[b] = points_extremes(values + b * leaf, leaf);
    }
    levels_.push_back(std::move(level));
    while (levels_.back().size() >= 2) {
        const std::vector<Extremes>& below = levels_.back();
        std::vector<Extremes> next(below.size() / 2);
        for (std::size_t i = 0; i < next.size(); ++i) {
            next[i] = joined(below[2 * i], below[2 * i + 1]);
        }
        levels_.push_back(std::move(next));
    }
}

Extremes MinMaxPyramid::range(std::size_t first, std::size_t last) const {
    return doubles_ != nullptr ? range_of(doubles_, first, last) : range_of(floats_, first, last);
}

template <class T>
Extremes MinMaxPyramid::range_of(const T* values, std::size_t first, std::size_t last) const {
    // The whole blocks inside the range, and the points before and after them.
    const std::size_t lo_block = (first + leaf - 1) / leaf;
    const std::size_t hi_block = last / leaf;
    if (levels_.empty() || lo_block >= hi_block) {
        return points_extremes(values + first, last - first);
    }
    // The point `first` at least, when it begins a block.
    Extremes e = points_extremes(values + first, std::max<std::size_t>(1, lo_block * leaf - first));
    if (hi_block * leaf < last) {
        e = joined(e, points_extremes(values + hi_block * leaf, last - hi_block * leaf));
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
