#include "model/characteristics.h"

#include "model/circuit_kind.h"
#include "solution/solution_arrays.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::circuit;
using testing::defaults;
using testing::expect_same_state;
using testing::guard_numbers;
using testing::resonant_nu;
using testing::started_state;

TEST(CalcCharacteristics, DefaultCircuit) {
    const SimulationState s = started_state();
    EXPECT_EQ(configuration(s), Configuration::rlc);
    EXPECT_EQ(regime(s), Regime::oscillatory);
    EXPECT_NEAR(s.wo, 316.227766, 1e-6);
    EXPECT_DOUBLE_EQ(s.d, 5);
    EXPECT_NEAR(s.a, 0.0158114, 1e-7);
    EXPECT_NEAR(s.b, 0.933851, 1e-6);
    EXPECT_NEAR(s.Rk, 1.264911, 1e-6);
    EXPECT_DOUBLE_EQ(s.Qc, 0.075);
    EXPECT_NEAR(s.Vr, 50.3166, 1e-4);
    EXPECT_NEAR(s.w, 295.30971, 1e-5);
    EXPECT_NEAR(s.Tv, 0.0212766, 1e-7);
    EXPECT_DOUBLE_EQ(s.dt, 3.1415926535 / 24);
    EXPECT_EQ(s.Nt, 1920);
    EXPECT_EQ(s.t_grid.size(), 1921U);
    EXPECT_DOUBLE_EQ(s.t_span, 6.283185307 * 40);
    EXPECT_EQ(s.grid_step, 3.1415926535);
    EXPECT_EQ(s.grid_count, 80);
    EXPECT_DOUBLE_EQ(s.Uc_scale, 15);
    EXPECT_DOUBLE_EQ(s.u0, 1);
    EXPECT_EQ(s.eps, static_cast<float>(5.0 / 15.0));
    EXPECT_DOUBLE_EQ(s.t_scale, 1 / s.wo);
    EXPECT_DOUBLE_EQ(s.I_scale, 15 * s.wo * 0.005);
    EXPECT_NEAR(s.Q, 3.1415926535 / s.theta, 1e-12);
    EXPECT_EQ(s.accepted, defaults());
}

// --- Guards -------------------------------------------------------------------------------

struct GuardCase {
    const char* name;
    Parameters p;
    int number;
    Field field;
    const char* field_text;
    const char* text;
};

void PrintTo(const GuardCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr const char* no_current = "А откуда ток возьмется?!";

class Guards : public ::testing::TestWithParam<GuardCase> {};

TEST_P(Guards, FirstHoldingGuardCorrectsOneParameter) {
    const GuardCase& c = GetParam();
    SimulationState s = started_state();
    static_cast<Parameters&>(s) = c.p;
    const SimulationScalars before = s;
    const PassResult r = calc_characteristics(s);
    ASSERT_EQ(r.kind, PassKind::guarded);
    EXPECT_EQ(r.guard->number, c.number);
    EXPECT_EQ(r.guard->title, "Предупреждение");
    EXPECT_EQ(r.guard->text, c.text);
    EXPECT_EQ(r.guard->field, c.field);
    EXPECT_EQ(r.guard->field_text, c.field_text);
    // Only the corrected parameter changed; nothing was computed.
    EXPECT_EQ(s.*(field_entry(c.field).param), r.guard->corrected);
    EXPECT_EQ(s.wo, before.wo);
    EXPECT_EQ(s.Nt, before.Nt);
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, Guards,
    ::testing::Values(
        GuardCase{"g1_nothing_to_study",
                  {0, 0, 0, 15, 0, 47, 40},
                  1,
                  Field::R,
                  " .02",
                  "А изучать-то что будете?!"},
        GuardCase{
            "g2_resistor_without_source", {0, 0, 3, 15, 0, 47, 40}, 2, Field::Em, " 5", no_current},
        GuardCase{"g3_short_circuit",
                  {0, 0, 0, 15, 5, 47, 40},
                  3,
                  Field::R,
                  " .02",
                  "Это короткое замыкание!"},
        GuardCase{"g4_no_charge_no_source",
                  {0.002, 0.005, 0.02, 0, 0, 47, 40},
                  4,
                  Field::Em,
                  " 5",
                  no_current},
        GuardCase{"g4_before_g5", {0.002, 0, 0.02, 0, 0, 47, 40}, 4, Field::Em, " 5", no_current},
        GuardCase{"g5_coil_without_source",
                  {0.002, 0, 0.02, 15, 0, 47, 40},
                  5,
                  Field::Em,
                  " 5",
                  no_current},
        GuardCase{"g6_capacitor_on_dc",
                  {0, 0.005, 0, 15, 5, 0, 40},
                  6,
                  Field::nu,
                  " 50",
                  "Напряжение скачком меняется от Uo до - Em в начальный момент времени. Потом "
                  "постоянно. Ток в начальный момент времени бесконечен, а потом равен 0"},
        GuardCase{"g6_before_g7",
                  {0, 0.005, 0, 15, 0, 0, 40},
                  6,
                  Field::nu,
                  " 50",
                  "Напряжение скачком меняется от Uo до - Em в начальный момент времени. Потом "
                  "постоянно. Ток в начальный момент времени бесконечен, а потом равен 0"},
        GuardCase{"g7_instant_discharge",
                  {0, 0.005, 0, 15, 0, 47, 40},
                  7,
                  Field::Em,
                  " 5",
                  "Мгновенная разрядка конденсатора бесконечным током!"}),
    testing::CaseName{});

TEST(Guards, ChainSixThenSevenEndsInTheCapacitorOnlyCircuit) {
    SimulationState s = started_state();
    static_cast<Parameters&>(s) = Parameters{0, 0.005, 0, 15, 0, 0, 40};
    EXPECT_EQ(guard_numbers(recompute(s)), (std::vector<int>{6, 7}));
    EXPECT_EQ(s.nu, 50);
    EXPECT_EQ(s.Em, 5);
    EXPECT_EQ(configuration(s), Configuration::c_only);
}

TEST(Guards, AllZeroWalksOneThenTwo) {
    SimulationState s = started_state();
    static_cast<Parameters&>(s) = Parameters{0, 0, 0, 0, 0, 47, 40};
    EXPECT_EQ(guard_numbers(recompute(s)), (std::vector<int>{1, 2}));
    EXPECT_EQ(configuration(s), Configuration::r_only);
}

// --- Configurations -----------------------------------------------------------------------

struct ConfigCase {
    const char* name;
    Parameters p;
    Configuration expected;
};

void PrintTo(const ConfigCase& c, std::ostream* os) {
    *os << c.name;
}

class Configurations : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(Configurations, SelectedByTheFirstMatchingTest) {
    const SimulationState s = circuit(GetParam().p);
    EXPECT_EQ(configuration(s), GetParam().expected);
    EXPECT_EQ(s.accepted, GetParam().p) << "no guard should fire for this case";
}

INSTANTIATE_TEST_SUITE_P(
    All, Configurations,
    ::testing::Values(ConfigCase{"r_only", {0, 0, 2, 15, 5, 0, 40}, Configuration::r_only},
                      ConfigCase{"l_only", {0.002, 0, 0, 15, 5, 0, 40}, Configuration::l_only},
                      ConfigCase{
                          "coil_on_ac_is_rl", {0.002, 0, 0, 15, 5, 50, 40}, Configuration::rl},
                      ConfigCase{"c_only", {0, 0.005, 0, 15, 5, 47, 40}, Configuration::c_only},
                      ConfigCase{"rc", {0, 0.005, 0.02, 15, 5, 47, 40}, Configuration::rc},
                      ConfigCase{"rl", {0.002, 0, 0.02, 15, 5, 47, 40}, Configuration::rl},
                      ConfigCase{"lc", {0.002, 0.005, 0, 15, 5, 47, 40}, Configuration::rlc}),
    testing::CaseName{});

TEST(Configurations, ResistorOnly) {
    const SimulationState dc = circuit({0, 0, 2, 15, 5, 0, 40});
    EXPECT_EQ(dc.w, 0);
    EXPECT_EQ(dc.Ur_scale, 5);
    EXPECT_EQ(dc.I_scale, 2.5);
    EXPECT_EQ(dc.W_scale, 12.5);
    EXPECT_EQ(dc.t_scale, 1);
    EXPECT_DOUBLE_EQ(dc.dt, 3.1415926535 / 2 / 12);
    EXPECT_EQ(dc.Nt, 1920);
    EXPECT_EQ(dc.grid_count, 80);

    const SimulationState ac = circuit({0, 0, 2, 15, -5, 47, 40});
    EXPECT_DOUBLE_EQ(ac.w, 6.283185307 * 47);
    EXPECT_DOUBLE_EQ(ac.Tv, 6.283185307 / ac.w);
    EXPECT_DOUBLE_EQ(ac.W_scale, 25.0 / 2 / 2 / ac.w);
    EXPECT_DOUBLE_EQ(ac.t_scale, 1 / ac.w);
    EXPECT_EQ(ac.Ur_scale, 5);
}

TEST(Configurations, CoilOnly) {
    const SimulationState s = circuit({0.002, 0, 0, 15, -4, 0, 3});
    EXPECT_EQ(s.UL_scale, 4);
    EXPECT_DOUBLE_EQ(s.I_scale, 4 / 0.002);
    EXPECT_DOUBLE_EQ(s.W_scale, 16.0 / 2 / 0.002);
    EXPECT_EQ(s.t_scale, 1);
    EXPECT_EQ(s.Nt, 144);
    EXPECT_DOUBLE_EQ(s.w, 6.283185307 * 47) << "w is not computed: it keeps the start-up value";
}

TEST(Configurations, CapacitorOnly) {
    const SimulationState s = circuit({0, 0.005, 0, 15, 5, 50, 2});
    EXPECT_DOUBLE_EQ(s.w, 6.283185307 * 50);
    EXPECT_EQ(s.Uc_scale, 5);
    EXPECT_DOUBLE_EQ(s.I_scale, 0.005 * s.w * 5);
    EXPECT_DOUBLE_EQ(s.W_scale, 25 * 0.005 / 2);
    EXPECT_DOUBLE_EQ(s.t_scale, 1 / s.w);
    EXPECT_EQ(s.Nt, 96);
}

TEST(Configurations, ResistorCapacitor) {
    const SimulationState s = circuit({0, 0.005, 2, 15, 5, 47, 40});
    EXPECT_DOUBLE_EQ(s.d, 100);
    EXPECT_DOUBLE_EQ(s.wx, std::sqrt(100.0 * 100 + s.w * s.w));
    EXPECT_DOUBLE_EQ(s.Tx, 6.283185307 / s.wx);
    EXPECT_DOUBLE_EQ(s.Tr, 0.01);
    EXPECT_DOUBLE_EQ(s.b, s.w / s.wx);
    EXPECT_DOUBLE_EQ(s.a * s.a + s.b * s.b, 1);
    EXPECT_EQ(s.Uc_scale, 15);
    EXPECT_DOUBLE_EQ(s.I_scale, 7.5);
    EXPECT_EQ(s.Ur_scale, 15);
    EXPECT_DOUBLE_EQ(s.W_scale, 225 * 0.005 / 2);
    EXPECT_DOUBLE_EQ(s.t_scale, 1 / s.wx);
    EXPECT_EQ(s.Nt, 12 * 160);
    // w = 295 > k*d = 121: a quarter of the characteristic period.
    EXPECT_EQ(s.t_unit, static_cast<float>(3.1415926535 / 2));
    EXPECT_DOUBLE_EQ(s.dt, static_cast<double>(s.t_unit) / 12);
    EXPECT_EQ(s.grid_step, static_cast<double>(2.0F * s.t_unit));
}

TEST(Configurations, ResistorCoil) {
    const SimulationState s = circuit({0.002, 0, 0.5, 15, -5, 47, 40});
    EXPECT_DOUBLE_EQ(s.d, 250);
    EXPECT_EQ(s.UL_scale, 5);
    EXPECT_DOUBLE_EQ(s.I_scale, (5 / 0.002) / s.wx);
    EXPECT_EQ(s.Ur_scale, 5);
    EXPECT_DOUBLE_EQ(s.W_scale, s.I_scale * s.I_scale * 0.002 / 2);
    // w = 295 < k*d = 303: the relaxation time, smaller than a quarter period.
    EXPECT_EQ(s.t_unit, static_cast<float>(s.wx / s.d));
    EXPECT_LT(s.t_unit, 3.1415926535 / 2);
}

TEST(Configurations, AConfigurationWritesOnlyItsOwnFields) {
    SimulationState s = started_state();
    const SimulationScalars rlc = s;
    static_cast<Parameters&>(s) = Parameters{0, 0, 2, 15, 5, 47, 40};
    recompute(s);
    ASSERT_EQ(configuration(s), Configuration::r_only);
    for (double SimulationScalars::*kept :
         {&SimulationScalars::wo, &SimulationScalars::d, &SimulationScalars::Rk,
          &SimulationScalars::a, &SimulationScalars::b, &SimulationScalars::K1,
          &SimulationScalars::Uc_scale, &SimulationScalars::UL_scale, &SimulationScalars::Vr}) {
        EXPECT_EQ(s.*kept, rlc.*kept);
    }
    EXPECT_EQ(s.eps, rlc.eps);
    EXPECT_NE(s.I_scale, rlc.I_scale);
}

// --- Quarter unit of R-C and R-L ----------------------------------------------------------

TEST(QuarterUnit, DirectCurrentGivesOne) {
    const SimulationState s = circuit({0, 0.005, 2, 15, 5, 0, 40});
    EXPECT_EQ(s.b, 0);
    EXPECT_EQ(s.a, 1);
    EXPECT_EQ(s.t_unit, 1.0F);
    EXPECT_EQ(s.Tv, started_state().Tv) << "Tv is left as it was";
}

TEST(QuarterUnit, SwitchesAtKTimesD) {
    // R-L with L = 1 H: d = R. Choose nu so that w sits just below or above k*d.
    const double k = std::sqrt(3.1415926535 * 3.1415926535 / 4 - 1);
    const double R = 100;
    const double nu_switch = k * R / 6.283185307;
    const SimulationState below = circuit({1, 0, R, 15, 5, nu_switch * (1 - 1e-6), 40});
    const SimulationState above = circuit({1, 0, R, 15, 5, nu_switch * (1 + 1e-6), 40});
    EXPECT_EQ(above.t_unit, static_cast<float>(3.1415926535 / 2));
    EXPECT_EQ(below.t_unit, static_cast<float>(below.wx / below.d));
    EXPECT_LE(below.t_unit, static_cast<float>(3.1415926535 / 2));
    EXPECT_NEAR(below.t_unit, 3.1415926535 / 2, 1e-5);
}

// --- Regimes ------------------------------------------------------------------------------

struct RegimeCase {
    const char* name;
    Parameters p;
    Regime expected;
};

void PrintTo(const RegimeCase& c, std::ostream* os) {
    *os << c.name;
}

class Regimes : public ::testing::TestWithParam<RegimeCase> {};

TEST_P(Regimes, SelectedByExactTests) {
    const SimulationState s = circuit(GetParam().p);
    ASSERT_EQ(configuration(s), Configuration::rlc);
    EXPECT_EQ(regime(s), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    All, Regimes,
    ::testing::Values(
        RegimeCase{"oscillatory", {0.002, 0.005, 0.02, 15, 5, 47, 40}, Regime::oscillatory},
        RegimeCase{"aperiodic", {0.002, 0.005, 100, 15, 5, 47, 40}, Regime::aperiodic},
        RegimeCase{"critical", {0.25, 1, 1, 15, 5, 0, 4}, Regime::critical},
        RegimeCase{"undamped_dc", {0.002, 0.005, 0, 15, 5, 0, 4}, Regime::undamped_dc},
        RegimeCase{"undamped", {0.002, 0.005, 0, 15, 5, 47, 4}, Regime::undamped},
        RegimeCase{
            "undamped_resonance", {1, 1, 0, 15, 5, resonant_nu(), 4}, Regime::undamped_resonance},
        RegimeCase{"near_critical_low", {0.25, 1, 0.999999, 15, 5, 0, 4}, Regime::oscillatory},
        RegimeCase{"near_critical_high", {0.25, 1, 1.000001, 15, 5, 0, 4}, Regime::aperiodic}),
    testing::CaseName{});

TEST(Regimes, CriticalLeavesPeriodAndDecrement) {
    SimulationState s = started_state();
    const double T = s.T;
    const double theta = s.theta;
    static_cast<Parameters&>(s) = Parameters{0.25, 1, 1, 15, 5, 0, 4};
    recompute(s);
    EXPECT_EQ(s.wo, s.d);
    EXPECT_EQ(s.g, 0);
    EXPECT_EQ(s.T, T);
    EXPECT_EQ(s.theta, theta);
    // a = 1 branch: K1 = A - b*Asin, K2 = A with A = u0 - Acos.
    EXPECT_EQ(s.K2, s.u0 - s.Acos);
    EXPECT_EQ(s.K1, s.K2 - s.b * s.Asin);
}

TEST(Regimes, UndampedLeavesQAndResonanceLeavesTheConstants) {
    SimulationState s = started_state();
    const double Q = s.Q;
    static_cast<Parameters&>(s) = Parameters{0.002, 0.005, 0, 15, 5, 47, 4};
    recompute(s);
    EXPECT_EQ(s.d, 0);
    EXPECT_EQ(s.a, 0);
    EXPECT_EQ(s.theta, 0);
    EXPECT_EQ(s.Q, Q);

    const SimulationScalars before = s;
    static_cast<Parameters&>(s) = Parameters{1, 1, 0, 15, 5, resonant_nu(), 4};
    recompute(s);
    ASSERT_EQ(regime(s), Regime::undamped_resonance);
    EXPECT_EQ(s.Acos, before.Acos);
    EXPECT_EQ(s.Asin, before.Asin);
    EXPECT_EQ(s.K1, before.K1);
    EXPECT_EQ(s.K2, before.K2);
}

TEST(Grid, SourceAboveTheNaturalFrequencyRefinesTheStep) {
    // L = C = 1: wo = 1; b = 2 when w = 2.
    const SimulationState s = circuit({1, 1, 0.1, 15, 5, 2 / 6.283185307, 3});
    EXPECT_DOUBLE_EQ(s.b, 2);
    EXPECT_DOUBLE_EQ(s.dt, 3.1415926535 / 48);
    EXPECT_EQ(s.Nt, 96 * 3);
}

TEST(Grid, FractionalIntervals) {
    const SimulationState r = circuit({0, 0, 2, 15, 5, 0, 2.5});
    EXPECT_EQ(r.Nt, 120);
    EXPECT_EQ(r.t_grid.size(), 121U);

    const SimulationState rc = circuit({0, 0.005, 2, 15, 5, 47, 2.55});
    EXPECT_NEAR(rc.Nt, 122.4, 1e-9);
    EXPECT_NEAR(rc.grid_count, 5.1, 1e-12);
    EXPECT_EQ(rc.t_grid.size(), 123U);
    EXPECT_DOUBLE_EQ(rc.t_grid[122], 122 * rc.dt);

    // 122.88 rounds up: the last element is never written.
    const SimulationState up = circuit({0, 0.005, 2, 15, 5, 47, 2.56});
    ASSERT_EQ(up.t_grid.size(), 124U);
    EXPECT_DOUBLE_EQ(up.t_grid[122], 122 * up.dt);
    EXPECT_EQ(up.t_grid[123], 0);
    EXPECT_EQ(up.Uc_t[123], 0);
}

// --- Sound behaviour where the plain rules would fail -------------------------------------

TEST(NegativeFrequency, ComputesWithItsMagnitude) {
    const Parameters cases[] = {
        {0.002, 0.005, 0.02, 15, 5, 47, 4}, // R-L-C
        {0, 0.005, 2, 15, 5, 47, 4},        // R-C
        {0.002, 0, 0.5, 15, 5, 47, 4},      // R-L
        {0.002, 0, 0, 15, 5, 47, 4},        // coil on AC
        {0, 0, 2, 15, 5, 47, 4},            // resistor
        {0, 0.005, 0, 15, 5, 47, 4},        // capacitor
    };
    for (const Parameters& p : cases) {
        Parameters negative = p;
        negative.nu = -p.nu;
        const SimulationState pos = circuit(p);
        const SimulationState neg = circuit(negative);
        EXPECT_EQ(neg.nu, -p.nu) << "the typed value stays";
        EXPECT_EQ(neg.w, pos.w);
        EXPECT_EQ(neg.Nt, pos.Nt);
        EXPECT_EQ(neg.Uc_t, pos.Uc_t);
        EXPECT_EQ(neg.I_t, pos.I_t);
        EXPECT_EQ(neg.UL_t, pos.UL_t);
    }
    // Undamped resonance at a negative frequency: b = 1, no division by zero.
    const SimulationState res = circuit({1, 1, 0, 15, 5, -resonant_nu(), 4});
    EXPECT_EQ(regime(res), Regime::undamped_resonance);
    for (double v : res.Uc_t) {
        ASSERT_TRUE(std::isfinite(v));
    }
}

struct RefusalCase {
    const char* name;
    Parameters base;         // an accepted circuit
    Field field;             // the field typed into
    double typed;            // value held after the field's conversion
    const char* text;        // the message
    const char* restored_as; // text written back into the field
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

// The pass refuses; the chain puts the value from before the edit back into the field and the
// model, and the arrays are those of the last completed pass.
TEST_P(Refusals, LeaveTheStateExactlyAsItWas) {
    const RefusalCase& c = GetParam();
    SimulationState s = circuit(c.base);
    const SimulationState before = s;
    store_field_value(s, c.field, c.typed);
    const SimulationScalars typed = s;
    EXPECT_EQ(compute_pass(s, c.field).kind, PassKind::refused);
    EXPECT_EQ(static_cast<const SimulationScalars&>(s).Uc_scale, before.Uc_scale);
    EXPECT_EQ(static_cast<const Parameters&>(s), static_cast<const Parameters&>(typed))
        << "the refused value stays for the chain to put back";
    const ChainResult r = recompute(s, c.field);
    ASSERT_EQ(r.notices.size(), 1U);
    const Notice& n = r.notices[0];
    EXPECT_EQ(n.cause, NoticeCause::refusal);
    EXPECT_EQ(n.title, "Предупреждение");
    EXPECT_EQ(n.text, c.text);
    EXPECT_EQ(n.writes, (std::vector<FieldWrite>{{c.field, c.restored_as}}));
    EXPECT_EQ(n.field, c.field);
    expect_same_state(s, before);
}

constexpr const char* impossible = "Расчёт с такими значениями невозможен! Значение не принято.";

INSTANTIATE_TEST_SUITE_P(
    NonFiniteOrTooLarge, Refusals,
    ::testing::Values(
        RefusalCase{"huge_frequency", defaults(), Field::nu, 1e308, impossible, " 47"},
        RefusalCase{"infinite_inductance", defaults(), Field::L,
                    std::numeric_limits<double>::infinity(), impossible, " 2000"},
        RefusalCase{"tiny_inductance", defaults(), Field::L, 1e-320, impossible, " 2000"},
        RefusalCase{"too_many_points", defaults(), Field::Nmax, 30000,
                    "Слишком много точек расчёта (1\u00A0440\u00A0001)! При этих значениях Nmax "
                    "не больше 20833. Значение не принято.",
                    " 40"},
        RefusalCase{"absurd_interval", defaults(), Field::Nmax, 1e300,
                    "Слишком много точек расчёта (4.8E+301)! При этих значениях Nmax не больше "
                    "20833. Значение не принято.",
                    " 40"},
        RefusalCase{"negative_interval_set_directly", defaults(), Field::Nmax, -2, impossible,
                    " 40"},
        // The scalars are finite here, but the normalised capacitor voltage is not.
        RefusalCase{
            "array_overflow", {0, 0.005, 2, 1e-150, 5, 47, 4}, Field::Em, 1e300, impossible, " 5"},
        // Finite normalised arrays whose values in SI units are not: times beyond the double
        // range (a source turning once in 1e308 s), energies beyond it.
        RefusalCase{"seconds_beyond_doubles",
                    {0, 0, 0.02, 15, 1e-100, 47, 2},
                    Field::nu,
                    1e-308,
                    impossible,
                    " 47"},
        RefusalCase{"joules_beyond_doubles",
                    {0.002, 1.7, 0, 1e154, 1e150, 0, 1},
                    Field::Em,
                    1e154,
                    impossible,
                    " 1E+150"}),
    testing::CaseName{});

TEST(Refusals, TheLargestGridIsAccepted) {
    // 20833 periods: 999 984 steps, 999 985 points.
    const SimulationState s = circuit({0.002, 0.005, 0.02, 15, 5, 47, 20833});
    EXPECT_EQ(s.Nmax, 20833);
    EXPECT_EQ(s.t_grid.size(), 999985U);
}

TEST(Refusals, TheRestoredValueReadsBackAndCompletes) {
    SimulationState s = started_state();
    s.Nmax = 1e7;
    const ChainResult r = recompute(s);
    ASSERT_EQ(r.notices.size(), 1U);
    EXPECT_EQ(r.notices[0].cause, NoticeCause::refusal);
    EXPECT_EQ(s.Nmax, 40);
    EXPECT_EQ(s.t_grid.size(), 1921U);
}

} // namespace
} // namespace ovrelan
