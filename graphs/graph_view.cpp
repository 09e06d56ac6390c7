#include "graphs/graph_view.h"

#include "graphs/plot_canvas.h"

#include "geometry/colours.h"
#include "platform/fonts.h"
#include "platform/locale.h"
#include "simulation/simulation.h"
#include "solution/solution_arrays.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ovrelan {

namespace {

constexpr int gap_x = 10;
constexpr int gap_y = 10;
constexpr int scroll_width = 20;
constexpr int scroll_top = 8; // 1/12 inch below the client area's top

GraphId id_of(GraphKind kind) {
    return kind == GraphKind::UI ? GraphId::Uc : static_cast<GraphId>(kind);
}

} // namespace

const GraphVariant& variant_of(GraphKind kind) {
    return graph_variant(id_of(kind));
}

GraphView::GraphView(Simulation& simulation, GraphKind kind, Platform& platform, QWidget* parent)
    : QWidget(parent), simulation_(simulation), kind_(kind), platform_(platform),
      zoom_bar_(new QScrollBar(Qt::Vertical, this)), canvas_(make_plot_canvas(*this)) {
    setObjectName("GraphView");
    axes_ = kind == GraphKind::UI ? Axes::physical : Axes::normalised;
    look_.scale = 1;
    look_.font = graph_font(1, false);
    look_.preview = true;
    zoom_bar_->setObjectName("VScroll1");
    zoom_bar_->setRange(-9, 9);
    zoom_bar_->setSingleStep(1);
    zoom_bar_->setPageStep(1);
    // The plot takes the focus when the graph opens (Home, the arrows, Enter and the menu key act
    // on it); Tab goes on to the zoom bar.
    zoom_bar_->setFocusPolicy(Qt::TabFocus);
    zoom_bar_->setAccessibleName(QCoreApplication::translate("Graphs", "Масштаб по вертикали"));
    setFocusProxy(canvas_);
    setTabOrder(canvas_, zoom_bar_);
    // The bar stands at 1 while the zoom is 1: its first move to 0 leaves the scale as it is.
    zoom_bar_->setValue(1);
    zoom_bar_->move(gap_x, scroll_top);
    connect(zoom_bar_, &QScrollBar::valueChanged, this, [this](int v) { zoom_changed(v); });

    connect(&simulation, &Simulation::recomputed, this, [this] {
        extents_.reset();
        markers_.clear(); // they read the arrays that were
        hover_.reset();
        drawn_end_ = run_index(simulation_.state()) + 1;
        redraw();
    });
    connect(&simulation, &Simulation::position_jumped, this, [this] {
        drawn_end_ = run_index(simulation_.state()) + 1;
        redraw();
    });
    connect(&simulation, &Simulation::point_played, this, [this](int k) { extend(k); });
    connect(&simulation, &Simulation::remembered_changed, this, [this] {
        extents_.reset();
        redraw();
    });
    connect(&simulation, &Simulation::family_changed, this, [this] {
        extents_.reset();
        redraw();
    });
    connect(&simulation, &Simulation::measurement_changed, this, [this] {
        extents_.reset();
        redraw();
    });
    window_ = whole(simulation.state().t_span);
}

GraphView::~GraphView() = default;

const SimulationState& GraphView::simulation_state() const {
    return simulation_.state();
}

QWidget* GraphView::plot() const {
    return canvas_;
}

FrameRequest GraphView::request(double width, double height) const {
    const SimulationState& s = simulation_.state();
    FrameRequest r;
    r.width = width;
    r.height = height;
    r.axes = content_.axes;
    r.header = graph_header(s, variant_of(kind_), decimal_separator());
    r.left_name = content_.left_name;
    r.left_unit = content_.left_unit;
    r.right_name = content_.right_name;
    r.right_unit = content_.right_unit;
    r.two_axes = !content_.right_name.empty();
    r.from_zero = content_.from_zero;
    r.value_zoom = zoom_;
    r.window = window_;
    r.time_scale = content_.time_scale;
    r.grid_step = s.grid_step;
    r.time_labels = time_labels_;
    r.decimal_separator = decimal_separator();
    // Half the thick axis and half the curve's pen: nothing the curve draws goes under them.
    r.inset = 3 * look_.scale;
    // The value ranges of every curve of an axis, hidden ones too: a curve switched off does not
    // rescale the others.
    if (!extents_) {
        const GraphContent all = graph_content(s, kind_, axes_, energies_apart_);
        Extent left;
        Extent right;
        bool left_first = true;
        bool right_first = true;
        for (const Series& series : all.series) {
            const Extent e = series_extent(s, series, simulation_.summary_of(s));
            Extent& axis = series.right_axis ? right : left;
            bool& first = series.right_axis ? right_first : left_first;
            axis = first ? e : Extent{std::min(axis.low, e.low), std::max(axis.high, e.high)};
            first = false;
        }
        // The family and the remembered solutions on the same axes.
        std::vector<Remembered> others = family_curves();
        for (Remembered& kept : remembered()) {
            others.push_back(std::move(kept));
        }
        for (const Remembered& kept : others) {
            for (const Series& series : kept.content.series) {
                const Extent e =
                    series_extent(*kept.state, series, simulation_.summary_of(*kept.state));
                Extent& axis = series.right_axis ? right : left;
                axis = {std::min(axis.low, e.low), std::max(axis.high, e.high)};
            }
        }
        // The measured points within the computed interval, on the same axis.
        if (const auto on = measured_on_graph()) {
            if (const auto e = measured_extent(*on, 0, s.t_span * s.t_scale)) {
                left = {std::min(left.low, e->low), std::max(left.high, e->high)};
            }
        }
        extents_ = {left, right};
    }
    r.left = extents_->first;
    r.right = extents_->second;
    return r;
}

void GraphView::rebuild() {
    const SimulationState& s = simulation_.state();
    content_ = graph_content(s, kind_, axes_, energies_apart_);
    std::erase_if(content_.series,
                  [this](const Series& series) { return !series_shown(series.name); });
    normalised_ = graph_axes(s, variant_of(kind_), zoom_, decimal_separator());
    FrameRequest r = request(canvas_->width(), canvas_->height());
    r.normalised = &normalised_;
    frame_ = graph_frame(r, measure_with(look_.font));
}

QSize GraphView::around_plot() const {
    // A roomy hypothetical canvas: the margins do not depend on its size.
    constexpr double probe_w = 1000;
    constexpr double probe_h = 600;
    FrameRequest r = request(probe_w, probe_h);
    r.normalised = &normalised_;
    const GraphFrame f = graph_frame(r, measure_with(look_.font));
    return {static_cast<int>(std::ceil(probe_w - f.plot.width)) + width() - canvas_->width(),
            static_cast<int>(std::ceil(probe_h - f.plot.height)) + height() - canvas_->height()};
}

void GraphView::draw_layer() {
    const qreal ratio = canvas_->devicePixelRatioF();
    const QSize size(std::max(1, static_cast<int>(std::ceil(frame_.plot.width * ratio))),
                     std::max(1, static_cast<int>(std::ceil(frame_.plot.height * ratio))));
    if (layer_.size() != size) {
        layer_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    }
    layer_.setDevicePixelRatio(ratio);
    layer_.fill(to<QColor>(look_.palette->plot));
    const SimulationState& s = simulation_.state();
    if (!s.t_grid.empty()) {
        QPainter painter(&layer_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-frame_.plot.left, -frame_.plot.top);
        draw_grid(painter, frame_, look_);
        draw_envelope(painter, frame_, look_);
        draw_family(painter, frame_, look_);
        draw_remembered(painter, frame_, look_);
        draw_measured(painter, frame_, look_); // under the computed curve, which it should follow
        draw_curves(painter, frame_, s, content_, drawn_end_, look_, simulation_.summary_of(s));
    }
    layer_end_ = drawn_end_;
}

void GraphView::catch_up() {
    const SimulationState& s = simulation_.state();
    if (layer_end_ >= drawn_end_ || s.t_grid.empty()) {
        return;
    }
    QPainter painter(&layer_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-frame_.plot.left, -frame_.plot.top);
    const IndexRange shown = visible_points(s, frame_);
    const std::size_t from = std::max(layer_end_ > 0 ? layer_end_ - 1 : 0, shown.first);
    const std::size_t to = std::min(drawn_end_, shown.last);
    if (from < to) {
        for (const Series& series : content_.series) {
            draw_series(painter, frame_, s, series, from, to, curve_pen(series, look_, true),
                        simulation_.summary_of(s));
        }
    }
    layer_end_ = drawn_end_;
}

void GraphView::lay_out() {
    zoom_bar_->resize(scroll_width, std::max(0, height() - 2 * gap_y));
    zoom_bar_->move(gap_x, zoom_bar_->y());
    canvas_->setGeometry(scroll_width + gap_x, gap_y,
                         std::max(1, width() - 2 * gap_x - scroll_width),
                         std::max(1, height() - 2 * gap_y));
}

void GraphView::redraw() {
    if (!simulation_.ready()) {
        return;
    }
    const SimulationState& s = simulation_.state();
    if (whole_) {
        window_ = whole(s.t_span);
    } else {
        window_ = panned(window_, 0, s.t_span);
    }
    // A replot draws the curve up to the run position at least.
    drawn_end_ = std::max(drawn_end_, std::min(run_index(s) + 1, computed_points(s)));
    lay_out();
    ++replots_;
    segments_ = 0;
    rebuild();
    draw_layer();
    canvas_->update();
}

void GraphView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    redraw();
}

void GraphView::extend(int k) {
    const SimulationState& s = simulation_.state();
    ++segments_;
    drawn_end_ = std::min(static_cast<std::size_t>(k) + 1, computed_points(s));
    const double t = s.t_grid[static_cast<std::size_t>(k)];
    if (following_ && !whole_ && (t > window_.to || t < window_.from)) {
        changed_window(ovrelan::following(window_, t, s.t_span));
        return;
    }
    if (isVisible()) {
        const double x = frame_.x_px(t * frame_.time_scale);
        canvas_->update(
            QRectF(x - 40, frame_.plot.top - 4, 48, frame_.plot.height + 8).toAlignedRect());
    }
}

void GraphView::changed_window(const TimeWindow& window) {
    set_time_window(window);
    if (window_changed_) {
        window_changed_(window_);
    }
}

void GraphView::set_time_window(const TimeWindow& window) {
    const double span = simulation_.state().t_span;
    window_ = panned(window, 0, span);
    whole_ = !zoomed_in(window_, span);
    rebuild();
    draw_layer();
    // The pointer stands still while the view moves under it (following a run, a pan by keys):
    // the read-out is of the time under it now.
    if (pointer_ && hover_) {
        hover_ = point_at_time(frame_.x_of_px(pointer_->x()) / frame_.time_scale);
    }
    canvas_->update();
}

void GraphView::show_whole() {
    changed_window(whole(simulation_.state().t_span));
}

void GraphView::zoom_time(double about, double factor) {
    const SimulationState& s = simulation_.state();
    // No narrower than a few grid steps.
    changed_window(zoomed(window_, about, factor, s.t_span, 8 * s.dt));
}

void GraphView::pan_time(double by) {
    changed_window(panned(window_, by, simulation_.state().t_span));
}

void GraphView::zoom_changed(int value) {
    zoom_ = zoom_of_scroll(value);
    redraw();
}

void GraphView::set_axes(Axes axes) {
    axes_ = kind_ == GraphKind::UI ? Axes::physical : axes;
    extents_.reset();
    redraw();
}

void GraphView::set_preview(bool shown) {
    if (look_.preview != shown) {
        look_.preview = shown;
        redraw();
    }
}

void GraphView::set_energies_apart(bool apart) {
    energies_apart_ = apart;
    extents_.reset();
    redraw();
}

void GraphView::set_scale(double scale) {
    look_.scale = scale;
    look_.font = graph_font(scale, false);
    redraw();
}

void GraphView::set_palette(const Palette& screen, const Palette& pictures) {
    picture_palette_ = &pictures;
    if (look_.palette != &screen) {
        look_.palette = &screen;
        redraw();
    }
}

void GraphView::set_time_labels(bool shown) {
    time_labels_ = shown;
    redraw();
}

} // namespace ovrelan
