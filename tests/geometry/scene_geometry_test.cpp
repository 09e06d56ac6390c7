#include "geometry/scene_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace ovrelan {
namespace {

TEST(SceneLayout, Width480) {
    const SceneLayout s = scene_layout(480, 300, 480.0 / 54);
    EXPECT_EQ(s.m, 30);
    EXPECT_EQ(s.wire_pen, 9);
    EXPECT_EQ(s.wire_left, 30);
    EXPECT_EQ(s.wire_right, 450);
    EXPECT_EQ(s.wire_bottom, 30);
    EXPECT_EQ(s.wire_top, 270);
    // Coil 150 x 60 on the middle of the top wire, its top edge on the scene's.
    EXPECT_EQ(s.coil.width, 150);
    EXPECT_EQ(s.coil.height, 60);
    EXPECT_EQ(s.coil.left, 240 - 75);
    EXPECT_EQ(s.coil.top, 0);
    // Source 45 x 45 centred on the left wire at mid-height.
    EXPECT_EQ(s.source.width, 45);
    EXPECT_EQ(s.source.height, 45);
    EXPECT_EQ(s.source.left + s.source.width / 2, 30);
    EXPECT_EQ(s.source.top + s.source.height / 2, 150);
    // Resistor m x 2m on the right wire, capacitor 3m x 7m/4 on the bottom wire.
    EXPECT_EQ(s.resistor.left + s.resistor.width / 2, 450);
    EXPECT_EQ(s.resistor.top + s.resistor.height / 2, 150);
    EXPECT_EQ(s.capacitor.width, 90);
    EXPECT_EQ(s.capacitor.height, 52.5);
    EXPECT_EQ(s.capacitor.left + s.capacitor.width / 2, 240);
    EXPECT_EQ(s.capacitor.top + s.capacitor.height / 2, 270);
    // The key's right edge at m + p/2, its centre a quarter of the height down.
    EXPECT_EQ(s.key.left + s.key.width, 34.5);
    EXPECT_EQ(s.key.top + s.key.height / 2, 75);
}

TEST(SceneLayout, MarginRoundsHalfToEven) {
    EXPECT_EQ(scene_layout(40, 100, 1).m, 2);
    EXPECT_EQ(scene_layout(56, 100, 1).m, 4);
    EXPECT_EQ(scene_layout(650, 404, 650.0 / 54).wire_pen, 12);
}

TEST(CoilTurns, CentresOfTheFourHumps) {
    EXPECT_EQ(coil_turn_centres(15), (std::vector<double>{31, 61, 91, 121}));
}

struct FieldCase {
    double e_lines;
    double N;
    std::size_t lines;
};

TEST(ElectricField, LinesAndPairs) {
    const double Ch = 52; // 7m/4 rounded for m = 30
    const FieldCase cases[] = {{10, 5, 13}, {5, 2, 7}, {7, 4, 11}, {1, 0, 3}, {0.3, 0, 3}};
    for (const FieldCase& c : cases) {
        const FieldLines f = electric_field_lines(Ch, c.e_lines);
        EXPECT_EQ(f.N, c.N) << c.e_lines;
        EXPECT_EQ(f.ys.size(), c.lines) << c.e_lines;
    }
    const FieldLines at_start = electric_field_lines(Ch, 10);
    EXPECT_EQ(at_start.gap, 5); // 5.2 rounds to 5
    EXPECT_EQ(at_start.ys[0], 1);
    EXPECT_EQ(at_start.ys[1], Ch - 1);
    EXPECT_EQ(at_start.ys[2], Ch / 2);
    EXPECT_EQ(at_start.ys[3], Ch / 2 + 5);
    EXPECT_EQ(at_start.ys[4], Ch / 2 - 5);
    EXPECT_EQ(at_start.ys.back(), Ch / 2 - 25) << "the outermost pair lands next to the edges";
}

TEST(ElectricField, NeverOverflowsWhateverTheCount) {
    // Spacing below half a pixel: every further line lies on the middle one.
    const FieldLines crowded = electric_field_lines(52, 200);
    EXPECT_EQ(crowded.N, 100);
    EXPECT_EQ(crowded.gap, 0);
    EXPECT_EQ(crowded.ys.size(), 3U);
    // Huge counts neither loop for ever nor overflow.
    for (double e_lines : {1e12, 1e300, 1e-300, 0.0}) {
        const FieldLines f = electric_field_lines(52, e_lines);
        EXPECT_LE(f.ys.size(), 3U + 2 * 60) << e_lines;
    }
    // A moderate crowd: gap 2, N 15; the 15th pair (y = 56 and -4) lies outside the picture.
    const FieldLines dense = electric_field_lines(52, 30);
    EXPECT_EQ(dense.N, 15);
    EXPECT_EQ(dense.ys.size(), 3U + 28);
    for (std::size_t i = 3; i + 2 < dense.ys.size(); ++i) {
        EXPECT_GE(dense.ys[i], -2);
        EXPECT_LE(dense.ys[i], 54);
    }
    const FieldLines wide = electric_field_lines(400, 12); // gap 33, N 6
    EXPECT_EQ(wide.ys.size(), 3U + 12);
}

TEST(ElectricField, ReferenceIsU0OrEps) {
    EXPECT_EQ(field_reference(1, 0.5), 1);
    EXPECT_EQ(field_reference(0, 0.5), 0.5);
}

TEST(MagneticField, LoopsFollowTheCurrent) {
    const double Lw = 150, Lh = 60, step = 15;
    EXPECT_TRUE(magnetic_loops(Lw, Lh, step, 1.0).empty()) << "I = I_max/10 draws nothing";
    EXPECT_TRUE(magnetic_loops(Lw, Lh, step, 0.2).empty());
    EXPECT_EQ(magnetic_loops(Lw, Lh, step, 1.0001).size(), 4U) << "two per side";
    const std::vector<Loop> full = magnetic_loops(Lw, Lh, step, 10);
    ASSERT_EQ(full.size(), 22U) << "11 per side at the maximum current";
    // The last pair (i = 0) spans the whole width, from the axis to the edges.
    const Loop& outer_top = full[20];
    EXPECT_EQ(outer_top.radius, 75);
    EXPECT_EQ(outer_top.y, 45);
    EXPECT_DOUBLE_EQ(outer_top.radius * outer_top.aspect, 15);
    EXPECT_EQ(full[21].y, 15);
    // The first pair (i = b_lines) is the smallest.
    EXPECT_DOUBLE_EQ(full[0].radius, 75 - 15);
    EXPECT_DOUBLE_EQ(full[0].y, 45 - 7.5);
    EXPECT_DOUBLE_EQ(full[1].y, 15 + 7.5);
    const std::vector<Loop> fraction = magnetic_loops(Lw, Lh, step, 3.4);
    EXPECT_EQ(fraction.size(), 8U); // i = 3.4, 2.4, 1.4, 0.4
}

} // namespace
} // namespace ovrelan
