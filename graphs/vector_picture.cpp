#include "graphs/vector_picture.h"

#include "geometry/graph_readout.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ovrelan {

namespace {

QColor colour_of(const std::string& name) {
    if (name == "Ur") {
        return {0, 158, 115};
    }
    if (name == "UL") {
        return {213, 94, 0};
    }
    if (name == "Uc") {
        return {0, 114, 178};
    }
    if (name == "UL+Uc") {
        return {110, 110, 110};
    }
    if (name == "I") {
        return {170, 51, 119};
    }
    return {0, 0, 0}; // ε
}

std::string degrees(double radians, char separator) {
    return plain_text(radians * 180 / std::numbers::pi, separator) + "°";
}

} // namespace

std::vector<std::string> vector_notes(const Parameters& p, const VectorDiagram& d, char separator) {
    if (!d.reason.empty()) {
        return {d.reason};
    }
    const std::string lead = d.phi > 0 ? " (ЭДС опережает ток: цепь индуктивная)"
                             : d.phi < 0 ? " (ток опережает ЭДС: цепь ёмкостная)"
                                         : " (ток в фазе с ЭДС: резонанс)";
    std::string amplitudes = "ν = " + si_text(p.nu, "Гц", separator) + ":";
    for (const Phasor& v : d.phasors) {
        if (v.name != "UL+Uc") {
            amplitudes +=
                "  " + v.name + " = " + si_text(v.amplitude, v.name == "I" ? "А" : "В", separator);
        }
    }
    return {"φ = " + degrees(d.phi, separator) + lead, amplitudes};
}

void draw_vector_diagram(QPainter& painter, QSizeF size, const GraphLook& look, const Parameters& p,
                         const VectorDiagram& d, char separator) {
    painter.save();
    painter.setFont(look.font);
    const QFontMetricsF metrics(look.font);
    const double line = metrics.height();
    double top = 2 * look.scale;
    painter.setPen(Qt::black);
    // Each note on as many lines as the width needs.
    for (const std::string& note : vector_notes(p, d, separator)) {
        const QRectF band(6 * look.scale, top, size.width() - 12 * look.scale, size.height());
        const QRectF used =
            painter.boundingRect(band, Qt::TextWordWrap | Qt::AlignLeft, qstring(note));
        painter.drawText(band, Qt::TextWordWrap | Qt::AlignLeft, qstring(note));
        top += std::max(line, used.height());
    }
    if (d.phasors.empty() || !(d.reach > 0)) {
        painter.restore();
        return;
    }
    const QRectF area(0, top, size.width(), size.height() - top);
    const QPointF centre = area.center();
    const double unit = 0.40 * std::min(area.width(), area.height()) / d.reach; // px per volt
    const auto at = [&](double x, double y) { return centre + QPointF(x * unit, -y * unit); };
    // The axes through the origin, light.
    painter.setPen(QPen(QColor(190, 190, 190), look.scale));
    painter.drawLine(QPointF(area.left() + 8, centre.y()), QPointF(area.right() - 8, centre.y()));
    painter.drawLine(QPointF(centre.x(), area.top() + 4), QPointF(centre.x(), area.bottom() - 4));
    // The angle φ from the current to the EMF.
    const Phasor& emf = d.phasors[d.phasors.size() - 2];
    const Phasor& current = d.phasors.back();
    const double radius = 0.25 * d.reach * unit;
    const double from = std::atan2(current.y1, current.x1) * 180 / std::numbers::pi;
    painter.setPen(QPen(Qt::black, look.scale));
    painter.drawArc(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                    static_cast<int>(from * 16),
                    static_cast<int>(d.phi * 180 / std::numbers::pi * 16));
    const double middle = (from + d.phi * 90 / std::numbers::pi) * std::numbers::pi / 180;
    const QPointF phi_at =
        centre + QPointF(std::cos(middle), -std::sin(middle)) * (radius + 4 * look.scale);
    painter.drawText(QRectF(phi_at - QPointF(0, line / 2), QSizeF(line * 2, line)),
                     Qt::AlignLeft | Qt::AlignVCenter, "φ");
    for (const Phasor& v : d.phasors) {
        const QPointF tail = at(v.x0, v.y0);
        const QPointF head = at(v.x1, v.y1);
        const QColor colour = colour_of(v.name);
        const bool emf_or_current = v.name == "ε" || v.name == "I";
        const bool dashed = v.name == "I" || v.name == "UL+Uc";
        QPen pen(colour, (v.name == "ε" ? 3.5 : 2.5) * look.scale,
                 dashed ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(tail, head);
        // The arrow's head.
        const QPointF along = head - tail;
        const double length = std::hypot(along.x(), along.y());
        if (length > 1) {
            const QPointF u = along / length;
            const QPointF n(-u.y(), u.x());
            const double h = std::min(12 * look.scale, length / 2);
            QPainterPath tip;
            tip.moveTo(head);
            tip.lineTo(head - u * h + n * h * 0.4);
            tip.lineTo(head - u * h - n * h * 0.4);
            tip.closeSubpath();
            painter.fillPath(tip, colour);
        }
        // The name beside its middle (the EMF's and the current's at their heads); a short one
        // has its value in the line above instead.
        if (!emf_or_current && length < 2.5 * line) {
            continue;
        }
        const QPointF label_at = emf_or_current ? head : (tail + head) / 2;
        const QPointF away = length > 1 ? QPointF(-along.y(), along.x()) / length : QPointF(0, -1);
        const QString name = qstring(v.name);
        const QRectF box(label_at + away * (8 * look.scale) -
                             QPointF(metrics.horizontalAdvance(name) / 2, line / 2),
                         QSizeF(metrics.horizontalAdvance(name) + 2, line));
        painter.setPen(colour);
        painter.drawText(box, Qt::AlignCenter, name);
    }
    (void)emf;
    painter.restore();
}

} // namespace ovrelan
