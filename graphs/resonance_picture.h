// The resonance curve as a picture: the steady-state amplitude of the current and of the
// capacitor's voltage (the coil's, without a capacitor) against the source's frequency, and
// beneath it, on the same frequency axis, the phase φ by which the EMF leads the current.
// Marked: ν₀, the capacitor voltage's peak (the panel's Vr) and the present ν as lines in both
// plots, the half-power band shaded, and above the plots their values with the band's width and
// Q. The two plots share one frequency axis (resonance_layout); each has a legend of its curves.
#pragma once

#include "geometry/resonance_layout.h"
#include "graphs/graph_render.h"
#include "graphs/picture_notes.h"
#include "model/simulation_state.h"
#include "model/steady_state.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ovrelan {

// A member of a family of curves on the resonance picture: its curve (over its own band) and its
// name; drawn in the family's colour and dashes of its place in the family (the current and the
// phase).
struct FamilyResonance {
    ResonanceCurve curve;
    std::string label;
};

// The lines of text above the plots: the marked frequencies, the band and Q (or why the peak
// has no top), and the present frequency's amplitude and phase. A «name = value» never breaks
// across lines: its spaces are non-breaking.
std::vector<std::string> resonance_notes(const Parameters& p, const ResonanceCurve& c,
                                         char decimal_separator);

// Where the picture's parts stand in `size`: the notes' lines, wrapped to the width, and beneath
// them the two plots (none for a circuit without a curve).
struct ResonancePlan {
    std::vector<NoteLine> notes;
    double notes_bottom = 0;
    std::optional<ResonanceLayout> plots;
};
ResonancePlan plan_resonance(const QFontMetricsF& metrics, QSizeF size, const GraphLook& look,
                             const Parameters& p, const ResonanceCurve& c, bool logarithmic,
                             char decimal_separator, std::span<const FamilyResonance> family = {});

// The least height the picture needs at this width: its notes and two legible plots.
double resonance_least_body(double width, const GraphLook& look, const Parameters& p,
                            const ResonanceCurve& c, char decimal_separator);

// Draws the picture into `size` (pixels of its painter) at a look; a circuit without a curve
// gets its reason instead. A family's members are drawn beneath the present curves, on a
// frequency axis and amplitude scale that take them all.
void draw_resonance(QPainter& painter, QSizeF size, const GraphLook& look, const Parameters& p,
                    const ResonanceCurve& c, bool logarithmic, char decimal_separator,
                    std::span<const FamilyResonance> family = {});

} // namespace ovrelan
