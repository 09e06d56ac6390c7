// A measured trace on a graph: the graph each quantity goes to, the points a time window takes,
// the pixels of the trace against what each column must show (worked out point by point), the
// point nearest to a time, the read-out of measured against computed, and the residual plot's
// geometry.
#include "geometry/measured_curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

TEST(MeasuredCurve, EachQuantityOnTheGraphOfItsOwn) {
    const struct {
        Quantity q;
        GraphKind graph;
    } cases[] = {
        {Quantity::Uc, GraphKind::Uc},
        {Quantity::I, GraphKind::Ik},
        {Quantity::Ur, GraphKind::Ur},
        {Quantity::EL, GraphKind::UL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(quantity_key(c.q)));
        EXPECT_EQ(graph_of(c.q), c.graph);
        EXPECT_EQ(quantity_of(c.graph), c.q); // and back
    }
    EXPECT_FALSE(quantity_of(GraphKind::W));
    EXPECT_FALSE(quantity_of(GraphKind::UI));
}

// Normalised axes show a volt as 1/scale of the graph's own quantity and a second as 1/t_scale;
// physical ones as they are.
TEST(MeasuredCurve, UnitsOnTheGraphsAxes) {
    SimulationState s;
    s.Uc_scale = 15;
    s.I_scale = 2;
    s.Ur_scale = 0.5;
    s.UL_scale = 30;
    s.t_scale = 4e-3;
    const struct {
        GraphKind kind;
        double per_unit;
    } cases[] = {{GraphKind::Uc, 1 / 15.0},
                 {GraphKind::Ik, 1 / 2.0},
                 {GraphKind::Ur, 1 / 0.5},
                 {GraphKind::UL, 1 / 30.0}};
    for (const auto& c : cases) {
        const MeasuredOnAxes n = measured_on_axes(s, c.kind, Axes::normalised);
        EXPECT_DOUBLE_EQ(n.y_per_unit, c.per_unit);
        EXPECT_DOUBLE_EQ(n.x_per_second, 250);
        const MeasuredOnAxes p = measured_on_axes(s, c.kind, Axes::physical);
        EXPECT_EQ(p.y_per_unit, 1);
        EXPECT_EQ(p.x_per_second, 1);
    }
}

TEST(MeasuredCurve, PointsBetweenTwoTimesWithOneBeyondEachEnd) {
    const std::vector<double> t{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    const struct {
        const char* name;
        double shift, from, to;
        std::size_t first, last;
    } cases[] = {
        {"all", 0, -5, 20, 0, 10},
        {"inside", 0, 2.5, 5.5, 2, 7},
        {"on points", 0, 3, 5, 2, 7},
        {"between two points", 0, 4.2, 4.8, 4, 6},
        {"shifted", 2, 0.5, 1.5, 2, 5},
        {"before the record", 0, -5, -1, 0, 0},
        {"after the record", 0, 10, 12, 0, 0},
        {"shifted past it", 20, 0, 5, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PointSpan span = measured_between(t, c.shift, c.from, c.to);
        EXPECT_EQ(span.first, c.first);
        EXPECT_EQ(span.last, c.last);
    }
}

GraphFrame frame(double width, double x_low, double x_high, double y_low, double y_high) {
    GraphFrame f;
    f.plot = {10, 20, width, 200};
    f.x = {x_low, x_high};
    f.y = {y_low, y_high};
    return f;
}

// Dense: each column's span is exactly the extremes of the points in it, joined to the last
// point of the column before, whether the summary or the points give them. Sparse: every point,
// dotted where they stand at least 4 px apart.
TEST(MeasuredCurve, ShapeAgainstPointByPoint) {
    std::mt19937_64 random(32);
    std::normal_distribution<double> noise(0, 0.05);
    const std::size_t n = 200'000;
    std::vector<double> t(n);
    std::vector<double> v(n);
    for (std::size_t k = 0; k < n; ++k) {
        t[k] = -0.01 + 1e-6 * static_cast<double>(k) + (k > n / 2 ? 2e-7 : 0); // a gap
        v[k] = 10 * std::exp(-50 * t[k]) * std::cos(316 * t[k]) + noise(random);
    }
    const MinMaxPyramid summary(v.data(), n);
    const struct {
        const char* name;
        double width, from, to, shift, y_per_unit;
        bool with_summary, dense, dots;
    } cases[] = {
        {"whole, summary", 800, 0, 0.19, 0, 1, true, true, false},
        {"whole, points", 800, 0, 0.19, 0, 1, false, true, false},
        {"shifted, normalised", 537, 0, 40, 0.002, 1 / 15.0, true, true, false},
        {"zoomed to 300 points", 800, 0.05, 0.0503, 0, 1, true, false, false},
        {"zoomed to 40 points", 800, 0.05, 0.00004 + 0.05, 0, 1, true, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MeasuredOnAxes m;
        m.time = t;
        m.values = v;
        m.summary = c.with_summary ? &summary : nullptr;
        m.shift = c.shift;
        m.x_per_second = c.y_per_unit == 1 ? 1 : 200; // normalised: τ = t / 5 ms
        m.y_per_unit = c.y_per_unit;
        const GraphFrame f = frame(c.width, c.from, c.to, -12 * c.y_per_unit, 12 * c.y_per_unit);
        const MeasuredShape shape = measured_shape(f, m);
        ASSERT_EQ(shape.curve.dense, c.dense);
        EXPECT_EQ(shape.dots, c.dots);
        const PointSpan span =
            measured_between(t, c.shift, c.from / m.x_per_second, c.to / m.x_per_second);
        const ValueMap xm = f.x_map();
        const ValueMap ym = f.y_map();
        const auto x_of = [&](std::size_t k) {
            return xm.to_px((t[k] - c.shift) * m.x_per_second);
        };
        if (!c.dense) {
            ASSERT_EQ(shape.curve.line.size(), span.last - span.first);
            for (std::size_t k = span.first; k < span.last; ++k) {
                EXPECT_DOUBLE_EQ(shape.curve.line[k - span.first].x, x_of(k));
                EXPECT_DOUBLE_EQ(shape.curve.line[k - span.first].y, ym.to_px(v[k] * c.y_per_unit));
            }
            continue;
        }
        std::vector<ColumnSpan> expected;
        double previous = v[span.first];
        for (std::size_t k = span.first; k < span.last;) {
            const double column = std::floor(x_of(k));
            double low = previous;
            double high = previous;
            std::size_t end = k;
            while (end < span.last && std::floor(x_of(end)) == column) {
                low = std::min(low, v[end]);
                high = std::max(high, v[end]);
                ++end;
            }
            previous = v[end - 1];
            const double a = ym.to_px(low * c.y_per_unit);
            const double b = ym.to_px(high * c.y_per_unit);
            expected.push_back({column, std::min(a, b), std::max(a, b)});
            k = end;
        }
        ASSERT_EQ(shape.curve.columns.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(shape.curve.columns[i].x, expected[i].x) << i;
            EXPECT_NEAR(shape.curve.columns[i].top, expected[i].top, 1e-9) << i;
            EXPECT_NEAR(shape.curve.columns[i].bottom, expected[i].bottom, 1e-9) << i;
        }
        // The value range over the window is that of its points.
        const auto e = measured_extent(m, c.from / m.x_per_second, c.to / m.x_per_second);
        ASSERT_TRUE(e);
        EXPECT_LE(e->low, e->high);
    }
}

TEST(MeasuredCurve, ExtentOfThePointsInAnInterval) {
    const std::vector<double> t{-2, -1, 0, 1, 2, 3};
    const std::vector<double> v{50, -50, 3, -4, 7, 1};
    const MinMaxPyramid summary(v.data(), v.size());
    for (const MinMaxPyramid* s : {&summary, static_cast<const MinMaxPyramid*>(nullptr)}) {
        MeasuredOnAxes m;
        m.time = t;
        m.values = v;
        m.summary = s;
        m.y_per_unit = 0.5;
        const auto e = measured_extent(m, 0, 10); // the points before the key closes stay out
        ASSERT_TRUE(e);
        EXPECT_DOUBLE_EQ(e->low, -2);
        EXPECT_DOUBLE_EQ(e->high, 3.5);
        m.y_per_unit = -1; // a scale of the other sign turns the range about
        EXPECT_DOUBLE_EQ(measured_extent(m, 0, 10)->low, -7);
        EXPECT_FALSE(measured_extent(m, 5, 10));
    }
}

TEST(MeasuredCurve, NearestSampleWithinTheRecord) {
    const std::vector<double> t{0, 1, 2, 4, 5};
    const struct {
        const char* name;
        double shift, at;
        std::optional<std::size_t> k;
    } cases[] = {
        {"on a point", 0, 2, 2},
        {"nearer the earlier", 0, 2.9, 2},
        {"nearer the later", 0, 3.1, 3},
        {"half a mean step (1,25) before", 0, -0.6, 0},
        {"more than that before", 0, -0.7, std::nullopt},
        {"half a mean step after", 0, 5.6, 4},
        {"after", 0, 5.7, std::nullopt},
        {"shifted", 1, 0.9, 2},
        {"not a number", 0, std::nan(""), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(nearest_sample(t, c.shift, c.at), c.k);
    }
    EXPECT_FALSE(nearest_sample({}, 0, 0));
}

TEST(MeasuredCurve, ReadOutOfMeasuredAgainstComputed) {
    const struct {
        double measured, computed;
        const char* unit;
        char separator;
        const char* text;
    } cases[] = {
        {7.45, 7.41, "В", ',', "изм. 7,45 В, разность +40 мВ"},
        {7.41, 7.45, "В", '.', "изм. 7.41 В, разность −40 мВ"},
        {-1.5, -1.5, "А", ',', "изм. −1,5 А, разность 0 А"},
        {0.0123, 0, "А", ',', "изм. 12,3 мА, разность +12,3 мА"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(measured_readout(c.measured, c.computed, c.unit, c.separator), c.text);
    }
}

// The residuals in a box: a column per pixel, the largest magnitude reaching the box's half
// height less a pixel, zero across the middle.
TEST(MeasuredCurve, ResidualPlotGeometry) {
    const PixelBox box{4, 10, 101, 62};
    const struct {
        const char* name;
        std::vector<double> t, r;
        double limit;
        std::vector<ColumnSpan> columns;
    } cases[] = {
        {"three points",
         {0, 1, 2},
         {1, -2, 0.5},
         2,
         {{4, 26, 26}, {54, 71, 71}, {104, 33.5, 33.5}}},
        {"two in a column", {0, 0.001, 1}, {1, -1, 0}, 1, {{4, 11, 71}, {104, 41, 41}}},
        {"all nought", {0, 1}, {0, 0}, 0, {{4, 41, 41}, {104, 41, 41}}},
        {"no time span", {3, 3}, {1, 2}, 2, {{4, 11, 26}}},
        {"none", {}, {}, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ResidualPlot plot = residual_plot(c.t, c.r, box);
        EXPECT_DOUBLE_EQ(plot.zero_y, 41);
        EXPECT_DOUBLE_EQ(plot.limit, c.limit);
        ASSERT_EQ(plot.columns.size(), c.columns.size());
        for (std::size_t i = 0; i < c.columns.size(); ++i) {
            EXPECT_DOUBLE_EQ(plot.columns[i].x, c.columns[i].x);
            EXPECT_DOUBLE_EQ(plot.columns[i].top, c.columns[i].top);
            EXPECT_DOUBLE_EQ(plot.columns[i].bottom, c.columns[i].bottom);
        }
    }
}

} // namespace
} // namespace ovrelan
