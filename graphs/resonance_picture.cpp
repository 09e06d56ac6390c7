#include "graphs/resonance_picture.h"

#include "geometry/axis_ticks.h"
#include "geometry/colours.h"
#include "geometry/graph_frame.h"
#include "geometry/graph_readout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ovrelan {

namespace {

const QColor current_colour(0, 114, 178);     // blue
const QColor voltage_colour(213, 94, 0);      // vermillion
const QColor phase_colour(0, 158, 115);       // bluish green
const QColor resonance_colour(0, 0, 0);       // ν₀
const QColor capacitor_colour(204, 121, 167); // the U_C peak
const QColor present_colour(230, 0, 0);       // the present ν
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
    if (c.nu0 > 0) {
        marks += "ν₀ = " + hz(c.nu0, separator);
    }
    if (c.nu_C > 0) {
        marks += (marks.empty() ? "" : "   ") + std::string("Vr = ") + hz(c.nu_C, separator);
    }
    // The source's frequency as the model reads it: a negative ν is |ν|.
    const double nu = std::fabs(p.nu);
    if (nu > 0) {
        const SteadyState s = steady_state_at(p, nu);
        marks += (marks.empty() ? "" : "   ") + std::string("ν = ") + hz(nu, separator) +
                 ": Im = " + si_text(s.I_m, "А", separator) +
                 ", φ = " + plain_text(s.phi * 180 / std::numbers::pi, separator) + "°";
    } else {
        marks += (marks.empty() ? "" : "   ") + std::string("источник постоянный (ν = 0)");
    }
    notes.push_back(marks);
    if (c.unbounded) {
        notes.push_back("R = 0: ток при ν₀ не ограничен, пик на графике обрезан");
    } else if (c.width > 0) {
        notes.push_back("Полоса пропускания (Im ≥ Im,max/√2): " + hz(c.band_low, separator) +
                        " … " + hz(c.band_high, separator) + ", Δν = R/(2πL) = " +
                        hz(c.width, separator) + ", Q = ν₀/Δν = " + plain_text(c.Q, separator));
    }
    return notes;
}

void draw_resonance(QPainter& painter, QSizeF size, const GraphLook& look, const Parameters& p,
                    const ResonanceCurve& c, bool logarithmic, char separator) {
    painter.save();
    painter.setFont(look.font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(look.font);
    const double line = metrics.height();
    double top = 2 * look.scale;
    // Each note on as many lines as the width needs.
    for (const std::string& note : resonance_notes(p, c, separator)) {
        const QRectF band(6 * look.scale, top, size.width() - 12 * look.scale, size.height());
        const QRectF used =
            painter.boundingRect(band, Qt::TextWordWrap | Qt::AlignLeft, qstring(note));
        painter.drawText(band, Qt::TextWordWrap | Qt::AlignLeft, qstring(note));
        top += std::max(line, used.height());
    }
    if (c.points.empty()) {
        painter.restore();
        return;
    }
    const auto x_of = [&](double nu) { return logarithmic ? std::log10(nu) : nu; };
    const double from = c.points.front().nu;
    const double to = c.points.back().nu;
    const bool with_C = c.has_C;
    double ResonancePoint::*const voltage = with_C ? &ResonancePoint::U_Cm : &ResonancePoint::U_Lm;

    FrameRequest r;
    r.axes = Axes::physical;
    r.width = size.width();
    r.window = {x_of(from), x_of(to)};
    r.x_log = logarithmic;
    r.x_name = "ν";
    r.x_unit = "Гц";
    r.readout = false;
    r.decimal_separator = separator;
    const double plots = size.height() - top;
    // Above: the amplitudes, from zero.
    FrameRequest amplitudes = r;
    amplitudes.height = plots * 0.55;
    amplitudes.left = {0, top_of(c, &ResonancePoint::I_m)};
    amplitudes.left_name = "Im";
    amplitudes.left_unit = "А";
    amplitudes.right = {0, top_of(c, voltage)};
    amplitudes.right_name = with_C ? "UCm" : "ULm";
    amplitudes.right_unit = "В";
    amplitudes.two_axes = true;
    amplitudes.from_zero = true;
    amplitudes.time_labels = false;
    // Beneath: the phase, −90° … 90°.
    FrameRequest phase = r;
    phase.height = plots - amplitudes.height;
    phase.left = {-90, 90};
    phase.left_name = "φ";
    phase.left_unit = "°";
    const MeasureText measure = measure_with(look.font);
    const GraphFrame a = graph_frame(amplitudes, measure);
    const GraphFrame b = graph_frame(phase, measure);

    const auto draw_plot = [&](const GraphFrame& f, double dy, auto&& curves) {
        painter.save();
        painter.translate(0, dy);
        draw_grid(painter, f, look);
        const QRectF plot(f.plot.left, f.plot.top, f.plot.width, f.plot.height);
        painter.setClipRect(plot);
        if (c.width > 0) {
            painter.fillRect(QRectF(QPointF(f.x_px(x_of(c.band_low)), plot.top()),
                                    QPointF(f.x_px(x_of(c.band_high)), plot.bottom())),
                             band_colour);
        }
        curves(f);
        const auto mark = [&](double nu, const QColor& colour, Qt::PenStyle style) {
            if (nu > from && nu < to) {
                QPen pen(colour, 1.5 * look.scale, style);
                painter.setPen(pen);
                const double x = f.x_px(x_of(nu));
                painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            }
        };
        mark(c.nu0, resonance_colour, Qt::SolidLine);
        mark(c.nu_C, capacitor_colour, Qt::DashLine);
        mark(std::fabs(p.nu), present_colour, Qt::DotLine);
        painter.setClipping(false);
        draw_frame(painter, f, look, {});
        painter.restore();
    };
    const auto polyline = [&](const GraphFrame& f, double ResonancePoint::*value, bool right,
                              double factor, const QColor& colour) {
        QPolygonF points;
        points.reserve(static_cast<qsizetype>(c.points.size()));
        const Range& y = right ? f.y2 : f.y;
        const double clip = y.high + (y.high - y.low); // off the plot, but finite
        for (const ResonancePoint& q : c.points) {
            const double v = std::min(q.*value * factor, clip);
            points << QPointF(f.x_px(x_of(q.nu)),
                              f.plot.top + (y.high - v) / (y.high - y.low) * f.plot.height);
        }
        painter.setPen(QPen(colour, 2.5 * look.scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(points);
    };
    draw_plot(a, top, [&](const GraphFrame& f) {
        polyline(f, voltage, true, 1, voltage_colour);
        polyline(f, &ResonancePoint::I_m, false, 1, current_colour);
    });
    draw_plot(b, top + amplitudes.height, [&](const GraphFrame& f) {
        polyline(f, &ResonancePoint::phi, false, 180 / std::numbers::pi, phase_colour);
    });
    // The axis names in the curves' colours say which is which.
    painter.restore();
}

} // namespace ovrelan
