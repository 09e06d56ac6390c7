// The graphs redrawn: a full replot of the six graph windows with the whole curve drawn (k_now at
// the end of the grid, as after a run, or at 0, as after an edit), and one zoom or pan step in
// time of one graph, at the start-up circuit and at about 100 000 and 1 000 000 points.
#include "graphs/graph_view.h"
#include "graphs/graph_window.h"
#include "ui/graph_windows.h"
#include "ui/main_window.h"
#include "window_bench.h"

#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

using namespace ovrelan;

// k_now at the end (as after a run: the bright curve whole) or at 0 (as after an edit: the
// whole curve in its tint).
void replot_all(benchmark::State& state, const char* nmax, bool after_run = true) {
    bench::Program program;
    MainWindow& window = program.window;
    window.findChild<QLineEdit*>("Text7")->setText(nmax);
    for (std::size_t i = 0; i < graph_kind_count; ++i) {
        window.graphs(static_cast<GraphKind>(i))->resize(400, 240);
    }
    const SimulationState& s = window.state();
    if (after_run) {
        window.simulation().play_to_end();
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < graph_kind_count; ++i) {
            window.graphs(static_cast<GraphKind>(i))->redraw();
        }
    }
    state.counters["points"] = static_cast<double>(s.t_grid.size());
}

void BM_replot_six_defaults(benchmark::State& state) {
    replot_all(state, "40");
}
void BM_replot_six_100k(benchmark::State& state) {
    replot_all(state, "2084");
}
void BM_replot_six_1M(benchmark::State& state) {
    replot_all(state, "20833");
}
void BM_replot_six_defaults_after_edit(benchmark::State& state) {
    replot_all(state, "40", false);
}
void BM_replot_six_100k_after_edit(benchmark::State& state) {
    replot_all(state, "2084", false);
}

// One step of the wheel (zoom about the middle, in then out) or of a drag (a twentieth of the
// shown span, right then left) on the Uc graph of a window as large as a projector shows it,
// after a run.
enum class Step { zoom, pan };

void step_in_time(benchmark::State& state, const char* nmax, Step step) {
    bench::Program program;
    MainWindow& window = program.window;
    window.findChild<QLineEdit*>("Text7")->setText(nmax);
    GraphWindow& g = *window.graphs(GraphKind::Uc);
    g.resize(900, 420);
    window.simulation().play_to_end();
    GraphView& view = *g.view();
    const double span = window.state().t_span;
    if (step == Step::pan) {
        view.zoom_time(span / 2, 0.25);
    }
    int i = 0;
    for (auto _ : state) {
        const bool forth = (++i % 2) == 1;
        if (step == Step::zoom) {
            view.zoom_time(span / 3, forth ? 0.8 : 1.25);
        } else {
            const double by = view.time_window().width() / 20;
            view.pan_time(forth ? by : -by);
        }
    }
    state.counters["points"] = static_cast<double>(window.state().t_grid.size());
}

void BM_zoom_step_defaults(benchmark::State& state) {
    step_in_time(state, "40", Step::zoom);
}
void BM_zoom_step_1M(benchmark::State& state) {
    step_in_time(state, "20833", Step::zoom);
}
void BM_pan_step_defaults(benchmark::State& state) {
    step_in_time(state, "40", Step::pan);
}
void BM_pan_step_1M(benchmark::State& state) {
    step_in_time(state, "20833", Step::pan);
}

BENCHMARK(BM_replot_six_defaults)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_replot_six_defaults_after_edit)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK(BM_replot_six_100k_after_edit)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_replot_six_100k)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_replot_six_1M)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_zoom_step_defaults)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_zoom_step_1M)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_pan_step_defaults)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_pan_step_1M)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv) {
    return ovrelan::bench::run_window_benchmarks(argc, argv);
}
