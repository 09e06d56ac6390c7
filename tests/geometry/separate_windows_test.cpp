// The separate-windows layout on the screens classrooms have, at every presentation size, with
// every set of windows: the main window on the screen at the largest size that fits, none of its
// controls, its menu bar or its status bar under another window, every plot legible.
#include "geometry/separate_windows.h"

#include <gtest/gtest.h>

#include <string>

namespace ovrelan {
namespace {

const struct {
    const char* name;
    ScreenRect available;
} screens[] = {{"1024x768", {0, 0, 1024, 768}},      {"1280x800", {0, 0, 1280, 800}},
               {"1280x1024", {0, 0, 1280, 1024}},    {"1366x768", {0, 0, 1366, 768}},
               {"1920x1080", {0, 0, 1920, 1080}},    {"3840x2160@2", {0, 0, 1920, 1080}},
               {"panel_on_top", {0, 28, 1920, 1052}}};

TEST(SeparateWindows, NoControlCoveredNoPlotIllegible) {
    for (const auto& screen : screens) {
        for (const double asked : {1.0, 1.25, 1.5}) {
            for (int graphs = 0; graphs <= 6; ++graphs) {
                for (int extras = 0; extras < 4; ++extras) {
                    for (const bool stacked : {false, true}) {
                        SeparateRequest r;
                        r.available = screen.available;
                        r.scale = asked;
                        r.graphs = graphs;
                        r.resonance = (extras & 1) != 0;
                        r.vector = (extras & 2) != 0;
                        r.always_stacked = stacked;
                        r.needs = graph_needs_at(asked, r.decoration);
                        const SeparateLayout l = arrange_separate_windows(r);
                        SCOPED_TRACE(std::string(screen.name) + " ×" + std::to_string(asked) +
                                     " graphs " + std::to_string(graphs) + " extras " +
                                     std::to_string(extras) + (stacked ? " stacked" : ""));
                        EXPECT_TRUE(l.main.inside(r.available));
                        EXPECT_GE(l.scale, 1.0);
                        EXPECT_LE(l.scale, asked);
                        std::vector<ScreenRect> others = l.graphs.graphs;
                        for (const auto& e : {l.resonance, l.vector}) {
                            if (e) {
                                others.push_back(*e);
                            }
                        }
                        for (const ScreenRect& c : l.kept_clear) {
                            EXPECT_TRUE(c.inside(r.available));
                            for (const ScreenRect& o : others) {
                                EXPECT_FALSE(c.intersects(o))
                                    << c.left << "," << c.top << " " << c.width << "x" << c.height;
                            }
                        }
                        for (const ScreenRect& o : others) {
                            EXPECT_TRUE(o.inside(r.available));
                        }
                        if (graphs > 0 && !l.graphs.stacked) {
                            ASSERT_EQ(l.graphs.graphs.size(), static_cast<std::size_t>(graphs));
                            for (const ScreenRect& g : l.graphs.graphs) {
                                EXPECT_GE(g.width, r.needs.window.width);
                                EXPECT_GE(g.height, r.needs.window.height);
                            }
                        }
                        if (graphs > 0 && l.graphs.stacked) {
                            const ScreenRect& g = l.graphs.graphs.front();
                            const int columns = l.graphs.columns;
                            EXPECT_GE(g.width - r.needs.stacked_extra.width -
                                          (l.graphs.scrolls ? 16 : 0),
                                      columns * r.needs.stacked_cell.width);
                            EXPECT_GE(g.height - r.needs.stacked_extra.height,
                                      l.graphs.scrolls ? r.needs.stacked_cell.height
                                                       : ((graphs + columns - 1) / columns) *
                                                             r.needs.stacked_cell.height);
                        }
                        for (const auto& e : {l.resonance, l.vector}) {
                            if (e) {
                                EXPECT_GE(e->width - r.decoration.width, 440);
                                EXPECT_GE(e->height - r.decoration.height, 340);
                            }
                        }
                    }
                }
            }
        }
    }
}

// The main window takes the size asked for where the screen holds it, and comes back to the
// normal size exactly.
TEST(SeparateWindows, TheMainWindowsSize) {
    const struct {
        ScreenRect available;
        double asked;
        double scale;
        int width; // of the frame
    } cases[] = {
        {{0, 0, 1024, 768}, 1.0, 1.0, 802},    {{0, 0, 1024, 768}, 1.25, 1.25, 1002},
        {{0, 0, 1024, 768}, 1.5, 1.25, 1002},  {{0, 0, 1920, 1080}, 1.5, 1.5, 1202},
        {{0, 0, 1920, 1080}, 2.5, 2.05, 1642},
    };
    for (const auto& c : cases) {
        SeparateRequest r;
        r.available = c.available;
        r.scale = c.asked;
        const SeparateLayout l = arrange_separate_windows(r);
        EXPECT_NEAR(l.scale, c.scale, 1e-9) << c.available.width << " ×" << c.asked;
        EXPECT_EQ(l.main.width, c.width) << c.available.width << " ×" << c.asked;
    }
}

} // namespace
} // namespace ovrelan
