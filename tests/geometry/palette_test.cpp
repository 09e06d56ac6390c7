#include "geometry/palette.h"

#include "geometry/family_palette.h"
#include "support/cielab.h"

#include <gtest/gtest.h>

#include <string>

namespace ovrelan {
namespace {

using testing::Dichromacy;

testing::LinearRgb linear(Rgb c) {
    return testing::linear_rgb(c.r, c.g, c.b);
}

double contrast(Rgb a, Rgb b) {
    return testing::contrast(linear(a), linear(b));
}

// The smallest ΔE*ab between two colours as a trichromat sees them, and as each dichromat does.
struct Apart {
    double trichromat;
    double dichromat;
};

Apart apart(Rgb a, Rgb b) {
    Apart d{testing::delta_e(testing::lab(linear(a)), testing::lab(linear(b))), 1e9};
    for (const Dichromacy v :
         {Dichromacy::protanopia, Dichromacy::deuteranopia, Dichromacy::tritanopia}) {
        d.dichromat =
            std::min(d.dichromat, testing::delta_e(testing::lab(as_seen_with(v, linear(a))),
                                                   testing::lab(as_seen_with(v, linear(b)))));
    }
    return d;
}

std::string name(PaletteKind kind) {
    return std::string(palette_name(kind));
}

// Every curve, marker and text of every look stands at least 3:1 on its background (the light
// look's preview tint included, made towards the background it stands on); text 7:1.
TEST(Palettes, EveryCurveStandsOnItsBackground) {
    for (const PaletteKind kind : palette_kinds()) {
        const Palette& p = palette_of(kind);
        for (const CurveOnBackground& c : curves_of(p)) {
            EXPECT_GE(contrast(c.colour, c.background), 3.0) << name(kind) << ": " << c.what;
        }
        EXPECT_GE(contrast(p.ink, p.plot), 7.0) << name(kind);
        EXPECT_GE(contrast(p.window_text, p.window), 7.0) << name(kind);
        EXPECT_GE(contrast(p.window_text, p.field), 4.5) << name(kind) << ": a field";
        EXPECT_GE(contrast(p.window_text, p.pending), 4.5) << name(kind) << ": a waiting field";
        if (kind != PaletteKind::light) { // the light look keeps its bright green field lines
            for (const CurveOnBackground& c : scene_lines_of(p)) {
                EXPECT_GE(contrast(c.colour, c.background), 3.0) << name(kind) << ": " << c.what;
            }
        }
    }
}

// Curves drawn side by side are told apart with any colour vision: a family's eight members
// (ΔE*ab 25 as they are, 20 for a dichromat), the voltages-and-current graph's five curves (25
// and 15), the present circuit's resonance curves beside a family's members (25), and the
// present curve beside every member (30).
TEST(Palettes, CurvesSideBySideAreToldApart) {
    for (const PaletteKind kind : palette_kinds()) {
        const Palette& p = palette_of(kind);
        for (std::size_t i = 0; i < p.family.size(); ++i) {
            for (std::size_t j = i + 1; j < p.family.size(); ++j) {
                const Apart d = apart(p.family[i], p.family[j]);
                EXPECT_GE(d.trichromat, 25) << name(kind) << ": members " << i << ", " << j;
                EXPECT_GE(d.dichromat, 20) << name(kind) << ": members " << i << ", " << j;
            }
            EXPECT_GE(apart(p.family[i], p.curve).trichromat, 30) << name(kind) << ": " << i;
            const ResonanceColours beside = resonance_colours(true, p);
            for (const Rgb own : {beside.current, beside.voltage, beside.phase}) {
                EXPECT_GE(apart(own, p.family[i]).trichromat, 25) << name(kind) << ": " << i;
            }
        }
        const Rgb v[] = {p.voltages.emf, p.voltages.capacitor, p.voltages.resistor, p.voltages.coil,
                         p.voltages.current};
        for (std::size_t i = 0; i < std::size(v); ++i) {
            for (std::size_t j = i + 1; j < std::size(v); ++j) {
                const Apart d = apart(v[i], v[j]);
                EXPECT_GE(d.trichromat, 25) << name(kind) << ": voltages " << i << ", " << j;
                EXPECT_GE(d.dichromat, 15) << name(kind) << ": voltages " << i << ", " << j;
            }
        }
        const ResonanceColours alone = resonance_colours(false, p);
        EXPECT_GE(apart(alone.current, alone.voltage).trichromat, 30) << name(kind);
    }
}

// Which colour each curve takes, and what the looks are called in the settings.
TEST(Palettes, RolesNamesAndWidths) {
    const struct {
        CurveRole role;
        Rgb VoltageColours::*colour;
    } roles[] = {
        {CurveRole::emf, &VoltageColours::emf},
        {CurveRole::capacitor, &VoltageColours::capacitor},
        {CurveRole::resistor, &VoltageColours::resistor},
        {CurveRole::coil, &VoltageColours::coil},
        {CurveRole::current, &VoltageColours::current},
    };
    for (const PaletteKind kind : palette_kinds()) {
        const Palette& p = palette_of(kind);
        EXPECT_EQ(p.kind, kind);
        EXPECT_EQ(palette_named(palette_name(kind)), kind);
        EXPECT_EQ(curve_colour(p, CurveRole::single), p.curve) << name(kind);
        for (const auto& r : roles) {
            EXPECT_EQ(curve_colour(p, r.role), p.voltages.*r.colour) << name(kind);
        }
        for (std::size_t m = 0; m < 2 * family_palette_size; ++m) {
            EXPECT_EQ(family_colour(p, m), p.family[m % family_palette_size]) << name(kind);
        }
        EXPECT_EQ(resonance_colours(true, p).current, p.curve);
        EXPECT_EQ(resonance_colours(true, p).voltage, p.beside_family);
        EXPECT_EQ(resonance_colours(false, p).phase, p.resonance.phase);
    }
    EXPECT_EQ(palette_named("sepia"), PaletteKind::light) << "an unknown name";
    EXPECT_EQ(palette_named(""), PaletteKind::light);
    // The light look is the one the program always had.
    const Palette& light = palette_of(PaletteKind::light);
    EXPECT_EQ(light.curve, curve_red);
    EXPECT_EQ(light.plot, white);
    EXPECT_EQ(light.window, window_background);
    EXPECT_EQ(light.field, field_yellow);
    EXPECT_DOUBLE_EQ(light.line_width, 1);
    EXPECT_DOUBLE_EQ(palette_of(PaletteKind::contrast).line_width, 2);
    EXPECT_EQ(palette_of(PaletteKind::contrast).plot, white) << "black on white";
}

// The preview's tint is mixed towards the background it stands on: lighter on white, darker on
// the dark look's near-black, and as pale as 3:1 allows.
TEST(Palettes, PreviewTintTowardsTheBackground) {
    for (const PaletteKind kind : palette_kinds()) {
        const Palette& p = palette_of(kind);
        const Rgb tint = preview_tint(p.curve, p.plot, p.preview_contrast);
        EXPECT_NE(tint, p.curve) << name(kind);
        EXPECT_GE(contrast(tint, p.plot), p.preview_contrast) << name(kind);
        EXPECT_GE(p.preview_contrast, 3.0) << name(kind);
        EXPECT_LT(contrast(tint, p.plot), contrast(p.curve, p.plot)) << name(kind);
        const Rgb paler = preview_tint(p.curve, p.plot, p.preview_contrast - 1);
        EXPECT_LT(contrast(paler, p.plot), contrast(tint, p.plot)) << name(kind);
    }
    EXPECT_EQ(preview_tint(curve_red), preview_tint(curve_red, white));
}

} // namespace
} // namespace ovrelan
