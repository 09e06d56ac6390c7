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
#include <span>
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

// How far a point (in pixels) lies from a drawn curve: from its line's segments, or from the span
// of the band's column it falls in (or the nearest column's); infinity for an empty shape.
double distance_to(const CurveShape& shape, double x, double y);

// A dashed curve's band in pieces: the runs of columns [first, last) its dashes cover, the
// pattern (dash, gap, dash, gap … in pixels) walked along x from the first column. A band has no
// length along itself to dash, so its dashes are cut across it: as many pieces as dashes, however
// tall the spans. An empty pattern (a solid pen) covers all the columns in one run.
struct ColumnRun {
    std::size_t first = 0;
    std::size_t last = 0;
    friend bool operator==(const ColumnRun&, const ColumnRun&) = default;
};
std::vector<ColumnRun> dashed_runs(const std::vector<ColumnSpan>& columns,
                                   std::span<const double> pattern);

} // namespace ovrelan
