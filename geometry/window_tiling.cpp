#include "geometry/window_tiling.h"

#include <algorithm>

namespace ovrelan {

namespace {

constexpr int gap = 4;               // between neighbouring windows
constexpr double graph_aspect = 2.4; // width / height of a comfortable graph

struct Grid {
    ScreenRect region;
    int columns = 1;
    int rows = 1;
    int cell_width() const { return (region.width - gap * (columns - 1)) / columns; }
    int cell_height() const { return (region.height - gap * (rows - 1)) / rows; }
    // How large a graph of the comfortable shape fits a cell: its width.
    double score() const {
        if (cell_width() <= 0 || cell_height() <= 0) {
            return 0;
        }
        return std::min<double>(cell_width(), graph_aspect * cell_height());
    }
};

Grid best_grid(const ScreenRect& region, int count) {
    Grid best{region, 1, count};
    for (int columns = 1; columns <= count; ++columns) {
        const Grid g{region, columns, (count + columns - 1) / columns};
        if (g.score() > best.score()) {
            best = g;
        }
    }
    return best;
}

} // namespace

bool ScreenRect::intersects(const ScreenRect& o) const {
    return left < o.right() && o.left < right() && top < o.bottom() && o.top < bottom();
}

bool ScreenRect::inside(const ScreenRect& o) const {
    return left >= o.left && top >= o.top && right() <= o.right() && bottom() <= o.bottom();
}

ScreenRect keep_on_screen(ScreenRect frame, const ScreenRect& available) {
    frame.width = std::min(frame.width, available.width);
    frame.height = std::min(frame.height, available.height);
    frame.left = std::clamp(frame.left, available.left, available.right() - frame.width);
    frame.top = std::clamp(frame.top, available.top, available.bottom() - frame.height);
    return frame;
}

Tiling tile_graph_windows(const ScreenRect& main, const ScreenRect& available, int count) {
    Tiling t;
    t.main = keep_on_screen({available.left, available.top, main.width, main.height}, available);
    if (count <= 0) {
        return t;
    }
    const ScreenRect right{t.main.right() + gap, available.top,
                           available.right() - t.main.right() - gap, available.height};
    const ScreenRect below{available.left, t.main.bottom() + gap, available.width,
                           available.bottom() - t.main.bottom() - gap};
    Grid grid = best_grid(right, count);
    if (const Grid g = best_grid(below, count); g.score() > grid.score()) {
        grid = g;
    }
    if (grid.score() == 0) {
        // No room beside or below: the lower half of the area, over the main window.
        const ScreenRect half{available.left, available.top + available.height / 2, available.width,
                              available.height / 2};
        grid = best_grid(half, count);
    }
    const int w = grid.cell_width();
    const int h = grid.cell_height();
    for (int i = 0; i < count; ++i) {
        const int column = i % grid.columns;
        const int row = i / grid.columns;
        t.graphs.push_back(
            {grid.region.left + column * (w + gap), grid.region.top + row * (h + gap), w, h});
    }
    return t;
}

} // namespace ovrelan
