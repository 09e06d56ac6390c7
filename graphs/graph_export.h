// Pictures and numbers out of the program for a worksheet or a spreadsheet: a graph as PNG at a
// chosen size, or as SVG or PDF in vectors, with the circuit's parameters and regime in its
// title; printed in vectors at the printer's resolution; the results as a CSV table. Each through
// the file dialog, with a clear message when a file cannot be written.
#pragma once

#include "geometry/palette.h"
#include "io/file_writer.h"
#include "io/results_csv.h"
#include "model/simulation_state.h"
#include "platform/platform.h"

#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPainter;
class QWidget;

namespace ovrelan {

class GraphView;

// Writes the file whole or not at all; false with the reason, in Russian.
bool write_file(const QString& path, const QByteArray& data, QString* error);

// The picture's title: the graph's name, the circuit's parameters and its regime.
QString picture_title(const GraphView& view, const SimulationState& state);

struct GraphLook;

// Something that can be drawn as a picture: into a target on any device at a scale of its look
// (title included), with the title and the file name offered for it.
struct Picture {
    std::function<void(QPainter&, const QRectF& target, double scale)> draw;
    QString title;
    QString file_name; // "Uc(t).png"
    // The least height of what is drawn beneath the title at a width and look, when more than a
    // plot's (its notes and plots); none: a plot's.
    std::function<double(double width, const GraphLook& look)> least_body;
};

// A graph's picture.
Picture picture_of(GraphView& view);

// A picture's title above its target, bold, wrapped to the width whole (a size too small for it
// is refused before: picture_size_refusal), in pixels of a 96-dpi screen magnified to the
// device's resolution at the look of `scale`; the height it takes with the gap beneath it, in the
// painter's units. The body is drawn beneath it.
double draw_title(QPainter& painter, const QRectF& target, double scale, const QString& title,
                  const Palette& palette = palette_of(PaletteKind::light));

enum class PictureFormat { png, svg, pdf };

// The format a file name's extension asks for (.png, .svg or .pdf in any case); none for another
// extension or none at all.
std::optional<PictureFormat> picture_format(const QString& path);
// Why a file of that name is not written, in Russian: its extension is not a picture's.
QString unknown_format_reason(const QString& path);

// Why a PNG or SVG of this size would not show the picture's title and a legible plot (the rule
// of picture_size), in Russian, with the least size that would; empty when it does. A PDF is a
// page of its own size: nothing to say.
QString picture_size_refusal(const Picture& picture, const QString& path, QSize size);

// The picture as a file: PNG of exactly `size` pixels; SVG of that size in vectors; PDF on an A4
// page in landscape, in vectors. False with the reason when it cannot be written, or the name's
// extension is none of these.
bool write_picture(const Picture& picture, const QString& path, QSize size, QString* error);
// The save dialog (PNG at 1600×900 offered first, or larger, SVG, PDF), then the picture; a
// message when it cannot be written or the name's extension is not a picture's (a name without
// one gets the chosen format's).
void save_picture(QWidget* parent, Platform& platform, const Picture& picture);
// The picture on the clipboard, at 1600×900.
void copy_picture(const Picture& picture);
// The print dialog, then the picture on the page in vectors.
void print_picture(QWidget* parent, Platform& platform, const Picture& picture);

// The same for a graph.
bool write_graph_picture(GraphView& view, const SimulationState& state, const QString& path,
                         QSize size, QString* error);
void save_graph_picture(QWidget* parent, Platform& platform, GraphView& view);
void copy_graph_picture(GraphView& view);
void print_graph(QWidget* parent, Platform& platform, GraphView& view);

// The save dialog with the two dialects (comma and point; semicolon and decimal comma, offered
// first where the locale writes a decimal comma), then the computed grid as a CSV table; a
// message when it cannot be written.
void save_results(QWidget* parent, Platform& platform, const SimulationState& state);

// The same dialog for any table: `write` fills the file in the dialect chosen.
void save_table(QWidget* parent, Platform& platform, const QString& suggested,
                const std::function<bool(CsvDialect, const FilePut&)>& write);

} // namespace ovrelan
