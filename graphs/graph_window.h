// One graph window: a vertical zoom scroll bar and a plotting area showing one normalised
// quantity against normalised time. Five instances differ only by their GraphVariant.
#pragma once

#include "graphs/graph_variants.h"
#include "model/simulation_state.h"
#include "platform/drawing_surface.h"

#include <QWidget>

class QScrollBar;

namespace ovrelan {

class GraphWindow final : public QWidget {
public:
    GraphWindow(SimulationState& state, const GraphVariant& variant);

    const GraphVariant& variant() const { return variant_; }
    DrawingSurface* plot() const { return Picture1; }
    QScrollBar* zoom_bar() const { return VScroll1; }

    // zapusk_*: placement at start-up, to the right of the main window, hidden.
    void zapusk(const QWidget& main);
    // Lays the window out and replots it (nothing before ready_flag).
    void Form_Resize();
    // The run's step: one red line-to from the pen to sample k, shown or hidden.
    void extend(int k);
    int replots() const { return replots_; }
    int segments() const { return segments_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ekran();
    void axes();
    void mas();
    void VScroll1_Change(int value);
    double sample(int k) const;
    char decimal_separator() const;

    SimulationState& state_;
    const GraphVariant& variant_;
    QScrollBar* VScroll1;
    DrawingSurface* Picture1;
    int replots_ = 0;
    int segments_ = 0; // drawn by extend() since the last replot
};

} // namespace ovrelan
