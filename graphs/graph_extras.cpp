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
    std::vector<std::string> names;
    for (const auto& [name, pen] : legend_entries()) {
        names.push_back(name);
    }
    return legend_layout(frame_, names, measure_with(look_.font), look_.scale);
}

std::vector<std::pair<std::string, QPen>> GraphView::legend_entries() const {
    std::vector<std::pair<std::string, QPen>> entries;
    const GraphContent all = graph_content(simulation_.state(), kind_, axes_, energies_apart_);
    for (const Series& series : all.series) {
        entries.emplace_back(series.name, curve_pen(series, look_.scale, true));
    }
    const std::vector<Remembered> kept = remembered();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (!all.series.empty()) {
            entries.emplace_back(kept[i].caption,
                                 remembered_pen(all.series.front(), look_.scale, i));
        }
    }
    return entries;
}

std::vector<GraphView::Remembered> GraphView::remembered() const {
    std::vector<Remembered> out;
    const SimulationState& present = simulation_.state();
    const GraphContent present_si = graph_content(present, kind_, Axes::physical, energies_apart_);
    for (const auto& kept : simulation_.remembered()) {
        Remembered r;
        r.state = kept.get();
        r.caption = difference_caption(*kept, present, decimal_separator());
        r.content = graph_content(*kept, kind_, Axes::physical, energies_apart_);
        r.time_scale = r.content.time_scale;
        if (axes_ == Axes::normalised) {
            // Through the present scales: the same volts and seconds on the present axes.
            if (!(present.t_scale > 0)) {
                continue;
            }
            r.time_scale /= present.t_scale;
            std::erase_if(r.content.series, [&](Series& series) {
                const auto same =
                    std::find_if(present_si.series.begin(), present_si.series.end(),
                                 [&](const Series& p) { return p.name == series.name; });
                if (same == present_si.series.end() || !(same->values.scale != 0)) {
                    return true; // the present circuit has no such curve
                }
                series.values.scale /= same->values.scale;
                return false;
            });
        }
        out.push_back(std::move(r));
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
    QPen pen(QColor(90, 90, 90), 1.5 * look.scale, Qt::DashLine);
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
                            remembered_pen(series, look.scale, i),
                            simulation_.summary_of(*r.state));
            }
        }
    }
}

bool GraphView::series_shown(const std::string& name) const {
    return std::find(hidden_series_.begin(), hidden_series_.end(), name) == hidden_series_.end();
}

} // namespace ovrelan
