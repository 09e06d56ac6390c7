#pragma once

// The sizes of the classroom layout's controls at a presentation size, in whole pixels, shared by
// the layout of the window and that of its graph area.

#include "geometry/classroom_layout.h"

namespace ovrelan {

// A vertical scroll bar beside a stack that scrolls (the style's, not scaled).
inline constexpr double scroll_bar = 16;

// Sizes at the request's scale, in whole pixels.
struct Sizes {
    double gap, row, pitch, label, field, panel_label, panel_row, header, caption;
    double frame1_w, frame1_h, frame2_w, frame2_h, speed_bar, speed_label, button;
    double around_w, around_h, tab_bar, divider;
    double cell_w, cell_h;   // a graph around its least plot
    double extra_w, extra_h; // the resonance curve or the vector diagram at their least
};

Sizes sizes_at(const ClassroomMetrics& m, double s);

// The least size of the graph area for what it shows.
Rect least_graph_area(const ClassroomRequest& r, const Sizes& z);

// Whether every graph of the area keeps its least plot.
bool area_fits(const GraphAreaLayout& a, int graphs);

} // namespace ovrelan
