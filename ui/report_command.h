// ovrelan --report DIR|FILE.pdf [TASK] and ovrelan --worksheet FILE.pdf [--answers FILE.pdf]
// TASK: the report of a circuit and a task's worksheet with its answer key, written with no
// window shown (offscreen, as --export-graph), and the same for the menus' items.
#pragma once

#include "io/task_file.h"
#include "platform/platform.h"
#include "ui/command_line.h"
#include "ui/export_command.h"
#include "ui/lab_report_files.h"

#include <QString>

#include <memory>
#include <vector>

namespace ovrelan {

class Simulation;

// The report's pictures of a circuit without a window: every graph of a quantity the circuit has
// (in physical units), the voltages and current, and with a sinusoidal source the resonance
// curve and the vector diagram; or those `names` asks for (Uc, EL, Ur, I, W, UI, res, vec). They
// draw from `simulation`, which must outlive them.
class OffscreenFigures {
public:
    OffscreenFigures(Simulation& simulation, Platform& platform,
                     const std::vector<std::string>& names = {});
    ~OffscreenFigures();
    OffscreenFigures(const OffscreenFigures&) = delete;
    OffscreenFigures& operator=(const OffscreenFigures&) = delete;
    const std::vector<ReportFigure>& figures() const { return figures_; }

private:
    std::vector<std::unique_ptr<QWidget>> views_;
    std::vector<ReportFigure> figures_;
};

// A task's values entered into a simulation just started, as the window opens a task; why not,
// when the file cannot be read (status 2) or the model would not take its values (status 3).
ExportOutcome open_task_offscreen(Simulation& simulation, const QString& path, Task* task);

ExportOutcome report_command(const CommandLine& line, Platform& platform);
ExportOutcome worksheet_command(const CommandLine& line, Platform& platform);

// The worksheet of a task and, unless `answers` is empty, its answer key.
ExportOutcome write_task_worksheets(const QString& task, const QString& sheet,
                                    const QString& answers, Platform& platform);

} // namespace ovrelan
