// A measured trace on a graph: which graph shows a quantity, where its points fall in the plot's
// pixels (a line, with a dot on every point where they stand apart; a band of each pixel column's
// extremes where they crowd, from the trace's min/max summary in O(log n) per column), its value
// range over the time shown, the read-out of measured against computed, and the small plot of a
// fit's residuals. The trace's point k stands at time[k] − shift seconds.
#pragma once

#include "geometry/curve_shape.h"
#include "geometry/graph_frame.h"
#include "geometry/graph_series.h"
#include "model/measured_quantity.h"
#include "model/simulation_state.h"
#include "solution/minmax_pyramid.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ovrelan {

// The graph of a measured quantity: Uc on Uc(t), I on I(t), Ur on Ur(t), εL on εL(t).
GraphKind graph_of(Quantity q);
// The quantity a graph shows, for the four a trace can record.
std::optional<Quantity> quantity_of(GraphKind kind);

struct MeasuredOnAxes {
    std::span<const double> time;           // s, never decreasing
    std::span<const double> values;         // V or A
    const MinMaxPyramid* summary = nullptr; // of the values, when there is one
    double shift = 0;                       // s: point k stands at time[k] − shift
    double x_per_second = 1;                // the graph's time axis per second
    double y_per_unit = 1;                  // its value axis per volt or ampere
};

// How a graph in these axes shows one volt or ampere of its quantity and one second: 1 and 1 in
// physical axes, 1/scale and 1/t_scale in normalised ones.
MeasuredOnAxes measured_on_axes(const SimulationState& s, GraphKind kind, Axes axes);

struct PointSpan {
    std::size_t first = 0;
    std::size_t last = 0; // one past
};

// The points whose time (after the shift) lies between from and to seconds, with one more
// beyond each end where there is one, so a line reaches the plot's edges.
PointSpan measured_between(std::span<const double> time, double shift, double from, double to);

struct MeasuredShape {
    CurveShape curve;
    bool dots = false; // the points stand at least 4 px apart: each is marked
};

// The trace's points within the frame's time window in its pixels.
MeasuredShape measured_shape(const GraphFrame& frame, const MeasuredOnAxes& m);

// The lowest and highest value (in the graph's units) of the points between from and to
// seconds; nothing when no point is there.
std::optional<Extent> measured_extent(const MeasuredOnAxes& m, double from, double to);

// The point nearest to a time (seconds on the graph's clock), when the time lies within the
// record or half a mean step beyond its ends.
std::optional<std::size_t> nearest_sample(std::span<const double> time, double shift, double t);

// «изм. 7,45 В, разность +40 мВ»: the measured value and measured minus computed.
std::string measured_readout(double measured, double computed, const char* unit,
                             char decimal_separator);

// A fit's residuals against time in a small box: a band of each pixel column's extremes about a
// zero line across the middle, the box's half height standing for `limit` (the largest
// residual's magnitude).
struct ResidualPlot {
    double zero_y = 0;
    double limit = 0;
    std::vector<ColumnSpan> columns; // left to right, one per column that holds a point
};
ResidualPlot residual_plot(std::span<const double> time, std::span<const double> residuals,
                           const PixelBox& box);

} // namespace ovrelan
