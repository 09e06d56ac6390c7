// What a curve looks like in a plot's pixels. Where more than two grid points fall into a pixel
// column the curve is a band: one vertical span per column from the lowest to the highest value
// it holds, reaching to the last value of the column before so that the spans join — the true
// extremes of every point, however many there are. Elsewhere it is a line through its points.
// The spans come from the solution's min/max summary in O(log n) per column; without one the
// points are read.
#pragma once

#include "geometry/graph_frame.h"
#include "geometry/graph_series.h"
#include "model/simulation_state.h"
#include "solution/solution_summary.h"

#include <cstddef>
#include <vector>

namespace ovrelan {

struct CurvePoint {
    double x = 0;
    double y = 0;
};

// The pixel column from x to x + 1 holds values between `top` and `bottom` (pixels, top ≤ bottom).
struct ColumnSpan {
    double x = 0;
    double top = 0;
    double bottom = 0;
};

struct CurveShape {
    bool dense = false;
    std::vector<CurvePoint> line;    // a sparse curve: its points
    std::vector<ColumnSpan> columns; // a dense one: a span per column, left to right
};

// The points first … last − 1 of a series (of the state the summary was made for, or any state
// when `summary` is null) in the frame's pixels.
CurveShape curve_shape(const GraphFrame& frame, const SimulationState& s, const Series& series,
                       std::size_t first, std::size_t last, const SolutionSummary* summary);

} // namespace ovrelan
