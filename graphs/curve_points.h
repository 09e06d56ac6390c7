// The points of a curve a plot draws: in a pixel column that many grid points fall into, only
// their first, lowest, highest and last (in time order) — the true extremes of every point,
// however many there are, so that a million points show as a band only where the curve is one.
#pragma once

#include "geometry/graph_frame.h"
#include "geometry/graph_series.h"
#include "model/simulation_state.h"

#include <QPolygonF>

#include <cstddef>

namespace ovrelan {

// The series' points first ... last - 1 in the frame's pixels, a run in one column reduced to at
// most four points (the first, then the lowest and the highest in the order they come, then the
// last; a point that is two of them once). The grid is uniform: a column's run is found from the
// step, not point by point.
QPolygonF curve_points(const GraphFrame& frame, const SimulationState& s, const Series& series,
                       std::size_t first, std::size_t last);

} // namespace ovrelan
