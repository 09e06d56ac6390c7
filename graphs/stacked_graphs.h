// The «Графики» window: several graphs stacked in one window on one time axis, each its own plot,
// the zoom and the pan shared; only the lowest in each column shows the time labels. Where the
// screen cannot hold the graphs legibly in windows of their own, they open here; in the
// classroom layout it stands in the main window's graph area. When its graphs do not all fit at
// their least legible height, it scrolls through them.
#pragma once

#include "geometry/graph_series.h"
#include "graphs/graph_view.h"
#include "platform/platform.h"

#include <QWidget>

#include <functional>
#include <vector>

class QGridLayout;
class QScrollArea;

namespace ovrelan {

class Simulation;

class StackedGraphs final : public QWidget {
public:
    StackedGraphs(Simulation& simulation, Platform& platform);

    // The graphs it stacks, in this order, in this many columns.
    void show_graphs(const std::vector<GraphKind>& kinds, int columns);
    QScrollArea* scroll_area() const { return scroll_; }
    const std::vector<GraphView*>& views() const { return views_; }
    GraphView* view(GraphKind kind) const;
    // For every graph: the preview, the axes, the back row's scale.
    void set_preview(bool shown);
    void set_axes(Axes axes);
    void set_scale(double scale);
    // The look of its graphs on the screen and in their pictures (graphs stacked later too).
    void set_palette(const Palette& screen, const Palette& pictures);
    // Called when the student closes the window.
    void on_closed(std::function<void()> closed) { closed_ = std::move(closed); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Each graph at least legible: where the window is lower than that, it scrolls.
    void keep_plots_legible();

public:
private:
    Simulation& simulation_;
    Platform& platform_;
    QScrollArea* scroll_;
    QWidget* content_;
    QGridLayout* grid_;
    int columns_ = 1;
    std::vector<GraphView*> views_;
    bool preview_ = true;
    Axes axes_ = Axes::normalised;
    double scale_ = 1;
    const Palette* palette_ = &palette_of(PaletteKind::light);
    const Palette* picture_palette_ = &palette_of(PaletteKind::light);
    std::function<void()> closed_;
};

} // namespace ovrelan
