// What the pointer and the markers read off a graph, from the solution arrays (the nearest grid
// point, not the pixels), in physical units beside the normalised ones.
#pragma once

#include "geometry/graph_variants.h"
#include "model/simulation_state.h"

#include <cstddef>
#include <optional>
#include <string>

namespace ovrelan {

struct GraphPoint {
    std::size_t k = 0;     // the grid point
    double tau = 0;        // normalised time
    double seconds = 0;    // physical time
    double normalised = 0; // the sample
    double physical = 0;   // the sample times the graph's scale
};

// The grid point nearest to the normalised time tau (clamped to the computed points).
GraphPoint graph_point(const SimulationState& s, const GraphVariant& v, double tau);

// A number with an SI prefix and four significant digits, trailing zeros dropped:
// "12,34 мс", "7,41 В", "−3 мА".
std::string si_text(double value, const char* unit, char decimal_separator);

// A plain number with three significant digits: "3,90", "0,494", "−0,0996".
std::string plain_text(double value, char decimal_separator);

// «t = 12,34 мс (τ = 3,90); Uc = 7,41 В (0,494)»
std::string point_readout(const GraphPoint& p, const GraphVariant& v, char decimal_separator);

// «Δt = 19,87 мс; U_A = 7,41 В; U_B = 6,71 В; U_B/U_A = 0,905; ln = −0,0996» (no ratio when the
// value at A is 0, no logarithm unless the ratio is positive).
// The logarithmic decrement measured between two markers that both sit on maxima of an
// oscillating curve (each grid point at least its neighbours, above zero), n whole periods T of
// the panel apart: Θ = ln(A/B)/n. Nothing when they do not, or the circuit does not oscillate.
std::optional<double> measured_decrement(const SimulationState& s, const GraphVariant& v,
                                         const GraphPoint& a, const GraphPoint& b);

std::string markers_readout(const GraphPoint& a, const GraphPoint& b, const GraphVariant& v,
                            char decimal_separator);

} // namespace ovrelan
