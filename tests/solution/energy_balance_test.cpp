// The solution arrays obey the circuit's energy balance: the stored energy of the coil and the
// capacitor changes at the rate the source delivers minus the heat in the resistor,
// d(L·I²/2 + C·Uc²/2)/dt = e(t)·I − R·I², to within what the grid step resolves.
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::circuit;
using testing::resonant_nu;

using BalanceCase = testing::NamedCircuit;

class EnergyBalance : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(EnergyBalance, HoldsToTheGridStep) {
    const SimulationState s = circuit(GetParam().p);
    ASSERT_EQ(s.accepted, GetParam().p) << "the circuit is taken as it stands";
    const auto n = static_cast<std::size_t>(std::floor(s.Nt)) + 1;
    std::vector<double> t(n), I(n), W(n), P(n);
    const double w = two_pi * std::fabs(s.nu); // as the model computes it
    double power = 0;                          // the scale of the source's power and the heat
    for (std::size_t k = 0; k < n; ++k) {
        t[k] = s.t_grid[k] * s.t_scale;
        I[k] = s.I_t[k] * s.I_scale;
        const double Uc = s.C != 0 ? s.Uc_t[k] * s.Uc_scale : 0;
        W[k] = s.L * I[k] * I[k] / 2 + s.C * Uc * Uc / 2;
        P[k] = s.Em * std::cos(w * t[k]) * I[k] - s.R * I[k] * I[k];
        power = std::max(power, std::fabs(s.Em * I[k]) + s.R * I[k] * I[k]);
    }
    // The central difference of W is off by h²/6 times the third derivative: the tolerance is
    // three times that bound, the third derivative taken from the arrays around the point.
    const auto third = [&](std::size_t k) {
        const double h = (t[k + 1] - t[k - 1]) / 2;
        return std::fabs(W[k + 2] - 2 * W[k + 1] + 2 * W[k - 1] - W[k - 2]) / (2 * h * h * h);
    };
    // Element 0 holds the initial conditions, which some circuits' formulas jump away from.
    for (std::size_t k = 4; k + 3 < n; ++k) {
        const double h = (t[k + 1] - t[k - 1]) / 2;
        const double w3 = std::max({third(k - 1), third(k), third(k + 1)});
        const double tolerance = 3 * h * h / 6 * w3 + 1e-6 * power;
        const double dW_dt = (W[k + 1] - W[k - 1]) / (2 * h);
        ASSERT_NEAR(dW_dt, P[k], tolerance) << "k = " << k << " of " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryRegime, EnergyBalance,
    ::testing::Values(BalanceCase{"oscillatory_forced", {0.002, 0.005, 0.02, 15, 5, 47, 3}},
                      BalanceCase{"oscillatory_dc", {0.002, 0.005, 0.3, -15, 5, 0, 3}},
                      BalanceCase{"critical", {0.25, 1, 1, 15, 5, 0, 4}},
                      BalanceCase{"aperiodic", {0.25, 1, 1.5, 15, 5, 0.1, 4}},
                      BalanceCase{"undamped_dc", {0.002, 0.005, 0, 15, 5, 0, 3}},
                      BalanceCase{"undamped_forced", {0.002, 0.005, 0, 15, 5, 20, 3}},
                      BalanceCase{"undamped_resonance", {1, 1, 0, 15, 5, resonant_nu(), 3}},
                      BalanceCase{"source_above_resonance", {1, 1, 0.1, 15, 5, 2 / 6.283185307, 3}},
                      BalanceCase{"rc_ac", {0, 0.005, 2, 15, 5, 47, 3}},
                      BalanceCase{"rc_charging", {0, 0.005, 2, 0, 5, 0, 3}},
                      BalanceCase{"rl_ac", {0.002, 0, 0.5, 15, 5, 47, 3}},
                      BalanceCase{"rl_dc", {0.002, 0, 0.5, 15, -5, 0, 3}},
                      BalanceCase{"coil_on_ac", {0.002, 0, 0, 15, 5, 47, 3}},
                      BalanceCase{"coil_on_dc", {0.002, 0, 0, 15, 5, 0, 3}},
                      BalanceCase{"resistor_ac", {0, 0, 2, 15, 5, 47, 3}},
                      BalanceCase{"capacitor_ac", {0, 0.005, 0, 15, 5, 47, 3}}),
    testing::CaseName{});

} // namespace
} // namespace ovrelan
