#include "geometry/graph_series.h"

#include "solution/solution_arrays.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace ovrelan {
namespace {

// Every curve of every graph, in both kinds of axes, for circuits of every kind: the extent is
// the smallest and largest value at the computed points, and for_each_value gives each point's
// value (the source's turned cosine within a few units of the last place of the exact one).
TEST(GraphSeries, ExtentsAndValuesPointByPoint) {
    const Parameters circuits[] = {
        {0.002, 0.005, 0.02, 15, 5, 47, 40},    {0.002, 0.005, 2, -15, 5, 0, 7},
        {0.002, 0.005, 0, 15, 0, 47, 3},        {0, 0.005, 2, 15, 5, 47, 3},
        {0.002, 0, 0.5, 15, 5, 0, 2.6},         {0, 0, 2, 15, 5, 470, 4},
        {0.002, 0.005, 0.02, 0, 5, 50.33, 300},
    };
    for (const Parameters& p : circuits) {
        const SimulationState s = testing::circuit(p);
        const std::size_t n = computed_points(s);
        for (const GraphKind kind : {GraphKind::UL, GraphKind::Uc, GraphKind::Ur, GraphKind::Ik,
                                     GraphKind::W, GraphKind::UI}) {
            for (const Axes axes : {Axes::normalised, Axes::physical}) {
                for (const Series& series : graph_content(s, kind, axes, true).series) {
                    const std::string what = std::string(graph_kind_name(kind)) + " " +
                                             series.name + " L=" + std::to_string(p.L) +
                                             " R=" + std::to_string(p.R);
                    double low = series.values.at(s.t_grid.data(), 0);
                    double high = low;
                    double worst = 0;
                    std::size_t visited = 0;
                    for_each_value(series.values, s.t_grid.data(), 0, n,
                                   [&](std::size_t k, double v) {
                                       const double exact = series.values.at(s.t_grid.data(), k);
                                       worst = std::max(worst, std::fabs(v - exact));
                                       low = std::min(low, exact);
                                       high = std::max(high, exact);
                                       ++visited;
                                   });
                    EXPECT_EQ(visited, n) << what;
                    const double size = std::max(std::fabs(low), std::fabs(high));
                    EXPECT_LE(worst, 1e-9 * std::max(size, 1e-300)) << what;
                    const Extent e = series_extent(s, series);
                    EXPECT_NEAR(e.low, low, 1e-12 * size) << what;
                    EXPECT_NEAR(e.high, high, 1e-12 * size) << what;
                }
            }
        }
    }
}

// A series read through a negative scale turns over: its extent's ends swap.
TEST(GraphSeries, ANegativeScaleTurnsTheExtentOver) {
    const SimulationState s = testing::circuit({0.002, 0.005, 0.02, 15, 5, 47, 4});
    Series series;
    series.values.doubles = s.Uc_t.data();
    series.values.scale = -2;
    const Extent e = series_extent(s, series);
    const auto [low, high] = std::minmax_element(s.Uc_t.begin(), s.Uc_t.end());
    EXPECT_DOUBLE_EQ(e.low, -2 * *high);
    EXPECT_DOUBLE_EQ(e.high, -2 * *low);
}

// The envelope of the free oscillation: the curve never leaves forced ± A·e^(−aτ), with or
// without a source, for the voltage and the current; with no source it touches the envelope
// at every maximum (within how far a sampled maximum can fall short of it).
TEST(GraphSeries, TheEnvelopeHoldsTheCurveAndTouchesEveryMaximum) {
    for (const double Em : {0.0, 5.0}) {
        for (const double R : {0.02, 0.3}) {
            const SimulationState s = testing::circuit({0.002, 0.005, R, 15, Em, 47, 40});
            for (const GraphKind kind : {GraphKind::Uc, GraphKind::Ik}) {
                const auto e = envelope_of(s, kind);
                ASSERT_TRUE(e) << "oscillatory";
                const std::vector<double>& x = kind == GraphKind::Uc ? s.Uc_t : s.I_t;
                const std::size_t n = computed_points(s);
                int maxima = 0;
                for (std::size_t k = 0; k < n; ++k) {
                    const double tau = s.t_grid[k];
                    const double slack = 1e-9 * e->A;
                    EXPECT_LE(x[k], e->at(tau, 1) + slack) << k;
                    EXPECT_GE(x[k], e->at(tau, -1) - slack) << k;
                    if (Em == 0 && kind == GraphKind::Uc && k > 0 && k + 1 < n && x[k - 1] < x[k] &&
                        x[k] >= x[k + 1] && x[k] > 0) {
                        // x = A·e^(−aτ)·cos(gτ − θ) is at its maximum where the cosine is g,
                        // and a grid point lies within half a step of it.
                        const double upper = e->at(tau, 1);
                        const double farthest = std::acos(s.g) + s.g * s.dt / 2;
                        EXPECT_LE((upper - x[k]) / upper, 1 - std::cos(farthest) + 1e-12) << k;
                        ++maxima;
                    }
                }
                if (Em == 0 && kind == GraphKind::Uc) {
                    EXPECT_GE(maxima, 35) << "a maximum each period";
                }
            }
        }
    }
    EXPECT_FALSE(envelope_of(testing::circuit({0.002, 0.005, 3, 15, 0, 47, 4}), GraphKind::Uc))
        << "aperiodic";
    EXPECT_FALSE(envelope_of(testing::circuit({0.002, 0.005, 0.02, 15, 0, 47, 4}), GraphKind::W));
}

} // namespace
} // namespace ovrelan
