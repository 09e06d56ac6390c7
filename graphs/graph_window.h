// One graph window: a vertical zoom scroll bar and a plotting area showing one normalised
// quantity against normalised time. Five instances differ only by their GraphVariant. Each
// follows the simulation: replotted after every recomputation, extended by one segment for
// every point a run plays.
#pragma once

#include "geometry/graph_variants.h"
#include "platform/drawing_surface.h"

#include <QWidget>

class QScrollBar;

namespace ovrelan {

class Simulation;

class GraphWindow final : public QWidget {
public:
    GraphWindow(Simulation& simulation, const GraphVariant& variant);

    const GraphVariant& variant() const { return variant_; }
    DrawingSurface* plot() const { return Picture1; }
    QScrollBar* zoom_bar() const { return VScroll1; }
    double zoom() const { return zoom_; }

    // Start-up place (zapusk_*): to the right of the main window, half its width and a third of
    // its height, the tops a fifth of its height apart; hidden.
    void place_beside(const QWidget& main);
    // Form_Resize: lays the window out and replots it (nothing before start-up has ended).
    void redraw();
    // The run's step: one red line-to from the pen to sample k, shown or hidden.
    void extend(int k);
    int replots() const { return replots_; }
    int segments() const { return segments_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void lay_out();
    void draw_axes();
    void replot();
    void zoom_changed(int value);
    double sample(int k) const;
    bool ready() const;

    Simulation& simulation_;
    const GraphVariant& variant_;
    QScrollBar* VScroll1;
    DrawingSurface* Picture1;
    double zoom_ = 1; // never reset: only the scroll bar changes it
    int replots_ = 0;
    int segments_ = 0; // drawn by extend() since the last replot
};

} // namespace ovrelan
