// The vector (phasor) diagram of the steady state a sinusoidal source drives: the resistor's
// voltage Ur along the current; from its head the coil's UL, ahead of the current by 90°, and the
// capacitor's Uc, behind it by 90°, and their sum UL + Uc; the EMF from the origin to where
// Ur + UL + Uc ends, at the angle φ from the current. During a run the whole diagram turns with
// the source's phase.
#pragma once

#include "model/simulation_state.h"

#include <string>
#include <vector>

namespace ovrelan {

struct Phasor {
    std::string name;      // "Ur", "UL", "Uc", "UL+Uc", "ε", "I"
    double x0 = 0, y0 = 0; // tail, in volts (the current's in volts of I·|Z|)
    double x1 = 0, y1 = 0; // head
    double amplitude = 0;  // volts, or amperes for the current
};

struct VectorDiagram {
    std::vector<Phasor> phasors; // the voltages (those the circuit has), then ε, then I
    double phi = 0;              // how far the EMF leads the current
    double reach = 0;            // the largest distance of a point from the origin, in volts
    std::string reason;          // why there is no diagram
};

// At the source's phase ωt (0 before a run), for the source's frequency |ν|. A constant source
// (ν = 0), or a circuit whose steady current is unbounded, has a reason instead.
VectorDiagram vector_diagram(const Parameters& p, double source_phase);

} // namespace ovrelan
