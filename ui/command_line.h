// The program's command line, as a desktop program has it: --help, --version and one optional
// task file to open; or --export-graph, which draws one graph of a task to a file without a
// window and exits; --report and --worksheet, which write a lab report and a task's worksheet
// without a window. Anything else is an error with a usage line (exit status 2).
#pragma once

#include "geometry/graph_series.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace ovrelan {

struct CommandLine {
    enum class Action { run, help, version, export_graph, report, worksheet, error };
    Action action = Action::run;
    QString task;   // the task file to open, if any
    QString output; // what --help, --version or an error prints
    int exit_status = 0;
    // --export-graph NAME FILE [--size WxH] [--axes si|norm] [--sweep NAME=VALUES] [TASK]
    enum class Picture { graph, resonance, vector };
    Picture picture_kind = Picture::graph; // a graph, the resonance curve, the vector diagram
    GraphKind graph = GraphKind::Uc;
    QString picture;       // FILE: .png, .svg or .pdf; the report's folder or PDF; the worksheet
    QString answers;       // --worksheet's --answers FILE.pdf: the answer key (empty: none)
    QSize size{1600, 900}; // of a PNG or SVG
    Axes axes = Axes::normalised;
    // --sweep: a family of curves drawn beside the circuit's (model/sweep_values.h's
    // parse_sweep_argument has read it; empty: none).
    QString sweep;
    // --layout one|windows: the layout for this start, not remembered.
    enum class Layout { remembered, one_window, windows };
    Layout layout = Layout::remembered;
};

// The arguments as main() has them, the program's name first.
CommandLine parse_command_line(const QStringList& arguments);

// The graph a name on the command line means (Ul, Uc, Ur, I, W, UI, in any case; EL for Ul).
std::optional<GraphKind> graph_of_name(const QString& name);

} // namespace ovrelan
