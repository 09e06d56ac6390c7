// The graph's extra curves and its legend: the series shown or hidden, the remembered curves and
// the envelope drawn beside the present one.
#include "graphs/graph_view.h"

#include "geometry/colours.h"
#include "platform/locale.h"
#include "simulation/simulation.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ovrelan {

void GraphView::set_series_shown(const std::string& name, bool shown) {
    std::erase(hidden_series_, name);
    if (!shown) {
        hidden_series_.push_back(name);
    }
    redraw();
}

std::vector<LegendItem> GraphView::legend() const {
    return legend_for(frame_, look_);
}

// The curves and the remembered solutions in the strip above the plot; the measured trace and a
// family's members in a column of their own inside the plot (eight names do not fit in the strip).
std::vector<LegendItem> GraphView::legend_for(const GraphFrame& frame,
                                              const GraphLook& look) const {
    std::vector<std::string> strip;
    std::vector<std::string> members;
    const std::vector<Remembered> family = family_curves();
    const auto in_family = [&](const std::string& name) {
        return std::any_of(family.begin(), family.end(),
                           [&](const Remembered& m) { return m.caption == name; });
    };
    // The measured trace's file name too: a narrow graph's strip has no room for it.
    const std::string measured = measured_on_graph() ? measured_name() : std::string();
    for (const auto& [name, pen] : legend_entries(look)) {
        (in_family(name) || (!measured.empty() && name == measured) ? members : strip)
            .push_back(name);
    }
    const MeasureText measure = measure_with(look.font);
    std::vector<LegendItem> items = legend_layout(frame, strip, measure, look.scale);
    for (LegendItem& item : family_legend_layout(frame, members, measure, look.scale)) {
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<QPen> GraphView::legend_pens(const std::vector<LegendItem>& items,
                                         const GraphLook& look) const {
    const std::vector<std::pair<std::string, QPen>> entries = legend_entries(look);
    std::vector<QPen> pens;
    for (const LegendItem& item : items) {
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [&](const auto& e) { return e.first == item.name; });
        pens.push_back(entry != entries.end() ? entry->second
                                              : QPen(to<QColor>(look.palette->ink)));
    }
    return pens;
}

std::vector<std::pair<std::string, QPen>> GraphView::legend_entries(const GraphLook& look) const {
    std::vector<std::pair<std::string, QPen>> entries;
    const GraphContent all = graph_content(simulation_.state(), kind_, axes_, energies_apart_);
    for (const Series& series : all.series) {
        entries.emplace_back(series.name, curve_pen(series, look, true));
    }
    if (all.series.empty()) {
        return entries;
    }
    if (measured_on_graph()) {
        entries.emplace_back(measured_name(), measured_pen(look));
    }
    const std::vector<Remembered> members = family_curves();
    for (std::size_t i = 0; i < members.size(); ++i) {
        entries.emplace_back(members[i].caption, family_pen(i, look));
    }
    const std::vector<Remembered> kept = remembered();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        entries.emplace_back(kept[i].caption, remembered_pen(look, i));
    }
    return entries;
}

std::optional<GraphView::Remembered> GraphView::beside(const SimulationState& other,
                                                       std::string caption) const {
    const SimulationState& present = simulation_.state();
    Remembered r;
    r.state = &other;
    r.caption = std::move(caption);
    r.content = graph_content(other, kind_, Axes::physical, energies_apart_);
    r.time_scale = r.content.time_scale;
    if (axes_ == Axes::normalised) {
        // Through the present scales: the same volts and seconds on the present axes.
        if (!(present.t_scale > 0)) {
            return std::nullopt;
        }
        const GraphContent present_si =
            graph_content(present, kind_, Axes::physical, energies_apart_);
        r.time_scale /= present.t_scale;
        std::erase_if(r.content.series, [&](Series& series) {
            const auto same = std::find_if(present_si.series.begin(), present_si.series.end(),
                                           [&](const Series& p) { return p.name == series.name; });
            if (same == present_si.series.end() || !(same->values.scale != 0)) {
                return true; // the present circuit has no such curve
            }
            series.values.scale /= same->values.scale;
            return false;
        });
    }
    return r;
}

std::vector<GraphView::Remembered> GraphView::remembered() const {
    std::vector<Remembered> out;
    for (const auto& kept : simulation_.remembered()) {
        if (auto r = beside(*kept,
                            difference_caption(*kept, simulation_.state(), decimal_separator()))) {
            out.push_back(std::move(*r));
        }
    }
    return out;
}

std::vector<GraphView::Remembered> GraphView::family_curves() const {
    std::vector<Remembered> out;
    if (const Family* family = simulation_.family()) {
        for (const FamilyMember& member : family->members) {
            if (auto r = beside(member.state, member.label)) {
                out.push_back(std::move(*r));
            }
        }
    }
    return out;
}

void GraphView::set_envelope(bool shown) {
    envelope_ = shown;
    redraw();
}

void GraphView::draw_envelope(QPainter& painter, const GraphFrame& frame,
                              const GraphLook& look) const {
    const SimulationState& s = simulation_.state();
    const auto e = envelope_ ? envelope_of(s, kind_) : std::nullopt;
    if (!e) {
        return;
    }
    const double scale =
        axes_ == Axes::physical ? (kind_ == GraphKind::Uc ? s.Uc_scale : s.I_scale) : 1;
    painter.save();
    painter.setClipRect(
        QRectF(frame.plot.left, frame.plot.top, frame.plot.width, frame.plot.height));
    QPen pen(to<QColor>(look.palette->secondary), look.line(1.5), Qt::DashLine);
    painter.setPen(pen);
    for (const int side : {1, -1}) {
        QPolygonF line;
        for (double px = frame.plot.left; px <= frame.plot.left + frame.plot.width + 1; px += 2) {
            const double tau = frame.x_of_px(px) / frame.time_scale;
            line << QPointF(px, frame.y_px(scale * e->at(tau, side)));
        }
        painter.drawPolyline(line);
    }
    painter.restore();
}

void GraphView::draw_remembered(QPainter& painter, const GraphFrame& frame,
                                const GraphLook& look) const {
    const std::vector<Remembered> kept = remembered();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const Remembered& r = kept[i];
        if (!series_shown(r.caption)) {
            continue;
        }
        GraphFrame own = frame;
        own.time_scale = r.time_scale;
        const IndexRange shown = visible_points(*r.state, own);
        for (const Series& series : r.content.series) {
            if (series_shown(series.name)) {
                draw_series(painter, own, *r.state, series, shown.first, shown.last,
                            remembered_pen(look, i), simulation_.summary_of(*r.state));
            }
        }
    }
}

void GraphView::draw_family(QPainter& painter, const GraphFrame& frame,
                            const GraphLook& look) const {
    const std::vector<Remembered> members = family_curves();
    for (std::size_t i = 0; i < members.size(); ++i) {
        const Remembered& m = members[i];
        if (!series_shown(m.caption)) {
            continue;
        }
        GraphFrame own = frame;
        own.time_scale = m.time_scale;
        const IndexRange shown = visible_points(*m.state, own);
        for (const Series& series : m.content.series) {
            if (series_shown(series.name)) {
                draw_series(painter, own, *m.state, series, shown.first, shown.last,
                            family_pen(i, look), simulation_.summary_of(*m.state));
            }
        }
    }
}

std::string GraphView::family_readout(const GraphPoint& at) const {
    std::string text;
    const char separator = decimal_separator();
    for (const Remembered& m : family_curves()) {
        if (!series_shown(m.caption) || m.content.series.empty() || !(m.state->t_scale > 0)) {
            continue;
        }
        const SimulationState& s = *m.state;
        const GraphPoint p = graph_point(s, variant_of(kind_), at.seconds / s.t_scale);
        const Series& series = m.content.series.front();
        text += "; " + m.caption + ": " +
                si_text(series.values.at(s.t_grid.data(), p.k), series.unit.c_str(), separator);
    }
    return text;
}

bool GraphView::series_shown(const std::string& name) const {
    return std::find(hidden_series_.begin(), hidden_series_.end(), name) == hidden_series_.end();
}

} // namespace ovrelan
