#include "model/sweep_values.h"

#include "model/characteristics.h"
#include "model/circuit_kind.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::circuit;
using testing::defaults;
using testing::started_state;

// The start-up circuit's 2·√(L/C) and 1/(2π√(LC)) as a reader works them out; the marked values
// lie within a few roundings of them.
const double start_Rk = 2 * std::sqrt(0.002 / 0.005);
const double start_nu0 = 1 / (2 * std::numbers::pi * std::sqrt(0.002 * 0.005));

// The start-up circuit's Rк and ν₀ as the list items «Rк» and «ν₀» give them.
double Rk() {
    return *critical_resistance(started_state());
}
double nu0() {
    return *model_natural_frequency(started_state());
}

// What the expected values of a case are counted in.
enum class In { units, Rk, nu0 };

struct ValuesCase {
    const char* name;
    Field field;
    const char* text;
    std::vector<double> typed;           // the values, in the field's unit or in Rк or ν₀
    std::vector<std::string> refused;    // the items given that are no value
    const char* error = "";              // a piece of the reason the whole text is refused
    std::vector<std::string> texts = {}; // what goes into the field, when it matters
    In in = In::units;
};

void PrintTo(const ValuesCase& c, std::ostream* os) {
    *os << c.name;
}

class SweepValuesRead : public ::testing::TestWithParam<ValuesCase> {};

TEST_P(SweepValuesRead, ValuesItemsAndErrors) {
    const ValuesCase& c = GetParam();
    const SweepValues v = read_sweep_values(c.field, c.text, started_state());
    if (*c.error != '\0') {
        EXPECT_NE(v.error.find(c.error), std::string::npos) << v.error;
        EXPECT_TRUE(v.values.empty());
        EXPECT_TRUE(v.refused.empty());
        return;
    }
    EXPECT_EQ(v.error, "");
    ASSERT_EQ(v.values.size(), c.typed.size());
    const double unit = c.in == In::Rk ? Rk() : c.in == In::nu0 ? nu0() : 1;
    for (std::size_t i = 0; i < c.typed.size(); ++i) {
        const double expected = c.typed[i] * unit;
        // Between the ends of a range a value is worked out and rounded to 15 digits.
        EXPECT_NEAR(v.values[i].typed, expected, 4e-16 * std::fabs(expected)) << i;
        // What goes into the field reads back as the value, as typing it would.
        EXPECT_EQ(field_change(c.field, v.values[i].text).value,
                  v.values[i].typed * field_entry(c.field).factor)
            << v.values[i].text;
    }
    for (std::size_t i = 0; i < c.texts.size(); ++i) {
        EXPECT_EQ(v.values[i].text, c.texts[i]);
    }
    ASSERT_EQ(v.refused.size(), c.refused.size());
    for (std::size_t i = 0; i < c.refused.size(); ++i) {
        EXPECT_EQ(v.refused[i].given, c.refused[i]);
        EXPECT_EQ(v.refused[i].reason, "не число");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SweepValuesRead,
    ::testing::Values(
        ValuesCase{
            "points", Field::R, "0.5; 1.265; 3", {0.5, 1.265, 3}, {}, "", {"0.5", "1.265", "3"}},
        ValuesCase{"decimal_commas", Field::R, "0,5;1,265;3", {0.5, 1.265, 3}, {}},
        ValuesCase{"blanks_and_empty_items", Field::R, " 0.5 ;; 3 ;\n", {0.5, 3}, {}},
        ValuesCase{"blanks_inside_a_number", Field::L, "1 000; 2 000", {1000, 2000}, {}},
        ValuesCase{"exponents_in_the_field_unit", Field::C, "1e3; 2.5E3", {1000, 2500}, {}},
        ValuesCase{"negative_and_zero", Field::Uo, "-15; 0; +15", {-15, 0, 15}, {}},
        ValuesCase{
            "not_numbers_are_named", Field::R, "0.5; abc; 3 Ом; 1e", {0.5}, {"abc", "3 Ом", "1e"}},
        ValuesCase{
            "ready_choices_of_R", Field::R, "0,5·Rк; Rк; 2·Rк", {0.5, 1, 2}, {}, "", {}, In::Rk},
        ValuesCase{"R_multiples_in_latin",
                   Field::R,
                   "0.5*Rk; RK; 2Rk; 3 × Rк",
                   {0.5, 1, 2, 3},
                   {},
                   "",
                   {},
                   In::Rk},
        ValuesCase{"ready_choices_of_nu",
                   Field::nu,
                   "0,9·ν₀; ν₀; 1,1·ν₀",
                   {0.9, 1, 1.1},
                   {},
                   "",
                   {},
                   In::nu0},
        ValuesCase{"nu_multiples_in_latin",
                   Field::nu,
                   "0.9nu0; v0; 1.1*ν0",
                   {0.9, 1, 1.1},
                   {},
                   "",
                   {},
                   In::nu0},
        ValuesCase{"a_mark_of_another_field", Field::L, "Rк; 2000; ν₀", {2000}, {"Rк", "ν₀"}},
        ValuesCase{
            "a_factor_that_is_no_number", Field::R, "x·Rк; Rк", {1}, {"x·Rк"}, "", {}, In::Rk},
        ValuesCase{"eight_values", Field::R, "1;2;3;4;5;6;7;8", {1, 2, 3, 4, 5, 6, 7, 8}, {}},
        ValuesCase{"nine_values", Field::R, "1;2;3;4;5;6;7;8;9", {}, {}, "не больше 8"},
        ValuesCase{"nothing", Field::R, " ; ", {}, {}, "не задано ни одного значения"},
        ValuesCase{"Nmax_is_no_family", Field::Nmax, "10; 20", {}, {}, "L, C, R, Uo, ε или ν"}),
    testing::CaseName{});

INSTANTIATE_TEST_SUITE_P(
    Ranges, SweepValuesRead,
    ::testing::Values(
        ValuesCase{"linear", Field::R, "0.5..3:6", {0.5, 1, 1.5, 2, 2.5, 3}, {}},
        ValuesCase{
            "two_values_are_the_ends", Field::R, "0,5 .. 3 : 2", {0.5, 3}, {}, "", {"0,5", "3"}},
        ValuesCase{"falling", Field::Em, "5..-5:3", {5, 0, -5}, {}},
        ValuesCase{"decimals_between",
                   Field::R,
                   "0.1..0.7:7",
                   {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7},
                   {},
                   "",
                   {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7"}},
        ValuesCase{"decimals_by_ratios",
                   Field::nu,
                   "1..1000:4:log",
                   {1, 10, 100, 1000},
                   {},
                   "",
                   {"1", "10", "100", "1000"}},
        ValuesCase{"logarithmic", Field::C, "100..10000:3:log", {100, 1000, 10000}, {}},
        ValuesCase{"logarithmic_in_russian", Field::C, "1..1000:4:лог", {1, 10, 100, 1000}, {}},
        ValuesCase{"logarithmic_negative", Field::Uo, "-1..-100:3:log", {-1, -10, -100}, {}},
        ValuesCase{
            "ends_as_multiples", Field::R, "0,5·Rк..2·Rк:3", {0.5, 1.25, 2}, {}, "", {}, In::Rk},
        ValuesCase{"no_count", Field::R, "1..3", {}, {}, "число значений"},
        ValuesCase{"one_value", Field::R, "1..3:1", {}, {}, "не меньше двух"},
        ValuesCase{"nine_values", Field::R, "1..3:9", {}, {}, "не больше 8"},
        ValuesCase{"count_not_whole", Field::R, "1..3:2.5", {}, {}, "не целое число"},
        ValuesCase{"spacing_unknown", Field::R, "1..3:3:lin", {}, {}, "«:log»"},
        ValuesCase{"logarithmic_through_zero", Field::R, "0..10:3:log", {}, {}, "одного знака"},
        ValuesCase{"logarithmic_across_zero", Field::Uo, "-1..10:3:log", {}, {}, "одного знака"},
        ValuesCase{"end_no_number", Field::R, "a..3:3", {}, {}, "начало диапазона «a»: не число"},
        ValuesCase{"end_infinite", Field::R, "1..1e999:3", {}, {}, "конечными"},
        ValuesCase{"range_and_list", Field::R, "1..3:3; 5", {}, {}, "без «;»"}),
    testing::CaseName{});

TEST(SweepValues, TheMarkedValuesAreTheModelsOwn) {
    // Rк: the model's own numbers give exactly δ = ω₀ there, so the regime is the critical one,
    // within a few roundings of 2·√(L/C).
    for (const Parameters& p :
         {defaults(), Parameters{1, 1, 0, 15, 0, 0, 3}, Parameters{0.001, 1e-6, 7, 1, 1, 100, 3},
          Parameters{0.1, 0.00022, 1, 0, 5, 20, 3}}) {
        const SimulationState present = circuit(p);
        const std::optional<double> R = critical_resistance(present);
        ASSERT_TRUE(R);
        EXPECT_NEAR(*R, 2 * std::sqrt(p.L / p.C), 8e-16 * *R);
        SimulationState s = present;
        s.R = *R;
        ASSERT_EQ(calc_characteristics(s).kind, PassKind::computed);
        EXPECT_EQ(regime(s), Regime::critical) << p.L << " " << p.C;

        // ν₀: the source's ω is ω₀ exactly (β = 1); the model's 2π differs from π's by 3e-11.
        const std::optional<double> nu = model_natural_frequency(present);
        ASSERT_TRUE(nu);
        EXPECT_NEAR(*nu, 1 / (2 * std::numbers::pi * std::sqrt(p.L * p.C)), 1e-10 * *nu);
        s = present;
        s.nu = *nu;
        ASSERT_EQ(calc_characteristics(s).kind, PassKind::computed);
        EXPECT_EQ(s.b, 1);
    }
    EXPECT_NEAR(Rk(), start_Rk, 4e-16 * start_Rk);
    EXPECT_NEAR(nu0(), start_nu0, 1e-9 * start_nu0);
}

TEST(SweepValues, WithoutACoilOrACapacitorThereIsNoRkNorNu0) {
    const SimulationState rc = circuit({0, 0.001, 10, 0, 5, 0, 5});
    const SimulationState rl = circuit({0.1, 0, 10, 0, 5, 0, 5});
    for (const SimulationState* s : {&rc, &rl}) {
        EXPECT_FALSE(critical_resistance(*s));
        EXPECT_FALSE(model_natural_frequency(*s));
        EXPECT_FALSE(ready_choices(Field::R, *s));
        const SweepValues v = read_sweep_values(Field::R, "1; Rк", *s);
        ASSERT_EQ(v.refused.size(), 1U);
        EXPECT_EQ(v.refused[0].given, "Rк");
        EXPECT_NE(v.refused[0].reason.find("нет критического сопротивления Rк"), std::string::npos);
        EXPECT_EQ(read_sweep_values(Field::nu, "ν₀", *s).refused.at(0).reason,
                  "у цепи без катушки или конденсатора нет собственной частоты ν₀");
    }
}

TEST(SweepValues, ReadyChoicesReadAsTheirValues) {
    const SimulationState s = started_state();
    EXPECT_EQ(ready_choices(Field::R, s), "0,5·Rк; Rк; 2·Rк");
    EXPECT_EQ(ready_choices(Field::nu, s), "0,9·ν₀; ν₀; 1,1·ν₀");
    for (const Field f : {Field::L, Field::C, Field::Uo, Field::Em, Field::Nmax}) {
        EXPECT_FALSE(ready_choices(f, s));
    }
    const SweepValues R = read_sweep_values(Field::R, *ready_choices(Field::R, s), s);
    ASSERT_EQ(R.values.size(), 3U);
    EXPECT_EQ(sweep_mark(Field::R, R.values[1].typed, s), SweepMark::critical_resistance);
    EXPECT_EQ(sweep_mark(Field::R, R.values[0].typed, s), SweepMark::none);
    EXPECT_EQ(sweep_mark(Field::R, start_Rk, s) == SweepMark::critical_resistance,
              start_Rk == Rk());
    const SweepValues nu = read_sweep_values(Field::nu, *ready_choices(Field::nu, s), s);
    ASSERT_EQ(nu.values.size(), 3U);
    EXPECT_EQ(sweep_mark(Field::nu, nu.values[1].typed, s), SweepMark::natural_frequency);
    EXPECT_EQ(sweep_mark(Field::L, 0.002, s), SweepMark::none);
}

TEST(SweepValues, RangesFromTheirParts) {
    const SimulationState s = started_state();
    const SweepValues v = range_values(Field::C, {"1000", "5000", 5, false}, s);
    ASSERT_EQ(v.values.size(), 5U);
    EXPECT_EQ(v.values[2].typed, 3000);
    EXPECT_EQ(range_values(Field::C, {"1000", "5000", 9, false}, s).error,
              "значений 9, а кривых в семействе не больше 8");
    EXPECT_EQ(range_values(Field::C, {"1000", "", 3, false}, s).error,
              "конец диапазона «»: не число");
}

TEST(SweepValues, ParametersByName) {
    struct Name {
        const char* name;
        std::optional<Field> field;
    };
    for (const Name& n :
         {Name{"L", Field::L}, Name{"C", Field::C}, Name{"R", Field::R}, Name{"Uo", Field::Uo},
          Name{"Em", Field::Em}, Name{"ε", Field::Em}, Name{"nu", Field::nu}, Name{"ν", Field::nu},
          Name{"Nmax", std::nullopt}, Name{"r", std::nullopt}, Name{"", std::nullopt}}) {
        EXPECT_EQ(sweep_parameter(n.name), n.field) << n.name;
    }
}

struct LabelCase {
    const char* name;
    Field field;
    double typed;
    SweepMark mark;
    int digits;
    char separator;
    const char* label;
    const char* key;
};

void PrintTo(const LabelCase& c, std::ostream* os) {
    *os << c.name;
}

class SweepLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(SweepLabels, LegendAndHeader) {
    const LabelCase& c = GetParam();
    EXPECT_EQ(sweep_label(c.field, c.typed, c.mark, c.digits, c.separator), c.label);
    EXPECT_EQ(sweep_key(c.field, c.typed, c.digits, '.'), c.key);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, SweepLabels,
    ::testing::Values(
        LabelCase{"critical", Field::R, 1.2649110640673515, SweepMark::critical_resistance, 4, ',',
                  "R = 1,265 Ом (Rк)", "R=1.265"},
        LabelCase{"half", Field::R, 0.5, SweepMark::none, 4, ',', "R = 0,5 Ом", "R=0.5"},
        LabelCase{"point", Field::R, 0.5, SweepMark::none, 4, '.', "R = 0.5 Ом", "R=0.5"},
        LabelCase{"coil", Field::L, 2000, SweepMark::none, 4, ',', "L = 2000 мкГн", "L=2000"},
        LabelCase{"capacitor", Field::C, 4700, SweepMark::none, 4, ',', "C = 4700 мкФ", "C=4700"},
        LabelCase{"voltage", Field::Uo, -15, SweepMark::none, 4, ',', "Uo = −15 В", "Uo=-15"},
        LabelCase{"emf", Field::Em, 5, SweepMark::none, 4, ',', "ε = 5 В", "Em=5"},
        LabelCase{"natural", Field::nu, 50.329212104487034, SweepMark::natural_frequency, 4, ',',
                  "ν = 50,33 Гц (ν₀)", "nu=50.33"},
        LabelCase{"more_digits", Field::R, 1.26491, SweepMark::none, 6, ',', "R = 1,26491 Ом",
                  "R=1.26491"}),
    testing::CaseName{});

TEST(SweepLabels, DigitsTellTheMembersApart) {
    struct DigitsCase {
        std::vector<double> typed;
        int digits;
    };
    for (const DigitsCase& c :
         {DigitsCase{{}, 4}, DigitsCase{{0.5, 1.265, 3}, 4}, DigitsCase{{2000, 5000}, 4},
          DigitsCase{{1.2649, 1.2651}, 5}, DigitsCase{{1, 1.00001}, 6}, DigitsCase{{3, 3, 4}, 4},
          DigitsCase{{1, std::nextafter(1.0, 2.0)}, 17}}) {
        EXPECT_EQ(label_digits(c.typed), c.digits) << c.typed.size();
    }
}

} // namespace
} // namespace ovrelan
