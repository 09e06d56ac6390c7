// Exploring: one notch of the wheel over a field (the value stepped, the chain, every view
// redrawn until the event loop is idle) with the five graphs, the resonance curve and the vector
// diagram open, at the defaults and at about 100 000 points, and with every window open (the
// voltages-and-current graph too) at about 100 000 points; and the resonance curve of 2000
// frequencies worked out; the wheel at about 100 000 points with a family of eight shown; one
// zoom step of the Uc graph at 10⁶ points with a measured trace of 10⁶ rows drawn on it (and
// without one, to compare).
#include "graphs/graph_view.h"
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

#include <cmath>
#include <memory>

namespace {

using namespace ovrelan;

void wheel_step(benchmark::State& state, const char* nmax, bool all_six = false,
                bool family = false, bool family_at_every_notch = false) {
    bench::Program program;
    MainWindow& window = program.window;
    bench::open_graphs(window, all_six);
    if (family) {
        // Eight values of R: drawn in every graph and the resonance curve, rebuilt when the
        // wheel rests.
        window.set_family(FamilyRequest{Field::R, "0.25; 0.5; 1; 2; 4; 8; 16; 32", ','});
        // The wheel keeps rolling: the family is drawn as last built and never rests to be
        // solved again, unless it is solved again at every notch (as it was, to compare).
        window.simulation().set_family_delay(family_at_every_notch ? std::chrono::milliseconds(0)
                                                                   : std::chrono::minutes(10));
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

void BM_wheel_step_100k_family_of_8_at_every_notch(benchmark::State& state) {
    wheel_step(state, "2084", false, true, true);
}

void BM_resonance_curve_2000(benchmark::State& state) {
    const Parameters p{0.002, 0.005, 0.02, 15, 5, 47, 40};
    for (auto _ : state) {
        benchmark::DoNotOptimize(resonance_curve(p, 2000));
    }
}

// The wheel over the Uc graph of a window as large as a projector shows it, after a run, at about
// 10⁶ points: in then out about a third of the interval; with a noisy trace of 10⁶ rows across
// the whole interval on it when `measured`.
void zoom_step_1M(benchmark::State& state, bool measured) {
    bench::Program program;
    MainWindow& window = program.window;
    window.field(Field::Nmax)->setText("20833");
    if (measured) {
        const SimulationState& s = window.state();
        MeasuredSeries series;
        series.file_name = "million.csv";
        const std::size_t n = 1'000'000;
        series.time.resize(n);
        series.values.resize(n);
        const double seconds = s.t_span * s.t_scale;
        for (std::size_t k = 0; k < n; ++k) {
            const double t = seconds * static_cast<double>(k) / static_cast<double>(n - 1);
            series.time[k] = t;
            series.values[k] = 10 * std::exp(-t / 0.5) * std::cos(316 * t) +
                               0.05 * std::sin(static_cast<double>(k) * 2.4);
        }
        window.simulation().set_measurement(
            Measurement{std::make_shared<const MeasuredTrace>(std::move(series)), 0});
    }
    GraphWindow& g = *window.graphs(GraphKind::Uc);
    g.resize(900, 420);
    window.simulation().play_to_end();
    GraphView& view = *g.view();
    const double span = window.state().t_span;
    int i = 0;
    for (auto _ : state) {
        const bool forth = (++i % 2) == 1;
        view.zoom_time(span / 3, forth ? 0.8 : 1.25);
    }
    state.counters["points"] = static_cast<double>(window.state().t_grid.size());
    state.counters["measured"] =
        measured
            ? static_cast<double>(window.simulation().measurement()->trace->series().time.size())
            : 0;
}

void BM_zoom_step_1M_measured_1M(benchmark::State& state) {
    zoom_step_1M(state, true);
}
void BM_zoom_step_1M_unmeasured(benchmark::State& state) {
    zoom_step_1M(state, false);
}

BENCHMARK(BM_wheel_step_defaults)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_wheel_step_100k)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_wheel_step_100k_all_windows)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_wheel_step_100k_family_of_8)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_wheel_step_100k_family_of_8_at_every_notch)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK(BM_resonance_curve_2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_zoom_step_1M_measured_1M)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_zoom_step_1M_unmeasured)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv) {
    return ovrelan::bench::run_window_benchmarks(argc, argv);
}
