// The small pictures beside the menu items, drawn by the program.
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

class QPainter;
class QRectF;

namespace ovrelan {

// A 16 x 16 icon: a rounded tile of the given colour with one white letter.
QIcon letter_icon(const QString& letter, const QColor& colour);

// The program's icon in a square: a blue tile with the circuit's loop, a coil on top, a capacitor
// below and a charge carrier on the wire. One drawing for the window, the desktop's menu (PNG
// and SVG, made at build time) and the documents.
void paint_app_icon(QPainter& painter, const QRectF& square);
QIcon app_icon();

} // namespace ovrelan
