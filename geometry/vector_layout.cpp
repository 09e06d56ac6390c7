#include "geometry/vector_layout.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

namespace {

// The diagram's reach (its farthest point from the origin) takes this share of the smaller side
// of its room: the rest is for the names.
constexpr double reach_share = 0.40;
// The inset is drawn when it magnifies at least this much.
constexpr double least_magnification = 3;

const Phasor* find(const VectorDiagram& d, const std::string& name) {
    for (const Phasor& v : d.phasors) {
        if (v.name == name) {
            return &v;
        }
    }
    return nullptr;
}

double length_of(const LabelArrow& a) {
    return std::hypot(a.x1 - a.x0, a.y1 - a.y0);
}

struct Panel {
    DiagramPanel p;

    LabelArrow to_px(double x0, double y0, double x1, double y1) const {
        return {p.origin_x + x0 * p.unit, p.origin_y - y0 * p.unit, p.origin_x + x1 * p.unit,
                p.origin_y - y1 * p.unit};
    }
    void add(const Phasor& v) { p.arrows.push_back({v.name, to_px(v.x0, v.y0, v.x1, v.y1)}); }
};

// Where φ is named: inside the angle beside its arc where the arc is large enough, else just
// outside the arc's middle.
LabelRequest phi_label(const PhiArc& arc, const MeasureText& measure, double clearance) {
    const TextExtent e = measure("φ");
    const double middle = arc.from + arc.sweep / 2;
    const double size = std::hypot(e.width, e.height) / 2;
    const double r = arc.radius >= 2 * (size + clearance) ? arc.radius - clearance - size
                                                          : arc.radius + clearance + size;
    return {"φ", e, -1, arc.x + r * std::cos(middle), arc.y - r * std::sin(middle)};
}

// Names for φ and the arrows listed (shortest first: a long arrow has more room beside it).
void name_arrows(DiagramPanel& panel, const std::vector<std::string>& names,
                 const MeasureText& measure, double scale, const std::vector<PixelBox>& taken) {
    std::vector<LabelArrow> arrows;
    std::vector<LabelRequest> requests;
    for (const DiagramArrow& a : panel.arrows) {
        arrows.push_back(a.at);
    }
    for (std::size_t i = 0; i < panel.arrows.size(); ++i) {
        const DiagramArrow& a = panel.arrows[i];
        if (std::find(names.begin(), names.end(), a.name) != names.end() && length_of(a.at) >= 2) {
            requests.push_back({a.name, measure(a.name), static_cast<int>(i), 0, 0});
        }
    }
    std::stable_sort(requests.begin(), requests.end(),
                     [&](const LabelRequest& a, const LabelRequest& b) {
                         return length_of(arrows[static_cast<std::size_t>(a.arrow)]) <
                                length_of(arrows[static_cast<std::size_t>(b.arrow)]);
                     });
    LabelRoom room;
    if (panel.arc) {
        // φ first: its arc is short, and the others should keep clear of the arc.
        requests.insert(requests.begin(), phi_label(*panel.arc, measure, 4 * scale));
        const PhiArc& a = *panel.arc;
        constexpr int pieces = 12;
        for (int k = 0; k < pieces; ++k) {
            const double t0 = a.from + a.sweep * k / pieces;
            const double t1 = a.from + a.sweep * (k + 1) / pieces;
            room.lines.push_back({a.x + a.radius * std::cos(t0), a.y - a.radius * std::sin(t0),
                                  a.x + a.radius * std::cos(t1), a.y - a.radius * std::sin(t1)});
        }
    }
    room.area = panel.area;
    room.head = 12 * scale;
    room.clearance = 4 * scale;
    room.taken = taken;
    panel.labels = place_labels(arrows, requests, room);
}

} // namespace

double round_magnification(double wanted) {
    if (!(wanted >= 1) || !std::isfinite(wanted)) {
        return 1;
    }
    const double decade = std::pow(10.0, std::floor(std::log10(wanted)));
    for (const double m : {8.0, 6.0, 5.0, 4.0, 3.0, 2.0, 1.5, 1.0}) {
        if (m * decade <= wanted * (1 + 1e-12)) {
            return m * decade;
        }
    }
    return decade;
}

VectorLayout vector_layout(const VectorDiagram& d, const PixelBox& area, const MeasureText& measure,
                           double scale) {
    VectorLayout out;
    out.diagram.area = area;
    const Phasor* emf = find(d, "ε");
    const Phasor* current = find(d, "I");
    if (emf == nullptr || current == nullptr || !(d.reach > 0)) {
        return out;
    }
    const Phasor* ur = find(d, "Ur");
    const Phasor* sum = find(d, "UL+Uc");

    // The inset: beside the diagram where the room is wide, beneath it where it is tall.
    const bool wide = area.width >= area.height;
    const double margin = 4 * scale;
    PixelBox main_room = area;
    PixelBox inset_room;
    if (wide) {
        main_room.width = 0.6 * area.width;
        inset_room = {area.left + main_room.width + margin, area.top + margin,
                      area.width - main_room.width - 2 * margin, area.height - 2 * margin};
    } else {
        main_room.height = 0.6 * area.height;
        inset_room = {area.left + margin, area.top + main_room.height + margin,
                      area.width - 2 * margin, area.height - main_room.height - 2 * margin};
    }
    const double emf_volts = std::hypot(emf->x1, emf->y1);
    const auto unit_in = [&](const PixelBox& room, double reach) {
        return reach_share * std::min(room.width, room.height) / reach;
    };
    // The triangle lies in the circle on its hypotenuse ε: that circle fills the inset.
    const double inset_unit = 2 * unit_in(inset_room, emf_volts);
    const double magnification = round_magnification(inset_unit / unit_in(main_room, d.reach));
    const bool with_inset = sum != nullptr && emf_volts > 0 && inset_room.width > 0 &&
                            inset_room.height > 0 && magnification >= least_magnification;
    if (!with_inset) {
        main_room = area;
    }

    // The diagram: the origin at the room's centre.
    Panel main;
    main.p.area = main_room;
    main.p.origin_x = main_room.left + main_room.width / 2;
    main.p.origin_y = main_room.top + main_room.height / 2;
    main.p.unit = unit_in(main_room, d.reach);
    if (!(main.p.unit > 0) || !std::isfinite(main.p.unit)) {
        return out; // no room to draw in
    }
    // The current along Ur, a length of its own that stands clear of Ur's, drawn a little aside
    // (away from the EMF), beneath the voltages.
    const double ur_volts = ur != nullptr ? ur->amplitude : 0;
    const double i_volts =
        std::fabs(ur_volts - 0.5 * d.reach) >= 0.2 * d.reach ? 0.5 * d.reach : 0.8 * d.reach;
    const double i_angle = std::atan2(current->y1, current->x1);
    const double ix = std::cos(i_angle);
    const double iy = std::sin(i_angle);
    const double emf_side = ix * emf->y1 - iy * emf->x1; // > 0: the EMF to the current's left
    const double aside = (emf_side > 0 ? -1 : 1) * 5 * scale / main.p.unit; // volts
    const double ox = -iy * aside;
    const double oy = ix * aside;
    main.p.arrows.push_back({"I", main.to_px(ox, oy, ox + i_volts * ix, oy + i_volts * iy)});
    for (const Phasor& v : d.phasors) {
        if (v.name != "I") {
            main.add(v);
        }
    }
    const auto arc_at = [&](const Panel& panel, double radius_volts) {
        return PhiArc{panel.p.origin_x, panel.p.origin_y, radius_volts * panel.p.unit, i_angle,
                      d.phi};
    };

    if (!with_inset) {
        const double radius = 0.5 * std::min(emf_volts, i_volts);
        if (radius * main.p.unit >= 12 * scale) {
            main.p.arc = arc_at(main, radius);
        }
        name_arrows(main.p, {"ε", "Ur", "UL", "Uc", "UL+Uc", "I"}, measure, scale, {});
        out.diagram = main.p;
        return out;
    }

    // The inset: the triangle's hypotenuse ε has its middle at the inset's centre.
    Panel inset;
    inset.p.area = inset_room;
    inset.p.unit = magnification * main.p.unit;
    inset.p.origin_x = inset_room.left + inset_room.width / 2 - emf->x1 / 2 * inset.p.unit;
    inset.p.origin_y = inset_room.top + inset_room.height / 2 + emf->y1 / 2 * inset.p.unit;
    for (const Phasor* v : {ur, sum, emf}) {
        if (v != nullptr) {
            inset.add(*v);
        }
    }
    const double corner =
        ur_volts * inset.p.unit >= 24 * scale ? std::min(ur_volts, emf_volts) : 0.6 * emf_volts;
    inset.p.arc = arc_at(inset, 0.5 * corner);
    out.magnification = magnification;
    out.caption = "×" + std::to_string(static_cast<long long>(std::llround(magnification)));
    const TextExtent e = measure(out.caption);
    out.caption_box = {inset_room.left + margin, inset_room.top + margin, e.width, e.height};
    name_arrows(inset.p, {"ε", "Ur", "UL+Uc"}, measure, scale, {out.caption_box});

    // In the diagram, what the inset shows: the same room around the triangle, smaller.
    const double cx = main.p.origin_x + emf->x1 / 2 * main.p.unit;
    const double cy = main.p.origin_y - emf->y1 / 2 * main.p.unit;
    const double w = inset_room.width / magnification;
    const double h = inset_room.height / magnification;
    out.marked = {cx - w / 2, cy - h / 2, w, h};
    // The diagram names what the inset does not; its φ is in the inset.
    name_arrows(main.p, {"UL", "Uc", "I"}, measure, scale, {out.marked});
    out.diagram = main.p;
    out.inset = inset.p;
    return out;
}

} // namespace ovrelan
