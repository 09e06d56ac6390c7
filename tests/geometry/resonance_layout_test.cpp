#include "geometry/resonance_layout.h"
#include "support/approximate_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::approximately;

double bottom(const PixelBox& b) {
    return b.top + b.height;
}

double right(const PixelBox& b) {
    return b.left + b.width;
}

struct Curve {
    const char* name;
    double current_top; // А
    double voltage_top; // В
};

// The start-up circuit's curve (Im up to 250 A, UCm to 158 V), one whose tops lie just under a
// round step (4.5 beside a step of 5), one with a small current and a large voltage (its two value
// axes need margins of very different widths), and one with a current of milliamperes beside a
// voltage of kilovolts.
const Curve curves[] = {
    {"start_up", 250, 158},
    {"tops_just_under_a_step", 4.5, 4.5},
    {"narrow_left_wide_right", 0.5, 12500},
    {"milliamperes_kilovolts", 0.0123, 4567},
};

const struct {
    double width, height;
} windows[] = {{400, 300},  {480, 360},  {560, 420},   {640, 480},  {800, 600},
               {1024, 768}, {1280, 720}, {1280, 1024}, {1600, 900}, {1920, 1080}};

ResonanceAxes axes_for(const Curve& c, double width, double height, bool logarithmic,
                       double scale) {
    ResonanceAxes a;
    a.top = 3 * 17 * scale + 2; // three lines of notes above
    a.width = width;
    a.height = height - a.top;
    a.nu = logarithmic ? Range{std::log10(2.5), std::log10(1000)} : Range{0, 101};
    a.logarithmic = logarithmic;
    a.current_top = c.current_top;
    a.voltage_top = c.voltage_top;
    a.decimal_separator = ',';
    a.scale = scale;
    return a;
}

// Over windows from 400 × 300 to 1920 × 1080, both frequency scales and two looks: the two
// plots stand on the same columns, so that one ν has one x in both (checked against the linear
// map of the window onto the plot, independently of the frames' own formula); only the phase
// plot has the ν labels under it; the phase axis has at least three of its labels −90, −45, 0,
// 45, 90, each on its line, wherever the room is the least that keeps them (400 × 300 is); no label
// meets another or a plot; the legends name the curves.
TEST(ResonanceLayout, OneFrequencyOneColumnInBothPlots) {
    const std::set<std::string> phase_texts = {"−90", "−45", "0", "45", "90"};
    for (const Curve& c : curves) {
        for (const auto& w : windows) {
            for (const bool logarithmic : {true, false}) {
                for (const double scale : {1.0, 1.5}) {
                    const ResonanceAxes a = axes_for(c, w.width, w.height, logarithmic, scale);
                    const std::string what =
                        std::string(c.name) + " " + std::to_string(static_cast<int>(w.width)) +
                        "x" + std::to_string(static_cast<int>(w.height)) +
                        (logarithmic ? " log" : " linear") + " scale " + std::to_string(scale);
                    SCOPED_TRACE(what);
                    const ResonanceLayout l = resonance_layout(a, approximately(scale));
                    const GraphFrame& amps = l.amplitudes;
                    const GraphFrame& phase = l.phase;
                    EXPECT_EQ(amps.plot.left, phase.plot.left);
                    EXPECT_EQ(amps.plot.width, phase.plot.width);
                    EXPECT_GT(amps.plot.width, 0.6 * w.width);
                    for (int k = 0; k <= 20; ++k) {
                        const double nu = a.nu.low + (a.nu.high - a.nu.low) * k / 20.0;
                        const double x = amps.plot.left + amps.plot.width * k / 20.0;
                        EXPECT_NEAR(amps.x_px(nu), x, 1e-9) << k;
                        EXPECT_NEAR(phase.x_px(nu), x, 1e-9) << k;
                    }
                    EXPECT_LT(bottom(amps.plot), phase.plot.top);
                    EXPECT_LE(bottom(phase.view), a.top + a.height + 1e-9);
                    // Where the labels stand.
                    std::vector<const FrameLabel*> all;
                    int phase_labels = 0;
                    for (const FrameLabel& label : phase.labels) {
                        all.push_back(&label);
                        if (phase_texts.contains(label.text) &&
                            right(label.box) <= phase.plot.left) {
                            ++phase_labels;
                            const double value = label.text == "0"     ? 0
                                                 : label.text == "45"  ? 45
                                                 : label.text == "90"  ? 90
                                                 : label.text == "−45" ? -45
                                                                       : -90;
                            EXPECT_NEAR(label.box.top + label.box.height / 2,
                                        phase.plot.top + (90 - value) / 180 * phase.plot.height,
                                        1e-9)
                                << label.text;
                        }
                    }
                    // Three at least wherever the room is the least that keeps them, which a
                    // 400 × 300 window is at the normal look.
                    if (a.height >= resonance_least_height(17 * scale)) {
                        EXPECT_GE(phase_labels, 3);
                    } else {
                        EXPECT_GT(scale, 1) << "the normal look has the room";
                    }
                    for (const FrameLabel& label : amps.labels) {
                        all.push_back(&label);
                        EXPECT_LT(label.box.top + label.box.height / 2, bottom(amps.plot) + 1e-9)
                            << "«" << label.text << "»: nothing under the upper plot";
                    }
                    for (std::size_t i = 0; i < all.size(); ++i) {
                        const PixelBox& b = all[i]->box;
                        EXPECT_FALSE(b.intersects(amps.plot)) << all[i]->text;
                        EXPECT_FALSE(b.intersects(phase.plot)) << all[i]->text;
                        EXPECT_GE(b.left, 0) << all[i]->text;
                        EXPECT_LE(right(b), w.width + 1e-9) << all[i]->text;
                        EXPECT_GE(b.top, a.top - 1e-9) << all[i]->text;
                        EXPECT_LE(bottom(b), w.height + 1e-9) << all[i]->text;
                        for (std::size_t j = i + 1; j < all.size(); ++j) {
                            EXPECT_FALSE(b.intersects(all[j]->box))
                                << "«" << all[i]->text << "» and «" << all[j]->text << "»";
                        }
                    }
                    // The ν labels: under the phase plot, at least two.
                    int nu_labels = 0;
                    for (const FrameLabel& label : phase.labels) {
                        nu_labels += label.box.top > bottom(phase.plot) ? 1 : 0;
                    }
                    EXPECT_GE(nu_labels, 3) << "the name and two ticks";
                    // The legends, clear of the labels.
                    ASSERT_EQ(l.amplitude_legend.size(), 2U);
                    EXPECT_EQ(l.amplitude_legend[0].name, "Im");
                    EXPECT_EQ(l.amplitude_legend[1].name, "UCm");
                    ASSERT_EQ(l.phase_legend.size(), 1U);
                    EXPECT_EQ(l.phase_legend[0].name, "φ");
                    for (const auto* legend : {&l.amplitude_legend, &l.phase_legend}) {
                        for (const LegendItem& item : *legend) {
                            for (const FrameLabel* label : all) {
                                EXPECT_FALSE(item.box.intersects(label->box))
                                    << item.name << " and «" << label->text << "»";
                            }
                            EXPECT_LE(right(item.box), w.width + 1e-9) << item.name;
                        }
                    }
                }
            }
        }
    }
}

// The current's and the voltage's axes both start at zero and count the same number of round
// steps, so each voltage label stands on one of the current's grid lines; both curves' tops are
// shown.
TEST(ResonanceLayout, BothAmplitudeAxesShareTheGrid) {
    for (const Curve& c : curves) {
        for (const auto& w : windows) {
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(w.width));
            const ResonanceLayout l =
                resonance_layout(axes_for(c, w.width, w.height, true, 1), approximately(1));
            const GraphFrame& f = l.amplitudes;
            EXPECT_EQ(f.y.low, 0);
            EXPECT_EQ(f.y2.low, 0);
            EXPECT_GE(f.y.high, c.current_top);
            EXPECT_GE(f.y2.high, c.voltage_top);
            int on_the_right = 0;
            for (const FrameLabel& label : f.labels) {
                if (label.box.left < right(f.plot) ||
                    label.box.top < f.title.height + f.title.top) {
                    continue;
                }
                ++on_the_right;
                const double y = label.box.top + label.box.height / 2;
                bool on_a_line = false;
                for (const double g : f.y_grid) {
                    on_a_line = on_a_line || std::fabs(f.y_px(g) - y) < 1e-6;
                }
                EXPECT_TRUE(on_a_line) << "«" << label.text << "»";
            }
            EXPECT_GE(on_the_right, 2);
        }
    }
}

// At the least height it reports, the room still gives each value axis three labels.
TEST(ResonanceLayout, TheLeastHeightKeepsThreeLabelsEach) {
    for (const Curve& c : curves) {
        for (const double scale : {1.0, 2.0}) {
            ResonanceAxes a = axes_for(c, 400, 0, true, scale);
            a.top = 0;
            a.height = resonance_least_height(17 * scale);
            const ResonanceLayout l = resonance_layout(a, approximately(scale));
            for (const GraphFrame* f : {&l.amplitudes, &l.phase}) {
                int values = 0;
                for (const FrameLabel& label : f->labels) {
                    values += right(label.box) <= f->plot.left &&
                                      label.box.top >= f->title.top + f->title.height
                                  ? 1
                                  : 0;
                }
                EXPECT_GE(values, 3) << c.name << " " << scale;
            }
        }
    }
}

} // namespace
} // namespace ovrelan
