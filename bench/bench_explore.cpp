// Exploring: one notch of the wheel over a field (the value stepped, the chain, every view
// redrawn until the event loop is idle) with the five graphs, the resonance curve and the vector
// diagram open, at the defaults and at about 100 000 points, and with every window open (the
// voltages-and-current graph too) at about 100 000 points; and the resonance curve of 2000
// frequencies worked out; and the wheel at about 100 000 points with a family of eight shown.
#include "graphs/graph_window.h"
#include "model/steady_state.h"
#include "ui/graph_windows.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"
#include "window_bench.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

namespace {

using namespace ovrelan;

void wheel_step(benchmark::State& state, const char* nmax, bool all_six = false,
                bool family = false) {
    bench::Program program;
    MainWindow& window = program.window;
    bench::open_graphs(window, all_six);
    if (family) {
        // Eight values of R: drawn in every graph and the resonance curve, rebuilt when the
        // wheel rests.
        window.set_family(FamilyRequest{Field::R, "0.25; 0.5; 1; 2; 4; 8; 16; 32", ','});
    }
    window.findChild<QAction*>(resonance_item)->setChecked(true);
    window.findChild<QAction*>(vector_item)->setChecked(true);
    window.field(Field::Nmax)->setText(nmax);
    QApplication::processEvents();
    QLineEdit* field = window.field(Field::L);
    const QPointF at(field->width() / 2.0, field->height() / 2.0);
    int i = 0;
    for (auto _ : state) {
        // L up and down by its last digit, 2000 ↔ 3000 µH, as a student rolls the wheel.
        const int delta = (++i % 2) == 1 ? 120 : -120;
        QWheelEvent wheel(at, field->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(field, &wheel);
        QApplication::processEvents();
    }
    state.counters["points"] = static_cast<double>(window.state().t_grid.size());
}

void BM_wheel_step_defaults(benchmark::State& state) {
    wheel_step(state, "40");
}
void BM_wheel_step_100k(benchmark::State& state) {
    wheel_step(state, "2084");
}
void BM_wheel_step_100k_all_windows(benchmark::State& state) {
    wheel_step(state, "2084", true);
}

void BM_wheel_step_100k_family_of_8(benchmark::State& state) {
    wheel_step(state, "2084", false, true);
}

void BM_resonance_curve_2000(benchmark::State& state) {
    const Parameters p{0.002, 0.005, 0.02, 15, 5, 47, 40};
    for (auto _ : state) {
        benchmark::DoNotOptimize(resonance_curve(p, 2000));
    }
}

BENCHMARK(BM_wheel_step_defaults)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_wheel_step_100k)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_wheel_step_100k_all_windows)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_wheel_step_100k_family_of_8)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_resonance_curve_2000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return ovrelan::bench::run_window_benchmarks(argc, argv);
}
