#include "platform/drawing_surface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QResizeEvent>

#include <cmath>
#include <numbers>

namespace ovrelan {

namespace {

constexpr double full_turn_degrees = 360.0;
constexpr double radians_to_degrees = 180.0 / std::numbers::pi;

} // namespace

void ColumnPolyline::add(QPointF p) {
    const double column = std::floor(p.x());
    if (open_ && column != column_) {
        close_column();
    }
    if (!open_) {
        open_ = true;
        column_ = column;
        first_ = low_ = high_ = index_;
        first_p_ = low_p_ = high_p_ = p;
    } else {
        if (p.y() < low_p_.y()) {
            low_ = index_;
            low_p_ = p;
        }
        if (p.y() > high_p_.y()) {
            high_ = index_;
            high_p_ = p;
        }
    }
    last_ = index_;
    last_p_ = p;
    ++index_;
}

void ColumnPolyline::close_column() {
    // first, then the lowest and the highest in the order they came, then the last; a point
    // that is two of them is added once.
    const bool low_first = low_ <= high_;
    const long order[] = {first_, low_first ? low_ : high_, low_first ? high_ : low_, last_};
    const QPointF points[] = {first_p_, low_first ? low_p_ : high_p_, low_first ? high_p_ : low_p_,
                              last_p_};
    for (int n = 0; n < 4; ++n) {
        if (n == 0 || order[n] != order[n - 1]) {
            out_ << points[n];
        }
    }
    open_ = false;
}

const QPolygonF& ColumnPolyline::finish() {
    if (open_) {
        close_column();
    }
    return out_;
}

QPolygonF compress_columns(const QPolygonF& polyline) {
    ColumnPolyline out;
    for (const QPointF& p : polyline) {
        out.add(p);
    }
    return out.finish();
}

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    text_font_ = font();
}

DrawingSurface::~DrawingSurface() {
    finish();
}

QImage& DrawingSurface::target() {
    return layer_ == Layer::overlay ? overlay_ : image_;
}

QPainter& DrawingSurface::painter() {
    ensure_image();
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&target());
    }
    return *painter_;
}

void DrawingSurface::draw_on(Layer layer) {
    if (layer != layer_) {
        finish();
        layer_ = layer;
    }
}

void DrawingSurface::clear_overlay() {
    ensure_image();
    finish();
    overlay_.fill(Qt::transparent);
    update();
}

void DrawingSurface::finish() const {
    painter_.reset();
}

void DrawingSurface::set_background(const QColor& colour) {
    background_ = colour;
}

void DrawingSurface::ensure_image() {
    const qreal ratio = devicePixelRatioF();
    const QSize wanted(std::max(1, static_cast<int>(std::ceil(width() * ratio))),
                       std::max(1, static_cast<int>(std::ceil(height() * ratio))));
    if (image_.size() == wanted && image_.devicePixelRatio() == ratio) {
        return;
    }
    finish();
    QImage resized(wanted, QImage::Format_ARGB32_Premultiplied);
    resized.setDevicePixelRatio(ratio);
    resized.fill(background_);
    if (!image_.isNull()) {
        // What was drawn stays where it was; the new area shows the background.
        QPainter painter(&resized);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = resized;
    QImage overlay(wanted, QImage::Format_ARGB32_Premultiplied);
    overlay.setDevicePixelRatio(ratio);
    overlay.fill(Qt::transparent);
    if (!overlay_.isNull()) {
        QPainter painter(&overlay);
        painter.drawImage(QPointF(0, 0), overlay_);
    }
    overlay_ = overlay;
}

void DrawingSurface::clear() {
    ensure_image();
    finish();
    image_.fill(background_);
    pen_ = QPointF(left_, top_);
    update();
}

void DrawingSurface::set_scale(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    pixel_scale_ = false;
}

void DrawingSurface::set_scale_y_up() {
    set_scale(0, height(), width(), 0);
}

QPointF DrawingSurface::to_pixels(double x, double y) const {
    if (pixel_scale_) {
        return {x, y};
    }
    return {(x - left_) / (right_ - left_) * width(), (y - top_) / (bottom_ - top_) * height()};
}

QPointF DrawingSurface::to_user(QPointF pixels) const {
    if (pixel_scale_) {
        return pixels;
    }
    return {left_ + pixels.x() / width() * (right_ - left_),
            top_ + pixels.y() / height() * (bottom_ - top_)};
}

void DrawingSurface::set_decoration(std::function<void(QPainter&)> decoration) {
    decoration_ = std::move(decoration);
    update();
}

double DrawingSurface::pixels_per_unit_x() const {
    return pixel_scale_ ? 1.0 : width() / std::fabs(right_ - left_);
}

void DrawingSurface::set_pen_width(double width) {
    pen_width_ = std::max(1, static_cast<int>(std::nearbyint(width)));
}

void DrawingSurface::set_fill(FillStyle style, const QColor& colour) {
    fill_style_ = style;
    fill_colour_ = colour;
}

void DrawingSurface::set_text_font(const QFont& font) {
    text_font_ = font;
}

QPen DrawingSurface::make_pen(const QColor& colour) const {
    QPen pen(colour, pen_width_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (pen_width_ <= 1) {
        pen.setWidth(0); // cosmetic: exactly one pixel
    }
    return pen;
}

void DrawingSurface::point(double x, double y, const QColor& colour) {
    QPainter& painter = this->painter();
    const QPointF p = to_pixels(x, y);
    if (pen_width_ <= 1) {
        painter.fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1), colour);
    } else {
        painter.setPen(make_pen(colour));
        painter.drawPoint(p);
    }
    pen_ = QPointF(x, y);
    update();
}

void DrawingSurface::line(double x1, double y1, double x2, double y2, const QColor& colour) {
    QPainter& painter = this->painter();
    painter.setPen(make_pen(colour));
    painter.drawLine(to_pixels(x1, y1), to_pixels(x2, y2));
    pen_ = QPointF(x2, y2);
    update();
}

void DrawingSurface::line_to(double x, double y, const QColor& colour) {
    line(pen_.x(), pen_.y(), x, y, colour);
}

void DrawingSurface::polyline_to(const std::vector<QPointF>& points, const QColor& colour) {
    polyline_to(
        points.size(), [&points](std::size_t i) { return points[i]; }, colour);
}

void DrawingSurface::polyline_to(std::size_t count,
                                 const std::function<QPointF(std::size_t)>& point,
                                 const QColor& colour) {
    if (count == 0) {
        return;
    }
    ensure_image();
    ColumnPolyline polygon;
    polygon.add(to_pixels(pen_.x(), pen_.y()));
    QPointF last;
    for (std::size_t i = 0; i < count; ++i) {
        last = point(i);
        polygon.add(to_pixels(last.x(), last.y()));
    }
    stroke_pixels(polygon.finish(), colour);
    pen_ = last;
    update();
}

void DrawingSurface::stroke_pixels(const QPolygonF& polygon, const QColor& colour) {
    QPainter& painter = this->painter();
    if (pen_width_ <= 1) {
        painter.setPen(make_pen(colour));
        painter.drawPolyline(polygon);
        return;
    }
    // A wide pen stroked with round joins costs microseconds per vertex; the same pixels come
    // from one-pixel polylines laid side by side across the pen's round tip.
    painter.setPen(QPen(colour, 0));
    const double r = (pen_width_ - 1) / 2.0;
    const int lo = -static_cast<int>(std::floor(r));
    const int hi = static_cast<int>(std::ceil(r));
    for (int dy = lo; dy <= hi; ++dy) {
        for (int dx = lo; dx <= hi; ++dx) {
            if (dx * dx + dy * dy <= r * r + 0.5) {
                painter.drawPolyline(polygon.translated(dx, dy));
            }
        }
    }
}

void DrawingSurface::rectangle(double x1, double y1, double x2, double y2, const QColor& colour) {
    QPainter& painter = this->painter();
    const QRectF box = QRectF(to_pixels(x1, y1), to_pixels(x2, y2)).normalized();
    if (fill_style_ == FillStyle::solid) {
        painter.fillRect(box, fill_colour_);
    }
    painter.setPen(make_pen(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    pen_ = QPointF(x2, y2);
    update();
}

void DrawingSurface::circle(double x, double y, double radius, const QColor& colour, double start,
                            double end, double aspect) {
    ensure_image();
    const double r = std::fabs(radius) * pixels_per_unit_x();
    double rx = r;
    double ry = r;
    if (aspect < 1) {
        ry = r * aspect;
    } else if (aspect > 1) {
        rx = r / aspect;
    }
    const QPointF centre = to_pixels(x, y);
    const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    QPainter& painter = this->painter();
    painter.setPen(make_pen(colour));
    if (start == 0 && end == 0) {
        painter.setBrush(fill_style_ == FillStyle::solid ? QBrush(fill_colour_)
                                                         : QBrush(Qt::NoBrush));
        painter.drawEllipse(box);
    } else {
        double span = (end - start) * radians_to_degrees;
        while (span <= 0) {
            span += full_turn_degrees;
        }
        painter.drawArc(box, static_cast<int>(std::lround(start * radians_to_degrees * 16)),
                        static_cast<int>(std::lround(span * 16)));
    }
    pen_ = QPointF(x, y);
    update();
}

void DrawingSurface::text(const QString& text) {
    QPainter& painter = this->painter();
    painter.setFont(text_font_);
    painter.setPen(text_colour_);
    const QFontMetricsF metrics(text_font_, &image_);
    const QPointF at = to_pixels(pen_.x(), pen_.y());
    if (text_background_.alpha() > 0) {
        painter.fillRect(QRectF(at, QSizeF(metrics.horizontalAdvance(text), metrics.height())),
                         text_background_);
    }
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    // The next line starts at the left edge, one line lower.
    const double line_height_units = metrics.height() * (bottom_ - top_) / std::max(1, height());
    pen_ = QPointF(left_, pen_.y() + (pixel_scale_ ? metrics.height() : line_height_units));
    update();
}

QSizeF DrawingSurface::text_size(const QString& text) {
    ensure_image();
    const QFontMetricsF metrics(text_font_, &image_);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

QColor DrawingSurface::pixel(int x, int y) const {
    finish();
    if (image_.isNull()) {
        return background_;
    }
    const qreal ratio = image_.devicePixelRatio();
    const QPoint at(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    if (!image_.valid(at)) {
        return background_;
    }
    const QColor below = image_.pixelColor(at);
    const QColor above = overlay_.valid(at) ? overlay_.pixelColor(at) : QColor(Qt::transparent);
    const double a = above.alphaF();
    if (a == 0) {
        return below;
    }
    const auto mix = [a](double top, double bottom) {
        return static_cast<int>(std::lround(255 * (top * a + bottom * (1 - a))));
    };
    return QColor(mix(above.redF(), below.redF()), mix(above.greenF(), below.greenF()),
                  mix(above.blueF(), below.blueF()));
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    finish();
    QPainter painter(this);
    if (image_.isNull()) {
        painter.fillRect(event->rect(), background_);
        return;
    }
    const QRectF source(event->rect().topLeft() * image_.devicePixelRatio(),
                        event->rect().size() * image_.devicePixelRatio());
    painter.drawImage(event->rect(), image_, source);
    if (!overlay_.isNull()) {
        painter.drawImage(event->rect(), overlay_, source);
    }
    if (decoration_) {
        decoration_(painter);
    }
}

void DrawingSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensure_image();
}

} // namespace ovrelan
