#include "graphs/plot_canvas.h"

#include "graphs/graph_render.h"
#include "graphs/graph_view.h"
#include "graphs/plot_accessible.h"
#include "platform/locale.h"
#include "simulation/simulation.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace ovrelan {

namespace {

constexpr double wheel_zoom = 0.8; // one notch of the wheel
constexpr double drag_threshold = 4;

} // namespace

// The picture: the frame, the plot's kept picture and what follows the pointer.
class PlotCanvas final : public QWidget {
    Q_OBJECT // its class name finds its accessible interface (graphs/plot_accessible.cpp)

        public : explicit PlotCanvas(GraphView& view)
        : QWidget(&view), view_(view) {
        setObjectName("Picture1");
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus); // Tab reaches it: the markers by keyboard
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        view_.catch_up();
        QPainter painter(this);
        painter.fillRect(rect(), to<QColor>(view_.look_.palette->plot));
        const GraphFrame& f = view_.frame_;
        // At its own size: a copy of its pixels, not a scaled picture.
        painter.drawImage(QPointF(f.plot.left, f.plot.top), view_.layer_);
        painter.setRenderHint(QPainter::Antialiasing);
        draw_frame(painter, f, view_.look_, qstring(view_.readout_text()));
        draw_legend(painter);
        draw_marks(painter, f, view_.look_, view_.axes_, view_.markers_, view_.hover_);
        announce_plot_summary(this, view_, said_);
    }

    void draw_legend(QPainter& painter) {
        const std::vector<LegendItem> items = view_.legend();
        ovrelan::draw_legend(painter, items, view_.legend_pens(items, view_.look_), view_.look_,
                             [this](const std::string& name) { return view_.series_shown(name); });
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            press_ = event->position();
            dragged_ = false;
            const QPointF at = event->position();
            for (const LegendItem& item : view_.legend()) {
                const PixelBox& box = item.box;
                if (at.x() >= box.left && at.x() < box.left + box.width && at.y() >= box.top &&
                    at.y() < box.top + box.height) {
                    view_.set_series_shown(item.name, !view_.series_shown(item.name));
                    press_.reset();
                    return;
                }
            }
            if (view_.grab_measured(at)) {
                setCursor(Qt::SizeHorCursor);
                return;
            }
        }
        QWidget::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (press_ && (event->buttons() & Qt::LeftButton)) {
            const QPointF d = event->position() - *press_;
            if (view_.holding_measured()) {
                // Dragging the measured trace moves it along the time axis only.
                if (dragged_ || std::abs(d.x()) > drag_threshold) {
                    view_.drag_measured(d.x());
                    dragged_ = true;
                }
                return;
            }
            if (dragged_ || std::hypot(d.x(), d.y()) > drag_threshold) {
                // Dragging pans: the time under the pointer goes with it.
                const GraphFrame& f = view_.frame_;
                const double tau_per_px =
                    (f.x.high - f.x.low) / f.plot.width / std::max(1e-300, f.time_scale);
                view_.pan_time(-d.x() * tau_per_px);
                press_ = event->position();
                dragged_ = true;
                return;
            }
        }
        view_.point_at(event->position());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (view_.holding_measured()) {
            unsetCursor();
            view_.drop_measured();
            if (!dragged_) { // a click on the trace: a marker, as anywhere else
                before_click_ = view_.markers_;
                view_.pin_at(event->position());
            }
            press_.reset();
            dragged_ = false;
            return;
        }
        if (event->button() == Qt::LeftButton && press_ && !dragged_) {
            before_click_ = view_.markers_;
            view_.pin_at(event->position());
        }
        press_.reset();
        dragged_ = false;
    }
    // A double click shows the whole interval; the marker its first click set goes again.
    void mouseDoubleClickEvent(QMouseEvent*) override {
        view_.markers_ = before_click_;
        view_.show_whole();
    }
    void leaveEvent(QEvent*) override { view_.leave(); }
    void wheelEvent(QWheelEvent* event) override {
        const int notches = event->angleDelta().y() / 120;
        if (notches == 0) {
            return;
        }
        if (event->modifiers() & Qt::ControlModifier) {
            // The values: the zoom bar, a step a notch (up shows them larger).
            view_.zoom_bar_->setValue(view_.zoom_bar_->value() - notches);
        } else {
            const GraphFrame& f = view_.frame_;
            const double about = f.x_of_px(event->position().x()) / f.time_scale;
            view_.zoom_time(about, std::pow(wheel_zoom, notches));
        }
        event->accept();
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        view_.leave(); // no cross-hair left behind while the menu is open
        view_.context_menu(event->globalPos());
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            // Only the read-out strip has a tooltip: its whole text, which the strip may cut.
            const auto* help = static_cast<QHelpEvent*>(event);
            const GraphFrame& f = view_.frame_;
            const QRectF strip(f.readout.left, f.readout.top, f.readout.width, f.readout.height);
            const QRectF title(f.title.left, f.title.top, f.title.width, f.title.height);
            if (strip.contains(help->pos()) && !view_.readout_text().empty()) {
                QToolTip::showText(help->globalPos(), qstring(view_.readout_text()), this);
            } else if (title.contains(help->pos())) {
                QToolTip::showText(help->globalPos(),
                                   qstring(graph_title(view_.kind_, view_.simulation_.state())),
                                   this);
            } else {
                QToolTip::hideText();
            }
            return true;
        }
        return QWidget::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override { view_.keyPressEvent(event); }

private:
    GraphView& view_;
    std::optional<QPointF> press_;
    bool dragged_ = false;
    std::vector<GraphPoint> before_click_; // the markers before the last click
    QString said_;                         // the summary a screen reader was last told of
};

QWidget* make_plot_canvas(GraphView& view) {
    install_plot_accessibility();
    return new PlotCanvas(view);
}

} // namespace ovrelan

#include "plot_canvas.moc"
