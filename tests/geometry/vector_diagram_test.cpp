#include "geometry/vector_diagram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace ovrelan {
namespace {

// Ur + (UL + Uc) ends where the EMF's phasor does, within 1e-12 of its length; Ur lies along the
// current, UL a quarter turn ahead, Uc a quarter behind; the whole turns with the source phase.
TEST(VectorDiagram, ThePhasorsCloseOnTheEmfAtAnyPhase) {
    const Parameters circuits[] = {
        {0.002, 0.005, 0.02, 15, 5, 47, 40},
        {0.002, 0.005, 3, 0, 5, 60, 40},
        {0, 0.005, 2, 0, 5, 47, 4},
        {0.002, 0, 0.5, 0, -5, 470, 4},
    };
    for (const Parameters& p : circuits) {
        for (const double phase : {0.0, 1.0, 4.0}) {
            const VectorDiagram d = vector_diagram(p, phase);
            ASSERT_TRUE(d.reason.empty());
            double x = 0;
            double y = 0;
            const Phasor* emf = nullptr;
            const Phasor* current = nullptr;
            for (const Phasor& v : d.phasors) {
                if (v.name == "Ur" || v.name == "UL+Uc") {
                    x += v.x1 - v.x0;
                    y += v.y1 - v.y0;
                }
                emf = v.name == "ε" ? &v : emf;
                current = v.name == "I" ? &v : current;
            }
            ASSERT_TRUE(emf && current);
            const double size = std::fabs(p.Em);
            // Without both reactances there is no sum phasor: add the one there is.
            if (!(p.L > 0 && p.C > 0)) {
                for (const Phasor& v : d.phasors) {
                    if (v.name == "UL" || v.name == "Uc") {
                        x += v.x1 - v.x0;
                        y += v.y1 - v.y0;
                    }
                }
            }
            EXPECT_NEAR(x, emf->x1, 1e-12 * size) << p.L << " " << phase;
            EXPECT_NEAR(y, emf->y1, 1e-12 * size) << p.L << " " << phase;
            const double i_angle = std::atan2(current->y1, current->x1);
            const double e_angle = std::atan2(emf->y1, emf->x1);
            EXPECT_NEAR(std::remainder(e_angle - i_angle - d.phi, 2 * std::numbers::pi), 0, 1e-12);
            for (const Phasor& v : d.phasors) {
                const double angle = std::atan2(v.y1 - v.y0, v.x1 - v.x0) - i_angle;
                const double quarter = std::numbers::pi / 2;
                const double want = v.name == "Ur"   ? 0
                                    : v.name == "UL" ? quarter
                                    : v.name == "Uc" ? -quarter
                                                     : angle;
                EXPECT_NEAR(std::remainder(angle - want, 2 * std::numbers::pi), 0, 1e-9) << v.name;
            }
        }
    }
    EXPECT_FALSE(vector_diagram({0.002, 0.005, 0.02, 15, 5, 0, 40}, 0).reason.empty())
        << "a constant source";
    EXPECT_FALSE(vector_diagram({0.002, 0.005, 0.02, 15, 0, 47, 40}, 0).reason.empty()) << "no EMF";
}

// The cosine source is even in ν: a negative frequency has the diagram of its magnitude, phasor
// for phasor; only ν = 0 is a constant source.
TEST(VectorDiagram, ANegativeFrequencyDrawsItsMagnitude) {
    const Parameters circuits[] = {
        {0.002, 0.005, 0.02, 15, 5, 47, 40},
        {0, 0.005, 2, 0, 5, 47, 4},
        {0.002, 0, 0.5, 0, -5, 470, 4},
        {0.002, 0.005, 0, 0, 5, 47, 4},
    };
    for (const Parameters& p : circuits) {
        Parameters negative = p;
        negative.nu = -p.nu;
        for (const double phase : {0.0, 2.5}) {
            const VectorDiagram a = vector_diagram(negative, phase);
            const VectorDiagram b = vector_diagram(p, phase);
            EXPECT_EQ(a.reason, "") << p.L << " " << p.C;
            EXPECT_EQ(a.phi, b.phi);
            EXPECT_EQ(a.reach, b.reach);
            ASSERT_EQ(a.phasors.size(), b.phasors.size());
            for (std::size_t i = 0; i < a.phasors.size(); ++i) {
                EXPECT_EQ(a.phasors[i].name, b.phasors[i].name);
                EXPECT_EQ(a.phasors[i].x1, b.phasors[i].x1) << a.phasors[i].name;
                EXPECT_EQ(a.phasors[i].y1, b.phasors[i].y1) << a.phasors[i].name;
                EXPECT_EQ(a.phasors[i].amplitude, b.phasors[i].amplitude) << a.phasors[i].name;
            }
        }
    }
    EXPECT_EQ(vector_diagram({0.002, 0.005, 0.02, 15, 5, 0, 40}, 0).reason,
              "Источник постоянный (ν = 0): установившегося синусоидального режима нет");
    EXPECT_EQ(vector_diagram({0.002, 0.005, 0, 15, 5, -50.329212104487034, 40}, 0).reason,
              "R = 0 на резонансной частоте: ток не ограничен");
}

} // namespace
} // namespace ovrelan
