// The run: cost of one grid point of playback, and the pace of a default run.
#include "graphs/graph_window.h"
#include "run/run_controller.h"
#include "solution/solution_arrays.h"
#include "ui/main_window.h"
#include "window_bench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using namespace ovrelan;

struct Program : bench::Program {
    void play() {
        window.findChild<QPushButton*>("CmdOK")->click();
        while (window.run()->busy()) {
            // Sleeps while the run pauses: the CPU time is the program's, not this loop's.
            QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
    }
};

// Five red segments and the bookkeeping of one grid point.
void BM_playback_step(benchmark::State& state) {
    Program p;
    Simulation& simulation = p.window.simulation();
    const SimulationState& s = simulation.state();
    for (auto _ : state) {
        if (s.k_now >= run_end(s)) {
            state.PauseTiming();
            simulation.rewind(); // a new run replots: not what is measured here
            state.ResumeTiming();
        }
        simulation.play_point();
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

// A run with real pauses: how long it takes against what its pauses add up to (three pauses of
// 10·carrier_delay ms in every frame that shows the carriers). pace_ratio = 1 is the exact pace.
void real_pace(benchmark::State& state, const char* nmax, int speedup) {
    Program p;
    p.window.field(Field::Nmax)->setText(nmax);
    p.window.findChild<QScrollBar*>("HScroll2")->setValue(speedup);
    double ratio = 0;
    for (auto _ : state) {
        const int frames_before = p.window.run()->paused_frames();
        QElapsedTimer clock;
        clock.start();
        p.play();
        const double took = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        const int frames = p.window.run()->paused_frames() - frames_before;
        const double specified = frames * 3.0 * 10 * p.window.run()->carrier_delay();
        ratio = took / specified;
    }
    state.counters["pace_ratio"] = ratio;
    state.counters["points"] = p.window.state().Nt;
}

void BM_run_real_pace_nmax40(benchmark::State& state) {
    real_pace(state, "40", 1);
}
void BM_run_real_pace_fastest(benchmark::State& state) {
    real_pace(state, "40", 12);
}

BENCHMARK(BM_playback_step)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_run_without_pauses)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_run_real_pace_fastest)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_run_real_pace_nmax40)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return ovrelan::bench::run_window_benchmarks(argc, argv);
}
