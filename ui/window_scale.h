// The back row of a class: the main window, its fonts and its pictures drawn larger, as a whole.
// The layout is the one of the normal size, magnified.
#pragma once

#include "geometry/main_layout.h"

#include <QRect>

#include <span>

class QWidget;

namespace ovrelan {

// The sizes «Крупнее» and «Мельче» step through (1 is the normal one); step 0 goes back to 1.
double next_scale(double scale, int step);

// Every presentation size there is, the normal one first.
std::span<const double> presentation_sizes();

// A widget's font at `scale` times the size it was made with (the first call remembers that);
// the widgets under it that take their font from it follow.
void scale_font(QWidget* widget, double scale);

// Every widget under `root` with its font at `scale` times the size it was made with (the first
// call remembers that), and the widgets inside frames at their places magnified alike.
void scale_widgets(QWidget* root, double scale);

// A rectangle of the normal size's layout, magnified, in whole pixels.
QRect scaled_rect(const Rect& r, double scale);

} // namespace ovrelan
