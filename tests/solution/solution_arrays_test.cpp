#include "solution/solution_arrays.h"

#include "model/circuit_kind.h"
#include "solution/closed_form.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <cmath>
#include <string>

namespace ovrelan {
namespace {

using testing::circuit;
using testing::started_state;

double max_abs(const std::vector<double>& v) {
    double m = 0;
    for (double x : v) {
        m = std::max(m, std::fabs(x));
    }
    return m;
}

TEST(BuildSolution, OneNaturalPeriod) {
    const SimulationState s = circuit({0.002, 0.005, 0.02, 15, 5, 47, 1});
    EXPECT_EQ(s.Nt, 48);
    ASSERT_EQ(s.t_grid.size(), 49U);
    EXPECT_NEAR(s.t_grid[48], 6.283185307, 1e-12);
    EXPECT_EQ(s.k_now, 0);
}

TEST(BuildSolution, SourceAboveResonanceDoublesThePoints) {
    const SimulationState slow = circuit({1, 1, 0.1, 15, 5, 0.5 / 6.283185307, 1});
    const SimulationState fast = circuit({1, 1, 0.1, 15, 5, 2 / 6.283185307, 1});
    EXPECT_EQ(slow.Nt, 48);
    EXPECT_EQ(fast.Nt, 96);
    EXPECT_DOUBLE_EQ(fast.dt, slow.dt / 2);
}

using ElementZeroCase = testing::NamedCircuit;

class ElementZero : public ::testing::TestWithParam<ElementZeroCase> {};

TEST_P(ElementZero, StartsAtTheInitialVoltageWithoutCurrent) {
    const SimulationState s = circuit(GetParam().p);
    EXPECT_EQ(s.I_t[0], 0);
    EXPECT_EQ(s.Uc_t[0], s.Uo / s.Uc_scale);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCircuit, ElementZero,
    ::testing::Values(ElementZeroCase{"resistor_dc", {0, 0, 2, 15, 5, 0, 2}},
                      ElementZeroCase{"resistor_ac", {0, 0, 2, 15, 5, 47, 2}},
                      ElementZeroCase{"capacitor", {0, 0.005, 0, 15, 5, 47, 2}},
                      ElementZeroCase{"coil_dc", {0.002, 0, 0, 15, 5, 0, 2}},
                      ElementZeroCase{"rc", {0, 0.005, 2, 15, 5, 47, 2}},
                      ElementZeroCase{"rl", {0.002, 0, 0.5, 15, 5, 47, 2}},
                      ElementZeroCase{"rlc", {0.002, 0.005, 0.02, 15, 5, 47, 2}}),
    testing::CaseName{});

TEST(BuildSolution, ResistorOnly) {
    const SimulationState dc = circuit({0, 0, 2, 15, -5, 0, 2});
    EXPECT_EQ(dc.Uc_t[0], 1) << "Uc_scale keeps the start-up value 15";
    for (std::size_t k = 1; k < dc.t_grid.size(); ++k) {
        ASSERT_EQ(dc.W_t[k], dc.t_grid[k]);
        ASSERT_EQ(dc.I_t[k], -1);
        ASSERT_EQ(dc.Ur_t[k], -1.0F);
    }
    EXPECT_EQ(dc.W_max, dc.t_grid.back());
    EXPECT_EQ(dc.I_max, 1);
    EXPECT_EQ(dc.Ur_max, 1);

    const SimulationState ac = circuit({0, 0, 2, 15, 5, 47, 2});
    for (std::size_t k = 1; k < ac.t_grid.size(); ++k) {
        const double t = ac.t_grid[k];
        ASSERT_NEAR(ac.Ur_t[k], std::cos(t), 6e-8) << "a float of a unit amplitude";
        ASSERT_EQ(ac.I_t[k], static_cast<double>(ac.Ur_t[k]));
        ASSERT_DOUBLE_EQ(ac.W_t[k], t + std::sin(2 * t) / 2);
    }
}

TEST(BuildSolution, CapacitorOnly) {
    const SimulationState s = circuit({0, 0.005, 0, 15, 5, 47, 2});
    EXPECT_EQ(s.Uc_t[0], 3) << "Uo/Uc_scale with Uc_scale = |Em|";
    EXPECT_DOUBLE_EQ(s.Uc_t[5], -std::cos(s.t_grid[5]));
    EXPECT_DOUBLE_EQ(s.W_t[5], s.Uc_t[5] * s.Uc_t[5]);
    for (double m : {s.Uc_max, s.I_max, s.Ur_max, s.UL_max, s.W_max}) {
        EXPECT_EQ(m, 1);
    }
}

TEST(BuildSolution, CoilOnlyOnDc) {
    const SimulationState s = circuit({0.002, 0, 0, 15, 5, 0, 2});
    EXPECT_EQ(s.UL_t[3], -1);
    EXPECT_DOUBLE_EQ(s.I_t[3], s.t_grid[3]);
    EXPECT_DOUBLE_EQ(s.I_max, s.t_grid.back());
    EXPECT_DOUBLE_EQ(s.W_max, s.t_grid.back() * s.t_grid.back());
}

TEST(BuildSolution, CoilOnAlternatingSource) {
    const SimulationState s = circuit({0.002, 0, 0, 15, 5, 50, 2});
    ASSERT_EQ(configuration(s), Configuration::rl);
    EXPECT_EQ(s.a, 0);
    EXPECT_EQ(s.b, 1);
    for (std::size_t k = 1; k < s.t_grid.size(); ++k) {
        const double t = s.t_grid[k];
        ASSERT_NEAR(s.I_t[k], std::sin(t), 1e-15);
        ASSERT_NEAR(s.UL_t[k], -std::cos(t), 1e-15);
    }
    EXPECT_EQ(s.Ur_max, 1);
}

TEST(BuildSolution, LcCircuitHasNoResistorVoltage) {
    const SimulationState s = circuit({0.002, 0.005, 0, 15, 5, 47, 2});
    EXPECT_TRUE(std::all_of(s.Ur_t.begin(), s.Ur_t.end(), [](float v) { return v == 0; }));
    EXPECT_EQ(s.Ur_max, 1);
}

// The arrays against their definitions: the closed form, the circuit's derivative relations
// and the maxima. Derivatives on the grid use the fourth-order central difference.
double derivative(const std::vector<double>& f, std::size_t k, double h) {
    return (-f[k + 2] + 8 * f[k + 1] - 8 * f[k - 1] + f[k - 2]) / (12 * h);
}

double max_abs_after_first(const std::vector<double>& v) {
    return max_abs(std::vector<double>(v.begin() + 1, v.end()));
}

using ArrayCase = testing::NamedCircuit;

class Arrays : public ::testing::TestWithParam<ArrayCase> {};

TEST_P(Arrays, FollowTheCircuitEquations) {
    const SimulationState s = circuit(GetParam().p);
    const Configuration c = configuration(s);
    const std::size_t n = s.t_grid.size();
    const double h = s.dt;
    const double tolerance = 0.01 * std::max({max_abs(s.Uc_t), max_abs(s.I_t), max_abs(s.UL_t)});
    const double source = s.Em / s.Uc_scale;
    const double amplitude = std::max({1.0, max_abs(s.Uc_t), max_abs(s.I_t)});
    for (std::size_t k = 3; k + 2 < n; ++k) {
        const double t = s.t_grid[k];
        if (c == Configuration::rlc) {
            // The arrays step their sines and exponentials along the grid: the closed form
            // within a few roundings of the phase, however long the grid.
            const double close = 1e-14 * (1 + t) * amplitude;
            ASSERT_NEAR(s.Uc_t[k], Uc_of_t(s, t), close) << k;
            ASSERT_NEAR(s.I_t[k], I_of_t(s, t), close) << k;
            ASSERT_EQ(s.Ur_t[k], static_cast<float>(s.C * s.wo * s.R * s.I_t[k]));
            ASSERT_NEAR(s.UL_t[k],
                        static_cast<double>(s.Ur_t[k]) - source * std::cos(s.b * t) - s.Uc_t[k],
                        close);
            const double fine = 1e-5;
            ASSERT_NEAR(s.UL_t[k], -(I_of_t(s, t + fine) - I_of_t(s, t - fine)) / (2 * fine),
                        1e-6 * amplitude)
                << "the self-induction EMF is -di/dtau, k = " << k;
            ASSERT_DOUBLE_EQ(s.W_t[k], s.Uc_t[k] * s.Uc_t[k] + s.I_t[k] * s.I_t[k]);
        } else if (c == Configuration::rc) {
            ASSERT_NEAR(s.I_t[k], -derivative(s.Uc_t, k, h) / s.a, tolerance) << k;
            ASSERT_EQ(s.Ur_t[k], static_cast<float>(s.I_t[k]));
        } else {
            ASSERT_EQ(c, Configuration::rl);
            ASSERT_NEAR(s.UL_t[k], -derivative(s.I_t, k, h), tolerance) << k;
            ASSERT_EQ(s.Ur_t[k], static_cast<float>(s.a * s.I_t[k]));
        }
    }
    // The running maxima see element 0 as the formula wrote it, before it is overridden.
    if (c != Configuration::rl) {
        EXPECT_EQ(s.Uc_max, max_abs(s.Uc_t));
    }
    if (c == Configuration::rc) {
        EXPECT_DOUBLE_EQ(s.I_max,
                         std::max(max_abs_after_first(s.I_t), std::fabs(s.Uo + s.Em) / s.Uc_scale));
    } else {
        EXPECT_EQ(s.I_max, max_abs(s.I_t));
    }
    if (c != Configuration::rc) {
        EXPECT_EQ(s.UL_max, max_abs(s.UL_t));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Circuits, Arrays,
    ::testing::Values(ArrayCase{"default", {0.002, 0.005, 0.02, 15, 5, 47, 3}},
                      ArrayCase{"rlc_strong_damping", {0.002, 0.005, 1, 15, 5, 47, 3}},
                      ArrayCase{"rlc_aperiodic", {0.002, 0.005, 5, 15, 5, 47, 3}},
                      ArrayCase{"default_long", {0.002, 0.005, 0.02, 15, 5, 47, 2000}},
                      ArrayCase{"lc_long_near_resonance", {0.002, 0.005, 0, 15, 5, 50.3, 2000}},
                      ArrayCase{"rlc_dc", {0.002, 0.005, 0.3, -15, 5, 0, 3}},
                      ArrayCase{"lc_ac", {0.002, 0.005, 0, 15, 5, 20, 3}},
                      ArrayCase{"rc_ac", {0, 0.005, 2, 15, 5, 47, 3}},
                      ArrayCase{"rc_dc", {0, 0.005, 2, 15, 5, 0, 3}},
                      ArrayCase{"rc_charging", {0, 0.005, 2, 0, 5, 0, 3}},
                      ArrayCase{"rl_ac", {0.002, 0, 0.5, 15, 5, 47, 3}},
                      ArrayCase{"rl_dc", {0.002, 0, 0.5, 15, -5, 0, 3}}),
    testing::CaseName{});

TEST(BuildSolution, RebuildDiscardsOldContents) {
    SimulationState s = started_state();
    static_cast<Parameters&>(s) = Parameters{0, 0, 2, 15, 5, 0, 2};
    recompute(s);
    ASSERT_EQ(s.t_grid.size(), 97U);
    EXPECT_TRUE(std::all_of(s.Uc_t.begin() + 1, s.Uc_t.end(), [](double v) { return v == 0; }));
    EXPECT_TRUE(std::all_of(s.UL_t.begin(), s.UL_t.end(), [](double v) { return v == 0; }));
}

TEST(GridPoints, RoundsHalfToEven) {
    EXPECT_EQ(grid_points(1920), 1921U);
    EXPECT_EQ(grid_points(122.4), 123U);
    EXPECT_EQ(grid_points(122.5), 123U);
    EXPECT_EQ(grid_points(123.5), 125U);
    EXPECT_EQ(grid_points(0), 1U);
}

} // namespace
} // namespace ovrelan
