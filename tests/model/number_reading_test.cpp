#include "model/number_reading.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <string>

namespace ovrelan {
namespace {

struct ReadCase {
    const char* name;
    std::string text;
    double expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, ReadsTheLeadingNumber) {
    const ReadCase& c = GetParam();
    const double v = read_number(c.text);
    if (std::isinf(c.expected)) {
        EXPECT_EQ(v, c.expected);
    } else {
        EXPECT_DOUBLE_EQ(v, c.expected) << "text «" << c.text << "»";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rule, ReadNumber,
    ::testing::Values(
        ReadCase{"plain", "2000", 2000}, ReadCase{"leading_blank", " 2000", 2000},
        ReadCase{"decimal_comma", "1,5", 1.5}, ReadCase{"point", "1.5", 1.5},
        ReadCase{"blank_inside", " 1 5", 15}, ReadCase{"tab_and_newline", "1\t2\n3", 123},
        ReadCase{"no_leading_zero", ".02", 0.02}, ReadCase{"letters", "abc", 0},
        ReadCase{"empty", "", 0}, ReadCase{"only_blanks", "   ", 0}, ReadCase{"negative", "-5", -5},
        ReadCase{"plus", "+7.25", 7.25}, ReadCase{"sign_alone", "-", 0},
        ReadCase{"point_alone", ".", 0}, ReadCase{"trailing_point", "5.", 5},
        ReadCase{"exponent", "1E3", 1000}, ReadCase{"exponent_lower", "2.5e-3", 0.0025},
        ReadCase{"exponent_plus", "1e+2", 100}, ReadCase{"exponent_without_digits", "3E", 3},
        ReadCase{"exponent_sign_only", "3e-x", 3}, ReadCase{"blank_in_exponent", "1 e 2", 100},
        ReadCase{"stops_at_letter", "12abc", 12}, ReadCase{"second_point_stops", "1.2.3", 1.2},
        ReadCase{"comma_then_point", "2,5.1", 2.5}, ReadCase{"fixed_format", " 0.020", 0.02},
        ReadCase{"sign_then_blank", "- 5.00", -5}, ReadCase{"double_sign", "--5", 0},
        ReadCase{"overflow", "1e400", std::numeric_limits<double>::infinity()},
        ReadCase{"negative_overflow", "-1e400", -std::numeric_limits<double>::infinity()},
        ReadCase{"long_mantissa_overflow", std::string(400, '9'),
                 std::numeric_limits<double>::infinity()},
        ReadCase{"underflow", "1e-400", 0}, ReadCase{"zero_huge_exponent", "0e99999", 0}),
    testing::CaseName{});

// A task file's value must be one number and nothing else, by the same grammar the fields read.
TEST(ReadsWhole, OneNumberAndNothingElse) {
    const struct {
        const char* text;
        bool whole;
    } cases[] = {{"2000", true},   {" 1 5 ", true},   {"0,020", true}, {"-5e0", true},
                 {".5", true},     {"5.", true},      {"1e+5", true},  {"3E", false},
                 {"3e-", false},   {"", false},       {"-", false},    {".", false},
                 {"1.2.3", false}, {"5 мкГн", false}, {"abc", false},  {"1e5x", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(reads_whole(c.text), c.whole) << "«" << c.text << "»";
    }
}

TEST(ReadNumber, ConvertsToTheNearestDouble) {
    // Correct rounding: these are the doubles the compiler makes of the same literals.
    EXPECT_EQ(read_number("0.1"), 0.1);
    EXPECT_EQ(read_number("2.2250738585072014e-308"), 2.2250738585072014e-308);
    EXPECT_EQ(read_number("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(read_number("0.020"), 0.02);
}

// Texts of any length read by the same rule: the exponent and the place of the first digit
// together decide, however long either is.
TEST(ReadNumber, AnyLengthOfTextReadsTheSameWay) {
    const std::string zeros(200000, '0');
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"0." + zeros + "1e250000", inf},   // 1e49999
        {"0." + zeros + "1e150000", 0},     // 1e-50001
        {"0." + zeros + "1e200001", 1},     // 1e0
        {"0." + zeros + "15e200003", 150},  //
        {"1" + zeros + "e-250000", 0},      // 1e-50000
        {"1" + zeros + "e-150000", inf},    // 1e50000
        {"1" + zeros + "e-200000", 1},      //
        {"-1" + zeros + "e-199998", -100},  //
        {"1e" + std::string(30, '9'), inf}, // an exponent longer than any counter
        {"1e-" + std::string(30, '9'), 0},  //
        {"0e" + std::string(30, '9'), 0},   // zero stays zero
    };
    for (const auto& c : cases) {
        EXPECT_EQ(read_number(c.text), c.value) << c.text.size() << " characters";
    }
}

} // namespace
} // namespace ovrelan
