// The frame of a graph as data: vertical range, grid lines, tick labels and header, computed
// from the state for one window, so the window only draws it.
#pragma once

#include "geometry/graph_variants.h"
#include "model/simulation_state.h"

#include <string>
#include <vector>

namespace ovrelan {

struct PlacedText {
    double x; // pen position (user units) of the text's top-left corner
    double y;
    std::string text;
};

struct GraphAxes {
    double y_top = 0;
    double y_bottom = 0;
    double y_step = 0;
    double t_span = 0;
    std::vector<double> vertical_lines;   // x of each vertical grid line
    std::vector<PlacedText> time_labels;  // below the time axis, left of every second line
    PlacedText tau;                       // the name of the time axis
    std::vector<double> horizontal_lines; // y of each of the 2 * y_half_steps - 1 lines
    std::vector<PlacedText> value_labels;
    PlacedText header;
};

// Horizontal grid intervals between the time axis and the top of every graph (and the bottom).
inline constexpr int y_half_steps = 11;

// Vertical range from the window's zoom and maximum, grid, labels and header.
GraphAxes graph_axes(const SimulationState& s, const GraphVariant& v, double zoom,
                     char decimal_separator);

// The header: axis text, constant name and value, unit, "  Tnorm=", t_scale, " c".
std::string graph_header(const SimulationState& s, const GraphVariant& v, char decimal_separator);

// Where a plot of width_px pixels spanning 0 ... span puts x: its pixel column.
int pixel_column(double x, double span, int width_px);

// Indices of the positions that fall into a pixel column none before them fell into. A second
// grid line or label in the same column would draw the same pixels again.
std::vector<std::size_t> distinct_columns(const std::vector<double>& xs, double span, int width_px);

// Indices of the samples the full replot joins: 0, 2, 4, ... up to k_now.
std::vector<std::size_t> replot_samples(int k_now);

// The zoom a scroll-bar value gives: value * 0.1 + 1.
double zoom_of_scroll(int value);

} // namespace ovrelan
