// The frame of a graph as data: where the plot stands inside its view, the value and time
// ranges it shows, its grid lines and every label around it. The labels stand in margins (value
// labels left, and right for a second axis; time labels below; the header or the axis titles in
// a strip above; the read-out in a strip under it): nothing but the grid and the curves is drawn
// inside the plot. Labels are thinned so that no two overlap, whatever the size and the zoom.
#pragma once

#include "geometry/graph_axes.h"
#include "geometry/graph_series.h"
#include "geometry/time_window.h"
#include "geometry/value_map.h"

#include <functional>
#include <string>
#include <vector>

namespace ovrelan {

struct FrameLabel {
    std::string text;
    PixelBox box; // in the view's pixels, y down
};

// A value range of an axis.
struct Range {
    double low = 0;
    double high = 1;
};

struct FrameRequest {
    double width = 0; // the view, in pixels
    double height = 0;
    Axes axes = Axes::normalised;
    // The normalised look: the graph's own frame (graph_axes) and header.
    const GraphAxes* normalised = nullptr;
    std::string header;
    // Physical axes: the values the series take on each axis, their names and units.
    Extent left;
    Extent right;
    bool two_axes = false;
    std::string left_name, left_unit, right_name, right_unit;
    bool from_zero = false;
    double value_zoom = 1; // the zoom bar's factor: a larger one shows a wider value range
    // The time shown, in the arrays' time (τ), and what one unit of it is on the axis.
    TimeWindow window;
    double time_scale = 1;
    double grid_step = 0; // the normalised look's grid step in τ
    bool time_labels = true;
    bool readout = true;
    char decimal_separator = '.';
    // Another quantity along the bottom axis (a frequency: "ν", "Гц"), in physical axes. On a
    // logarithmic axis the window and every x are decimal logarithms of the quantity, and the
    // ticks stand at 1, 2 and 5 times powers of ten.
    std::string x_name = "t";
    std::string x_unit = "с";
    bool x_log = false;
    // How far inside the plot's border the curves stand (half the axis and half the pen).
    double inset = 0;
};

struct GraphFrame {
    PixelBox view;
    PixelBox title;   // the strip above the plot
    PixelBox plot;    // only grid, curves, markers and the cursor are drawn here
    PixelBox readout; // the strip under the time labels (zero height when none)
    Range x;          // in axis units: τ, or seconds
    Range y;
    Range y2; // the right axis, when there is one
    double time_scale = 1;
    std::vector<double> x_grid; // grid lines, in axis units
    std::vector<double> y_grid;
    std::vector<FrameLabel> labels; // every label: ticks, axis names, the header

    // The curves stand this far inside the plot's border on every side, so that the border and
    // the thick axes never hide a first or last column nor the largest values.
    double inset = 0;

    ValueMap x_map() const {
        return {x.low, x.high, plot.left + inset, plot.left + plot.width - inset};
    }
    ValueMap y_map() const {
        return {y.low, y.high, plot.top + plot.height - inset, plot.top + inset};
    }
    ValueMap y2_map() const {
        return {y2.low, y2.high, plot.top + plot.height - inset, plot.top + inset};
    }
    double x_px(double x_value) const { return x_map().to_px(x_value); }
    double y_px(double y_value) const { return y_map().to_px(y_value); }
    double y2_px(double y_value) const { return y2_map().to_px(y_value); }
    double x_of_px(double px) const { return x_map().to_value(px); }
    double y_of_px(double px) const { return y_map().to_value(px); }
};

GraphFrame graph_frame(const FrameRequest& request, const MeasureText& measure);

// A legend entry in the strip above the plot: a short line of the curve's colour, then its name.
struct LegendItem {
    std::string name;
    PixelBox box; // the line and the name; a click in it switches the curve off or on
};

// Legend entries in a frame's strip, after its first label (the axis name) and clear of every
// other label there; the entries that do not fit are left out. `scale` is the look's: the line is
// 16·scale long, the name 22·scale from the entry's start, the entries 12·scale apart.
std::vector<LegendItem> strip_legend(const GraphFrame& frame, const std::vector<std::string>& names,
                                     const MeasureText& measure, double scale);

// The strip legend of a graph with several curves; none for one (its title names it).
std::vector<LegendItem> legend_layout(const GraphFrame& frame,
                                      const std::vector<std::string>& names,
                                      const MeasureText& measure, double scale);

// The legend of a family of curves (up to eight names, too many for the strip): one entry a line,
// in a column inside the plot at its top right corner, the boxes of one width (the longest
// name's), 4·scale clear of the plot's border; as many entries as the plot's height holds.
std::vector<LegendItem> family_legend_layout(const GraphFrame& frame,
                                             const std::vector<std::string>& names,
                                             const MeasureText& measure, double scale);

// The value range physical axes show for values within `e`: a little room around them, the
// lower end at 0 for quantities that are never negative, widened by the zoom bar's factor.
Range value_range(const Extent& e, bool from_zero, double zoom);

} // namespace ovrelan
