#include "ui/menu_icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace ovrelan {

QIcon letter_icon(const QString& letter, const QColor& colour) {
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(colour.darker(140));
        painter.setBrush(colour);
        const double r = size / 8.0;
        painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), r, r);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(size * 11 / 16);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, letter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace ovrelan
