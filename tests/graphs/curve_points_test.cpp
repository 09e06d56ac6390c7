#include "graphs/curve_points.h"

#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>

namespace ovrelan {
namespace {

// What a plot must show, worked out point by point: every point's pixel, and each run of points
// in one pixel column kept as its first, topmost, lowest and last point in their order.
QPolygonF point_by_point(const GraphFrame& f, const SimulationState& s, const Series& series,
                         std::size_t first, std::size_t last) {
    QPolygonF out;
    const Range& yr = series.right_axis ? f.y2 : f.y;
    std::size_t run = first;
    while (run < last) {
        const auto x = [&](std::size_t k) {
            return f.plot.left +
                   (s.t_grid[k] * f.time_scale - f.x.low) / (f.x.high - f.x.low) * f.plot.width;
        };
        const auto y = [&](std::size_t k) {
            return f.plot.top + (yr.high - series.values.at(s.t_grid.data(), k)) /
                                    (yr.high - yr.low) * f.plot.height;
        };
        const double column = std::floor(x(run));
        std::size_t end = run + 1;
        while (end < last && std::floor(x(end)) == column) {
            ++end;
        }
        std::size_t top = run;
        std::size_t bottom = run;
        for (std::size_t k = run; k < end; ++k) {
            top = y(k) < y(top) ? k : top;
            bottom = y(k) > y(bottom) ? k : bottom;
        }
        const std::size_t order[] = {run, std::min(top, bottom), std::max(top, bottom), end - 1};
        for (int n = 0; n < 4; ++n) {
            if (n == 0 || order[n] != order[n - 1]) {
                out << QPointF(x(order[n]), y(order[n]));
            }
        }
        run = end;
    }
    return out;
}

// Over curves of every form (a double array, the resistor's floats, an energy's square, the
// source's cosine), plots from 50 to 1600 px wide, the whole interval and zoomed in until a
// point is many pixels from the next: the same points as worked out one by one.
TEST(CurvePoints, TheSameAsPointByPointAtEveryZoom) {
    const SimulationState s = testing::circuit({0.002, 0.005, 0.02, 15, 5, 47, 500});
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
                f.time_scale = ui.time_scale;
                const double span = s.t_span * ui.time_scale;
                f.x = {span * 0.3 * (1 - part), span * 0.3 * (1 - part) + span * part};
                f.y = f.y2 = {e.low - 1, e.high + 1};
                const double from = f.x.low / f.time_scale / s.dt;
                const double to = f.x.high / f.time_scale / s.dt;
                const auto first = static_cast<std::size_t>(std::max(0.0, std::floor(from)));
                const auto last = std::min(n, static_cast<std::size_t>(std::ceil(to)) + 2);
                const QPolygonF got = curve_points(f, s, series, first, last);
                const QPolygonF want = point_by_point(f, s, series, first, last);
                const std::string what = series.name + " width " + std::to_string(width) +
                                         " part " + std::to_string(part);
                ASSERT_EQ(got.size(), want.size()) << what;
                for (qsizetype i = 0; i < got.size(); ++i) {
                    ASSERT_NEAR(got[i].x(), want[i].x(), 1e-6) << what << " point " << i;
                    ASSERT_NEAR(got[i].y(), want[i].y(), 1e-6) << what << " point " << i;
                }
                EXPECT_LE(got.size(), 4 * (static_cast<qsizetype>(width) + 2)) << what;
            }
        }
    }
}

} // namespace
} // namespace ovrelan
