#include "platform/fonts.h"

namespace ovrelan {

QFont times_font(bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(11.25);
    font.setBold(bold);
    return font;
}

QFont sans_font(bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

} // namespace ovrelan
