// The fonts of the windows: Times New Roman (Liberation Serif on Linux) and MS Sans Serif.
#pragma once

#include <QFont>

namespace ovrelan {

QFont times_font(bool bold = false); // Times New Roman 11.25 pt
QFont sans_font(bool bold = false);  // MS Sans Serif 8.25 pt

} // namespace ovrelan
