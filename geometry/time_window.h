// The visible part of a graph's time axis: the whole interval, or a part of it zoomed in and
// panned, in the arrays' own time (τ). Zooming keeps the time under the pointer where it is;
// nothing leaves the computed interval; a window never gets narrower than a few grid steps.
#pragma once

namespace ovrelan {

struct TimeWindow {
    double from = 0;
    double to = 1;
    double width() const { return to - from; }
    friend bool operator==(const TimeWindow&, const TimeWindow&) = default;
};

// The whole computed interval [0, span].
TimeWindow whole(double span);

// Zoomed by `factor` (below 1 in, above 1 out) about the time `about`, which stays at the same
// place in the window; at most the whole interval, at least `narrowest` wide.
TimeWindow zoomed(const TimeWindow& w, double about, double factor, double span, double narrowest);

// Moved by `by` (positive: later), kept inside [0, span].
TimeWindow panned(const TimeWindow& w, double by, double span);

// Follows the run: when `now` has passed the window's right edge (or is before its left one),
// the window moves so that `now` stands at a quarter of its width; otherwise it stays.
TimeWindow following(const TimeWindow& w, double now, double span);

// Less than the whole interval is shown.
bool zoomed_in(const TimeWindow& w, double span);

} // namespace ovrelan
