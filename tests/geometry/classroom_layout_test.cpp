// The classroom layout on the screens classrooms have, at every presentation size, with every
// set of views: each control inside the client area and over no other, the scene and every plot
// at least their legible size, and the size asked for kept wherever it fits.
#include "geometry/classroom_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

struct Screen {
    const char* name;
    double width;  // the available area, in logical pixels (a 3840 × 2160 screen at a device
    double height; // pixel ratio of 2 is 1920 × 1080 of them)
};

const Screen screens[] = {{"1024x768", 1024, 768},   {"1280x800", 1280, 800},
                          {"1280x1024", 1280, 1024}, {"1366x768", 1366, 768},
                          {"1920x1080", 1920, 1080}, {"3840x2160@2", 1920, 1080}};

// The window fills the available area: its frame, the title, the menu bar and the status bar
// (whose font grows with the size) leave the client area.
ClassroomRequest request_on(const Screen& screen, double scale) {
    ClassroomRequest r;
    r.width = screen.width - 2;
    r.height = screen.height - 2 - 24 - 24 - std::round(22 * scale);
    r.scale = scale;
    return r;
}

bool inside(const Rect& r, double width, double height) {
    return r.left >= 0 && r.top >= 0 && r.left + r.width <= width + 1e-9 &&
           r.top + r.height <= height + 1e-9 && r.width > 0 && r.height > 0;
}

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

void expect_sound(const ClassroomLayout& l, const ClassroomRequest& r) {
    ASSERT_TRUE(l.fits);
    // Every control once, inside, over no other and not under the graph area or the divider.
    // Label0 … Label7, Text1 … Text7, two frames, two speed bars and their labels, ПУСК; the
    // panel's header, caption and fifteen characteristics; the scene.
    EXPECT_EQ(l.controls.size(), 22u + 17u + 1u);
    for (std::size_t i = 0; i < l.controls.size(); ++i) {
        const Placement& a = l.controls[i];
        EXPECT_TRUE(inside(a.rect, r.width, r.height)) << a.name;
        for (std::size_t j = i + 1; j < l.controls.size(); ++j) {
            EXPECT_FALSE(overlap(a.rect, l.controls[j].rect))
                << a.name << " " << l.controls[j].name;
        }
        if (l.graph_area.width > 0) {
            EXPECT_FALSE(overlap(a.rect, l.graph_area)) << a.name << " under the graphs";
            EXPECT_FALSE(overlap(a.rect, l.divider)) << a.name << " under the divider";
        }
    }
    EXPECT_GE(l.scene.width, least_scene_width);
    EXPECT_GE(l.scene.height, least_scene_height);
    if (l.graph_area.width > 0) {
        EXPECT_TRUE(inside(l.graph_area, r.width, r.height));
        const GraphAreaLayout& a = l.area;
        if (r.graphs > 0) {
            EXPECT_GE(a.plot_width, least_plot_width);
            EXPECT_GE(a.plot_height, least_plot_height);
            EXPECT_EQ(a.columns * a.rows >= r.graphs, true);
            EXPECT_LE(a.columns * a.cell_width, a.stack.width + 1e-9);
            if (!a.scrolls) {
                EXPECT_LE(a.rows * a.cell_height, a.stack.height + 1e-9);
            }
        }
        for (const Rect* e : {&a.resonance, &a.vector}) {
            if (e->width > 0) {
                EXPECT_TRUE(inside(*e, l.graph_area.width, l.graph_area.height));
                EXPECT_GE(e->width, 440);
                EXPECT_GE(e->height, 340);
                if (!a.tabs && r.graphs > 0) {
                    EXPECT_FALSE(overlap(*e, a.stack));
                }
            }
        }
        if (!a.tabs && a.resonance.width > 0 && a.vector.width > 0) {
            EXPECT_FALSE(overlap(a.resonance, a.vector));
        }
    }
}

TEST(ClassroomLayout, EveryScreenEverySizeEverySetOfViews) {
    for (const Screen& screen : screens) {
        for (const double asked : {1.0, 1.25, 1.5}) {
            for (int graphs = 0; graphs <= 6; ++graphs) {
                for (int extras = 0; extras < 4; ++extras) {
                    for (const double split : {0.0, 0.5, 1.0}) {
                        ClassroomRequest r = request_on(screen, asked);
                        r.graphs = graphs;
                        r.resonance = (extras & 1) != 0;
                        r.vector = (extras & 2) != 0;
                        r.split = split;
                        const ClassroomLayout l = fitting_classroom(r);
                        SCOPED_TRACE(std::string(screen.name) + " ×" + std::to_string(asked) +
                                     " graphs " + std::to_string(graphs) + " extras " +
                                     std::to_string(extras) + " split " + std::to_string(split) +
                                     " at ×" + std::to_string(l.scale));
                        r.height = screen.height - 2 - 24 - 24 - std::round(22 * l.scale);
                        expect_sound(l, r);
                        EXPECT_GE(l.scale, 1.0);
                        EXPECT_LE(l.scale, asked);
                    }
                }
            }
        }
    }
}

// The size asked for is kept where the screen holds it, and given up only as far as needed.
TEST(ClassroomLayout, PresentationSizeKeptWhereItFits) {
    const struct {
        Screen screen;
        double asked;
        double least; // the size it keeps at least, with graphs, the curve and the diagram open
    } cases[] = {
        {{"1024x768", 1024, 768}, 1.0, 1.0},   {{"1024x768", 1024, 768}, 1.5, 1.1},
        {{"1280x1024", 1280, 1024}, 1.5, 1.4}, {{"1366x768", 1366, 768}, 1.25, 1.25},
        {{"1920x1080", 1920, 1080}, 1.5, 1.5}, {{"1920x1080", 1920, 1080}, 2.0, 1.75},
    };
    for (const auto& c : cases) {
        ClassroomRequest r = request_on(c.screen, c.asked);
        r.graphs = 3;
        r.resonance = r.vector = true;
        const ClassroomLayout l = fitting_classroom(r);
        EXPECT_GE(l.scale, c.least - 1e-9) << c.screen.name << " ×" << c.asked;
        EXPECT_LE(l.scale, c.asked) << c.screen.name;
    }
}

// On a wide screen the graphs stand beside the scene and take the share the divider gives them;
// on a narrow one they go under it. The divider never pushes a view below its least size.
TEST(ClassroomLayout, TheDividerMovesWithinTheLeastSizes) {
    ClassroomRequest r = request_on({"1920x1080", 1920, 1080}, 1.0);
    r.graphs = 2;
    double previous = 0;
    for (const double split : {0.0, 0.3, 0.5, 0.7, 1.0}) {
        r.split = split;
        const ClassroomLayout l = arrange_classroom(r);
        ASSERT_TRUE(l.fits) << split;
        EXPECT_EQ(l.arrangement, Arrangement::beside);
        EXPECT_GE(l.graph_area.width, previous) << "a larger share, a wider area";
        previous = l.graph_area.width;
        EXPECT_GE(l.scene.width, least_scene_width);
    }
    EXPECT_GT(previous, 900) << "the divider can give the graphs most of the screen";
    // Dragged to a place, the divider stands there (where the least sizes allow).
    r.split = 0.5;
    const ClassroomLayout half = arrange_classroom(r);
    for (const double x : {700.0, 900.0, 1100.0}) {
        r.split = split_at(r, half, x);
        const ClassroomLayout moved = arrange_classroom(r);
        EXPECT_NEAR(moved.divider.left + moved.divider.width / 2, x, 1) << x;
    }
    r = request_on({"1024x768", 1024, 768}, 1.25);
    r.graphs = 1;
    const ClassroomLayout narrow = arrange_classroom(r);
    ASSERT_TRUE(narrow.fits);
    EXPECT_EQ(narrow.arrangement, Arrangement::below);
    EXPECT_GT(narrow.scene.width, 600) << "the scene spans the window above the graphs";
}

// Many graphs in a small area scroll at their least size rather than shrink; in a large one
// they stack in one column on one time axis.
TEST(ClassroomLayout, TheGraphAreaStacksScrollsOrTabs) {
    ClassroomRequest r;
    r.graphs = 6;
    const GraphAreaLayout tall = arrange_graph_area(900, 1500, r);
    EXPECT_EQ(tall.columns, 1);
    EXPECT_FALSE(tall.scrolls);
    EXPECT_NEAR(tall.cell_height, 250, 1);
    const GraphAreaLayout small = arrange_graph_area(450, 600, r);
    EXPECT_TRUE(small.scrolls);
    EXPECT_EQ(small.rows, 6);
    EXPECT_GE(small.plot_height, least_plot_height);
    EXPECT_NEAR(small.stack_height, 6 * (least_plot_height + 96), 1e-9);
    const GraphAreaLayout wide = arrange_graph_area(1500, 600, r);
    EXPECT_GE(wide.columns, 2) << "side by side rather than scrolling";
    r.resonance = r.vector = true;
    EXPECT_TRUE(arrange_graph_area(450, 600, r).tabs);
    const GraphAreaLayout panes = arrange_graph_area(1400, 1000, r);
    EXPECT_FALSE(panes.tabs);
    EXPECT_GT(panes.resonance.left, panes.stack.left + panes.stack.width - 1);
}

// A stack that scrolls leaves its scroll bar (16 px, the style's) room beside the graphs: no
// graph goes under it, and a column more is taken only where it fits beside the bar.
TEST(ClassroomLayout, AScrollingStackLeavesRoomForItsBar) {
    const struct {
        const char* name;
        double width;
        double height;
        int graphs;
        double scale;
        int columns; // that fit beside the bar
    } cases[] = {
        {"one column, narrow", 450, 600, 6, 1.0, 1},
        {"one column, just wide enough", 446, 500, 5, 1.0, 1},
        {"one column, a bar short of two", 870, 400, 5, 1.0, 1},
        {"two columns beside the bar", 876, 400, 5, 1.0, 2},
        {"larger letters", 520, 600, 4, 1.5, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClassroomRequest r;
        r.graphs = c.graphs;
        r.scale = c.scale;
        const GraphAreaLayout a = arrange_graph_area(c.width, c.height, r);
        ASSERT_TRUE(a.scrolls);
        EXPECT_EQ(a.columns, c.columns);
        EXPECT_LE(a.columns * a.cell_width + 16, c.width + 1e-9) << "a graph under the bar";
        EXPECT_GE(a.plot_width, least_plot_width);
        EXPECT_NEAR(a.plot_width, a.cell_width - std::round(110 * c.scale), 1e-9);
    }
}

} // namespace
} // namespace ovrelan
