// The small pictures beside the menu items, drawn by the program.
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace ovrelan {

// A 16 x 16 icon: a rounded tile of the given colour with one white letter.
QIcon letter_icon(const QString& letter, const QColor& colour);

} // namespace ovrelan
