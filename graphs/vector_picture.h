// The vector diagram as a picture: its phasors as arrows to scale, each named, the angle φ
// between the EMF and the current as an arc, and above it a line of their amplitudes.
#pragma once

#include "geometry/vector_diagram.h"
#include "graphs/graph_render.h"

#include <QPainter>

#include <string>
#include <vector>

namespace ovrelan {

// The lines above the diagram: φ and which leads, then every amplitude.
std::vector<std::string> vector_notes(const Parameters& p, const VectorDiagram& d,
                                      char decimal_separator);

void draw_vector_diagram(QPainter& painter, QSizeF size, const GraphLook& look, const Parameters& p,
                         const VectorDiagram& d, char decimal_separator);

} // namespace ovrelan
