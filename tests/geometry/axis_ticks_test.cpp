#include "geometry/axis_ticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace ovrelan {
namespace {

// Over thirty decades of spans and offsets: every step is 1, 2 or 5 times a power of ten and
// cuts the span into at most the intervals asked for (and more than a third of them); every
// tick is a multiple of the step inside the range; the labels are distinct and read back, over
// the prefix, as the tick's value; the prefix keeps one to three digits before the point.
TEST(AxisTicks, RoundStepsAndPrefixesOverThirtyDecades) {
    for (int decade = -15; decade <= 15; ++decade) {
        for (const double mantissa : {1.0, 1.37, 2.5, 4.999, 7.2}) {
            for (const double offset : {0.0, -0.5, 3.3}) {
                const double span = mantissa * std::pow(10.0, decade);
                const double low = offset * span;
                const double high = low + span;
                for (const int intervals : {3, 5, 8}) {
                    const double step = nice_step(span, intervals);
                    const double decade_of_step = std::pow(10.0, std::floor(std::log10(step)));
                    const double m = step / decade_of_step;
                    EXPECT_TRUE(std::fabs(m - 1) < 1e-9 || std::fabs(m - 2) < 1e-9 ||
                                std::fabs(m - 5) < 1e-9)
                        << "step " << step;
                    EXPECT_LE(span / step, intervals * (1 + 1e-9)) << span;
                    EXPECT_GT(span / step, intervals / 5.0 - 1e-9) << span;
                    const Prefix prefix = prefix_for(std::max(std::fabs(low), std::fabs(high)));
                    const auto ticks = axis_ticks(low, high, step, prefix, ',');
                    ASSERT_FALSE(ticks.empty()) << span;
                    std::set<std::string> labels;
                    for (const Tick& t : ticks) {
                        EXPECT_GE(t.value, low - step * 1e-6);
                        EXPECT_LE(t.value, high + step * 1e-6);
                        EXPECT_NEAR(std::remainder(t.value, step), 0, step * 1e-6);
                        std::string text = t.label;
                        if (text.rfind("\u2212", 0) == 0) {
                            text = "-" + text.substr(3);
                        }
                        std::replace(text.begin(), text.end(), ',', '.');
                        EXPECT_NEAR(std::stod(text) * prefix.factor, t.value, step * 1e-6)
                            << t.label;
                        labels.insert(t.label);
                    }
                    EXPECT_EQ(labels.size(), ticks.size()) << "distinct labels, span " << span;
                    const double largest = std::max(std::fabs(low), std::fabs(high));
                    if (largest >= 1e-12 && largest < 1e12) {
                        EXPECT_GE(largest / prefix.factor, 0.9995);
                        EXPECT_LT(largest / prefix.factor, 1000);
                    }
                }
            }
        }
    }
}

TEST(AxisTicks, ThePrefixesAndTheirLabels) {
    const struct {
        double magnitude;
        const char* prefix;
    } prefixes[] = {{0.02, "м"}, {1.5e-5, "мк"}, {0.9996, ""}, {0.9994, "м"},
                    {2500, "к"}, {0, ""},        {3e-10, "п"}, {7e8, "М"}};
    for (const auto& c : prefixes) {
        EXPECT_STREQ(prefix_for(c.magnitude).name, c.prefix) << c.magnitude;
    }
    const Prefix milli = prefix_for(0.05);
    const auto ticks = axis_ticks(0, 0.05, 0.01, milli, ',');
    std::vector<std::string> labels;
    for (const Tick& t : ticks) {
        labels.push_back(t.label);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"0", "10", "20", "30", "40", "50"}));
    EXPECT_EQ(axis_ticks(-1, 1, 0.5, prefix_for(1), '.').front().label, "\u22121.0");
    EXPECT_EQ(tick_text(-1e-18, prefix_for(1), 1, '.'), "0.0") << "no minus zero";
}

} // namespace
} // namespace ovrelan
