#include "model/value_steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

namespace ovrelan {
namespace {

// The last significant digit, and 1-2-5 decades, over the texts the fields show.
TEST(ValueSteps, DigitsAndDecades) {
    using enum StepKind;
    const struct {
        const char* text;
        int steps;
        StepKind kind;
        const char* result; // "" when the text is no number to step
    } cases[] = {
        {" 15.00", 1, digit, "16.00"}, // the zeros after the point only say how it is written
        {"0.020", 1, digit, "0.030"},  {" .02", -1, digit, "0.01"},
        {"0.01", -1, digit, "0.00"},   {"0.00", 1, digit, "0.01"}, // through zero
        {"0.00", -1, digit, "-0.01"},  {"2000", 1, digit, "3000"}, // an integer's own zeros
        {"2000", -2, digit, "0"},      {"40", 10, digit, "140"},
        {"1,5", 1, digit, "1,6"},      {"-15", 1, digit, "-14"},
        {"9.9", 1, digit, "10.0"},     {"0", -1, digit, "-1"},
        {"1e6", 1, digit, "2e6"},      {"2.5E-3", -1, digit, "2.4e-3"},
        {"47.00", 1, decade, "50.00"}, {"0.020", 1, decade, "0.050"},
        {"0.020", 3, decade, "0.200"}, {"0.020", 6, decade, "2.000"},
        {"2000", 1, decade, "5000"},   {"2000", -1, decade, "1000"},
        {"1000", -1, decade, "500"},   {"-15", 1, decade, "-10"},
        {"-15", -1, decade, "-20"},    {"0.00", 1, decade, "0.01"},
        {"15.00", 0, decade, "15.00"}, {"1.265", 1, decade, "2.000"},
        {"abc", 1, digit, ""},         {"", 1, digit, ""},
        {"1.2.3", 1, digit, ""},       {"12345678901234567", 1, digit, ""},
    };
    for (const auto& c : cases) {
        const auto got = stepped_text(c.text, c.steps, c.kind);
        EXPECT_EQ(got ? got->text : "", c.result)
            << "«" << c.text << "» " << c.steps << (c.kind == decade ? " decades" : " digits");
    }
}

// Rolling one notch at a time up and then as far down comes back to the same value: the steps
// keep the digit of the first, also across a round number (47 → 50 → 53 and back).
TEST(ValueSteps, UpThenDownComesBackNotchByNotch) {
    for (const char* text : {"15.00", "0.020", "2000", "-3.5", "0", "47", "1e-3", "98"}) {
        for (const int n : {1, 3, 10, 60}) {
            std::string t = text;
            std::optional<int> unit;
            for (int i = 0; i < n; ++i) {
                const auto up = stepped_text(t, 1, StepKind::digit, unit);
                ASSERT_TRUE(up) << t;
                t = up->text;
                unit = up->unit;
            }
            for (int i = 0; i < n; ++i) {
                const auto down = stepped_text(t, -1, StepKind::digit, unit);
                ASSERT_TRUE(down) << t;
                t = down->text;
                unit = down->unit;
            }
            EXPECT_DOUBLE_EQ(std::stod(t), std::stod(text)) << text << " " << n;
        }
    }
}

// The ends of the range: no step leaves what it counts exactly, none writes what the field
// cannot show, none goes below the smallest meaningful value; each is refused, not wrapped.
TEST(ValueSteps, LimitsRefuseRatherThanOverflow) {
    using enum StepKind;
    const StepLimits narrow{8, 1e-6};
    const struct {
        const char* text;
        int steps;
        StepKind kind;
        StepLimits limits;
        const char* result; // "" when refused
    } cases[] = {
        // Beyond the doubles: refused, never "0e300" or an int converted from infinity.
        {"999999999999999e300", 1, decade, {}, ""},
        {"999999999999999e300", -1, decade, {}, ""},
        {"9e307", 1, digit, {}, "10e307"},
        {"1.7e308", 1, digit, {}, ""},
        {"1e307", 1, digit, {}, "2e307"},
        {"5e307", 1, decade, {}, "10e307"},
        {"1e308", 1, decade, {}, ""},
        {"1e-300", -1, decade, {0, 0}, "0.5e-300"},
        {"1e9999", 1, digit, {}, ""},
        // Many 1-2-5 steps at once: counted exactly or refused, never overflowing.
        {"0.001", 57, decade, {}, ""},
        {"0.001", 20, decade, {}, "5000.000"},
        {"1", 1000, decade, {}, ""},
        {"1", 100000, digit, {}, ""},
        // The field's width: a step that would show only part of its text does not happen.
        {"0.000001", -1, decade, narrow, ""},
        {"0.00001", -1, decade, narrow, "0.000005"},
        {"1000000", 1, decade, narrow, "2000000"},
        {"5000000", 1, decade, narrow, "10000000"},
        {"10000000", 1, decade, narrow, "20000000"},
        {"50000000", 1, decade, {7, 1e-6}, ""},
        {"123.456789", 1, digit, narrow, "123.456790"}, // typed longer: may keep its length
        // Below the smallest meaningful value: R stepped down stops at 1 µΩ.
        {"2e-6", -1, decade, {}, "1e-6"},
        {"1e-6", -1, decade, {}, ""},
        {"1e-6", -1, digit, {}, "0e-6"},
        {"-1e-6", 1, decade, {}, ""},
        {"0.0000015", -1, digit, {}, "0.0000014"},
        {"0.000001", -1, decade, {0, 1e-9}, "0.0000005"},
    };
    for (const auto& c : cases) {
        const auto got = stepped_text(c.text, c.steps, c.kind, std::nullopt, c.limits);
        EXPECT_EQ(got ? got->text : "", c.result)
            << "«" << c.text << "» " << c.steps << (c.kind == decade ? " decades" : " digits");
    }
}

// Ten thousand random texts and steps: whatever comes back reads as the value the integer
// arithmetic promised, within the limits (no text comes back that the limits forbid).
TEST(ValueSteps, RandomStepsStayWithinTheirLimits) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> digits(1, 16);
    std::uniform_int_distribution<int> exponent(-320, 320);
    std::uniform_int_distribution<int> steps(-80, 80);
    for (int i = 0; i < 10000; ++i) {
        std::string text = std::to_string(random() % 1000000007ULL);
        text = text.substr(0, static_cast<std::size_t>(digits(random)));
        if (i % 3 == 0) {
            text += "e" + std::to_string(exponent(random));
        } else if (i % 3 == 1) {
            text = "0." + text;
        }
        const StepLimits limits{static_cast<std::size_t>(i % 12), i % 2 == 0 ? 1e-6 : 0.0};
        const int n = steps(random);
        if (n == 0) {
            continue; // no step: the text as it was typed
        }
        const auto got = stepped_text(text, n, i % 4 == 0 ? StepKind::digit : StepKind::decade,
                                      std::nullopt, limits);
        if (!got) {
            continue;
        }
        SCOPED_TRACE(text + " " + std::to_string(n) + " → " + got->text);
        if (limits.widest > 0) {
            EXPECT_LE(got->text.size(), std::max(limits.widest, text.size()));
        }
        const double value = std::strtod(got->text.c_str(), nullptr);
        EXPECT_TRUE(std::isfinite(value));
        if (value != 0 && limits.smallest > 0) {
            EXPECT_GE(std::fabs(value), limits.smallest * (1 - 1e-9));
        }
    }
}

} // namespace
} // namespace ovrelan
