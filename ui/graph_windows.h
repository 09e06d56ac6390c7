// The graph windows of the main window: the five quantities' windows (their boxes in «Графики»),
// the voltages-and-current one (a menu item), the stacked «Графики» window, the resonance curve
// and the vector diagram. In the separate-windows layout whatever is chosen is shown where it
// covers none of the main window's controls, menu bar or status bar: in windows of their own
// where the screen's free area holds them legibly, otherwise stacked in one window beside the
// controls; every window is placed again when the size or the set of windows changes. In the
// classroom layout the stack, the curve and the diagram stand in the main window's graph area.
#pragma once

#include "geometry/classroom_layout.h"
#include "geometry/graph_series.h"
#include "geometry/separate_windows.h"
#include "geometry/window_tiling.h"
#include "platform/platform.h"

#include <QObject>
#include <QRect>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace ovrelan {

class GraphArea;
class GraphView;
class GraphWindow;
class PictureWindow;
class ResonanceWindow;
class Simulation;
class StackedGraphs;
class VectorWindow;

// The windows of a picture of their own, beside the graphs.
enum class Extra { resonance, vector };

class GraphWindows final : public QObject {
public:
    // `controls` are the main window's widgets a graph must never cover.
    GraphWindows(QWidget& main, Simulation& simulation, Platform& platform);
    ~GraphWindows() override;

    GraphWindow* window(GraphKind kind) const {
        return windows_[static_cast<std::size_t>(kind)].get();
    }
    StackedGraphs* stacked() const { return stacked_.get(); }
    // Where the student sees a graph: its own window's view or the stacked window's; null when
    // it is not on the screen.
    GraphView* shown_view(GraphKind kind) const;

    // Called when the student closes a graph's window (the box or the item is cleared then).
    void on_unchosen(std::function<void(GraphKind)> unchosen) { unchosen_ = std::move(unchosen); }
    void on_extra_closed(std::function<void(Extra)> closed) { extra_closed_ = std::move(closed); }

    ResonanceWindow* resonance() const { return resonance_.get(); }
    VectorWindow* vector() const { return vector_.get(); }
    PictureWindow* extra(Extra e) const;
    // The resonance curve or the vector diagram shown (where it covers no control) or hidden.
    void set_extra_shown(Extra e, bool shown);

    // Start-up: every window placed beside the main window, hidden, and drawn.
    void start_up();
    // A graph chosen or not (its box, its menu item): shown where it fits, or hidden.
    void set_chosen(GraphKind kind, bool chosen);
    bool chosen(GraphKind kind) const;
    // «Упорядочить графики»: the chosen graphs placed again.
    void arrange();
    // Every chosen graph in the stacked window, whatever the screen.
    void set_always_stacked(bool on);

    void set_preview(bool shown);
    void set_axes(Axes axes);
    void set_scale(double scale);
    // The look of every graph and picture on the screen, and of the pictures made of them.
    void set_palette(const Palette& screen, const Palette& pictures);
    void close_all();

    // The screen's available area (the main window's screen unless a test says otherwise).
    void set_screen_area(std::optional<QRect> area) { screen_area_ = area; }
    QRect available() const;

    // The classroom layout's graph area holds the stack, the curve and the diagram; null gives
    // them back as windows of their own. `rearrange` is asked to lay the main window out again
    // when what the area shows changes.
    void set_area(GraphArea* area, std::function<void()> rearrange);
    bool in_area() const { return area_ != nullptr; }
    // What is shown: the chosen graphs, the curve, the diagram.
    ClassroomRequest views(ClassroomRequest request) const;
    // The area's layout applied: the stack's columns, the panes or the tabs.
    void apply_area(const GraphAreaLayout& layout);

    // The separate-windows layout for a presentation size, with the views shown now.
    SeparateRequest separate_request(double scale) const;
    // The run's progress, where the separate windows show it too (their titles).
    void set_progress(const QString& text);

private:
    GraphNeeds needs() const;
    std::vector<GraphKind> chosen_kinds() const;
    void show_chosen();
    void place_all();
    void show_extra(Extra e, const std::optional<ScreenRect>& frame);

    QWidget& main_;
    Simulation& simulation_;
    Platform& platform_;
    std::array<std::unique_ptr<GraphWindow>, graph_kind_count> windows_;
    std::unique_ptr<StackedGraphs> stacked_;
    std::unique_ptr<ResonanceWindow> resonance_;
    std::unique_ptr<VectorWindow> vector_;
    std::function<void(Extra)> extra_closed_;
    std::array<bool, graph_kind_count> chosen_{};
    std::function<void(GraphKind)> unchosen_;
    std::optional<QRect> screen_area_;
    std::array<bool, 2> extra_shown_{};
    GraphArea* area_ = nullptr;
    std::function<void()> rearrange_;
    std::vector<GraphKind> stacked_kinds_;
    int stacked_columns_ = 0;
    double scale_ = 1;
    QString progress_;
    bool always_stacked_ = false;
    bool showing_ = false; // placing windows: their hide events are not the student's
};

} // namespace ovrelan
