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
    if (count_ < 2) {
        return;
    }
    // The first level from the points, each next one from the level below.
    std::vector<Extremes> level(count_ / 2);
    for (std::size_t i = 0; i < level.size(); ++i) {
        level[i] = joined(of_value(static_cast<double>(values[2 * i])),
                          of_value(static_cast<double>(values[2 * i + 1])));
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

Extremes MinMaxPyramid::point(std::size_t k) const {
    return of_value(doubles_ != nullptr ? doubles_[k] : static_cast<double>(floats_[k]));
}

Extremes MinMaxPyramid::range(std::size_t first, std::size_t last) const {
    Extremes e = point(first);
    std::size_t k = first + 1;
    while (k < last) {
        // The largest aligned block that starts at k and ends by last.
        std::size_t level = 0; // blocks of 2^level points; 0: one point
        while (level < levels_.size() && (k % (std::size_t{2} << level)) == 0 &&
               k + (std::size_t{2} << level) <= last) {
            ++level;
        }
        if (level == 0) {
            e = joined(e, point(k));
            ++k;
        } else {
            const std::size_t size = std::size_t{1} << level;
            e = joined(e, levels_[level - 1][k >> level]);
            k += size;
        }
    }
    return e;
}

} // namespace ovrelan
