#include "solution/free_response.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

namespace ovrelan {
namespace {

// The discharge of a capacitor charged to Uo through R and L, from the textbook: with
// δ = R/2L, ω₀ = 1/√(LC),
//   ω₀ > δ:  Uc = Uo e^(−δt) (cos ωt + (δ/ω) sin ωt),    I = Uo/(ωL) e^(−δt) sin ωt,
//   ω₀ < δ:  Uc = Uo e^(−δt) (ch βt + (δ/β) sh βt),      I = Uo/(βL) e^(−δt) sh βt,
//   ω₀ = δ:  Uc = Uo e^(−δt) (1 + δt),                   I = (Uo/L) t e^(−δt),
// with ω = √(ω₀² − δ²), β = √(δ² − ω₀²), and the coil's EMF εL = −L dI/dt = R·I − Uc (the loop:
// Uc = R·I + L dI/dt).
struct Textbook {
    double R, L, C, Uo;
    double delta() const { return R / (2 * L); }
    double omega0() const { return 1 / std::sqrt(L * C); }
    double Uc(double t) const {
        const double d = delta(), w0 = omega0();
        if (d < w0) {
            const double w = std::sqrt(w0 * w0 - d * d);
            return Uo * std::exp(-d * t) * (std::cos(w * t) + d / w * std::sin(w * t));
        }
        if (d > w0) {
            const double b = std::sqrt(d * d - w0 * w0);
            return Uo * std::exp(-d * t) * (std::cosh(b * t) + d / b * std::sinh(b * t));
        }
        return Uo * std::exp(-d * t) * (1 + d * t);
    }
    double I(double t) const {
        const double d = delta(), w0 = omega0();
        if (d < w0) {
            const double w = std::sqrt(w0 * w0 - d * d);
            return Uo / (w * L) * std::exp(-d * t) * std::sin(w * t);
        }
        if (d > w0) {
            const double b = std::sqrt(d * d - w0 * w0);
            return Uo / (b * L) * std::exp(-d * t) * std::sinh(b * t);
        }
        return Uo / L * t * std::exp(-d * t);
    }
    double EL(double t) const { return R * I(t) - Uc(t); }
};

struct RegimeCase {
    const char* name;
    Textbook circuit;
};

void PrintTo(const RegimeCase& c, std::ostream* os) {
    *os << c.name;
}

// L = 10 mH, C = 1000 µF: ω₀ = 316.2 rad/s; R sets the damping ratio a = R/(2ω₀L).
const RegimeCase regimes[] = {
    {"undamped", {0, 0.01, 1e-3, 10}},
    {"weakly_damped", {0.3, 0.01, 1e-3, 10}},
    {"strongly_damped", {4, 0.01, 1e-3, -6}},
    {"near_critical", {6.3245, 0.01, 1e-3, 10}},
    {"critical", {2 * std::sqrt(0.01 / 1e-3), 0.01, 1e-3, 10}},
    {"aperiodic", {20, 0.01, 1e-3, 10}},
    {"overdamped", {200, 0.01, 1e-3, 3}},
};

class FreeResponse : public ::testing::TestWithParam<RegimeCase> {};

// The closed form the program plots, as the fit uses it, against the textbook, before and after
// the key closes at t = shift.
TEST_P(FreeResponse, IsTheTextbookDischarge) {
    const Textbook& c = GetParam().circuit;
    const double shift = 1.5e-3;
    const FreeMotion m{c.delta(), c.omega0(), shift};
    std::vector<double> t;
    for (int k = -20; k < 400; ++k) {
        t.push_back(shift + k * 1e-4);
    }
    const double current_amplitude = c.Uo * c.omega0() * c.C;
    const auto uc = free_response(Quantity::Uc, m, c.Uo, 0.25, t);
    const auto i = free_response(Quantity::I, m, current_amplitude, 0, t);
    const auto ur = free_response(Quantity::Ur, m, c.R * current_amplitude, 0, t);
    const auto el = free_response(Quantity::EL, m, c.Uo, 0, t);
    ASSERT_EQ(uc.size(), t.size());
    for (std::size_t k = 0; k < t.size(); ++k) {
        const double since = t[k] - shift;
        const double scale = std::fabs(c.Uo);
        if (since < 0) {
            EXPECT_EQ(uc[k], c.Uo + 0.25);
            EXPECT_EQ(i[k], 0);
            // The coil's EMF rises over the one sample step before the closing.
            EXPECT_NEAR(el[k], since < -1e-4 ? 0 : -c.Uo * (1 + since / 1e-4), 1e-9 * scale);
            continue;
        }
        EXPECT_NEAR(uc[k], c.Uc(since) + 0.25, 1e-11 * scale) << since;
        EXPECT_NEAR(i[k], c.I(since), 1e-11 * std::fabs(current_amplitude)) << since;
        EXPECT_NEAR(ur[k], c.R * c.I(since), 1e-11 * scale) << since;
        EXPECT_NEAR(el[k], c.EL(since), 1e-10 * scale) << since;
    }
}

// dS/dτ is the derivative of S, by central differences.
TEST_P(FreeResponse, SlopeIsTheDerivative) {
    const Textbook& c = GetParam().circuit;
    const FreeMotion m{c.delta(), c.omega0(), 0};
    for (const Quantity q : all_quantities) {
        for (double tau = 0.05; tau < 12; tau += 0.61) {
            const double h = 1e-5;
            const std::vector<double> t{(tau - h) / m.omega0, tau / m.omega0, (tau + h) / m.omega0};
            std::vector<double> s(3), slope(3);
            ASSERT_TRUE(free_shape(q, m, t, s, slope));
            EXPECT_NEAR(slope[1], (s[2] - s[0]) / (2 * h), 1e-7 + 1e-6 * std::fabs(slope[1]))
                << quantity_key(q) << " " << tau;
        }
    }
}

// Times on a grid of equal steps are stepped by the addition theorems, like the solution arrays;
// the values are those of each time alone.
TEST_P(FreeResponse, EqualStepsGiveTheSameValues) {
    const Textbook& c = GetParam().circuit;
    const FreeMotion m{c.delta(), c.omega0(), 2.5e-4};
    std::vector<double> t;
    for (int k = 0; k < 5000; ++k) {
        t.push_back(-1e-3 + k * 1e-5);
    }
    for (const Quantity q : all_quantities) {
        std::vector<double> stepped(t.size()), slope(t.size());
        ASSERT_TRUE(free_shape(q, m, t, stepped, slope));
        for (std::size_t k = 0; k < t.size(); k += 7) {
            double alone = 0, alone_slope = 0;
            ASSERT_TRUE(free_shape(q, m, std::span(&t[k], 1), std::span(&alone, 1),
                                   std::span(&alone_slope, 1)));
            EXPECT_NEAR(stepped[k], alone, 1e-13) << quantity_key(q) << " " << k;
            EXPECT_NEAR(slope[k], alone_slope, 1e-13) << quantity_key(q) << " " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Regimes, FreeResponse, ::testing::ValuesIn(regimes), testing::CaseName{});

TEST(FreeResponse, OutsideTheCircuitsRange) {
    const std::vector<double> t{0, 1e-3};
    std::vector<double> s(2);
    EXPECT_FALSE(free_shape(Quantity::Uc, {-1, 300, 0}, t, s));
    EXPECT_FALSE(free_shape(Quantity::Uc, {1, 0, 0}, t, s));
    EXPECT_FALSE(free_shape(Quantity::Uc, {1, NAN, 0}, t, s));
    EXPECT_TRUE(free_response(Quantity::I, {1, -5, 0}, 1, 0, t).empty());
}

} // namespace
} // namespace ovrelan
