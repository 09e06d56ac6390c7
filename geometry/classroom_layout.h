// The classroom layout, «Вид → Всё в одном окне»: the circuit scene, the parameter column, the
// characteristics panel and a graph area in one window that fills the screen, as a pure function
// of the client area, the presentation size and the views chosen. Nothing goes off the client
// area or over another control; the scene keeps at least 400 × 250 px and every plot at least
// 320 × 140 px; where all of it cannot fit at the size asked, the size that fits is found.
//
//   beside (a wide screen)             below (a narrow or short one)
//   ┌──────────────┬─────────┬─────┐   ┌────────────────────────┬─────┐
//   │ scene        │ graphs  │ col │   │ scene                  │ col │
//   ├──────────────┤         │ umn │   ├────────────┬───────────┤ umn │
//   │ panel        │         │     │   │ graphs     │ panel     │     │
//   └──────────────┴─────────┴─────┘   └────────────┴───────────┴─────┘
//
// The divider between the scene and the graphs can be dragged; `split` says where the teacher
// put it, and the layout keeps it where every minimum still holds.
#pragma once

#include "geometry/main_layout.h"

#include <string>
#include <vector>

namespace ovrelan {

// Sizes of the controls at the normal size, in pixels; the widgets measure them, the tests take
// these, which were measured so.
struct ClassroomMetrics {
    double gap = 8;
    double row = 24;                // a parameter field's height
    double row_gap = 4;             // between two fields
    double field_label = 60;        // "L(мкГн)="
    double field = 62;              // its field
    double panel_label = 142;       // "ωo= 3.1623E+02рад/с", and a little room
    double panel_row = 20;          // one characteristic's height
    double panel_header = 114;      // "Характеристики"
    double caption = 388;           // the circuit and its regime, at its longest
    double frame1_width = 66;       // «Графики» and its boxes
    double frame1_height = 106;     //
    double frame2_width = 50;       // «Поля»
    double frame2_height = 65;      //
    double speed_bar = 12;          // a speed scroll bar's height
    double speed_label = 22;        // its value under it
    double button_width = 60;       // ПУСК
    double plot_around_width = 110; // a graph's margins around its plot (two value axes)
    double plot_around_height = 96; // the title strip, the time labels and the read-out
    double tab_bar = 26;            // the graph area's tabs
    double divider = 6;             // the handle the teacher drags (not scaled)
};

inline constexpr double least_plot_width = 320;
inline constexpr double least_plot_height = 140;
inline constexpr double least_scene_width = 400;
inline constexpr double least_scene_height = 250;

struct ClassroomRequest {
    double width = 0; // the client area, in pixels
    double height = 0;
    double scale = 1;           // the presentation size
    int graphs = 0;             // time graphs chosen, stacked on one time axis
    bool resonance = false;     // the resonance curve open
    bool vector = false;        // the vector diagram open
    double split = 0.5;         // the graphs' share of the room the divider moves over
    ClassroomMetrics metrics{}; // at the normal size
};

// Where the graph area puts what it shows.
struct GraphAreaLayout {
    bool tabs = false;       // one at a time: the graphs, the curve, the diagram
    double tab_bar = 0;      // its height, when tabs
    Rect stack;              // the time graphs, in the area (empty when none)
    int columns = 1;         // of the stack
    int rows = 0;            //
    bool scrolls = false;    // taller than its place: it scrolls, each plot at its least
    double stack_height = 0; // of its content, scrolling or not
    Rect resonance;          // panes in the area, when not tabs (empty when closed)
    Rect vector;             //
    double cell_width = 0;   // one graph of the stack
    double cell_height = 0;  //
    double plot_width = 0;   // the plot inside it
    double plot_height = 0;  //
};

enum class Arrangement { scene_only, beside, below };

struct ClassroomLayout {
    bool fits = false;
    Arrangement arrangement = Arrangement::scene_only;
    double scale = 1;
    // Every control of the main window by its name (as arrange_main_window names them), with
    // "Picture1" the scene; in the client area's pixels.
    std::vector<Placement> controls;
    Rect scene;
    Rect graph_area;              // empty when no graph, curve or diagram is chosen
    Rect divider;                 // the handle between the scene and the graph area
    bool divider_vertical = true; // a vertical bar dragged sideways (beside), or a horizontal one
    GraphAreaLayout area;
    const Rect& at(const std::string& name) const;
};

// The layout at the request's scale; `fits` is false when something cannot keep its least size.
ClassroomLayout arrange_classroom(const ClassroomRequest& request);

// The graph area's own layout for its size (also what the area itself applies on a resize).
GraphAreaLayout arrange_graph_area(double width, double height, const ClassroomRequest& request);

// The share `split` that puts the divider's middle at this position of the client area (x for a
// vertical divider, y for a horizontal one), for the request the layout was made for.
double split_at(const ClassroomRequest& request, const ClassroomLayout& layout, double position);

// The largest presentation size up to the one asked for (and never below the normal one) at
// which the layout fits, found in steps of 1/20; the layout at that size.
ClassroomLayout fitting_classroom(ClassroomRequest request);

} // namespace ovrelan
