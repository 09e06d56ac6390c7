#include "graphs/stacked_graphs.h"

#include "geometry/colours.h"
#include "graphs/graph_export.h"
#include "simulation/simulation.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QMenu>

namespace ovrelan {

StackedGraphs::StackedGraphs(Simulation& simulation, Platform& platform)
    : QWidget(nullptr, Qt::Window), simulation_(simulation), platform_(platform),
      grid_(new QGridLayout(this)) {
    setObjectName("form_Graphs");
    setWindowTitle("Графики");
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to<QColor>(window_background));
    setPalette(palette);
    setAutoFillBackground(true);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setSpacing(0);
}

GraphView* StackedGraphs::view(GraphKind kind) const {
    for (GraphView* v : views_) {
        if (v->kind() == kind) {
            return v;
        }
    }
    return nullptr;
}

void StackedGraphs::show_graphs(const std::vector<GraphKind>& kinds, int columns) {
    for (GraphView* v : views_) {
        grid_->removeWidget(v);
        delete v;
    }
    views_.clear();
    columns = std::max(1, columns);
    const int rows = (static_cast<int>(kinds.size()) + columns - 1) / columns;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        auto* v = new GraphView(simulation_, kinds[i], platform_, this);
        v->set_preview(preview_);
        v->set_axes(axes_);
        v->set_scale(scale_);
        const int row = static_cast<int>(i) / columns;
        const int column = static_cast<int>(i) % columns;
        // The time labels under the lowest graph of each column only: the axis is shared.
        const bool lowest =
            row == rows - 1 || static_cast<int>(i) + columns >= static_cast<int>(kinds.size());
        v->set_time_labels(lowest);
        v->extra_menu = [this, v](QMenu& menu) {
            menu.addAction("&Копировать изображение", [v] { copy_graph_picture(*v); });
            menu.addAction("Сохранить &график…",
                           [this, v] { save_graph_picture(this, platform_, *v); });
            menu.addAction("Сохранить &данные…",
                           [this] { save_results(this, platform_, simulation_.state()); });
            menu.addAction("&Печать…", [this, v] { print_graph(this, platform_, *v); });
        };
        // One time window for all of them.
        v->on_time_window_changed([this, v](const TimeWindow& window) {
            for (GraphView* other : views_) {
                if (other != v) {
                    other->set_time_window(window);
                }
            }
        });
        grid_->addWidget(v, row, column);
        views_.push_back(v);
    }
}

void StackedGraphs::set_preview(bool shown) {
    preview_ = shown;
    for (GraphView* v : views_) {
        v->set_preview(shown);
    }
}

void StackedGraphs::set_axes(Axes axes) {
    axes_ = axes;
    for (GraphView* v : views_) {
        v->set_axes(axes);
    }
}

void StackedGraphs::set_scale(double scale) {
    scale_ = scale;
    for (GraphView* v : views_) {
        v->set_scale(scale);
    }
}

void StackedGraphs::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (closed_) {
        closed_();
    }
}

} // namespace ovrelan
