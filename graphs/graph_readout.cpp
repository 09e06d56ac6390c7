// The graph's read-out and markers: the point under the pointer or the keys, pinned points and
// the strip that names their values.
#include "graphs/graph_view.h"

#include "model/text_arguments.h"
#include "model/translation.h"
#include "platform/locale.h"
#include "simulation/simulation.h"
#include "solution/solution_arrays.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace ovrelan {

// --- The read-out and the markers -------------------------------------------------------------

GraphPoint GraphView::point_at_time(double tau) const {
    GraphPoint p = graph_point(simulation_.state(), variant_of(kind_), tau);
    if (kind_ == GraphKind::UI) {
        p.normalised = p.physical = std::numeric_limits<double>::quiet_NaN();
    }
    return p;
}

void GraphView::point_at(QPointF pixels) {
    const QRectF plot(frame_.plot.left, frame_.plot.top, frame_.plot.width, frame_.plot.height);
    if (simulation_.state().t_grid.empty() || !plot.contains(pixels)) {
        leave();
        return;
    }
    pointer_ = pixels;
    hover_ = point_at_time(frame_.x_of_px(pixels.x()) / frame_.time_scale);
    canvas_->update();
}

void GraphView::leave() {
    pointer_.reset();
    if (hover_) {
        hover_.reset();
        canvas_->update();
    }
}

void GraphView::pin_at(QPointF pixels) {
    const QRectF plot(frame_.plot.left, frame_.plot.top, frame_.plot.width, frame_.plot.height);
    if (simulation_.state().t_grid.empty() || !plot.contains(pixels)) {
        return;
    }
    pin(point_at_time(frame_.x_of_px(pixels.x()) / frame_.time_scale));
}

void GraphView::pin(const GraphPoint& point) {
    if (markers_.size() == 2) {
        markers_.clear();
    }
    markers_.push_back(point);
    canvas_->update();
}

void GraphView::clear_markers() {
    markers_.clear();
    canvas_->update();
}

void GraphView::move_read_out(int steps) {
    const SimulationState& s = simulation_.state();
    if (s.t_grid.empty()) {
        return;
    }
    const auto from = static_cast<long>(hover_ ? hover_->k : run_index(s));
    const auto last = static_cast<long>(last_computed_index(s));
    const auto k = static_cast<std::size_t>(std::clamp(from + steps, 0L, last));
    hover_ = point_at_time(s.t_grid[k]);
    canvas_->update();
}

std::string GraphView::marker_text(std::size_t i) const {
    if (i >= markers_.size()) {
        return {};
    }
    const char separator = decimal_separator();
    const GraphPoint& p = markers_[i];
    const std::string value = kind_ == GraphKind::UI
                                  ? "t = " + si_text(p.seconds, "с", separator)
                                  : point_readout(p, variant_of(kind_), separator);
    return with_arguments(translated("Graphs", "Маркер %1: %2"), i == 0 ? "A" : "B", value);
}

std::string GraphView::readout_text() const {
    const char separator = decimal_separator();
    const SimulationState& s = simulation_.state();
    if (kind_ == GraphKind::UI) {
        // Every curve shown, at the pointer's time (or at marker B, after Δt from A).
        const std::optional<GraphPoint> at =
            hover_ ? hover_ : (markers_.empty() ? std::nullopt : std::optional(markers_.back()));
        if (!at) {
            return {};
        }
        std::string text;
        if (markers_.size() == 2) {
            text =
                "Δt = " + si_text(markers_[1].seconds - markers_[0].seconds, "с", separator) + "; ";
        }
        text += "t = " + si_text(at->seconds, "с", separator);
        for (const Series& series : content_.series) {
            text +=
                "; " + series.name + " = " +
                si_text(series.values.at(s.t_grid.data(), at->k), series.unit.c_str(), separator);
        }
        return text;
    }
    const GraphVariant& v = variant_of(kind_);
    if (markers_.size() == 2) {
        std::string text = markers_readout(markers_[0], markers_[1], v, separator);
        // On two maxima of a damped oscillation: the decrement measured, beside the panel's.
        if (const auto theta = measured_decrement(s, v, markers_[0], markers_[1])) {
            text += "; Θ = " + plain_text(*theta, separator) +
                    translated("Graphs", " (на панели ") + plain_text(s.theta, separator) + ")";
        }
        return text;
    }
    if (hover_) {
        // Beside a measured trace the read-out is short enough for a narrow graph: the time and
        // the computed value in physical units, then the measured one and the difference.
        if (const std::string measured = measured_readout_at(*hover_); !measured.empty()) {
            return "t = " + si_text(hover_->seconds, "с", separator) + "; " + v.symbol + " = " +
                   si_text(hover_->physical, v.unit, separator) + measured +
                   family_readout(*hover_);
        }
        return point_readout(*hover_, v, separator) + family_readout(*hover_);
    }
    if (markers_.size() == 1) {
        return "A: " + point_readout(markers_[0], v, separator);
    }
    return {};
}

void GraphView::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        clear_markers();
        return;
    case Qt::Key_Left:
        move_read_out(-step);
        return;
    case Qt::Key_Right:
        move_read_out(step);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (hover_) {
            pin(*hover_);
        }
        return;
    case Qt::Key_Home:
        show_whole();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace ovrelan
