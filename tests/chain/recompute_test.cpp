#include "chain/recompute.h"

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
    bool computed = true; // false: the chain went back to the last completed pass
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
    EXPECT_EQ(r.computed, c.computed);
    EXPECT_EQ(static_cast<const Parameters&>(s), c.result);
    EXPECT_EQ(s.accepted, c.result) << "the last pass completed with these values";
    EXPECT_EQ(configuration(s), c.configuration);
    EXPECT_EQ(s.k_now, 0);
}

TEST(Chain, AChainThatChangesNothingKeepsTheRunPosition) {
    SimulationState s = started_state();
    s.k_now = 300;
    EXPECT_FALSE(enter_text(s, Field::L, "2000").computed) << "the value it already has";
    EXPECT_EQ(s.k_now, 300);
    EXPECT_FALSE(enter_text(s, Field::nu, "1e308").computed) << "refused: back where it was";
    EXPECT_EQ(s.k_now, 300);
    EXPECT_TRUE(enter_text(s, Field::nu, "50").computed);
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
                  Configuration::rlc,
                  false},
        ChainCase{"overflow_restores_the_frequency",
                  {{Field::nu, "1e308"}},
                  {{refusal, 0, 0, {{Field::nu, " 47"}}}},
                  start,
                  Configuration::rlc,
                  false},
        ChainCase{"fallback_then_refusal",
                  {{Field::Nmax, "-1"}, {Field::nu, "1e308"}},
                  {{field_check, 0, 300, {{Field::Nmax, " 1"}}},
                   {refusal, 0, 0, {{Field::nu, " 47"}, {Field::Nmax, " 40"}}}},
                  start,
                  Configuration::rlc,
                  false},
        // |Em/Uo| beyond single precision: the resistor voltage, a float copy of the current,
        // would be infinite.
        ChainCase{
            "resistor_voltage_beyond_single_precision",
            {{Field::L, "0"}, {Field::Uo, "1e-30"}, {Field::Em, "1e10"}, {Field::Nmax, "1"}},
            {{refusal,
              0,
              0,
              {{Field::L, " 2000"}, {Field::Uo, " 15"}, {Field::Em, " 5"}, {Field::Nmax, " 40"}}}},
            start,
            Configuration::rlc,
            false},
        ChainCase{"underflow_keeps_the_previous_value",
                  {{Field::L, "1e-320"}},
                  {{field_check, 0, 60, {{Field::L, " 2000"}}}},
                  start,
                  Configuration::rlc,
                  false},
        ChainCase{"a_shorter_interval_fits_a_high_frequency",
                  {{Field::nu, "50000"}, {Field::Nmax, "10"}},
                  {},
                  {0.002, 0.005, 0.02, 15, 5, 50000, 10},
                  Configuration::rlc}),
    testing::CaseName{});

// --- Typing: what is taken at once and what waits for the end of the edit ------------------

struct TypingCase {
    const char* name;
    Parameters base;
    Field field;
    const char* text;
    bool taken;
    const char* reason; // the start of the reason, for a text that waits
};

void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << c.name;
}

class Typing : public ::testing::TestWithParam<TypingCase> {};

TEST_P(Typing, TakesAtOnceOrLeavesTheStateExactlyAsItWas) {
    const TypingCase& c = GetParam();
    SimulationState s = testing::circuit(c.base);
    s.k_now = 17; // somewhere in a finished run
    const SimulationState before = s;
    const ovrelan::Typing t = type_text(s, c.field, c.text);
    EXPECT_EQ(t.taken, c.taken);
    if (c.taken) {
        EXPECT_TRUE(t.reason.empty());
        EXPECT_EQ(s.*(field_entry(c.field).param), field_change(c.field, c.text).stored);
        EXPECT_EQ(s.accepted, static_cast<const Parameters&>(s));
        return;
    }
    EXPECT_EQ(t.reason.rfind(c.reason, 0), 0U) << t.reason;
    EXPECT_FALSE(t.recomputed);
    testing::expect_same_state(s, before);
    EXPECT_EQ(s.k_now, 17) << "the run position stays";
}

const Parameters lone_resistor{0, 0, 2, 15, 5, 47, 40};
const Parameters rc_circuit{0, 0.005, 2, 1e-150, 5, 47, 4};

INSTANTIATE_TEST_SUITE_P(
    Keystrokes, Typing,
    ::testing::Values(
        TypingCase{"accepted", start, Field::R, "0.5", true, ""},
        TypingCase{"decimal_comma", start, Field::L, "2,5", true, ""},
        TypingCase{"negative_waits", start, Field::L, "-", true, ""},
        TypingCase{"negative_coil", start, Field::L, "-5", false, "не может быть отрицательным"},
        TypingCase{"zero_interval", start, Field::Nmax, "0.00", false, "не может быть!"},
        TypingCase{"tiny_interval", start, Field::Nmax, "0.001", true, ""},
        TypingCase{"underflow", start, Field::C, "1e-320", false, "слишком мало"},
        TypingCase{"short_circuit", lone_resistor, Field::R, "0", false, "Это короткое замыкание!"},
        TypingCase{"impossible", start, Field::nu, "1e308", false, "Расчёт с такими значениями"},
        TypingCase{"too_many_points", start, Field::nu, "50000", false,
                   "Слишком много точек расчёта (1"},
        TypingCase{"refused_after_the_arrays", rc_circuit, Field::Em, "1e300", false,
                   "Расчёт с такими значениями"}),
    testing::CaseName{});

TEST(Typing, TheSameValueRecomputesNothing) {
    SimulationState s = testing::started_state();
    s.k_now = 17;
    const ovrelan::Typing t = type_text(s, Field::L, "2000.0");
    EXPECT_TRUE(t.taken);
    EXPECT_FALSE(t.recomputed);
    EXPECT_EQ(s.k_now, 17);
}

TEST(Typing, TooManyPointsSaysWhatWouldFit) {
    SimulationState s = testing::started_state();
    // b = w/wo may reach 999 999 / 1920 at Nmax = 40: ν up to 26 213 Hz.
    const ovrelan::Typing t = type_text(s, Field::nu, "50000");
    ASSERT_FALSE(t.taken);
    EXPECT_NE(t.reason.find(")! При этих значениях v(Гц) не больше 26213. Значение не принято."),
              std::string::npos)
        << t.reason;
}

// --- Write-backs read back as exactly the kept value ------------------------------------------

TEST(WriteBack, ReadsBackAsTheKeptValue) {
    const std::pair<Field, const char*> typed[] = {
        {Field::R, "1.7976931348623157e308"},
        {Field::Nmax, "12.345678901234567"},
        {Field::L, "2000"},
        {Field::L, "0.1"},
        {Field::C, "1.412543E-239"},
        {Field::C, "3.3333333333333335"},
        {Field::nu, "-47.123456789012345"},
        {Field::Uo, "1e-300"},
        {Field::L, "123456789012345678"},
    };
    for (const auto& [field, text] : typed) {
        const double kept = field_change(field, text).stored;
        const std::string written = field_text_general(field, kept);
        EXPECT_EQ(field_change(field, written).stored, kept) << text << " -> " << written;
    }
}

TEST(WriteBack, ARefusalRestoresTheExactValue) {
    SimulationState s = testing::started_state();
    enter_text(s, Field::Nmax, "12.345678901234567");
    const double kept = s.Nmax;
    const ChainResult r = enter_text(s, Field::Nmax, "1e300");
    ASSERT_EQ(r.notices.size(), 1U);
    EXPECT_EQ(s.Nmax, kept);
    EXPECT_EQ(field_change(Field::Nmax, r.notices[0].writes.at(0).text).stored, kept);
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
