// The circuit scene as numbers: the wire loop, where each element picture goes, and what the
// capacitor, coil and source pictures draw inside themselves. No drawing here.
#pragma once

#include <vector>

namespace ovrelan {

// Rounds half to even, as every pen width and margin of the scene does.
int round_even(double value);

// The thickness of the wires for a scene picture this wide: width / 54.
double wire_width_for(double picture_width);

// The radius of a charge carrier on wires this thick: half the wire less two pixels.
double carrier_radius_for(double wire_width);

// A rectangle in window pixels measured from the scene picture's top-left corner.
struct ElementRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct SceneLayout {
    double m = 0;     // scene_margin: the inset of the loop on all four sides
    int wire_pen = 1; // wire_width rounded
    double wire_left = 0, wire_right = 0, wire_bottom = 0, wire_top = 0; // y up
    ElementRect key, source, coil, resistor, capacitor;
};

// The loop and the element pictures for a scene picture W x H with this wire width.
SceneLayout scene_layout(double W, double H, double wire_width);

// Field lines of the capacitor: their y positions (y up, in a picture Ch high) in drawing order
// and the number of pairs N beside the three fixed lines. `e_lines` is e_lines_max * |u/ref|.
struct FieldLines {
    double N = 0;           // e_lines / 2 rounded half to even
    double gap = 0;         // e_line_gap, only computed when N >= 1
    std::vector<double> ys; // the lines that can show: pairs beyond the picture or on top of
                            // the middle line draw nothing new and are left out
};
FieldLines electric_field_lines(double Ch, double e_lines);

// The reference of the field-line count: u0, or eps when u0 is 0.
double field_reference(double u0, double eps);

// One ellipse of the coil's field.
struct Loop {
    double x, y;   // centre
    double radius; // horizontal
    double aspect; // vertical radius / horizontal radius
};
// Loops above and below the axis, pairs in order from the largest i down to 0; none when
// b_lines <= 1.
std::vector<Loop> magnetic_loops(double Lw, double Lh, double coil_step, double b_lines);

// Centres of the four turns of the coil: 2 * i * coil_step + 1.
std::vector<double> coil_turn_centres(double coil_step);

} // namespace ovrelan
