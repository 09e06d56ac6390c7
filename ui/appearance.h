// The windows' own colours in a look: menus, dialogs, buttons, lists and text fields follow the
// look the graphs and the circuit are drawn in.
#pragma once

#include "geometry/palette.h"

#include <QPalette>

class QWidget;

namespace ovrelan {

// The palette the application takes in a look: none of its own in the light look (the desktop's
// or the style's, as the program always had it); in the others, the look's background and text
// throughout, a selection that stands out on both, and greyed text for what is disabled. Roles it
// leaves unset come from the desktop's palette.
QPalette widget_palette(const Palette& look);

// The style sheet of a refusal's text in a dialog: a dark red on a light window, a light one on a
// dark window (each 4.5:1 on it), as the application's palette stands now.
QString refusal_style();

// A window's background (the main window's client area, a graph's window) in the look.
void set_window_colour(QWidget* window, const Palette& look);

} // namespace ovrelan
