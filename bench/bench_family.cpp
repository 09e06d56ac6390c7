// A family of eight curves at about 10⁵ points each: the values read, every member solved through
// the chain (its own arrays and grid), the table of each member's regime, δ, Θ, Q, ν₀ and peak;
// and the family's CSV table. The drawing of the family is the windows' part of the 100 ms.
#include "chain/family.h"
#include "io/family_csv.h"
#include "model/circuit_summary.h"
#include "model/defaults.h"
#include "solution/solution_arrays.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace ovrelan;

// The start-up circuit over 2083 natural periods: 48 grid steps a period, 99 985 points.
SimulationState present() {
    SimulationState s;
    set_defaults(s);
    recompute(s);
    const FieldText nmax{Field::Nmax, "2083"};
    enter_texts(s, std::span<const FieldText>(&nmax, 1));
    return s;
}

void family_with_table(benchmark::State& state, Field field, const char* values) {
    const SimulationState s = present();
    std::size_t points = 0;
    for (auto _ : state) {
        const Family f = build_family(s, field, values);
        points = 0;
        for (const FamilyMember& m : f.members) {
            const SummaryCells cells = summary_cells(circuit_summary(m.state), ',');
            benchmark::DoNotOptimize(cells);
            points += computed_points(m.state);
        }
        if (f.members.size() != 8) {
            state.SkipWithError("the family has not eight members");
            return;
        }
    }
    state.counters["points"] = static_cast<double>(points);
    state.counters["members"] = 8;
}

// R across the critical resistance: one grid for all.
void BM_family_of_R(benchmark::State& state) {
    family_with_table(state, Field::R, "0.1..10:8:log");
}
// C below the source's frequency: each member with its own time scale.
void BM_family_of_C(benchmark::State& state) {
    family_with_table(state, Field::C, "500..5000:8:log");
}

void BM_family_csv(benchmark::State& state) {
    const Family f = build_family(present(), Field::R, "0.1..10:8:log");
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        write_family_csv(f, CsvDialect::comma_point, [&bytes](std::string_view piece) {
            bytes += piece.size();
            return true;
        });
    }
    state.counters["MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}

} // namespace

BENCHMARK(BM_family_of_R)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_family_of_C)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_family_csv)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
