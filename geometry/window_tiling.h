// Where the graph windows go on the screen: never off it, never over the main window's controls.
// Frames in screen pixels.
#pragma once

#include <vector>

namespace ovrelan {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool intersects(const ScreenRect& o) const;
    bool inside(const ScreenRect& o) const;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// The frame moved (and, where it is larger, shrunk) into the available area of the screen.
ScreenRect keep_on_screen(ScreenRect frame, const ScreenRect& available);

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// Where the chosen graphs go when they are shown: in windows of their own in the screen's free
// area beside the main window (moved to the area's corner if that makes room), each large enough
// for a legible plot; or, when no free area holds them so, together in one window that stacks
// them, placed where it covers none of the main window's controls (the main window moved to the
// area's right edge to leave it room). Never over the controls.
struct GraphPlacement {
    bool stacked = false;
    ScreenRect main;                // the main window's frame, moved or not
    std::vector<ScreenRect> graphs; // a frame per graph, or the one stacked window's frame
    int columns = 1;                // of the stacked window
    bool scrolls = false;           // its rows do not all fit: it scrolls through them
};

struct GraphNeeds {
    ScreenSize window;        // the frame of a graph window around the smallest legible plot
    ScreenSize stacked_cell;  // one graph of the stacked window around such a plot
    ScreenSize stacked_extra; // the stacked window's frame and its shared time axis
};

// `controls` are the rectangles of the main window's fields, boxes, speed bars and start
// button, in screen pixels where the main window stands now.
// `bars` are the main window's menu bar and status bar: across its whole width, no window may
// cover them either.
GraphPlacement place_graphs(const ScreenRect& available, const ScreenRect& main,
                            const std::vector<ScreenRect>& controls, int count,
                            const GraphNeeds& needs, bool always_stacked = false,
                            const std::vector<ScreenRect>& bars = {});

// Where a window of its own (the resonance curve, the vector diagram) opens: as large as
// `preferred` and no smaller than `minimum`, inside the available area, over none of the
// controls and, where there is room, over neither the main window nor the windows already open
// (`taken`); among the places that do, the one nearest the main window's top right corner. Over
// the other windows when nothing else is free, then over the main window's picture and panel;
// never over the controls unless the screen has no room at all.
// `own` are the windows of its kind already open: kept clear in every try but the last.
ScreenRect place_window(const ScreenRect& available, const ScreenRect& main,
                        const std::vector<ScreenRect>& controls,
                        const std::vector<ScreenRect>& taken, const std::vector<ScreenRect>& own,
                        ScreenSize preferred, ScreenSize minimum);

} // namespace ovrelan
