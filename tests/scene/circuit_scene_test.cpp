#include "platform/drawing_surface.h"
#include "scene/circuit_scene.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

namespace ovrelan {
namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor grey(128, 128, 128);
const QColor green(0, 255, 20);
const QColor dark_red(130, 0, 0);

class Scene : public testing::WindowTest {
protected:
    CircuitScene& scene() const { return *window->scene(); }
    QCheckBox* check(const char* name) const { return window->findChild<QCheckBox*>(name); }
    // A pixel of a surface given in its own y-up units.
    static QColor at(const DrawingSurface* s, double x, double y) {
        const QPointF p = s->to_pixels(x, y);
        return s->pixel(static_cast<int>(p.x()), static_cast<int>(p.y()));
    }
    static int count(const DrawingSurface* s, const QColor& colour) {
        int n = 0;
        for (int y = 0; y < s->height(); ++y) {
            for (int x = 0; x < s->width(); ++x) {
                n += s->pixel(x, y) == colour ? 1 : 0;
            }
        }
        return n;
    }
};

TEST_F(Scene, ElementsSitOnTheLoop) {
    window->client_area()->resize(800, 560); // scene 650 x 404
    const SceneLayout& s = scene().layout();
    EXPECT_EQ(s.m, 41);
    EXPECT_EQ(window->scene()->layout().m, 41);
    const QPoint origin(10, 10);
    EXPECT_EQ(scene().coil_picture()->size(), QSize(205, 82));
    EXPECT_EQ(scene().coil_picture()->pos(), origin + QPoint(222, 0)); // 325 - 102.5
    EXPECT_EQ(scene().capacitor_picture()->size(), QSize(123, 72));    // 71.75 rounds to 72
    EXPECT_EQ(scene().resistor_picture()->size(), QSize(41, 82));
    // Wires: grey and wire_width thick, the bottom wire at y = m from the scene's bottom.
    const DrawingSurface* picture = window->findChild<DrawingSurface*>("Picture1");
    EXPECT_EQ(at(picture, 100, 41), grey);
    EXPECT_EQ(at(picture, 100, 41 + 8), QColor(Qt::white));
    EXPECT_EQ(at(picture, 41, 300), grey) << "the left wire";
}

TEST_F(Scene, CapacitorPlatesFollowTheSignOfTheCharge) {
    const DrawingSurface* c = scene().capacitor_picture();
    const int p = c->pen_width();
    auto left_plate = [&] { return at(c, p / 2.0, c->height() / 2.0); };
    auto right_plate = [&] { return at(c, c->width() - p / 2.0, c->height() / 2.0); };
    EXPECT_EQ(left_plate(), red) << "u0 > 0";
    EXPECT_EQ(right_plate(), blue);
    type("Text4", "-15");
    EXPECT_EQ(left_plate(), blue);
    EXPECT_EQ(right_plate(), red);
    // During a run the state at k_now is drawn: find a sample of the other sign.
    const SimulationState& s = window->state();
    std::size_t k = 1;
    while (k < s.Uc_t.size() && s.Uc_t[k] < 0) {
        ++k;
    }
    ASSERT_LT(k, s.Uc_t.size());
    window->simulation().show_position(static_cast<int>(k));
    EXPECT_EQ(left_plate(), s.Uc_t[k] > 0 ? red : grey);
    type("Text4", "0"); // the key closes on an uncharged capacitor
    ASSERT_EQ(s.Uc_t[0], 0);
    check("Check_E")->setChecked(true);
    EXPECT_EQ(left_plate(), grey) << "uncharged";
    EXPECT_EQ(right_plate(), grey);
    EXPECT_EQ(count(c, green), 0) << "no field without a charge";
}

TEST_F(Scene, ElectricFieldAndChevron) {
    const DrawingSurface* c = scene().capacitor_picture();
    EXPECT_EQ(count(c, green), 0);
    check("Check_E")->setChecked(true);
    EXPECT_GT(count(c, green), 0);
    // u > 0: the chevron's tip points right, at (3Cw/4, Ch/2).
    EXPECT_EQ(at(c, 3 * c->width() / 4.0 - 2, c->height() / 2.0), green);
    EXPECT_EQ(at(c, c->width() / 4.0, c->height() / 4.0 + 1), green);
    EXPECT_EQ(at(c, 3 * c->width() / 4.0, c->height() / 4.0 + 1), QColor(Qt::white));
    type("Text4", "-15");
    EXPECT_EQ(at(c, 3 * c->width() / 4.0, c->height() / 4.0 + 1), green) << "turned round";
    check("Check_E")->setChecked(false);
    EXPECT_EQ(count(c, green), 0);
}

TEST_F(Scene, MagneticFieldFollowsTheCurrent) {
    const DrawingSurface* l = scene().coil_picture();
    check("Check_B")->setChecked(true);
    EXPECT_EQ(count(l, dark_red), 0) << "no current when the key closes";
    const SimulationState& s = window->state();
    std::size_t peak = 0;
    for (std::size_t k = 0; k < s.I_t.size(); ++k) {
        if (std::fabs(s.I_t[k]) == s.I_max) {
            peak = k;
        }
    }
    window->simulation().show_position(static_cast<int>(peak));
    const int at_peak = count(l, dark_red);
    EXPECT_GT(at_peak, 0);
    check("Check_B")->setChecked(false);
    EXPECT_EQ(count(l, dark_red), 0);
}

TEST_F(Scene, BatteryPolarityAndGenerator) {
    const DrawingSurface* e = scene().source_picture();
    type("Text6", "0");
    const double Ew = e->width();
    const double Eh = e->height();
    EXPECT_EQ(at(e, Ew / 2, 3 * Eh / 4), red) << "the long plate, positive, on top";
    EXPECT_EQ(at(e, 0.1 * Ew, 3 * Eh / 4), red);
    EXPECT_EQ(at(e, Ew / 2, Eh / 4), blue);
    EXPECT_EQ(at(e, 0.05 * Ew, Eh / 4), QColor(Qt::white)) << "the short plate";
    type("Text5", "-5");
    EXPECT_EQ(at(e, Ew / 2, 3 * Eh / 4), blue) << "upside down";
    EXPECT_EQ(at(e, 0.1 * Ew, Eh / 4), red);
    type("Text6", "47");
    EXPECT_EQ(count(e, red) + count(e, blue), 0) << "the generator is grey";
    EXPECT_GT(count(e, grey), 0);
}

TEST_F(Scene, AbsentElementsLeaveTheBareWire) {
    type("Text1", "0");
    EXPECT_TRUE(scene().coil_picture()->isHidden());
    const DrawingSurface* picture = window->findChild<DrawingSurface*>("Picture1");
    const double m = scene().layout().m;
    EXPECT_EQ(at(picture, picture->width() / 2.0, picture->height() - m), grey);
    type("Text5", "0");
    EXPECT_TRUE(scene().source_picture()->isHidden());
    EXPECT_TRUE(window->findChild<QLineEdit*>("Text6")->isHidden());
    EXPECT_TRUE(window->findChild<QLabel*>("Label6")->isHidden());
    type("Text5", "3");
    EXPECT_FALSE(scene().source_picture()->isHidden());
    EXPECT_FALSE(window->findChild<QLineEdit*>("Text6")->isHidden());
    type("Text3", "0"); // capacitor on AC
    EXPECT_TRUE(scene().resistor_picture()->isHidden());
    EXPECT_FALSE(scene().capacitor_picture()->isHidden());
}

TEST_F(Scene, FollowsAResize) {
    window->client_area()->resize(800, 560);
    const QSize before = scene().coil_picture()->size();
    window->client_area()->resize(1000, 560); // scene 850 wide: m = 53
    EXPECT_EQ(scene().layout().m, 53);
    EXPECT_GT(scene().coil_picture()->width(), before.width());
    EXPECT_EQ(scene().layout().wire_pen, 16); // 850/54 = 15.7
}

} // namespace
} // namespace ovrelan
