#include "graphs/picture_notes.h"

#include <QStringList>

#include <algorithm>

namespace ovrelan {

std::vector<NoteLine> note_lines(const std::vector<std::string>& notes,
                                 const QFontMetricsF& metrics, double width, double top,
                                 double scale) {
    std::vector<NoteLine> lines;
    const double left = 6 * scale;
    const double room = std::max(1.0, width - 12 * scale);
    const double height = metrics.height();
    for (const std::string& note : notes) {
        QString line;
        const auto finish = [&] {
            while (line.endsWith(' ')) {
                line.chop(1);
            }
            lines.push_back({QRectF(left, top, room, height), line});
            top += height;
            line.clear();
        };
        // Words at the ordinary spaces; a run of them (the gap between two marks) stays.
        const QStringList words = QString::fromStdString(note).split(' ');
        for (const QString& word : words) {
            const QString longer = line.isEmpty() ? word : line + ' ' + word;
            if (!line.isEmpty() && !word.isEmpty() && metrics.horizontalAdvance(longer) > room) {
                finish();
                line = word;
            } else {
                line = longer;
            }
        }
        finish();
    }
    return lines;
}

std::string together(const std::string& text) {
    std::string out;
    for (const char ch : text) {
        out += ch == ' ' ? std::string("\u00A0") : std::string(1, ch);
    }
    return out;
}

} // namespace ovrelan
