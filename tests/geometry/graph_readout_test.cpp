#include "geometry/graph_readout.h"

#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace ovrelan {
namespace {

using testing::circuit;

TEST(ReadOut, NumbersWithTheirPrefixesAndTheLocalesSeparator) {
    const struct {
        double value;
        const char* unit;
        char separator;
        const char* expected;
    } si[] = {
        {0.01234, "с", ',', "12,34 мс"},
        {7.41, "В", ',', "7,41 В"},
        {-0.003, "А", '.', "\u22123 мА"},
        {1500, "В", ',', "1,5 кВ"},
        {0, "Дж", ',', "0 Дж"},
        {0.0099996, "с", ',', "10 мс"},
        {2.5e-7, "с", '.', "250 нс"},
        {123456, "В", '.', "123.5 кВ"},
        // Four digits that round up to the next prefix take it: never "1000 мВ".
        {0.9999996, "В", '.', "1 В"},
        {999.9996, "В", '.', "1 кВ"},
        {-0.00099999, "А", ',', "\u22121 мА"},
    };
    for (const auto& c : si) {
        EXPECT_EQ(si_text(c.value, c.unit, c.separator), c.expected) << c.value;
    }
    const struct {
        double value;
        const char* expected;
    } plain[] = {{3.9, "3,90"}, {0.494, "0,494"}, {-0.0996, "\u22120,0996"}, {12.345, "12,3"}};
    for (const auto& c : plain) {
        EXPECT_EQ(plain_text(c.value, ','), c.expected) << c.value;
    }
}

TEST(ReadOut, TheNearestGridPointInPhysicalAndNormalisedUnits) {
    const SimulationState s = circuit(testing::defaults());
    const GraphVariant& uc = graph_variant(GraphId::Uc);
    // The nearest grid point, not the one before: the pointer between two points reads the
    // closer one.
    const struct {
        double steps;
        std::size_t k;
    } nearest[] = {{10.4, 10}, {10.6, 11}, {9.51, 10}, {0.6, 1}, {0.4, 0}, {1919.7, 1920}};
    for (const auto& c : nearest) {
        EXPECT_EQ(graph_point(s, uc, c.steps * s.dt).k, c.k) << c.steps << " steps";
    }
    const GraphPoint p = graph_point(s, uc, 10 * s.dt + 0.4 * s.dt);
    EXPECT_EQ(p.k, 10U);
    EXPECT_EQ(p.tau, s.t_grid[10]);
    EXPECT_DOUBLE_EQ(p.seconds, s.t_grid[10] * s.t_scale);
    EXPECT_DOUBLE_EQ(p.physical, s.Uc_t[10] * 15);
    EXPECT_EQ(graph_point(s, uc, -5).k, 0U);
    EXPECT_EQ(graph_point(s, uc, 1e9).k, 1920U);
    EXPECT_EQ(point_readout(p, uc, ','), "t = 4,139 мс (τ = 1,31); Uc = 847,5 мВ (0,0565)");
}

// Markers on two neighbouring maxima of the default circuit's free oscillations (its source
// off: with the 47 Hz source the forced motion dominates): Δt is the period T and ln of the
// ratio is −Θ, to within what the grid step resolves.
TEST(ReadOut, MarkersOnNeighbouringMaximaGiveThePeriodAndTheDecrement) {
    Parameters p = testing::defaults();
    p.Em = 0;
    p.Nmax = 6;
    const SimulationState s = circuit(p);
    std::vector<std::size_t> maxima;
    for (std::size_t k = 1; k + 1 < s.Uc_t.size(); ++k) {
        if (s.Uc_t[k] > s.Uc_t[k - 1] && s.Uc_t[k] >= s.Uc_t[k + 1]) {
            maxima.push_back(k);
        }
    }
    ASSERT_GE(maxima.size(), 3U);
    const GraphVariant& uc = graph_variant(GraphId::Uc);
    const GraphPoint a = graph_point(s, uc, s.t_grid[maxima[1]]);
    const GraphPoint b = graph_point(s, uc, s.t_grid[maxima[2]]);
    const double step = s.dt * s.t_scale;
    EXPECT_NEAR(b.seconds - a.seconds, s.T, step);
    EXPECT_NEAR(std::log(b.normalised / a.normalised), -s.theta, 0.005);
    const std::string text = markers_readout(a, b, uc, ',');
    EXPECT_EQ(text.rfind("Δt = 19,", 0), 0U) << text; // T = 19.87 ms
    EXPECT_NE(text.find("; U_B/U_A = 0,90"), std::string::npos) << text;
    EXPECT_NE(text.find("; ln = \u22120,09"), std::string::npos) << text;
    // A zero at A: no ratio. A ratio of zero or below: no logarithm.
    GraphPoint zero = a;
    zero.normalised = 0;
    EXPECT_EQ(markers_readout(zero, b, uc, ',').find("U_B/U_A"), std::string::npos);
    const std::string to_zero = markers_readout(a, zero, uc, ',');
    EXPECT_NE(to_zero.find("U_B/U_A = 0"), std::string::npos) << to_zero;
    EXPECT_EQ(to_zero.find("ln"), std::string::npos) << to_zero;
    GraphPoint opposite = b;
    opposite.normalised = -b.normalised;
    EXPECT_EQ(markers_readout(a, opposite, uc, ',').find("ln"), std::string::npos);
}

// Two markers on maxima n periods apart measure the decrement the panel shows (the nearer the
// longer the span: a grid point misses a maximum by at most half a step); off a maximum, or in
// a circuit that does not oscillate, nothing is measured.
TEST(GraphReadout, TheDecrementMeasuredOnMaxima) {
    Parameters p = testing::defaults();
    p.Em = 0;
    const SimulationState s = circuit(p);
    std::vector<std::size_t> maxima;
    for (std::size_t k = 1; k + 1 < s.Uc_t.size(); ++k) {
        if (s.Uc_t[k] > 0 && s.Uc_t[k] > s.Uc_t[k - 1] && s.Uc_t[k] >= s.Uc_t[k + 1]) {
            maxima.push_back(k);
        }
    }
    ASSERT_GE(maxima.size(), 12U);
    const GraphVariant& uc = graph_variant(GraphId::Uc);
    const auto at = [&](std::size_t k) { return graph_point(s, uc, s.t_grid[k]); };
    for (const auto& [from, to, tolerance] :
         {std::tuple{1, 2, 0.05}, std::tuple{1, 11, 0.005}, std::tuple{11, 1, 0.005}}) {
        const auto theta = measured_decrement(s, uc, at(maxima[static_cast<std::size_t>(from)]),
                                              at(maxima[static_cast<std::size_t>(to)]));
        ASSERT_TRUE(theta) << from << " " << to;
        EXPECT_NEAR(*theta, s.theta, tolerance * s.theta) << from << " " << to;
    }
    EXPECT_FALSE(measured_decrement(s, uc, at(maxima[1] + 3), at(maxima[2]))) << "off a maximum";
    Parameters aperiodic = p;
    aperiodic.R = 3;
    const SimulationState a = circuit(aperiodic);
    EXPECT_FALSE(measured_decrement(a, uc, graph_point(a, uc, a.t_grid[10]),
                                    graph_point(a, uc, a.t_grid[50])));
}

} // namespace
} // namespace ovrelan
