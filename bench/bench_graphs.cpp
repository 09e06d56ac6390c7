// Full replot of the five graph windows with the whole curve drawn (k_now at the end of the
// grid, as after a run), at the start-up circuit and at about 100 000 points.
#include "graphs/graph_window.h"
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
    for (int i = 0; i < 5; ++i) {
        window.graph(GraphId(i))->resize(400, 170); // the size start-up gives them
    }
    const SimulationState& s = window.state();
    if (after_run) {
        window.simulation().play_to_end();
    }
    for (auto _ : state) {
        for (int i = 0; i < 5; ++i) {
            window.graph(GraphId(i))->redraw();
        }
    }
    state.counters["points"] = static_cast<double>(s.t_grid.size());
}

void BM_replot_five_defaults(benchmark::State& state) {
    replot_all(state, "40");
}
void BM_replot_five_100k(benchmark::State& state) {
    replot_all(state, "2084");
}

void BM_replot_five_1M(benchmark::State& state) {
    replot_all(state, "20833");
}
void BM_replot_five_defaults_after_edit(benchmark::State& state) {
    replot_all(state, "40", false);
}
void BM_replot_five_100k_after_edit(benchmark::State& state) {
    replot_all(state, "2084", false);
}

BENCHMARK(BM_replot_five_defaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_replot_five_defaults_after_edit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_replot_five_100k_after_edit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_replot_five_100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_replot_five_1M)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return ovrelan::bench::run_window_benchmarks(argc, argv);
}
