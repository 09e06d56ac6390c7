#include "geometry/picture_size.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

namespace {

bool wide_enough(long long width, const PictureNeeds& n) {
    return static_cast<double>(width) >= std::ceil(least_plot_width * n.scale) &&
           n.title_lines <= most_title_lines;
}

long long least_height(const PictureNeeds& n) {
    const double body = std::max(n.body_height, least_plot_height * n.scale);
    return static_cast<long long>(std::ceil(n.title_height + body - 1e-9));
}

} // namespace

bool within_picture_limits(long long width, long long height) {
    return width >= 1 && height >= 1 && width <= largest_picture_side &&
           height <= largest_picture_side && width * height <= largest_picture_area;
}

PictureFit picture_fit(long long width, long long height,
                       const std::function<PictureNeeds(long long)>& needs) {
    PictureFit fit;
    const PictureNeeds asked = needs(width);
    if (wide_enough(width, asked)) {
        fit.least_width = width;
        fit.least_height = least_height(asked);
        fit.fits = height >= fit.least_height;
        return fit;
    }
    fit.fits = false;
    // The title wraps into fewer lines as the width grows: the first width that takes it.
    for (long long w = std::max(width + 1, static_cast<long long>(least_plot_width));
         w <= largest_picture_side; ++w) {
        const PictureNeeds n = needs(w);
        if (wide_enough(w, n)) {
            fit.least_width = w;
            fit.least_height = least_height(n);
            return fit;
        }
    }
    return fit;
}

} // namespace ovrelan
