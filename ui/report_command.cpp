#include "ui/report_command.h"

#include "chain/recompute.h"
#include "graphs/graph_view.h"
#include "graphs/resonance_window.h"
#include "graphs/vector_window.h"
#include "io/worksheet.h"
#include "model/parameter_fields.h"
#include "platform/locale.h"
#include "simulation/simulation.h"
#include "ui/worksheet_files.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <algorithm>

namespace ovrelan {

namespace {

void start(Simulation& simulation) {
    simulation.set_defaults(decimal_separator());
    simulation.compute_at_start_up();
    simulation.set_ready();
}

std::vector<std::string> every_figure(const SimulationState& s) {
    std::vector<std::string> names;
    if (s.C != 0) {
        names.emplace_back("Uc");
    }
    if (s.L != 0) {
        names.emplace_back("EL");
    }
    if (s.R != 0) {
        names.emplace_back("Ur");
    }
    names.insert(names.end(), {"I", "W", "UI"});
    if (s.nu != 0 && (s.L != 0 || s.C != 0)) {
        names.insert(names.end(), {"res", "vec"});
    }
    return names;
}

} // namespace

OffscreenFigures::OffscreenFigures(Simulation& simulation, Platform& platform,
                                   const std::vector<std::string>& names) {
    for (const std::string& name : names.empty() ? every_figure(simulation.state()) : names) {
        if (name == "res") {
            auto window = std::make_unique<ResonanceWindow>(simulation, platform);
            figures_.push_back(picture_figure(window->picture(), 0.9));
            views_.push_back(std::move(window));
        } else if (name == "vec") {
            auto window = std::make_unique<VectorWindow>(simulation, platform);
            figures_.push_back(picture_figure(window->picture(), 0.75));
            views_.push_back(std::move(window));
        } else if (const auto kind = graph_of_name(QString::fromStdString(name))) {
            auto view = std::make_unique<GraphView>(simulation, *kind, platform);
            view->set_axes(Axes::physical);
            view->resize(QSize(1600, 800));
            view->redraw();
            figures_.push_back(graph_figure(*view));
            views_.push_back(std::move(view));
        }
    }
}

OffscreenFigures::~OffscreenFigures() = default;

ExportOutcome open_task_offscreen(Simulation& simulation, const QString& path, Task* task) {
    start(simulation);
    if (path.isEmpty()) {
        return {};
    }
    auto read = read_task_file(QFile::encodeName(path).toStdString());
    if (const auto* error = std::get_if<TaskError>(&read)) {
        return command_failure(
            2, QCoreApplication::translate("ReportCommand", "задача «%1» не прочитана: %2")
                   .arg(path, QString::fromStdString(error->text)));
    }
    const Task& opened = std::get<Task>(read);
    if (const auto error = check_task_values(simulation.state(), opened)) {
        return command_failure(
            3, QCoreApplication::translate("ReportCommand", "задача «%1» не открыта: %2")
                   .arg(path, QString::fromStdString(error->text)));
    }
    std::vector<FieldText> texts;
    for (const FieldEntry& entry : field_table()) {
        texts.push_back({entry.field, opened.texts[static_cast<std::size_t>(entry.field)]});
    }
    simulation.enter_texts(texts);
    if (task != nullptr) {
        *task = opened;
    }
    return {};
}

ExportOutcome report_command(const CommandLine& line, Platform& platform) {
    const RussianNumbers russian;
    Simulation simulation;
    if (ExportOutcome opened = open_task_offscreen(simulation, line.task, nullptr);
        opened.exit_status != 0) {
        return opened;
    }
    const OffscreenFigures figures(simulation, platform);
    QString error;
    if (!write_lab_report(simulation.state(), figures.figures(), line.picture, &error)) {
        return command_failure(
            1, QCoreApplication::translate("ReportCommand", "отчёт «%1» не сохранён: %2")
                   .arg(line.picture, error));
    }
    return {};
}

ExportOutcome write_task_worksheets(const QString& task_path, const QString& sheet,
                                    const QString& answers, Platform& platform) {
    const RussianNumbers russian;
    Simulation simulation;
    Task task;
    if (ExportOutcome opened = open_task_offscreen(simulation, task_path, &task);
        opened.exit_status != 0) {
        return opened;
    }
    const auto made = make_worksheet(task, document_decimal_separator());
    if (const auto* error = std::get_if<TaskError>(&made)) {
        return command_failure(3, QCoreApplication::translate("ReportCommand", "задача «%1»: %2")
                                      .arg(task_path, QString::fromStdString(error->text)));
    }
    const Worksheet& worksheet = std::get<Worksheet>(made);
    QString error;
    if (!write_worksheet(worksheet, SheetKind::sheet, {}, sheet, &error)) {
        return command_failure(
            1, QCoreApplication::translate("ReportCommand", "рабочий лист «%1» не сохранён: %2")
                   .arg(sheet, error));
    }
    if (!answers.isEmpty()) {
        std::vector<std::string> names = worksheet.graphs;
        if (names.empty()) {
            names.emplace_back(simulation.state().C != 0 ? "Uc" : "I");
        }
        const OffscreenFigures figures(simulation, platform, names);
        if (!write_worksheet(worksheet, SheetKind::answers, figures.figures(), answers, &error)) {
            return command_failure(
                1, QCoreApplication::translate("ReportCommand", "ответы «%1» не сохранены: %2")
                       .arg(answers, error));
        }
    }
    return {};
}

ExportOutcome worksheet_command(const CommandLine& line, Platform& platform) {
    return write_task_worksheets(line.task, line.picture, line.answers, platform);
}

} // namespace ovrelan
