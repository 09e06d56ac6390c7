#include "graphs/graph_window.h"

#include "geometry/colours.h"
#include "graphs/graph_export.h"
#include "simulation/simulation.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QScreen>

namespace ovrelan {

ScreenRect to_screen_rect(const QRect& r) {
    return {r.left(), r.top(), r.width(), r.height()};
}

const char* graph_form_name(GraphKind kind) {
    return kind == GraphKind::UI ? "form_UI" : variant_of(kind).form_name;
}

GraphWindow::GraphWindow(Simulation& simulation, GraphKind kind, Platform& platform)
    : QWidget(nullptr, Qt::Window), simulation_(simulation), platform_(platform),
      view_(new GraphView(simulation, kind, platform, this)) {
    setObjectName(graph_form_name(kind));
    setWindowTitle(QString::fromStdString(graph_title(kind, simulation.state())));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to<QColor>(window_background));
    setPalette(palette);
    setAutoFillBackground(true);
    view_->extra_menu = [this](QMenu& menu) {
        menu.addAction(QCoreApplication::translate("Graphs", "&Копировать изображение"),
                       [this] { copy_picture(); });
        menu.addAction(QCoreApplication::translate("Graphs", "Сохранить &график…"),
                       [this] { save_picture(); });
        menu.addAction(QCoreApplication::translate("Graphs", "Сохранить &данные…"),
                       [this] { save_data(); });
        menu.addAction(QCoreApplication::translate("Graphs", "&Печать…"),
                       [this] { print_picture(); });
    };
    resize(400, 240);
    view_->setGeometry(rect());
    setFocusProxy(view_); // the window opens with its plot in focus
    connect(&simulation, &Simulation::recomputed, this, [this] {
        setWindowTitle(QString::fromStdString(graph_title(view_->kind(), simulation_.state())));
    });
}

QString GraphWindow::base_title() const {
    return QString::fromStdString(graph_title(view_->kind(), simulation_.state()));
}

void GraphWindow::place_beside(const QWidget& main) {
    const QRect frame = main.frameGeometry();
    decoration_ = frame.size() - main.geometry().size();
    const int j = kind() == GraphKind::UI ? 0 : variant_of(kind()).top_offset;
    const ScreenRect wanted{frame.left() + frame.width(), frame.top() + frame.height() * j / 5,
                            frame.width() / 2, frame.height() / 3};
    // Moved into the screen that holds the main window where it would stand off it.
    const QScreen* screen = main.screen();
    place(screen != nullptr ? keep_on_screen(wanted, to_screen_rect(screen->availableGeometry()))
                            : wanted);
}

void GraphWindow::place(const ScreenRect& frame) {
    if (isVisible()) {
        decoration_ = frameGeometry().size() - geometry().size();
    }
    resize(std::max(1, frame.width - decoration_.width()),
           std::max(1, frame.height - decoration_.height()));
    move(frame.left, frame.top);
    view_->setGeometry(rect()); // a hidden window gets no resize event until it is shown
}

QSize GraphWindow::frame_for_plot(QSize plot) const {
    const GraphFrame& f = view_->frame();
    const QSize around(width() - static_cast<int>(f.plot.width),
                       height() - static_cast<int>(f.plot.height));
    return plot + around + decoration_;
}

// The view fills the window, shown or not: a hidden window's graph is laid out and can be exported.
void GraphWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    view_->setGeometry(rect());
}

// The title-bar button hides the window; the main window clears its box.
void GraphWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (closed_) {
        closed_();
    }
}

// Keys pressed anywhere in the window move the plot's read-out; a key the plot leaves (Shift alone,
// say) comes back up here and goes on to the window's parents.
void GraphWindow::keyPressEvent(QKeyEvent* event) {
    if (forwarding_) {
        event->ignore();
        return;
    }
    forwarding_ = true;
    QCoreApplication::sendEvent(view_->plot(), event);
    forwarding_ = false;
}

// Each of these reads the model: an edit still waiting is finished first.
void GraphWindow::copy_picture() {
    simulation_.finish_pending_edits();
    copy_graph_picture(*view_);
}

void GraphWindow::save_picture() {
    simulation_.finish_pending_edits();
    save_graph_picture(this, platform_, *view_);
}

void GraphWindow::save_data() {
    simulation_.finish_pending_edits();
    save_results(this, platform_, simulation_.state());
}

void GraphWindow::print_picture() {
    simulation_.finish_pending_edits();
    print_graph(this, platform_, *view_);
}

} // namespace ovrelan
