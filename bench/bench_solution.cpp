// One pass of the chain: calc_characteristics with build_solution, per grid point; and
// ovrelan-solve's CSV table against the library's number texts it is made of.
#include "chain/recompute.h"
#include "io/results_csv.h"
#include "model/defaults.h"
#include "tools/solve_report.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <ctime>
#include <vector>

#include <sys/resource.h>

namespace {

using namespace ovrelan;

void run_pass(benchmark::State& state, Parameters p) {
    // From the start-up state, as in the program: the first pass is the default circuit.
    SimulationState s;
    set_defaults(s);
    compute_pass(s);
    static_cast<Parameters&>(s) = p;
    if (compute_pass(s).kind != PassKind::computed) {
        state.SkipWithError("the pass was not computed");
        return;
    }
    for (auto _ : state) {
        s.k_now = 0;
        const PassResult r = compute_pass(s);
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

double cpu_seconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// ovrelan-solve's table at 480 001 rows (the six arrays at 17 digits, then the SI columns in
// their shortest texts) into a sink that keeps nothing, beside a bare std::to_chars loop over the
// same numbers into one buffer: csv_vs_to_chars is the ratio of their median CPU times.
void BM_csv_480001_rows(benchmark::State& state) {
    SimulationState s;
    set_defaults(s);
    static_cast<Parameters&>(s) = {0.002, 0.005, 0.02, 15, 5, 47, 10000};
    recompute(s);
    const std::vector<CsvColumn> si = results_columns(s);
    std::vector<char> buffer(64 * 1024 + 1024);
    const auto bare = [&] {
        char* at = buffer.data();
        for (std::size_t k = 0; k < s.t_grid.size(); ++k) {
            if (at - buffer.data() > 64 * 1024) {
                at = buffer.data();
            }
            for (const double v : {s.t_grid[k], s.Uc_t[k], s.I_t[k], static_cast<double>(s.Ur_t[k]),
                                   s.UL_t[k], s.W_t[k]}) {
                at = std::to_chars(at, at + 32, v, std::chars_format::general, 17).ptr;
            }
            for (const CsvColumn& column : si) {
                at = std::to_chars(at, at + 32, column.value(k)).ptr;
            }
        }
        benchmark::DoNotOptimize(at);
    };
    std::size_t bytes = 0;
    const CsvSink sink = [&bytes](std::string_view piece) {
        bytes += piece.size();
        return true;
    };
    std::vector<double> bare_times;
    std::vector<double> csv_times;
    for (auto _ : state) {
        const double t0 = cpu_seconds();
        bare();
        const double t1 = cpu_seconds();
        write_csv_text(s, sink);
        const double t2 = cpu_seconds();
        bare_times.push_back(t1 - t0);
        csv_times.push_back(t2 - t1);
    }
    state.counters["csv_ms"] = median(csv_times) * 1e3;
    state.counters["to_chars_ms"] = median(bare_times) * 1e3;
    state.counters["csv_vs_to_chars"] = median(csv_times) / median(bare_times);
    state.counters["MB"] =
        static_cast<double>(bytes) / static_cast<double>(state.iterations()) / 1e6;
}

BENCHMARK(BM_rlc_defaults)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_rlc_nmax_10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rlc_1M_points)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rlc_aperiodic_nmax_10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rc_nmax_10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rl_nmax_10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_csv_480001_rows)->Unit(benchmark::kMillisecond)->Iterations(9);

} // namespace

BENCHMARK_MAIN();
