// Where the charge carriers stand on the wire loop in one phase of an animation frame.
#pragma once

#include <vector>

namespace ovrelan {

struct CarrierPoint {
    double x;
    double y;
    friend bool operator==(const CarrierPoint&, const CarrierPoint&) = default;
};

struct WireLoop {
    double left, right, bottom, top; // y up
};

// True when the current is large enough for the carriers to be drawn (and the run to pause):
// |I| >= I_max / 100.
bool carriers_move(double I, double I_max);

// The carriers of one phase (0, 1, 2): every third of carrier_steps positions on each wire, in
// the order lower wire, vertical wire ahead, upper wire, vertical wire behind, the end point
// included when it falls on a step. For I >= 0 they start at the right wire and run clockwise
// on screen, for I < 0 at the left wire and run counter-clockwise. A wire whose step is zero
// (a loop too small for the number of positions) gets no carriers.
std::vector<CarrierPoint> carrier_positions(const WireLoop& loop, int carrier_steps, double I,
                                            int phase);

} // namespace ovrelan
