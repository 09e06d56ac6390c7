#include "graphs/plot_accessible.h"

#include "geometry/graph_series.h"
#include "geometry/plot_description.h"
#include "graphs/graph_view.h"
#include "model/characteristics_panel.h"
#include "platform/locale.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace ovrelan {

QString plot_summary(const GraphView& view) {
    const SimulationState& s = view.simulation_state();
    PlotFacts facts;
    for (const Series& series : view.content().series) {
        if (view.series_shown(series.name)) {
            facts.curves.push_back(series.name);
        }
    }
    facts.from_seconds = view.time_window().from * s.t_scale;
    facts.to_seconds = view.time_window().to * s.t_scale;
    facts.low = view.frame().y.low;
    facts.high = view.frame().y.high;
    if (view.axes() == Axes::physical) {
        facts.unit = view.content().left_unit;
    }
    facts.circuit = circuit_caption(s);
    if (!view.markers().empty()) {
        facts.measured = view.readout_text();
    }
    return QString::fromStdString(plot_description(facts, decimal_separator()));
}

QString plot_title(const GraphView& view) {
    return QString::fromStdString(graph_title(view.kind(), view.simulation_state()));
}

namespace {

// The plot: a chart, its name and description asked for when a screen reader reads them.
class PlotAccessible final : public QAccessibleWidget {
public:
    PlotAccessible(QWidget* plot, const GraphView& view)
        : QAccessibleWidget(plot, QAccessible::Chart), view_(view) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return plot_title(view_);
        case QAccessible::Description:
            return plot_summary(view_);
        default:
            return QAccessibleWidget::text(t);
        }
    }

private:
    const GraphView& view_;
};

QAccessibleInterface* plot_interface(const QString& key, QObject* object) {
    if (key != QLatin1String("ovrelan::PlotCanvas") || !object->isWidgetType()) {
        return nullptr;
    }
    auto* plot = static_cast<QWidget*>(object);
    const auto* view = dynamic_cast<const GraphView*>(plot->parentWidget());
    return view ? new PlotAccessible(plot, *view) : nullptr;
}

} // namespace

void install_plot_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(plot_interface);
        return true;
    }();
    (void)installed;
}

void announce_plot_summary(QWidget* plot, const GraphView& view, QString& said) {
    if (!QAccessible::isActive()) {
        return;
    }
    const QString summary = plot_summary(view);
    if (summary != said) {
        said = summary;
        QAccessibleEvent event(plot, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace ovrelan
