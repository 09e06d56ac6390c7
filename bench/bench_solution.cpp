// The recompute chain's core: calc_characteristics with build_solution, per grid point; and
// the text of the numbers a CSV table is made of.
#include "model/characteristics.h"
#include "model/defaults.h"
#include "solution/decimal_text.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <vector>

#include <sys/resource.h>

namespace {

using namespace ovrelan;

void run_pass(benchmark::State& state, Parameters p) {
    // From the start-up state, as in the program: the first pass is the default circuit.
    SimulationState s;
    set_defaults(s);
    calc_characteristics(s);
    static_cast<Parameters&>(s) = p;
    if (calc_characteristics(s).kind != PassKind::computed) {
        state.SkipWithError("the pass was not computed");
        return;
    }
    for (auto _ : state) {
        s.k_now = 0;
        const PassResult r = calc_characteristics(s);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(s.Uc_t.data());
    }
    const auto points = static_cast<double>(s.t_grid.size());
    state.counters["points"] = points;
    state.counters["ns_per_point"] =
        benchmark::Counter(points * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["array_MiB"] = points * (5 * sizeof(double) + sizeof(float)) / (1024.0 * 1024.0);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_rlc_defaults(benchmark::State& state) {
    run_pass(state, {0.002, 0.005, 0.02, 15, 5, 47, 40});
}
void BM_rlc_nmax_10000(benchmark::State& state) {
    run_pass(state, {0.002, 0.005, 0.02, 15, 5, 47, 10000});
}
void BM_rlc_1M_points(benchmark::State& state) {
    run_pass(state, {0.002, 0.005, 0.02, 15, 5, 47, 20833});
}
void BM_rlc_aperiodic_nmax_10000(benchmark::State& state) {
    run_pass(state, {0.002, 0.005, 5, 15, 5, 47, 10000});
}
void BM_rc_nmax_10000(benchmark::State& state) {
    run_pass(state, {0, 0.005, 2, 15, 5, 47, 10000});
}
void BM_rl_nmax_10000(benchmark::State& state) {
    run_pass(state, {0.002, 0, 0.5, 15, 5, 47, 10000});
}

// Every point of the capacitor voltage at 480 001 points as text, at 17 digits or shortest, by
// our writers or by the library; ns_per_number is the figure to compare.
template <class Write> void write_numbers(benchmark::State& state, Write write) {
    SimulationState s;
    set_defaults(s);
    calc_characteristics(s);
    static_cast<Parameters&>(s) = {0.002, 0.005, 0.02, 15, 5, 47, 10000};
    calc_characteristics(s);
    std::vector<char> text(s.Uc_t.size() * (decimal_text_room + 1));
    for (auto _ : state) {
        char* at = text.data();
        for (const double v : s.Uc_t) {
            at = write(at, v);
            *at++ = ',';
        }
        benchmark::DoNotOptimize(at);
    }
    state.counters["ns_per_number"] = benchmark::Counter(
        static_cast<double>(s.Uc_t.size()) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
void BM_text_17_digits(benchmark::State& state) {
    write_numbers(state, [](char* at, double v) { return write_17_digits(at, v); });
}
void BM_text_17_digits_by_the_library(benchmark::State& state) {
    write_numbers(state, [](char* at, double v) {
        return std::to_chars(at, at + decimal_text_room, v, std::chars_format::general, 17).ptr;
    });
}
void BM_text_shortest(benchmark::State& state) {
    write_numbers(state, [](char* at, double v) { return write_shortest(at, v); });
}
void BM_text_shortest_by_the_library(benchmark::State& state) {
    write_numbers(
        state, [](char* at, double v) { return std::to_chars(at, at + decimal_text_room, v).ptr; });
}

BENCHMARK(BM_rlc_defaults)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_rlc_nmax_10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rlc_1M_points)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rlc_aperiodic_nmax_10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rc_nmax_10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rl_nmax_10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_text_17_digits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_text_17_digits_by_the_library)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_text_shortest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_text_shortest_by_the_library)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
