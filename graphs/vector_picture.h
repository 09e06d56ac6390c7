// The vector diagram as a picture: its phasors as arrows to scale, each named, the angle φ
// between the EMF and the current as an arc, a magnified inset of the voltage triangle where it
// is small (vector_layout), and above it a line of their amplitudes.
#pragma once

#include "geometry/vector_diagram.h"
#include "geometry/vector_layout.h"
#include "graphs/graph_render.h"

#include <QFontMetricsF>
#include <QPainter>

#include <string>
#include <vector>

namespace ovrelan {

// The lines above the diagram: φ and which leads, then every amplitude; a «name = value» never
// breaks across lines (its spaces are non-breaking).
std::vector<std::string> vector_notes(const Parameters& p, const VectorDiagram& d,
                                      char decimal_separator);

// Where the diagram stands in `size`, beneath its notes.
VectorLayout plan_vector_diagram(const QFontMetricsF& metrics, QSizeF size, const GraphLook& look,
                                 const Parameters& p, const VectorDiagram& d,
                                 char decimal_separator);

// The least height the picture needs at this width: its notes and a legible diagram.
double vector_least_body(double width, const GraphLook& look, const Parameters& p,
                         const VectorDiagram& d, char decimal_separator);

void draw_vector_diagram(QPainter& painter, QSizeF size, const GraphLook& look, const Parameters& p,
                         const VectorDiagram& d, char decimal_separator);

} // namespace ovrelan
