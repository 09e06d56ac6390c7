// A graph's plot as a screen reader finds it: a chart named by the graph's title and described
// by a short summary (quantity, time and value ranges, regime, what the markers measure), with
// the read-out and each marker as a text inside it. The resonance curve's and the vector
// diagram's windows are charts too, described by their notes.
#pragma once

#include <QString>

class QWidget;

namespace ovrelan {

class GraphView;

// The summary of what the view's plot shows now.
QString plot_summary(const GraphView& view);
// The plot's title as its window shows it.
QString plot_title(const GraphView& view);

// Lets Qt make the plots' accessible interfaces (once; later calls do nothing).
void install_plot_accessibility();
// Tells a screen reader that the plot's summary changed, when it did (`said` keeps the last one).
void announce_plot_summary(QWidget* plot, const GraphView& view, QString& said);
// The same for any widget's summary.
void announce_summary(QWidget* widget, const QString& summary, QString& said);

} // namespace ovrelan
