#include "geometry/vector_layout.h"
#include "support/approximate_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::approximately;

// The distance from a point to a segment.
double to_segment(double px, double py, const LabelArrow& a) {
    const double dx = a.x1 - a.x0;
    const double dy = a.y1 - a.y0;
    const double squared = dx * dx + dy * dy;
    const double t =
        squared > 0 ? std::clamp(((px - a.x0) * dx + (py - a.y0) * dy) / squared, 0.0, 1.0) : 0;
    return std::hypot(a.x0 + t * dx - px, a.y0 + t * dy - py);
}

// The distance from a box to a segment (0 when it crosses the box), from the box's corners and
// edges and the segment's ends.
double box_to_segment(const PixelBox& b, const LabelArrow& a) {
    if (crosses(b, a.x0, a.y0, a.x1, a.y1)) {
        return 0;
    }
    const double corners[][2] = {{b.left, b.top},
                                 {b.left + b.width, b.top},
                                 {b.left, b.top + b.height},
                                 {b.left + b.width, b.top + b.height}};
    double d = 1e300;
    for (const auto& c : corners) {
        d = std::min(d, to_segment(c[0], c[1], a));
    }
    for (const auto& [x, y] : {std::pair{a.x0, a.y0}, std::pair{a.x1, a.y1}}) {
        const double dx = std::max({b.left - x, 0.0, x - b.left - b.width});
        const double dy = std::max({b.top - y, 0.0, y - b.top - b.height});
        d = std::min(d, std::hypot(dx, dy));
    }
    return d;
}

const DiagramArrow* arrow(const DiagramPanel& p, const std::string& name) {
    for (const DiagramArrow& a : p.arrows) {
        if (a.name == name) {
            return &a;
        }
    }
    return nullptr;
}

const PlacedLabel* label(const DiagramPanel& p, const std::string& name) {
    for (const PlacedLabel& l : p.labels) {
        if (l.text == name && l.placed) {
            return &l;
        }
    }
    return nullptr;
}

// An arrow drawn long enough to be named (UL + Uc at resonance is none).
bool long_enough(const DiagramArrow* a) {
    return a != nullptr && std::hypot(a->at.x1 - a->at.x0, a->at.y1 - a->at.y0) >= 2;
}

struct Circuit {
    const char* name;
    Parameters p;
    bool inset; // the voltage triangle is small beside UL and Uc
};

// L, C, R, Uo, Em, ν, Nmax.
const Circuit circuits[] = {
    {"start_up", {0.002, 0.005, 0.02, 15, 5, 47, 40}, true},
    {"resonance", {0.002, 0.005, 0.02, 0, 5, 50.329212104487034, 40}, true},
    {"rc", {0, 0.005, 2, 0, 5, 47, 4}, false},
    {"rl", {0.002, 0, 0.5, 0, 5, 47, 4}, false},
    {"lc", {0.002, 0.005, 0, 0, 5, 47, 4}, true},
    {"inductive", {0.002, 0.005, 0.5, 0, 5, 100, 4}, false},
};

// Rooms below the notes: a 400 × 300 window's, the default window's, a screen's, a tall one
// (the inset then stands beneath), and a large picture's at the scale of its look.
const struct {
    double width, height, scale;
} rooms[] = {{400, 240, 1}, {560, 360, 1}, {1260, 900, 1}, {500, 900, 1}, {1600, 780, 2}};

// Over circuits, rooms and source phases: the inset is drawn exactly where the triangle is small,
// and closes as the diagram does at its round magnification; every name has a place beside its
// arrow, no name meets another, an arrow's head, the inset's caption or the marked frame, and
// all stay in their panels (each within 8 px of the look from its arrow); the current runs along
// Ur, aside of it, with a head away from Ur's.
TEST(VectorLayout, NamesApartAndTheTriangleMagnified) {
    for (const Circuit& c : circuits) {
        for (const auto& room : rooms) {
            for (const double phase : {0.0, 1.0, 2.5, 4.0}) {
                SCOPED_TRACE(std::string(c.name) + " " + std::to_string(room.width) + "x" +
                             std::to_string(room.height) + " phase " + std::to_string(phase));
                const VectorDiagram d = vector_diagram(c.p, phase);
                ASSERT_TRUE(d.reason.empty());
                const PixelBox area{0, 50, room.width, room.height};
                const VectorLayout l =
                    vector_layout(d, area, approximately(room.scale), room.scale);
                ASSERT_EQ(l.inset.has_value(), c.inset);
                const DiagramPanel& main = l.diagram;
                // The diagram to scale: every voltage where its phasor is.
                for (const Phasor& v : d.phasors) {
                    if (v.name == "I") {
                        continue;
                    }
                    const DiagramArrow* a = arrow(main, v.name);
                    ASSERT_NE(a, nullptr) << v.name;
                    EXPECT_NEAR(a->at.x1, main.origin_x + v.x1 * main.unit, 1e-9);
                    EXPECT_NEAR(a->at.y1, main.origin_y - v.y1 * main.unit, 1e-9);
                }
                EXPECT_NEAR(d.reach * main.unit, 0.40 * std::min(main.area.width, main.area.height),
                            1e-9);
                std::vector<std::string> wanted_main = {"UL", "Uc", "I"};
                if (l.inset) {
                    const DiagramPanel& inset = *l.inset;
                    EXPECT_GE(l.magnification, 3);
                    EXPECT_DOUBLE_EQ(inset.unit, l.magnification * main.unit);
                    EXPECT_EQ(l.caption, "×" + std::to_string(std::lround(l.magnification)));
                    const DiagramArrow* emf = arrow(inset, "ε");
                    const DiagramArrow* sum = arrow(inset, "UL+Uc");
                    const DiagramArrow* ur = arrow(inset, "Ur");
                    ASSERT_TRUE(emf && sum);
                    // Ur + (UL + Uc) = ε, in the inset's pixels as in volts.
                    const double sx = ur ? ur->at.x1 : emf->at.x0;
                    const double sy = ur ? ur->at.y1 : emf->at.y0;
                    EXPECT_NEAR(sum->at.x0, sx, 1e-6);
                    EXPECT_NEAR(sum->at.y0, sy, 1e-6);
                    EXPECT_NEAR(sum->at.x1, emf->at.x1, 1e-6 * inset.unit);
                    EXPECT_NEAR(sum->at.y1, emf->at.y1, 1e-6 * inset.unit);
                    // Large enough to read, and inside the inset.
                    const double emf_px =
                        std::hypot(emf->at.x1 - emf->at.x0, emf->at.y1 - emf->at.y0);
                    EXPECT_GT(emf_px, 0.3 * std::min(inset.area.width, inset.area.height));
                    for (const DiagramArrow& a : inset.arrows) {
                        for (const auto& [x, y] :
                             {std::pair{a.at.x0, a.at.y0}, std::pair{a.at.x1, a.at.y1}}) {
                            EXPECT_GE(x, inset.area.left) << a.name;
                            EXPECT_LE(x, inset.area.left + inset.area.width) << a.name;
                            EXPECT_GE(y, inset.area.top) << a.name;
                            EXPECT_LE(y, inset.area.top + inset.area.height) << a.name;
                        }
                    }
                    // The frame in the diagram holds the triangle.
                    const DiagramArrow* main_emf = arrow(main, "ε");
                    EXPECT_TRUE(crosses(l.marked, main_emf->at.x1, main_emf->at.y1, main_emf->at.x1,
                                        main_emf->at.y1));
                    EXPECT_TRUE(crosses(l.marked, main.origin_x, main.origin_y, main.origin_x,
                                        main.origin_y));
                    ASSERT_TRUE(inset.arc.has_value());
                    EXPECT_NE(label(inset, "φ"), nullptr);
                    for (const char* name : {"ε", "UL+Uc", "Ur"}) {
                        if (long_enough(arrow(inset, name))) {
                            EXPECT_NE(label(inset, name), nullptr) << name;
                        }
                    }
                } else {
                    wanted_main = {"ε", "Ur", "UL", "Uc", "I"};
                    // Without the inset the triangle is not small beside the diagram.
                    EXPECT_GT(3 * std::fabs(c.p.Em), d.reach);
                }
                for (const std::string& name : wanted_main) {
                    if (long_enough(arrow(main, name))) {
                        EXPECT_NE(label(main, name), nullptr) << name;
                    }
                }
                // The current: along Ur's direction, aside of it, thinner and beneath it (first).
                ASSERT_FALSE(main.arrows.empty());
                EXPECT_EQ(main.arrows.front().name, "I");
                const LabelArrow& i = main.arrows.front().at;
                if (const DiagramArrow* r = arrow(main, "Ur")) {
                    const double ri = std::atan2(r->at.y1 - r->at.y0, r->at.x1 - r->at.x0);
                    const double ii = std::atan2(i.y1 - i.y0, i.x1 - i.x0);
                    EXPECT_NEAR(std::remainder(ri - ii, 2 * std::numbers::pi), 0, 1e-9);
                    // Beside Ur's line, not on it.
                    const double nx = -std::sin(ii);
                    const double ny = std::cos(ii);
                    const double apart = (i.x0 - r->at.x0) * nx + (i.y0 - r->at.y0) * ny;
                    EXPECT_NEAR(std::fabs(apart), 5 * room.scale, 1e-6);
                    EXPECT_GT(std::hypot(i.x1 - r->at.x1, i.y1 - r->at.y1), 12 * room.scale);
                }
                // The names: apart, clear of heads, near their arrows, in their panels.
                std::vector<const DiagramPanel*> panels = {&main};
                if (l.inset) {
                    panels.push_back(&*l.inset);
                }
                for (const DiagramPanel* p : panels) {
                    const double head = 12 * room.scale;
                    for (std::size_t k = 0; k < p->labels.size(); ++k) {
                        const PlacedLabel& a = p->labels[k];
                        if (!a.placed) {
                            continue;
                        }
                        const PixelBox& b = a.box;
                        EXPECT_GE(b.left, p->area.left - 1e-9) << a.text;
                        EXPECT_GE(b.top, p->area.top - 1e-9) << a.text;
                        EXPECT_LE(b.left + b.width, p->area.left + p->area.width + 1e-9) << a.text;
                        EXPECT_LE(b.top + b.height, p->area.top + p->area.height + 1e-9) << a.text;
                        for (const DiagramArrow& arrow_k : p->arrows) {
                            EXPECT_FALSE(b.intersects(head_box(arrow_k.at, head)))
                                << a.text << " on the head of " << arrow_k.name;
                        }
                        for (std::size_t j = k + 1; j < p->labels.size(); ++j) {
                            if (p->labels[j].placed) {
                                EXPECT_FALSE(b.intersects(p->labels[j].box))
                                    << a.text << " and " << p->labels[j].text;
                            }
                        }
                        if (l.inset) {
                            EXPECT_FALSE(b.intersects(l.caption_box)) << a.text;
                            if (p == &main) {
                                EXPECT_FALSE(b.intersects(l.marked)) << a.text;
                            }
                        }
                        if (const DiagramArrow* own = arrow(*p, a.text)) {
                            EXPECT_LE(box_to_segment(b, own->at), 8 * room.scale)
                                << a.text << " far from its arrow";
                        }
                    }
                }
            }
        }
    }
}

// A room of no size (the notes took the whole window) draws nothing, and nothing undefined.
TEST(VectorLayout, NoRoomNoArrows) {
    const VectorDiagram d = vector_diagram(circuits[0].p, 0);
    for (const PixelBox& area : {PixelBox{0, 300, 400, 0}, PixelBox{0, 0, 0, 300}}) {
        const VectorLayout l = vector_layout(d, area, approximately(1), 1);
        EXPECT_TRUE(l.diagram.arrows.empty());
        EXPECT_TRUE(l.diagram.labels.empty());
        EXPECT_FALSE(l.inset.has_value());
    }
}

TEST(VectorLayout, RoundMagnifications) {
    const struct {
        double wanted, round;
    } cases[] = {{0.5, 1}, {1, 1},   {1.4, 1},     {1.5, 1.5}, {2.9, 2},         {3, 3},
                 {7.9, 6}, {8, 8},   {9.99, 8},    {10, 10},   {14.9, 10},       {17, 15},
                 {55, 50}, {99, 80}, {1234, 1000}, {6e5, 6e5}, {std::nan(""), 1}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(round_magnification(c.wanted), c.round) << c.wanted;
    }
}

} // namespace
} // namespace ovrelan
