#include "ui/task_actions.h"

#include "graphs/graph_export.h"
#include "io/task_file.h"
#include "model/sentences.h"
#include "run/run_controller.h"
#include "simulation/simulation.h"
#include "ui/parameter_panel.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>

namespace ovrelan {

namespace {

QString task_filter() {
    return QCoreApplication::translate("TaskActions", "Задачи Ovrelan (*.ovrelan)");
}

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TaskActions::TaskActions(QWidget* parent, Platform& platform, Simulation& simulation,
                         ParameterPanel& panel, RunController& run)
    : parent_(parent), platform_(platform), simulation_(simulation), panel_(panel), run_(run) {}

void TaskActions::enter_all(const std::array<std::string, 7>& texts) {
    if (run_.state() != RunState::idle) {
        run_.start_or_stop(); // a running run ends first
    }
    panel_.enter_all(texts);
}

void TaskActions::cannot(const QString& what, const QString& path, const std::string& reason) {
    const std::string said =
        (what + " «" + path + QCoreApplication::translate("TaskActions", "» не открыта: "))
            .toStdString() +
        reason;
    platform_.boxes.show_ok(
        parent_, QCoreApplication::translate("TaskActions", "Ошибка"),
        qt(join_sentences(
            said,
            QCoreApplication::translate("TaskActions", "Ничего не изменилось.").toStdString())));
}

void TaskActions::load_example(const Example& example) {
    simulation_.finish_pending_edits();
    std::array<std::string, 7> texts;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        texts[k] = std::string(example.texts[k]);
    }
    task_comment_.clear();
    task_sheet_ = {};
    enter_all(texts);
}

bool TaskActions::open_task(const QString& path) {
    simulation_.finish_pending_edits();
    const auto read = read_task_file(QFile::encodeName(path).toStdString());
    if (const auto* error = std::get_if<TaskError>(&read)) {
        cannot(QCoreApplication::translate("TaskActions", "Задача из файла"), path, error->text);
        return false;
    }
    const Task& task = std::get<Task>(read);
    // Values the model would refuse or correct: the task is not opened at all.
    if (const auto error = check_task_values(simulation_.state(), task)) {
        cannot(QCoreApplication::translate("TaskActions", "Задача из файла"), path, error->text);
        return false;
    }
    task_comment_ = task.comment;
    task_sheet_ = task.sheet;
    enter_all(task.texts);
    if (!task.comment.empty()) {
        platform_.boxes.show_ok(parent_, QCoreApplication::translate("TaskActions", "Задача"),
                                qt(task.comment));
    }
    return true;
}

void TaskActions::ask_and_open_task() {
    const QString path = platform_.dialogs.open_file(
        parent_, QCoreApplication::translate("TaskActions", "Открыть задачу"),
        {task_filter(), QCoreApplication::translate("TaskActions", "Все файлы (*)")});
    if (!path.isEmpty()) {
        open_task(path);
    }
}

void TaskActions::save_task() {
    simulation_.finish_pending_edits();
    const std::optional<QString> comment = platform_.dialogs.ask_text(
        parent_, QCoreApplication::translate("TaskActions", "Сохранить задачу"),
        QCoreApplication::translate("TaskActions",
                                    "Комментарий для учащегося (можно оставить пустым):"),
        qt(task_comment_));
    if (!comment) {
        return;
    }
    // What the model holds, in texts that open again to the same values.
    std::array<std::string, 7> typed;
    for (const FieldEntry& entry : field_table()) {
        typed[static_cast<std::size_t>(entry.field)] =
            panel_.field(entry.field)->text().toStdString();
    }
    Task task = task_to_save(typed, simulation_.state(), comment->toStdString());
    task.sheet = task_sheet_; // the worksheet's lines of the task opened last stay in it
    // A task that would not open again is not saved, and that is said before a file is chosen;
    // the comment is offered again by the next «Сохранить задачу», to be shortened.
    const auto text = task_file_text(task);
    if (const auto* refused = std::get_if<TaskError>(&text)) {
        task_comment_ = task.comment;
        platform_.boxes.show_ok(
            parent_, QCoreApplication::translate("TaskActions", "Ошибка"),
            qt(join_sentences(
                QCoreApplication::translate("TaskActions", "Задача не сохранена: ").toStdString() +
                    refused->text,
                QCoreApplication::translate("TaskActions",
                                            "Комментарий будет предложен снова, когда вы опять "
                                            "выберете «Сохранить задачу».")
                    .toStdString())));
        return;
    }
    int chosen = 0;
    const QString path = platform_.dialogs.save_file(
        parent_, QCoreApplication::translate("TaskActions", "Сохранить задачу"),
        QCoreApplication::translate("TaskActions", "задача.ovrelan"), {task_filter()}, &chosen);
    if (path.isEmpty()) {
        return;
    }
    QString error;
    if (!write_file(path, QByteArray::fromStdString(std::get<std::string>(text)), &error)) {
        platform_.boxes.show_ok(
            parent_, QCoreApplication::translate("TaskActions", "Ошибка"),
            QCoreApplication::translate("TaskActions", "Не удалось сохранить файл «") + path +
                "»: " + error);
        return;
    }
    task_comment_ = task.comment;
}

void TaskActions::save_results() {
    simulation_.finish_pending_edits();
    ovrelan::save_results(parent_, platform_, simulation_.state());
}

} // namespace ovrelan
