#include "geometry/family_palette.h"

#include "support/cielab.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::Dichromacy;

testing::LinearRgb linear(Rgb c) {
    return testing::linear_rgb(c.r, c.g, c.b);
}

// The smallest ΔE*ab between two colours of the palette as a viewer sees them (`see` turns a
// colour into what the viewer sees), with the table of all of them for a failure's message.
template <class See> double smallest_difference(See see, std::string* table) {
    double smallest = 1e9;
    std::ostringstream out;
    for (std::size_t i = 0; i < family_palette_size; ++i) {
        for (std::size_t j = 0; j < family_palette_size; ++j) {
            const double d = testing::delta_e(testing::lab(see(linear(family_colours[i]))),
                                              testing::lab(see(linear(family_colours[j]))));
            out << static_cast<int>(d) << (j + 1 < family_palette_size ? "\t" : "\n");
            if (i < j) {
                smallest = std::min(smallest, d);
            }
        }
    }
    *table = out.str();
    return smallest;
}

TEST(FamilyPalette, EightColoursEveryViewerTellsApart) {
    struct Viewer {
        const char* name;
        double at_least;
        testing::LinearRgb (*see)(const testing::LinearRgb&);
    };
    const Viewer viewers[] = {
        {"trichromat", 25, [](const testing::LinearRgb& c) { return c; }},
        {"protanope", 20,
         [](const testing::LinearRgb& c) { return as_seen_with(Dichromacy::protanopia, c); }},
        {"deuteranope", 20,
         [](const testing::LinearRgb& c) { return as_seen_with(Dichromacy::deuteranopia, c); }},
        {"tritanope", 20,
         [](const testing::LinearRgb& c) { return as_seen_with(Dichromacy::tritanopia, c); }},
    };
    for (const Viewer& v : viewers) {
        std::string table;
        EXPECT_GE(smallest_difference(v.see, &table), v.at_least) << v.name << ", ΔE*ab:\n"
                                                                  << table;
    }
}

TEST(FamilyPalette, EachColourStandsOnWhiteAndApartFromThePresentCurve) {
    for (std::size_t i = 0; i < family_palette_size; ++i) {
        const Rgb c = family_colours[i];
        EXPECT_GE(testing::contrast(linear(c), linear(white)), 3.0) << i;
        EXPECT_GE(testing::delta_e(testing::lab(linear(c)), testing::lab(linear(curve_red))), 30)
            << i;
        EXPECT_EQ(family_colour(i), c);
        EXPECT_EQ(family_colour(i + family_palette_size), c) << "a ninth starts again";
    }
}

// Beside a family, the resonance picture's present curves stand apart from every member (as the
// time graphs' red does) and from each other where they share a plot; alone, its current and
// voltage are told apart too. Every curve stands on white.
TEST(FamilyPalette, ResonanceCurvesOfThePresentCircuitApartFromTheMembers) {
    const auto difference = [](Rgb a, Rgb b) {
        return testing::delta_e(testing::lab(linear(a)), testing::lab(linear(b)));
    };
    for (const bool beside_family : {false, true}) {
        const ResonanceColours c = resonance_colours(beside_family);
        EXPECT_GE(difference(c.current, c.voltage), 30) << beside_family;
        for (const Rgb own : {c.current, c.voltage, c.phase}) {
            EXPECT_GE(testing::contrast(linear(own), linear(white)), 3.0) << beside_family;
            if (beside_family) {
                for (std::size_t i = 0; i < family_palette_size; ++i) {
                    EXPECT_GE(difference(own, family_colours[i]), 25) << "member " << i;
                }
            }
        }
    }
}

// Which colour draws which curve of the present circuit: beside a family the red of the time
// graphs for its current and its phase and the grey for its voltage, as the time graphs have them.
struct ResonanceColoursCase {
    bool beside_family;
    Rgb current;
    Rgb voltage;
    Rgb phase;
};

TEST(FamilyPalette, ResonanceCurvesOfThePresentCircuitTakeTheirOwnColours) {
    const ResonanceColoursCase cases[] = {
        {false, {0, 114, 178}, {213, 94, 0}, {0, 158, 115}},
        {true, curve_red, wire_grey, curve_red},
    };
    for (const ResonanceColoursCase& want : cases) {
        const ResonanceColours c = resonance_colours(want.beside_family);
        EXPECT_EQ(c.current, want.current) << want.beside_family;
        EXPECT_EQ(c.voltage, want.voltage) << want.beside_family;
        EXPECT_EQ(c.phase, want.phase) << want.beside_family;
    }
}

// A pattern as the pen draws it along a line: the lengths from every dash's start, one period,
// read from each of its dashes in turn, and scaled to a period of 1.
std::vector<std::vector<double>> shapes(std::span<const double> pattern) {
    const double period = std::accumulate(pattern.begin(), pattern.end(), 0.0);
    std::vector<std::vector<double>> out;
    for (std::size_t start = 0; start < pattern.size(); start += 2) {
        std::vector<double> shape;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            shape.push_back(pattern[(start + i) % pattern.size()] / period);
        }
        out.push_back(shape);
    }
    return out;
}

TEST(FamilyPalette, DashPatternsShowAndDiffer) {
    EXPECT_TRUE(family_dashes(0).empty()) << "the first member is solid";
    for (std::size_t i = 0; i < family_palette_size; ++i) {
        const std::span<const double> p = family_dashes(i);
        EXPECT_EQ(p.size() % 2, 0U) << i << ": dashes and gaps in pairs";
        double period = 0;
        for (std::size_t k = 0; k < p.size(); ++k) {
            period += p[k];
            // A dash at least a pen width long; a gap that a cap of half a width at each end
            // still leaves open by two widths.
            EXPECT_GE(p[k], k % 2 == 0 ? 1.0 : 3.0) << i << " entry " << k;
        }
        // Short enough to show its shape several times along a short stretch of curve.
        EXPECT_LE(period, 24) << i;
        EXPECT_EQ(family_dashes(i + family_palette_size).data(), p.data());
    }
    // No two the same, nor one the other stretched or begun at another dash.
    for (std::size_t i = 0; i < family_palette_size; ++i) {
        for (std::size_t j = i + 1; j < family_palette_size; ++j) {
            const auto a = shapes(family_dashes(i));
            const auto b = shapes(family_dashes(j));
            for (const auto& shape : a) {
                EXPECT_EQ(std::find(b.begin(), b.end(), shape), b.end()) << i << " and " << j;
            }
            if (a.empty() || b.empty()) {
                EXPECT_NE(a.empty(), b.empty()) << i << " and " << j << ": one solid line";
            }
        }
    }
}

} // namespace
} // namespace ovrelan
