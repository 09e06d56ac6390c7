#include "geometry/main_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace ovrelan {
namespace {

struct PlacementCase {
    const char* name;
    Rect expected;
};

TEST(ArrangeMainWindow, ClientAreaOf800By560) {
    const MainLayout layout = arrange_main_window(800, 560);
    const PlacementCase cases[] = {
        {"Label0", {670, 10, 120, 24}},   {"Label1", {670, 44, 60, 24}},
        {"Text1", {730, 44, 60, 24}},     {"Label7", {670, 248, 60, 24}},
        {"Text7", {730, 248, 60, 24}},    {"Frame1", {670, 282, 66, 106}},
        {"Frame2", {740, 282, 50, 65}},   {"Label11", {10, 424, 140, 24}},
        {"Label12", {10, 458, 140, 24}},  {"Label13", {10, 492, 140, 24}},
        {"Label14", {10, 526, 140, 24}},  {"Label27", {160, 424, 510, 24}},
        {"Label15", {160, 458, 120, 24}}, {"Label17", {160, 526, 120, 24}},
        {"Label18", {290, 458, 120, 24}}, {"Label20", {290, 526, 120, 24}},
        {"Label21", {420, 458, 120, 24}}, {"Label26", {550, 526, 120, 24}},
        {"CmdOK", {700, 526, 60, 24}},    {"HScroll1", {670, 492, 60, 12}},
        {"HScroll2", {735, 492, 60, 12}}, {"Label31", {685, 504, 30, 22}},
        {"Label32", {750, 504, 30, 22}},  {"Picture1", {10, 10, 650, 404}},
    };
    for (const PlacementCase& c : cases) {
        EXPECT_EQ(layout.at(c.name), c.expected) << c.name;
    }
    EXPECT_EQ(layout.scene_width, 650);
    EXPECT_EQ(layout.scene_height, 404);
    EXPECT_NEAR(layout.wire_width, 12.04, 0.005);
    EXPECT_DOUBLE_EQ(layout.carrier_radius, layout.wire_width / 2 - 2);
    EXPECT_TRUE(layout.fits());
}

TEST(ArrangeMainWindow, EveryControlIsPlacedOnce) {
    const MainLayout layout = arrange_main_window(800, 480);
    // Label0..Label7, Text1..Text7, Label11..Label27, two frames, CmdOK, two scroll bars with
    // their labels, Picture1.
    EXPECT_EQ(layout.controls.size(), 8U + 7U + 17U + 2U + 1U + 4U + 1U);
}

TEST(ArrangeMainWindow, WideningMovesOnlyThePanelSide) {
    const MainLayout narrow = arrange_main_window(800, 560);
    const MainLayout wide = arrange_main_window(1000, 560);
    for (const char* fixed : {"Label11", "Label15", "Label24", "Label26"}) {
        EXPECT_EQ(narrow.at(fixed), wide.at(fixed)) << fixed;
    }
    for (const char* moved : {"Label0", "Text3", "Frame1", "Frame2", "CmdOK", "HScroll2"}) {
        EXPECT_EQ(wide.at(moved).left, narrow.at(moved).left + 200) << moved;
        EXPECT_EQ(wide.at(moved).top, narrow.at(moved).top) << moved;
    }
    EXPECT_EQ(wide.scene_width, narrow.scene_width + 200);
}

TEST(ArrangeMainWindow, TallerMovesTheGridDown) {
    const MainLayout low = arrange_main_window(800, 560);
    const MainLayout tall = arrange_main_window(800, 660);
    EXPECT_EQ(tall.at("Label14").top, low.at("Label14").top + 100);
    EXPECT_EQ(tall.at("CmdOK").top, low.at("CmdOK").top + 100);
    EXPECT_EQ(tall.at("Text7"), low.at("Text7"));
    EXPECT_EQ(tall.scene_height, low.scene_height + 100);
}

TEST(ArrangeMainWindow, NarrowWindowLetsTheGridReachUnderTheRunControls) {
    const MainLayout layout = arrange_main_window(700, 480);
    EXPECT_EQ(layout.at("Label0").left, 570);
    EXPECT_EQ(layout.at("HScroll1").left, 570);
    EXPECT_LT(layout.at("HScroll1").left, layout.at("Label24").left + 120);
    EXPECT_TRUE(layout.fits());
}

TEST(ArrangeMainWindow, NothingOverlapsFromTheMinimumSizeUp) {
    const ClientSize min = minimum_client_size();
    EXPECT_EQ(min.width, 800);
    EXPECT_EQ(min.height, 456);
    for (int w = min.width; w <= 2600; w += 37) {
        for (int h = min.height; h <= 2000; h += 41) {
            const MainLayout layout = arrange_main_window(w, h);
            EXPECT_TRUE(layout.fits()) << w << " x " << h;
            const auto pairs = overlapping_controls(layout);
            EXPECT_TRUE(pairs.empty())
                << w << " x " << h << ": " << pairs.front().first << " " << pairs.front().second;
        }
    }
    // One pixel less either way and the grid or the frames run under something.
    EXPECT_FALSE(overlapping_controls(arrange_main_window(min.width - 1, min.height)).empty());
    EXPECT_FALSE(overlapping_controls(arrange_main_window(min.width, min.height - 1)).empty());
}

TEST(ArrangeMainWindow, TooSmallForASceneDoesNotFit) {
    EXPECT_FALSE(arrange_main_window(150, 480).fits());
    EXPECT_FALSE(arrange_main_window(800, 156).fits());
    EXPECT_FALSE(arrange_main_window(0, 0).fits());
    EXPECT_TRUE(arrange_main_window(151, 157).fits());
}

} // namespace
} // namespace ovrelan
