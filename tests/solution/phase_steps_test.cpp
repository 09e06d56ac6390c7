#include "solution/phase_steps.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace ovrelan {
namespace {

struct StepsCase {
    const char* name;
    Rates rates;
    double dt;
    std::size_t points;
};

void PrintTo(const StepsCase& c, std::ostream* os) {
    *os << c.name;
}

class Steps : public ::testing::TestWithParam<StepsCase> {};

// Stepped along the grid, the phases stay within a few roundings of the argument of the library
// values (k·dt·rate is itself only that exact) however far the grid goes.
TEST_P(Steps, AgreeWithTheLibraryAllAlongTheGrid) {
    const StepsCase& c = GetParam();
    PhaseSteps steps(c.rates, c.dt);
    constexpr double eps = std::numeric_limits<double>::epsilon();
    double worst_turn = 0;
    double worst_decay = 0;
    for (std::size_t k0 = 0; k0 < c.points; k0 += PhaseSteps::block) {
        steps.start(k0);
        for (std::size_t j = 0; j < PhaseSteps::block; j += 7) {
            const double t = static_cast<double>(k0 + j) * c.dt;
            const Phases got = steps.at(j);
            const Phases want = phases_at(c.rates, t);
            const double turn1 = std::fabs(c.rates.turn1 * t);
            const double turn2 = std::fabs(c.rates.turn2 * t);
            for (const auto& [g, w, arg] :
                 {std::tuple{got.c1, want.c1, turn1}, std::tuple{got.s1, want.s1, turn1},
                  std::tuple{got.c2, want.c2, turn2}, std::tuple{got.s2, want.s2, turn2}}) {
                worst_turn = std::max(worst_turn, std::fabs(g - w) / (eps * (1 + arg)));
            }
            for (const auto& [g, w, arg] : {std::tuple{got.e1, want.e1, c.rates.decay1 * t},
                                            std::tuple{got.e2, want.e2, c.rates.decay2 * t},
                                            std::tuple{-got.m, -want.m, c.rates.spread * t}}) {
                // Relative, down to where the exponential has underflowed anyway.
                const double scale = std::max(w, 1e-290);
                worst_decay = std::max(worst_decay, std::fabs(g - w) / (eps * (1 + arg) * scale));
            }
        }
    }
    EXPECT_LT(worst_turn, 8) << "in roundings of the argument";
    EXPECT_LT(worst_decay, 8) << "in roundings of the exponent";
}

INSTANTIATE_TEST_SUITE_P(
    Rates, Steps,
    ::testing::Values(StepsCase{"default_circuit", {0.9997, 0.9339, 0.0158, 0}, 0.1309, 1921},
                      StepsCase{"a_million_points", {0.9997, 0.9339, 0.0158, 0}, 0.1309, 1000000},
                      StepsCase{"half_turn_per_step", {3.1, 0.5, 0, 0}, 1.0, 5000},
                      StepsCase{"aperiodic", {0, 2.1, 0, 0.1005, 19.8}, 0.05, 200000},
                      StepsCase{"near_critical", {0, 0.5, 0, 0.999, 0.002}, 0.1309, 200000},
                      StepsCase{"slow_decay", {0, 0, 5e-9, 0}, 1e4, 100000},
                      StepsCase{"no_rates", {}, 0.1, 300}),
    testing::CaseName{});

} // namespace
} // namespace ovrelan
