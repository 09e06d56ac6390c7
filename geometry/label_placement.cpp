#include "geometry/label_placement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ovrelan {

namespace {

constexpr double spacing = 2; // at least between two names

PixelBox centred(double x, double y, const TextExtent& e) {
    return {x - e.width / 2, y - e.height / 2, e.width, e.height};
}

// How far a box of this extent reaches from its centre along the unit direction (dx, dy).
double reach_along(const TextExtent& e, double dx, double dy) {
    return std::fabs(dx) * e.width / 2 + std::fabs(dy) * e.height / 2;
}

bool inside(const PixelBox& box, const PixelBox& area) {
    return box.left >= area.left - 1e-9 && box.top >= area.top - 1e-9 &&
           box.left + box.width <= area.left + area.width + 1e-9 &&
           box.top + box.height <= area.top + area.height + 1e-9;
}

PixelBox grown(const PixelBox& b, double by) {
    return {b.left - by, b.top - by, b.width + 2 * by, b.height + 2 * by};
}

// The places a name may take, best first.
std::vector<PixelBox> candidates(const std::vector<LabelArrow>& arrows, const LabelRequest& r,
                                 double clearance) {
    std::vector<PixelBox> out;
    const TextExtent& e = r.extent;
    const auto around = [&](double x, double y) {
        constexpr double diagonal = 0.70710678118654752;
        const double directions[][2] = {{0, -1},
                                        {1, 0},
                                        {0, 1},
                                        {-1, 0},
                                        {diagonal, -diagonal},
                                        {diagonal, diagonal},
                                        {-diagonal, diagonal},
                                        {-diagonal, -diagonal}};
        for (const auto& d : directions) {
            const double away = clearance + reach_along(e, d[0], d[1]);
            out.push_back(centred(x + d[0] * away, y + d[1] * away, e));
        }
    };
    if (r.arrow < 0 || r.arrow >= static_cast<int>(arrows.size())) {
        out.push_back(centred(r.x, r.y, e));
        around(r.x, r.y);
        return out;
    }
    const LabelArrow& a = arrows[static_cast<std::size_t>(r.arrow)];
    const double dx = a.x1 - a.x0;
    const double dy = a.y1 - a.y0;
    const double length = std::hypot(dx, dy);
    if (length < 1) {
        around(a.x1, a.y1);
        return out;
    }
    const double ux = dx / length;
    const double uy = dy / length;
    const double nx = -uy;
    const double ny = ux;
    const double side_away = clearance + reach_along(e, nx, ny);
    for (const double t : {0.5, 0.65, 0.35, 0.8, 0.2}) {
        const double x = a.x0 + t * dx;
        const double y = a.y0 + t * dy;
        for (const double side : {1.0, -1.0}) {
            out.push_back(centred(x + side * nx * side_away, y + side * ny * side_away, e));
        }
    }
    // Beyond the head, straight on and to either side of it.
    const double ahead = clearance + reach_along(e, ux, uy);
    out.push_back(centred(a.x1 + ux * ahead, a.y1 + uy * ahead, e));
    for (const double side : {1.0, -1.0}) {
        const double x = a.x1 + ux * ahead * 0.5 + side * nx * side_away;
        const double y = a.y1 + uy * ahead * 0.5 + side * ny * side_away;
        out.push_back(centred(x, y, e));
    }
    // Beyond the tail, last.
    const double behind = clearance + reach_along(e, ux, uy);
    out.push_back(centred(a.x0 - ux * behind, a.y0 - uy * behind, e));
    return out;
}

} // namespace

PixelBox head_box(const LabelArrow& a, double head) {
    const double dx = a.x1 - a.x0;
    const double dy = a.y1 - a.y0;
    const double length = std::hypot(dx, dy);
    if (length < 1e-9) {
        return {a.x1 - head / 2, a.y1 - head / 2, head, head};
    }
    const double h = std::min(head, length / 2);
    const double ux = dx / length;
    const double uy = dy / length;
    const double bx = a.x1 - ux * h;
    const double by = a.y1 - uy * h;
    const double px = -uy * h * 0.4;
    const double py = ux * h * 0.4;
    const double xs[] = {a.x1, bx + px, bx - px};
    const double ys[] = {a.y1, by + py, by - py};
    const double left = *std::min_element(std::begin(xs), std::end(xs));
    const double top = *std::min_element(std::begin(ys), std::end(ys));
    return {left, top, *std::max_element(std::begin(xs), std::end(xs)) - left,
            *std::max_element(std::begin(ys), std::end(ys)) - top};
}

bool crosses(const PixelBox& box, double x0, double y0, double x1, double y1) {
    // Liang–Barsky: clip the segment's parameter range to the box's four sides.
    double t0 = 0;
    double t1 = 1;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x0 - box.left, box.left + box.width - x0, y0 - box.top,
                        box.top + box.height - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    return true;
}

std::vector<PlacedLabel> place_labels(const std::vector<LabelArrow>& arrows,
                                      const std::vector<LabelRequest>& labels,
                                      const LabelRoom& room) {
    std::vector<PixelBox> heads;
    for (const LabelArrow& a : arrows) {
        heads.push_back(head_box(a, room.head));
    }
    std::vector<PixelBox> taken = room.taken;
    std::vector<PlacedLabel> out;
    for (const LabelRequest& r : labels) {
        PlacedLabel placed{r.text, {}, false};
        int fewest = std::numeric_limits<int>::max();
        for (const PixelBox& box : candidates(arrows, r, room.clearance)) {
            if (!inside(box, room.area)) {
                continue;
            }
            const PixelBox spaced = grown(box, spacing);
            const auto meets = [&](const PixelBox& b) { return spaced.intersects(b); };
            if (std::any_of(taken.begin(), taken.end(), meets) ||
                std::any_of(heads.begin(), heads.end(), meets)) {
                continue;
            }
            int crossings = 0;
            for (const auto* list : {&arrows, &room.lines}) {
                for (const LabelArrow& a : *list) {
                    crossings += crosses(box, a.x0, a.y0, a.x1, a.y1) ? 1 : 0;
                }
            }
            if (crossings < fewest) {
                fewest = crossings;
                placed.box = box;
                placed.placed = true;
                if (crossings == 0) {
                    break;
                }
            }
        }
        if (placed.placed) {
            taken.push_back(placed.box);
        }
        out.push_back(placed);
    }
    return out;
}

} // namespace ovrelan
