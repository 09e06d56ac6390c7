// The sizes a picture file may have. At most 7680 pixels a side and 7680 × 4320 pixels in all
// (the image then takes 4 bytes a pixel, 127 MiB, whatever it shows); at least what its title
// and a legible plot need: the title wrapped to the picture's width in at most four lines, and
// beneath it a plot (the graph with its axes' labels, or the picture's notes and plots) of at
// least 320 × 140 pixels at the picture's look, which grows with the width.
#pragma once

#include <functional>

namespace ovrelan {

inline constexpr long long largest_picture_side = 7680;
inline constexpr long long largest_picture_area = 7680LL * 4320;
inline constexpr double least_plot_width = 320;
inline constexpr double least_plot_height = 140;
inline constexpr int most_title_lines = 4;

// Whether a width and a height are within the largest picture (and at least 1 each).
bool within_picture_limits(long long width, long long height);

// What a picture of some width needs, in its pixels.
struct PictureNeeds {
    double scale = 1;        // the look's at this width
    int title_lines = 0;     // the title wrapped at this width
    double title_height = 0; // its lines and the gap beneath them
    double body_height = 0;  // what is drawn beneath the title, at its least
};

struct PictureFit {
    bool fits = true;
    // When it does not: the least width at which the title takes at most four lines and the plot
    // its 320 pixels (0 when no width up to the largest does), and the least height at the width
    // asked for (or at that least width, when the width asked for is too narrow).
    long long least_width = 0;
    long long least_height = 0;
};

// `needs` gives what the picture needs at a width.
PictureFit picture_fit(long long width, long long height,
                       const std::function<PictureNeeds(long long width)>& needs);

} // namespace ovrelan
