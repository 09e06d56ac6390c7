// A summary of an array for drawing it: the lowest and the highest value (and the smallest
// magnitude) of every aligned block of 16, 32, 64 … points, built once when a solution is made.
// Any range of points then has its extremes from O(log n) blocks and at most 30 points at its
// ends, so a graph redraws from about one query per pixel column, never from the whole array. It
// reads the array it was made from: the array must live (unchanged) as long as the summary.
#pragma once

#include <cstddef>
#include <vector>

namespace ovrelan {

struct Extremes {
    double low = 0;
    double high = 0;
    double least_magnitude = 0; // the smallest |value|: what the squares' lowest is made of
};

class MinMaxPyramid {
public:
    MinMaxPyramid() = default;
    MinMaxPyramid(const double* values, std::size_t count);
    MinMaxPyramid(const float* values, std::size_t count);

    std::size_t size() const { return count_; }
    // The extremes of the points first … last − 1 (first < last ≤ size()).
    Extremes range(std::size_t first, std::size_t last) const;

    // The points of a block of the first level.
    static constexpr std::size_t leaf = 16;

private:
    template <class T> void build(const T* values);
    template <class T>
    Extremes range_of(const T* values, std::size_t first, std::size_t last) const;

    const double* doubles_ = nullptr;
    const float* floats_ = nullptr;
    std::size_t count_ = 0;
    // levels_[j] holds the blocks of leaf·2^j points: block i covers points i·leaf·2^j … on.
    std::vector<std::vector<Extremes>> levels_;
};

} // namespace ovrelan
