#include "graphs/graph_window.h"

#include "geometry/colours.h"
#include "geometry/graph_axes.h"
#include "graphs/graph_export.h"
#include "platform/fonts.h"
#include "platform/locale.h"
#include "simulation/simulation.h"
#include "solution/solution_arrays.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include <cmath>

namespace ovrelan {

ScreenRect to_screen_rect(const QRect& r) {
    return {r.left(), r.top(), r.width(), r.height()};
}

namespace {

constexpr int gap_x = 10;
constexpr int gap_y = 10;
constexpr int scroll_width = 20;
constexpr int scroll_top = 8; // 1/12 inch below the client area's top

const QColor grid_colour = to<QColor>(grid_green);
const QColor curve_colour = to<QColor>(curve_red);
const QColor preview_colour = to<QColor>(preview_red);
const QColor label_background(255, 255, 255, 200);

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

GraphWindow::GraphWindow(Simulation& simulation, const GraphVariant& variant, Platform& platform)
    : QWidget(nullptr, Qt::Window), simulation_(simulation), variant_(variant), platform_(platform),
      zoom_bar_(new QScrollBar(Qt::Vertical, this)), plot_(new DrawingSurface(this)) {
    setObjectName(variant.form_name);
    setWindowTitle(qt(variant.caption(simulation.state())));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to<QColor>(window_background));
    setPalette(palette);
    setAutoFillBackground(true);

    zoom_bar_->setObjectName("VScroll1");
    zoom_bar_->setRange(-9, 9);
    zoom_bar_->setSingleStep(1);
    zoom_bar_->setPageStep(1);
    zoom_bar_->setFocusPolicy(Qt::StrongFocus);
    zoom_bar_->move(gap_x, scroll_top);
    connect(zoom_bar_, &QScrollBar::valueChanged, this, [this](int v) { zoom_changed(v); });

    plot_->setObjectName("Picture1");
    plot_->setToolTip(variant.tooltip);
    plot_->set_background(Qt::white);
    plot_->set_text_font(times_font());
    plot_->setMouseTracking(true);
    plot_->setFocusPolicy(Qt::StrongFocus); // Tab reaches it: the markers by keyboard
    plot_->installEventFilter(this);
    plot_->set_decoration([this](QPainter& painter) { decorate(painter); });
    resize(354, 134);

    connect(&simulation, &Simulation::recomputed, this, [this] {
        setWindowTitle(qt(variant_.caption(simulation_.state())));
        markers_.clear(); // they read the arrays that were
        hover_.reset();
        redraw();
    });
    connect(&simulation, &Simulation::position_jumped, this, [this] { redraw(); });
    connect(&simulation, &Simulation::point_played, this, [this](int k) { extend(k); });
}

bool GraphWindow::ready() const {
    return simulation_.ready();
}

void GraphWindow::place_beside(const QWidget& main) {
    const QRect frame = main.frameGeometry();
    decoration_ = frame.size() - main.geometry().size();
    const ScreenRect wanted{frame.left() + frame.width(),
                            frame.top() + frame.height() * variant_.top_offset / 5,
                            frame.width() / 2, frame.height() / 3};
    // Moved into the screen that holds the main window where it would stand off it.
    const QScreen* screen = main.screen();
    place(screen != nullptr ? keep_on_screen(wanted, to_screen_rect(screen->availableGeometry()))
                            : wanted);
    zoom_bar_->setValue(static_cast<int>(std::nearbyint(zoom_)));
}

void GraphWindow::place(const ScreenRect& frame) {
    if (isVisible()) {
        decoration_ = frameGeometry().size() - geometry().size();
    }
    resize(std::max(1, frame.width - decoration_.width()),
           std::max(1, frame.height - decoration_.height()));
    move(frame.left, frame.top);
}

void GraphWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    redraw();
}

// The plotting area is laid out before the replot, so the picture always fills it.
void GraphWindow::redraw() {
    if (!ready()) {
        return;
    }
    lay_out();
    replot();
}

void GraphWindow::set_fast_paths(bool on) {
    plot_->set_fast_paths(on);
    grid_key_ = {};
    labels_key_ = {};
    redraw();
}

// ekran_*: the scroll bar at the left edge, the plotting area beside it.
void GraphWindow::lay_out() {
    const int client_width = width();
    const int client_height = height();
    zoom_bar_->resize(scroll_width, std::max(0, client_height - 2 * gap_y));
    zoom_bar_->move(gap_x, zoom_bar_->y());
    plot_->setGeometry(scroll_width + gap_x, gap_y,
                       std::max(1, client_width - 2 * gap_x - scroll_width),
                       std::max(1, client_height - 2 * gap_y));
}

double GraphWindow::sample(int k) const {
    return variant_.sample(simulation_.state(), static_cast<std::size_t>(k));
}

// A place on the plot as the rasteriser sees it: it works in 1/64 of a pixel (a coordinate is
// cut to that), so places equal there are drawn alike, whatever rounding the range left in the
// last digits of the doubles.
void GraphWindow::add_place(LayerKey& key, QPointF pixels) {
    const qreal ratio = plot_->devicePixelRatioF();
    key.numbers.push_back(std::trunc(pixels.x() * ratio * 64));
    key.numbers.push_back(std::trunc(pixels.y() * ratio * 64));
}

// Which grid lines and labels a plot of this size shows.
AxesShown GraphWindow::axes_shown(const GraphAxes& a) {
    DrawingSurface& p = *plot_;
    return shown_axes(a, {static_cast<double>(p.width()), static_cast<double>(p.height())},
                      [&p](const std::string& text) {
                          const QSizeF size = p.text_size(qt(text));
                          return TextExtent{size.width(), size.height()};
                      });
}

// axes_*_t, first half: the grid on a clean picture. It depends on the plot's size and grid only,
// so the picture of it is kept and put back while they stay the same.
void GraphWindow::draw_grid(const GraphAxes& a, const AxesShown& shown) {
    DrawingSurface& p = *plot_;
    std::vector<double> lines;
    for (const int k : shown.vertical_lines) {
        // The centre of its pixel column.
        const double columns = p.width();
        const double x =
            (std::floor(a.vertical_line_x(k) / a.t_span * columns) + 0.5) * a.t_span / columns;
        lines.insert(lines.end(), {x, a.y_top, x, a.y_bottom});
    }
    for (const int i : shown.horizontal_lines) {
        const double y = a.horizontal_lines[static_cast<std::size_t>(i)];
        lines.insert(lines.end(), {0, y, a.t_span, y});
    }
    LayerKey key{p.size(), p.devicePixelRatioF(), {}, {}};
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        add_place(key, p.to_pixels(lines[i], lines[i + 1]));
    }
    p.draw_on(Layer::picture);
    if (p.fast_paths() && key == grid_key_ && p.restore_picture(grid_)) {
        return;
    }
    ++layers_drawn_;
    p.clear();
    p.set_pen_width(1);
    for (std::size_t i = 0; i < lines.size(); i += 4) {
        p.line(lines[i], lines[i + 1], lines[i + 2], lines[i + 3], grid_colour);
    }
    grid_key_ = std::move(key);
    grid_ = p.picture_copy();
}

// axes_*_t, second half: the labels and the two axes on the overlay, each label on a light box:
// readable whatever curve passes under them. Kept while the same texts stand at the same places.
void GraphWindow::draw_labels_and_axes(const GraphAxes& a, const AxesShown& shown) {
    DrawingSurface& p = *plot_;
    std::vector<PlacedText> labels;
    for (const int k : shown.time_labels) {
        labels.push_back(a.time_label(k));
    }
    if (shown.tau) {
        labels.push_back(a.tau);
    }
    for (const int i : shown.value_labels) {
        labels.push_back(a.value_labels[static_cast<std::size_t>(i)]);
    }
    if (shown.header) {
        labels.push_back(a.header);
    }
    const std::size_t time_labels = shown.time_labels.size();
    LayerKey key{p.size(), p.devicePixelRatioF(), {}, {}};
    for (const PlacedText& label : labels) {
        add_place(key, p.to_pixels(label.x, label.y));
        key.texts.push_back(label.text);
    }
    for (const QPointF& end : {p.to_pixels(0, a.y_top), p.to_pixels(0, a.y_bottom),
                               p.to_pixels(0, 0), p.to_pixels(a.t_span, 0)}) {
        add_place(key, end);
    }
    p.draw_on(Layer::overlay);
    if (!p.fast_paths() || key != labels_key_) {
        ++layers_drawn_;
        p.clear_overlay();
        p.set_pen_width(1);
        p.set_text_background(label_background);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            if (i < time_labels) {
                p.point(labels[i].x, labels[i].y, Qt::black); // the time labels start at a dot
            } else {
                p.move_to(labels[i].x, labels[i].y);
            }
            p.text(qt(labels[i].text));
        }
        p.set_text_background(Qt::transparent);
        p.set_pen_width(3);
        p.line(0, a.y_top, 0, a.y_bottom, Qt::black);
        p.line(0, 0, a.t_span, 0, Qt::black);
        labels_key_ = std::move(key);
    }
    p.draw_on(Layer::picture);
}

// Samples first, first + step, ... (count of them) joined from the pen.
void GraphWindow::draw_samples(std::size_t first, std::size_t count, std::size_t step,
                               const QColor& colour) {
    const SimulationState& state = simulation_.state();
    const double* t = state.t_grid.data() + first;
    if (variant_.id == GraphId::Ur) {
        plot_->polyline_through(t, state.Ur_t.data() + first, count, step, colour);
        return;
    }
    const std::vector<double>* values[] = {&state.UL_t, &state.Uc_t, nullptr, &state.I_t,
                                           &state.W_t};
    const double* v = values[static_cast<std::size_t>(variant_.id)]->data() + first;
    plot_->polyline_through(t, v, count, step, colour);
}

// The whole curve in a light tint: what a run will draw, seen before it, through every second
// sample as the replot joins them. Up to the run position the bright curve covers it, so it is
// drawn from there on.
void GraphWindow::draw_preview() {
    const SimulationState& state = simulation_.state();
    if (!preview_ || state.t_grid.empty()) {
        return;
    }
    const std::size_t from = run_index(state) / 2 * 2;
    const std::size_t end = computed_points(state);
    if (end <= from + 1) {
        return;
    }
    plot_->set_pen_width(3);
    plot_->move_to(state.t_grid[from], variant_.sample(state, from));
    const std::size_t count = (end - 1 - from) / 2; // samples from + 2, from + 4, ...
    draw_samples(from + 2, count, 2, preview_colour);
    plot_->set_pen_width(1);
}

// mas_*: full replot, the curve joining every second sample up to k_now.
void GraphWindow::replot() {
    const SimulationState& state = simulation_.state();
    ++replots_;
    segments_ = 0;
    if (state.t_grid.empty()) {
        plot_->clear();
        plot_->clear_overlay();
        grid_key_ = labels_key_ = {};
        return;
    }
    const GraphAxes a = graph_axes(state, variant_, zoom_, decimal_separator());
    plot_->set_scale(0, a.y_top, a.t_span, a.y_bottom);
    const AxesShown shown = axes_shown(a);
    draw_grid(a, shown);
    draw_preview();
    draw_labels_and_axes(a, shown);
    // The current sample, then the curve joining every second sample up to the run position.
    plot_->set_pen_width(3);
    const auto k = run_index(state);
    plot_->point(state.t_grid[k], sample(static_cast<int>(k)), Qt::black);
    plot_->point(state.t_grid[0], sample(0), Qt::black);
    const std::size_t joined = run_index(state) / 2 + 1;
    draw_samples(0, joined, 2, curve_colour);
}

void GraphWindow::set_preview(bool shown) {
    if (preview_ != shown) {
        preview_ = shown;
        redraw();
    }
}

// The title-bar button hides the window; the main window clears its box.
void GraphWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (closed_) {
        closed_();
    }
}

void GraphWindow::extend(int k) {
    ++segments_;
    plot_->line_to(simulation_.state().t_grid[static_cast<std::size_t>(k)], sample(k),
                   curve_colour);
}

// VScroll1_Change.
void GraphWindow::zoom_changed(int value) {
    if (!ready()) {
        return;
    }
    zoom_ = zoom_of_scroll(value);
    replot();
}

} // namespace ovrelan

namespace ovrelan {

namespace {

const QColor cross_hair_colour(60, 60, 200);
const QColor marker_colour(0, 110, 0);
const QColor readout_background(255, 255, 255, 225);

} // namespace

GraphPoint GraphWindow::point_under(QPointF plot_pixels) const {
    return graph_point(simulation_.state(), variant_, plot_->to_user(plot_pixels).x());
}

void GraphWindow::point_at(QPointF plot_pixels) {
    if (simulation_.state().t_grid.empty()) {
        return;
    }
    hover_ = point_under(plot_pixels);
    plot_->update();
}

void GraphWindow::leave() {
    hover_.reset();
    plot_->update();
}

void GraphWindow::pin_at(QPointF plot_pixels) {
    if (simulation_.state().t_grid.empty()) {
        return;
    }
    pin(point_under(plot_pixels));
}

void GraphWindow::pin(const GraphPoint& point) {
    if (markers_.size() == 2) {
        markers_.clear();
    }
    markers_.push_back(point);
    plot_->update();
}

void GraphWindow::move_read_out(int steps) {
    const SimulationState& s = simulation_.state();
    if (s.t_grid.empty()) {
        return;
    }
    const auto from = static_cast<long>(hover_ ? hover_->k : run_index(s));
    const auto last = static_cast<long>(last_computed_index(s));
    const auto k = static_cast<std::size_t>(std::clamp(from + steps, 0L, last));
    hover_ = graph_point(s, variant_, s.t_grid[k]);
    plot_->update();
}

void GraphWindow::clear_markers() {
    markers_.clear();
    plot_->update();
}

std::string GraphWindow::readout_text() const {
    const char separator = decimal_separator();
    if (markers_.size() == 2) {
        return markers_readout(markers_[0], markers_[1], variant_, separator);
    }
    if (hover_) {
        return point_readout(*hover_, variant_, separator);
    }
    if (markers_.size() == 1) {
        return "A: " + point_readout(markers_[0], variant_, separator);
    }
    return {};
}

// The cross-hair at the grid point under the pointer, the markers with their letters, and the
// read-out on a light box along the bottom of the plot.
void GraphWindow::decorate(QPainter& painter) const {
    const DrawingSurface& p = *plot_;
    const auto at = [&](const GraphPoint& g) { return p.to_pixels(g.tau, g.normalised); };
    painter.save();
    if (hover_) {
        const QPointF c = at(*hover_);
        painter.setPen(QPen(cross_hair_colour, 1, Qt::DashLine));
        painter.drawLine(QPointF(c.x(), 0), QPointF(c.x(), p.height()));
        painter.drawLine(QPointF(0, c.y()), QPointF(p.width(), c.y()));
    }
    QFont font = times_font(true);
    painter.setFont(font);
    const char* const letters[] = {"A", "B"};
    for (std::size_t i = 0; i < markers_.size(); ++i) {
        const QPointF c = at(markers_[i]);
        painter.setPen(QPen(marker_colour, 1));
        painter.drawLine(QPointF(c.x(), 0), QPointF(c.x(), p.height()));
        painter.setBrush(marker_colour);
        painter.drawEllipse(c, 4, 4);
        painter.drawText(c + QPointF(6, -6), letters[i]);
    }
    const QString text = qt(readout_text());
    if (!text.isEmpty()) {
        painter.setFont(times_font());
        const QRectF area(4, 0, p.width() - 8, p.height());
        const QRectF box = painter.boundingRect(area, Qt::TextWordWrap, text);
        const QRectF placed(4, p.height() - box.height() - 4, box.width(), box.height());
        painter.fillRect(placed.adjusted(-3, -1, 3, 1), readout_background);
        painter.setPen(Qt::black);
        painter.drawText(placed, Qt::TextWordWrap, text);
    }
    painter.restore();
}

bool GraphWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == plot_) {
        switch (event->type()) {
        case QEvent::MouseMove:
            point_at(static_cast<QMouseEvent*>(event)->position());
            break;
        case QEvent::Leave:
            leave();
            break;
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                pin_at(mouse->position());
                return true;
            }
            break;
        }
        case QEvent::ContextMenu:
            context_menu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The markers by keyboard: the arrows move the read-out point by a grid point (ten with Shift),
// Enter pins a marker there, Escape clears them.
void GraphWindow::keyPressEvent(QKeyEvent* event) {
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
    default:
        QWidget::keyPressEvent(event);
    }
}

void GraphWindow::context_menu(const QPoint& global) {
    QMenu menu(this);
    QAction* clear = menu.addAction("Убрать метки", [this] { clear_markers(); });
    clear->setShortcut(Qt::Key_Escape);
    clear->setEnabled(!markers_.empty());
    menu.addSeparator();
    menu.addAction("Копировать изображение", [this] { copy_picture(); });
    menu.addAction("Сохранить изображение…", [this] { save_picture(); });
    menu.addAction("Сохранить данные…", [this] { save_data(); });
    menu.addAction("Печать…", [this] { print_picture(); });
    menu.exec(global);
}

// Without the cross-hair that follows the pointer; the markers stay.
QImage GraphWindow::picture() {
    const std::optional<GraphPoint> pointer = hover_;
    hover_.reset();
    QImage image = titled_picture(windowTitle(), plot_->grab());
    hover_ = pointer;
    return image;
}

// Each of these reads the model: an edit still waiting is finished first.
void GraphWindow::copy_picture() {
    simulation_.finish_pending_edits();
    QGuiApplication::clipboard()->setImage(picture());
}

void GraphWindow::save_picture() {
    simulation_.finish_pending_edits();
    save_image(this, platform_, picture(), QString(variant_.name) + ".png");
}

void GraphWindow::save_data() {
    simulation_.finish_pending_edits();
    save_results(this, platform_, simulation_.state());
}

void GraphWindow::print_picture() {
    simulation_.finish_pending_edits();
    platform_.dialogs.print(this, picture());
}

} // namespace ovrelan
