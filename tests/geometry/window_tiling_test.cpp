#include "geometry/window_tiling.h"

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

TEST(KeepOnScreen, MovesAndShrinksIntoTheArea) {
    const ScreenRect screen{0, 0, 1024, 740};
    EXPECT_EQ(keep_on_screen({852, 38, 400, 170}, screen), (ScreenRect{624, 38, 400, 170}));
    EXPECT_EQ(keep_on_screen({-50, -20, 400, 170}, screen), (ScreenRect{0, 0, 400, 170}));
    EXPECT_EQ(keep_on_screen({10, 10, 2000, 170}, screen), (ScreenRect{0, 10, 1024, 170}));
    EXPECT_EQ(keep_on_screen({10, 300, 400, 900}, screen), (ScreenRect{10, 0, 400, 740}));
}

} // namespace
} // namespace ovrelan
