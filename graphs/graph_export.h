// Pictures and numbers out of the program for a worksheet or a spreadsheet: a picture with its
// title, the results as a CSV table, each through the file dialog; a clear message when a file
// cannot be written.
#pragma once

#include "model/simulation_state.h"
#include "platform/platform.h"

#include <QImage>
#include <QPixmap>
#include <QString>

class QWidget;

namespace ovrelan {

// The window's title in a band over the picture, at the picture's device pixel ratio.
QImage titled_picture(const QString& title, const QPixmap& picture);

// Writes the file whole or not at all; false with the reason, in Russian.
bool write_file(const QString& path, const QByteArray& data, QString* error);

// The save dialog, then the PNG; a message when it cannot be written.
void save_image(QWidget* parent, Platform& platform, const QImage& image, const QString& suggested);

// The save dialog with the two dialects (comma and point; semicolon and decimal comma, offered
// first where the locale writes a decimal comma), then the computed grid as a CSV table; a
// message when it cannot be written.
void save_results(QWidget* parent, Platform& platform, const SimulationState& state);

} // namespace ovrelan
