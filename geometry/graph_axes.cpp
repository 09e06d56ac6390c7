#include "geometry/graph_axes.h"

#include "model/number_format.h"

#include <cmath>
#include <unordered_set>

namespace ovrelan {

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
    const double M = s.*v.maximum;
    a.y_top = zoom * (M * 1.1);
    a.y_bottom = -a.y_top;
    a.y_step = a.y_top / y_half_steps;
    a.t_span = s.t_span;

    for (int k = 1; k < s.grid_count; ++k) {
        const double x = k * s.grid_step;
        a.vertical_lines.push_back(x);
        if (k < s.grid_count / 2) {
            a.time_labels.push_back(
                {(2 * k - 0.3) * s.grid_step, 0,
                 format_pattern(2 * k * s.grid_step, " 0.00", decimal_separator)});
        }
    }
    a.tau = {0.98 * s.t_span, 0, "τ"};

    for (int k = 1; k <= 2 * y_half_steps - 1; ++k) {
        const double y = a.y_bottom + k * a.y_step;
        a.horizontal_lines.push_back(y);
        a.value_labels.push_back({0.01 * s.t_span, a.y_bottom + (k + 0.2) * a.y_step,
                                  format_pattern(y, v.label_pattern, decimal_separator)});
    }
    a.header = {0.01 * s.t_span, 0.98 * a.y_top, graph_header(s, v, decimal_separator)};
    return a;
}

int pixel_column(double x, double span, int width_px) {
    return static_cast<int>(std::floor(x / span * width_px));
}

std::vector<std::size_t> distinct_columns(const std::vector<double>& xs, double span,
                                          int width_px) {
    std::vector<std::size_t> kept;
    std::unordered_set<int> columns;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (columns.insert(pixel_column(xs[i], span, width_px)).second) {
            kept.push_back(i);
        }
    }
    return kept;
}

std::vector<std::size_t> replot_samples(int k_now) {
    std::vector<std::size_t> indices;
    for (int i = 0; i <= k_now; i += 2) {
        indices.push_back(static_cast<std::size_t>(i));
    }
    return indices;
}

double zoom_of_scroll(int value) {
    return value * 0.1 + 1;
}

} // namespace ovrelan
