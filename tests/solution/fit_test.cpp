#include "solution/fit.h"

#include "solution/fit_start.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <numbers>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

// A measured discharge made from the textbook's formulas, independent of the program's closed
// form: a capacitor charged to Uo closes into R and L at t = shift; the scope adds an offset and
// white noise. δ = R/2L, ω₀ = 1/√(LC); εL = −L dI/dt = R·I − Uc (Uc = R·I + L dI/dt).
struct Circuit {
    double R, L, C, Uo;
    double delta() const { return R / (2 * L); }
    double omega0() const { return 1 / std::sqrt(L * C); }
    // Uc, I and εL at a time since the key closed.
    void at(double t, double& uc, double& i) const {
        if (t < 0) {
            uc = Uo;
            i = 0;
            return;
        }
        const double d = delta(), w0 = omega0();
        if (d < w0) {
            const double w = std::sqrt(w0 * w0 - d * d);
            uc = Uo * std::exp(-d * t) * (std::cos(w * t) + d / w * std::sin(w * t));
            i = Uo / (w * L) * std::exp(-d * t) * std::sin(w * t);
        } else if (d > w0) {
            const double b = std::sqrt(d * d - w0 * w0);
            uc = Uo * std::exp(-d * t) * (std::cosh(b * t) + d / b * std::sinh(b * t));
            i = Uo / (b * L) * std::exp(-d * t) * std::sinh(b * t);
        } else {
            uc = Uo * std::exp(-d * t) * (1 + d * t);
            i = Uo / L * t * std::exp(-d * t);
        }
    }
};

struct Measured {
    std::vector<double> t, y;
};

// n points from `from` to `to` seconds (the key closes at `shift`), the quantity plus `offset`
// and noise of deviation `noise`.
Measured measure(const Circuit& c, Quantity q, double shift, double from, double to, int n,
                 double offset, double noise, std::mt19937_64& rng) {
    std::normal_distribution<double> gauss(0, noise);
    Measured m;
    for (int k = 0; k < n; ++k) {
        const double t = from + (to - from) * k / (n - 1);
        double uc = 0, i = 0;
        c.at(t - shift, uc, i);
        const double v = q == Quantity::Uc   ? uc
                         : q == Quantity::I  ? i
                         : q == Quantity::Ur ? c.R * i
                                             : (t < shift ? 0 : c.R * i - uc);
        m.t.push_back(t);
        m.y.push_back(v + offset + gauss(rng));
    }
    return m;
}

double within(const FitValue& v, double truth) {
    return std::fabs(v.value - truth) / v.error;
}

// ---------------------------------------------------------------------------------------------
// Honest numbers: the errors the fit reports are the spread of what it finds. Two hundred traces
// of several regimes, each with its own noise: the true δ and ω₀ (and R and L where C is given,
// and the amplitude, the offset and the key's closing) lie within three standard errors of the
// fitted values on at least 95 % of them.

struct Kind {
    const char* name;
    double a; // damping ratio δ/ω₀
    Quantity quantity;
    bool c_known;
    double record; // seconds after the key closes
    double before; // seconds of record before it
};

TEST(Fit, ErrorsCoverTheTruth) {
    // L = 10 mH, C = 1000 µF: ω₀ = 316.2 rad/s, a period of 19.9 ms.
    const Kind kinds[] = {
        {"weak_uc", 0.05, Quantity::Uc, false, 0.1, 0.01},
        {"weak_i", 0.05, Quantity::I, true, 0.1, 0},
        {"strong_uc", 0.5, Quantity::Uc, true, 0.04, 0.005},
        {"strong_i", 0.5, Quantity::I, false, 0.04, 0},
        {"critical_uc", 1.0, Quantity::Uc, false, 0.04, 0.004},
        {"critical_i", 1.0, Quantity::I, true, 0.04, 0},
        {"aperiodic_uc", 2.0, Quantity::Uc, true, 0.06, 0.004},
        {"aperiodic_i", 2.0, Quantity::I, false, 0.06, 0.002},
    };
    std::mt19937_64 rng(20250312);
    std::uniform_real_distribution<double> spread(0.9, 1.1);
    int traces = 0, covered = 0, failed = 0;
    for (int trial = 0; trial < 200; ++trial) {
        const Kind& kind = kinds[static_cast<std::size_t>(trial) % std::size(kinds)];
        const double L = 0.01 * spread(rng);
        const double C = 1e-3 * spread(rng);
        const double R = 2 * kind.a * std::sqrt(L / C);
        const Circuit c{R, L, C, 10 * spread(rng)};
        const double shift = 1e-3 * spread(rng);
        const double amplitude = kind.quantity == Quantity::Uc ? c.Uo : c.Uo * c.omega0() * c.C;
        const double offset = 0.02 * amplitude * (spread(rng) - 1) * 10;
        const Measured m =
            measure(c, kind.quantity, shift, shift - kind.before, shift + kind.record, 1000, offset,
                    0.01 * std::fabs(amplitude), rng);
        FitRequest request;
        request.traces.push_back({kind.quantity, m.t, m.y});
        if (kind.c_known) {
            request.C = C;
        }
        const FitResult f = fit_measured(request);
        ++traces;
        if (!f.ok) {
            ++failed;
            ADD_FAILURE() << kind.name << " trial " << trial << ": " << f.reason;
            continue;
        }
        double worst =
            std::max(within(*f.value("delta"), c.delta()), within(*f.value("omega0"), c.omega0()));
        worst = std::max(worst, within(*f.value("shift"), shift));
        worst = std::max(worst, within(f.traces[0].amplitude, amplitude));
        worst = std::max(worst, within(f.traces[0].offset, offset));
        if (kind.c_known) {
            worst = std::max(worst, within(*f.value("R"), R));
            worst = std::max(worst, within(*f.value("L"), L));
            EXPECT_TRUE(f.value("C")->fixed);
        }
        covered += worst <= 3 ? 1 : 0;
        // The residual is the noise put in.
        EXPECT_NEAR(f.traces[0].rms / (0.01 * std::fabs(amplitude)), 1, 0.1) << kind.name;
        EXPECT_EQ(f.regime, kind.a < 1   ? Regime::oscillatory
                            : kind.a > 1 ? Regime::aperiodic
                                         : f.regime);
    }
    std::cout << "true values within 3σ on " << covered << " of " << traces << " traces\n";
    EXPECT_EQ(failed, 0);
    EXPECT_GE(covered, 190);
}

// An aperiodic trace alone determines δ and ω₀ too: its slow and fast exponentials do.
TEST(Fit, AperiodicTraceGivesDeltaAndOmega) {
    std::mt19937_64 rng(7);
    for (const double a : {1.5, 3.0}) {
        const double L = 0.01, C = 1e-3;
        const Circuit c{2 * a * std::sqrt(L / C), L, C, 10};
        for (const Quantity q : {Quantity::Uc, Quantity::I}) {
            const Measured m = measure(c, q, 0, 0, 0.1, 2000, 0, 0.002, rng);
            FitRequest request;
            request.traces.push_back({q, m.t, m.y});
            const FitResult f = fit_measured(request);
            ASSERT_TRUE(f.ok) << a << " " << quantity_key(q) << ": " << f.reason;
            EXPECT_EQ(f.regime, Regime::aperiodic);
            const FitValue& delta = *f.value("delta");
            const FitValue& omega = *f.value("omega0");
            EXPECT_LE(within(delta, c.delta()), 3) << a;
            EXPECT_LE(within(omega, c.omega0()), 3) << a;
            EXPECT_LT(delta.error, 0.1 * delta.value) << a;
            EXPECT_LT(omega.error, 0.1 * omega.value) << a;
            // No swing: no period, no quality factor.
            EXPECT_EQ(f.value("T"), nullptr);
            EXPECT_EQ(f.value("Q"), nullptr);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// What the fit gives by what is known: the values held are reported as held, the others
// worked out from δ and ω₀ (or from the two amplitudes).

struct Known {
    const char* name;
    bool R, L, C;
    const char* fitted[3]; // of R, L, C, those the fit works out
};

void PrintTo(const Known& k, std::ostream* os) {
    *os << k.name;
}

const Known knowns[] = {
    {"C", false, false, true, {"R", "L", nullptr}},
    {"L", false, true, false, {"R", "C", nullptr}},
    {"R", true, false, false, {"L", "C", nullptr}},
    {"L_and_C", false, true, true, {"R", nullptr, nullptr}},
    {"R_and_L", true, true, false, {"C", nullptr, nullptr}},
    {"R_and_C", true, false, true, {"L", nullptr, nullptr}},
};

class FitWithKnown : public ::testing::TestWithParam<Known> {};

TEST_P(FitWithKnown, GivesTheOthers) {
    const Known& k = GetParam();
    const Circuit c{0.5, 2e-3, 5e-3, 10};
    std::mt19937_64 rng(11);
    const Measured m = measure(c, Quantity::Uc, 0, 0, 0.08, 1500, 0.15, 0.05, rng);
    FitRequest request;
    request.traces.push_back({Quantity::Uc, m.t, m.y});
    if (k.R) {
        request.R = c.R;
    }
    if (k.L) {
        request.L = c.L;
    }
    if (k.C) {
        request.C = c.C;
    }
    const FitResult f = fit_measured(request);
    ASSERT_TRUE(f.ok) << f.reason;
    const struct {
        const char* key;
        double truth;
        bool held;
    } values[] = {{"R", c.R, k.R}, {"L", c.L, k.L}, {"C", c.C, k.C}};
    for (const auto& v : values) {
        const FitValue* fitted = f.value(v.key);
        ASSERT_NE(fitted, nullptr) << v.key;
        EXPECT_EQ(fitted->fixed, v.held) << v.key;
        if (v.held) {
            EXPECT_EQ(fitted->value, v.truth) << v.key;
            EXPECT_EQ(fitted->error, 0) << v.key;
        } else {
            EXPECT_GT(fitted->error, 0) << v.key;
            EXPECT_LE(within(*fitted, v.truth), 3) << v.key;
            EXPECT_NEAR(fitted->value / v.truth, 1, 0.02) << v.key;
        }
    }
    // δ and ω₀ agree with R, L and C as reported.
    const double R = f.value("R")->value, L = f.value("L")->value, C = f.value("C")->value;
    EXPECT_NEAR(f.value("delta")->value, R / (2 * L), 1e-9 * R / L);
    EXPECT_NEAR(f.value("omega0")->value, 1 / std::sqrt(L * C), 1e-9 / std::sqrt(L * C));
    EXPECT_EQ(f.value("omega0")->fixed, k.L && k.C);
    EXPECT_EQ(f.value("delta")->fixed, k.R && k.L);
}

INSTANTIATE_TEST_SUITE_P(Values, FitWithKnown, ::testing::ValuesIn(knowns), testing::CaseName{});

// Nothing known: δ and ω₀ only, and the panel's T, Θ and Q of the swing.
TEST(Fit, OneTraceAloneGivesDeltaAndOmega) {
    const Circuit c{0.5, 2e-3, 5e-3, 10};
    std::mt19937_64 rng(3);
    const Measured m = measure(c, Quantity::Uc, 0.002, 0, 0.1, 2000, 0.2, 0.1, rng);
    FitRequest request;
    request.traces.push_back({Quantity::Uc, m.t, m.y});
    const FitResult f = fit_measured(request);
    ASSERT_TRUE(f.ok) << f.reason;
    EXPECT_EQ(f.value("R"), nullptr);
    EXPECT_EQ(f.value("L"), nullptr);
    EXPECT_EQ(f.value("C"), nullptr);
    const double w = std::sqrt(c.omega0() * c.omega0() - c.delta() * c.delta());
    const double T = 2 * std::numbers::pi / w;
    EXPECT_LE(within(*f.value("T"), T), 3);
    EXPECT_LE(within(*f.value("theta"), T * c.delta()), 3);
    EXPECT_LE(within(*f.value("Q"), std::numbers::pi / (T * c.delta())), 3);
    EXPECT_LE(within(*f.value("shift"), 0.002), 3);
    // The residuals are the measurement less the fitted curve, point by point.
    const std::vector<double> curve = fitted_curve(f, 0, m.t);
    ASSERT_EQ(curve.size(), m.t.size());
    for (std::size_t k = 0; k < m.t.size(); k += 97) {
        EXPECT_NEAR(f.traces[0].residuals[k], m.y[k] - curve[k], 1e-12);
    }
    // Taken into a circuit that keeps its C: L and R follow from ω₀ and δ.
    const Parameters present{1, 5e-3, 7, 15, 0, 0, 40};
    const auto taken = fitted_parameters(f, present);
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->C, present.C);
    EXPECT_NEAR(taken->L, 1 / (f.motion.omega0 * f.motion.omega0 * present.C), 1e-15);
    EXPECT_NEAR(taken->R, 2 * f.motion.delta * taken->L, 1e-12);
    EXPECT_EQ(taken->Uo, present.Uo);
    EXPECT_EQ(taken->Nmax, present.Nmax);
}

// A voltage and the current together give all three: the amplitudes Uo and Uo·ω₀·C give C.
TEST(Fit, VoltageAndCurrentGiveRLC) {
    const Circuit c{0.5, 2e-3, 5e-3, 10};
    std::mt19937_64 rng(5);
    const double current = c.Uo * c.omega0() * c.C;
    for (const Quantity voltage : {Quantity::Uc, Quantity::EL}) {
        const Measured u = measure(c, voltage, 0.001, 0, 0.08, 1500, 0.1, 0.02, rng);
        const Measured i = measure(c, Quantity::I, 0.001, 0, 0.08, 1500, 0, 0.01 * current, rng);
        FitRequest request;
        request.traces.push_back({voltage, u.t, u.y});
        request.traces.push_back({Quantity::I, i.t, i.y});
        const FitResult f = fit_measured(request);
        ASSERT_TRUE(f.ok) << f.reason;
        for (const auto& [key, truth] :
             {std::pair{"R", c.R}, std::pair{"L", c.L}, std::pair{"C", c.C}}) {
            const FitValue& v = *f.value(key);
            EXPECT_FALSE(v.fixed);
            EXPECT_LE(within(v, truth), 3) << key << " " << quantity_key(voltage);
            EXPECT_NEAR(v.value / truth, 1, 0.01) << key;
        }
        ASSERT_EQ(f.traces.size(), 2U);
        EXPECT_EQ(f.traces[1].quantity, Quantity::I);
        EXPECT_NEAR(f.traces[1].rms / (0.01 * current), 1, 0.1);
        // Each trace weighs by its own noise: χ² per degree of freedom is about 1.
        EXPECT_NEAR(f.chi2_per_dof, 1, 0.1);
    }
}

// The resistor's voltage and the coil's EMF fit as well as Uc and I.
TEST(Fit, EveryQuantityFits) {
    const Circuit c{0.5, 2e-3, 5e-3, 10};
    std::mt19937_64 rng(9);
    for (const Quantity q : all_quantities) {
        const double amplitude = q == Quantity::I    ? c.Uo * c.omega0() * c.C
                                 : q == Quantity::Ur ? c.R * c.Uo * c.omega0() * c.C
                                                     : c.Uo;
        const Measured m = measure(c, q, 0.001, 0, 0.08, 1500, 0, 0.01 * amplitude, rng);
        FitRequest request;
        request.traces.push_back({q, m.t, m.y});
        request.C = c.C;
        const FitResult f = fit_measured(request);
        ASSERT_TRUE(f.ok) << quantity_key(q) << ": " << f.reason;
        EXPECT_LE(within(*f.value("R"), c.R), 3) << quantity_key(q);
        EXPECT_LE(within(*f.value("L"), c.L), 3) << quantity_key(q);
        EXPECT_LE(within(f.traces[0].amplitude, amplitude), 3) << quantity_key(q);
    }
}

// The present circuit's δ and ω₀ are tried as a start too: with them a short trace (a swing and
// a half) fits to the same minimum as without.
TEST(Fit, ThePresentCircuitIsTried) {
    const Circuit c{0.5, 2e-3, 5e-3, 10};
    std::mt19937_64 rng(13);
    const Measured m = measure(c, Quantity::Uc, 0, 0, 0.03, 600, 0, 0.05, rng);
    FitRequest request;
    request.traces.push_back({Quantity::Uc, m.t, m.y});
    const FitResult alone = fit_measured(request);
    request.circuit = Parameters{c.L * 1.1, c.C, c.R * 0.9, 10, 0, 0, 10};
    const FitResult hinted = fit_measured(request);
    ASSERT_TRUE(hinted.ok) << hinted.reason;
    EXPECT_LE(within(*hinted.value("omega0"), c.omega0()), 3);
    EXPECT_LE(within(*hinted.value("delta"), c.delta()), 3);
    if (alone.ok) {
        EXPECT_NEAR(alone.motion.omega0, hinted.motion.omega0, 0.1 * hinted.value("omega0")->error);
    }
}

// «Совместить с ключом»: where a trace leaves its starting level. The current rises at once
// (I ≈ Uo·t/L), the capacitor's voltage with zero slope (Uc ≈ Uo(1 − ω₀²t²/2)): it leaves 1 % of
// its range below Uo at ω₀t ≈ √0.02 after the key.
TEST(Fit, WhereTheTraceLeavesItsStart) {
    const Circuit c{0.5, 2e-3, 5e-3, 10};
    std::mt19937_64 rng(21);
    const double key = 0.004;
    const Measured i = measure(c, Quantity::I, key, 0, 0.05, 5000, 0, 0.01, rng);
    const Measured u = measure(c, Quantity::Uc, key, 0, 0.05, 5000, 0, 0.01, rng);
    const auto at_i = leaves_start(i.t, i.y);
    const auto at_u = leaves_start(u.t, u.y);
    ASSERT_TRUE(at_i.has_value());
    ASSERT_TRUE(at_u.has_value());
    EXPECT_GE(*at_i, key);
    EXPECT_LT(*at_i, key + 1e-4);
    // Uc's range is about 1.7 Uo (it swings below 0): 1 % of it is 0.017 Uo.
    const double expected = key + std::sqrt(2 * 0.017) / c.omega0();
    EXPECT_NEAR(*at_u, expected, 0.15 * (expected - key));
    const std::vector<double> flat(i.t.size(), 1.0);
    EXPECT_FALSE(leaves_start(i.t, flat).has_value());
}

// What the fit refuses, and why; a refusal has no values.
TEST(Fit, RefusesWithAReason) {
    std::vector<double> t, flat, noise;
    std::mt19937_64 rng(17);
    std::normal_distribution<double> gauss(0, 1);
    for (int k = 0; k < 500; ++k) {
        t.push_back(k * 1e-4);
        flat.push_back(3);
        noise.push_back(gauss(rng));
    }
    const std::vector<double> few(t.begin(), t.begin() + 5);
    std::vector<double> backwards = t;
    std::swap(backwards[10], backwards[11]);
    const Circuit c{0.5, 2e-3, 5e-3, 10};
    const Measured good = measure(c, Quantity::Uc, 0, 0, 0.05, 500, 0, 0.01, rng);
    const auto request = [](std::vector<FitTrace> traces, std::optional<double> R = {},
                            std::optional<double> L = {}, std::optional<double> C = {}) {
        FitRequest r;
        r.traces = std::move(traces);
        r.R = R;
        r.L = L;
        r.C = C;
        return r;
    };
    const FitTrace uc{Quantity::Uc, good.t, good.y};
    const struct {
        const char* name;
        FitRequest request;
        const char* says;
    } cases[] = {
        {"nothing", request({}), "подбирать можно по одной или по двум кривым"},
        {"flat", request({{Quantity::Uc, t, flat}}),
         "кривая Uc: значения не меняются, подбирать нечего"},
        {"few", request({{Quantity::Uc, few, std::span(flat).first(5)}}),
         "кривая Uc: слишком мало точек, нужно не меньше 10"},
        {"backwards", request({{Quantity::Uc, backwards, noise}}),
         "кривая Uc: время должно возрастать"},
        {"same_twice", request({uc, uc}),
         "две кривые одной величины: подбирать можно по кривым разных величин"},
        {"all_three", request({uc}, c.R, c.L, c.C),
         "заданы все три величины R, L и C: подбирать нечего"},
        {"negative_c", request({uc}, {}, {}, -1.0), "заданные R, L и C должны быть больше нуля"},
    };
    for (const auto& c2 : cases) {
        const FitResult f = fit_measured(c2.request);
        EXPECT_FALSE(f.ok) << c2.name;
        EXPECT_EQ(f.reason, c2.says) << c2.name;
        EXPECT_TRUE(f.values.empty()) << c2.name;
    }
    // Noise without a transient: no fit is claimed.
    FitRequest pure;
    pure.traces.push_back({Quantity::Uc, t, noise});
    const FitResult f = fit_measured(pure);
    EXPECT_FALSE(f.ok);
    EXPECT_FALSE(f.reason.empty());
    EXPECT_TRUE(f.values.empty());
}

} // namespace
} // namespace ovrelan
