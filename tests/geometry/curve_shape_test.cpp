// A curve in a plot's pixels against what it must show, worked out point by point through the
// same value↔pixel map: where it is dense, each column's span holds exactly the extremes of its
// points (and reaches the column before); where it is sparse, every point. The min/max summary
// gives the same spans as reading every point.
#include "geometry/curve_shape.h"

#include "solution/minmax_pyramid.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace ovrelan {
namespace {

// The column spans of the points first … last − 1, one point at a time.
std::vector<ColumnSpan> spans_point_by_point(const GraphFrame& f, const SimulationState& s,
                                             const Series& series, std::size_t first,
                                             std::size_t last) {
    const ValueMap xm = f.x_map();
    const ValueMap ym = series.right_axis ? f.y2_map() : f.y_map();
    std::vector<ColumnSpan> spans;
    double previous = series.values.at(s.t_grid.data(), first);
    for (std::size_t k = first; k < last;) {
        const double column = std::floor(xm.to_px(s.t_grid[k] * f.time_scale));
        double low = previous;
        double high = previous;
        std::size_t end = k;
        while (end < last && std::floor(xm.to_px(s.t_grid[end] * f.time_scale)) == column) {
            const double v = series.values.at(s.t_grid.data(), end);
            low = std::min(low, v);
            high = std::max(high, v);
            ++end;
        }
        previous = series.values.at(s.t_grid.data(), end - 1);
        spans.push_back({column, std::min(ym.to_px(low), ym.to_px(high)),
                         std::max(ym.to_px(low), ym.to_px(high))});
        k = end;
    }
    return spans;
}

// Over curves of every form (a double array, the resistor's floats, an energy's square, the
// source's cosine), plots from 50 to 1600 px wide, the whole interval and zoomed in until a
// point is many pixels from the next, with the summary and without it.
TEST(CurveShape, TheSameAsPointByPointAtEveryZoom) {
    const SimulationState s = testing::circuit({0.002, 0.005, 0.02, 15, 5, 47, 500});
    const SolutionSummary summary(s);
    const std::size_t n = s.t_grid.size();
    ASSERT_GT(n, 20000U);
    const GraphContent ui = graph_content(s, GraphKind::UI, Axes::physical);
    const GraphContent energies = graph_content(s, GraphKind::W, Axes::physical, true);
    std::vector<Series> all = ui.series;
    all.insert(all.end(), energies.series.begin(), energies.series.end());
    for (const Series& series : all) {
        const Extent e = series_extent(s, series);
        for (const double width : {50.0, 333.0, 1600.0}) {
            for (const double part : {1.0, 0.1, 0.001, 1e-5}) {
                GraphFrame f;
                f.plot = {37.5, 20, width, 200};
                f.inset = 3;
                f.time_scale = ui.time_scale;
                const double span = s.t_span * ui.time_scale;
                f.x = {span * 0.3 * (1 - part), span * 0.3 * (1 - part) + span * part};
                f.y = f.y2 = {e.low - 1, e.high + 1};
                const double from = f.x.low / f.time_scale / s.dt;
                const double to = f.x.high / f.time_scale / s.dt;
                const auto first = static_cast<std::size_t>(std::max(0.0, std::floor(from)));
                const auto last = std::min(n, static_cast<std::size_t>(std::ceil(to)) + 2);
                const std::string what = series.name + " width " + std::to_string(width) +
                                         " part " + std::to_string(part);
                for (const SolutionSummary* with :
                     {&summary, static_cast<const SolutionSummary*>(nullptr)}) {
                    const CurveShape got = curve_shape(f, s, series, first, last, with);
                    const double per_pixel = (to - from) / width;
                    if (!got.dense) {
                        ASSERT_EQ(got.line.size(), last - first) << what;
                        for (std::size_t i = 0; i < got.line.size(); ++i) {
                            const std::size_t k = first + i;
                            ASSERT_NEAR(got.line[i].x, f.x_px(s.t_grid[k] * f.time_scale), 1e-9);
                            ASSERT_NEAR(got.line[i].y,
                                        (series.right_axis ? f.y2_map() : f.y_map())
                                            .to_px(series.values.at(s.t_grid.data(), k)),
                                        1e-6); // the source's cosine is turned point by point
                        }
                        EXPECT_LT(per_pixel, 3) << what;
                        continue;
                    }
                    const std::vector<ColumnSpan> want =
                        spans_point_by_point(f, s, series, first, last);
                    ASSERT_EQ(got.columns.size(), want.size()) << what;
                    for (std::size_t i = 0; i < want.size(); ++i) {
                        ASSERT_EQ(got.columns[i].x, want[i].x) << what << " column " << i;
                        ASSERT_NEAR(got.columns[i].top, want[i].top, 1e-6) << what << " " << i;
                        ASSERT_NEAR(got.columns[i].bottom, want[i].bottom, 1e-6)
                            << what << " " << i;
                    }
                    EXPECT_LE(got.columns.size(), static_cast<std::size_t>(width) + 2) << what;
                }
            }
        }
    }
}

// The pyramid's extremes of any range are those of its points, whatever the alignment.
TEST(MinMaxPyramid, AnyRangeHasTheExtremesOfItsPoints) {
    std::mt19937 random(8);
    std::normal_distribution<double> value(0, 10);
    for (const std::size_t n : {1u, 2u, 3u, 7u, 15u, 16u, 17u, 33u, 64u, 1000u, 4097u, 100003u}) {
        std::vector<double> v(n);
        for (double& x : v) {
            x = value(random);
        }
        std::vector<float> f(v.begin(), v.end());
        const MinMaxPyramid doubles(v.data(), n);
        const MinMaxPyramid floats(f.data(), n);
        std::uniform_int_distribution<std::size_t> at(0, n - 1);
        for (int trial = 0; trial < 300; ++trial) {
            std::size_t a = at(random);
            std::size_t b = at(random);
            if (a > b) {
                std::swap(a, b);
            }
            ++b;
            double low = v[a];
            double high = v[a];
            double least = std::fabs(v[a]);
            for (std::size_t k = a; k < b; ++k) {
                low = std::min(low, v[k]);
                high = std::max(high, v[k]);
                least = std::min(least, std::fabs(v[k]));
            }
            const Extremes e = doubles.range(a, b);
            ASSERT_EQ(e.low, low) << n << " " << a << "…" << b;
            ASSERT_EQ(e.high, high);
            ASSERT_EQ(e.least_magnitude, least);
            ASSERT_EQ(floats.range(a, b).high,
                      static_cast<double>(*std::max_element(f.begin() + static_cast<long>(a),
                                                            f.begin() + static_cast<long>(b))));
        }
    }
}

// A dashed band is cut across into its dashes along x: which columns each pattern covers.
TEST(CurveShape, DashedBandsInRunsOfColumns) {
    const auto columns = [](double from, std::size_t n) {
        std::vector<ColumnSpan> c(n);
        for (std::size_t i = 0; i < n; ++i) {
            c[i] = {from + static_cast<double>(i), 0, 100};
        }
        return c;
    };
    struct Case {
        const char* name;
        std::vector<ColumnSpan> columns;
        std::vector<double> pattern;
        std::vector<ColumnRun> runs;
    };
    const Case cases[] = {
        {"solid: one run", columns(10, 7), {}, {{0, 7}}},
        {"no columns", {}, {3, 3}, {}},
        {"3 on, 3 off", columns(10, 13), {3, 3}, {{0, 3}, {6, 9}, {12, 13}}},
        {"the phase starts at the first column", columns(10.25, 8), {2, 6}, {{0, 2}}},
        {"dash-dot", columns(0, 16), {8, 3, 1, 3}, {{0, 8}, {11, 12}, {15, 16}}},
        {"a gap of nothing joins", columns(0, 6), {2, 0}, {{0, 6}}},
        {"an odd pattern is no pattern", columns(0, 4), {2}, {{0, 4}}},
        {"a pattern of nothing is solid", columns(0, 4), {0, 0}, {{0, 4}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dashed_runs(c.columns, c.pattern), c.runs) << c.name;
    }
}

// How far a point lies from a drawn curve: what grabbing a trace with the mouse goes by.
TEST(CurveShape, DistanceOfAPointFromTheCurve) {
    CurveShape line;
    line.line = {{0, 0}, {10, 0}, {10, 10}};
    CurveShape band;
    band.dense = true;
    band.columns = {{20, 5, 15}, {21, 8, 30}};
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        const CurveShape* shape;
        double x, y, distance;
    };
    const CurveShape empty;
    const Case cases[] = {
        {"on a point", &line, 0, 0, 0},
        {"above the first segment's middle", &line, 5, 3, 3},
        {"beside the second segment", &line, 13, 6, 3},
        {"before the first point: to the point", &line, -3, 4, 5},
        {"past the corner: to the corner", &line, 13, -4, 5},
        {"inside a column's span", &band, 20.5, 10, 0},
        {"above a span", &band, 20.5, 1, 4},
        {"below the next column's span", &band, 21.5, 34, 4},
        {"left of the band: to the first column", &band, 16.5, 10, 4},
        {"one point alone", nullptr, 3, 4, 5},
        {"nothing drawn", &empty, 0, 0, inf},
    };
    CurveShape one;
    one.line = {{0, 0}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(distance_to(c.shape != nullptr ? *c.shape : one, c.x, c.y), c.distance)
            << c.name;
    }
}

} // namespace
} // namespace ovrelan
