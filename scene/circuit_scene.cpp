#include "scene/circuit_scene.h"

#include "geometry/colours.h"
#include "geometry/scene_description.h"
#include "model/constants.h"
#include "platform/locale.h"
#include "simulation/simulation.h"
#include "solution/solution_arrays.h"

#include <QCoreApplication>

#include <cmath>

namespace ovrelan {

namespace {

// The numbers of field lines at the reference voltage and of loops at the largest current.
constexpr double e_lines_max = 10;
constexpr double b_lines_max = 10;

DrawingSurface* make_element(QWidget* parent, const char* name, const char* tooltip) {
    auto* surface = new DrawingSurface(parent);
    surface->setObjectName(name);
    surface->setToolTip(QCoreApplication::translate("CircuitScene", tooltip));
    surface->setAccessibleName(surface->toolTip());
    return surface;
}

} // namespace

CircuitScene::CircuitScene(Simulation& simulation, DrawingSurface& picture)
    : simulation_(simulation), picture_(picture) {
    QWidget* parent = picture.parentWidget();
    picture.setToolTip(QCoreApplication::translate("CircuitScene", "Элементы электрической цепи"));
    picture.setAccessibleName(QCoreApplication::translate("CircuitScene", "Схема"));
    key_ = make_element(parent, "Picture_K", QT_TRANSLATE_NOOP("CircuitScene", "Ключ"));
    source_ = make_element(parent, "Picture_E", QT_TRANSLATE_NOOP("CircuitScene", "Источник ЭДС"));
    coil_ = make_element(parent, "Picture_L",
                         QT_TRANSLATE_NOOP("CircuitScene", "Катушка индуктивности"));
    resistor_ = make_element(parent, "Picture_R", QT_TRANSLATE_NOOP("CircuitScene", "Резистор"));
    capacitor_ =
        make_element(parent, "Picture_C", QT_TRANSLATE_NOOP("CircuitScene", "Конденсатор"));
    for (DrawingSurface* element : {key_, source_, coil_, resistor_, capacitor_}) {
        element->raise();
    }
    apply_background();
    QObject::connect(&simulation, &Simulation::recomputed, key_, [this] { build_scene(); });
    QObject::connect(&simulation, &Simulation::frame_shown, key_, [this] { show_run_position(); });
    QObject::connect(&simulation, &Simulation::position_jumped, key_,
                     [this] { show_run_position(); });
}

const SimulationState& CircuitScene::state() const {
    return simulation_.state();
}

void CircuitScene::set_palette(const Palette& palette) {
    if (palette_ == &palette) {
        return;
    }
    palette_ = &palette;
    apply_background();
    build_scene();
}

void CircuitScene::apply_background() {
    const QColor background = to<QColor>(palette_->scene);
    for (DrawingSurface* surface : {&picture_, key_, source_, coil_, resistor_, capacitor_}) {
        surface->set_background(background);
    }
}

QColor CircuitScene::colour(Rgb Palette::*which) const {
    return to<QColor>((*palette_).*which);
}

double CircuitScene::wire_width() const {
    return wire_width_for(picture_.width());
}

void CircuitScene::set_electric_field(bool shown) {
    electric_field_ = shown;
    if (state().C != 0) {
        draw_capacitor_state();
    }
}

void CircuitScene::set_magnetic_field(bool shown) {
    magnetic_field_ = shown;
    if (state().L != 0) {
        draw_coil();
    }
}

void CircuitScene::show_key(bool shown) {
    key_->setVisible(shown);
    key_closed_ = !shown;
    describe();
}

void CircuitScene::show_run_position() {
    if (state().C != 0) {
        draw_capacitor_state();
    }
    if (state().L != 0) {
        draw_coil();
    }
    describe();
}

// Said only when it changed: Qt tells the screen reader of each new description.
void CircuitScene::describe() {
    const QString text =
        QString::fromStdString(scene_description(state(), key_closed_, decimal_separator()));
    if (text != picture_.accessibleDescription()) {
        picture_.setAccessibleDescription(text);
    }
}

void CircuitScene::prepare(DrawingSurface* surface, const ElementRect& rect, double pen_width) {
    const QPoint origin = picture_.pos();
    surface->resize(round_even(rect.width), round_even(rect.height));
    surface->set_pen_width(pen_width);
    surface->move(origin.x() + round_even(rect.left), origin.y() + round_even(rect.top));
    surface->set_scale(0, surface->height(), surface->width(), 0);
    surface->clear();
}

void CircuitScene::build_scene() {
    describe();
    layout_ = scene_layout(picture_.width(), picture_.height(), wire_width());
    picture_.set_scale(0, picture_.height(), picture_.width(), 0);

    draw_wires();
    draw_key();

    const bool source = state().Em != 0;
    source_->setVisible(source);
    if (source) {
        draw_source();
    }
    coil_->setVisible(state().L != 0);
    if (state().L != 0) {
        draw_coil();
    }
    resistor_->setVisible(state().R != 0);
    if (state().R != 0) {
        draw_resistor();
    }
    capacitor_->setVisible(state().C != 0);
    if (state().C != 0) {
        draw_capacitor();
    }
}

void CircuitScene::draw_wires() {
    DrawingSurface& p = picture_;
    const SceneLayout& s = layout_;
    const QColor wire = colour(&Palette::wire);
    p.set_pen_width(wire_width());
    p.clear();
    p.line(s.wire_left, s.wire_bottom, s.wire_right, s.wire_bottom, wire);
    p.line(s.wire_right, s.wire_bottom, s.wire_right, s.wire_top, wire);
    p.line(s.wire_right, s.wire_top, s.wire_left, s.wire_top, wire);
    p.line(s.wire_left, s.wire_top, s.wire_left, s.wire_bottom, wire);
    p.set_pen_width(1);
}

// An open switch: the blade hangs from the upper end of the broken left wire.
void CircuitScene::draw_key() {
    prepare(key_, layout_.key, wire_width());
    const double p = key_->pen_width();
    key_->line(0, 0, key_->width() - p / 2, key_->height(), colour(&Palette::wire));
}

void CircuitScene::draw_resistor() {
    prepare(resistor_, layout_.resistor, wire_width());
    resistor_->set_fill(FillStyle::transparent);
    resistor_->rectangle(0, 0, resistor_->width(), resistor_->height(), colour(&Palette::wire));
}

void CircuitScene::draw_capacitor() {
    prepare(capacitor_, layout_.capacitor, wire_width());
    draw_capacitor_state();
}

// Plates coloured by the sign of the charge at k_now, and the field when E is ticked.
void CircuitScene::draw_capacitor_state() {
    DrawingSurface& c = *capacitor_;
    c.clear();
    const double u = state().Uc_t.empty() ? 0 : state().Uc_t[run_index(state())];
    const double p = c.pen_width();
    const double Cw = c.width();
    const double Ch = c.height();
    const QColor red = colour(&Palette::positive);
    const QColor blue = colour(&Palette::negative);
    const QColor grey = colour(&Palette::wire);
    const QColor left = u > 0 ? red : u < 0 ? blue : grey;
    const QColor right = u > 0 ? blue : u < 0 ? red : grey;
    c.line(p / 2, 0, p / 2, Ch, left);
    c.line(Cw - p / 2, 0, Cw - p / 2, Ch, right);
    if (electric_field_) {
        draw_electric_field(u);
        draw_field_arrow(u);
    }
}

void CircuitScene::draw_electric_field(double u) {
    DrawingSurface& c = *capacitor_;
    const int pen = c.pen_width();
    c.set_pen_width(1);
    if (u != 0) {
        const double reference = field_reference(state().u0, state().eps);
        const double e_lines = e_lines_max * std::fabs(u / reference);
        const double p = pen;
        for (const double y : electric_field_lines(c.height(), e_lines).ys) {
            c.line(p + 2, y, c.width() - p - 2, y, colour(&Palette::electric));
        }
    }
    c.set_pen_width(pen);
}

// A chevron pointing from the positive plate to the negative one.
void CircuitScene::draw_field_arrow(double u) {
    DrawingSurface& c = *capacitor_;
    const int pen = c.pen_width();
    c.set_pen_width(6);
    const double Cw = c.width();
    const double Ch = c.height();
    if (u > 0) {
        c.line(Cw / 4, Ch / 4, 3 * Cw / 4, Ch / 2, colour(&Palette::electric));
        c.line_to(Cw / 4, 3 * Ch / 4, colour(&Palette::electric));
    } else if (u < 0) {
        c.line(3 * Cw / 4, Ch / 4, Cw / 4, Ch / 2, colour(&Palette::electric));
        c.line_to(3 * Cw / 4, 3 * Ch / 4, colour(&Palette::electric));
    }
    c.set_pen_width(pen);
}

// Four flattened turns between two leads on the top wire, and the field when B is ticked.
void CircuitScene::draw_coil() {
    DrawingSurface& l = *coil_;
    prepare(coil_, layout_.coil, wire_width());
    const double Lw = l.width();
    const double Lh = l.height();
    const double coil_step = round_even(Lw / 10);
    const QColor wire = colour(&Palette::wire);
    l.set_pen_width(wire_width());
    l.line(0, Lh / 2, coil_step, Lh / 2, wire);
    l.set_pen_width(3 * wire_width() / 4);
    for (const double x : coil_turn_centres(coil_step)) {
        l.circle(x, Lh / 2, coil_step, wire, 0, pi, 0.7);
    }
    l.set_pen_width(wire_width());
    l.line(Lw - coil_step + 1, Lh / 2, Lw, Lh / 2, wire);
    if (magnetic_field_) {
        draw_magnetic_field();
    }
}

void CircuitScene::draw_magnetic_field() {
    DrawingSurface& l = *coil_;
    if (state().I_t.empty() || !(state().I_max > 0)) {
        return;
    }
    const int pen = l.pen_width();
    l.set_pen_width(2);
    const double current = state().I_t[run_index(state())];
    const double b_lines = b_lines_max * std::fabs(current / state().I_max);
    const double coil_step = round_even(l.width() / 10.0);
    for (const Loop& loop : magnetic_loops(l.width(), l.height(), coil_step, b_lines)) {
        l.circle(loop.x, loop.y, loop.radius, colour(&Palette::magnetic), 0, 0, loop.aspect);
    }
    l.set_pen_width(pen);
}

// A battery for a constant EMF (the long red plate is the positive pole), a circle with one
// period of a sine wave for an alternating one.
void CircuitScene::draw_source() {
    DrawingSurface& e = *source_;
    prepare(source_, layout_.source, wire_width());
    const double Ew = e.width();
    const double Eh = e.height();
    const QColor wire = colour(&Palette::wire);
    const QColor red = colour(&Palette::positive);
    const QColor blue = colour(&Palette::negative);
    if (state().nu == 0) {
        e.line(Ew / 2, 0, Ew / 2, Eh / 4, wire);
        e.line(Ew / 2, Eh, Ew / 2, 3 * Eh / 4, wire);
        if (state().Em > 0) {
            e.line(0, 3 * Eh / 4, Ew, 3 * Eh / 4, red);
            e.line(0.2 * Ew, Eh / 4, 0.8 * Ew, Eh / 4, blue);
        } else {
            e.line(0.2 * Ew, 3 * Eh / 4, 0.8 * Ew, 3 * Eh / 4, blue);
            e.line(0, Eh / 4, Ew, Eh / 4, red);
        }
        return;
    }
    e.set_pen_width(wire_width() / 2);
    const double p2 = e.pen_width();
    e.circle(Ew / 2, Eh / 2, (Ew - p2) / 2 + 1, wire);
    e.set_pen_width(wire_width() / 4);
    const double p4 = e.pen_width();
    const double r = (Ew / 2 - p4) / 2 - 3;
    e.circle(Ew / 4 + p4 / 2 + 3, Eh / 2, r, wire, 0, pi, 1);
    e.circle(3 * Ew / 4 - p4 / 2 - 3, Eh / 2, r, wire, pi, two_pi_single, 1);
}

} // namespace ovrelan
