#include "ui/measured_actions.h"

#include "geometry/measured_curve.h"
#include "io/task_file.h"
#include "model/sentences.h"
#include "platform/locale.h"
#include "run/run_controller.h"
#include "simulation/simulation.h"
#include "solution/fit_start.h"
#include "ui/edit_history.h"
#include "ui/parameter_panel.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace ovrelan {

namespace {

QString measured_filter() {
    return QCoreApplication::translate("MeasuredActions", "Измерения (*.csv *.txt *.tsv *.dat)");
}

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// The one local file a drag carries, if it carries exactly one.
QString dragged_file(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile()) {
        return {};
    }
    return data->urls().front().toLocalFile();
}

} // namespace

bool is_measured_file(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "csv" || suffix == "txt" || suffix == "tsv" || suffix == "dat";
}

MeasuredActions::MeasuredActions(QWidget* window, Platform& platform, Simulation& simulation,
                                 ParameterPanel& panel, EditHistory& history, RunController& run)
    : QObject(window), window_(window), platform_(platform), simulation_(simulation), panel_(panel),
      history_(history), run_(run) {
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
    // A trace dragged along a graph's time axis: one step of the history when let go.
    connect(
        &simulation_, &Simulation::measurement_dragged, this,
        [this](const std::optional<Measurement>& before) { history_.note_measurement(before); });
}

void MeasuredActions::cannot(const QString& what, const QString& path, const std::string& reason) {
    const std::string said =
        (what + " «" + path + QCoreApplication::translate("MeasuredActions", "» не открыты: "))
            .toStdString() +
        reason;
    platform_.boxes.show_ok(window_, QCoreApplication::translate("MeasuredActions", "Ошибка"),
                            qt(join_sentences(said, QCoreApplication::translate(
                                                        "MeasuredActions", "Ничего не изменилось.")
                                                        .toStdString())));
}

void MeasuredActions::ask_and_open() {
    const QString path = platform_.dialogs.open_file(
        window_, QCoreApplication::translate("MeasuredActions", "Открыть измерения"),
        {measured_filter(), QCoreApplication::translate("MeasuredActions", "Все файлы (*)")});
    if (!path.isEmpty()) {
        open(path);
    }
}

bool MeasuredActions::open(const QString& path) {
    simulation_.finish_pending_edits();
    const auto opened = open_measured_file(QFile::encodeName(path).toStdString());
    if (const auto* e = std::get_if<MeasuredError>(&opened)) {
        cannot(QCoreApplication::translate("MeasuredActions", "Измерения из файла"), path, e->text);
        return false;
    }
    const MeasuredText& text = std::get<MeasuredText>(opened);
    auto inspected = inspect_measured(text);
    if (const auto* e = std::get_if<MeasuredError>(&inspected)) {
        cannot(QCoreApplication::translate("MeasuredActions", "Измерения из файла"), path, e->text);
        return false;
    }
    delete preview_;
    preview_ =
        new MeasuredPreviewDialog(text, std::move(std::get<MeasuredPreview>(inspected)), window_);
    preview_->setAttribute(Qt::WA_DeleteOnClose);
    preview_->refused = [this, path](const MeasuredError& e) {
        cannot(QCoreApplication::translate("MeasuredActions", "Измерения из файла"), path, e.text);
    };
    connect(preview_, &QDialog::accepted, this, [this] {
        if (!preview_ || !preview_->series()) {
            return;
        }
        const auto before = simulation_.measurement();
        const Quantity q = preview_->series()->quantity;
        simulation_.set_measurement(
            Measurement{std::make_shared<const MeasuredTrace>(*preview_->series()), 0});
        history_.note_measurement(before);
        if (show_graph) {
            show_graph(graph_of(q));
        }
    });
    preview_->open();
    return true;
}

void MeasuredActions::no_measurement() {
    platform_.boxes.show_ok(
        window_, QCoreApplication::translate("MeasuredActions", "Измерения"),
        QCoreApplication::translate("MeasuredActions",
                                    "Сначала откройте измерения: «Файл → Открыть измерения…»."));
}

void MeasuredActions::align_with_key() {
    const auto& m = simulation_.measurement();
    if (!m) {
        no_measurement();
        return;
    }
    const MeasuredSeries& s = m->trace->series();
    const auto at = leaves_start(s.time, s.values);
    if (!at) {
        platform_.boxes.show_ok(
            window_, QCoreApplication::translate("MeasuredActions", "Измерения"),
            QCoreApplication::translate("MeasuredActions",
                                        "Значения не уходят от начального уровня: момент замыкания "
                                        "ключа не найден. Ничего не изменилось."));
        return;
    }
    const auto before = m;
    simulation_.set_measurement(Measurement{m->trace, *at});
    history_.note_measurement(before);
}

void MeasuredActions::close_measurement() {
    const auto before = simulation_.measurement();
    simulation_.set_measurement(std::nullopt);
    history_.note_measurement(before);
}

std::array<std::string, 7> MeasuredActions::present_texts() const {
    std::array<std::string, 7> texts;
    for (const FieldEntry& entry : field_table()) {
        texts[static_cast<std::size_t>(entry.field)] = panel_.held_text(entry.field);
    }
    return texts;
}

void MeasuredActions::ask_for_fit() {
    simulation_.finish_pending_edits();
    const auto& m = simulation_.measurement();
    if (!m) {
        no_measurement();
        return;
    }
    delete fit_;
    fit_ = new FitDialog(simulation_.state(), present_texts(), *m, decimal_separator(), window_);
    fit_->setAttribute(Qt::WA_DeleteOnClose);
    connect(fit_, &QDialog::accepted, this, [this] {
        if (fit_ && fit_->accepted()) {
            accept_fit(fit_->result(), *fit_->accepted());
        }
    });
    fit_->open();
}

bool MeasuredActions::accept_fit(const FitResult& result, const AcceptedFit& accepted) {
    simulation_.finish_pending_edits();
    const auto& m = simulation_.measurement();
    Task task;
    task.texts = accepted.texts;
    if (const auto error = check_task_values(simulation_.state(), task)) {
        platform_.boxes.show_ok(
            window_, QCoreApplication::translate("MeasuredActions", "Ошибка"),
            qt(join_sentences(
                QCoreApplication::translate("MeasuredActions", "Подобранные значения не приняты: ")
                        .toStdString() +
                    error->text,
                QCoreApplication::translate("MeasuredActions", "Ничего не изменилось.")
                    .toStdString())));
        return false;
    }
    if (run_.state() != RunState::idle) {
        run_.start_or_stop(); // a running run ends first
    }
    history_.begin_step(QCoreApplication::translate("MeasuredActions", "подобранные значения"));
    panel_.enter_all(accepted.texts);
    if (m) {
        // The trace's clock moved so that the fitted closing of the key is t = 0.
        const auto before = m;
        simulation_.set_measurement(Measurement{m->trace, m->shift + result.motion.shift});
        history_.note_measurement(before);
    }
    history_.end_step();
    return true;
}

bool MeasuredActions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::DragEnter) {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (is_measured_file(dragged_file(drag->mimeData()))) {
            drag->acceptProposedAction();
            return true;
        }
    }
    if (watched == window_ && event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = dragged_file(drop->mimeData());
        if (is_measured_file(path)) {
            drop->acceptProposedAction();
            open(path);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ovrelan
