// The program's looks («Вид → Оформление»): the light one it always had, a high-contrast one for
// projectors (black on white, thick lines, no pale colours) and a dark one for a dimmed hall.
// Every colour a window, a graph, a picture or the circuit draws with comes from here; every
// curve's colour stands at least 3:1 against its background, and the colours of curves drawn side
// by side are told apart with any colour vision.
#pragma once

#include "geometry/colours.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace ovrelan {

enum class PaletteKind { light, contrast, dark };

// The curves of the voltages-and-current graph and of the vector diagram, one per quantity.
struct VoltageColours {
    Rgb emf;
    Rgb capacitor; // Uc, and the capacitor's energy
    Rgb resistor;  // Ur
    Rgb coil;      // εL, UL, and the coil's energy
    Rgb current;   // I
};

// The present circuit's curves on the resonance picture.
struct ResonanceColours {
    Rgb current;
    Rgb voltage;
    Rgb phase;
};

struct Palette {
    PaletteKind kind;
    // The windows: their background and text, the parameter fields, a field waiting for its
    // edit to finish.
    Rgb window, window_text, field, pending;
    // Plots and pictures: the background, text and axes, the grid, a switched-off legend entry,
    // the grey of secondary lines (envelopes, the vector diagram's sums), the markers, the
    // pointer's cross-hair and a measured trace.
    Rgb plot, ink, grid, faint, secondary, marker, cursor, measured;
    // Pens of curves, axes and markers are this many times as wide as in the light look (the grid
    // keeps its width: it must not compete with the curves).
    double line_width;
    // The contrast the preview's tint keeps against the plot's background.
    double preview_contrast;
    // The one curve of a time graph; the present circuit's voltage beside a family.
    Rgb curve, beside_family;
    VoltageColours voltages;
    ResonanceColours resonance; // alone; beside a family: curve, beside_family, curve
    std::array<Rgb, 8> family;  // the members of a family, and the remembered curves
    // The circuit: background, wires, charge carriers, plates and poles, field lines.
    Rgb scene, wire, carrier, positive, negative, electric, magnetic;
};

const Palette& palette_of(PaletteKind kind);

// What a time graph's curve shows, for its colour: the one curve of a graph, or one of the
// voltages-and-current graph's (the energies take their element's colour).
enum class CurveRole { single, emf, capacitor, resistor, coil, current };
Rgb curve_colour(const Palette& p, CurveRole role);

// Every look, the light one first.
std::span<const PaletteKind> palette_kinds();

// The look's name in the settings ("light", "contrast", "dark"), and back (the light one for a
// name it does not know).
std::string_view palette_name(PaletteKind kind);
PaletteKind palette_named(std::string_view name);

// Each curve's colour and the background it stands on, with what it is: the contrast test's
// table of one look.
struct CurveOnBackground {
    const char* what;
    Rgb colour;
    Rgb background;
};
std::vector<CurveOnBackground> curves_of(const Palette& p);

// The circuit's lines on its background. The light look keeps the bright green field lines the
// circuit always had (a picture's colour, not a curve to read); the others stand 3:1 too.
std::vector<CurveOnBackground> scene_lines_of(const Palette& p);

} // namespace ovrelan
