#include "geometry/classroom_layout.h"

#include "geometry/classroom_sizes.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace ovrelan {

namespace {

// The groups of the characteristics panel, three labels each, as the panel shows them:
// frequencies, periods, damping, resistance and charge, the dimensionless ratios.
constexpr int panel_groups = 5;
constexpr int first_of_group[panel_groups] = {12, 15, 18, 21, 24};

double column_width(const Sizes& z) {
    return z.gap + z.label + z.field + z.gap;
}

// The parameter column from x to the client's right edge; the height it needs.
double place_column(std::vector<Placement>& out, double x, double height, const Sizes& z) {
    const auto place = [&out](std::string name, double l, double t, double w, double h) {
        out.push_back({std::move(name), Rect{l, t, w, h}});
    };
    const double left = x + z.gap;
    const double inner = z.label + z.field;
    place("Label0", left, z.gap, inner, z.row);
    for (int k = 1; k <= 7; ++k) {
        const double top = z.gap + k * z.pitch;
        place("Label" + std::to_string(k), left, top, z.label, z.row);
        place("Text" + std::to_string(k), left + z.label, top, z.field, z.row);
    }
    const double frames_top = z.gap + 8 * z.pitch;
    place("Frame1", left, frames_top, z.frame1_w, z.frame1_h);
    place("Frame2", left + inner - z.frame2_w, frames_top, z.frame2_w, z.frame2_h);
    const double frames_bottom = frames_top + std::max(z.frame1_h, z.frame2_h) + z.gap;
    // The run controls at the bottom, where the normal window has them, when there is room.
    const double run_height = z.speed_bar + z.speed_label + z.gap + z.row;
    const double run_top = std::max(frames_bottom, height - z.gap - run_height);
    const double half = (inner - z.gap) / 2;
    place("HScroll1", left, run_top, half, z.speed_bar);
    place("Label31", left + half / 4, run_top + z.speed_bar, half / 2, z.speed_label);
    place("HScroll2", left + half + z.gap, run_top, half, z.speed_bar);
    place("Label32", left + half + z.gap + half / 4, run_top + z.speed_bar, half / 2,
          z.speed_label);
    place("CmdOK", left + inner / 2 - z.button / 2, run_top + z.speed_bar + z.speed_label + z.gap,
          z.button, z.row);
    return frames_bottom + run_height + z.gap;
}

// How many of the panel's groups stand side by side in this width (at least one).
int groups_across(double width, const Sizes& z) {
    const double group = z.panel_label + z.gap;
    return std::clamp(static_cast<int>(std::floor((width + z.gap) / group)), 1, panel_groups);
}

// The circuit and its regime: beside the header when it fits there on one line, otherwise on
// lines of its own under it (word wrap leaves a part of each line empty: a fifth is allowed).
bool caption_beside(double width, const Sizes& z) {
    return z.caption <= width - z.header - z.gap;
}

int caption_lines(double width, const Sizes& z) {
    if (caption_beside(width, z)) {
        return 1;
    }
    return 1 +
           std::clamp(static_cast<int>(std::ceil(1.2 * z.caption / std::max(1.0, width))), 1, 4);
}

double panel_height(double width, const Sizes& z) {
    const int across = groups_across(width, z);
    const int bands = (panel_groups + across - 1) / across;
    return caption_lines(width, z) * z.panel_row + z.gap / 2 + 3 * bands * z.panel_row;
}

// The narrowest panel width that shows it in its least height for this many groups across.
double panel_width_for(int across, const Sizes& z) {
    return across * (z.panel_label + z.gap) - z.gap;
}

void place_panel(std::vector<Placement>& out, double x, double y, double width, const Sizes& z) {
    const int lines = caption_lines(width, z);
    out.push_back({"Label11", Rect{x, y, z.header, z.panel_row}});
    if (caption_beside(width, z)) {
        out.push_back(
            {"Label27", Rect{x + z.header + z.gap, y, width - z.header - z.gap, z.panel_row}});
    } else {
        out.push_back({"Label27", Rect{x, y + z.panel_row, width, (lines - 1) * z.panel_row}});
    }
    const int across = groups_across(width, z);
    const double top = y + lines * z.panel_row + z.gap / 2;
    for (int g = 0; g < panel_groups; ++g) {
        const int band = g / across;
        const int column = g % across;
        for (int i = 0; i < 3; ++i) {
            out.push_back({"Label" + std::to_string(first_of_group[g] + i),
                           Rect{x + column * (z.panel_label + z.gap),
                                top + (band * 3 + i) * z.panel_row, z.panel_label, z.panel_row}});
        }
    }
}

} // namespace

const Rect& ClassroomLayout::at(const std::string& name) const {
    for (const Placement& p : controls) {
        if (p.name == name) {
            return p.rect;
        }
    }
    throw std::out_of_range("no control named " + name);
}

namespace {

bool extras_fit(const GraphAreaLayout& a, const Sizes& z) {
    const auto fits = [&z](const Rect& e) {
        return e.width == 0 || (e.width >= z.extra_w && e.height >= z.extra_h);
    };
    return fits(a.resonance) && fits(a.vector);
}

ClassroomLayout scene_only(const ClassroomRequest& r, const Sizes& z, double column_left) {
    ClassroomLayout layout;
    const double width = column_left - z.gap;
    const double panel = panel_height(width, z);
    layout.scene = {z.gap, z.gap, width, r.height - panel - 3 * z.gap};
    place_panel(layout.controls, z.gap, r.height - z.gap - panel, width, z);
    layout.fits =
        layout.scene.width >= least_scene_width && layout.scene.height >= least_scene_height;
    return layout;
}

ClassroomLayout beside(const ClassroomRequest& r, const Sizes& z, double column_left,
                       const Rect& least_area) {
    ClassroomLayout layout;
    layout.arrangement = Arrangement::beside;
    const double room = column_left - z.gap - z.gap - z.divider; // scene side + graph area
    // The scene side's least width: the scene's, and enough groups of the panel across that
    // the scene keeps its least height under it.
    double least_left = least_scene_width;
    for (int across = 1; across <= panel_groups; ++across) {
        const double w = std::max(least_scene_width, panel_width_for(across, z));
        if (r.height - 3 * z.gap - panel_height(w, z) >= least_scene_height) {
            least_left = w;
            break;
        }
        least_left = w;
    }
    const double least_graphs = least_area.width;
    if (room < least_left + least_graphs || r.height - 2 * z.gap < least_area.height) {
        return layout;
    }
    const double graphs_w = std::clamp(std::round(r.split * room), least_graphs, room - least_left);
    const double left_w = room - graphs_w;
    const double panel = panel_height(left_w, z);
    layout.scene = {z.gap, z.gap, left_w, r.height - panel - 3 * z.gap};
    place_panel(layout.controls, z.gap, r.height - z.gap - panel, left_w, z);
    layout.divider = {z.gap + left_w + z.gap / 2, z.gap, z.divider, r.height - 2 * z.gap};
    layout.divider_vertical = true;
    layout.graph_area = {z.gap + left_w + z.gap + z.divider, z.gap, graphs_w, r.height - 2 * z.gap};
    layout.area = arrange_graph_area(layout.graph_area.width, layout.graph_area.height, r);
    layout.fits = layout.scene.width >= least_scene_width &&
                  layout.scene.height >= least_scene_height && area_fits(layout.area, r.graphs) &&
                  extras_fit(layout.area, z);
    return layout;
}

ClassroomLayout below(const ClassroomRequest& r, const Sizes& z, double column_left,
                      const Rect& least_area) {
    ClassroomLayout layout;
    layout.arrangement = Arrangement::below;
    const double width = column_left - z.gap;             // the scene's, and the band's under it
    const double room = r.height - 3 * z.gap - z.divider; // the scene and the band
    // The band's least height: the graph area's, and the panel's beside it at its widest.
    const double widest_panel = width - z.gap - least_area.width;
    if (widest_panel < panel_width_for(1, z)) {
        return layout;
    }
    const double least_band = std::max(least_area.height, panel_height(widest_panel, z));
    if (room < least_scene_height + least_band) {
        return layout;
    }
    const double band =
        std::clamp(std::round(r.split * room), least_band, room - least_scene_height);
    // The panel as narrow as its height in the band allows; the graphs take the rest.
    double panel_w = widest_panel;
    for (int across = 1; across <= panel_groups; ++across) {
        const double w = panel_width_for(across, z);
        if (w <= widest_panel && panel_height(w, z) <= band) {
            panel_w = w;
            break;
        }
    }
    const double graphs_w = width - z.gap - panel_w;
    const double scene_h = room - band;
    layout.scene = {z.gap, z.gap, width, scene_h};
    layout.divider = {z.gap, z.gap + scene_h + z.gap / 2, width, z.divider};
    layout.divider_vertical = false;
    const double band_top = z.gap + scene_h + z.gap + z.divider;
    layout.graph_area = {z.gap, band_top, graphs_w, band};
    place_panel(layout.controls, z.gap + graphs_w + z.gap, band_top, panel_w, z);
    layout.area = arrange_graph_area(graphs_w, band, r);
    layout.fits = layout.scene.width >= least_scene_width &&
                  layout.scene.height >= least_scene_height && area_fits(layout.area, r.graphs) &&
                  extras_fit(layout.area, z);
    return layout;
}

} // namespace

ClassroomLayout arrange_classroom(const ClassroomRequest& r) {
    const Sizes z = sizes_at(r.metrics, r.scale);
    const double column_left = r.width - column_width(z);
    std::vector<Placement> column;
    const double column_needs = place_column(column, column_left, r.height, z);
    const bool graph_area = r.graphs > 0 || r.resonance || r.vector;
    ClassroomLayout layout;
    if (!graph_area) {
        layout = scene_only(r, z, column_left);
    } else {
        const Rect least_area = least_graph_area(r, z);
        layout = beside(r, z, column_left, least_area);
        if (!layout.fits) {
            ClassroomLayout other = below(r, z, column_left, least_area);
            if (other.fits || layout.controls.empty()) {
                layout = std::move(other);
            }
        }
    }
    layout.scale = r.scale;
    layout.fits = layout.fits && column_needs <= r.height && column_left > 0;
    layout.controls.insert(layout.controls.end(), column.begin(), column.end());
    layout.controls.push_back({"Picture1", layout.scene});
    return layout;
}

double split_at(const ClassroomRequest& r, const ClassroomLayout& l, double position) {
    const Sizes z = sizes_at(r.metrics, l.scale);
    double room = 0;
    double others = 0; // the scene's side at this position
    if (l.arrangement == Arrangement::beside) {
        room = l.graph_area.left + l.graph_area.width - l.scene.left - z.gap - z.divider;
        others = position - l.scene.left - z.gap / 2 - z.divider / 2;
    } else if (l.arrangement == Arrangement::below) {
        room = r.height - 3 * z.gap - z.divider;
        others = position - l.scene.top - z.gap / 2 - z.divider / 2;
    }
    return room > 0 ? std::clamp((room - others) / room, 0.0, 1.0) : r.split;
}

ClassroomLayout fitting_classroom(ClassroomRequest request) {
    const double asked = std::max(1.0, request.scale);
    for (int step = 0;; ++step) {
        request.scale = std::max(1.0, asked - step * 0.05);
        ClassroomLayout layout = arrange_classroom(request);
        if (layout.fits || request.scale <= 1.0) {
            return layout;
        }
    }
}

} // namespace ovrelan
