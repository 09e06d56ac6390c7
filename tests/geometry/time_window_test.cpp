#include "geometry/time_window.h"

#include <gtest/gtest.h>

#include <random>

namespace ovrelan {
namespace {

// Whatever the wheel and the drags do, the window stays inside the computed interval, no
// narrower than the limit, and the time under the pointer stays under it while zooming.
TEST(TimeWindow, ZoomAndPanKeepInsideAndKeepThePointerStill) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    const double span = 251.3;
    const double narrowest = 0.5;
    TimeWindow w = whole(span);
    for (int step = 0; step < 5000; ++step) {
        if (step % 3 == 0) {
            w = panned(w, (unit(random) - 0.5) * 80, span);
        } else {
            const double about = w.from + unit(random) * w.width();
            const double place = (about - w.from) / w.width();
            const double factor = unit(random) < 0.6 ? 0.8 : 1.25;
            const TimeWindow before = w;
            w = zoomed(w, about, factor, span, narrowest);
            const bool clamped =
                w.width() != before.width() * factor || w.from == 0 || w.to == span;
            if (!clamped) {
                EXPECT_NEAR((about - w.from) / w.width(), place, 1e-9) << "the pointer stays";
            }
        }
        ASSERT_GE(w.from, 0);
        ASSERT_LE(w.to, span * (1 + 1e-12));
        ASSERT_GE(w.width(), narrowest * (1 - 1e-12));
    }
    EXPECT_EQ(zoomed(whole(span), 100, 4, span, narrowest), whole(span)) << "never past whole";
    EXPECT_FALSE(zoomed_in(whole(span), span));
    EXPECT_TRUE(zoomed_in(zoomed(whole(span), 100, 0.5, span, narrowest), span));
}

// The run point that leaves the window brings the window after it, a quarter in.
TEST(TimeWindow, FollowsTheRun) {
    const double span = 100;
    const TimeWindow w{10, 30};
    EXPECT_EQ(following(w, 20, span), w);
    EXPECT_EQ(following(w, 31, span), (TimeWindow{26, 46}));
    EXPECT_EQ(following(w, 99, span), (TimeWindow{80, 100}));
    EXPECT_EQ(following(w, 2, span), (TimeWindow{0, 20}));
}

} // namespace
} // namespace ovrelan
