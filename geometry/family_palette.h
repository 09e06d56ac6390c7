// The colours and dash patterns of the curves of a family (and of the remembered curves, a family
// of the student's own making): eight colours a colour-blind viewer tells apart too, each dark
// enough to stand on white, and eight dash patterns, so that a curve is told by its pattern where
// colour is lost (a grey printer, a washed-out projector).
#pragma once

#include "geometry/colours.h"
#include "geometry/palette.h"

#include <array>
#include <cstddef>
#include <span>

namespace ovrelan {

inline constexpr std::size_t family_palette_size = 8;

// Member i (counted from 0) of a family takes colour and pattern i; a ninth would take the first
// again, but a family has at most eight.
//
// Pairwise at least 25 apart in CIELAB (ΔE*ab) as they are, and at least 20 as viewers without
// red, green or blue cones see them; each with a contrast of at least 3:1 against white. The
// first three are the most distinct: a family of three (R below, at and above Rк) takes them.
inline constexpr std::array<Rgb, family_palette_size> family_colours{{
    {4, 101, 167},   // blue
    {167, 57, 0},    // vermilion, dark
    {0, 0, 0},       // black
    {149, 129, 247}, // lavender
    {109, 155, 110}, // sage green
    {148, 77, 54},   // brown
    {153, 149, 0},   // olive
    {47, 155, 205},  // sky blue
}};

// The dash pattern of member i as lengths in pen widths, dash, gap, dash, gap ...; empty for a
// solid line. Drawn with flat caps: a square or round cap lengthens each dash by half a pen width
// at both ends, so every gap is three widths at least and still shows then.
std::span<const double> family_dashes(std::size_t member);

Rgb family_colour(std::size_t member);

// Member i of a family in a look: the look's family colour i.
Rgb family_colour(const Palette& palette, std::size_t member);

// The present circuit's curves on the resonance picture. Alone: the look's resonance colours (in
// the light look a blue current, a vermilion voltage and a bluish-green phase). Beside a family,
// whose first colours may be near those, the present circuit takes the colour of its curve in
// every time graph (its current and its phase) and a grey (its voltage), so that no member is
// taken for it.
ResonanceColours resonance_colours(bool beside_family,
                                   const Palette& palette = palette_of(PaletteKind::light));

} // namespace ovrelan
