// Pictures and numbers out of the program for a worksheet or a spreadsheet: a graph as PNG at a
// chosen size, or as SVG or PDF in vectors, with the circuit's parameters and regime in its
// title; printed in vectors at the printer's resolution; the results as a CSV table. Each through
// the file dialog, with a clear message when a file cannot be written.
#pragma once

#include "model/simulation_state.h"
#include "platform/platform.h"

#include <QSize>
#include <QString>

class QWidget;

namespace ovrelan {

class GraphView;

// Writes the file whole or not at all; false with the reason, in Russian.
bool write_file(const QString& path, const QByteArray& data, QString* error);

// The picture's title: the graph's name, the circuit's parameters and its regime.
QString picture_title(const GraphView& view, const SimulationState& state);

enum class PictureFormat { png, svg, pdf };

// The format a file name's extension asks for (PNG when none or another).
PictureFormat picture_format(const QString& path);

// The graph as a picture file: PNG of exactly `size` pixels; SVG of that size in vectors; PDF on
// an A4 page in landscape, in vectors. False with the reason when it cannot be written.
bool write_graph_picture(GraphView& view, const SimulationState& state, const QString& path,
                         QSize size, QString* error);

// The save dialog (PNG at 1600×900 offered first, or larger, SVG, PDF), then the picture; a
// message when it cannot be written.
void save_graph_picture(QWidget* parent, Platform& platform, GraphView& view);

// The picture on the clipboard, at 1600×900.
void copy_graph_picture(GraphView& view);

// The print dialog, then the graph on the page in vectors.
void print_graph(QWidget* parent, Platform& platform, GraphView& view);

// The save dialog with the two dialects (comma and point; semicolon and decimal comma, offered
// first where the locale writes a decimal comma), then the computed grid as a CSV table; a
// message when it cannot be written.
void save_results(QWidget* parent, Platform& platform, const SimulationState& state);

} // namespace ovrelan
