#include "model/steady_state.h"

#include "support/model_fixtures.h"

#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

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

// The steady state and the band worked out with fifty digits, from the same doubles: the
// definitions as they stand, X = ωL − 1/(ωC), Z = √(R² + X²), ω± = √(δ² + ω0²) ± δ. Fifty
// digits leave more than thirty after any cancellation the tables below can bring.
using Big = boost::multiprecision::cpp_bin_float_50;

Big two_pi_big() {
    return 2 * boost::math::constants::pi<Big>();
}

struct Exact {
    Big Z, I_m, U_Rm, U_Lm, U_Cm;
};

Exact exact_at(const Parameters& p, double nu) {
    const Big w = two_pi_big() * Big(std::fabs(nu));
    const Big X_L = p.L > 0 ? w * Big(p.L) : Big(0);
    const Big X_C = p.C > 0 ? 1 / (w * Big(p.C)) : Big(0);
    const Big X = X_L - X_C;
    const Big Z = sqrt(Big(p.R) * Big(p.R) + X * X);
    const Big I = abs(Big(p.Em)) / Z;
    return {Z, I, I * Big(p.R), I * X_L, I * X_C};
}

struct ExactBand {
    Big nu0, low, high;
};

ExactBand exact_band(double L, double C, double R) {
    const Big d = Big(R) / (2 * Big(L));
    const Big w0 = 1 / sqrt(Big(L) * Big(C));
    const Big root = sqrt(d * d + w0 * w0);
    return {w0 / two_pi_big(), (root - d) / two_pi_big(), (root + d) / two_pi_big()};
}

// |a/b − 1|, in fifty digits.
double relative_error(double a, const Big& b) {
    return static_cast<double>(abs(Big(a) / b - 1));
}

// A double as close to the exact value as its range allows: within 1e-12 of it, infinite above
// the largest double, and no more than the smallest normal one below that (never a NaN).
::testing::AssertionResult as_double(double value, const Big& exact) {
    if (std::isnan(value)) {
        return ::testing::AssertionFailure() << "NaN for " << exact;
    }
    if (exact > Big(std::numeric_limits<double>::max())) {
        return std::isinf(value) ? ::testing::AssertionSuccess()
                                 : ::testing::AssertionFailure() << value << " for " << exact;
    }
    if (exact < Big(std::numeric_limits<double>::min())) {
        return value >= 0 && value <= std::numeric_limits<double>::min()
                   ? ::testing::AssertionSuccess()
                   : ::testing::AssertionFailure() << value << " for " << exact;
    }
    const double error = relative_error(value, exact);
    return error <= 1e-12 ? ::testing::AssertionSuccess()
                          : ::testing::AssertionFailure()
                                << value << " for " << exact << ": relative error " << error;
}

struct ReferenceCircuit {
    const char* name;
    double L, C; // H, F
};

void PrintTo(const ReferenceCircuit& c, std::ostream* os) {
    *os << c.name;
}

class AgainstFiftyDigits : public ::testing::TestWithParam<ReferenceCircuit> {};

// Over R from 1 mΩ to 10 MΩ (eight values a decade) and frequencies at, next to and away from
// ν0 and at the band's edges, the band's edges, I_m, Z and the voltages are within 1e-12 of
// the fifty-digit numbers. Without a resistor the same holds next to ν0, and at ν0 itself the
// current has no bound.
TEST_P(AgainstFiftyDigits, BandAndAmplitudesNearTheResonance) {
    const ReferenceCircuit& circuit = GetParam();
    constexpr double tolerance = 1e-12;
    struct Near {
        const char* name;
        double detuning; // ν = ν0·(1 + detuning)
    };
    const Near frequencies[] = {
        {"nu0", 0},
        {"nu0(1-1e-9)", -1e-9},
        {"nu0(1+1e-9)", 1e-9},
        {"nu0(1-1e-6)", -1e-6},
        {"nu0(1+1e-6)", 1e-6},
        {"nu0(1-1e-3)", -1e-3},
        {"nu0(1+1e-3)", 1e-3},
        {"nu0/3", -2.0 / 3},
        {"3nu0", 2},
    };
    std::vector<double> resistances{0};
    for (int i = 0; i <= 80; ++i) {
        resistances.push_back(std::pow(10.0, -3 + i / 8.0));
    }
    for (const double R : resistances) {
        const Parameters p{circuit.L, circuit.C, R, 0, 5, 47, 40};
        const ExactBand band = exact_band(p.L, p.C, R);
        const ResonanceCurve curve = resonance_curve(p, 2);
        const std::string what = std::string(circuit.name) + ", R = " + std::to_string(R);
        EXPECT_LE(relative_error(curve.nu0, band.nu0), tolerance) << what;
        std::vector<std::pair<std::string, double>> at;
        for (const Near& n : frequencies) {
            at.emplace_back(n.name, static_cast<double>(band.nu0 * (1 + Big(n.detuning))));
        }
        if (R > 0) {
            EXPECT_LE(relative_error(curve.band_low, band.low), tolerance) << what;
            EXPECT_LE(relative_error(curve.band_high, band.high), tolerance) << what;
            at.emplace_back("band_low", static_cast<double>(band.low));
            at.emplace_back("band_high", static_cast<double>(band.high));
        } else {
            EXPECT_TRUE(curve.unbounded) << what;
        }
        for (const auto& [name, nu] : at) {
            const SteadyState s = steady_state_at(p, nu);
            if (R == 0 && name == "nu0") {
                EXPECT_TRUE(s.unbounded) << what << " at " << name;
                EXPECT_TRUE(std::isinf(s.I_m) && std::isinf(s.U_Cm) && std::isinf(s.U_Lm)) << what;
                EXPECT_TRUE(steady_state_at(p, curve.nu0).unbounded) << what << ": the curve's ν0";
                continue;
            }
            const Exact e = exact_at(p, nu);
            const std::string where = what + " at " + name;
            EXPECT_FALSE(s.unbounded) << where;
            EXPECT_LE(relative_error(s.Z, e.Z), tolerance) << where << ": Z";
            EXPECT_LE(relative_error(s.I_m, e.I_m), tolerance) << where << ": I_m";
            EXPECT_LE(relative_error(s.U_Cm, e.U_Cm), tolerance) << where << ": U_Cm";
            EXPECT_LE(relative_error(s.U_Lm, e.U_Lm), tolerance) << where << ": U_Lm";
            if (R > 0) {
                EXPECT_LE(relative_error(s.U_Rm, e.U_Rm), tolerance) << where << ": U_Rm";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Circuits, AgainstFiftyDigits,
                         ::testing::Values(ReferenceCircuit{"start_up", 2e-3, 5e-3},
                                           ReferenceCircuit{"radio", 1e-6, 1e-10},
                                           ReferenceCircuit{"heavy", 10, 0.01},
                                           ReferenceCircuit{"tiny_capacitor", 1, 1e-12}),
                         testing::CaseName{});

struct FarCircuit {
    const char* name;
    Parameters p;
};

void PrintTo(const FarCircuit& c, std::ostream* os) {
    *os << c.name;
}

class FarFromOrdinary : public ::testing::TestWithParam<FarCircuit> {};

// Where δ², ω0² or both overflow or underflow a double, the band's edges still satisfy what
// defines them: |X_L − X_C| = R there, that is Z = √2·R, and they lie R/(2πL) apart; and the
// amplitudes at ν0 and at the edges are the fifty-digit ones.
TEST_P(FarFromOrdinary, TheBandAndTheAmplitudesNeedNoSquare) {
    const Parameters& p = GetParam().p;
    const ResonanceCurve curve = resonance_curve(p, 2);
    for (const double edge : {curve.band_low, curve.band_high}) {
        ASSERT_TRUE(std::isfinite(edge) && edge > 0) << edge;
        EXPECT_LE(relative_error(std::sqrt(2.0) * p.R, exact_at(p, edge).Z), 1e-12) << edge;
    }
    const Big width = Big(p.R) / (two_pi_big() * Big(p.L));
    EXPECT_LE(relative_error(curve.band_high - curve.band_low, width), 1e-12);
    EXPECT_LE(relative_error(curve.width, width), 1e-12);
    EXPECT_LE(relative_error(curve.nu0, exact_band(p.L, p.C, p.R).nu0), 1e-15);
    for (const double nu : {curve.nu0, curve.band_low, curve.band_high}) {
        const SteadyState s = steady_state_at(p, nu);
        const Exact e = exact_at(p, nu);
        EXPECT_TRUE(as_double(s.Z, e.Z)) << nu;
        EXPECT_TRUE(as_double(s.I_m, e.I_m)) << nu;
        EXPECT_TRUE(as_double(s.U_Rm, e.U_Rm)) << nu;
        EXPECT_TRUE(as_double(s.U_Lm, e.U_Lm)) << nu;
        EXPECT_TRUE(as_double(s.U_Cm, e.U_Cm)) << nu;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Circuits, FarFromOrdinary,
    ::testing::Values(
        // δ = 5e205 s⁻¹: δ² overflows, and so did both edges.
        FarCircuit{"delta_squared_overflows", {1e-200, 1e-3, 1e6, 0, 5, 47, 40}},
        // ω0 = 1e160 s⁻¹ and δ = 5e159 s⁻¹ (Q = 1): both squares overflow.
        FarCircuit{"both_squares_overflow", {1e-160, 1e-160, 1, 0, 5, 47, 40}},
        // ω0 = 1e-160 s⁻¹, δ = 5e-161 s⁻¹: the squares fall below the normal doubles.
        FarCircuit{"squares_underflow", {1e260, 1e60, 1e100, 0, 5, 47, 40}},
        // Q = 1e-300: the lower edge is 1e-300 of the upper.
        FarCircuit{"lower_edge_far_below", {1e-150, 1e150, 1e150, 0, 5, 47, 40}}),
    testing::CaseName{});

// At frequencies where a reactance, and so Z, is beyond the range of a double, the amplitudes
// are still what fifty digits give where those are within the range: the whole EMF on the
// capacitor far below, on the coil far above; and nothing is a NaN.
TEST(SteadyState, AmplitudesAcrossTheRangeOfDoubles) {
    struct Case {
        const char* name;
        Parameters p;
        double nu;
    };
    const Case cases[] = {
        {"capacitor_far_below", {2e-3, 5e-3, 0.02, 0, 5, 47, 40}, 1e-308},
        {"rc_far_below", {0, 1e-12, 1e6, 0, 5, 47, 40}, 1e-300},
        {"coil_far_above", {1e300, 0, 0.02, 0, 5, 47, 40}, 1e300},
        {"rlc_far_above", {1e200, 1e-3, 1, 0, 5, 47, 40}, 1e200},
        {"huge_emf", {2e-3, 5e-3, 1e-300, 0, 1e300, 47, 40}, 50.329212104487034},
        {"tiny_resistor", {2e-3, 5e-3, 1e-320, 0, 5, 47, 40}, 47},
    };
    for (const Case& c : cases) {
        const SteadyState s = steady_state_at(c.p, c.nu);
        const Exact e = exact_at(c.p, c.nu);
        EXPECT_TRUE(as_double(s.Z, e.Z)) << c.name;
        EXPECT_TRUE(as_double(s.I_m, e.I_m)) << c.name;
        EXPECT_TRUE(as_double(s.U_Rm, e.U_Rm)) << c.name;
        EXPECT_TRUE(as_double(s.U_Lm, e.U_Lm)) << c.name;
        EXPECT_TRUE(as_double(s.U_Cm, e.U_Cm)) << c.name;
        EXPECT_FALSE(s.unbounded) << c.name;
    }
}

// The cosine source is even in ν: a negative frequency drives what its magnitude does, and the
// resonance curve marks |ν|.
TEST(SteadyState, ANegativeFrequencyIsItsMagnitude) {
    const Parameters circuits[] = {
        {0.002, 0.005, 0.02, 15, 5, 47, 40},
        {0, 0.005, 2, 0, 5, 47, 4},
        {0.002, 0, 0.5, 0, -5, 470, 4},
        {0.002, 0.005, 0, 0, 5, 50.329212104487034, 4},
    };
    for (const Parameters& p : circuits) {
        Parameters negative = p;
        negative.nu = -p.nu;
        const auto s = steady_state(negative);
        ASSERT_TRUE(s) << p.nu;
        const SteadyState t = *steady_state(p);
        EXPECT_EQ(s->I_m, t.I_m);
        EXPECT_EQ(s->Z, t.Z);
        EXPECT_EQ(s->phi, t.phi);
        EXPECT_EQ(s->U_Cm, t.U_Cm);
        EXPECT_EQ(s->unbounded, t.unbounded);
        const ResonanceCurve a = resonance_curve(negative);
        const ResonanceCurve b = resonance_curve(p);
        ASSERT_EQ(a.points.size(), b.points.size());
        EXPECT_TRUE(std::any_of(a.points.begin(), a.points.end(), [&](const ResonancePoint& r) {
            return r.nu == p.nu;
        })) << "|ν| is among the points";
        for (std::size_t i = 0; i < a.points.size(); ++i) {
            EXPECT_EQ(a.points[i].nu, b.points[i].nu);
        }
    }
}

// Every frequency of a curve is a finite positive number, and only the point at ν0 of a curve
// without a resistor has no finite amplitude, for circuits whose own frequency lies anywhere in
// the range of doubles.
TEST(ResonanceCurve, FrequenciesStayWithinTheDoubles) {
    const Parameters circuits[] = {
        {1e-300, 1e-20, 1e-3, 0, 5, 47, 4}, {1e300, 1e-3, 1e300, 0, 5, 1e-300, 4},
        {0, 1e-300, 1e-20, 0, 5, 47, 4},    {1e-300, 0, 1e10, 0, 5, 47, 4},
        {0, 1e300, 1e10, 0, 5, 1e300, 4},   {1e-300, 1e-20, 0, 0, 5, 1e-300, 4},
    };
    for (const Parameters& p : circuits) {
        const ResonanceCurve c = resonance_curve(p);
        ASSERT_FALSE(c.points.empty()) << p.L << " " << p.C;
        int infinite = 0;
        for (const ResonancePoint& r : c.points) {
            ASSERT_TRUE(std::isfinite(r.nu) && r.nu > 0) << r.nu;
            ASSERT_FALSE(std::isnan(r.I_m) || std::isnan(r.U_Cm) || std::isnan(r.U_Lm) ||
                         std::isnan(r.phi));
            if (!std::isfinite(r.I_m)) {
                ++infinite;
                EXPECT_TRUE(c.unbounded && r.nu == c.nu0) << r.nu;
            }
        }
        EXPECT_LE(infinite, 1);
    }
}

} // namespace
} // namespace ovrelan
