// The graph's context menu and the graph as a picture (copied, saved or printed).
#include "graphs/graph_view.h"

#include "platform/fonts.h"
#include "platform/locale.h"
#include "simulation/simulation.h"
#include "solution/solution_arrays.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ovrelan {

void GraphView::add_menu_items(QMenu& menu) {
    QAction* clear = menu.addAction(QCoreApplication::translate("Graphs", "Убрать &метки"),
                                    [this] { clear_markers(); });
    clear->setShortcut(Qt::Key_Escape);
    clear->setEnabled(!markers_.empty());
    QAction* all = menu.addAction(QCoreApplication::translate("Graphs", "Показать &всё время"),
                                  [this] { show_whole(); });
    all->setShortcut(Qt::Key_Home);
    all->setEnabled(!whole_);
    QAction* follow =
        menu.addAction(QCoreApplication::translate("Graphs", "&Следовать за расчётом"),
                       [this](bool on) { following_ = on; });
    follow->setCheckable(true);
    follow->setChecked(following_);
    if (kind_ != GraphKind::UI) {
        QAction* si =
            menu.addAction(QCoreApplication::translate("Graphs", "&Физические единицы"),
                           [this](bool on) { set_axes(on ? Axes::physical : Axes::normalised); });
        si->setCheckable(true);
        si->setChecked(axes_ == Axes::physical);
    }
    if (envelope_of(simulation_.state(), kind_)) {
        QAction* envelope =
            menu.addAction(QCoreApplication::translate("Graphs", "&Огибающая ±A·e^(−δt)"),
                           [this](bool on) { set_envelope(on); });
        envelope->setCheckable(true);
        envelope->setChecked(envelope_);
    }
    if (kind_ == GraphKind::W && axes_ == Axes::physical) {
        QAction* apart =
            menu.addAction(QCoreApplication::translate("Graphs", "&Энергии конденсатора и катушки"),
                           [this](bool on) { set_energies_apart(on); });
        apart->setCheckable(true);
        apart->setChecked(energies_apart_);
    }
}

void GraphView::context_menu(const QPoint& global) {
    QMenu menu(this);
    add_menu_items(menu);
    if (extra_menu) {
        menu.addSeparator();
        extra_menu(menu);
    }
    menu.exec(global);
}

// As a picture: the whole curve in full colour (a picture shows the result, not a run half
// done), with the view's time window, axes, curves and markers.
void GraphView::render(QPainter& painter, const QRectF& target, double scale,
                       const QString& title) {
    render_picture(
        painter, target, scale, title,
        [this](QPainter& p, QSizeF size, const GraphLook& look) { draw_picture(p, size, look); },
        *picture_palette_);
}

void GraphView::draw_picture(QPainter& painter, QSizeF size, const GraphLook& look) {
    const SimulationState& s = simulation_.state();
    const GraphAxes normalised = graph_axes(s, variant_of(kind_), zoom_, decimal_separator());
    if (content_.series.empty()) {
        content_ = graph_content(s, kind_, axes_, energies_apart_); // never shown on a screen
    }
    FrameRequest r = request(size.width(), size.height());
    r.normalised = &normalised;
    r.readout = !markers_.empty();
    r.inset = 3 * look.scale;
    const GraphFrame f = graph_frame(r, measure_with(look.font));
    draw_grid(painter, f, look);
    draw_envelope(painter, f, look);
    draw_family(painter, f, look);
    draw_remembered(painter, f, look);
    GraphContent content = graph_content(s, kind_, axes_, energies_apart_);
    std::erase_if(content.series,
                  [this](const Series& series) { return !series_shown(series.name); });
    draw_measured(painter, f, look);
    draw_curves(painter, f, s, content, computed_points(s), look, simulation_.summary_of(s));
    const std::string readout = markers_.empty() ? std::string() : readout_text();
    draw_frame(painter, f, look, qstring(readout));
    const std::vector<LegendItem> items = legend_for(f, look);
    draw_legend(painter, items, legend_pens(items, look), look,
                [this](const std::string& name) { return series_shown(name); });
    draw_marks(painter, f, look, axes_, markers_, std::nullopt);
}

} // namespace ovrelan
