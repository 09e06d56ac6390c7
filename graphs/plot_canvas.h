#pragma once

class QWidget;

namespace ovrelan {

class GraphView;

// The plot of a graph view: its kept picture, the frame and marks over it, and what the mouse does
// there (click to pin a marker, drag to pan, wheel to zoom, the legend to hide a curve). A child
// of the view.
QWidget* make_plot_canvas(GraphView& view);

} // namespace ovrelan
