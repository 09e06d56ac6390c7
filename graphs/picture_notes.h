// The lines of text above a picture (the resonance curve's marks and band, the vector diagram's
// φ and amplitudes): each note wrapped to the width at its ordinary spaces only, so that a
// «name = value» written with non-breaking spaces stays whole on one line, slashes and all.
#pragma once

#include <QFontMetricsF>
#include <QRectF>
#include <QString>

#include <string>
#include <vector>

namespace ovrelan {

struct NoteLine {
    QRectF box;
    QString text;
};

// The notes from `top` down, 6·scale in from either side of `width`; a piece wider than a line
// stands alone on its line.
std::vector<NoteLine> note_lines(const std::vector<std::string>& notes,
                                 const QFontMetricsF& metrics, double width, double top,
                                 double scale);

// «name = value» with non-breaking spaces, for a note.
std::string together(const std::string& text);

} // namespace ovrelan
