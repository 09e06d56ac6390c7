#include "model/circuit_summary.h"

#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <ostream>

namespace ovrelan {
namespace {

using testing::circuit;

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double pi = std::numbers::pi;

// What a textbook says of the series circuit, worked out here from L, C, R and Em alone:
// δ = R/2L, ω₀ = 1/√(LC), Θ = δ·2π/√(ω₀² − δ²), the panel's Q = π/Θ, ν₀ = ω₀/2π, the current's
// peak Em/R at ν₀ and the peak of U_C at √(ν₀² − 2h²), h = R/4πL.
struct Textbook {
    std::optional<double> delta, theta, Q, nu0, nu_C, I_peak;
};

Textbook textbook(const Parameters& p) {
    Textbook t;
    if (p.L > 0 && p.C > 0) {
        const double d = p.R / (2 * p.L);
        const double wo = 1 / std::sqrt(p.L * p.C);
        t.delta = d;
        t.theta = wo > d ? 2 * pi * d / std::sqrt(wo * wo - d * d) : inf;
        t.Q = p.R == 0 ? inf : wo > d ? pi / *t.theta : 0;
        t.nu0 = wo / (2 * pi);
        if (p.Em != 0) {
            const double h = p.R / (4 * pi * p.L);
            if (*t.nu0 * *t.nu0 > 2 * h * h) {
                t.nu_C = std::sqrt(*t.nu0 * *t.nu0 - 2 * h * h);
            }
            if (p.R > 0) {
                t.I_peak = std::fabs(p.Em) / p.R;
            }
        }
    } else if (p.C > 0) {
        t.delta = 1 / (p.R * p.C);
    } else if (p.L > 0) {
        t.delta = p.R / p.L;
    }
    return t;
}

struct SummaryCase {
    const char* name;
    Parameters p;
    std::optional<Regime> regime;
    const char* word;
    bool unbounded;
    SummaryCells cells;
};

void PrintTo(const SummaryCase& c, std::ostream* os) {
    *os << c.name;
}

void expect_close(const std::optional<double>& got, const std::optional<double>& want,
                  const char* what) {
    ASSERT_EQ(got.has_value(), want.has_value()) << what;
    if (!want) {
        return;
    }
    if (std::isinf(*want) || *want == 0) {
        EXPECT_EQ(*got, *want) << what;
    } else {
        // The model's 2π is 6.283185307, 3e-11 from the exact one.
        EXPECT_NEAR(*got, *want, 1e-9 * std::fabs(*want)) << what;
    }
}

class Summary : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(Summary, RegimeNumbersAndTheTablesTexts) {
    const SummaryCase& c = GetParam();
    const CircuitSummary s = circuit_summary(circuit(c.p));
    EXPECT_EQ(s.regime, c.regime);
    EXPECT_EQ(s.regime_word, c.word);
    EXPECT_EQ(s.unbounded, c.unbounded);
    const Textbook t = textbook(c.p);
    expect_close(s.delta, t.delta, "δ");
    expect_close(s.theta, t.theta, "Θ");
    expect_close(s.Q, t.Q, "Q");
    expect_close(s.nu0, t.nu0, "ν₀");
    expect_close(s.nu_C, t.nu_C, "ν_C");
    expect_close(s.I_peak, t.I_peak, "I");
    const SummaryCells cells = summary_cells(s, ',');
    EXPECT_EQ(cells.regime, c.cells.regime);
    EXPECT_EQ(cells.delta, c.cells.delta);
    EXPECT_EQ(cells.theta, c.cells.theta);
    EXPECT_EQ(cells.Q, c.cells.Q);
    EXPECT_EQ(cells.nu0, c.cells.nu0);
    EXPECT_EQ(cells.peak, c.cells.peak);
}

INSTANTIATE_TEST_SUITE_P(
    Circuits, Summary,
    ::testing::Values(
        // δ = 5, ω₀ = 316,2: Θ = 2π·5/316,2 = 0,09936, Q = 31,62; U_C peaks at
        // √(ν₀² − 2h²) = 50,32 Hz, h = R/4πL = 0,7958 Hz.
        SummaryCase{"start_up",
                    {0.002, 0.005, 0.02, 15, 5, 47, 40},
                    Regime::oscillatory,
                    "колебательный",
                    false,
                    {"колебательный", "5 1/с", "0,09936", "31,62", "50,33 Гц",
                     "ν_C = 50,32 Гц; I = 250 А"}},
        // δ = ω₀ = 1000 exactly.
        SummaryCase{"critical",
                    {0.002, 0.0005, 4, 15, 0, 0, 3},
                    Regime::critical,
                    "критический",
                    false,
                    {"критический", "1000 1/с", "∞", "0", "159,2 Гц", "—"}},
        SummaryCase{"aperiodic_with_a_source",
                    {0.002, 0.0005, 20, 15, 5, 50, 3},
                    Regime::aperiodic,
                    "апериодический",
                    false,
                    {"апериодический", "5000 1/с", "∞", "0", "159,2 Гц", "ν_C нет; I = 0,25 А"}},
        // Without a resistor the peak has no top and Q no bound.
        SummaryCase{"lc_driven",
                    {0.002, 0.005, 0, 0, 5, 45, 40},
                    Regime::undamped,
                    "незатухающий",
                    true,
                    {"незатухающий", "0 1/с", "0", "∞", "50,33 Гц", "ν_C = 50,33 Гц; I = ∞"}},
        SummaryCase{"lc_free",
                    {0.002, 0.005, 0, 15, 0, 0, 10},
                    Regime::undamped_dc,
                    "незатухающий",
                    false,
                    {"незатухающий", "0 1/с", "0", "∞", "50,33 Гц", "—"}},
        SummaryCase{"rc",
                    {0, 0.001, 10, 0, 5, 0, 5},
                    std::nullopt,
                    "цепь RC",
                    false,
                    {"цепь RC", "100 1/с", "—", "—", "—", "—"}},
        SummaryCase{"rl",
                    {0.1, 0, 10, 0, 5, 0, 5},
                    std::nullopt,
                    "цепь RL",
                    false,
                    {"цепь RL", "100 1/с", "—", "—", "—", "—"}},
        SummaryCase{"resistor",
                    {0, 0, 10, 0, 5, 50, 5},
                    std::nullopt,
                    "цепь R",
                    false,
                    {"цепь R", "—", "—", "—", "—", "—"}}),
    testing::CaseName{});

TEST(Summary, AnEarlierCircuitLeavesNothingBehind) {
    // The model keeps Θ and Q of an earlier oscillating circuit in its scalars; the summary of an
    // aperiodic one shows what the panel shows.
    SimulationState s = circuit({0.002, 0.005, 0.02, 15, 5, 47, 40});
    ASSERT_NE(s.theta, 0);
    static_cast<Parameters&>(s) = Parameters{0.002, 0.005, 20, 15, 5, 47, 40};
    recompute(s);
    const CircuitSummary summary = circuit_summary(s);
    EXPECT_EQ(summary.regime, Regime::aperiodic);
    EXPECT_EQ(summary.theta, inf);
    EXPECT_EQ(summary.Q, 0);
}

} // namespace
} // namespace ovrelan
