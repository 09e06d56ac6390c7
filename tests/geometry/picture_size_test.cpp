#include "geometry/picture_size.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace ovrelan {
namespace {

// The largest picture: 7680 a side, 7680 × 4320 pixels in all (127 MiB at 4 bytes a pixel).
TEST(PictureSize, TheLargestPictureBoundsTheMemory) {
    const struct {
        long long width, height;
        bool within;
    } cases[] = {
        {1, 1, true},          {1600, 900, true},   {3840, 2160, true}, {7680, 4320, true},
        {4320, 7680, true},    {7680, 4321, false}, {7681, 1, false},   {1, 7681, false},
        {16000, 16000, false}, {0, 900, false},     {900, -1, false},   {6000, 6000, false},
        {5760, 5760, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(within_picture_limits(c.width, c.height), c.within) << c.width << "x" << c.height;
    }
    EXPECT_EQ(largest_picture_area * 4, 132'710'400) << "bytes of the largest image";
}

// A title of 180 characters, 7 px each and 18 px a line at the look of the width (its scale
// w / 800 between 1 and 6), wrapped in the width less 12 px of the scale; beneath it a body of
// `body` px of the scale (0: a plot's 140).
PictureNeeds needs(long long width, double body) {
    PictureNeeds n;
    const double w = static_cast<double>(width);
    n.scale = std::clamp(w / 800, 1.0, 6.0);
    const double per_line = std::floor((w - 12 * n.scale) / (7 * n.scale));
    n.title_lines = per_line > 0 ? static_cast<int>(std::ceil(180 / per_line)) : 1000;
    n.title_height = n.title_lines * 18 * n.scale + 4 * n.scale;
    n.body_height = body * n.scale;
    return n;
}

// The least picture: the title in at most four lines and the plot at least 320 × 140 of the
// look. Worked by hand from the title's lines: at 400 px, 55 characters a line, 4 lines.
TEST(PictureSize, TheLeastPictureHoldsTheTitleAndALegiblePlot) {
    const struct {
        const char* name;
        long long width, height;
        double body;
        bool fits;
        long long least_width, least_height;
    } cases[] = {
        // 327 px: 45 characters a line, 4 lines (76 px); 4 + 140.
        {"tiny", 200, 100, 0, false, 327, 216},
        {"narrow_but_high", 320, 2000, 0, false, 327, 216},
        // 4000 px, scale 5: 112 characters a line, 2 lines (180 + 20 px) and 700 px of plot.
        {"wide_but_low", 4000, 100, 0, false, 4000, 900},
        {"wide_enough", 4000, 900, 0, true, 4000, 900},
        {"classroom", 1600, 900, 0, true, 1600, 2 * (2 * 18 + 4 + 140)},
        {"small_window", 400, 300, 0, true, 400, 4 * 18 + 4 + 140},
        {"small_window_resonance", 400, 290, 220, false, 400, 4 * 18 + 4 + 220},
        {"resonance_fits", 640, 360, 220, true, 640, 3 * 18 + 4 + 220},
        // The largest: scale 6, 1280 px of look; the title in one line.
        {"largest", 7680, 4320, 0, true, 7680, 6 * (18 + 4 + 140)},
    };
    for (const auto& c : cases) {
        const PictureFit fit =
            picture_fit(c.width, c.height, [&c](long long w) { return needs(w, c.body); });
        EXPECT_EQ(fit.fits, c.fits) << c.name;
        EXPECT_EQ(fit.least_width, c.least_width) << c.name;
        EXPECT_EQ(fit.least_height, c.least_height) << c.name;
    }
    // A title that no width takes in four lines.
    const PictureFit never = picture_fit(400, 300, [](long long w) {
        PictureNeeds n = needs(w, 0);
        n.title_lines = 5;
        return n;
    });
    EXPECT_FALSE(never.fits);
    EXPECT_EQ(never.least_width, 0);
}

} // namespace
} // namespace ovrelan
