#include "solution/closed_form.h"

#include "model/circuit_kind.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <string>

namespace ovrelan {
namespace {

using testing::circuit;
using testing::resonant_nu;

struct RegimeCase {
    const char* name;
    Parameters p;
    Regime regime;
};

void PrintTo(const RegimeCase& c, std::ostream* os) {
    *os << c.name;
}

// One circuit per regime, with L = C = 1 so that normalised and physical time agree (wo = 1),
// and a second sinusoidal variant where the regime allows it.
const RegimeCase regime_cases[] = {
    {"undamped_resonance", {1, 1, 0, 2, 3, resonant_nu(), 4}, Regime::undamped_resonance},
    {"undamped_dc", {1, 1, 0, 2, 3, 0, 4}, Regime::undamped_dc},
    {"undamped_ac", {1, 1, 0, 2, 3, 2 / 6.283185307, 4}, Regime::undamped},
    {"oscillatory_dc", {1, 1, 0.4, 2, 3, 0, 4}, Regime::oscillatory},
    {"oscillatory_ac", {1, 1, 0.4, -2, 3, 0.7 / 6.283185307, 4}, Regime::oscillatory},
    {"aperiodic_dc", {1, 1, 5, 2, 3, 0, 4}, Regime::aperiodic},
    {"aperiodic_ac", {1, 1, 5, 2, -3, 1.3 / 6.283185307, 4}, Regime::aperiodic},
    {"critical_dc", {0.25, 1, 1, 2, 3, 0, 4}, Regime::critical},
    {"critical_ac", {0.25, 1, 1, 0, 3, 1 / 6.283185307, 4}, Regime::critical},
};

class ClosedForm : public ::testing::TestWithParam<RegimeCase> {};

TEST_P(ClosedForm, StartsChargedWithoutCurrent) {
    const SimulationState s = circuit(GetParam().p);
    ASSERT_EQ(regime(s), GetParam().regime);
    EXPECT_NEAR(Uc_of_t(s, 0), s.u0, 1e-12);
    EXPECT_NEAR(I_of_t(s, 0), 0, 1e-12);
}

TEST_P(ClosedForm, SolvesTheCircuitEquation) {
    // x'' + 2a x' + x = -eps cos(b tau) and i = -x', checked by central differences.
    const SimulationState s = circuit(GetParam().p);
    const double h = 1e-4;
    for (double tau = 0.3; tau < 12; tau += 0.37) {
        const double xm = Uc_of_t(s, tau - h);
        const double x0 = Uc_of_t(s, tau);
        const double xp = Uc_of_t(s, tau + h);
        const double dx = (xp - xm) / (2 * h);
        const double ddx = (xp - 2 * x0 + xm) / (h * h);
        const double residual =
            ddx + 2 * s.a * dx + x0 + static_cast<double>(s.eps) * std::cos(s.b * tau);
        EXPECT_NEAR(residual, 0, 2e-5) << "tau = " << tau;
        EXPECT_NEAR(I_of_t(s, tau), -dx, 1e-6) << "tau = " << tau;
    }
}

INSTANTIATE_TEST_SUITE_P(Regimes, ClosedForm, ::testing::ValuesIn(regime_cases),
                         testing::CaseName{});

// Just above the critical damping the two exponentials of the free motion nearly cancel (their
// constants grow as 1/g): the response keeps its digits there, against values worked out to
// 50 digits from the same a, b, u0 and eps (decimal arithmetic, the closed form written with
// cosh and sinh).
TEST(ClosedForm, JustAboveTheCriticalDampingKeepsItsDigits) {
    const struct {
        Parameters p;
        double a, b, eps;
        struct {
            double tau, x, i;
        } points[4];
    } cases[] = {
        {{1, 1, 2.000001, 1, 0.5, 0.08, 4},
         1.0000005,
         0.50265482456,
         0.5,
         {{0.5, 8.64964089782852222220e-1, 4.52842392035713383679e-1},
          {2.0, 1.48207678564216112015e-1, 3.42129668868113136640e-1},
          {7.5, 3.87429337018158598543e-1, -5.41936545839154252758e-2},
          {20.0, 3.80940694159289656593e-1, -5.99084313387974083010e-2}}},
        {{1, 1, 2.000000000002, 1, 0.5, 0.08, 4},
         1.000000000001,
         0.50265482456,
         0.5,
         {{0.5, 8.64964070852438410841e-1, 4.52842486585163227567e-1},
          {2.0, 1.48207417076998431368e-1, 3.42129787094409220549e-1},
          {7.5, 3.87429437136978676942e-1, -5.41936581266162992385e-2},
          {20.0, 3.80940845363492031898e-1, -5.99084047944413689864e-2}}},
        {{1, 1, 2.0000019, 1, -3, 0, 4},
         1.00000095,
         0,
         -3,
         {{0.5, 1.18040797284509943226e+0, -6.06530419627650185425e-1},
          {2.0, 2.18798761488194629820e+0, -5.41340790097327133647e-1},
          {7.5, 2.99059741792999345233e+0, -8.29635421857314146023e-3},
          {20.0, 2.99999991342110438159e+0, -8.24550218174070864600e-8}}},
    };
    for (const auto& c : cases) {
        const SimulationState s = circuit(c.p);
        ASSERT_EQ(regime(s), Regime::aperiodic);
        ASSERT_EQ(s.a, c.a) << "the inputs of the reference values";
        ASSERT_EQ(s.b, c.b);
        ASSERT_EQ(s.u0, 1);
        ASSERT_EQ(static_cast<double>(s.eps), c.eps);
        for (const auto& point : c.points) {
            EXPECT_NEAR(Uc_of_t(s, point.tau) / point.x, 1, 1e-12)
                << "a = " << c.a << ", τ = " << point.tau;
            EXPECT_NEAR(I_of_t(s, point.tau) / point.i, 1, 1e-12)
                << "a = " << c.a << ", τ = " << point.tau;
        }
        // The arrays, stepped along the grid, agree with the single evaluations.
        for (std::size_t k = 0; k < s.t_grid.size(); k += 97) {
            EXPECT_NEAR(s.Uc_t[k], Uc_of_t(s, s.t_grid[k]), 1e-13) << k;
        }
    }
}

TEST(ClosedForm, UndampedNextToResonanceKeepsItsDigits) {
    // A source a few units in the last place off resonance: eps/(1 - b²) is about 1e15 and the
    // response must still be the resonant one to many digits, not the rounding of two large
    // cancelling terms.
    SimulationScalars resonant;
    resonant.b = 1;
    resonant.u0 = 2;
    resonant.eps = 3;
    ASSERT_EQ(regime(resonant), Regime::undamped_resonance);
    for (const double b : {std::nextafter(1.0, 2.0), std::nextafter(1.0, 0.0), 1 + 1e-12}) {
        SimulationScalars near = resonant;
        near.b = b;
        ASSERT_EQ(regime(near), Regime::undamped);
        for (double tau = 0; tau < 200; tau += 3.7) {
            // The exact difference is of the order eps·|b - 1|·tau².
            const double allowed = 1e-12 + 3 * std::fabs(b - 1) * tau * tau;
            EXPECT_NEAR(Uc_of_t(near, tau), Uc_of_t(resonant, tau), allowed) << b << " " << tau;
            EXPECT_NEAR(I_of_t(near, tau), I_of_t(resonant, tau), allowed) << b << " " << tau;
        }
    }
}

TEST(ClosedForm, ResonanceGrowsLinearly) {
    const SimulationState s = circuit({1, 1, 0, 2, 3, resonant_nu(), 4});
    const double two_pi = 2 * 3.141592653589793;
    EXPECT_NEAR(Uc_of_t(s, two_pi), s.u0, 1e-12);
    EXPECT_NEAR(I_of_t(s, two_pi), 3.141592653589793 * static_cast<double>(s.eps), 1e-12);
}

TEST(ClosedForm, UndampedDcSwingsAroundTheEmf) {
    const SimulationState s = circuit({1, 1, 0, 2, 3, 0, 4});
    const double eps = s.eps;
    EXPECT_NEAR(Uc_of_t(s, 3.141592653589793), -s.u0 - 2 * eps, 1e-12);
    EXPECT_NEAR(Uc_of_t(s, 2 * 3.141592653589793), s.u0, 1e-12);
}

TEST(ClosedForm, UndampedTwiceTheNaturalFrequency) {
    // b = 2, u0 = 0: x = (eps/3)(cos 2 tau - cos tau).
    const SimulationState s = circuit({1, 1, 0, 0, 3, 2 / 6.283185307, 4});
    ASSERT_DOUBLE_EQ(s.b, 2);
    for (double tau : {0.5, 1.7, 4.2}) {
        EXPECT_NEAR(Uc_of_t(s, tau),
                    (static_cast<double>(s.eps) / 3) * (std::cos(2 * tau) - std::cos(tau)), 1e-12);
    }
}

using SteadyCase = testing::NamedCircuit;

class SteadyState : public ::testing::TestWithParam<SteadyCase> {};

TEST_P(SteadyState, FreeMotionDiesOut) {
    const SimulationState s = circuit(GetParam().p);
    const double late = 400;
    if (s.b == 0) {
        EXPECT_NEAR(Uc_of_t(s, late), -s.eps, 1e-9);
        EXPECT_NEAR(I_of_t(s, late), 0, 1e-9);
        return;
    }
    // Sample one source period late in time: amplitude eps/sqrt(den).
    const double den = (1 - s.b * s.b) * (1 - s.b * s.b) + 4 * s.a * s.a * s.b * s.b;
    double peak = 0;
    for (int k = 0; k < 2000; ++k) {
        const double tau = late + k * (2 * 3.141592653589793 / s.b) / 2000;
        peak = std::max(peak, std::fabs(Uc_of_t(s, tau)));
    }
    EXPECT_NEAR(peak, static_cast<double>(s.eps) / std::sqrt(den), 1e-5);
}

INSTANTIATE_TEST_SUITE_P(
    Damped, SteadyState,
    ::testing::Values(SteadyCase{"oscillatory_dc", {1, 1, 0.4, 2, 3, 0, 4}},
                      SteadyCase{"oscillatory_ac", {1, 1, 0.4, 2, 3, 0.7 / 6.283185307, 4}},
                      SteadyCase{"aperiodic_dc", {1, 1, 5, 2, 3, 0, 4}},
                      SteadyCase{"aperiodic_ac", {1, 1, 5, 2, 3, 1.3 / 6.283185307, 4}},
                      SteadyCase{"critical_dc", {0.25, 1, 1, 2, 3, 0, 4}},
                      SteadyCase{"critical_ac", {0.25, 1, 1, 2, 3, 1 / 6.283185307, 4}}),
    testing::CaseName{});

TEST(ClosedForm, HeavyDampingKeepsTheSlowDecay) {
    // a = 1e8: the slow exponent g - a = -5e-9 would cancel to 0 if formed as a difference.
    const SimulationState s = circuit({1, 1, 2e8, 1, 0, 0, 4});
    ASSERT_EQ(regime(s), Regime::aperiodic);
    ASSERT_EQ(s.a, 1e8);
    EXPECT_NEAR(Uc_of_t(s, 0), 1, 1e-12);
    EXPECT_NEAR(I_of_t(s, 0), 0, 1e-15);
    EXPECT_NEAR(Uc_of_t(s, 1e8), std::exp(-0.5), 1e-9);
    EXPECT_NEAR(I_of_t(s, 1e8), std::exp(-0.5) * 5e-9, 1e-15);
}

TEST(ClosedForm, AperiodicNeverOverflows) {
    const SimulationState s = circuit({1, 1, 5, 2, 3, 1.3 / 6.283185307, 4});
    for (double tau : {1e3, 1e6, 1e12}) {
        EXPECT_TRUE(std::isfinite(Uc_of_t(s, tau)));
        EXPECT_TRUE(std::isfinite(I_of_t(s, tau)));
    }
}

} // namespace
} // namespace ovrelan
