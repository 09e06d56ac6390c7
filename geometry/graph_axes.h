// The frame of a graph as data: vertical range, grid lines, tick labels and header, computed
// from the state for one window; and which of them a plot of a given size shows, so that the
// window only draws them.
#pragma once

#include "geometry/graph_variants.h"
#include "model/simulation_state.h"

#include <functional>
#include <string>
#include <vector>

namespace ovrelan {

struct PlacedText {
    double x; // pen position (user units) of the text's top-left corner
    double y;
    std::string text;
};

// Horizontal grid intervals between the time axis and the top of every graph (and the bottom).
inline constexpr int y_half_steps = 11;

struct GraphAxes {
    double y_top = 0;
    double y_bottom = 0;
    double y_step = 0;
    double t_span = 0;
    double grid_step = 0;
    char decimal_separator = '.';
    // Vertical grid lines at k·grid_step for k = 1 ... vertical_lines.
    int vertical_lines = 0;
    // Time labels for k = 1 ... time_labels: the value 2k·grid_step below the time axis, just
    // left of every second line.
    int time_labels = 0;
    PlacedText tau;                       // the name of the time axis
    std::vector<double> horizontal_lines; // y of each of the 2 * y_half_steps - 1 lines
    std::vector<PlacedText> value_labels; // one beside each horizontal line
    PlacedText header;

    double vertical_line_x(int k) const { return k * grid_step; }
    PlacedText time_label(int k) const;
};

// Vertical range from the window's zoom and maximum (a maximum of 0 draws as 1: an empty graph
// still has its grid), grid, labels and header.
GraphAxes graph_axes(const SimulationState& s, const GraphVariant& v, double zoom,
                     char decimal_separator);

// The header: axis text, constant name and value, unit, "  Tnorm=", t_scale, " c".
std::string graph_header(const SimulationState& s, const GraphVariant& v, char decimal_separator);

// --- What a plot of a given size shows ---------------------------------------------------------

struct PlotPixels {
    double width = 0;
    double height = 0;
};

struct TextExtent {
    double width = 0;
    double height = 0;
};
using MeasureText = std::function<TextExtent(const std::string&)>;

// A box on the plot in pixels, y down.
struct PixelBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool intersects(const PixelBox& other) const;
};

// The zoom a scroll-bar value gives: value * 0.1 + 1.
double zoom_of_scroll(int value);

} // namespace ovrelan
