#include "geometry/label_placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

TEST(LabelPlacement, SegmentsThroughABox) {
    const PixelBox box{10, 10, 20, 10}; // x 10 … 30, y 10 … 20
    const struct {
        const char* name;
        double x0, y0, x1, y1;
        bool crosses;
    } cases[] = {
        {"through", 0, 15, 40, 15, true},
        {"inside", 12, 12, 14, 14, true},
        {"from_inside_out", 20, 15, 50, 50, true},
        {"corner_to_corner", 0, 0, 40, 30, true},
        {"beside", 0, 25, 40, 25, false},
        {"stops_short", 0, 15, 9, 15, false},
        {"diagonal_past_the_corner", 25, 0, 40, 12, false},
        {"vertical_through", 20, 0, 20, 40, true},
        {"vertical_beside", 31, 0, 31, 40, false},
        {"a_point_inside", 15, 15, 15, 15, true},
        {"a_point_outside", 5, 15, 5, 15, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(crosses(box, c.x0, c.y0, c.x1, c.y1), c.crosses) << c.name;
    }
}

// The head's box holds the triangle drawn: the tip and the two back corners 0.4·h aside.
TEST(LabelPlacement, TheHeadsBox) {
    const PixelBox right = head_box({0, 0, 100, 0}, 12);
    EXPECT_DOUBLE_EQ(right.left, 88);
    EXPECT_DOUBLE_EQ(right.width, 12);
    EXPECT_DOUBLE_EQ(right.top, -4.8);
    EXPECT_DOUBLE_EQ(right.height, 9.6);
    const PixelBox short_one = head_box({0, 0, 0, -10}, 12); // half the length at most
    EXPECT_DOUBLE_EQ(short_one.top, -10);
    EXPECT_DOUBLE_EQ(short_one.height, 5);
}

// A crowded star of arrows from one point (the origin where the labels used to pile up): every
// name finds a place apart from the others, off every head, inside the room, beside its arrow.
TEST(LabelPlacement, AStarOfArrowsGetsItsNamesApart) {
    for (const int count : {3, 6, 9}) {
        for (const double length : {40.0, 120.0}) {
            std::vector<LabelArrow> arrows;
            std::vector<LabelRequest> requests;
            for (int k = 0; k < count; ++k) {
                const double a = 2 * std::numbers::pi * k / count + 0.3;
                arrows.push_back(
                    {200, 200, 200 + length * std::cos(a), 200 - length * std::sin(a)});
                requests.push_back({"U" + std::to_string(k), {21, 17}, k, 0, 0});
            }
            requests.push_back({"φ", {7, 17}, -1, 215, 195});
            LabelRoom room;
            room.area = {0, 0, 400, 400};
            room.taken = {{0, 0, 30, 17}};
            const std::vector<PlacedLabel> placed = place_labels(arrows, requests, room);
            ASSERT_EQ(placed.size(), requests.size());
            for (std::size_t i = 0; i < placed.size(); ++i) {
                SCOPED_TRACE(std::to_string(count) + " arrows of " + std::to_string(length) + ": " +
                             placed[i].text);
                ASSERT_TRUE(placed[i].placed);
                const PixelBox& b = placed[i].box;
                EXPECT_EQ(placed[i].text, requests[i].text);
                EXPECT_DOUBLE_EQ(b.width, requests[i].extent.width);
                EXPECT_FALSE(b.intersects(room.taken[0]));
                for (const LabelArrow& a : arrows) {
                    EXPECT_FALSE(b.intersects(head_box(a, room.head)));
                }
                for (std::size_t j = i + 1; j < placed.size(); ++j) {
                    EXPECT_FALSE(b.intersects(placed[j].box)) << placed[j].text;
                }
                EXPECT_GE(b.left, 0);
                EXPECT_LE(b.left + b.width, 400);
            }
        }
    }
}

} // namespace
} // namespace ovrelan
