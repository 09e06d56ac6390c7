// The graph area of the classroom layout: the stack of time graphs, and the resonance curve and
// the vector diagram beside it, under it or on tabs, as its size allows.
#include "geometry/classroom_layout.h"

#include "geometry/classroom_sizes.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

// The least size of the graph area for what it shows.
Rect least_graph_area(const ClassroomRequest& r, const Sizes& z) {
    const bool extras = r.resonance || r.vector;
    // Room for a scroll bar beside graphs that may not all fit one over the other.
    const double stack_w = z.cell_w + (r.graphs > 1 ? scroll_bar : 0.0);
    if (!extras) {
        return {0, 0, stack_w, z.cell_h};
    }
    // In tabs, one page at a time.
    const double w = std::max(r.graphs > 0 ? stack_w : 0.0, z.extra_w);
    const double h = std::max(r.graphs > 0 ? z.cell_h : 0.0, z.extra_h);
    const bool one_view = r.graphs == 0 && !(r.resonance && r.vector);
    return {0, 0, w, h + (one_view ? 0 : z.tab_bar)};
}

namespace {

// The stack of time graphs in a place of this size.
void arrange_stack(GraphAreaLayout& a, double width, double height, int graphs, const Sizes& z) {
    a.columns = 1;
    a.rows = graphs;
    if (graphs <= 0) {
        a.rows = 0;
        return;
    }
    for (int c = 1; c <= graphs; ++c) {
        const int rows = (graphs + c - 1) / c;
        if (c * z.cell_w <= width && rows * z.cell_h <= height) {
            a.columns = c;
            a.rows = rows;
            a.cell_width = std::floor(width / c);
            a.cell_height = std::floor(height / rows);
            a.stack_height = height;
            a.scrolls = false;
            a.plot_width = a.cell_width - z.around_w;
            a.plot_height = a.cell_height - z.around_h;
            return;
        }
    }
    // Too many for the place: as many columns as fit, each graph at its least height, scrolled.
    const double inner = width - scroll_bar;
    a.columns = std::clamp(static_cast<int>(std::floor(inner / z.cell_w)), 1, graphs);
    a.rows = (graphs + a.columns - 1) / a.columns;
    a.cell_width = std::floor(inner / a.columns);
    a.cell_height = z.cell_h;
    a.stack_height = a.rows * z.cell_h;
    a.scrolls = true;
    a.plot_width = a.cell_width - z.around_w;
    a.plot_height = a.cell_height - z.around_h;
}

} // namespace

bool area_fits(const GraphAreaLayout& a, int graphs) {
    return graphs == 0 || (a.plot_width >= least_plot_width && a.plot_height >= least_plot_height);
}

GraphAreaLayout arrange_graph_area(double width, double height, const ClassroomRequest& r) {
    const Sizes z = sizes_at(r.metrics, r.scale);
    GraphAreaLayout a;
    const int extras = (r.resonance ? 1 : 0) + (r.vector ? 1 : 0);
    const auto place_extras = [&](Rect first, double dx, double dy) {
        if (r.resonance) {
            a.resonance = first;
            first.left += dx;
            first.top += dy;
        }
        if (r.vector) {
            a.vector = first;
        }
    };
    if (extras == 0) {
        a.stack = {0, 0, width, height};
        arrange_stack(a, width, height, r.graphs, z);
        return a;
    }
    if (r.graphs == 0) {
        // The curve and the diagram alone: side by side, one over the other, or in tabs.
        if (extras == 1 && width >= z.extra_w && height >= z.extra_h) {
            place_extras({0, 0, width, height}, 0, 0);
            return a;
        }
        const double half_w = std::floor((width - z.gap) / 2);
        const double half_h = std::floor((height - z.gap) / 2);
        if (extras == 2 && half_w >= z.extra_w && height >= z.extra_h) {
            place_extras({0, 0, half_w, height}, half_w + z.gap, 0);
            return a;
        }
        if (extras == 2 && width >= z.extra_w && half_h >= z.extra_h) {
            place_extras({0, 0, width, half_h}, 0, half_h + z.gap);
            return a;
        }
    } else {
        // The graphs left, the curve and the diagram in a column on the right.
        const double column_h = std::floor((height - (extras - 1) * z.gap) / extras);
        if (width >= z.cell_w + z.gap + z.extra_w && column_h >= z.extra_h && height >= z.cell_h) {
            const double extras_w =
                std::clamp(std::round((width - z.gap) * 0.42), z.extra_w, width - z.gap - z.cell_w);
            const double stack_w = width - z.gap - extras_w;
            a.stack = {0, 0, stack_w, height};
            arrange_stack(a, stack_w, height, r.graphs, z);
            place_extras({stack_w + z.gap, 0, extras_w, column_h}, 0, column_h + z.gap);
            return a;
        }
        // The graphs on top, the curve and the diagram side by side under them.
        const double row_w = std::floor((width - (extras - 1) * z.gap) / extras);
        if (height >= z.cell_h + z.gap + z.extra_h && row_w >= z.extra_w && width >= z.cell_w) {
            const double extras_h = std::clamp(std::round((height - z.gap) * 0.45), z.extra_h,
                                               height - z.gap - z.cell_h);
            const double stack_h = height - z.gap - extras_h;
            a.stack = {0, 0, width, stack_h};
            arrange_stack(a, width, stack_h, r.graphs, z);
            place_extras({0, stack_h + z.gap, row_w, extras_h}, row_w + z.gap, 0);
            return a;
        }
    }
    // Tabs: the graphs, the curve, the diagram, one page at a time.
    a.tabs = true;
    a.tab_bar = z.tab_bar;
    const Rect page{0, z.tab_bar, width, std::max(0.0, height - z.tab_bar)};
    if (r.graphs > 0) {
        a.stack = page;
        arrange_stack(a, page.width, page.height, r.graphs, z);
    }
    if (r.resonance) {
        a.resonance = page;
    }
    if (r.vector) {
        a.vector = page;
    }
    return a;
}

} // namespace ovrelan
