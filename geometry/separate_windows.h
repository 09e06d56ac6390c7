// The separate-windows layout: the main window with the graphs, the resonance curve and the
// vector diagram in windows of their own, as a pure function of the screen, the presentation
// size and the views chosen: the main window at the size that fits the screen, the graphs where
// they cover none of its controls, its menu bar or its status bar (in windows of their own where
// a free area holds them legibly, otherwise stacked in one window that scrolls when they do not
// all fit), the curve and the diagram where they cover neither. Re-run whenever one of those
// changes, so that every open window is placed again.
#pragma once

#include "geometry/main_layout.h"
#include "geometry/window_tiling.h"

#include <optional>
#include <vector>

namespace ovrelan {

struct SeparateRequest {
    ScreenRect available;           // the screen less its panels
    std::optional<ScreenRect> main; // where the main window's frame stands now (none at start)
    double scale = 1;               // the presentation size asked for
    ScreenSize decoration{2, 26};   // a window's frame around its client area
    int menu_bar = 24;              // not scaled
    int status_bar = 22;            // at the normal size
    int graphs = 0;
    bool always_stacked = false; // «Все графики в одном окне»
    bool resonance = false;
    bool vector = false;
    GraphNeeds needs{}; // at the scale that fits; defaults as measured at the normal size
};

struct SeparateLayout {
    double scale = 1;                   // the largest size up to the one asked for that fits
    ScreenRect main;                    // the main window's frame
    ClientSize client;                  // its client area
    std::vector<ScreenRect> kept_clear; // its controls, menu bar and status bar, on the screen
    GraphPlacement graphs;
    std::optional<ScreenRect> resonance;
    std::optional<ScreenRect> vector;
};

// What a graph needs at a presentation size, from the normal size's measurements.
GraphNeeds graph_needs_at(double scale, ScreenSize decoration);

SeparateLayout arrange_separate_windows(const SeparateRequest& request);

// Whether the separate windows suit this screen: the main window at the normal size with a
// legible graph window of its own beside it, over none of its controls.
bool separate_windows_fit(const ScreenRect& available);

} // namespace ovrelan
