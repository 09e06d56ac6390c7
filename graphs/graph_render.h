// Drawing a graph onto any painter: the frame around the plot (labels, axis names, the header,
// the read-out), the grid, the curves and the markers. The screen keeps the plot's grid and
// curves as a picture and draws the frame and the pointer's cross-hair over it; a picture file
// or a printer gets everything in one go, as vectors wherever the device takes them.
#pragma once

#include "geometry/curve_shape.h"
#include "geometry/graph_frame.h"
#include "geometry/graph_readout.h"
#include "geometry/graph_series.h"
#include "geometry/palette.h"
#include "model/simulation_state.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace ovrelan {

// How large a graph is drawn (1 on the screen at the normal size, more for the back row of a
// class or a large picture: fonts and line widths follow it), and in which look.
struct GraphLook {
    double scale = 1;
    QFont font;   // labels and the header
    bool preview; // the whole curve in a light tint before the run draws it
    const Palette* palette = &palette_of(PaletteKind::light);

    // A pen's width of `width` at the normal size in the light look.
    double line(double width) const { return width * scale * palette->line_width; }
};

// The curves' pens: full colour up to the run position, a tint towards the background beyond it.
QPen curve_pen(const Series& series, const GraphLook& look, bool drawn);

// Labels, axis names and the header around the plot, the plot's border and its axes; the
// read-out in its strip, shortened to fit.
void draw_frame(QPainter& painter, const GraphFrame& frame, const GraphLook& look,
                const QString& readout);

// The grid inside the plot.
void draw_grid(QPainter& painter, const GraphFrame& frame, const GraphLook& look);

// The points first ... last - 1 of a series within the frame's time window: a band of its
// columns' extremes where it is dense (from the summary, when it has one), a line elsewhere.
void draw_series(QPainter& painter, const GraphFrame& frame, const SimulationState& s,
                 const Series& series, std::size_t first, std::size_t last, const QPen& pen,
                 const SolutionSummary* summary);

// Every series: up to the run position in full colour, the rest in the preview's tint (when the
// look asks for it).
void draw_curves(QPainter& painter, const GraphFrame& frame, const SimulationState& s,
                 const GraphContent& content, std::size_t drawn_end, const GraphLook& look,
                 const SolutionSummary* summary);

// The markers A and B and (on the screen only) the pointer's cross-hair, at their grid points'
// values in the graph's axes (only a vertical line where the value is not a number: the
// voltages-and-current graph reads all its curves there).
void draw_marks(QPainter& painter, const GraphFrame& frame, const GraphLook& look, Axes axes,
                const std::vector<GraphPoint>& markers, const std::optional<GraphPoint>& cursor);

// The range of grid indices a time window covers (one point beyond each end, so the curve
// reaches the plot's edges), within the computed points.
struct IndexRange {
    std::size_t first = 0;
    std::size_t last = 0; // one past
};
IndexRange visible_points(const SimulationState& s, const GraphFrame& frame);

QString qstring(const std::string& text);

// A curve's shape: a line with the pen where it is sparse; where it is dense, one filled polygon
// of its columns' spans (a dashed pen goes down and up the columns instead).
void draw_shape(QPainter& painter, const CurveShape& shape, const QPen& pen);

// A picture for a file, the clipboard or a page: the target filled with the look's background
// (white in the light look pictures keep unless asked otherwise), the title above in
// bold (wrapped), then `body` drawn below it in pixels of a 96-dpi screen (the painter magnified
// to the device's resolution, so text is measured as it is drawn) at the look of `scale`.
void render_picture(QPainter& painter, const QRectF& target, double scale, const QString& title,
                    const std::function<void(QPainter&, QSizeF, const GraphLook&)>& body,
                    const Palette& palette = palette_of(PaletteKind::light));

// The graphs' font at a scale, in pixels (for pictures) or in points (for the screen).
QFont graph_font(double scale, bool in_pixels);

// Text extents as this font gives them.
MeasureText measure_with(const QFont& font);

// The legend: each entry a short line in its curve's pen (faint when switched off) and the
// curve's name; `pens` in the legend's order.
void draw_legend(QPainter& painter, const std::vector<LegendItem>& items,
                 const std::vector<QPen>& pens, const GraphLook& look,
                 const std::function<bool(const std::string&)>& shown);

// A member of a family of curves: thinner than the present curve, in the member's colour and dash
// pattern of the family's palette (the first solid, the others dashed), with flat caps.
QPen family_pen(std::size_t member, const GraphLook& look);

// A remembered solution's curve: the remembered curves are a family of the student's own making,
// taking the palette from its end (the n-th the entry 7 − n, all of them dashed), so that a
// family of up to five members beside them keeps colours of its own.
QPen remembered_pen(const GraphLook& look, std::size_t n);

} // namespace ovrelan
