#include "graphs/resonance_picture.h"

#include "geometry/family_palette.h"
#include "geometry/graph_readout.h"
#include "graphs/picture_notes.h"
#include "model/translation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ovrelan {

namespace {

const QColor capacitor_colour(204, 121, 167); // the U_C peak
const QColor band_colour(86, 180, 233, 60);   // the half-power band

std::string hz(double nu, char separator) {
    return si_text(nu, "Гц", separator);
}

// The largest value of a curve to show: the peak, or, where it has no top, several times what
// the curve reaches away from it.
double top_of(const ResonanceCurve& c, double ResonancePoint::*value) {
    double top = 0;
    for (const ResonancePoint& r : c.points) {
        const bool near_peak = c.unbounded && std::fabs(r.nu / c.nu0 - 1) < 0.05;
        if (!near_peak && std::isfinite(r.*value)) {
            top = std::max(top, r.*value);
        }
    }
    return c.unbounded ? 4 * top : top;
}

} // namespace

std::vector<std::string> resonance_notes(const Parameters& p, const ResonanceCurve& c,
                                         char separator) {
    std::vector<std::string> notes;
    if (!c.reason.empty()) {
        notes.push_back(c.reason);
        return notes;
    }
    std::string marks;
    const auto add = [&](const std::string& piece) {
        marks += (marks.empty() ? "" : "   ") + piece;
    };
    if (c.nu0 > 0) {
        add(together("ν₀ = " + hz(c.nu0, separator)));
    }
    if (c.nu_C > 0) {
        add(together("Vr = " + hz(c.nu_C, separator)));
    }
    // The source's frequency as the model reads it: a negative ν is |ν|.
    const double nu = std::fabs(p.nu);
    if (nu > 0) {
        const SteadyState s = steady_state_at(p, nu);
        add(together("ν = " + hz(nu, separator)) + ": " +
            together("Im = " + si_text(s.I_m, "А", separator)) + ", " +
            together("φ = " + plain_text(s.phi * 180 / std::numbers::pi, separator) + "°"));
    } else {
        add(translated("Pictures", "источник постоянный (ν = 0)"));
    }
    notes.push_back(marks);
    if (c.unbounded) {
        notes.push_back(
            translated("Pictures", "R = 0: ток при ν₀ не ограничен, пик на графике обрезан"));
    } else if (c.width > 0) {
        notes.push_back(translated("Pictures", "Полоса пропускания (Im ≥ Im,max/√2): ") +
                        together(hz(c.band_low, separator) + " … " + hz(c.band_high, separator)) +
                        ", " + together("Δν = R/(2πL) = " + hz(c.width, separator)) + ", " +
                        together("Q = ν₀/Δν = " + plain_text(c.Q, separator)));
    }
    return notes;
}

ResonancePlan plan_resonance(const QFontMetricsF& metrics, QSizeF size, const GraphLook& look,
                             const Parameters& p, const ResonanceCurve& c, bool logarithmic,
                             char separator, std::span<const FamilyResonance> family) {
    ResonancePlan plan;
    plan.notes = note_lines(resonance_notes(p, c, separator), metrics, size.width(), 2 * look.scale,
                            look.scale);
    const double top = plan.notes.empty() ? 2 * look.scale : plan.notes.back().box.bottom();
    plan.notes_bottom = top;
    if (c.points.empty()) {
        return plan;
    }
    const auto x_of = [&](double nu) { return logarithmic ? std::log10(nu) : nu; };
    ResonanceAxes a;
    a.top = top;
    a.width = size.width();
    a.height = size.height() - top;
    a.nu = {x_of(c.points.front().nu), x_of(c.points.back().nu)};
    a.logarithmic = logarithmic;
    a.current_top = top_of(c, &ResonancePoint::I_m);
    a.voltage_top = top_of(c, c.has_C ? &ResonancePoint::U_Cm : &ResonancePoint::U_Lm);
    a.voltage_name = c.has_C ? "UCm" : "ULm";
    for (const FamilyResonance& m : family) {
        if (m.curve.points.empty()) {
            continue;
        }
        a.nu.low = std::min(a.nu.low, x_of(m.curve.points.front().nu));
        a.nu.high = std::max(a.nu.high, x_of(m.curve.points.back().nu));
        a.current_top = std::max(a.current_top, top_of(m.curve, &ResonancePoint::I_m));
    }
    a.decimal_separator = separator;
    a.scale = look.scale;
    plan.plots = resonance_layout(a, measure_with(look.font));
    return plan;
}

double resonance_least_body(double width, const GraphLook& look, const Parameters& p,
                            const ResonanceCurve& c, char separator) {
    const QFontMetricsF metrics(look.font);
    const ResonancePlan plan =
        plan_resonance(metrics, QSizeF(width, 1e6), look, p, c, true, separator);
    return plan.notes_bottom + (plan.plots ? resonance_least_height(metrics.height()) : 0);
}

void draw_resonance(QPainter& painter, QSizeF size, const GraphLook& look, const Parameters& p,
                    const ResonanceCurve& c, bool logarithmic, char separator,
                    std::span<const FamilyResonance> family) {
    painter.save();
    painter.setFont(look.font);
    painter.setPen(ovrelan::to<QColor>(look.palette->ink));
    const ResonancePlan plan = plan_resonance(QFontMetricsF(look.font, painter.device()), size,
                                              look, p, c, logarithmic, separator, family);
    for (const NoteLine& line : plan.notes) {
        painter.drawText(line.box, Qt::AlignLeft | Qt::AlignVCenter, line.text);
    }
    if (!plan.plots) {
        painter.restore();
        return;
    }
    const ResonanceLayout& layout = *plan.plots;
    const auto x_of = [&](double nu) { return logarithmic ? std::log10(nu) : nu; };
    const double from = c.points.front().nu;
    const double to = c.points.back().nu;
    double ResonancePoint::*const voltage = c.has_C ? &ResonancePoint::U_Cm : &ResonancePoint::U_Lm;
    const ResonanceColours colours = resonance_colours(!family.empty(), *look.palette);
    const auto curve_pen = [&](Rgb colour) {
        return QPen(ovrelan::to<QColor>(colour), look.line(2.5), Qt::SolidLine, Qt::RoundCap,
                    Qt::RoundJoin);
    };

    const auto draw_plot = [&](const GraphFrame& f, auto&& curves) {
        draw_grid(painter, f, look);
        const QRectF plot(f.plot.left, f.plot.top, f.plot.width, f.plot.height);
        painter.save();
        painter.setClipRect(plot);
        if (c.width > 0) {
            painter.fillRect(QRectF(QPointF(f.x_px(x_of(c.band_low)), plot.top()),
                                    QPointF(f.x_px(x_of(c.band_high)), plot.bottom())),
                             band_colour);
        }
        curves(f);
        const auto mark = [&](double nu, const QColor& colour, Qt::PenStyle style) {
            if (nu > from && nu < to) {
                painter.setPen(QPen(colour, look.line(1.5), style, Qt::FlatCap));
                const double x = f.x_px(x_of(nu));
                painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            }
        };
        mark(c.nu0, ovrelan::to<QColor>(look.palette->ink), Qt::SolidLine);
        mark(c.nu_C, capacitor_colour, Qt::DashLine);
        mark(std::fabs(p.nu), ovrelan::to<QColor>(look.palette->curve), Qt::DotLine);
        painter.restore();
        draw_frame(painter, f, look, {});
    };
    const auto polyline = [&](const GraphFrame& f, const ResonanceCurve& curve,
                              double ResonancePoint::*value, bool right, double factor,
                              const QPen& pen) {
        QPolygonF points;
        points.reserve(static_cast<qsizetype>(curve.points.size()));
        const Range& y = right ? f.y2 : f.y;
        const double clip = y.high + (y.high - y.low); // off the plot, but finite
        for (const ResonancePoint& q : curve.points) {
            const double v = std::min(q.*value * factor, clip);
            points << QPointF(f.x_px(x_of(q.nu)),
                              f.plot.top + (y.high - v) / (y.high - y.low) * f.plot.height);
        }
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(points);
    };
    // A family's members: the current (whose band narrows as Q grows) and the phase.
    const auto members = [&](const GraphFrame& f, double ResonancePoint::*value, double factor) {
        for (std::size_t i = 0; i < family.size(); ++i) {
            polyline(f, family[i].curve, value, false, factor, family_pen(i, look));
        }
    };
    draw_plot(layout.amplitudes, [&](const GraphFrame& f) {
        members(f, &ResonancePoint::I_m, 1);
        polyline(f, c, voltage, true, 1, curve_pen(colours.voltage));
        polyline(f, c, &ResonancePoint::I_m, false, 1, curve_pen(colours.current));
    });
    draw_plot(layout.phase, [&](const GraphFrame& f) {
        members(f, &ResonancePoint::phi, 180 / std::numbers::pi);
        polyline(f, c, &ResonancePoint::phi, false, 180 / std::numbers::pi,
                 curve_pen(colours.phase));
    });
    // Which colour is which: a legend above each plot.
    const auto all_shown = [](const std::string&) { return true; };
    draw_legend(painter, layout.amplitude_legend,
                {curve_pen(colours.current), curve_pen(colours.voltage)}, look, all_shown);
    // A family's members by their values, inside the amplitudes' plot.
    std::vector<std::string> names;
    std::vector<QPen> pens;
    for (std::size_t i = 0; i < family.size(); ++i) {
        names.push_back(family[i].label);
        pens.push_back(family_pen(i, look));
    }
    draw_legend(painter,
                family_legend_layout(layout.amplitudes, names, measure_with(look.font), look.scale),
                pens, look, all_shown);
    draw_legend(painter, layout.phase_legend, {curve_pen(colours.phase)}, look, all_shown);
    painter.restore();
}

} // namespace ovrelan
