// One graph window: a vertical zoom scroll bar and a plotting area showing one normalised
// quantity against normalised time. Five instances differ only by their GraphVariant. Each
// follows the simulation: replotted after every recomputation, extended by one segment for
// every point a run plays.
#pragma once

#include "geometry/graph_variants.h"
#include "geometry/window_tiling.h"
#include "platform/drawing_surface.h"

#include <QWidget>

#include <functional>

class QScrollBar;

namespace ovrelan {

class Simulation;
struct GraphAxes;

ScreenRect to_screen_rect(const QRect& r);

class GraphWindow final : public QWidget {
public:
    GraphWindow(Simulation& simulation, const GraphVariant& variant);

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

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void lay_out();
    void draw_grid_and_labels(const GraphAxes& a);
    void draw_axes(const GraphAxes& a);
    void draw_preview();
    void replot();
    void zoom_changed(int value);
    double sample(int k) const;
    bool ready() const;

    Simulation& simulation_;
    const GraphVariant& variant_;
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
