// The resonance picture as drawn: the ν₀ mark in the same pixel column of both plots, three
// labelled phase ticks in the smallest window, notes that never part a name from its value.
#include "graphs/resonance_picture.h"

#include <QImage>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

const Parameters start_up{0.002, 0.005, 0.02, 15, 5, 47, 40};
// A broad peak far from the present frequency: ν₀ = 1592 Hz, Q = 1.
const Parameters broad{0.0001, 0.0001, 1, 0, 5, 200, 4};

GraphLook window_look() {
    return GraphLook{1, graph_font(1, false), false};
}

// The column of the ν₀ mark within a plot: the column of black pixels (the mark is the only
// black thing drawn inside a plot; the curves, the band and the other marks are coloured) that
// runs through the plot's rows (a quarter of them at least: where the U_C peak's mark stands in
// the same column, as at the start-up circuit's Q of 31.6, only the gaps of its dashes show it),
// found to a fraction of a pixel by weighing the black columns around it. NaN when there is none.
double black_column(const QImage& image, const GraphFrame& f) {
    const int left = static_cast<int>(std::ceil(f.plot.left)) + 3;
    const int right = static_cast<int>(std::floor(f.plot.left + f.plot.width)) - 3;
    const double zero = f.y.low < 0 && f.y.high > 0 ? f.y_px(0) : -100; // the axis at φ = 0
    std::vector<int> count(static_cast<std::size_t>(image.width()), 0);
    int rows = 0;
    for (int y = static_cast<int>(f.plot.top + 0.1 * f.plot.height);
         y < f.plot.top + 0.9 * f.plot.height; ++y) {
        if (std::fabs(y - zero) < 5) {
            continue;
        }
        ++rows;
        for (int x = left; x <= right; ++x) {
            const QColor c = image.pixelColor(x, y);
            // Dark and grey: the mark's edges blended into a coloured curve beside it are
            // dark but coloured, and would pull the column towards the curve.
            const int high = std::max({c.red(), c.green(), c.blue()});
            const int low = std::min({c.red(), c.green(), c.blue()});
            count[static_cast<std::size_t>(x)] += high < 110 && high - low < 70 ? 1 : 0;
        }
    }
    int best = left;
    for (int x = left; x <= right; ++x) {
        best =
            count[static_cast<std::size_t>(x)] > count[static_cast<std::size_t>(best)] ? x : best;
    }
    if (count[static_cast<std::size_t>(best)] < 0.25 * rows) {
        return std::nan("");
    }
    double weight = 0;
    double sum = 0;
    for (int x = best - 2; x <= best + 2; ++x) {
        const double w = count[static_cast<std::size_t>(x)];
        weight += w;
        sum += w * x;
    }
    return sum / weight;
}

// Over window sizes from 400 × 300 to 1920 × 1080, both frequency scales and two circuits: the
// ν₀ mark drawn in the upper plot and in the lower one stands in one column, where the layout
// puts ν₀.
TEST(ResonancePicture, TheMarkOfNu0StandsInOneColumnOfBothPlots) {
    const struct {
        int width, height;
    } sizes[] = {{400, 300}, {560, 420}, {800, 600}, {1280, 1024}, {1920, 1080}};
    for (const Parameters& p : {start_up, broad}) {
        const ResonanceCurve c = resonance_curve(p);
        ASSERT_TRUE(c.reason.empty());
        for (const auto& s : sizes) {
            for (const bool logarithmic : {true, false}) {
                SCOPED_TRACE(std::to_string(p.L) + " " + std::to_string(s.width) + "x" +
                             std::to_string(s.height) + (logarithmic ? " log" : " linear"));
                QImage image(s.width, s.height, QImage::Format_RGB32);
                image.fill(Qt::white);
                const GraphLook look = window_look();
                const QSizeF size(s.width, s.height);
                {
                    QPainter painter(&image);
                    painter.setRenderHint(QPainter::Antialiasing);
                    draw_resonance(painter, size, look, p, c, logarithmic, ',');
                }
                const ResonancePlan plan = plan_resonance(QFontMetricsF(look.font, &image), size,
                                                          look, p, c, logarithmic, ',');
                ASSERT_TRUE(plan.plots.has_value());
                const double upper = black_column(image, plan.plots->amplitudes);
                const double lower = black_column(image, plan.plots->phase);
                ASSERT_FALSE(std::isnan(upper));
                ASSERT_FALSE(std::isnan(lower));
                EXPECT_NEAR(upper, lower, 0.5);
                const double x = plan.plots->phase.x_px(logarithmic ? std::log10(c.nu0) : c.nu0);
                EXPECT_NEAR(upper, x - 0.5, 1.0) << "where the layout puts ν₀";
            }
        }
    }
}

// The phase axis of the smallest window is labelled at −90, 0 and 90° at least (with the fonts
// the window draws in), and every label the layout gives is drawn on its line.
TEST(ResonancePicture, ThePhaseAxisIsLabelledInTheSmallestWindow) {
    const std::set<std::string> phase_texts = {"−90", "−45", "0", "45", "90"};
    for (const Parameters& p : {start_up, broad}) {
        const ResonanceCurve c = resonance_curve(p);
        for (const QSizeF size : {QSizeF(400, 300), QSizeF(420, 320), QSizeF(560, 420)}) {
            QImage image(size.toSize(), QImage::Format_RGB32);
            const ResonancePlan plan = plan_resonance(QFontMetricsF(window_look().font, &image),
                                                      size, window_look(), p, c, true, ',');
            ASSERT_TRUE(plan.plots.has_value());
            std::set<std::string> shown;
            for (const FrameLabel& l : plan.plots->phase.labels) {
                if (phase_texts.contains(l.text) && l.box.left < plan.plots->phase.plot.left) {
                    shown.insert(l.text);
                }
            }
            EXPECT_TRUE(shown.contains("−90") && shown.contains("0") && shown.contains("90"))
                << size.width() << "x" << size.height() << ": " << shown.size();
            EXPECT_EQ(plan.plots->amplitude_legend.size(), 2U);
            EXPECT_EQ(plan.plots->phase_legend.size(), 1U);
        }
    }
}

// Wrapped at any width, the notes keep every «name = value» whole on one line, slashes and all.
TEST(ResonancePicture, TheNotesNeverPartANameFromItsValue) {
    const ResonanceCurve c = resonance_curve(start_up);
    const QFont font = window_look().font;
    QImage image(10, 10, QImage::Format_RGB32);
    for (int width = 150; width <= 900; width += 7) {
        const ResonancePlan plan = plan_resonance(QFontMetricsF(font, &image), QSizeF(width, 600),
                                                  window_look(), start_up, c, true, ',');
        for (const char* whole :
             {"ν₀ = 50,33 Гц", "ν = 47 Гц", "Im = 56,23 А", "φ = −77,0°", "49,54 Гц … 51,13 Гц",
              "Δν = R/(2πL) = 1,592 Гц", "Q = ν₀/Δν = 31,6"}) {
            const QString joined = QString(whole).replace(' ', QChar(0x00A0));
            const bool on_a_line =
                std::any_of(plan.notes.begin(), plan.notes.end(),
                            [&](const NoteLine& line) { return line.text.contains(joined); });
            EXPECT_TRUE(on_a_line) << whole << " at " << width << " px";
        }
        // Nothing lost: the lines hold the notes' words in order.
        QString all;
        for (const NoteLine& line : plan.notes) {
            all += line.text.trimmed() + ' ';
        }
        EXPECT_TRUE(all.contains("Полоса пропускания (Im ≥ Im,max/√2):")) << width;
        // Lines fit the width wherever a line holds more than one piece.
        for (const NoteLine& line : plan.notes) {
            if (line.text.trimmed().contains(' ')) {
                EXPECT_LE(QFontMetricsF(font, &image).horizontalAdvance(line.text),
                          width - 12 + 1e-6)
                    << line.text.toStdString();
            }
        }
    }
}

// The colour at the middle of a legend entry's line: of the pixels across the line there, the
// one farthest from white.
QColor legend_colour(const QImage& image, const LegendItem& item, double scale) {
    const int x = static_cast<int>(std::floor(item.box.left + 8 * scale));
    const int centre = static_cast<int>(std::floor(item.box.top + item.box.height / 2));
    QColor best = Qt::white;
    for (int y = centre - 2; y <= centre + 2; ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() + c.green() + c.blue() < best.red() + best.green() + best.blue()) {
            best = c;
        }
    }
    return best;
}

bool near_colour(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           40;
}

// Over both circuits, both frequency scales and two sizes: each legend entry's line has the
// colour in which its curve is drawn. The curve is looked for at its points' pixels (the picture's
// value↔pixel maps), away from the vertical marks and from the other amplitude curve.
TEST(ResonancePicture, EachLegendLineHasItsCurvesColour) {
    for (const Parameters& p : {start_up, broad}) {
        const ResonanceCurve c = resonance_curve(p);
        ASSERT_TRUE(c.reason.empty());
        ASSERT_TRUE(c.has_C);
        for (const QSize size : {QSize(800, 600), QSize(1280, 1024)}) {
            for (const bool logarithmic : {true, false}) {
                SCOPED_TRACE(std::to_string(p.L) + " " + std::to_string(size.width()) +
                             (logarithmic ? " log" : " linear"));
                QImage image(size, QImage::Format_RGB32);
                image.fill(Qt::white);
                const GraphLook look = window_look();
                {
                    QPainter painter(&image);
                    painter.setRenderHint(QPainter::Antialiasing);
                    draw_resonance(painter, QSizeF(size), look, p, c, logarithmic, ',');
                }
                const ResonancePlan plan = plan_resonance(
                    QFontMetricsF(look.font, &image), QSizeF(size), look, p, c, logarithmic, ',');
                ASSERT_TRUE(plan.plots.has_value());
                const ResonanceLayout& l = *plan.plots;
                ASSERT_EQ(l.amplitude_legend.size(), 2U);
                ASSERT_EQ(l.phase_legend.size(), 1U);
                const auto x_of = [&](double nu) { return logarithmic ? std::log10(nu) : nu; };
                const struct {
                    const LegendItem& item;
                    const GraphFrame& frame;
                    double ResonancePoint::*value;
                    double factor;
                    bool right;
                } curves[] = {
                    {l.amplitude_legend[0], l.amplitudes, &ResonancePoint::I_m, 1, false},
                    {l.amplitude_legend[1], l.amplitudes, &ResonancePoint::U_Cm, 1, true},
                    {l.phase_legend[0], l.phase, &ResonancePoint::phi, 180 / std::numbers::pi,
                     false},
                };
                EXPECT_EQ(curves[0].item.name, "Im");
                EXPECT_EQ(curves[1].item.name, "UCm");
                EXPECT_EQ(curves[2].item.name, "φ");
                for (const auto& curve : curves) {
                    const QColor colour = legend_colour(image, curve.item, look.scale);
                    ASSERT_LT(colour.red() + colour.green() + colour.blue(), 600)
                        << curve.item.name << ": no line in the legend";
                    const GraphFrame& f = curve.frame;
                    int tried = 0;
                    int found = 0;
                    for (const ResonancePoint& q : c.points) {
                        const double x = f.x_px(x_of(q.nu));
                        const double y = curve.right ? f.y2_px(q.*curve.value * curve.factor)
                                                     : f.y_px(q.*curve.value * curve.factor);
                        const double other = curve.right ? f.y_px(q.I_m) : f.y2_px(q.U_Cm);
                        const double marks[] = {c.nu0, c.nu_C, std::fabs(p.nu)};
                        const bool clear_of_marks =
                            std::none_of(std::begin(marks), std::end(marks), [&](double nu) {
                                return nu > 0 && std::fabs(f.x_px(x_of(nu)) - x) < 5;
                            });
                        const bool apart = &f == &l.phase || std::fabs(other - y) > 10;
                        if (x < f.plot.left + 5 || x > f.plot.left + f.plot.width - 5 ||
                            y < f.plot.top + 5 || y > f.plot.top + f.plot.height - 5 ||
                            !clear_of_marks || !apart) {
                            continue;
                        }
                        ++tried;
                        bool seen = false;
                        for (int dy = -2; dy <= 2 && !seen; ++dy) {
                            seen =
                                near_colour(image.pixelColor(static_cast<int>(std::floor(x)),
                                                             static_cast<int>(std::floor(y)) + dy),
                                            colour);
                        }
                        found += seen ? 1 : 0;
                    }
                    ASSERT_GE(tried, 10) << curve.item.name;
                    EXPECT_GE(found, 0.8 * tried)
                        << curve.item.name << ": " << found << " of " << tried
                        << " of its points in the legend's colour";
                }
            }
        }
    }
}

} // namespace
} // namespace ovrelan
