#include "model/steady_state.h"

#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <string>

namespace ovrelan {
namespace {

constexpr double pi = std::numbers::pi;

// The phasors of the steady state add up to the EMF's: U_R along I, U_L ahead by 90°, U_C behind
// by 90°, their sum Em at the angle φ ahead of the current — for circuits of every kind and
// frequencies far below, at and far above the resonance.
TEST(SteadyState, ThePhasorsAddUpToTheEmf) {
    const Parameters circuits[] = {
        {0.002, 0.005, 0.02, 15, 5, 47, 40}, {0.002, 0.005, 3, 0, 5, 47, 40},
        {0, 0.005, 2, 0, 5, 47, 4},          {0.002, 0, 0.5, 0, -5, 470, 4},
        {0.002, 0, 0, 0, 5, 47, 4},          {0, 0.0001, 0, 0, 5, 47, 4},
        {1e-6, 1e-9, 0.1, 0, 230, 1e5, 4},
    };
    for (const Parameters& p : circuits) {
        for (const double nu : {p.nu / 100, p.nu, p.nu * 100}) {
            const SteadyState s = steady_state_at(p, nu);
            const std::complex<double> I = std::polar(s.I_m, 0.0);
            const std::complex<double> sum =
                std::polar(s.U_Rm, 0.0) + std::polar(s.U_Lm, pi / 2) + std::polar(s.U_Cm, -pi / 2);
            const std::complex<double> emf = std::polar(std::fabs(p.Em), s.phi);
            EXPECT_LE(std::abs(sum - emf), 1e-12 * std::fabs(p.Em))
                << p.L << " " << p.C << " " << nu;
            EXPECT_NEAR(std::abs(I) * s.Z, std::fabs(p.Em), 1e-12 * std::fabs(p.Em));
        }
    }
    EXPECT_FALSE(steady_state({0.002, 0.005, 0.02, 15, 5, 0, 40})) << "a constant source";
}

// The resonance curve of an R-L-C circuit over Q from 0.6 to 10⁴: the current peaks at ν0
// within a step of the grid, U_Cm peaks at the panel's Vr, the half-power band is R/(2πL) wide
// and its edges are where I_m = I_max/√2.
TEST(ResonanceCurve, PeaksAndBandOverManyQ) {
    for (const double Q : {0.6, 0.71, 1.0, 3.0, 31.6, 1000.0, 1e4}) {
        const double L = 0.002;
        const double C = 0.005;
        const double R = std::sqrt(L / C) / Q; // Q = ω0·L/R
        const Parameters p{L, C, R, 0, 5, 47, 40};
        const SimulationState panel = testing::circuit(p);
        const ResonanceCurve c = resonance_curve(p);
        const std::string what = "Q = " + std::to_string(Q);
        ASSERT_TRUE(c.reason.empty()) << what;
        ASSERT_GE(c.points.size(), 2000U) << what;
        EXPECT_NEAR(c.Q, Q, 1e-9 * Q) << what;
        EXPECT_NEAR(c.width, R / (2 * pi * L), 1e-9 * c.width) << what;
        EXPECT_NEAR(c.band_high - c.band_low, c.width, 1e-9 * c.width) << what;
        const double I_max = std::fabs(p.Em) / R;
        for (const double edge : {c.band_low, c.band_high}) {
            EXPECT_NEAR(steady_state_at(p, edge).I_m, I_max / std::sqrt(2.0), 1e-9 * I_max) << what;
        }
        const auto peak = [&](auto value) {
            return std::max_element(c.points.begin(), c.points.end(),
                                    [&](const ResonancePoint& a, const ResonancePoint& b) {
                                        return value(a) < value(b);
                                    });
        };
        const auto i_peak = peak([](const ResonancePoint& r) { return r.I_m; });
        const double step =
            std::max(i_peak->nu - std::prev(i_peak)->nu, std::next(i_peak)->nu - i_peak->nu);
        EXPECT_LE(std::fabs(i_peak->nu - c.nu0), step) << what;
        EXPECT_NEAR(c.nu0, 1 / (2 * pi * std::sqrt(L * C)), 1e-12 * c.nu0);
        if (Q > 1 / std::sqrt(2.0)) { // the panel shows Vr
            const auto u_peak = peak([](const ResonancePoint& r) { return r.U_Cm; });
            const double u_step =
                std::max(u_peak->nu - std::prev(u_peak)->nu, std::next(u_peak)->nu - u_peak->nu);
            EXPECT_LE(std::fabs(u_peak->nu - panel.Vr), u_step) << what;
            EXPECT_NEAR(c.nu_C, panel.Vr, 1e-9 * panel.Vr) << what;
        } else {
            EXPECT_EQ(c.nu_C, 0) << what << ": U_Cm falls all the way";
        }
        EXPECT_TRUE(std::is_sorted(
            c.points.begin(), c.points.end(),
            [](const ResonancePoint& a, const ResonancePoint& b) { return a.nu < b.nu; }))
            << what;
    }
}

// Circuits without a coil or a capacitor have their own curves, or a reason; no resistor makes
// the peak unbounded.
TEST(ResonanceCurve, OtherCircuits) {
    const auto monotonic = [](const ResonanceCurve& c, bool rising) {
        for (std::size_t i = 1; i < c.points.size(); ++i) {
            if ((c.points[i].I_m > c.points[i - 1].I_m) != rising) {
                return false;
            }
        }
        return !c.points.empty();
    };
    EXPECT_TRUE(monotonic(resonance_curve({0, 0.005, 2, 0, 5, 47, 4}), true)) << "R-C";
    EXPECT_TRUE(monotonic(resonance_curve({0.002, 0, 0.5, 0, 5, 47, 4}), false)) << "R-L";
    EXPECT_FALSE(resonance_curve({0, 0, 2, 0, 5, 47, 4}).reason.empty()) << "a resistor alone";
    EXPECT_FALSE(resonance_curve({0.002, 0.005, 2, 0, 0, 47, 4}).reason.empty()) << "no EMF";
    const ResonanceCurve lc = resonance_curve({0.002, 0.005, 0, 0, 5, 47, 4});
    EXPECT_TRUE(lc.unbounded);
    EXPECT_GT(steady_state_at({0.002, 0.005, 0, 0, 5, 47, 4}, lc.nu0).I_m, 1e9)
        << "no top to the peak";
}

} // namespace
} // namespace ovrelan
