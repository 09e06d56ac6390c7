#include "chain/family.h"

#include "model/circuit_summary.h"
#include "solution/solution_arrays.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::circuit;
using testing::defaults;
using testing::expect_same_state;
using testing::started_state;

// The value typed into its field of the present circuit, as the student would: the chain on the
// present state itself, arrays and all.
SimulationState typed_into(SimulationState present, Field field, const std::string& text) {
    const ChainResult r = enter_text(present, field, text);
    EXPECT_TRUE(r.notices.empty()) << text;
    return present;
}

TEST(Family, RAcrossTheCriticalResistanceOfTheStartUpCircuit) {
    const SimulationState present = started_state();
    const Family f = build_family(present, Field::R, "0,5·Rк; Rк; 2·Rк");
    EXPECT_EQ(f.error, "");
    EXPECT_TRUE(f.refused.empty());
    ASSERT_EQ(f.members.size(), 3U);

    struct Expected {
        const char* label;
        const char* word;
        Regime regime;
        const char* caption;
    };
    const Expected expected[] = {
        {"R = 0,6325 Ом", "колебательный", Regime::oscillatory,
         "Контур RLC: колебательный режим (затухающие колебания)"},
        {"R = 1,265 Ом (Rк)", "критический", Regime::critical, "Контур RLC: критический режим"},
        {"R = 2,53 Ом", "апериодический", Regime::aperiodic, "Контур RLC: апериодический режим"},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const FamilyMember& m = f.members[i];
        SCOPED_TRACE(m.label);
        EXPECT_EQ(m.label, expected[i].label);
        const CircuitSummary summary = circuit_summary(m.state);
        EXPECT_EQ(summary.regime, expected[i].regime);
        EXPECT_EQ(summary.regime_word, expected[i].word);
        EXPECT_EQ(summary.caption, expected[i].caption);
        // Every member is the single solve of its value, point by point, with its own grid.
        expect_same_state(m.state, typed_into(present, Field::R, m.value.text));
        EXPECT_EQ(m.state.k_now, 0);
        EXPECT_EQ(m.state.L, present.L);
        EXPECT_EQ(m.state.C, present.C);
    }
    // R = 2√(L/C): δ = R/(2L) = √(1/(LC)) = ω₀, the border between the regimes.
    EXPECT_NEAR(f.members[1].state.R, 2 * std::sqrt(0.002 / 0.005), 4e-16);
    EXPECT_EQ(f.members[0].state.R, f.members[1].state.R / 2);
    EXPECT_EQ(f.members[2].state.R, f.members[1].state.R * 2);
}

TEST(Family, MembersAreSolvesOfTheValuesAsTyped) {
    // Values typed as a student types them, in the field's unit, across parameters.
    struct Sweep {
        Field field;
        const char* text;
    };
    const SimulationState present = started_state();
    for (const Sweep& sweep :
         {Sweep{Field::L, "500; 2000; 8000"}, Sweep{Field::C, "1000; 5000"},
          Sweep{Field::R, "0; 0.02; 1,265; 30"}, Sweep{Field::Uo, "-15; 0; 15"},
          Sweep{Field::Em, "0; 5; 50"}, Sweep{Field::nu, "0; 25; 47; 100"}}) {
        const Family f = build_family(present, sweep.field, sweep.text);
        EXPECT_TRUE(f.refused.empty()) << sweep.text;
        for (const FamilyMember& m : f.members) {
            SCOPED_TRACE(m.label);
            expect_same_state(m.state, typed_into(present, sweep.field, m.value.text));
        }
    }
}

TEST(Family, TheGridsOfACapacitanceFamilyDiffer) {
    // C moves ω₀, the time scale: the same number of points over other times.
    const Family f = build_family(started_state(), Field::C, "1000; 5000");
    ASSERT_EQ(f.members.size(), 2U);
    const SimulationState& a = f.members[0].state;
    const SimulationState& b = f.members[1].state;
    EXPECT_NE(a.t_scale, b.t_scale);
    EXPECT_NEAR(a.t_scale / b.t_scale, std::sqrt(1000.0 / 5000.0), 1e-15);
    // Nmax natural periods each: the last time is Nmax·To of each circuit.
    for (const SimulationState* s : {&a, &b}) {
        const double To = 2 * std::numbers::pi * std::sqrt(s->L * s->C);
        EXPECT_NEAR(s->t_grid[last_computed_index(*s)] * s->t_scale, 40 * To, 40 * To * 2e-3);
    }
}

struct RefusedCase {
    const char* name;
    Parameters present;
    Field field;
    const char* text;
    std::vector<std::string> labels;  // the members made
    std::vector<std::string> refused; // «named: reason» for each left out
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class FamilyRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(FamilyRefused, NamedWithTheirReasons) {
    const RefusedCase& c = GetParam();
    const SimulationState present = circuit(c.present);
    const Family f = build_family(present, c.field, c.text);
    EXPECT_EQ(f.error, "");
    std::vector<std::string> labels;
    for (const FamilyMember& m : f.members) {
        labels.push_back(m.label);
    }
    EXPECT_EQ(labels, c.labels);
    std::vector<std::string> refused;
    for (const RefusedMember& r : f.refused) {
        refused.push_back(r.shown());
    }
    EXPECT_EQ(refused, c.refused);
    // What was typed into the family never touches the present circuit.
    expect_same_state(present, circuit(c.present));
}

const std::string negative = "не может быть отрицательным! Не вводите заново, а исправьте!";

INSTANTIATE_TEST_SUITE_P(
    Values, FamilyRefused,
    ::testing::Values(
        RefusedCase{"negative_resistance",
                    defaults(),
                    Field::R,
                    "-1; 0.5",
                    {"R = 0,5 Ом"},
                    {"R = −1 Ом: " + negative}},
        RefusedCase{"negative_capacitance",
                    defaults(),
                    Field::C,
                    "5000; -1",
                    {"C = 5000 мкФ"},
                    {"C = −1 мкФ: " + negative}},
        RefusedCase{"vanishes_into_zero",
                    defaults(),
                    Field::L,
                    "1e-320; 2000",
                    {"L = 2000 мкГн"},
                    {"L = 1·10⁻³²⁰ мкГн: слишком мало: в расчёте оно стало бы нулём! Значение не "
                     "принято."}},
        RefusedCase{"infinite",
                    defaults(),
                    Field::nu,
                    "1e999; 47",
                    {"ν = 47 Гц"},
                    {"ν = ∞ Гц: Расчёт с такими значениями невозможен! Значение не принято."}},
        RefusedCase{"infinite_multiple",
                    defaults(),
                    Field::R,
                    "1e999·Rк; 1",
                    {"R = 1 Ом"},
                    {"R = ∞ Ом: Расчёт с такими значениями невозможен! Значение не принято."}},
        RefusedCase{"too_many_points",
                    defaults(),
                    Field::nu,
                    "47; 1e6",
                    {"ν = 47 Гц"},
                    {"ν = 1000000 Гц: Слишком много точек расчёта (38\u00a0148\u00a0819)! При "
                     "этих значениях v(Гц) не больше 26213. Значение не принято."}},
        RefusedCase{"repeated",
                    defaults(),
                    Field::R,
                    "0.5; 0,5; 5e-1",
                    {"R = 0,5 Ом"},
                    {"R = 0,5 Ом: это значение в семействе уже есть",
                     "R = 0,5 Ом: это значение в семействе уже есть"}},
        RefusedCase{"not_numbers_first",
                    defaults(),
                    Field::R,
                    "-1; abc; 0.5",
                    {"R = 0,5 Ом"},
                    {"«abc»: не число", "R = −1 Ом: " + negative}},
        // R = 0 without a coil on a constant source: a guard would correct ν.
        RefusedCase{"a_guard_would_correct_it",
                    Parameters{0, 0.001, 10, 0, 5, 0, 5},
                    Field::R,
                    "0; 20",
                    {"R = 20 Ом"},
                    {"R = 0 Ом: Напряжение скачком меняется от Uo до - Em в начальный момент "
                     "времени. Потом постоянно. Ток в начальный момент времени бесконечен, а "
                     "потом равен 0"}}),
    testing::CaseName{});

TEST(Family, LabelsGetTheDigitsThatTellMembersApart) {
    const Family f = build_family(started_state(), Field::R, "1.2649; 1.2651; 3");
    ASSERT_EQ(f.members.size(), 3U);
    EXPECT_EQ(f.members[0].label, "R = 1,2649 Ом");
    EXPECT_EQ(f.members[1].label, "R = 1,2651 Ом");
    EXPECT_EQ(f.members[2].label, "R = 3 Ом");
    EXPECT_EQ(f.members[0].key, "R=1.2649");
    EXPECT_EQ(build_family(started_state(), Field::R, "1; 2", '.').members[0].label, "R = 1 Ом");
}

TEST(Family, ATextThatGivesNoFamily) {
    const Family f = build_family(started_state(), Field::R, "1;2;3;4;5;6;7;8;9");
    EXPECT_EQ(f.error, "значений 9, а кривых в семействе не больше 8");
    EXPECT_TRUE(f.members.empty());
    EXPECT_TRUE(f.refused.empty());
}

TEST(Family, EightMembersOfAFrequencyFamily) {
    const Family f = build_family(started_state(), Field::nu, "10..100:8:log");
    ASSERT_EQ(f.members.size(), 8U);
    EXPECT_EQ(f.members.front().state.nu, 10);
    EXPECT_EQ(f.members.back().state.nu, 100);
    EXPECT_EQ(f.members.front().label, "ν = 10 Гц");
    EXPECT_EQ(f.members[1].label, "ν = 13,89 Гц");
}

} // namespace
} // namespace ovrelan
