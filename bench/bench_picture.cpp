// Pictures for a worksheet: the Uc graph of the start-up circuit at about 1 000 000 points as a
// PNG of 3840×2160. The whole of ovrelan --export-graph with a task (the circuit solved, its
// curve drawn, the PNG encoded and written); the picture of a solution at hand drawn and encoded;
// and the drawing alone, into an image as the PNG's is, to tell it from the encoding.
#include "graphs/graph_export.h"
#include "graphs/graph_view.h"
#include "platform/locale.h"
#include "simulation/simulation.h"
#include "ui/command_line.h"
#include "ui/export_command.h"
#include "window_bench.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace ovrelan;

constexpr QSize picture_size(3840, 2160);
// As many natural periods of the start-up circuit as give about 1 000 000 grid points.
constexpr const char* million_points = "20833";

// The start-up circuit with Nmax raised, solved, as the export command holds it.
struct Solved {
    Simulation simulation;
    Solved() {
        simulation.set_defaults(decimal_separator());
        simulation.compute_at_start_up();
        simulation.set_ready();
        simulation.enter_text(Field::Nmax, million_points);
    }
};

// The graph as the export command draws it: a view of the picture's size, normalised axes.
struct UcView {
    GraphView view;
    UcView(Simulation& simulation, Platform& platform) : view(simulation, GraphKind::Uc, platform) {
        view.set_axes(Axes::normalised);
        view.resize(picture_size);
        view.redraw();
    }
};

void BM_export_command_png_4k_1M(benchmark::State& state) {
    testing::RecordingPlatform stand_ins;
    const QTemporaryDir dir;
    const QString task = dir.filePath("million.ovrelan");
    {
        QFile file(task);
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("the task file cannot be written");
            return;
        }
        file.write("# Ovrelan: задача\nL = 2000\nC = 5000\nR = 0.020\nUo = 15\nEm = 5\nnu = 47\n"
                   "Nmax = ");
        file.write(million_points);
        file.write("\ncomment = \n");
    }
    CommandLine line;
    line.action = CommandLine::Action::export_graph;
    line.graph = GraphKind::Uc;
    line.picture = dir.filePath("Uc.png");
    line.size = picture_size;
    line.task = task;
    for (auto _ : state) {
        const ExportOutcome outcome = export_graph(line, stand_ins.platform);
        if (outcome.exit_status != 0) {
            state.SkipWithError(outcome.message.toStdString().c_str());
            break;
        }
    }
    state.counters["png_MiB"] = static_cast<double>(QFile(line.picture).size()) / (1024.0 * 1024.0);
}

void BM_picture_png_4k_1M(benchmark::State& state) {
    testing::RecordingPlatform stand_ins;
    Solved solved;
    const QTemporaryDir dir;
    const QString path = dir.filePath("Uc.png");
    for (auto _ : state) {
        UcView uc(solved.simulation, stand_ins.platform);
        QString error;
        if (!write_picture(picture_of(uc.view), path, picture_size, &error)) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
    }
    state.counters["points"] = static_cast<double>(solved.simulation.state().t_grid.size());
}

void BM_picture_draw_4k_1M(benchmark::State& state) {
    testing::RecordingPlatform stand_ins;
    Solved solved;
    QImage image(picture_size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        UcView uc(solved.simulation, stand_ins.platform);
        const Picture picture = picture_of(uc.view);
        image.fill(Qt::white);
        QPainter painter(&image);
        picture.draw(painter, QRectF(QPointF(0, 0), picture_size),
                     std::clamp(picture_size.width() / 800.0, 1.0, 6.0));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["points"] = static_cast<double>(solved.simulation.state().t_grid.size());
}

BENCHMARK(BM_export_command_png_4k_1M)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_picture_png_4k_1M)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_picture_draw_4k_1M)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv) {
    return ovrelan::bench::run_window_benchmarks(argc, argv);
}
