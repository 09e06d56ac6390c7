// The resonance curve as a picture: the steady-state amplitude of the current and of the
// capacitor's voltage (the coil's, without a capacitor) against the source's frequency, and
// beneath it, on the same frequency axis, the phase φ by which the EMF leads the current.
// Marked: ν₀, the capacitor voltage's peak (the panel's Vr) and the present ν as lines, the
// half-power band shaded, and above the plots their values with the band's width and Q.
#pragma once

#include "graphs/graph_render.h"
#include "model/simulation_state.h"
#include "model/steady_state.h"

#include <QPainter>
#include <QString>

namespace ovrelan {

// The lines of text above the plots: the marked frequencies, the band and Q (or why the peak
// has no top), and the present frequency's amplitude and phase.
std::vector<std::string> resonance_notes(const Parameters& p, const ResonanceCurve& c,
                                         char decimal_separator);

// Draws the picture into `size` (pixels of its painter) at a look; a circuit without a curve
// gets its reason instead.
void draw_resonance(QPainter& painter, QSizeF size, const GraphLook& look, const Parameters& p,
                    const ResonanceCurve& c, bool logarithmic, char decimal_separator);

} // namespace ovrelan
