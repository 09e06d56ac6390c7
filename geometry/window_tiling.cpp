#include "geometry/window_tiling.h"

#include <algorithm>
#include <optional>

namespace ovrelan {

namespace {

constexpr int gap = 4;          // between neighbouring windows
constexpr int scroll_room = 16; // a scroll bar beside a stack that scrolls
constexpr int slack = 8; // a graph of the stack measures a few pixels apart from one of its own
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

namespace {

// The four areas beside a window inside the available area.
std::vector<ScreenRect> around(const ScreenRect& main, const ScreenRect& available) {
    return {
        {main.right() + gap, available.top, available.right() - main.right() - gap,
         available.height},
        {available.left, main.bottom() + gap, available.width,
         available.bottom() - main.bottom() - gap},
        {available.left, available.top, main.left - gap - available.left, available.height},
        {available.left, available.top, available.width, main.top - gap - available.top},
    };
}

bool holds(const Grid& g, const ScreenSize& need) {
    return g.cell_width() >= need.width && g.cell_height() >= need.height;
}

ScreenRect moved(const ScreenRect& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.width, r.height};
}

// The tallest part of a band that none of the rects crossing it covers, its full width kept.
ScreenRect tallest_free_band(const ScreenRect& band, const std::vector<ScreenRect>& crossing) {
    std::vector<std::pair<int, int>> taken;
    for (const ScreenRect& c : crossing) {
        if (c.intersects(band)) {
            taken.emplace_back(c.top, c.bottom());
        }
    }
    std::sort(taken.begin(), taken.end());
    ScreenRect best{band.left, band.top, band.width, 0};
    int from = band.top;
    const auto consider = [&](int to) {
        if (to - from > best.height) {
            best = {band.left, from, band.width, to - from};
        }
    };
    for (const auto& [top, bottom] : taken) {
        consider(std::min(top - gap, band.bottom()));
        from = std::max(from, bottom + gap);
    }
    consider(band.bottom());
    return best;
}

} // namespace

GraphPlacement place_graphs(const ScreenRect& available, const ScreenRect& main,
                            const std::vector<ScreenRect>& controls, int count,
                            const GraphNeeds& needs, bool always_stacked,
                            const std::vector<ScreenRect>& bars) {
    GraphPlacement p;
    p.main = keep_on_screen(main, available);
    if (count <= 0) {
        return p;
    }
    // Windows of their own in a free area: the main window where it is, then in the corner.
    if (!always_stacked) {
        const ScreenRect corner =
            keep_on_screen({available.left, available.top, main.width, main.height}, available);
        for (const ScreenRect& m : {p.main, corner}) {
            std::optional<Grid> best;
            for (const ScreenRect& area : around(m, available)) {
                if (area.width <= 0 || area.height <= 0) {
                    continue;
                }
                const Grid g = best_grid(area, count);
                if (holds(g, needs.window) && (!best || g.score() > best->score())) {
                    best = g;
                }
            }
            if (best) {
                p.main = m;
                const int w = best->cell_width();
                const int h = best->cell_height();
                for (int i = 0; i < count; ++i) {
                    p.graphs.push_back({best->region.left + (i % best->columns) * (w + gap),
                                        best->region.top + (i / best->columns) * (h + gap), w, h});
                }
                return p;
            }
        }
    }
    // One window for all of them, beside the controls: the main window where it is or at the
    // area's right edge, and the stacked window in the tallest band left of its controls that
    // neither of its bars crosses; it scrolls through the rows when they do not all fit.
    p.stacked = true;
    const ScreenRect right_edge = keep_on_screen(
        {available.right() - main.width, available.top, main.width, main.height}, available);
    std::optional<GraphPlacement> scrolling;
    for (const ScreenRect& m : {p.main, right_edge}) {
        const int dx = m.left - main.left;
        const int dy = m.top - main.top;
        int controls_left = m.right();
        for (const ScreenRect& c : controls) {
            controls_left = std::min(controls_left, moved(c, dx, dy).left);
        }
        std::vector<ScreenRect> crossing;
        for (const ScreenRect& b : bars) {
            crossing.push_back(moved(b, dx, dy));
        }
        // Beside the main window, then under it, then over its picture between its bars.
        const ScreenRect bands[] = {
            {available.left, available.top, m.left - gap - available.left, available.height},
            {available.left, m.bottom() + gap, available.width,
             available.bottom() - m.bottom() - gap},
            tallest_free_band({available.left, available.top, controls_left - gap - available.left,
                               available.height},
                              crossing)};
        for (const ScreenRect& band : bands) {
            if (band.width <= 0 || band.height <= 0) {
                continue;
            }
            for (int columns = 1; columns <= count; ++columns) {
                const int rows = (count + columns - 1) / columns;
                const int width =
                    needs.stacked_extra.width + columns * (needs.stacked_cell.width + slack);
                const int height = needs.stacked_extra.height + rows * needs.stacked_cell.height;
                if (width <= band.width && height <= band.height) {
                    p.main = m;
                    p.columns = columns;
                    // As large as the band lets it be, but no wider than its graphs want.
                    p.graphs = {
                        {band.left, band.top, std::min(band.width, width * 3 / 2), band.height}};
                    return p;
                }
            }
            const int columns = (band.width - needs.stacked_extra.width - scroll_room) /
                                std::max(1, needs.stacked_cell.width + slack);
            if (!scrolling && columns >= 1 &&
                band.height >= needs.stacked_extra.height + needs.stacked_cell.height) {
                GraphPlacement q = p;
                q.main = m;
                q.columns = std::min(columns, count);
                q.scrolls = true;
                q.graphs = {band};
                scrolling = q;
            }
        }
    }
    if (scrolling) {
        return *scrolling;
    }
    // No band holds even one legible graph: the whole area left of the controls, between the
    // bars where they cross it, all the same.
    p.main = right_edge;
    int controls_left = right_edge.right();
    for (const ScreenRect& c : controls) {
        controls_left = std::min(
            controls_left, moved(c, right_edge.left - main.left, right_edge.top - main.top).left);
    }
    std::vector<ScreenRect> crossing;
    for (const ScreenRect& b : bars) {
        crossing.push_back(moved(b, right_edge.left - main.left, right_edge.top - main.top));
    }
    p.columns = 1;
    p.scrolls = true;
    p.graphs = {
        tallest_free_band({available.left, available.top,
                           std::max(1, controls_left - gap - available.left), available.height},
                          crossing)};
    return p;
}

ScreenRect place_window(const ScreenRect& available, const ScreenRect& main,
                        const std::vector<ScreenRect>& controls,
                        const std::vector<ScreenRect>& taken, const std::vector<ScreenRect>& own,
                        ScreenSize preferred, ScreenSize minimum) {
    const auto clear_of = [](const ScreenRect& r, const std::vector<ScreenRect>& others) {
        return std::none_of(others.begin(), others.end(),
                            [&](const ScreenRect& o) { return r.intersects(o); });
    };
    constexpr int step = 8;
    // First clear of every window and of the main window, then over the graph windows but not
    // the main window, then over the main window's picture and panel too, at last over anything
    // but the controls.
    std::vector<ScreenRect> every = taken;
    every.insert(every.end(), own.begin(), own.end());
    every.push_back(main);
    std::vector<ScreenRect> with_main = own;
    with_main.push_back(main);
    const std::vector<ScreenRect>& windows = every;
    const std::vector<ScreenRect>& main_and_own = with_main;
    for (const std::vector<ScreenRect>* avoided : {&windows, &main_and_own, &own, &controls}) {
        // From the preferred size down to the smallest, a tenth at a time.
        for (int tenth = 10; tenth >= 0; --tenth) {
            const ScreenSize size{minimum.width + (preferred.width - minimum.width) * tenth / 10,
                                  minimum.height +
                                      (preferred.height - minimum.height) * tenth / 10};
            std::optional<ScreenRect> best;
            long best_distance = 0;
            for (int top = available.top; top + size.height <= available.bottom(); top += step) {
                for (int left = available.left; left + size.width <= available.right();
                     left += step) {
                    const ScreenRect r{left, top, size.width, size.height};
                    if (!clear_of(r, controls) || !clear_of(r, *avoided)) {
                        continue;
                    }
                    const long dx = r.left - main.right();
                    const long dy = r.top - main.top;
                    // Over its own kind at last: as little of them covered as can be.
                    long covered = 0;
                    for (const ScreenRect& o : own) {
                        const long w = std::min(r.right(), o.right()) - std::max(r.left, o.left);
                        const long h = std::min(r.bottom(), o.bottom()) - std::max(r.top, o.top);
                        covered += w > 0 && h > 0 ? w * h : 0;
                    }
                    const long distance = covered * 1000000L + dx * dx + dy * dy;
                    if (!best || distance < best_distance) {
                        best = r;
                        best_distance = distance;
                    }
                }
            }
            if (best) {
                return *best;
            }
        }
    }
    return keep_on_screen({available.left, available.top, minimum.width, minimum.height},
                          available);
}

} // namespace ovrelan
