#include "geometry/classroom_sizes.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

Sizes sizes_at(const ClassroomMetrics& m, double s) {
    const auto px = [s](double v) { return std::round(v * s); };
    Sizes z{};
    z.gap = px(m.gap);
    z.row = px(m.row);
    z.pitch = z.row + px(m.row_gap);
    z.label = px(m.field_label);
    z.field = px(m.field);
    z.panel_label = px(m.panel_label);
    z.panel_row = px(m.panel_row);
    z.header = px(m.panel_header);
    z.caption = px(m.caption);
    z.frame1_w = px(m.frame1_width);
    z.frame1_h = px(m.frame1_height);
    z.frame2_w = px(m.frame2_width);
    z.frame2_h = px(m.frame2_height);
    z.speed_bar = px(m.speed_bar);
    z.speed_label = px(m.speed_label);
    z.button = px(m.button_width);
    z.around_w = px(m.plot_around_width);
    z.around_h = px(m.plot_around_height);
    z.tab_bar = px(m.tab_bar);
    z.divider = m.divider;
    z.cell_w = least_plot_width + z.around_w;
    z.cell_h = least_plot_height + z.around_h;
    // Two plots (the amplitudes over the phase) and their notes, or a diagram and its table.
    z.extra_w = std::max(360 + px(80), z.cell_w);
    z.extra_h = 260 + px(80);
    return z;
}

} // namespace ovrelan
