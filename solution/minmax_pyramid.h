// A summary of an array for drawing it: the lowest and the highest value (and the smallest
// magnitude) of every aligned block of 2, 4, 8 … points, built once when a solution is made.
// Any range of points then has its extremes from O(log n) blocks, so a graph redraws from about
// one query per pixel column, never from the whole array. It reads the array it was made from:
// the array must live (unchanged) as long as the summary.
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

private:
    template <class T> void build(const T* values);
    Extremes point(std::size_t k) const;

    const double* doubles_ = nullptr;
    const float* floats_ = nullptr;
    std::size_t count_ = 0;
    // levels_[j] holds the blocks of 2^(j+1) points: block i covers points i·2^(j+1) … on.
    std::vector<std::vector<Extremes>> levels_;
};

} // namespace ovrelan
