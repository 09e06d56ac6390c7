#include "geometry/graph_axes.h"

#include "model/number_format.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

namespace {

// How many whole k >= 1 lie strictly below x.
int count_below(double x) {
    return x > 1 ? static_cast<int>(std::ceil(x)) - 1 : 0;
}

// The smallest power of two f with spacing·f >= wanted (1 when the spacing already is).
int whole_factor(double spacing, double wanted) {
    int f = 1;
    while (spacing * f < wanted && f < (1 << 30)) {
        f *= 2;
    }
    return f;
}

struct ToPixels {
    const GraphAxes& a;
    PlotPixels plot;
    double x(double user) const { return user / a.t_span * plot.width; }
    double y(double user) const { return (a.y_top - user) / (a.y_top - a.y_bottom) * plot.height; }
    PixelBox box(const PlacedText& t, const MeasureText& measure) const {
        const TextExtent e = measure(t.text);
        return {x(t.x), y(t.y), e.width, e.height};
    }
};

// Adds the box unless it would be cut by the plot's edges or meets one already there. The
// header and the τ may run past the right edge: cut short they still say what they say.
bool place(std::vector<PixelBox>& placed, const PixelBox& box, PlotPixels plot,
           bool may_run_past_the_right = false) {
    const bool right_inside = may_run_past_the_right || box.left + box.width <= plot.width;
    if (box.left < 0 || box.top < 0 || !right_inside || box.top + box.height > plot.height) {
        return false;
    }
    for (const PixelBox& other : placed) {
        if (box.intersects(other)) {
            return false;
        }
    }
    placed.push_back(box);
    return true;
}

} // namespace

bool PixelBox::intersects(const PixelBox& o) const {
    return left < o.left + o.width && o.left < left + width && top < o.top + o.height &&
           o.top < top + height;
}

PlacedText GraphAxes::time_label(int k) const {
    return {(2 * k - 0.3) * grid_step, 0,
            format_pattern(2 * k * grid_step, " 0.00", decimal_separator)};
}

std::string graph_header(const SimulationState& s, const GraphVariant& v, char decimal_separator) {
    const HeaderTexts h = v.header(s);
    std::string text = h.axis;
    text += h.constant;
    text += format_pattern(s.*v.scale, "0.00E+00", decimal_separator);
    text += h.unit;
    text += "  Tnorm=";
    text += format_pattern(s.t_scale, "0.00E+00", decimal_separator);
    text += " c";
    return text;
}

GraphAxes graph_axes(const SimulationState& s, const GraphVariant& v, double zoom,
                     char decimal_separator) {
    GraphAxes a;
    const double maximum = s.*v.maximum;
    const double M = maximum > 0 && std::isfinite(maximum) ? maximum : 1;
    a.y_top = zoom * (M * 1.1);
    a.y_bottom = -a.y_top;
    a.y_step = a.y_top / y_half_steps;
    a.t_span = s.t_span > 0 ? s.t_span : 1;
    a.grid_step = s.grid_step;
    a.decimal_separator = decimal_separator;
    a.vertical_lines = count_below(s.grid_count);
    a.time_labels = count_below(s.grid_count / 2);
    a.tau = {0.98 * a.t_span, 0, "τ"};
    for (int k = 1; k <= 2 * y_half_steps - 1; ++k) {
        const double y = a.y_bottom + k * a.y_step;
        a.horizontal_lines.push_back(y);
        a.value_labels.push_back({0.01 * a.t_span, a.y_bottom + (k + 0.2) * a.y_step,
                                  format_pattern(y, v.label_pattern, decimal_separator)});
    }
    a.header = {0.01 * a.t_span, 0.98 * a.y_top, graph_header(s, v, decimal_separator)};
    return a;
}

AxesShown shown_axes(const GraphAxes& a, PlotPixels plot, const MeasureText& measure) {
    AxesShown shown;
    const ToPixels px{a, plot};

    // Grid lines, thinned by a whole factor until neighbours are far enough apart.
    const double vertical_spacing = a.grid_step / a.t_span * plot.width;
    shown.vertical_factor = whole_factor(vertical_spacing, min_line_spacing_px);
    for (int k = shown.vertical_factor; k <= a.vertical_lines; k += shown.vertical_factor) {
        shown.vertical_lines.push_back(k);
    }
    const int middle = y_half_steps - 1; // the index of the line at 0, the time axis
    const double horizontal_spacing = plot.height / (2.0 * y_half_steps);
    shown.horizontal_factor = whole_factor(horizontal_spacing, min_line_spacing_px);
    const auto on_kept_line = [&](int i, int factor) { return (i - middle) % factor == 0; };
    for (int i = 0; i < static_cast<int>(a.horizontal_lines.size()); ++i) {
        if (on_kept_line(i, shown.horizontal_factor)) {
            shown.horizontal_lines.push_back(i);
        }
    }

    // Labels in order of precedence: the header, the τ, the value labels, the time labels.
    std::vector<PixelBox>& placed = shown.label_boxes;
    shown.header = place(placed, px.box(a.header, measure), plot, true);
    shown.tau = place(placed, px.box(a.tau, measure), plot, true);

    // Value labels: one line height apart at the least; never under the header.
    double value_height = 0;
    for (const PlacedText& label : a.value_labels) {
        value_height = std::max(value_height, measure(label.text).height);
    }
    shown.value_label_factor = std::max(
        shown.horizontal_factor, whole_factor(horizontal_spacing, value_height + label_gap_px));
    for (int i = 0; i < static_cast<int>(a.value_labels.size()); ++i) {
        if (on_kept_line(i, shown.value_label_factor) &&
            place(placed, px.box(a.value_labels[static_cast<std::size_t>(i)], measure), plot)) {
            shown.value_labels.push_back(i);
        }
    }

    // Time labels: the widest (the last) sets how many to skip; they stand on drawn lines only
    // (label k belongs to line 2k).
    if (a.time_labels > 0) {
        const double widest = measure(a.time_label(a.time_labels).text).width;
        const double label_spacing = 2 * vertical_spacing;
        shown.time_label_factor = std::max(whole_factor(label_spacing, widest + label_gap_px),
                                           std::max(1, shown.vertical_factor / 2));
        for (int k = shown.time_label_factor; k <= a.time_labels; k += shown.time_label_factor) {
            if (place(placed, px.box(a.time_label(k), measure), plot)) {
                shown.time_labels.push_back(k);
            }
        }
    }
    return shown;
}

double zoom_of_scroll(int value) {
    return value * 0.1 + 1;
}

} // namespace ovrelan
