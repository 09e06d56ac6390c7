#include "geometry/time_window.h"

#include <algorithm>

namespace ovrelan {

TimeWindow whole(double span) {
    return {0, span > 0 ? span : 1};
}

TimeWindow panned(const TimeWindow& w, double by, double span) {
    const double width = std::min(w.width(), span);
    const double from = std::clamp(w.from + by, 0.0, std::max(0.0, span - width));
    return {from, from + width};
}

TimeWindow zoomed(const TimeWindow& w, double about, double factor, double span, double narrowest) {
    const double width = std::clamp(w.width() * factor, std::min(narrowest, span), span);
    const double place = w.width() > 0 ? (about - w.from) / w.width() : 0.5;
    const double from = about - std::clamp(place, 0.0, 1.0) * width;
    return panned({from, from + width}, 0, span);
}

TimeWindow following(const TimeWindow& w, double now, double span) {
    if (now >= w.from && now <= w.to) {
        return w;
    }
    const double from = now - w.width() / 4;
    return panned({from, from + w.width()}, 0, span);
}

bool zoomed_in(const TimeWindow& w, double span) {
    return w.width() < span * (1 - 1e-12);
}

} // namespace ovrelan
