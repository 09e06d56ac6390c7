#include "graphs/plot_accessible.h"

#include "geometry/graph_series.h"
#include "geometry/plot_description.h"
#include "graphs/graph_view.h"
#include "graphs/picture_window.h"
#include "model/characteristics_panel.h"
#include "platform/locale.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <array>
#include <functional>

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

// A text inside a chart (its read-out, a marker): read only, where the chart is, its words asked
// for when read.
class ChartText final : public QAccessibleInterface {
public:
    ChartText(QAccessibleInterface* chart, std::function<QString()> words)
        : chart_(chart), words_(std::move(words)) {}

    bool isValid() const override { return chart_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return chart_->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return chart_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? words_() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return chart_->rect(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

private:
    QAccessibleInterface* chart_;
    std::function<QString()> words_;
};

// The plot: a chart, its name and description asked for when a screen reader reads them; its
// children the read-out (always, empty while nothing is read) and the markers set.
class PlotAccessible final : public QAccessibleWidget {
public:
    PlotAccessible(QWidget* plot, const GraphView& view)
        : QAccessibleWidget(plot, QAccessible::Chart), view_(view) {}
    ~PlotAccessible() override {
        for (const QAccessible::Id id : texts_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

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
    int childCount() const override { return 1 + static_cast<int>(view_.markers().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        QAccessible::Id& id = texts_[static_cast<std::size_t>(index)];
        if (id == 0) {
            const GraphView* view = &view_;
            auto words = index == 0 ? std::function<QString()>([view] {
                return QString::fromStdString(view->readout_text());
            })
                                    : std::function<QString()>([view, index] {
                                          return QString::fromStdString(view->marker_text(
                                              static_cast<std::size_t>(index - 1)));
                                      });
            id = QAccessible::registerAccessibleInterface(
                new ChartText(const_cast<PlotAccessible*>(this), std::move(words)));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            const QAccessible::Id id = texts_[static_cast<std::size_t>(i)];
            if (id != 0 && QAccessible::accessibleInterface(id) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

private:
    const GraphView& view_;
    mutable std::array<QAccessible::Id, 3> texts_{}; // the read-out, marker A, marker B
};

// The resonance curve's or the vector diagram's window: a chart named by its picture's title,
// described by its notes.
class PictureAccessible final : public QAccessibleWidget {
public:
    explicit PictureAccessible(PictureWindow* window)
        : QAccessibleWidget(window, QAccessible::Chart), window_(window) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return window_->picture_title();
        case QAccessible::Description:
            return window_->summary();
        default:
            return QAccessibleWidget::text(t);
        }
    }

private:
    PictureWindow* window_;
};

QAccessibleInterface* plot_interface(const QString& key, QObject* object) {
    if (!object->isWidgetType()) {
        return nullptr;
    }
    if (key == QLatin1String("QWidget")) {
        auto* picture = dynamic_cast<PictureWindow*>(object);
        return picture != nullptr ? new PictureAccessible(picture) : nullptr;
    }
    if (key != QLatin1String("ovrelan::PlotCanvas")) {
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
    if (QAccessible::isActive()) {
        announce_summary(plot, plot_summary(view), said);
    }
}

void announce_summary(QWidget* widget, const QString& summary, QString& said) {
    if (QAccessible::isActive() && summary != said) {
        said = summary;
        QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace ovrelan
