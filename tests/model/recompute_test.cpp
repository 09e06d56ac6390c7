#include "model/recompute.h"

#include "model/circuit_kind.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::started_state;

// What one notice must say: its cause, the guard, the tone and the texts written after it.
struct ExpectedNotice {
    NoticeCause cause;
    int guard;
    int beep_ms;
    std::vector<FieldWrite> writes;
};

struct ChainCase {
    const char* name;
    std::vector<std::pair<Field, const char*>> typed; // entered together, then one chain
    std::vector<ExpectedNotice> notices;
    Parameters result; // the parameters the chain leaves
    Configuration configuration;
};

void PrintTo(const ChainCase& c, std::ostream* os) {
    *os << c.name;
}

class Chain : public ::testing::TestWithParam<ChainCase> {};

TEST_P(Chain, NoticesWritesAndTheParametersLeft) {
    const ChainCase& c = GetParam();
    SimulationState s = started_state();
    std::vector<FieldText> texts;
    for (const auto& [field, text] : c.typed) {
        texts.push_back({field, text});
    }
    const ChainResult r = enter_texts(s, texts);
    ASSERT_EQ(r.notices.size(), c.notices.size());
    for (std::size_t i = 0; i < c.notices.size(); ++i) {
        const Notice& n = r.notices[i];
        EXPECT_EQ(n.cause, c.notices[i].cause) << i;
        EXPECT_EQ(n.guard, c.notices[i].guard) << i;
        EXPECT_EQ(n.beep_ms, c.notices[i].beep_ms) << i;
        EXPECT_EQ(n.writes, c.notices[i].writes) << i;
        EXPECT_EQ(n.title, n.cause == NoticeCause::field_check ? "Ошибка" : "Предупреждение");
    }
    EXPECT_TRUE(r.computed);
    EXPECT_EQ(static_cast<const Parameters&>(s), c.result);
    EXPECT_EQ(s.accepted, c.result) << "the last pass completed with these values";
    EXPECT_EQ(configuration(s), c.configuration);
    EXPECT_EQ(s.k_now, 0);
}

const Parameters start{0.002, 0.005, 0.02, 15, 5, 47, 40};

Parameters with(Parameters p, double Parameters::*param, double value) {
    p.*param = value;
    return p;
}

using enum NoticeCause;

INSTANTIATE_TEST_SUITE_P(
    Typed, Chain,
    ::testing::Values(
        ChainCase{"accepted_at_once",
                  {{Field::R, "0.5"}},
                  {},
                  with(start, &Parameters::R, 0.5),
                  Configuration::rlc},
        ChainCase{"negative_coil_falls_back",
                  {{Field::L, "-5"}},
                  {{field_check, 0, 60, {}}},
                  with(start, &Parameters::L, 0.005),
                  Configuration::rlc},
        ChainCase{"zero_interval_written_back",
                  {{Field::Nmax, "0"}},
                  {{field_check, 0, 300, {{Field::Nmax, " 1"}}}},
                  with(start, &Parameters::Nmax, 1),
                  Configuration::rlc},
        ChainCase{"no_charge_no_source",
                  {{Field::Uo, "0"}, {Field::Em, "0"}},
                  {{guard, 4, 0, {{Field::Em, " 5"}}}},
                  with(start, &Parameters::Uo, 0),
                  Configuration::rlc},
        ChainCase{"guard_six_then_seven",
                  {{Field::L, "0"}, {Field::R, "0"}, {Field::Em, "0"}, {Field::nu, "0"}},
                  {{guard, 6, 0, {{Field::nu, " 50"}}}, {guard, 7, 0, {{Field::Em, " 5"}}}},
                  {0, 0.005, 0, 15, 5, 50, 40},
                  Configuration::c_only},
        ChainCase{"everything_zero",
                  {{Field::L, "0"}, {Field::C, "0"}, {Field::R, "0"}, {Field::Em, "0"}},
                  {{guard, 1, 0, {{Field::R, " .02"}}}, {guard, 2, 0, {{Field::Em, " 5"}}}},
                  {0, 0, 0.02, 15, 5, 47, 40},
                  Configuration::r_only},
        ChainCase{"too_many_points_restores",
                  {{Field::Nmax, "1e6"}},
                  {{refusal, 0, 0, {{Field::Nmax, " 40"}}}},
                  start,
                  Configuration::rlc},
        ChainCase{"overflow_restores_the_frequency",
                  {{Field::nu, "1e308"}},
                  {{refusal, 0, 0, {{Field::nu, " 47"}}}},
                  start,
                  Configuration::rlc},
        ChainCase{"fallback_then_refusal",
                  {{Field::Nmax, "-1"}, {Field::nu, "1e308"}},
                  {{field_check, 0, 300, {{Field::Nmax, " 1"}}},
                   {refusal, 0, 0, {{Field::nu, " 47"}, {Field::Nmax, " 40"}}}},
                  start,
                  Configuration::rlc}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Chain, NothingHappensBeforeStartUpEnds) {
    SimulationState s = started_state();
    s.ready_flag = false;
    const ChainResult r = enter_text(s, Field::L, "-5");
    EXPECT_TRUE(r.notices.empty());
    EXPECT_FALSE(r.computed);
    EXPECT_EQ(s.L, 0.002);
}

TEST(Chain, AWrittenTextIsStoredAsTheFieldReadsIt) {
    // The refusal writes the kept inductance back in microhenry; the chain stores what that text
    // reads as, exactly as the window's field handler does.
    SimulationState s = started_state();
    const ChainResult r = enter_text(s, Field::L, "1e400");
    ASSERT_EQ(r.notices.size(), 1U);
    ASSERT_EQ(r.notices[0].writes.size(), 1U);
    EXPECT_EQ(s.L, field_change(Field::L, r.notices[0].writes[0].text).stored);
    EXPECT_EQ(s.L, s.accepted.L);
}

} // namespace
} // namespace ovrelan
