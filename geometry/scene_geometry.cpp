#include "geometry/scene_geometry.h"

#include <cmath>

namespace ovrelan {

int round_even(double value) {
    return static_cast<int>(std::nearbyint(value));
}

double wire_width_for(double picture_width) {
    return picture_width / 54;
}

double carrier_radius_for(double wire_width) {
    return wire_width / 2 - 2;
}

SceneLayout scene_layout(double W, double H, double wire_width) {
    SceneLayout s;
    s.m = round_even(W / 16);
    s.wire_pen = round_even(wire_width);
    const double m = s.m;
    s.wire_left = m;
    s.wire_right = W - m;
    s.wire_bottom = m;
    s.wire_top = H - m;

    const double p = s.wire_pen;
    s.key = {m + p / 2 - 3 * m / 4, H / 4 - m / 2, 3 * m / 4, m};
    const double side = 3 * m / 2;
    s.source = {m - side / 2, (H - side) / 2, side, side};
    s.coil = {W / 2 - 5 * m / 2, 0, 5 * m, 2 * m};
    s.resistor = {W - m - m / 2, H / 2 - m, m, 2 * m};
    const double cw = 3 * m;
    const double ch = 7 * m / 4;
    s.capacitor = {W / 2 - cw / 2, H - m - ch / 2, cw, ch};
    return s;
}

double field_reference(double u0, double eps) {
    return u0 != 0 ? u0 : eps;
}

FieldLines electric_field_lines(double Ch, double e_lines) {
    FieldLines f;
    f.ys = {1, Ch - 1, Ch / 2};
    f.N = std::nearbyint(e_lines / 2);
    if (!(f.N >= 1)) {
        return f;
    }
    f.gap = std::nearbyint(static_cast<double>(static_cast<float>(Ch / e_lines)));
    if (f.gap == 0) {
        return f; // every further line lies on the middle one
    }
    // Beyond this i both lines of a pair are outside the picture.
    const double visible = std::min(f.N, std::ceil((Ch / 2) / f.gap) + 1);
    for (double i = 1; i <= visible; ++i) {
        f.ys.push_back(Ch / 2 + i * f.gap);
        f.ys.push_back(Ch / 2 - i * f.gap);
    }
    return f;
}

std::vector<Loop> magnetic_loops(double Lw, double Lh, double coil_step, double b_lines) {
    std::vector<Loop> loops;
    if (!(b_lines > 1)) {
        return loops;
    }
    const double radius_step = coil_step / b_lines;
    const double centre_step = (Lh / 8) / b_lines;
    const double aspect_step = static_cast<float>((Lh / Lw / 4) / b_lines);
    for (double i = b_lines; i >= 0; i -= 1) {
        const double r = Lw / 2 - i * radius_step;
        const double a = (Lh / Lw) / 2 - i * aspect_step;
        loops.push_back({Lw / 2, 3 * Lh / 4 - i * centre_step, r, a});
        loops.push_back({Lw / 2, Lh / 4 + i * centre_step, r, a});
    }
    return loops;
}

std::vector<double> coil_turn_centres(double coil_step) {
    std::vector<double> centres;
    for (int i = 1; i <= 4; ++i) {
        centres.push_back(2 * i * coil_step + 1);
    }
    return centres;
}

} // namespace ovrelan
