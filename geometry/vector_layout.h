// The vector diagram laid out in pixels. All phasors stand to one scale around the origin; where
// the voltage triangle ε = Ur + (UL + Uc) is small beside UL and Uc (near resonance, or the
// start-up circuit's 5 V beside 35 V), an inset beside the diagram draws the triangle again,
// magnified by a round factor that its caption states («×8»), with the angle φ between the
// current and the EMF, and a dashed frame in the diagram marks what it magnifies. The current's
// direction, which is Ur's, is drawn thinner, beneath Ur and a little aside, with a length of its
// own (it is not a voltage) that differs from Ur's. Names are placed apart (place_labels).
#pragma once

#include "geometry/label_placement.h"
#include "geometry/vector_diagram.h"

#include <optional>
#include <string>
#include <vector>

namespace ovrelan {

struct DiagramArrow {
    std::string name; // as the phasor's: "Ur", "UL", "Uc", "UL+Uc", "ε", "I"
    LabelArrow at;    // pixels, y down
};

// The arc of the angle φ from the current's direction to the EMF's.
struct PhiArc {
    double x = 0, y = 0; // its centre (the triangle's corner at the origin)
    double radius = 0;
    double from = 0;  // the current's direction, radians counter-clockwise on the screen
    double sweep = 0; // φ
};

struct DiagramPanel {
    PixelBox area;
    double origin_x = 0, origin_y = 0;
    double unit = 0;                  // pixels per volt
    std::vector<DiagramArrow> arrows; // in drawing order: the current first
    std::optional<PhiArc> arc;
    std::vector<PlacedLabel> labels; // the arrows' names and "φ"
};

struct VectorLayout {
    DiagramPanel diagram;
    std::optional<DiagramPanel> inset; // the voltage triangle, magnified
    double magnification = 1;          // the inset's unit over the diagram's
    std::string caption;               // the inset's: "×8"
    PixelBox caption_box;              // in the inset's top left corner
    PixelBox marked;                   // in the diagram: the region the inset shows
};

// For phasors in volts (VectorDiagram), in `area`, with names measured by `measure`; `scale` is
// the look's (heads 12·scale long, names 4·scale from their arrows).
VectorLayout vector_layout(const VectorDiagram& d, const PixelBox& area, const MeasureText& measure,
                           double scale);

// The round magnification not above `wanted`: 1, 1.5, 2, 3, 4, 5, 6 or 8 times a power of ten.
double round_magnification(double wanted);

} // namespace ovrelan
