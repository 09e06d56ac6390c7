// One graph in a window of its own: a GraphView filling it. The five quantities' windows
// (Form_UL, Form_Uc, Form_Ur, form_Ik, form_W) and the voltages-and-current one (form_UI) are
// this design; each follows the simulation through its view.
#pragma once

#include "geometry/graph_series.h"
#include "geometry/graph_variants.h"
#include "geometry/window_tiling.h"
#include "graphs/graph_view.h"
#include "platform/platform.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QScrollBar;

namespace ovrelan {

class Simulation;

ScreenRect to_screen_rect(const QRect& r);

// The window's designer name: "Form_Uc" …, "form_UI".
const char* graph_form_name(GraphKind kind);

class GraphWindow final : public QWidget {
public:
    GraphWindow(Simulation& simulation, GraphKind kind, Platform& platform);

    GraphKind kind() const { return view_->kind(); }
    // Its title without the run's progress.
    QString base_title() const;
    GraphView* view() const { return view_; }
    QWidget* plot() const { return view_->plot(); }
    QScrollBar* zoom_bar() const { return view_->zoom_bar(); }
    double zoom() const { return view_->zoom(); }

    // Start-up place (zapusk_*): to the right of the main window, half its width and a third of
    // its height, the tops a fifth of its height apart, kept on the screen; hidden.
    void place_beside(const QWidget& main);
    // Moves and sizes the window so that its frame is this rectangle.
    void place(const ScreenRect& frame);
    // The frame size this window needs around a plot of this size, at its present look.
    QSize frame_for_plot(QSize plot) const;
    // Form_Resize: lays the window out and replots it (nothing before start-up has ended).
    void redraw() { view_->redraw(); }
    void set_preview(bool shown) { view_->set_preview(shown); }
    bool preview() const { return view_->preview(); }
    // Called when the student closes the window with its title-bar button.
    void on_closed(std::function<void()> closed) { closed_ = std::move(closed); }
    void extend(int k) { view_->extend(k); }
    int replots() const { return view_->replots(); }
    int segments() const { return view_->segments(); }
    std::size_t drawn_to() const { return view_->drawn_to(); }

    // The read-out and the markers, as the view has them.
    void point_at(QPointF pixels) { view_->point_at(pixels); }
    void leave() { view_->leave(); }
    void pin_at(QPointF pixels) { view_->pin_at(pixels); }
    void clear_markers() { view_->clear_markers(); }
    void move_read_out(int steps) { view_->move_read_out(steps); }
    void pin(const GraphPoint& point) { view_->pin(point); }
    const std::vector<GraphPoint>& markers() const { return view_->markers(); }
    std::string readout_text() const { return view_->readout_text(); }

    // Pictures and numbers for a report.
    void copy_picture();
    void save_picture();
    void save_data();
    void print_picture();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Simulation& simulation_;
    Platform& platform_;
    GraphView* view_;
    QSize decoration_; // the frame around the client area
    std::function<void()> closed_;
    bool forwarding_ = false; // a key on its way to the plot
};

} // namespace ovrelan
