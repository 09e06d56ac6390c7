// Edit -> everything redrawn: the CPU time of the GUI thread from a changed field until the
// event loop is idle, with all six graph windows open on a 1920×1080 screen, at 2 k, 100 k and
// 1 M grid points; and the peak memory.
#include "graphs/graph_window.h"
#include "ui/graph_windows.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"
#include "window_bench.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

using namespace ovrelan;

void edit(benchmark::State& state, const char* nmax) {
    bench::Program program;
    MainWindow& window = program.window;
    bench::open_graphs(window, true);
    window.field(Field::Nmax)->setText(nmax);
    QApplication::processEvents();
    // A new resistance every time, as a student types: nothing drawn for an earlier value can be
    // reused by value, only what an edit leaves as it was.
    int i = 0;
    for (auto _ : state) {
        const QString r = QString::number(0.020 + 1e-5 * (++i % 1000), 'f', 5);
        window.field(Field::R)->setText(r); // the chain and every view
        QApplication::processEvents();      // and their paint events
    }
    state.counters["points"] = static_cast<double>(window.state().t_grid.size());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_edit_2k(benchmark::State& state) {
    edit(state, "40");
}
void BM_edit_100k(benchmark::State& state) {
    edit(state, "2084");
}
void BM_edit_1M(benchmark::State& state) {
    edit(state, "20833");
}

BENCHMARK(BM_edit_2k)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_edit_100k)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_edit_1M)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv) {
    return ovrelan::bench::run_window_benchmarks(argc, argv);
}
