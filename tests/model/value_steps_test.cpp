#include "model/value_steps.h"

#include <gtest/gtest.h>

#include <optional>
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

} // namespace
} // namespace ovrelan
