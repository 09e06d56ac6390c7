#include "graphs/graph_view.h"

#include "geometry/colours.h"
#include "platform/fonts.h"
#include "platform/locale.h"
#include "simulation/simulation.h"
#include "solution/solution_arrays.h"

#include <QContextMenuEvent>
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
constexpr int scroll_top = 8;      // 1/12 inch below the client area's top
constexpr double wheel_zoom = 0.8; // one notch of the wheel
constexpr double drag_threshold = 4;

GraphId id_of(GraphKind kind) {
    return kind == GraphKind::UI ? GraphId::Uc : static_cast<GraphId>(kind);
}

} // namespace

const GraphVariant& variant_of(GraphKind kind) {
    return graph_variant(id_of(kind));
}

// The picture: the frame, the plot's kept picture and what follows the pointer.
class PlotCanvas final : public QWidget {
public:
    explicit PlotCanvas(GraphView& view) : QWidget(&view), view_(view) {
        setObjectName("Picture1");
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus); // Tab reaches it: the markers by keyboard
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        view_.catch_up();
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const GraphFrame& f = view_.frame_;
        // At its own size: a copy of its pixels, not a scaled picture.
        painter.drawImage(QPointF(f.plot.left, f.plot.top), view_.layer_);
        painter.setRenderHint(QPainter::Antialiasing);
        draw_frame(painter, f, view_.look_, qstring(view_.readout_text()));
        draw_legend(painter);
        draw_marks(painter, f, view_.look_, view_.axes_, view_.markers_, view_.hover_);
    }

    void draw_legend(QPainter& painter) {
        std::vector<QPen> pens;
        for (const auto& [name, pen] : view_.legend_entries()) {
            pens.push_back(pen);
        }
        ovrelan::draw_legend(painter, view_.legend(), pens, view_.look_,
                             [this](const std::string& name) { return view_.series_shown(name); });
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            press_ = event->position();
            dragged_ = false;
            const QPointF at = event->position();
            for (const LegendItem& item : view_.legend()) {
                const PixelBox& box = item.box;
                if (at.x() >= box.left && at.x() < box.left + box.width && at.y() >= box.top &&
                    at.y() < box.top + box.height) {
                    view_.set_series_shown(item.name, !view_.series_shown(item.name));
                    press_.reset();
                    return;
                }
            }
        }
        QWidget::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (press_ && (event->buttons() & Qt::LeftButton)) {
            const QPointF d = event->position() - *press_;
            if (dragged_ || std::hypot(d.x(), d.y()) > drag_threshold) {
                // Dragging pans: the time under the pointer goes with it.
                const GraphFrame& f = view_.frame_;
                const double tau_per_px =
                    (f.x.high - f.x.low) / f.plot.width / std::max(1e-300, f.time_scale);
                view_.pan_time(-d.x() * tau_per_px);
                press_ = event->position();
                dragged_ = true;
                return;
            }
        }
        view_.point_at(event->position());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && press_ && !dragged_) {
            before_click_ = view_.markers_;
            view_.pin_at(event->position());
        }
        press_.reset();
        dragged_ = false;
    }
    // A double click shows the whole interval; the marker its first click set goes again.
    void mouseDoubleClickEvent(QMouseEvent*) override {
        view_.markers_ = before_click_;
        view_.show_whole();
    }
    void leaveEvent(QEvent*) override { view_.leave(); }
    void wheelEvent(QWheelEvent* event) override {
        const int notches = event->angleDelta().y() / 120;
        if (notches == 0) {
            return;
        }
        if (event->modifiers() & Qt::ControlModifier) {
            // The values: the zoom bar, a step a notch (up shows them larger).
            view_.zoom_bar_->setValue(view_.zoom_bar_->value() - notches);
        } else {
            const GraphFrame& f = view_.frame_;
            const double about = f.x_of_px(event->position().x()) / f.time_scale;
            view_.zoom_time(about, std::pow(wheel_zoom, notches));
        }
        event->accept();
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        view_.leave(); // no cross-hair left behind while the menu is open
        view_.context_menu(event->globalPos());
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            // Only the read-out strip has a tooltip: its whole text, which the strip may cut.
            const auto* help = static_cast<QHelpEvent*>(event);
            const GraphFrame& f = view_.frame_;
            const QRectF strip(f.readout.left, f.readout.top, f.readout.width, f.readout.height);
            const QRectF title(f.title.left, f.title.top, f.title.width, f.title.height);
            if (strip.contains(help->pos()) && !view_.readout_text().empty()) {
                QToolTip::showText(help->globalPos(), qstring(view_.readout_text()), this);
            } else if (title.contains(help->pos())) {
                QToolTip::showText(help->globalPos(),
                                   qstring(graph_title(view_.kind_, view_.simulation_.state())),
                                   this);
            } else {
                QToolTip::hideText();
            }
            return true;
        }
        return QWidget::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override { view_.keyPressEvent(event); }

private:
    GraphView& view_;
    std::optional<QPointF> press_;
    bool dragged_ = false;
    std::vector<GraphPoint> before_click_; // the markers before the last click
};

GraphView::GraphView(Simulation& simulation, GraphKind kind, Platform& platform, QWidget* parent)
    : QWidget(parent), simulation_(simulation), kind_(kind), platform_(platform),
      zoom_bar_(new QScrollBar(Qt::Vertical, this)), canvas_(new PlotCanvas(*this)) {
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
    zoom_bar_->setAccessibleName("Масштаб по вертикали");
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
        // The remembered solutions on the same axes.
        for (const Remembered& kept : remembered()) {
            for (const Series& series : kept.content.series) {
                const Extent e =
                    series_extent(*kept.state, series, simulation_.summary_of(*kept.state));
                Extent& axis = series.right_axis ? right : left;
                axis = {std::min(axis.low, e.low), std::max(axis.high, e.high)};
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
    layer_.fill(Qt::white);
    const SimulationState& s = simulation_.state();
    if (!s.t_grid.empty()) {
        QPainter painter(&layer_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-frame_.plot.left, -frame_.plot.top);
        draw_grid(painter, frame_, look_);
        draw_envelope(painter, frame_, look_);
        draw_remembered(painter, frame_, look_);
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
            draw_series(painter, frame_, s, series, from, to, curve_pen(series, look_.scale, true),
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

void GraphView::set_time_labels(bool shown) {
    time_labels_ = shown;
    redraw();
}

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
            text += "; Θ = " + plain_text(*theta, separator) + " (на панели " +
                    plain_text(s.theta, separator) + ")";
        }
        return text;
    }
    if (hover_) {
        return point_readout(*hover_, v, separator);
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

void GraphView::add_menu_items(QMenu& menu) {
    QAction* clear = menu.addAction("Убрать &метки", [this] { clear_markers(); });
    clear->setShortcut(Qt::Key_Escape);
    clear->setEnabled(!markers_.empty());
    QAction* all = menu.addAction("Показать &всё время", [this] { show_whole(); });
    all->setShortcut(Qt::Key_Home);
    all->setEnabled(!whole_);
    QAction* follow =
        menu.addAction("&Следовать за расчётом", [this](bool on) { following_ = on; });
    follow->setCheckable(true);
    follow->setChecked(following_);
    if (kind_ != GraphKind::UI) {
        QAction* si = menu.addAction("&Физические единицы", [this](bool on) {
            set_axes(on ? Axes::physical : Axes::normalised);
        });
        si->setCheckable(true);
        si->setChecked(axes_ == Axes::physical);
    }
    if (envelope_of(simulation_.state(), kind_)) {
        QAction* envelope =
            menu.addAction("&Огибающая ±A·e^(−δt)", [this](bool on) { set_envelope(on); });
        envelope->setCheckable(true);
        envelope->setChecked(envelope_);
    }
    if (kind_ == GraphKind::W && axes_ == Axes::physical) {
        QAction* apart = menu.addAction("&Энергии конденсатора и катушки",
                                        [this](bool on) { set_energies_apart(on); });
        apart->setCheckable(true);
        apart->setChecked(energies_apart_);
    }
}

void GraphView::context_menu(const QPoint& global) {
    QMenu menu(this);
    add_menu_items(menu);
    if (extra_menu) {
        menu.addSeparator();
        extra_menu(menu);
    }
    menu.exec(global);
}

// As a picture: the whole curve in full colour (a picture shows the result, not a run half
// done), with the view's time window, axes, curves and markers.
void GraphView::render(QPainter& painter, const QRectF& target, double scale,
                       const QString& title) {
    render_picture(
        painter, target, scale, title,
        [this](QPainter& p, QSizeF size, const GraphLook& look) { draw_picture(p, size, look); });
}

void GraphView::draw_picture(QPainter& painter, QSizeF size, const GraphLook& look) {
    const SimulationState& s = simulation_.state();
    const GraphAxes normalised = graph_axes(s, variant_of(kind_), zoom_, decimal_separator());
    if (content_.series.empty()) {
        content_ = graph_content(s, kind_, axes_, energies_apart_); // never shown on a screen
    }
    FrameRequest r = request(size.width(), size.height());
    r.normalised = &normalised;
    r.readout = !markers_.empty();
    r.inset = 3 * look.scale;
    const GraphFrame f = graph_frame(r, measure_with(look.font));
    draw_grid(painter, f, look);
    draw_envelope(painter, f, look);
    draw_remembered(painter, f, look);
    GraphContent content = graph_content(s, kind_, axes_, energies_apart_);
    std::erase_if(content.series,
                  [this](const Series& series) { return !series_shown(series.name); });
    draw_curves(painter, f, s, content, computed_points(s), look, simulation_.summary_of(s));
    const std::string readout = markers_.empty() ? std::string() : readout_text();
    draw_frame(painter, f, look, qstring(readout));
    std::vector<std::string> names;
    std::vector<QPen> pens;
    for (const auto& [name, pen] : legend_entries()) {
        names.push_back(name);
        QPen scaled = pen;
        scaled.setWidthF(pen.widthF() / look_.scale * look.scale);
        pens.push_back(scaled);
    }
    draw_legend(painter, legend_layout(f, names, measure_with(look.font), look.scale), pens, look,
                [this](const std::string& name) { return series_shown(name); });
    draw_marks(painter, f, look, axes_, markers_, std::nullopt);
}

} // namespace ovrelan
