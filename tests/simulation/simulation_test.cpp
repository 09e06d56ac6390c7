// The simulation's min/max summary of the present solution follows its arrays: however a new
// solution comes (a keystroke taken at once, a finished edit, several fields at once), the
// summary asked for afterwards gives the extremes of the new arrays' points, never the old ones'.
#include "simulation/simulation.h"

#include "solution/solution_arrays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

// The lowest and highest of the points first … last − 1, read one by one.
template <class Real>
Extremes read_through(const std::vector<Real>& a, std::size_t first, std::size_t last) {
    Extremes e{static_cast<double>(a[first]), static_cast<double>(a[first]), 0};
    for (std::size_t k = first; k < last; ++k) {
        e.low = std::min(e.low, static_cast<double>(a[k]));
        e.high = std::max(e.high, static_cast<double>(a[k]));
    }
    return e;
}

template <class Real>
void expect_summarised(const SolutionSummary& summary, const std::vector<Real>& a, std::size_t n,
                       const char* name) {
    const MinMaxPyramid* p = summary.of(a.data());
    ASSERT_NE(p, nullptr) << name << ": no summary of the present array";
    ASSERT_EQ(p->size(), n) << name;
    const std::pair<std::size_t, std::size_t> ranges[] = {
        {0, n}, {n / 3, 2 * n / 3}, {n / 2, n}, {n - 1, n}};
    for (const auto& [first, last] : ranges) {
        const Extremes want = read_through(a, first, last);
        const Extremes got = p->range(first, last);
        EXPECT_EQ(got.low, want.low) << name << " " << first << " … " << last;
        EXPECT_EQ(got.high, want.high) << name << " " << first << " … " << last;
    }
}

struct Change {
    const char* name;
    std::function<void(Simulation&)> make;
};

TEST(Simulation, TheSummaryFollowsEveryNewSolution) {
    const std::vector<FieldText> together = {{Field::C, "2000"}, {Field::nu, "30"}};
    const Change changes[] = {
        {"a keystroke: R",
         [](Simulation& s) { EXPECT_TRUE(s.type_text(Field::R, "3").recomputed); }},
        {"a keystroke: the interval",
         [](Simulation& s) { EXPECT_TRUE(s.type_text(Field::Nmax, "25").recomputed); }},
        {"a finished edit: L",
         [](Simulation& s) { EXPECT_TRUE(s.enter_text(Field::L, "700").computed); }},
        {"two fields at once",
         [&together](Simulation& s) { EXPECT_TRUE(s.enter_texts(together).computed); }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        Simulation simulation;
        simulation.set_defaults('.');
        simulation.compute_at_start_up();
        simulation.set_ready();
        // A summary of the start-up solution is made (a graph has drawn it) …
        ASSERT_NE(simulation.summary_of(simulation.state()), nullptr);
        const std::vector<double> old_uc = simulation.state().Uc_t;
        change.make(simulation);
        const SimulationState& s = simulation.state();
        ASSERT_NE(s.Uc_t, old_uc) << "the change gives new arrays";
        // … and the one asked for now is the new solution's.
        const SolutionSummary* summary = simulation.summary_of(s);
        ASSERT_NE(summary, nullptr);
        EXPECT_EQ(summary->state(), &s);
        const std::size_t n = computed_points(s);
        ASSERT_GE(n, 2u);
        expect_summarised(*summary, s.Uc_t, n, "Uc");
        expect_summarised(*summary, s.I_t, n, "I");
        expect_summarised(*summary, s.Ur_t, n, "Ur");
        expect_summarised(*summary, s.UL_t, n, "UL");
        expect_summarised(*summary, s.W_t, n, "W");
    }
}

} // namespace
} // namespace ovrelan
