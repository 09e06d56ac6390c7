// The circuit picture of the main window: the wire loop on the scene picture and the key,
// source, coil, resistor and capacitor on their own surfaces stacked above it.
#pragma once

#include "model/simulation_state.h"
#include "platform/drawing_surface.h"
#include "scene/scene_geometry.h"

class QCheckBox;
class QWidget;

namespace ovrelan {

struct SceneControls {
    DrawingSurface* Picture1; // the scene picture
    QCheckBox* Check_E;
    QCheckBox* Check_B;
    QWidget* Text6; // the frequency field and its label, hidden without a source
    QWidget* Label6;
};

class CircuitScene {
public:
    // Creates the element pictures as siblings above the scene picture.
    CircuitScene(SimulationState& state, const SceneControls& controls);

    void build_scene();
    void draw_wires();
    void draw_key();
    void draw_resistor();
    void draw_capacitor();
    void draw_capacitor_state();
    void draw_coil();
    void draw_source();

    DrawingSurface* Picture_K() const { return key_; }
    DrawingSurface* Picture_E() const { return source_; }
    DrawingSurface* Picture_L() const { return coil_; }
    DrawingSurface* Picture_R() const { return resistor_; }
    DrawingSurface* Picture_C() const { return capacitor_; }
    const SceneLayout& layout() const { return layout_; }

private:
    void draw_electric_field(double u);
    void draw_field_arrow(double u);
    void draw_magnetic_field();
    // Size, pen width, white background, position and y-up scale of an element picture.
    void prepare(DrawingSurface* surface, const ElementRect& rect, double pen_width);

    SimulationState& state_;
    SceneControls controls_;
    SceneLayout layout_;
    DrawingSurface* key_;
    DrawingSurface* source_;
    DrawingSurface* coil_;
    DrawingSurface* resistor_;
    DrawingSurface* capacitor_;
};

} // namespace ovrelan
