#include "graphs/vector_picture.h"

#include "geometry/graph_readout.h"
#include "geometry/picture_size.h"
#include "graphs/picture_notes.h"
#include "model/translation.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ovrelan {

namespace {

// The voltages in their colours of the voltages-and-current graph, their sum in the look's grey.
QColor colour_of(const std::string& name, const GraphLook& look) {
    const VoltageColours& v = look.palette->voltages;
    if (name == "Ur") {
        return to<QColor>(v.resistor);
    }
    if (name == "UL") {
        return to<QColor>(v.coil);
    }
    if (name == "Uc") {
        return to<QColor>(v.capacitor);
    }
    if (name == "UL+Uc") {
        return to<QColor>(look.palette->secondary);
    }
    if (name == "I") {
        return to<QColor>(v.current);
    }
    return to<QColor>(v.emf); // ε
}

std::string degrees(double radians, char separator) {
    return plain_text(radians * 180 / std::numbers::pi, separator) + "°";
}

QPointF point(double x, double y) {
    return {x, y};
}

QRectF rect_of(const PixelBox& b) {
    return {b.left, b.top, b.width, b.height};
}

void draw_arrow(QPainter& painter, const DiagramArrow& a, const GraphLook& look) {
    const QColor colour = colour_of(a.name, look);
    const bool current = a.name == "I";
    const bool dashed = current || a.name == "UL+Uc";
    // The current thinner than the voltages: it runs beside Ur and must not hide it.
    const double width = a.name == "ε" ? 3.5 : current ? 1.5 : 2.5;
    const QPointF tail = point(a.at.x0, a.at.y0);
    const QPointF head = point(a.at.x1, a.at.y1);
    const QPointF along = head - tail;
    const double length = std::hypot(along.x(), along.y());
    if (length < 0.5) {
        return;
    }
    const QPointF u = along / length;
    const QPointF n(-u.y(), u.x());
    const double h = std::min(12 * look.scale, length / 2);
    painter.setPen(
        QPen(colour, look.line(width), dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(tail, head - u * (h * 0.5)); // the shaft ends inside the head
    QPainterPath tip;
    tip.moveTo(head);
    tip.lineTo(head - u * h + n * h * 0.4);
    tip.lineTo(head - u * h - n * h * 0.4);
    tip.closeSubpath();
    painter.fillPath(tip, colour);
}

void draw_panel(QPainter& painter, const DiagramPanel& panel, const GraphLook& look) {
    const QRectF area = rect_of(panel.area);
    // The axes through the origin, light, within the panel.
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QPen(to<QColor>(look.palette->faint), look.scale));
    painter.drawLine(QPointF(area.left() + 8, panel.origin_y),
                     QPointF(area.right() - 8, panel.origin_y));
    painter.drawLine(QPointF(panel.origin_x, area.top() + 4),
                     QPointF(panel.origin_x, area.bottom() - 4));
    if (panel.arc) {
        const PhiArc& a = *panel.arc;
        painter.setPen(QPen(to<QColor>(look.palette->ink), look.scale));
        painter.drawArc(QRectF(a.x - a.radius, a.y - a.radius, 2 * a.radius, 2 * a.radius),
                        static_cast<int>(std::lround(a.from * 180 / std::numbers::pi * 16)),
                        static_cast<int>(std::lround(a.sweep * 180 / std::numbers::pi * 16)));
    }
    for (const DiagramArrow& a : panel.arrows) {
        draw_arrow(painter, a, look);
    }
    painter.restore();
    for (const PlacedLabel& l : panel.labels) {
        if (l.placed) {
            painter.setPen(l.text == "φ" ? to<QColor>(look.palette->ink) : colour_of(l.text, look));
            painter.drawText(rect_of(l.box).adjusted(-1, 0, 1, 0), Qt::AlignCenter,
                             qstring(l.text));
        }
    }
}

} // namespace

std::vector<std::string> vector_notes(const Parameters& p, const VectorDiagram& d, char separator) {
    if (!d.reason.empty()) {
        return {d.reason};
    }
    const std::string lead =
        d.phi > 0 ? translated("Pictures", " (ЭДС опережает ток: цепь индуктивная)")
        : d.phi < 0 ? translated("Pictures", " (ток опережает ЭДС: цепь ёмкостная)")
                    : translated("Pictures", " (ток в фазе с ЭДС: резонанс)");
    std::string amplitudes = together("ν = " + si_text(p.nu, "Гц", separator)) + ":";
    for (const Phasor& v : d.phasors) {
        if (v.name != "UL+Uc") {
            amplitudes +=
                "  " + together(v.name + " = " +
                                si_text(v.amplitude, v.name == "I" ? "А" : "В", separator));
        }
    }
    return {together("φ = " + degrees(d.phi, separator)) + lead, amplitudes};
}

namespace {

double vector_notes_bottom(const QFontMetricsF& metrics, QSizeF size, const GraphLook& look,
                           const std::vector<std::string>& notes) {
    const std::vector<NoteLine> lines =
        note_lines(notes, metrics, size.width(), 2 * look.scale, look.scale);
    return lines.empty() ? 2 * look.scale : lines.back().box.bottom();
}

} // namespace

VectorLayout plan_vector_diagram(const QFontMetricsF& metrics, QSizeF size, const GraphLook& look,
                                 const Parameters& p, const VectorDiagram& d, char separator) {
    const double top = vector_notes_bottom(metrics, size, look, vector_notes(p, d, separator));
    const PixelBox area{0, top, size.width(), std::max(0.0, size.height() - top)};
    return vector_layout(d, area, measure_with(look.font), look.scale);
}

void draw_vector_diagram(QPainter& painter, QSizeF size, const GraphLook& look, const Parameters& p,
                         const VectorDiagram& d, char separator) {
    painter.save();
    painter.setFont(look.font);
    const QFontMetricsF metrics(look.font, painter.device());
    painter.setPen(to<QColor>(look.palette->ink));
    // Each note on as many lines as the width needs.
    for (const NoteLine& line : note_lines(vector_notes(p, d, separator), metrics, size.width(),
                                           2 * look.scale, look.scale)) {
        painter.drawText(line.box, Qt::AlignLeft | Qt::AlignVCenter, line.text);
    }
    if (d.phasors.empty() || !(d.reach > 0)) {
        painter.restore();
        return;
    }
    const VectorLayout layout = plan_vector_diagram(metrics, size, look, p, d, separator);
    draw_panel(painter, layout.diagram, look);
    if (layout.inset) {
        // The magnified triangle in its frame, its factor in the corner; a dashed frame in the
        // diagram around what it shows.
        const QColor frame = to<QColor>(look.palette->secondary);
        painter.setPen(QPen(frame, look.scale, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect_of(layout.marked));
        painter.setPen(QPen(frame, look.scale));
        painter.drawRect(rect_of(layout.inset->area));
        draw_panel(painter, *layout.inset, look);
        painter.setPen(to<QColor>(look.palette->ink));
        painter.drawText(rect_of(layout.caption_box).adjusted(-1, 0, 1, 0), Qt::AlignCenter,
                         qstring(layout.caption));
    }
    painter.restore();
}

double vector_least_body(double width, const GraphLook& look, const Parameters& p,
                         const VectorDiagram& d, char separator) {
    const QFontMetricsF metrics(look.font);
    return vector_notes_bottom(metrics, QSizeF(width, 1e6), look, vector_notes(p, d, separator)) +
           least_plot_height * look.scale;
}

} // namespace ovrelan
