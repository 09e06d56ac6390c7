// What the program does with measured data: «Открыть измерения…» (the menu, a file given on the
// command line, a file dropped on the main window) through the preview dialog, «Совместить с
// ключом», «Закрыть измерения» and «Подобрать параметры к измерениям» with its «Принять». Every
// change of the trace is one step of the history, and so is an accepted fit with the trace moved
// to the fitted closing of the key; a file refused, a fit that gave nothing, values the fields
// would not take change nothing and say why.
#pragma once

#include "geometry/graph_series.h"
#include "platform/platform.h"
#include "ui/fit_dialog.h"
#include "ui/measured_preview_dialog.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

namespace ovrelan {

class EditHistory;
class ParameterPanel;
class RunController;
class Simulation;

class MeasuredActions final : public QObject {
public:
    // Files dropped on `window` are opened as measurements.
    MeasuredActions(QWidget* window, Platform& platform, Simulation& simulation,
                    ParameterPanel& panel, EditHistory& history, RunController& run);

    void ask_and_open();
    // Reads the file and shows its preview (window-modal; the trace is taken on its OK). False
    // when the file itself cannot be read: that is said, and nothing changes.
    bool open(const QString& path);
    void align_with_key();
    void close_measurement();
    void ask_for_fit();
    // The values of a fit into the fields and the trace moved to the fitted closing of the key,
    // as one step; false (with a box saying why) when the fields would refuse them.
    bool accept_fit(const FitResult& result, const AcceptedFit& accepted);

    // Shows the graph of a quantity (its box ticked): a trace opened is seen at once.
    std::function<void(GraphKind)> show_graph;

    // The dialogs while they are open, for the tests.
    MeasuredPreviewDialog* preview() const { return preview_; }
    FitDialog* fit_dialog() const { return fit_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cannot(const QString& what, const QString& path, const std::string& reason);
    void no_measurement(); // what aligning or fitting says with no trace open
    std::array<std::string, 7> present_texts() const;

    QWidget* window_;
    Platform& platform_;
    Simulation& simulation_;
    ParameterPanel& panel_;
    EditHistory& history_;
    RunController& run_;
    QPointer<MeasuredPreviewDialog> preview_;
    QPointer<FitDialog> fit_;
};

// A file dropped or given on the command line that is measured data (.csv, .txt, .tsv, .dat),
// not a task.
bool is_measured_file(const QString& path);

} // namespace ovrelan
