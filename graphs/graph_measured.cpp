// The measured trace on the graph of its quantity: drawn over the computed curves in a colour of
// its own, thin, with a dot on each point where they stand apart; named by its file in the
// legend; read at the pointer beside the computed value.
#include "graphs/graph_view.h"

#include "geometry/measured_curve.h"
#include "platform/locale.h"
#include "simulation/simulation.h"

#include <QPainter>

#include <cmath>

namespace ovrelan {

namespace {

constexpr double grab_distance = 6; // px at the normal size

} // namespace

QPen measured_pen(const GraphLook& look) {
    QPen pen(to<QColor>(look.palette->measured), look.line(1.5));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

std::optional<MeasuredOnAxes> GraphView::measured_on_graph() const {
    const std::optional<Measurement>& m = simulation_.measurement();
    if (!m || !m->trace || graph_of(m->trace->series().quantity) != kind_) {
        return std::nullopt;
    }
    const MeasuredSeries& series = m->trace->series();
    MeasuredOnAxes on = measured_on_axes(simulation_.state(), kind_, axes_);
    on.time = series.time;
    on.values = series.values;
    on.summary = &m->trace->summary();
    on.shift = m->shift;
    return on;
}

std::string GraphView::measured_name() const {
    const std::optional<Measurement>& m = simulation_.measurement();
    return m && m->trace ? m->trace->series().file_name : std::string();
}

void GraphView::draw_measured(QPainter& painter, const GraphFrame& frame,
                              const GraphLook& look) const {
    const auto on = measured_on_graph();
    if (!on || !series_shown(measured_name())) {
        return;
    }
    const MeasuredShape shape = measured_shape(frame, *on);
    painter.save();
    painter.setClipRect(
        QRectF(frame.plot.left, frame.plot.top, frame.plot.width, frame.plot.height));
    const QPen pen = measured_pen(look);
    draw_shape(painter, shape.curve, pen);
    if (shape.dots) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(pen.color());
        const double r = 2.5 * look.scale;
        for (const CurvePoint& p : shape.curve.line) {
            painter.drawEllipse(QPointF(p.x, p.y), r, r);
        }
    }
    painter.restore();
}

std::string GraphView::measured_readout_at(const GraphPoint& at) const {
    const std::optional<Measurement>& m = simulation_.measurement();
    if (!measured_on_graph() || !series_shown(measured_name())) {
        return {};
    }
    const MeasuredSeries& series = m->trace->series();
    const auto k = nearest_sample(series.time, m->shift, at.seconds);
    if (!k) {
        return {};
    }
    return "; " + measured_readout(series.values[*k], at.physical, variant_of(kind_).unit,
                                   decimal_separator());
}

bool GraphView::grab_measured(QPointF at) {
    const auto on = measured_on_graph();
    if (!on || !series_shown(measured_name())) {
        return false;
    }
    const MeasuredShape shape = measured_shape(frame_, *on);
    if (!(distance_to(shape.curve, at.x(), at.y()) <= grab_distance * look_.scale)) {
        return false;
    }
    grabbed_ = simulation_.measurement();
    return true;
}

void GraphView::drag_measured(double dx_px) {
    const SimulationState& s = simulation_.state();
    if (!grabbed_ || !(frame_.plot.width > 0) || !(frame_.time_scale > 0)) {
        return;
    }
    // Axis units per pixel, then seconds: moved right, the trace's points stand later, so the
    // key closed earlier on its clock.
    const double x_per_px = (frame_.x.high - frame_.x.low) / frame_.plot.width;
    const double seconds = dx_px * x_per_px / frame_.time_scale * s.t_scale;
    if (std::isfinite(seconds)) {
        simulation_.set_measurement(Measurement{grabbed_->trace, grabbed_->shift - seconds});
    }
}

void GraphView::drop_measured() {
    if (grabbed_) {
        const std::optional<Measurement> before = std::move(grabbed_);
        grabbed_.reset();
        simulation_.finish_measurement_drag(before);
    }
}

} // namespace ovrelan
