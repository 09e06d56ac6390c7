#include "graphs/graph_window.h"

#include "geometry/colours.h"
#include "geometry/graph_axes.h"
#include "platform/fonts.h"
#include "platform/locale.h"
#include "simulation/simulation.h"
#include "solution/solution_arrays.h"

#include <QScrollBar>

#include <cmath>

namespace ovrelan {

namespace {

constexpr int gap_x = 10;
constexpr int gap_y = 10;
constexpr int scroll_width = 20;
constexpr int scroll_top = 8; // 1/12 inch below the client area's top

const QColor grid_colour = to<QColor>(grid_green);
const QColor curve_colour = to<QColor>(curve_red);

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

GraphWindow::GraphWindow(Simulation& simulation, const GraphVariant& variant)
    : QWidget(nullptr, Qt::Window), simulation_(simulation), variant_(variant),
      VScroll1(new QScrollBar(Qt::Vertical, this)), Picture1(new DrawingSurface(this)) {
    setObjectName(variant.form_name);
    setWindowTitle(qt(variant.caption(simulation.state())));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to<QColor>(window_background));
    setPalette(palette);
    setAutoFillBackground(true);

    VScroll1->setObjectName("VScroll1");
    VScroll1->setRange(-9, 9);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(1);
    VScroll1->move(gap_x, scroll_top);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int v) { zoom_changed(v); });

    Picture1->setObjectName("Picture1");
    Picture1->setToolTip(variant.tooltip);
    Picture1->set_background(Qt::white);
    Picture1->set_text_font(times_font());
    resize(354, 134);

    connect(&simulation, &Simulation::recomputed, this, [this] {
        setWindowTitle(qt(variant_.caption(simulation_.state())));
        redraw();
    });
    connect(&simulation, &Simulation::point_played, this, [this](int k) { extend(k); });
}

bool GraphWindow::ready() const {
    return simulation_.ready();
}

void GraphWindow::place_beside(const QWidget& main) {
    const QRect frame = main.frameGeometry();
    const QSize decoration = frame.size() - main.geometry().size();
    const int outer_width = frame.width() / 2;
    const int outer_height = frame.height() / 3;
    resize(std::max(1, outer_width - decoration.width()),
           std::max(1, outer_height - decoration.height()));
    move(frame.left() + frame.width(), frame.top() + frame.height() * variant_.top_offset / 5);
    VScroll1->setValue(static_cast<int>(std::nearbyint(zoom_)));
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

// ekran_*: the scroll bar at the left edge, the plotting area beside it.
void GraphWindow::lay_out() {
    const int client_width = width();
    const int client_height = height();
    VScroll1->resize(scroll_width, std::max(0, client_height - 2 * gap_y));
    VScroll1->move(gap_x, VScroll1->y());
    Picture1->setGeometry(scroll_width + gap_x, gap_y,
                          std::max(1, client_width - 2 * gap_x - scroll_width),
                          std::max(1, client_height - 2 * gap_y));
}

double GraphWindow::sample(int k) const {
    return variant_.sample(simulation_.state(), static_cast<std::size_t>(k));
}

// axes_*_t: range, grid, labels, header, axes and the current sample.
void GraphWindow::draw_axes() {
    const SimulationState& state = simulation_.state();
    const GraphAxes a = graph_axes(state, variant_, zoom_, decimal_separator());
    DrawingSurface& p = *Picture1;
    p.set_scale(0, a.y_top, a.t_span, a.y_bottom);
    p.set_pen_width(1);
    // However many grid intervals there are, each pixel column gets one line and one label.
    const int columns = p.width();
    for (const std::size_t i : distinct_columns(a.vertical_lines, a.t_span, columns)) {
        const double x = (pixel_column(a.vertical_lines[i], a.t_span, columns) + 0.5) * a.t_span /
                         columns; // the centre of its pixel column
        p.line(x, a.y_top, x, a.y_bottom, grid_colour);
    }
    std::vector<double> label_x;
    for (const PlacedText& label : a.time_labels) {
        label_x.push_back(label.x);
    }
    for (const std::size_t i : distinct_columns(label_x, a.t_span, columns)) {
        p.point(a.time_labels[i].x, a.time_labels[i].y, Qt::black);
        p.text(qt(a.time_labels[i].text));
    }
    p.move_to(a.tau.x, a.tau.y);
    p.text(qt(a.tau.text));
    for (std::size_t k = 0; k < a.horizontal_lines.size(); ++k) {
        const double y = a.horizontal_lines[k];
        p.line(0, y, a.t_span, y, grid_colour);
        p.move_to(a.value_labels[k].x, a.value_labels[k].y);
        p.text(qt(a.value_labels[k].text));
    }
    p.move_to(a.header.x, a.header.y);
    p.text(qt(a.header.text));
    p.set_pen_width(3);
    p.line(0, a.y_top, 0, a.y_bottom, Qt::black);
    p.line(0, 0, a.t_span, 0, Qt::black);
    const auto k = run_index(state);
    p.point(state.t_grid[k], sample(static_cast<int>(k)), Qt::black);
}

// mas_*: full replot, the curve joining every second sample up to k_now.
void GraphWindow::replot() {
    const SimulationState& state = simulation_.state();
    ++replots_;
    segments_ = 0;
    Picture1->clear();
    if (state.t_grid.empty()) {
        return;
    }
    draw_axes();
    Picture1->point(state.t_grid[0], sample(0), Qt::black);
    std::vector<QPointF> points;
    for (const std::size_t i : replot_samples(static_cast<int>(run_index(state)))) {
        points.emplace_back(state.t_grid[i], sample(static_cast<int>(i)));
    }
    Picture1->polyline_to(points, curve_colour);
}

void GraphWindow::extend(int k) {
    ++segments_;
    Picture1->line_to(simulation_.state().t_grid[static_cast<std::size_t>(k)], sample(k),
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
