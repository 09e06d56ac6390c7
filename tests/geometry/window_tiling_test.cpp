#include "geometry/window_tiling.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace ovrelan {
namespace {

struct ScreenCase {
    const char* name;
    ScreenRect available; // the screen less its panels
    ScreenRect main;      // the main window's frame as it is
};

void PrintTo(const ScreenCase& c, std::ostream* os) {
    *os << c.name;
}

class Tiling : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(Tiling, NoneOverlapsAnotherOrLeavesTheScreen) {
    const ScreenCase& c = GetParam();
    for (int count = 1; count <= 5; ++count) {
        const ovrelan::Tiling t = tile_graph_windows(c.main, c.available, count);
        ASSERT_EQ(t.graphs.size(), static_cast<std::size_t>(count));
        EXPECT_TRUE(t.main.inside(c.available));
        for (std::size_t i = 0; i < t.graphs.size(); ++i) {
            const ScreenRect& g = t.graphs[i];
            EXPECT_TRUE(g.inside(c.available)) << count << " windows, " << i;
            EXPECT_GE(g.width, 150) << count << " windows, " << i;
            EXPECT_GE(g.height, 100) << count << " windows, " << i;
            if (c.main.width < c.available.width - 300 ||
                c.main.height < c.available.height - 200) {
                EXPECT_FALSE(g.intersects(t.main)) << count << " windows, " << i;
            }
            for (std::size_t j = i + 1; j < t.graphs.size(); ++j) {
                EXPECT_FALSE(g.intersects(t.graphs[j])) << count << " windows, " << i << ", " << j;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Tiling,
    ::testing::Values(ScreenCase{"xga", {0, 0, 1024, 740}, {51, 38, 802, 530}},
                      ScreenCase{"sxga", {0, 0, 1280, 994}, {64, 51, 802, 530}},
                      ScreenCase{"full_hd", {0, 28, 1920, 1052}, {96, 82, 802, 530}},
                      ScreenCase{"second_screen", {1920, 0, 1280, 1024}, {2000, 40, 802, 530}},
                      ScreenCase{"maximised", {0, 0, 1024, 740}, {0, 0, 1024, 740}}),
    testing::CaseName{});

TEST(KeepOnScreen, MovesAndShrinksIntoTheArea) {
    const ScreenRect screen{0, 0, 1024, 740};
    EXPECT_EQ(keep_on_screen({852, 38, 400, 170}, screen), (ScreenRect{624, 38, 400, 170}));
    EXPECT_EQ(keep_on_screen({-50, -20, 400, 170}, screen), (ScreenRect{0, 0, 400, 170}));
    EXPECT_EQ(keep_on_screen({10, 10, 2000, 170}, screen), (ScreenRect{0, 10, 1024, 170}));
    EXPECT_EQ(keep_on_screen({10, 300, 400, 900}, screen), (ScreenRect{10, 0, 400, 740}));
}

} // namespace
} // namespace ovrelan
