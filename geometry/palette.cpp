#include "geometry/palette.h"

#include "geometry/family_palette.h"

namespace ovrelan {

namespace {

// Okabe and Ito's colours, the current in Tol's purple: the voltages-and-current graph and the
// vector diagram in the light looks.
constexpr VoltageColours okabe_ito_voltages{
    {0, 0, 0}, {0, 114, 178}, {0, 158, 115}, {213, 94, 0}, {170, 51, 119}};

constexpr Palette light{
    .kind = PaletteKind::light,
    .window = window_background,
    .window_text = black,
    .field = field_yellow,
    .pending = pending_pink,
    .plot = white,
    .ink = black,
    .grid = grid_green,
    .faint = {200, 200, 200},
    .secondary = {90, 90, 90},
    .marker = {0, 110, 0},
    .cursor = {60, 60, 200},
    .measured = {0, 128, 128},
    .line_width = 1,
    .preview_contrast = 3,
    .curve = curve_red,
    .beside_family = wire_grey,
    .voltages = okabe_ito_voltages,
    .resonance = {{0, 114, 178}, {213, 94, 0}, {0, 158, 115}},
    .family = family_colours,
    .scene = white,
    .wire = wire_grey,
    .carrier = carrier_yellow,
    .positive = positive_red,
    .negative = negative_blue,
    .electric = electric_green,
    .magnetic = magnetic_dark_red,
};

// For a projector in a lit room: black on white, lines twice as wide, a grey grid instead of the
// pale green one, darker field lines and wires; nothing paler than 3:1 on white.
constexpr Palette contrast{
    .kind = PaletteKind::contrast,
    .window = white,
    .window_text = black,
    .field = {255, 255, 170},
    .pending = {255, 190, 180},
    .plot = white,
    .ink = black,
    .grid = {175, 175, 175},
    .faint = {150, 150, 150},
    .secondary = {70, 70, 70},
    .marker = {0, 100, 0},
    .cursor = {0, 0, 190},
    .measured = {0, 110, 110},
    .line_width = 2,
    .preview_contrast = 4.5,
    .curve = {220, 0, 0},
    .beside_family = {100, 100, 100},
    .voltages = okabe_ito_voltages,
    .resonance = {{0, 114, 178}, {213, 94, 0}, {0, 158, 115}},
    .family = family_colours,
    .scene = white,
    .wire = {70, 70, 70},
    .carrier = {255, 200, 0},
    .positive = {220, 0, 0},
    .negative = {0, 0, 220},
    .electric = {0, 140, 30},
    .magnetic = {130, 0, 0},
};

// For a dimmed hall: light on near-black. Okabe and Ito's lighter colours for the voltages, and a
// family of eight as far apart for every viewer as the light look's are.
constexpr Palette dark{
    .kind = PaletteKind::dark,
    .window = {45, 45, 48},
    .window_text = {230, 230, 230},
    .field = {70, 68, 40},
    .pending = {110, 50, 45},
    .plot = {24, 24, 28},
    .ink = {235, 235, 235},
    .grid = {40, 85, 40},
    .faint = {95, 95, 95},
    .secondary = {170, 170, 170},
    .marker = {120, 220, 120},
    .cursor = {150, 165, 255},
    .measured = {0, 200, 200},
    .line_width = 1,
    .preview_contrast = 3,
    .curve = {255, 90, 80},
    .beside_family = {170, 170, 170},
    .voltages = {{235, 235, 235}, {86, 180, 233}, {0, 158, 115}, {230, 159, 0}, {204, 121, 167}},
    .resonance = {{86, 180, 233}, {230, 159, 0}, {0, 158, 115}},
    .family = {{
        {17, 255, 187},  // mint
        {221, 34, 255},  // violet
        {255, 255, 51},  // yellow
        {238, 136, 0},   // orange
        {255, 187, 255}, // pink
        {255, 0, 153},   // magenta
        {170, 238, 119}, // lime
        {119, 153, 85},  // olive green
    }},
    .scene = {24, 24, 28},
    .wire = {150, 150, 150},
    .carrier = carrier_yellow,
    .positive = {255, 80, 70},
    .negative = {90, 140, 255},
    .electric = electric_green,
    .magnetic = {230, 70, 70},
};

constexpr std::array<PaletteKind, 3> kinds{PaletteKind::light, PaletteKind::contrast,
                                           PaletteKind::dark};

} // namespace

const Palette& palette_of(PaletteKind kind) {
    switch (kind) {
    case PaletteKind::contrast:
        return contrast;
    case PaletteKind::dark:
        return dark;
    case PaletteKind::light:
        break;
    }
    return light;
}

Rgb curve_colour(const Palette& p, CurveRole role) {
    switch (role) {
    case CurveRole::emf:
        return p.voltages.emf;
    case CurveRole::capacitor:
        return p.voltages.capacitor;
    case CurveRole::resistor:
        return p.voltages.resistor;
    case CurveRole::coil:
        return p.voltages.coil;
    case CurveRole::current:
        return p.voltages.current;
    case CurveRole::single:
        break;
    }
    return p.curve;
}

std::span<const PaletteKind> palette_kinds() {
    return kinds;
}

std::string_view palette_name(PaletteKind kind) {
    switch (kind) {
    case PaletteKind::contrast:
        return "contrast";
    case PaletteKind::dark:
        return "dark";
    case PaletteKind::light:
        break;
    }
    return "light";
}

PaletteKind palette_named(std::string_view name) {
    for (const PaletteKind kind : kinds) {
        if (palette_name(kind) == name) {
            return kind;
        }
    }
    return PaletteKind::light;
}

std::vector<CurveOnBackground> curves_of(const Palette& p) {
    std::vector<CurveOnBackground> curves{
        {"curve", p.curve, p.plot},
        {"beside a family", p.beside_family, p.plot},
        {"emf", p.voltages.emf, p.plot},
        {"capacitor", p.voltages.capacitor, p.plot},
        {"resistor", p.voltages.resistor, p.plot},
        {"coil", p.voltages.coil, p.plot},
        {"current", p.voltages.current, p.plot},
        {"resonance current", p.resonance.current, p.plot},
        {"resonance voltage", p.resonance.voltage, p.plot},
        {"resonance phase", p.resonance.phase, p.plot},
        {"measured", p.measured, p.plot},
        {"marker", p.marker, p.plot},
        {"cursor", p.cursor, p.plot},
        {"secondary", p.secondary, p.plot},
        {"text", p.ink, p.plot},
        {"preview", preview_tint(p.curve, p.plot, p.preview_contrast), p.plot},
    };
    for (const Rgb c : p.family) {
        curves.push_back({"family member", c, p.plot});
    }
    return curves;
}

std::vector<CurveOnBackground> scene_lines_of(const Palette& p) {
    return {
        {"wire", p.wire, p.scene},
        {"positive plate", p.positive, p.scene},
        {"negative plate", p.negative, p.scene},
        {"electric field", p.electric, p.scene},
        {"magnetic field", p.magnetic, p.scene},
    };
}

} // namespace ovrelan
