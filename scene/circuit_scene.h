// The circuit picture of the main window: the wire loop on the scene picture and the key,
// source, coil, resistor and capacitor on their own surfaces stacked above it. It follows the
// simulation: rebuilt after every recomputation, capacitor and coil redrawn after every
// animation frame.
#pragma once

#include "geometry/palette.h"
#include "geometry/scene_geometry.h"
#include "platform/drawing_surface.h"

namespace ovrelan {

class Simulation;
struct SimulationState;

class CircuitScene {
public:
    // Creates the element pictures as siblings above the scene picture and subscribes to the
    // simulation.
    CircuitScene(Simulation& simulation, DrawingSurface& picture);

    // Whether the field pictures are asked for (the boxes "E" and "B"); a change redraws the
    // capacitor or the coil at once (Check_E_Click, Check_B_Click).
    void set_electric_field(bool shown);
    void set_magnetic_field(bool shown);
    // The look the circuit is drawn in; a change redraws it.
    void set_palette(const Palette& palette);
    // The key shows while idle; a run closes it (the picture is hidden).
    void show_key(bool shown);

    void build_scene();
    void draw_wires();
    void draw_key();
    void draw_resistor();
    void draw_capacitor();
    void draw_capacitor_state();
    void draw_coil();
    void draw_source();
    // After an animation frame: the capacitor and the coil at the run position.
    void show_run_position();
    // What a screen reader hears of the picture (its accessible description), after a change.
    void describe();
    // Every picture's background in the look, and a colour of the look.
    void apply_background();
    QColor colour(Rgb Palette::*which) const;

    DrawingSurface* key_picture() const { return key_; }
    DrawingSurface* source_picture() const { return source_; }
    DrawingSurface* coil_picture() const { return coil_; }
    DrawingSurface* resistor_picture() const { return resistor_; }
    DrawingSurface* capacitor_picture() const { return capacitor_; }
    const SceneLayout& layout() const { return layout_; }

private:
    void draw_electric_field(double u);
    void draw_field_arrow(double u);
    void draw_magnetic_field();
    // Size, pen width, white background, position and y-up scale of an element picture.
    void prepare(DrawingSurface* surface, const ElementRect& rect, double pen_width);
    double wire_width() const;
    const SimulationState& state() const;

    Simulation& simulation_;
    DrawingSurface& picture_;
    SceneLayout layout_;
    const Palette* palette_ = &palette_of(PaletteKind::light);
    bool electric_field_ = false;
    bool magnetic_field_ = false;
    bool key_closed_ = false; // a run plays
    DrawingSurface* key_;
    DrawingSurface* source_;
    DrawingSurface* coil_;
    DrawingSurface* resistor_;
    DrawingSurface* capacitor_;
};

} // namespace ovrelan
