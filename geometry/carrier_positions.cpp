#include "geometry/carrier_positions.h"

#include <cmath>

namespace ovrelan {

namespace {

// Positions start, start + step, ... up to and including end (an inclusive counted loop); the
// small tolerance keeps an end point that falls on a step despite rounding.
template <class T>
void add_run(std::vector<CarrierPoint>& out, T start, T step, T end, bool along_x, double fixed) {
    if (step == 0) {
        return;
    }
    const double span =
        (static_cast<double>(end) - static_cast<double>(start)) / static_cast<double>(step);
    if (span < -1e-9) {
        return;
    }
    const long count = static_cast<long>(std::floor(span + 1e-9));
    T value = start;
    for (long i = 0; i <= count; ++i) {
        const double v = static_cast<double>(value);
        out.push_back(along_x ? CarrierPoint{v, fixed} : CarrierPoint{fixed, v});
        value = static_cast<T>(value + step);
    }
}

} // namespace

bool carriers_move(double I, double I_max) {
    return !(std::fabs(I) < 0.01 * I_max);
}

std::vector<CarrierPoint> carrier_positions(const WireLoop& loop, int carrier_steps, double I,
                                            int phase) {
    std::vector<CarrierPoint> points;
    if (carrier_steps <= 0) {
        return points;
    }
    const double x_from = I < 0 ? loop.left : loop.right;
    const double x_to = I < 0 ? loop.right : loop.left;
    const double y_low = loop.bottom;
    const double y_high = loop.top;
    const double dx = (x_to - x_from) / carrier_steps;
    const auto dy = static_cast<float>(std::nearbyint((y_high - y_low) / carrier_steps));

    add_run<double>(points, x_from + phase * dx, 3 * dx, x_to, true, y_low);
    // The vertical strings count in single precision.
    add_run<float>(points, static_cast<float>(y_low + phase * static_cast<double>(dy)), 3 * dy,
                   static_cast<float>(y_high), false, x_to);
    add_run<double>(points, x_to - phase * dx, -3 * dx, x_from, true, y_high);
    add_run<float>(points, static_cast<float>(y_high - phase * static_cast<double>(dy)), -3 * dy,
                   static_cast<float>(y_low), false, x_from);
    return points;
}

} // namespace ovrelan
