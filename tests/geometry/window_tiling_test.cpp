#include "geometry/window_tiling.h"

#include <gtest/gtest.h>

#include <vector>

namespace ovrelan {
namespace {

TEST(KeepOnScreen, MovesAndShrinksIntoTheArea) {
    const ScreenRect screen{0, 0, 1024, 740};
    EXPECT_EQ(keep_on_screen({852, 38, 400, 170}, screen), (ScreenRect{624, 38, 400, 170}));
    EXPECT_EQ(keep_on_screen({-50, -20, 400, 170}, screen), (ScreenRect{0, 0, 400, 170}));
    EXPECT_EQ(keep_on_screen({10, 10, 2000, 170}, screen), (ScreenRect{0, 10, 1024, 170}));
    EXPECT_EQ(keep_on_screen({10, 300, 400, 900}, screen), (ScreenRect{10, 0, 400, 740}));
}

// A window of its own (the resonance curve, the vector diagram) opens at its preferred size
// beside the main window, nearest its top right corner: to the right where there is room, on
// the grid of 8 px from the area's corner; elsewhere only where the right side is full.
TEST(PlaceWindow, NearestTheMainWindowsTopRightCorner) {
    const ScreenRect screen{0, 0, 1920, 1080};
    const ScreenSize preferred{400, 300};
    const ScreenSize least{300, 200};
    const struct {
        const char* name;
        ScreenRect main;
        std::vector<ScreenRect> taken;
        ScreenRect expected;
    } cases[] = {
        // Room on either side: the right one, level with the main window's top.
        {"in the middle", {600, 104, 700, 500}, {}, {1304, 104, 400, 300}},
        {"at the left edge", {0, 0, 800, 600}, {}, {800, 0, 400, 300}},
        // A graph window on the right: under it, still as near the corner as can be.
        {"the right taken", {600, 104, 700, 500}, {{1304, 0, 616, 460}}, {1304, 464, 400, 300}},
        // No room on the right: under the main window, at the screen's right edge.
        {"at the right edge", {1200, 96, 700, 500}, {}, {1520, 600, 400, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ScreenRect placed = place_window(screen, c.main, {}, c.taken, {}, preferred, least);
        EXPECT_EQ(placed, c.expected) << "placed at " << placed.left << ", " << placed.top << ", "
                                      << placed.width << " × " << placed.height;
        EXPECT_FALSE(placed.intersects(c.main));
        for (const ScreenRect& t : c.taken) {
            EXPECT_FALSE(placed.intersects(t));
        }
    }
}

} // namespace
} // namespace ovrelan
