#include "graphs/stacked_graphs.h"

#include "geometry/classroom_layout.h"
#include "geometry/colours.h"
#include "graphs/graph_export.h"
#include "simulation/simulation.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QMenu>
#include <QScrollArea>
#include <QVBoxLayout>

namespace ovrelan {

StackedGraphs::StackedGraphs(Simulation& simulation, Platform& platform)
    : QWidget(nullptr, Qt::Window), simulation_(simulation), platform_(platform),
      scroll_(new QScrollArea(this)), content_(new QWidget), grid_(new QGridLayout(content_)) {
    setObjectName("form_Graphs");
    setWindowTitle(QCoreApplication::translate("Graphs", "Графики"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to<QColor>(window_background));
    setPalette(palette);
    setAutoFillBackground(true);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setSpacing(0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    scroll_->setObjectName("GraphStack");
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(content_);
}

// The plot's least height is the classroom's 140 px: each row as high as its tallest margins
// need around it.
void StackedGraphs::keep_plots_legible() {
    const auto per_row = static_cast<std::size_t>(columns_);
    for (std::size_t first = 0; first < views_.size(); first += per_row) {
        int row = 0;
        for (std::size_t i = first; i < std::min(views_.size(), first + per_row); ++i) {
            row = std::max(row,
                           static_cast<int>(least_plot_height) + views_[i]->around_plot().height());
        }
        // Each row keeps its own least height: the lowest one also has the time labels.
        grid_->setRowMinimumHeight(static_cast<int>(first / per_row), row);
    }
}

void StackedGraphs::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    keep_plots_legible();
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
    for (int row = 0; row < grid_->rowCount(); ++row) {
        grid_->setRowMinimumHeight(row, 0);
    }
    views_.clear();
    columns = std::max(1, columns);
    const int rows = (static_cast<int>(kinds.size()) + columns - 1) / columns;
    columns_ = columns;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        auto* v = new GraphView(simulation_, kinds[i], platform_, content_);
        v->set_preview(preview_);
        v->set_axes(axes_);
        v->set_scale(scale_);
        v->set_palette(*palette_, *picture_palette_);
        const int row = static_cast<int>(i) / columns;
        const int column = static_cast<int>(i) % columns;
        // The time labels under the lowest graph of each column only: the axis is shared.
        const bool lowest =
            row == rows - 1 || static_cast<int>(i) + columns >= static_cast<int>(kinds.size());
        v->set_time_labels(lowest);
        v->extra_menu = [this, v](QMenu& menu) {
            menu.addAction(QCoreApplication::translate("Graphs", "&Копировать изображение"),
                           [v] { copy_graph_picture(*v); });
            menu.addAction(QCoreApplication::translate("Graphs", "Сохранить &график…"),
                           [this, v] { save_graph_picture(this, platform_, *v); });
            menu.addAction(QCoreApplication::translate("Graphs", "Сохранить &данные…"),
                           [this] { save_results(this, platform_, simulation_.state()); });
            menu.addAction(QCoreApplication::translate("Graphs", "&Печать…"),
                           [this, v] { print_graph(this, platform_, *v); });
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
    keep_plots_legible();
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

void StackedGraphs::set_palette(const Palette& screen, const Palette& pictures) {
    palette_ = &screen;
    picture_palette_ = &pictures;
    for (GraphView* v : views_) {
        v->set_palette(screen, pictures);
    }
}

void StackedGraphs::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (closed_) {
        closed_();
    }
}

} // namespace ovrelan
