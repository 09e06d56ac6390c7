#include "graphs/graph_render.h"

#include "geometry/colours.h"
#include "geometry/curve_shape.h"
#include "geometry/family_palette.h"
#include "platform/fonts.h"
#include "solution/solution_arrays.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace ovrelan {

namespace {

QRectF rect(const PixelBox& b) {
    return {b.left, b.top, b.width, b.height};
}

} // namespace

void draw_shape(QPainter& painter, const CurveShape& shape, const QPen& pen) {
    if (!shape.dense) {
        if (shape.line.size() == 1) {
            painter.setPen(pen);
            painter.drawPoint(QPointF(shape.line.front().x, shape.line.front().y));
            return;
        }
        QPolygonF line;
        line.reserve(static_cast<qsizetype>(shape.line.size()));
        for (const CurvePoint& p : shape.line) {
            line << QPointF(p.x, p.y);
        }
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(line);
        return;
    }
    if (shape.columns.empty()) {
        return;
    }
    // Filled polygons: the columns' tops left to right, their bottoms back, each widened by half
    // the pen so that a flat stretch is as thick as the line would be; a dashed pen's band cut
    // across into its dashes (so the dashes show in every picture, and a tall band of a dense
    // oscillation costs no more than a flat one).
    const double half = pen.widthF() / 2;
    std::vector<double> pattern;
    if (pen.style() != Qt::SolidLine) {
        for (const qreal length : pen.dashPattern()) {
            pattern.push_back(length * pen.widthF());
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false); // whole pixels: nothing to smooth
    painter.setPen(Qt::NoPen);
    painter.setBrush(pen.color());
    for (const ColumnRun& run : dashed_runs(shape.columns, pattern)) {
        QPolygonF band;
        band.reserve(static_cast<qsizetype>(4 * (run.last - run.first)));
        for (std::size_t i = run.first; i < run.last; ++i) {
            const ColumnSpan& c = shape.columns[i];
            band << QPointF(c.x, c.top - half) << QPointF(c.x + 1, c.top - half);
        }
        for (std::size_t i = run.last; i-- > run.first;) {
            const ColumnSpan& c = shape.columns[i];
            band << QPointF(c.x + 1, c.bottom + half) << QPointF(c.x, c.bottom + half);
        }
        painter.drawPolygon(band);
    }
    painter.restore();
}

QString qstring(const std::string& text) {
    return QString::fromStdString(text);
}

QPen curve_pen(const Series& series, const GraphLook& look, bool drawn) {
    const Rgb full = curve_colour(*look.palette, series.role);
    const Rgb colour =
        drawn ? full : preview_tint(full, look.palette->plot, look.palette->preview_contrast);
    QPen pen(to<QColor>(colour), look.line(drawn ? 3.0 : 2.0));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

IndexRange visible_points(const SimulationState& s, const GraphFrame& frame) {
    const std::size_t n = computed_points(s);
    if (n == 0 || !(s.dt > 0) || !(frame.time_scale > 0)) {
        return {};
    }
    const double from = frame.x.low / frame.time_scale / s.dt;
    const double to = frame.x.high / frame.time_scale / s.dt;
    const auto first =
        static_cast<std::size_t>(std::clamp(std::floor(from) - 1, 0.0, static_cast<double>(n - 1)));
    const auto last =
        static_cast<std::size_t>(std::clamp(std::ceil(to) + 2, 1.0, static_cast<double>(n)));
    return {first, std::max(first + 1, last)};
}

void draw_frame(QPainter& painter, const GraphFrame& frame, const GraphLook& look,
                const QString& readout) {
    painter.save();
    painter.setFont(look.font);
    painter.setPen(to<QColor>(look.palette->ink));
    const QFontMetricsF metrics(look.font);
    for (const FrameLabel& label : frame.labels) {
        const QRectF box = rect(label.box);
        // A header longer than its strip is cut short, not run over the edge.
        painter.drawText(box.adjusted(-1, 0, 2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(qstring(label.text), Qt::ElideRight, box.width() + 2));
    }
    if (!readout.isEmpty() && frame.readout.height > 0) {
        const QRectF strip = rect(frame.readout).adjusted(4, 0, -4, 0);
        painter.drawText(strip, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(readout, Qt::ElideRight, strip.width()));
    }
    // The plot's border, and the time axis at zero where zero is shown.
    const QRectF plot = rect(frame.plot);
    const QColor ink = to<QColor>(look.palette->ink);
    painter.setPen(QPen(ink, std::max(1.0, look.line(1))));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    painter.setPen(QPen(ink, look.line(3)));
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    painter.restore();
}

void draw_grid(QPainter& painter, const GraphFrame& frame, const GraphLook& look) {
    painter.save();
    painter.setClipRect(rect(frame.plot));
    painter.setPen(QPen(to<QColor>(look.palette->grid), std::max(1.0, std::round(look.scale))));
    const QRectF plot = rect(frame.plot);
    for (const double x : frame.x_grid) {
        const double px = frame.x_px(x);
        painter.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
    }
    for (const double y : frame.y_grid) {
        const double py = frame.y_px(y);
        painter.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
    }
    // The time axis at zero, under the curves: a curve crossing it stays whole.
    if (frame.y.low < 0 && frame.y.high > 0) {
        painter.setPen(QPen(to<QColor>(look.palette->ink), look.line(3)));
        const double y = frame.y_px(0);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.restore();
}

void draw_series(QPainter& painter, const GraphFrame& frame, const SimulationState& s,
                 const Series& series, std::size_t first, std::size_t last, const QPen& pen,
                 const SolutionSummary* summary) {
    if (last <= first) {
        return;
    }
    painter.save();
    painter.setClipRect(rect(frame.plot));
    draw_shape(painter, curve_shape(frame, s, series, first, last, summary), pen);
    painter.restore();
}

void draw_curves(QPainter& painter, const GraphFrame& frame, const SimulationState& s,
                 const GraphContent& content, std::size_t drawn_end, const GraphLook& look,
                 const SolutionSummary* summary) {
    const IndexRange shown = visible_points(s, frame);
    for (const Series& series : content.series) {
        const std::size_t split = std::clamp(drawn_end, shown.first, shown.last);
        if (look.preview && split < shown.last) {
            draw_series(painter, frame, s, series, split > 0 ? split - 1 : split, shown.last,
                        curve_pen(series, look, false), summary);
        }
        draw_series(painter, frame, s, series, shown.first, split, curve_pen(series, look, true),
                    summary);
    }
}

void draw_marks(QPainter& painter, const GraphFrame& frame, const GraphLook& look, Axes axes,
                const std::vector<GraphPoint>& markers, const std::optional<GraphPoint>& cursor) {
    painter.save();
    const QRectF plot = rect(frame.plot);
    painter.setClipRect(plot.adjusted(-8, -8, 8, 8));
    const auto at = [&](const GraphPoint& p) {
        return QPointF(frame.x_px(p.tau * frame.time_scale),
                       frame.y_px(axes == Axes::physical ? p.physical : p.normalised));
    };
    if (cursor) {
        const QPointF c = at(*cursor);
        painter.setPen(QPen(to<QColor>(look.palette->cursor), look.line(1), Qt::DashLine));
        painter.drawLine(QPointF(c.x(), plot.top()), QPointF(c.x(), plot.bottom()));
        if (std::isfinite(c.y())) {
            painter.drawLine(QPointF(plot.left(), c.y()), QPointF(plot.right(), c.y()));
        }
    }
    QFont bold = look.font;
    bold.setBold(true);
    painter.setFont(bold);
    const char* const letters[] = {"A", "B"};
    const QColor marker_colour = to<QColor>(look.palette->marker);
    for (std::size_t i = 0; i < markers.size() && i < 2; ++i) {
        const QPointF c = at(markers[i]);
        painter.setPen(QPen(marker_colour, look.line(1)));
        painter.drawLine(QPointF(c.x(), plot.top()), QPointF(c.x(), plot.bottom()));
        painter.setBrush(marker_colour);
        if (std::isfinite(c.y())) {
            painter.drawEllipse(c, 4 * look.scale, 4 * look.scale);
        }
        // The letter beside the marker's line, at the plot's foot.
        painter.drawText(QPointF(c.x() + 4 * look.scale, plot.bottom() - 4 * look.scale),
                         letters[i]);
    }
    painter.restore();
}

void draw_legend(QPainter& painter, const std::vector<LegendItem>& items,
                 const std::vector<QPen>& pens, const GraphLook& look,
                 const std::function<bool(const std::string&)>& shown) {
    painter.save();
    painter.setFont(look.font);
    for (std::size_t i = 0; i < items.size() && i < pens.size(); ++i) {
        const PixelBox& b = items[i].box;
        const QRectF box(b.left, b.top, b.width, b.height);
        const bool on = shown(items[i].name);
        // On the background, whatever stands behind (a family's legend stands inside the plot).
        QColor behind = to<QColor>(look.palette->plot);
        behind.setAlpha(230);
        painter.fillRect(box, behind);
        const QColor faint = to<QColor>(look.palette->faint);
        QPen pen = pens[i];
        pen.setColor(on ? pen.color() : faint);
        painter.setPen(pen);
        const double y = box.center().y();
        painter.drawLine(QPointF(box.left(), y), QPointF(box.left() + 16 * look.scale, y));
        painter.setPen(on ? to<QColor>(look.palette->ink) : faint);
        painter.drawText(box.adjusted(20 * look.scale, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         qstring(items[i].name));
    }
    painter.restore();
}

QPen family_pen(std::size_t member, const GraphLook& look) {
    QPen pen(to<QColor>(family_colour(*look.palette, member)), look.line(2));
    const std::span<const double> dashes = family_dashes(member);
    if (!dashes.empty()) {
        pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
    }
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPen remembered_pen(const GraphLook& look, std::size_t n) {
    return family_pen(family_palette_size - 1 - n % family_palette_size, look);
}

QFont graph_font(double scale, bool in_pixels) {
    QFont font = times_font();
    font.setPointSizeF(font.pointSizeF() * scale);
    if (in_pixels) {
        font.setPixelSize(std::max(1, qRound(font.pointSizeF() * 96 / 72)));
    }
    return font;
}

MeasureText measure_with(const QFont& font) {
    const QFontMetricsF metrics(font);
    return [metrics, key = font.key() + QChar(0x1F)](const std::string& text) {
        // Every replot lays its labels out again, mostly the same texts in the same fonts: their
        // widths are remembered (shaping a text costs more than laying out a whole frame).
        thread_local std::unordered_map<QString, double> widths;
        if (widths.size() > 8192) {
            widths.clear();
        }
        const QString q = QString::fromStdString(text);
        auto found = widths.find(key + q);
        if (found == widths.end()) {
            found = widths.emplace(key + q, metrics.horizontalAdvance(q)).first;
        }
        return TextExtent{found->second, metrics.height()};
    };
}

void render_picture(QPainter& painter, const QRectF& target, double scale, const QString& title,
                    const std::function<void(QPainter&, QSizeF, const GraphLook&)>& body,
                    const Palette& palette) {
    const double ratio = std::max(1, painter.device()->logicalDpiX()) / 96.0;
    const QSizeF size = target.size() / ratio;
    const GraphLook look{scale, graph_font(scale, true), false, &palette};
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(ratio, ratio);
    painter.fillRect(QRectF(QPointF(0, 0), size), to<QColor>(palette.plot));
    double top = 0;
    if (!title.isEmpty()) {
        QFont bold = look.font;
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(to<QColor>(palette.ink));
        const QRectF band(6 * scale, 0, size.width() - 12 * scale, size.height() * 0.2);
        const QRectF used = painter.boundingRect(band, Qt::TextWordWrap | Qt::AlignLeft, title);
        painter.drawText(band, Qt::TextWordWrap | Qt::AlignLeft, title);
        top = used.height() + 4 * scale;
    }
    painter.translate(0, top);
    painter.setRenderHint(QPainter::Antialiasing);
    body(painter, QSizeF(size.width(), size.height() - top), look);
    painter.restore();
}

} // namespace ovrelan
