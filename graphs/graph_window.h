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

ScreenRect to_screen_rect(const QRect& r);

class GraphWindow final : public QWidget {
public:
    GraphWindow(Simulation& simulation, const GraphVariant& variant, Platform& platform);

    const GraphVariant& variant() const { return variant_; }
    DrawingSurface* plot() const { return Picture1; }
    QScrollBar* zoom_bar() const { return VScroll1; }
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
    int segments() const { return segments_; }

    // Read-out and markers: the pointer over the plot shows a cross-hair and the values there;
    // a click pins marker A, a second one B (a third starts again at A).
    void point_at(QPointF plot_pixels); // the pointer moved over the plot
    void leave();                       // the pointer left it
    void pin_at(QPointF plot_pixels);   // a click there
    void clear_markers();               // Escape, or the context menu
    const std::vector<GraphPoint>& markers() const { return markers_; }
    // What the read-out line under the plot says now (empty: nothing to read).
    std::string readout_text() const;

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
    void lay_out();
    void draw_grid_and_labels(const GraphAxes& a);
    void draw_axes(const GraphAxes& a);
    void draw_preview();
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
    QScrollBar* VScroll1;
    DrawingSurface* Picture1;
    double zoom_ = 1; // never reset: only the scroll bar changes it
    bool preview_ = true;
    QSize decoration_; // the frame around the client area
    std::function<void()> closed_;
    int replots_ = 0;
    int segments_ = 0; // drawn by extend() since the last replot
};

} // namespace ovrelan
