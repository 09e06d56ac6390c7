#include "graphs/curve_points.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

QPolygonF curve_points(const GraphFrame& frame, const SimulationState& s, const Series& series,
                       std::size_t first, std::size_t last) {
    QPolygonF out;
    if (last <= first) {
        return out;
    }
    const double* t = s.t_grid.data();
    const double ts = frame.time_scale;
    const double x0 = frame.x.low;
    const double sx = frame.plot.width / (frame.x.high - frame.x.low);
    const Range& yr = series.right_axis ? frame.y2 : frame.y;
    const double sy = frame.plot.height / (yr.high - yr.low);
    const double left = frame.plot.left;
    const double top = frame.plot.top;
    const auto x_of = [&](std::size_t k) { return left + (t[k] * ts - x0) * sx; };
    const auto y_of = [&](double v) { return top + (yr.high - v) * sy; };
    // Pixels from one grid point to the next: how far a column's run reaches.
    const double pitch = last - first > 1 ? x_of(first + 1) - x_of(first) : 1;
    out.reserve(static_cast<qsizetype>(
        std::min<double>(static_cast<double>(last - first), 4 * (frame.plot.width + 2))));

    std::size_t k = first;
    while (k < last) {
        const double column = std::floor(x_of(k));
        // The run of this column ends where x reaches the next column: guessed from the pitch,
        // then settled on the grid's own times.
        std::size_t end = last;
        if (pitch > 0) {
            const double ahead = std::ceil((column + 1 - x_of(k)) / pitch);
            end =
                std::min<std::size_t>(last, k + 1 + static_cast<std::size_t>(std::max(0.0, ahead)));
        }
        while (end > k + 1 && !(x_of(end - 1) < column + 1)) {
            --end;
        }
        while (end < last && x_of(end) >= column && x_of(end) < column + 1) {
            ++end;
        }
        // The run's first, lowest and highest value (the first of equals) and last point.
        std::size_t low_at = k;
        std::size_t high_at = k;
        double low = 0;
        double high = 0;
        double first_value = 0;
        double last_value = 0;
        for_each_value(series.values, t, k, end, [&](std::size_t j, double v) {
            if (j == k) {
                low = high = first_value = v;
            } else if (v > high) {
                high = v;
                high_at = j;
            } else if (v < low) {
                low = v;
                low_at = j;
            }
            last_value = v;
        });
        // On the screen the highest value is the topmost point: the order of the pixels' y.
        const bool high_first = high_at <= low_at;
        const std::size_t order[] = {k, high_first ? high_at : low_at,
                                     high_first ? low_at : high_at, end - 1};
        const double values[] = {first_value, high_first ? high : low, high_first ? low : high,
                                 last_value};
        for (int n = 0; n < 4; ++n) {
            if (n == 0 || order[n] != order[n - 1]) {
                out << QPointF(x_of(order[n]), y_of(values[n]));
            }
        }
        k = end;
    }
    return out;
}

} // namespace ovrelan
