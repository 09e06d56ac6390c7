// The curves as the class sees them, in pixels: a million points show every extreme, clear of the
// axes; a curve zoomed in during a run grows in one piece; a remembered curve's dashes survive in
// a picture of pixels.
#include "support/model_fixtures.h"
#include "support/window_fixture.h"

#include "geometry/colours.h"
#include "graphs/graph_render.h"
#include "graphs/graph_view.h"
#include "graphs/graph_window.h"
#include "solution/solution_arrays.h"
#include "ui/graph_windows.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace ovrelan {
namespace {

class CurveDrawing : public testing::WindowTest {
protected:
    bool shown() const override { return false; }
    // The rows and columns of the kept plot picture where a pixel has this colour.
    static std::vector<QPoint> pixels_of(const QImage& image, const QColor& colour) {
        std::vector<QPoint> found;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    found.emplace_back(x, y);
                }
            }
        }
        return found;
    }
};

// Uc of a million points at 1600 × 900: the band reaches the largest |Uc| of the whole run within
// a pixel, the first column stands clear of the thick axis.
TEST_F(CurveDrawing, AMillionPointsShowEveryExtremeClearOfTheAxes) {
    type("Text7", "20833");
    ASSERT_GE(computed_points(window->state()), 999000u);
    GraphView view(window->simulation(), GraphKind::Uc, platform);
    view.set_preview(false);
    view.resize(1600, 900);
    view.redraw();
    window->simulation().play_to_end();
    view.redraw();
    const GraphFrame& f = view.frame();
    const SimulationState& s = window->state();
    double top = 0;
    double bottom = 0;
    for (std::size_t k = 0; k < computed_points(s); ++k) {
        top = std::max(top, s.Uc_t[k]);
        bottom = std::min(bottom, s.Uc_t[k]);
    }
    const std::vector<QPoint> red = pixels_of(view.layer(), to<QColor>(curve_red));
    ASSERT_FALSE(red.empty());
    const auto [highest, lowest] = std::minmax_element(
        red.begin(), red.end(), [](const QPoint& a, const QPoint& b) { return a.y() < b.y(); });
    const double half_pen = 1.5;
    // The layer is the plot's own picture: its y counts from the plot's top.
    EXPECT_NEAR(highest->y() + f.plot.top, f.y_px(top) - half_pen, 1.0);
    EXPECT_NEAR(lowest->y() + 1 + f.plot.top, f.y_px(bottom) + half_pen, 1.0); // its lower edge
    // Clear of the border and of the thick time axis at the left.
    EXPECT_GE(highest->y(), 2);
    const auto leftmost = std::min_element(
        red.begin(), red.end(), [](const QPoint& a, const QPoint& b) { return a.x() < b.x(); });
    EXPECT_GE(leftmost->x(), 2) << "the first column under the axis";
}

// Zoomed in, the run's bright curve grows in one piece: every pixel column it has reached shows
// it, none the pale preview in its place.
TEST_F(CurveDrawing, ZoomedInTheRunDrawsOneContinuousCurve) {
    GraphView view(window->simulation(), GraphKind::Uc, platform);
    view.resize(900, 400);
    view.redraw();
    view.zoom_time(0, 0.05); // a few periods at the start: points many pixels apart
    const SimulationState& s = window->state();
    const GraphFrame& f = view.frame();
    std::size_t k = 0;
    while (s.t_grid[k] * f.time_scale < f.x.low + (f.x.high - f.x.low) * 0.6) {
        window->simulation().play_point();
        view.extend(static_cast<int>(k));
        ++k;
    }
    // The kept picture with the new pieces drawn on it, as the screen shows it.
    QImage shown(view.size(), QImage::Format_ARGB32);
    view.QWidget::render(&shown);
    const QColor bright = to<QColor>(curve_red);
    const int from = static_cast<int>(std::ceil(f.x_px(s.t_grid[1] * f.time_scale)));
    const int to = static_cast<int>(std::floor(f.x_px(s.t_grid[k - 1] * f.time_scale)));
    ASSERT_GT(to - from, 100);
    int gaps = 0;
    for (int x = from; x <= to; ++x) {
        bool has_bright = false;
        for (int y = static_cast<int>(f.plot.top); y < f.plot.top + f.plot.height; ++y) {
            const QPoint at = view.plot()->mapTo(&view, QPoint(x, y));
            has_bright = has_bright || shown.pixelColor(at) == bright;
        }
        gaps += has_bright ? 0 : 1;
    }
    EXPECT_EQ(gaps, 0) << "columns without the bright curve between its first and last point";
}

// A remembered curve's pen is dashed in a picture of pixels too: along a line drawn with it,
// stretches of background between the dashes; a solid pen leaves none.
TEST_F(CurveDrawing, DashesSurviveInPixels) {
    CurveShape line;
    for (int x = 10; x < 590; ++x) {
        line.line.push_back({static_cast<double>(x), 100 + 40 * std::sin(x / 30.0)});
    }
    // How much of the picture a pen colours along the line.
    const auto coloured = [&](const QPen& pen) {
        QImage image(600, 200, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        draw_shape(painter, line, pen);
        painter.end();
        int pixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                pixels += image.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
            }
        }
        return pixels;
    };
    for (std::size_t n = 0; n < 3; ++n) {
        const QPen dashed = remembered_pen(GraphLook{1, QFont(), false}, n);
        QPen solid = dashed;
        solid.setStyle(Qt::SolidLine);
        const double share = static_cast<double>(coloured(dashed)) / coloured(solid);
        EXPECT_LT(share, 0.85) << "remembered pen " << n << " draws an almost solid line";
        EXPECT_GT(share, 0.3) << "remembered pen " << n << " draws almost nothing";
    }
}

// The points a time window draws reach one grid point beyond each end of it, so that the curve
// runs to both edges of the plot, and stay within the computed points: windows over the whole
// run, inside it, between two neighbouring points, on grid points, at either end and past the
// last computed point, in τ and in seconds.
TEST(VisiblePoints, ReachBeyondBothEdgesOfTheWindow) {
    const SimulationState s = testing::circuit({0.002, 0.005, 0.02, 15, 5, 47, 40});
    const std::size_t n = computed_points(s);
    ASSERT_GE(n, 100u);
    const double dt = s.dt;
    const double end = s.t_grid[n - 1];
    const struct {
        const char* name;
        double from, to; // τ
    } windows[] = {
        {"whole", 0, end},
        {"inside", 0.3 * end, 0.6 * end},
        {"between two points", 10.3 * dt, 10.7 * dt},
        {"on grid points", 5 * dt, 40 * dt},
        {"the start", 0, 3.5 * dt},
        {"the end", end - 7.2 * dt, end},
        {"past the end", 0.8 * end, 1.3 * end},
    };
    for (const auto& w : windows) {
        for (const double time_scale : {1.0, s.t_scale}) {
            SCOPED_TRACE(std::string(w.name) + (time_scale == 1.0 ? " in τ" : " in seconds"));
            GraphFrame f;
            f.x = {w.from * time_scale, w.to * time_scale};
            f.time_scale = time_scale;
            const IndexRange r = visible_points(s, f);
            ASSERT_LT(r.first, r.last);
            ASSERT_LE(r.last, n);
            const double slack = 1e-9 * dt;
            EXPECT_LE(s.t_grid[r.first], w.from + slack) << "the curve starts inside the plot";
            if (r.last < n) {
                EXPECT_GE(s.t_grid[r.last - 1], w.to - slack) << "the curve ends inside the plot";
            } else {
                EXPECT_TRUE(w.to >= end - slack) << "the last computed point is drawn";
            }
        }
    }
}

} // namespace
} // namespace ovrelan
