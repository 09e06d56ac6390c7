#include "tools/solve_sweep.h"

#include "tools/solve_report.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>

namespace ovrelan {
namespace {

struct ArgumentCase {
    const char* name;
    const char* argument;
    Field field;
    const char* values; // the list as the reader takes it, or a piece of the reason
    bool taken;
};

void PrintTo(const ArgumentCase& c, std::ostream* os) {
    *os << c.name;
}

class SweepArgumentRead : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(SweepArgumentRead, ParameterAndValues) {
    const ArgumentCase& c = GetParam();
    const auto read = parse_sweep_argument(c.argument);
    if (!c.taken) {
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_NE(std::get<std::string>(read).find(c.values), std::string::npos)
            << std::get<std::string>(read);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<SweepArgument>(read)) << std::get<std::string>(read);
    EXPECT_EQ(std::get<SweepArgument>(read).field, c.field);
    EXPECT_EQ(std::get<SweepArgument>(read).values, c.values);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SweepArgumentRead,
    ::testing::Values(
        ArgumentCase{"commas_separate", "R=0.5,1.265,3", Field::R, "0.5;1.265;3", true},
        ArgumentCase{"semicolons_keep_decimal_commas", "R=0,5;1,265;3", Field::R, "0,5;1,265;3",
                     true},
        ArgumentCase{"a_range_keeps_its_commas", "C=0,5..3:5", Field::C, "0,5..3:5", true},
        ArgumentCase{"multiples", "nu=0.9nu0,nu0,1.1nu0", Field::nu, "0.9nu0;nu0;1.1nu0", true},
        ArgumentCase{"greek_letter", "ε=1,2", Field::Em, "1;2", true},
        ArgumentCase{"no_equals", "R0.5", Field::R, "ИМЯ=ЗНАЧЕНИЯ", false},
        ArgumentCase{"unknown_parameter", "Nmax=1,2", Field::R, "нет параметра «Nmax»", false}),
    testing::CaseName{});

TEST(SweepJson, EveryMemberWithItsPhysicsAndEveryValueLeftOut) {
    const SolveRun run = run_solve({});
    const Family f = build_family(run.state, Field::R, "0,5·Rк; Rк; 2·Rк; -1");
    const nlohmann::ordered_json members = family_json(f);
    ASSERT_EQ(members.size(), 3U);
    const char* regimes[] = {"oscillatory", "critical", "aperiodic"};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& m = members[i];
        EXPECT_EQ(m["regime"], regimes[i]);
        EXPECT_EQ(m["parameter"], "R");
        EXPECT_EQ(m["configuration"], "RLC");
        EXPECT_EQ(m["value"].get<double>(), f.members[i].state.R);
        EXPECT_EQ(m["points"], 1921);
        EXPECT_NEAR(m["nu0"].get<double>(), 50.3292, 1e-4);
        EXPECT_NEAR(m["delta"].get<double>(), f.members[i].state.R / 0.004, 1e-12);
        EXPECT_NEAR(m["I_peak"].get<double>(), 5 / f.members[i].state.R, 1e-12);
        for (const char* key : {"label", "text", "mark", "regime_word", "caption", "theta", "Q",
                                "nu_C", "unbounded", "table"}) {
            EXPECT_TRUE(m.contains(key)) << key;
        }
    }
    EXPECT_EQ(members[1]["label"], "R = 1,265 Ом (Rк)");
    EXPECT_EQ(members[1]["mark"], "Rк");
    EXPECT_TRUE(members[0]["mark"].is_null());
    // Not oscillating: Θ has no bound (null), and the table says so.
    EXPECT_TRUE(members[2]["theta"].is_null());
    EXPECT_EQ(members[2]["table"]["theta"], "∞");
    EXPECT_TRUE(members[2]["nu_C"].is_null());
    const nlohmann::ordered_json refused = family_refused_json(f);
    ASSERT_EQ(refused.size(), 1U);
    EXPECT_EQ(refused[0]["value"], "R = −1 Ом");
    EXPECT_EQ(refused[0]["reason"], "не может быть отрицательным! Не вводите заново, а исправьте!");
}

} // namespace
} // namespace ovrelan
