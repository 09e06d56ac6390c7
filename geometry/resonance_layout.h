// The two plots of the resonance picture laid out as one: the amplitudes above (the current on
// the left axis, the capacitor's or the coil's voltage on the right), the phase φ beneath, with
// the same left and the same right margin, so that one frequency stands at one x in both; the
// frequency's labels once, under the phase plot; the phase labelled at −90 … 90° every 45° or,
// where the plot is low, every 90° (never fewer than three labels); in the strip above each plot
// a legend of its curves beside the axis names.
#pragma once

#include "geometry/graph_frame.h"

#include <string>
#include <vector>

namespace ovrelan {

struct ResonanceAxes {
    // The room for the two plots, in pixels (y down), below whatever stands above them.
    double top = 0;
    double width = 0;
    double height = 0;
    // The frequencies shown, in Hz, or their decimal logarithms on a logarithmic axis.
    Range nu;
    bool logarithmic = true;
    // The largest amplitudes to show: the current's (А) and the voltage's (В).
    double current_top = 1;
    double voltage_top = 1;
    std::string voltage_name = "UCm";
    char decimal_separator = '.';
    double scale = 1; // the look's: a legend entry's line is 16·scale long
};

struct ResonanceLayout {
    GraphFrame amplitudes; // y: the current, y2: the voltage, both from zero
    GraphFrame phase;      // y: φ in degrees, −90 … 90; the frequency labels under it
    std::vector<LegendItem> amplitude_legend; // "Im", then the voltage's name
    std::vector<LegendItem> phase_legend;     // "φ"
};

ResonanceLayout resonance_layout(const ResonanceAxes& axes, const MeasureText& measure);

// The least height of the room in which both plots keep three labels on their value axes, for
// text of this height (in a lower room the phase plot keeps its three first).
double resonance_least_height(double text_height);

} // namespace ovrelan
