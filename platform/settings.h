// Values read from the settings file (~/.config/Ovrelan/Ovrelan.conf), each checked against what
// it may be: a person may edit the file, an older or newer program may have written it. A value
// that is missing, of the wrong kind or out of range gives the default, and the file is left as
// it is: nothing read is written back, only what a person changes in the program.
#pragma once

#include <QRect>
#include <QString>

#include <span>

namespace ovrelan {

// true/false (as QSettings writes them, or 1/0); the default for anything else.
bool setting_bool(const QString& key, bool fallback);

// One of the allowed values (to a billionth); the default for anything else, a text that is no
// number, NaN or an infinity included.
double setting_choice(const QString& key, std::span<const double> allowed, double fallback);

// A number within [low, high]; the default otherwise.
double setting_in_range(const QString& key, double low, double high, double fallback);

// A folder that exists; the default otherwise.
QString setting_folder(const QString& key, const QString& fallback);

// A rectangle that a window may take on the present screens: at least `minimum` in size and with
// that much of it on one screen's available area; nothing (a null rectangle) otherwise.
QRect setting_rect_on_screen(const QString& key, QSize minimum);

} // namespace ovrelan
