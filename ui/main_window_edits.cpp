// The main window's edits: the «Правка» items following the history, families of curves and
// measured data asked for by the person.
#include "graphs/graph_view.h"
#include "graphs/graph_window.h"
#include "ui/edit_history.h"
#include "ui/family_dialog.h"
#include "ui/family_table.h"
#include "ui/graph_windows.h"
#include "ui/main_window.h"
#include "ui/measured_actions.h"

#include "platform/locale.h"

#include <QAction>
#include <QCheckBox>

#include <algorithm>

namespace ovrelan {

void MainWindow::ask_for_family() {
    simulation_.finish_pending_edits();
    FamilyDialog dialog(simulation_.state(), simulation_.family_request(), decimal_separator(),
                        this);
    if (dialog.exec() == QDialog::Accepted) {
        set_family(dialog.request());
    }
}

void MainWindow::set_family(std::optional<FamilyRequest> request) {
    const auto before = simulation_.family_request();
    const bool shown = request.has_value();
    simulation_.set_family(std::move(request));
    history_->note_family(before);
    if (shown) {
        family_table_->show();
        family_table_->raise();
    }
}

void MainWindow::history_changed() {
    QAction* undo = findChild<QAction*>("mnuEditUndo");
    QAction* redo = findChild<QAction*>("mnuEditRedo");
    if (undo == nullptr || redo == nullptr) {
        return;
    }
    undo->setEnabled(history_->can_undo());
    redo->setEnabled(history_->can_redo());
    undo->setText("&" + history_->undo_text());
    redo->setText("&" + history_->redo_text());
}

// The graph of the trace's quantity shown, over the time the record covers after the key closed.
void MainWindow::show_measured(GraphKind kind) {
    graph_box(static_cast<GraphId>(kind))->setChecked(true);
    const auto& m = simulation_.measurement();
    const SimulationState& s = state();
    if (!m || m->trace->series().time.empty() || !(s.t_scale > 0)) {
        return;
    }
    const std::vector<double>& t = m->trace->series().time;
    const double from = std::max(0.0, t.front() - m->shift) / s.t_scale;
    const double to = std::min(s.t_span, (t.back() - m->shift) / s.t_scale);
    GraphView* view = graph_windows_->shown_view(kind);
    if (to > from && view != nullptr) {
        view->set_time_window({from, to});
    }
}

MeasuredActions& MainWindow::measured() const {
    return *measured_;
}

} // namespace ovrelan
