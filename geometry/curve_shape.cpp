#include "geometry/curve_shape.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ovrelan {

CurveShape curve_shape(const GraphFrame& frame, const SimulationState& s, const Series& series,
                       std::size_t first, std::size_t last, const SolutionSummary* summary) {
    CurveShape shape;
    if (last <= first || last > s.t_grid.size()) {
        return shape;
    }
    if (summary != nullptr && summary->state() != &s) {
        summary = nullptr; // another solution's summary says nothing of these arrays
    }
    const double* t = s.t_grid.data();
    const ValueMap xm = frame.x_map();
    const ValueMap ym = series.right_axis ? frame.y2_map() : frame.y_map();
    const double ts = frame.time_scale;
    const auto x_of = [&](std::size_t k) { return xm.to_px(t[k] * ts); };
    const double pitch = last - first > 1 ? x_of(first + 1) - x_of(first) : 1;
    shape.dense = pitch < 0.5;
    if (!shape.dense) {
        shape.line.reserve(last - first);
        for_each_value(series.values, t, first, last, [&](std::size_t k, double v) {
            shape.line.push_back({x_of(k), ym.to_px(v)});
        });
        return shape;
    }
    // A column's run ends where x reaches the next column: guessed from the pitch, then settled
    // on the grid's own times.
    std::size_t k = first;
    double joined_value = series.values.at(t, first);
    while (k < last) {
        const double column = std::floor(x_of(k));
        const double ahead = std::ceil((column + 1 - x_of(k)) / pitch);
        std::size_t end =
            std::min<std::size_t>(last, k + 1 + static_cast<std::size_t>(std::max(0.0, ahead)));
        while (end > k + 1 && !(x_of(end - 1) < column + 1)) {
            --end;
        }
        while (end < last && x_of(end) < column + 1) {
            ++end;
        }
        Extent r = series_range(s, series, k, end, summary);
        // Reaching to the column before: the band has no gaps between columns.
        r.low = std::min(r.low, joined_value);
        r.high = std::max(r.high, joined_value);
        const double a = ym.to_px(r.low);
        const double b = ym.to_px(r.high);
        shape.columns.push_back({column, std::min(a, b), std::max(a, b)});
        joined_value = series.values.at(t, end - 1);
        k = end;
    }
    return shape;
}

double distance_to(const CurveShape& shape, double x, double y) {
    double best = std::numeric_limits<double>::infinity();
    if (shape.dense) {
        for (const ColumnSpan& c : shape.columns) {
            const double dy = y < c.top ? c.top - y : (y > c.bottom ? y - c.bottom : 0);
            best = std::min(best, std::hypot(x - (c.x + 0.5), dy));
        }
        return best;
    }
    for (std::size_t i = 0; i < shape.line.size(); ++i) {
        const CurvePoint& a = shape.line[i];
        const CurvePoint& b = i + 1 < shape.line.size() ? shape.line[i + 1] : a;
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length2 = dx * dx + dy * dy;
        const double along =
            length2 > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / length2, 0.0, 1.0) : 0;
        best = std::min(best, std::hypot(x - (a.x + along * dx), y - (a.y + along * dy)));
    }
    return best;
}

std::vector<ColumnRun> dashed_runs(const std::vector<ColumnSpan>& columns,
                                   std::span<const double> pattern) {
    std::vector<ColumnRun> runs;
    if (columns.empty()) {
        return runs;
    }
    double period = 0;
    for (const double length : pattern) {
        period += std::max(0.0, length);
    }
    if (pattern.size() < 2 || !(period > 0) || !std::isfinite(period)) {
        runs.push_back({0, columns.size()});
        return runs;
    }
    // Where along the pattern a column's middle falls decides whether it is drawn.
    const auto in_dash = [&](double distance) {
        double at = std::fmod(distance, period);
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            const double length = std::max(0.0, pattern[i]);
            if (at < length) {
                return i % 2 == 0;
            }
            at -= length;
        }
        return false;
    };
    const double origin = columns.front().x;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!in_dash(columns[i].x + 0.5 - origin)) {
            continue;
        }
        if (!runs.empty() && runs.back().last == i) {
            ++runs.back().last;
        } else {
            runs.push_back({i, i + 1});
        }
    }
    return runs;
}

} // namespace ovrelan
