// One map between values and pixels: an interval of values onto a range of pixels, both ways.
// The graphs' frames, the reduction of a curve to pixel columns, the resonance and vector
// pictures and the tests' oracles all go through it; nobody writes the formula again. A
// logarithmic axis maps the decimal logarithms of its values (the caller takes them).
#pragma once

namespace ovrelan {

struct ValueMap {
    double v0 = 0; // the value at p0
    double v1 = 1; // the value at p1
    double p0 = 0; // pixels; p1 < p0 for a value axis that grows upwards
    double p1 = 1;

    double to_px(double v) const { return p0 + (v - v0) * ((p1 - p0) / (v1 - v0)); }
    double to_value(double px) const { return v0 + (px - p0) * ((v1 - v0) / (p1 - p0)); }
    // Pixels per unit of value (negative for an upward value axis).
    double scale() const { return (p1 - p0) / (v1 - v0); }
};

} // namespace ovrelan
