// The run: cost of one grid point of playback, and the pace of a default run.
#include "graphs/graph_window.h"
#include "run/run_controller.h"
#include "ui/main_window.h"
#include "window_bench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using namespace ovrelan;

struct Program : bench::Program {
    void play() {
        window.findChild<QPushButton*>("CmdOK")->click();
        while (window.run()->busy()) {
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        }
    }
};

// Five red segments and the bookkeeping of one grid point.
void BM_playback_step(benchmark::State& state) {
    Program p;
    SimulationState& s = p.window.state();
    int k = 0;
    const int last = static_cast<int>(s.Nt);
    for (auto _ : state) {
        for (int i = 0; i < 5; ++i) {
            p.window.graph(GraphId(i))->extend(k);
        }
        s.k_now = k + 1;
        k = k + 1 < last ? k + 1 : 0;
    }
}

// A whole default run with the pauses played at once: what the run costs besides its pauses,
// carriers included.
void BM_run_without_pauses(benchmark::State& state) {
    Program p;
    p.window.run()->set_pause_scheduler([&p](int, std::function<void()> then) {
        QTimer::singleShot(0, &p.window, std::move(then));
    });
    for (auto _ : state) {
        p.play();
    }
    state.counters["points"] = p.window.state().Nt;
    state.counters["us_per_point"] =
        benchmark::Counter(p.window.state().Nt * static_cast<double>(state.iterations()) / 1e6,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// One period at carrier_delay = 1 and calc_speedup = 1 with real pauses: about 30 ms a point.
void BM_run_real_pace(benchmark::State& state) {
    Program p;
    p.window.findChild<QLineEdit*>("Text7")->setText("1");
    for (auto _ : state) {
        p.play();
    }
    state.counters["ms_per_point"] =
        benchmark::Counter(p.window.state().Nt * static_cast<double>(state.iterations()) / 1e3,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_playback_step)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_run_without_pauses)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_run_real_pace)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return ovrelan::bench::run_window_benchmarks(argc, argv);
}
