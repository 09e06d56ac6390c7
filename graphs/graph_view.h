// One graph as a widget: the zoom bar (VScroll1) and the picture (Picture1) with the plot framed
// by its labels, the header or the axis names above it and the read-out under it. It follows the
// simulation: drawn afresh after every recomputation, extended as a run plays. The wheel zooms in
// time about the pointer (with Ctrl, the values), a drag pans, a double click or Home shows the
// whole interval; a click or Enter pins a marker, the arrows move the read-out point.
#pragma once

#include "geometry/graph_axes.h"
#include "geometry/graph_frame.h"
#include "geometry/graph_readout.h"
#include "geometry/graph_series.h"
#include "geometry/graph_variants.h"
#include "geometry/measured_curve.h"
#include "geometry/time_window.h"
#include "graphs/graph_render.h"
#include "platform/platform.h"
#include "simulation/measurement.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QScrollBar;

namespace ovrelan {

class Simulation;
class PlotCanvas;

class GraphView final : public QWidget {
public:
    GraphView(Simulation& simulation, GraphKind kind, Platform& platform,
              QWidget* parent = nullptr);
    ~GraphView() override;

    GraphKind kind() const { return kind_; }
    const SimulationState& simulation_state() const;
    QScrollBar* zoom_bar() const { return zoom_bar_; }
    QWidget* plot() const;
    // The zoom bar's factor: value·0.1 + 1 (a wider value range for a larger one).
    double zoom() const { return zoom_; }

    // What it shows.
    void set_axes(Axes axes);
    Axes axes() const { return axes_; }
    void set_preview(bool shown);
    bool preview() const { return look_.preview; }
    void set_energies_apart(bool apart);
    bool energies_apart() const { return energies_apart_; }
    // Fonts and lines for the back row of a class: 1 is the normal size.
    void set_scale(double scale);
    double scale() const { return look_.scale; }
    // The look on the screen, and the one of its pictures (files, the clipboard, the printer).
    void set_palette(const Palette& screen, const Palette& pictures);
    const Palette& palette() const { return *look_.palette; }
    const Palette& picture_palette() const { return *picture_palette_; }
    // Only the lowest of graphs stacked on one time axis shows the time labels.
    void set_time_labels(bool shown);
    // A curve of the voltages-and-current graph switched off by its legend entry.
    void set_series_shown(const std::string& name, bool shown);
    bool series_shown(const std::string& name) const;
    // The legend of a graph with several curves, where it stands on the canvas.
    std::vector<LegendItem> legend() const;

    // The time shown: the whole interval, or a part of it.
    const TimeWindow& time_window() const { return window_; }
    void set_time_window(const TimeWindow& window); // from a graph stacked with it
    void on_time_window_changed(std::function<void(const TimeWindow&)> changed) {
        window_changed_ = std::move(changed);
    }
    void show_whole();                           // a double click, Home
    void zoom_time(double about, double factor); // about: τ
    void pan_time(double by);                    // τ
    // When zoomed in, the window follows the run (on by default).
    void set_following(bool on) { following_ = on; }
    // The envelope ±A·e^(−δt) of the free oscillation about the forced one, where there is one.
    void set_envelope(bool shown);
    bool envelope() const { return envelope_; }
    bool following() const { return following_; }

    // The read-out and the markers.
    void point_at(QPointF pixels); // the pointer over the picture
    void leave();
    void pin_at(QPointF pixels);
    void pin(const GraphPoint& point);
    void clear_markers();
    void move_read_out(int steps);
    const std::vector<GraphPoint>& markers() const { return markers_; }
    // Marker i (0 is A) and its value, as a screen reader says it: «Маркер A: t = 12,34 мс …».
    std::string marker_text(std::size_t i) const;
    const std::optional<GraphPoint>& cursor() const { return hover_; }
    std::string readout_text() const;

    // Drawing.
    void redraw();      // the frame and the plot afresh
    void extend(int k); // the run has played grid point k
    // The whole graph onto any painter, filling `target`, at the given scale: a picture file, a
    // printer, the clipboard. `title` goes above it (empty: none).
    void render(QPainter& painter, const QRectF& target, double scale, const QString& title);
    // The same below a title: in pixels of a 96-dpi screen, at a look.
    void draw_picture(QPainter& painter, QSizeF size, const GraphLook& look);

    const GraphFrame& frame() const { return frame_; }
    // What the view needs around its plot (labels, strips, the zoom bar), whatever its size now.
    QSize around_plot() const;
    const GraphContent& content() const { return content_; }

    // A remembered solution as this graph draws it: its curves in the present axes (the values
    // converted through the present scales in normalised axes), the time scale of its own grid
    // on the present time axis, and its name in the legend.
    struct Remembered {
        const SimulationState* state = nullptr;
        GraphContent content;
        double time_scale = 1;
        std::string caption; // what differs from the present circuit: "R = 2 Ом"
    };
    std::vector<Remembered> remembered() const;
    // The members of the simulation's family of curves as this graph draws them, in the family's
    // order, each named by its swept value («R = 1,265 Ом (Rк)»).
    std::vector<Remembered> family_curves() const;
    const QImage& layer() const { return layer_; }
    int replots() const { return replots_; }
    // The last grid point the bright curve reaches (the run position).
    std::size_t drawn_to() const { return drawn_end_ - 1; }
    int segments() const { return segments_; }

    // The context menu's items, for its owner to add its own.
    void add_menu_items(class QMenu& menu);
    std::function<void(QMenu&)> extra_menu; // the owner's items: pictures, data, printing

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class PlotCanvas;
    void lay_out();
    void rebuild();    // content and frame for the present state and window
    void draw_layer(); // grid and curves of the plot, kept as a picture
    void catch_up();   // the run's points not yet drawn on the picture
    FrameRequest request(double width, double height) const;
    GraphPoint point_at_time(double tau) const;
    void changed_window(const TimeWindow& window);
    void zoom_changed(int value);
    void context_menu(const QPoint& global);
    // The entries of the legend with their pens: the curves, then the remembered solutions.
    std::vector<std::pair<std::string, QPen>> legend_entries(const GraphLook& look) const;
    // The legend's places in a frame at a look, and the pens of its entries (scaled to it).
    std::vector<LegendItem> legend_for(const GraphFrame& frame, const GraphLook& look) const;
    std::vector<QPen> legend_pens(const std::vector<LegendItem>& items,
                                  const GraphLook& look) const;
    // Another solution on this graph's axes, named `caption`; none where the present axes
    // cannot show it.
    std::optional<Remembered> beside(const SimulationState& other, std::string caption) const;
    void draw_remembered(QPainter& painter, const GraphFrame& frame, const GraphLook& look) const;
    void draw_family(QPainter& painter, const GraphFrame& frame, const GraphLook& look) const;
    // The family's values at the read-out's time, for the read-out strip: «; R = 0,5 Ом: 1,2 В».
    std::string family_readout(const GraphPoint& at) const;
    void draw_envelope(QPainter& painter, const GraphFrame& frame, const GraphLook& look) const;
    // The simulation's measured trace as this graph shows it (graphs/graph_measured.cpp); none
    // when there is none or it records another quantity.
    std::optional<MeasuredOnAxes> measured_on_graph() const;
    std::string measured_name() const; // its legend entry: the file's name
    void draw_measured(QPainter& painter, const GraphFrame& frame, const GraphLook& look) const;
    // «; изм. 7,45 В, разность +40 мВ» at the read-out's time, where the trace has a point.
    std::string measured_readout_at(const GraphPoint& at) const;
    // The mouse pressed within a few pixels of the trace takes hold of it: moving then moves the
    // trace along the time axis (the key's closing on its clock), letting go is one edit.
    bool grab_measured(QPointF at);
    bool holding_measured() const { return grabbed_.has_value(); }
    void drag_measured(double dx_px); // from where it was grabbed
    void drop_measured();

    Simulation& simulation_;
    GraphKind kind_;
    Platform& platform_;
    QScrollBar* zoom_bar_;
    QWidget* canvas_; // the plot (plot_canvas.h)
    double zoom_ = 1;
    Axes axes_ = Axes::normalised;
    bool energies_apart_ = false;
    bool time_labels_ = true;
    bool following_ = true;
    bool envelope_ = false; // the free oscillation's envelope drawn (voltage and current)
    std::vector<std::string> hidden_series_;
    // The value ranges of the axes over the whole interval, worked out once per solution, axes
    // and choice of curves: a zoom or a pan does not read a million points again.
    mutable std::optional<std::pair<Extent, Extent>> extents_;
    GraphLook look_;
    const Palette* picture_palette_ = &palette_of(PaletteKind::light);
    TimeWindow window_;
    bool whole_ = true; // the window is the whole interval (kept so across recomputations)
    std::function<void(const TimeWindow&)> window_changed_;
    GraphContent content_;
    GraphAxes normalised_; // the normalised look's frame, which frame_ reads
    GraphFrame frame_;
    QImage layer_;              // the plot's grid and curves, device pixels
    std::size_t drawn_end_ = 1; // the curve is drawn up to this point (one past)
    std::size_t layer_end_ = 1; // and the picture holds it up to here
    std::optional<GraphPoint> hover_;
    std::optional<QPointF> pointer_; // where the pointer stands over the picture
    std::vector<GraphPoint> markers_;
    std::optional<Measurement> grabbed_; // the trace as it was when taken hold of
    int replots_ = 0;
    int segments_ = 0;
};

// The measured trace's pen: thin, in its own colour.
QPen measured_pen(const GraphLook& look);

// The variant (data, texts) of one of the five quantities' graphs.
const GraphVariant& variant_of(GraphKind kind);

} // namespace ovrelan
