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

void paint_app_icon(QPainter& painter, const QRectF& square) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(square.topLeft());
    painter.scale(square.width() / 64.0, square.height() / 64.0);
    // The tile.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(32, 92, 170));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 11, 11);
    // The loop of wire, broken by the coil on top and the capacitor below.
    QPen wire(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(wire);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(14, 18), QPointF(20, 18));
    painter.drawLine(QPointF(44, 18), QPointF(50, 18));
    painter.drawLine(QPointF(50, 18), QPointF(50, 47));
    painter.drawLine(QPointF(50, 47), QPointF(36, 47));
    painter.drawLine(QPointF(28, 47), QPointF(14, 47));
    painter.drawLine(QPointF(14, 47), QPointF(14, 18));
    // The coil: three turns.
    for (int i = 0; i < 3; ++i) {
        painter.drawArc(QRectF(20 + 8 * i, 12, 8, 12), 0, 180 * 16);
    }
    // The capacitor: two plates, red and blue.
    painter.setPen(QPen(QColor(255, 90, 80), 5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(28, 38), QPointF(28, 56));
    painter.setPen(QPen(QColor(120, 190, 255), 5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(36, 38), QPointF(36, 56));
    // A charge carrier on the left wire.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 253, 74));
    painter.drawEllipse(QPointF(14, 33), 4.5, 4.5);
    painter.restore();
}

QIcon app_icon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint_app_icon(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace ovrelan
