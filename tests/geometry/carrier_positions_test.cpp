#include "geometry/carrier_positions.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ovrelan {
namespace {

const WireLoop loop{0, 480, 0, 240}; // dx = 10, dy = 5 with 48 positions

TEST(CarrierPositions, EveryThirdPositionOnEachWire) {
    const auto phase0 = carrier_positions(loop, 48, 1.0, 0);
    // 0, 3, ..., 48 on each wire: 17 carriers, corners included on both strings.
    EXPECT_EQ(phase0.size(), 4U * 17);
    const auto phase1 = carrier_positions(loop, 48, 1.0, 1);
    EXPECT_EQ(phase1.size(), 4U * 16); // 1, 4, ..., 46
    const auto phase2 = carrier_positions(loop, 48, 1.0, 2);
    EXPECT_EQ(phase2.size(), 4U * 16); // 2, 5, ..., 47
}

TEST(CarrierPositions, DirectionFollowsTheCurrent) {
    // I >= 0: the first string starts on the lower wire at the right and runs left (on screen
    // clockwise: right to left below, up the left wire).
    const auto forward = carrier_positions(loop, 48, 0.5, 1);
    EXPECT_EQ(forward[0], (CarrierPoint{470, 0}));
    EXPECT_EQ(forward[1], (CarrierPoint{440, 0}));
    EXPECT_EQ(forward[16], (CarrierPoint{0, 5})) << "then up the left wire";
    const auto backward = carrier_positions(loop, 48, -0.5, 1);
    EXPECT_EQ(backward[0], (CarrierPoint{10, 0}));
    EXPECT_EQ(backward[1], (CarrierPoint{40, 0}));
    EXPECT_EQ(backward[16], (CarrierPoint{480, 5})) << "then up the right wire";
    // Zero current counts as positive.
    EXPECT_EQ(carrier_positions(loop, 48, 0.0, 0)[0], (CarrierPoint{480, 0}));
}

TEST(CarrierPositions, PhasesShiftByOnePosition) {
    const auto a = carrier_positions(loop, 48, 1.0, 0);
    const auto b = carrier_positions(loop, 48, 1.0, 1);
    EXPECT_EQ(a[0].x - b[0].x, 10);
    // The lower-wire string of phase 0 runs from the right corner to the left one.
    for (std::size_t i = 0; i < 17; ++i) {
        EXPECT_EQ(a[i], (CarrierPoint{480 - 30.0 * static_cast<double>(i), 0})) << i;
    }
    EXPECT_EQ(a[17], (CarrierPoint{0, 0})) << "the left wire's string starts at its foot";
    // Phase 1: the upper wire from left to right, 16 carriers, starting one step in.
    EXPECT_EQ(b[32], (CarrierPoint{10, 240}));
    EXPECT_EQ(b[47], (CarrierPoint{460, 240}));
}

TEST(CarrierPositions, DegenerateLoopsDoNotHang) {
    // Too low for 48 positions: dy rounds to 0 and the vertical strings are skipped.
    const auto flat = carrier_positions({0, 480, 0, 20}, 48, 1.0, 0);
    EXPECT_EQ(flat.size(), 2U * 17);
    const auto thin = carrier_positions({100, 100, 0, 240}, 48, 1.0, 0);
    EXPECT_EQ(thin.size(), 2U * 17) << "zero width: no horizontal strings";
    EXPECT_TRUE(carrier_positions(loop, 0, 1.0, 0).empty());
}

TEST(CarriersMove, ThresholdIsAHundredthOfTheMaximum) {
    EXPECT_FALSE(carriers_move(0, 1));
    EXPECT_FALSE(carriers_move(0.0099, 1));
    EXPECT_TRUE(carriers_move(0.01, 1));
    EXPECT_TRUE(carriers_move(-0.5, 1));
}

} // namespace
} // namespace ovrelan
