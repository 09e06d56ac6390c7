#include "platform/drawing_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace ovrelan {
namespace {

constexpr double pi = 3.141592653589793;

class Surface : public ::testing::Test {
protected:
    void SetUp() override {
        surface.resize(200, 100);
        surface.clear();
    }
    // One unit per pixel with the origin at the bottom-left corner and y up, as the scene's
    // pictures are scaled.
    void y_up() { surface.set_scale(0, surface.height(), surface.width(), 0); }
    bool is(int x, int y, const QColor& colour) const { return surface.pixel(x, y) == colour; }
    DrawingSurface surface;
};

TEST_F(Surface, UserScaleMapsCornersAndYUp) {
    surface.set_scale(0, 10, 100, -10);
    EXPECT_EQ(surface.to_pixels(0, 10), QPointF(0, 0));
    EXPECT_EQ(surface.to_pixels(100, -10), QPointF(200, 100));
    EXPECT_EQ(surface.to_pixels(50, 0), QPointF(100, 50));
    EXPECT_LT(surface.to_pixels(0, 5).y(), surface.to_pixels(0, -5).y()) << "y grows upwards";
    y_up();
    EXPECT_EQ(surface.to_pixels(0, 0), QPointF(0, 100));
    EXPECT_EQ(surface.to_pixels(200, 100), QPointF(200, 0));
}

TEST_F(Surface, ARedLineLandsWhereTheScalePutsIt) {
    surface.set_scale(0, 10, 100, -10);
    surface.line(10, 5, 90, 5, Qt::red); // y = 5 is a quarter from the top
    EXPECT_TRUE(is(100, 25, Qt::red));
    EXPECT_TRUE(is(100, 75, Qt::white));
    EXPECT_TRUE(is(10, 25, Qt::white)) << "the line starts at x = 10 units = 20 px";
    EXPECT_EQ(surface.pen(), QPointF(90, 5));
}

TEST_F(Surface, LineToStartsAtThePen) {
    y_up();
    surface.point(20, 50, Qt::black);
    EXPECT_EQ(surface.pen(), QPointF(20, 50));
    surface.line_to(180, 50, Qt::red);
    EXPECT_TRUE(is(100, 50, Qt::red));
    EXPECT_EQ(surface.pen(), QPointF(180, 50));
}

TEST_F(Surface, PenWidthRoundsHalfToEven) {
    const std::pair<double, int> cases[] = {{2.5, 2}, {3.5, 4}, {12.04, 12}, {0.4, 1}, {1.5, 2}};
    for (const auto& [width, expected] : cases) {
        surface.set_pen_width(width);
        EXPECT_EQ(surface.pen_width(), expected) << width;
    }
}

TEST_F(Surface, WidePenCoversItsWidth) {
    y_up();
    surface.set_pen_width(5);
    surface.line(20, 50, 180, 50, Qt::red);
    EXPECT_TRUE(is(100, 48, Qt::red));
    EXPECT_TRUE(is(100, 52, Qt::red));
    EXPECT_TRUE(is(100, 55, Qt::white));
}

TEST_F(Surface, CircleAndArcGoCounterClockwiseOnScreen) {
    y_up();
    surface.circle(100, 50, 30, Qt::blue);
    EXPECT_TRUE(is(130, 50, Qt::blue));
    EXPECT_TRUE(is(100, 20, Qt::blue));
    surface.clear();
    surface.circle(100, 50, 30, Qt::red, 0, pi / 2); // the upper right quarter
    EXPECT_TRUE(is(100 + 21, 50 - 21, Qt::red) || is(100 + 21, 50 - 22, Qt::red) ||
                is(100 + 22, 50 - 21, Qt::red));
    EXPECT_TRUE(is(100 - 21, 50 + 21, Qt::white)) << "nothing in the lower left quarter";
}

TEST_F(Surface, EllipseAspect) {
    y_up();
    surface.circle(100, 50, 40, Qt::blue, 0, 0, 0.5); // 80 wide, 40 high
    EXPECT_TRUE(is(140, 50, Qt::blue));
    EXPECT_TRUE(is(100, 30, Qt::blue));
    EXPECT_TRUE(is(100, 10, Qt::white));
    surface.clear();
    surface.circle(100, 50, 40, Qt::blue, 0, 0, 2); // the radius is the half height
    EXPECT_TRUE(is(100, 10, Qt::blue));
    EXPECT_TRUE(is(120, 50, Qt::blue));
}

TEST_F(Surface, SolidFillAndOutline) {
    y_up();
    surface.set_fill(FillStyle::solid, Qt::yellow);
    surface.rectangle(50, 20, 150, 80, Qt::black);
    EXPECT_TRUE(is(100, 50, Qt::yellow));
    EXPECT_TRUE(is(50, 50, Qt::black));
    surface.set_fill(FillStyle::transparent);
    surface.clear();
    surface.rectangle(50, 20, 150, 80, Qt::black);
    EXPECT_TRUE(is(100, 50, Qt::white));
}

TEST_F(Surface, TextTopLeftAtThePenAndClipping) {
    y_up();
    surface.move_to(10, 90);
    surface.text("Ж");
    bool inked = false;
    for (int y = 10; y < 30 && !inked; ++y) {
        for (int x = 10; x < 25 && !inked; ++x) {
            inked = surface.pixel(x, y) != QColor(Qt::white);
        }
    }
    EXPECT_TRUE(inked);
    EXPECT_LT(surface.pen().y(), 90) << "the pen moves to the next line";
    surface.line(-100, 50, 1000, 50, Qt::red); // far outside: clipped, no failure
    EXPECT_TRUE(is(199, 50, Qt::red));
}

TEST_F(Surface, PictureSurvivesAResize) {
    y_up();
    surface.line(0, 50, 200, 50, Qt::red);
    surface.resize(300, 150);
    surface.point(290, 140, Qt::blue); // the first drawing after the resize
    EXPECT_TRUE(is(100, 50, Qt::red));
    EXPECT_TRUE(is(250, 120, Qt::white));
    EXPECT_EQ(surface.image().size(), QSize(300, 150) * surface.devicePixelRatioF());
}

} // namespace
} // namespace ovrelan

namespace ovrelan {
namespace {

TEST(StripsOf, OneStripPerWire) {
    const auto disc = [](int x, int y) { return QRect(x - 4, y - 4, 9, 9); };
    struct Case {
        const char* name;
        std::vector<QRect> rects;
        std::vector<QRect> strips;
    };
    const Case cases[] = {
        {"a_level_wire", {disc(10, 5), disc(40, 5), disc(70, 5)}, {QRect(6, 1, 69, 9)}},
        {"an_upright_wire", {disc(3, 20), disc(3, 50)}, {QRect(-1, 16, 9, 39)}},
        {"both_upright_wires_at_one_height",
         {disc(3, 20), disc(3, 50), disc(200, 20), disc(200, 50)},
         {QRect(-1, 16, 9, 39), QRect(196, 16, 9, 39)}},
        {"a_lone_disc",
         {disc(10, 5), disc(40, 5), disc(100, 100)},
         {QRect(6, 1, 39, 9), QRect(96, 96, 9, 9)}},
        {"nothing", {}, {}},
    };
    for (const Case& c : cases) {
        std::vector<QRect> got = strips_of(c.rects);
        std::vector<QRect> want = c.strips;
        const auto order = [](const QRect& a, const QRect& b) {
            return std::pair{a.left(), a.top()} < std::pair{b.left(), b.top()};
        };
        std::sort(got.begin(), got.end(), order);
        std::sort(want.begin(), want.end(), order);
        EXPECT_EQ(got, want) << c.name;
    }
}

} // namespace
} // namespace ovrelan
