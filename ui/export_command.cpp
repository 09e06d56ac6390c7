#include "ui/export_command.h"

#include "chain/recompute.h"
#include "graphs/graph_export.h"
#include "graphs/graph_view.h"
#include "graphs/resonance_window.h"
#include "graphs/vector_window.h"
#include "io/task_file.h"
#include "platform/locale.h"
#include "simulation/simulation.h"

#include <QFile>

#include <array>
#include <variant>
#include <vector>

namespace ovrelan {

namespace {

ExportOutcome failed(int status, const QString& what) {
    return {status, "ovrelan: " + what + "\n"};
}

} // namespace

ExportOutcome export_graph(const CommandLine& line, Platform& platform) {
    Simulation simulation;
    simulation.set_defaults(decimal_separator());
    simulation.compute_at_start_up();
    simulation.set_ready();
    if (!line.task.isEmpty()) {
        const auto read = read_task_file(QFile::encodeName(line.task).toStdString());
        if (const auto* error = std::get_if<TaskError>(&read)) {
            return failed(2, "задача «" + line.task +
                                 "» не прочитана: " + QString::fromStdString(error->text));
        }
        const Task& task = std::get<Task>(read);
        if (const auto error = check_task_values(simulation.state(), task)) {
            return failed(3, "задача «" + line.task +
                                 "» не открыта: " + QString::fromStdString(error->text));
        }
        std::vector<FieldText> texts;
        for (const FieldEntry& entry : field_table()) {
            texts.push_back({entry.field, task.texts[static_cast<std::size_t>(entry.field)]});
        }
        simulation.enter_texts(texts);
    }
    QString error;
    bool written = false;
    if (line.picture_kind == CommandLine::Picture::resonance) {
        ResonanceWindow window(simulation, platform);
        written = write_picture(window.picture(), line.picture, line.size, &error);
    } else if (line.picture_kind == CommandLine::Picture::vector) {
        VectorWindow window(simulation, platform);
        written = write_picture(window.picture(), line.picture, line.size, &error);
    } else {
        GraphView view(simulation, line.graph, platform);
        view.set_axes(line.graph == GraphKind::UI ? Axes::physical : line.axes);
        view.resize(line.size);
        view.redraw();
        written = write_graph_picture(view, simulation.state(), line.picture, line.size, &error);
    }
    if (!written) {
        return failed(1, "не удалось сохранить файл «" + line.picture + "»: " + error);
    }
    return {};
}

} // namespace ovrelan
