// One graph window: a vertical zoom scroll bar and a plotting area showing one normalised
// quantity against normalised time. Five instances differ only by their GraphVariant. Each
// follows the simulation: replotted after every recomputation, extended by one segment for
// every point a run plays.
#pragma once

#include "geometry/graph_readout.h"
#include "geometry/graph_variants.h"
#include "geometry/window_tiling.h"
#include "platform/drawing_surface.h"
#include "platform/platform.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QScrollBar;

namespace ovrelan {

class Simulation;
struct GraphAxes;
struct AxesShown;

ScreenRect to_screen_rect(const QRect& r);

class GraphWindow final : public QWidget {
public:
    GraphWindow(Simulation& simulation, const GraphVariant& variant, Platform& platform);

    const GraphVariant& variant() const { return variant_; }
    DrawingSurface* plot() const { return plot_; }
    QScrollBar* zoom_bar() const { return zoom_bar_; }
    double zoom() const { return zoom_; }

    // Start-up place (zapusk_*): to the right of the main window, half its width and a third of
    // its height, the tops a fifth of its height apart, kept on the screen; hidden.
    void place_beside(const QWidget& main);
    // Moves and sizes the window so that its frame is this rectangle.
    void place(const ScreenRect& frame);
    // Form_Resize: lays the window out and replots it (nothing before start-up has ended).
    void redraw();
    // The whole curve in a light tint under the run's bright one (on by default).
    void set_preview(bool shown);
    bool preview() const { return preview_; }
    // Called when the student closes the window with its title-bar button.
    void on_closed(std::function<void()> closed) { closed_ = std::move(closed); }
    // The run's step: one red line-to from the pen to sample k, shown or hidden.
    void extend(int k);
    int replots() const { return replots_; }
    // How often the grid or the labels were drawn afresh rather than kept.
    int layers_drawn() const { return layers_drawn_; }
    int segments() const { return segments_; }

    // Read-out and markers: the pointer over the plot shows a cross-hair and the values there;
    // a click pins marker A, a second one B (a third starts again at A).
    void point_at(QPointF plot_pixels); // the pointer moved over the plot
    void leave();                       // the pointer left it
    void pin_at(QPointF plot_pixels);   // a click there
    void clear_markers();               // Escape, or the context menu
    void move_read_out(int steps);      // the arrow keys: the read-out point by grid points
    void pin(const GraphPoint& point);  // Enter, or a click: a marker
    const std::vector<GraphPoint>& markers() const { return markers_; }
    // What the read-out line under the plot says now (empty: nothing to read).
    std::string readout_text() const;

    // Off: every replot draws the grid, the labels and the curves afresh the plain way, which is
    // what the kept layers and the quick strokes must reproduce pixel for pixel.
    void set_fast_paths(bool on);

    // The picture for a report: the window's title over the plot, at the device pixel ratio.
    QImage picture();
    void copy_picture();
    void save_picture();
    void save_data();
    void print_picture();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a layer was drawn from: when it is the same again, the layer is kept.
    struct LayerKey {
        QSize size;
        qreal ratio = 0;
        std::vector<double> numbers;
        std::vector<std::string> texts;
        bool operator==(const LayerKey&) const = default;
    };

    void add_place(LayerKey& key, QPointF pixels);
    void lay_out();
    AxesShown axes_shown(const GraphAxes& a);
    void draw_grid(const GraphAxes& a, const AxesShown& shown);
    void draw_labels_and_axes(const GraphAxes& a, const AxesShown& shown);
    void draw_preview();
    void draw_samples(std::size_t first, std::size_t count, std::size_t step, const QColor& colour);
    void replot();
    void zoom_changed(int value);
    double sample(int k) const;
    bool ready() const;
    GraphPoint point_under(QPointF plot_pixels) const;
    void decorate(QPainter& painter) const;
    void context_menu(const QPoint& global);

    Simulation& simulation_;
    const GraphVariant& variant_;
    Platform& platform_;
    std::optional<GraphPoint> hover_;
    std::vector<GraphPoint> markers_;
    QScrollBar* zoom_bar_;
    DrawingSurface* plot_;
    double zoom_ = 1; // never reset: only the scroll bar changes it
    bool preview_ = true;
    QSize decoration_; // the frame around the client area
    std::function<void()> closed_;
    int replots_ = 0;
    int layers_drawn_ = 0;
    LayerKey grid_key_;
    QImage grid_;
    LayerKey labels_key_;
    int segments_ = 0; // drawn by extend() since the last replot
};

} // namespace ovrelan
