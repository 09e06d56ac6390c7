#include "ui/export_command.h"

#include "chain/recompute.h"
#include "graphs/graph_export.h"
#include "graphs/graph_view.h"
#include "graphs/resonance_window.h"
#include "graphs/vector_window.h"
#include "io/task_file.h"
#include "model/sentences.h"
#include "model/sweep_values.h"
#include "platform/locale.h"
#include "simulation/simulation.h"

#include <QFile>
#include <QLocale>

#include <array>
#include <variant>
#include <vector>

namespace ovrelan {

ExportOutcome export_graph(const CommandLine& line, Platform& platform) {
    const RussianNumbers russian;
    Simulation simulation;
    simulation.set_defaults(decimal_separator());
    simulation.compute_at_start_up();
    simulation.set_ready();
    if (!line.task.isEmpty()) {
        const auto read = read_task_file(QFile::encodeName(line.task).toStdString());
        if (const auto* error = std::get_if<TaskError>(&read)) {
            return command_failure(2, "задача «" + line.task +
                                          "» не прочитана: " + QString::fromStdString(error->text));
        }
        const Task& task = std::get<Task>(read);
        if (const auto error = check_task_values(simulation.state(), task)) {
            return command_failure(3, "задача «" + line.task +
                                          "» не открыта: " + QString::fromStdString(error->text));
        }
        std::vector<FieldText> texts;
        for (const FieldEntry& entry : field_table()) {
            texts.push_back({entry.field, task.texts[static_cast<std::size_t>(entry.field)]});
        }
        simulation.enter_texts(texts);
    }
    // A family of curves: its values tried on the circuit drawn; one the model refuses is left
    // out, named with the reason, and the picture is drawn without it (exit 3, as ovrelan-solve).
    QString refused;
    if (!line.sweep.isEmpty()) {
        const auto argument = parse_sweep_argument(line.sweep.toStdString());
        if (const auto* reason = std::get_if<std::string>(&argument)) {
            return command_failure(2, QString::fromStdString(*reason));
        }
        const auto& sweep = std::get<SweepArgument>(argument);
        simulation.set_family(FamilyRequest{sweep.field, sweep.values, decimal_separator()});
        const Family& family = *simulation.family();
        if (!family.error.empty()) {
            return command_failure(2, "--sweep " + line.sweep + ": " +
                                          QString::fromStdString(family.error));
        }
        for (const RefusedMember& r : family.refused) {
            refused += "ovrelan: --sweep: " +
                       QString::fromStdString(join_sentences(r.shown(), "Кривая не построена.")) +
                       "\n";
        }
    }
    // A PNG or an SVG too small for its title and a legible plot is refused like a wrong size
    // on the command line (status 2), before anything is written.
    const auto write = [&](const Picture& picture, QString* error) {
        const QString refusal = picture_size_refusal(picture, line.picture, line.size);
        if (!refusal.isEmpty()) {
            *error = refusal;
            return 2;
        }
        return write_picture(picture, line.picture, line.size, error) ? 0 : 1;
    };
    QString error;
    int status = 0;
    if (line.picture_kind == CommandLine::Picture::resonance) {
        ResonanceWindow window(simulation, platform);
        status = write(window.picture(), &error);
    } else if (line.picture_kind == CommandLine::Picture::vector) {
        VectorWindow window(simulation, platform);
        status = write(window.picture(), &error);
    } else {
        GraphView view(simulation, line.graph, platform);
        view.set_axes(line.graph == GraphKind::UI ? Axes::physical : line.axes);
        view.resize(line.size);
        view.redraw();
        status = write(picture_of(view), &error);
    }
    if (status == 2) {
        return command_failure(2, error);
    }
    const bool written = status == 0;
    if (!written) {
        return command_failure(1, "не удалось сохранить файл «" + line.picture + "»: " + error);
    }
    if (!refused.isEmpty()) {
        return {3, refused};
    }
    return {};
}

} // namespace ovrelan
