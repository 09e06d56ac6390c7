#include "geometry/graph_axes.h"

#include "model/translation.h"

#include "model/number_format.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

namespace {

// How many whole k >= 1 lie strictly below x.
int count_below(double x) {
    return x > 1 ? static_cast<int>(std::ceil(x)) - 1 : 0;
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
    std::string text = translated("Graphs", h.axis);
    text += h.constant;
    text += format_pattern(s.*v.scale, "0.00E+00", decimal_separator);
    text += translated("Graphs", h.unit);
    text += "  Tnorm=";
    text += format_pattern(s.t_scale, "0.00E+00", decimal_separator);
    text += translated("Graphs", " c");
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

double zoom_of_scroll(int value) {
    return value * 0.1 + 1;
}

} // namespace ovrelan
