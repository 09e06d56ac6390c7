#include "platform/drawing_surface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <cmath>
#include <functional>
#include <map>
#include <numbers>

namespace ovrelan {

namespace {

constexpr double full_turn_degrees = 360.0;
constexpr double radians_to_degrees = 180.0 / std::numbers::pi;

} // namespace

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    text_font_ = font();
}

DrawingSurface::~DrawingSurface() {
    finish();
}

QPainter& DrawingSurface::painter() {
    ensure_image();
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
    }
    return *painter_;
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
    if (image_.devicePixelRatio() != ratio) {
        sprites_.clear();
    }
    // The picture is opaque: shown by copying, not blending.
    QImage resized(wanted, QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio);
    resized.fill(background_);
    if (!image_.isNull()) {
        // What was drawn stays where it was; the new area shows the background.
        QPainter painter(&resized);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = resized;
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

QPointF DrawingSurface::to_pixels(double x, double y) const {
    if (pixel_scale_) {
        return {x, y};
    }
    return {(x - left_) * (width() / (right_ - left_)), (y - top_) * (height() / (bottom_ - top_))};
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

void DrawingSurface::touched(const QRectF& pixels) {
    const int margin = pen_width_ + 2;
    update(pixels.normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin));
}

bool DrawingSurface::restore_picture(const QImage& copy) {
    ensure_image();
    if (copy.size() != image_.size() || copy.devicePixelRatio() != image_.devicePixelRatio() ||
        copy.format() != image_.format()) {
        return false;
    }
    finish();
    image_ = copy;
    update();
    return true;
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
    touched(QRectF(p, p));
}

void DrawingSurface::line(double x1, double y1, double x2, double y2, const QColor& colour) {
    QPainter& painter = this->painter();
    painter.setPen(make_pen(colour));
    const QPointF from = to_pixels(x1, y1);
    const QPointF to = to_pixels(x2, y2);
    painter.drawLine(from, to);
    pen_ = QPointF(x2, y2);
    touched(QRectF(from, to));
}

void DrawingSurface::line_to(double x, double y, const QColor& colour) {
    line(pen_.x(), pen_.y(), x, y, colour);
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
    touched(box);
}

namespace {

// Half width and half height of a circle of radius r (pixels) drawn with this aspect.
QSizeF circle_radii(double r, double aspect) {
    if (aspect < 1) {
        return {r, r * aspect};
    }
    if (aspect > 1) {
        return {r / aspect, r};
    }
    return {r, r};
}

} // namespace

void DrawingSurface::circle(double x, double y, double radius, const QColor& colour, double start,
                            double end, double aspect) {
    ensure_image();
    const QSizeF radii = circle_radii(std::fabs(radius) * pixels_per_unit_x(), aspect);
    const QPointF centre = to_pixels(x, y);
    const QRectF box(centre.x() - radii.width(), centre.y() - radii.height(), 2 * radii.width(),
                     2 * radii.height());
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
    touched(box);
}

std::vector<QRect> strips_of(const std::vector<QRect>& rects) {
    const auto merged = [](const std::vector<QRect>& in, auto line_of) {
        std::map<std::pair<int, int>, std::vector<QRect>> lines;
        for (const QRect& r : in) {
            lines[line_of(r)].push_back(r);
        }
        std::vector<QRect> out;
        std::vector<QRect> alone;
        for (const auto& [line, members] : lines) {
            if (members.size() == 1) {
                alone.push_back(members.front());
                continue;
            }
            QRect strip;
            for (const QRect& r : members) {
                strip |= r;
            }
            out.push_back(strip);
        }
        return std::pair{out, alone};
    };
    auto [columns, rest] = merged(rects, [](const QRect& r) {
        return std::pair{r.left(), r.right()};
    });
    auto [rows, alone] = merged(rest, [](const QRect& r) {
        return std::pair{r.top(), r.bottom()};
    });
    columns.insert(columns.end(), rows.begin(), rows.end());
    columns.insert(columns.end(), alone.begin(), alone.end());
    return columns;
}

void DrawingSurface::discs(const std::vector<QPointF>& centres, double radius,
                           const QColor& colour) {
    ensure_image();
    set_fill(FillStyle::solid, colour);
    if (!fast_paths_ || colour.alpha() != 255) {
        for (const QPointF& c : centres) {
            circle(c.x(), c.y(), radius, colour);
        }
        return;
    }
    const QSizeF radii = circle_radii(std::fabs(radius) * pixels_per_unit_x(), 1);
    std::vector<QRect> changed;
    changed.reserve(centres.size());
    for (const QPointF& c : centres) {
        changed.push_back(
            stamp_disc(to_pixels(c.x(), c.y()), radii.width(), radii.height(), colour));
        pen_ = c;
    }
    for (const QRect& strip : strips_of(changed)) {
        update(strip);
    }
}

std::size_t DrawingSurface::SpriteHash::operator()(const SpriteKey& k) const {
    std::size_t h = std::hash<double>()(k.fraction_x);
    for (const std::size_t part :
         {std::hash<double>()(k.fraction_y), std::hash<double>()(k.rx), std::hash<double>()(k.ry),
          std::hash<int>()(k.pen_width), std::hash<QRgb>()(k.colour)}) {
        h = h * 1'000'003 ^ part;
    }
    return h;
}

// The rasteriser draws the same pixels for a shape moved by whole device pixels, so one sprite
// serves every disc whose box starts at the same place within its pixel. Its pixels are opaque
// or empty (no antialiasing): copying the opaque ones is what drawing the disc would do.
QRect DrawingSurface::stamp_disc(QPointF centre, double rx, double ry, const QColor& colour) {
    const qreal ratio = image_.devicePixelRatio();
    const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    const QPointF corner = box.topLeft() * ratio; // device pixels
    const QPoint whole(static_cast<int>(std::floor(corner.x())),
                       static_cast<int>(std::floor(corner.y())));
    const int margin = pen_width_ + 2;
    const SpriteKey key{corner.x() - whole.x(), corner.y() - whole.y(), rx, ry, pen_width_,
                        colour.rgba()};
    auto found = sprites_.find(key);
    if (found == sprites_.end()) {
        if (sprites_.size() > 4096) {
            sprites_.clear();
        }
        const QSize size(static_cast<int>(std::ceil(2 * rx * ratio)) + 2 * margin + 2,
                         static_cast<int>(std::ceil(2 * ry * ratio)) + 2 * margin + 2);
        QImage sprite(size, QImage::Format_ARGB32_Premultiplied);
        sprite.fill(Qt::transparent);
        sprite.setDevicePixelRatio(ratio);
        {
            QPainter painter(&sprite);
            painter.setPen(make_pen(colour));
            painter.setBrush(colour);
            const QPointF offset = box.topLeft() * ratio - QPointF(whole - QPoint(margin, margin));
            painter.drawEllipse(QRectF(offset / ratio, box.size()));
        }
        found = sprites_.emplace(key, sprite).first;
    }
    finish();
    const QImage& sprite = found->second;
    const QPoint origin = whole - QPoint(margin, margin);
    const QRect target = QRect(origin, sprite.size()) & image_.rect();
    const qsizetype line = image_.bytesPerLine();
    uchar* bits = image_.bits();
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(sprite.constScanLine(y - origin.y()));
        auto* to = reinterpret_cast<QRgb*>(bits + y * line);
        for (int x = target.left(); x <= target.right(); ++x) {
            const QRgb p = from[x - origin.x()];
            if (qAlpha(p) != 0) {
                to[x] = p;
            }
        }
    }
    // In device-independent pixels, rounded outwards.
    const QRectF changed(QPointF(origin) / ratio, QSizeF(sprite.size()) / ratio);
    return changed.toAlignedRect();
}

void DrawingSurface::text(const QString& text) {
    QPainter& painter = this->painter();
    painter.setFont(text_font_);
    painter.setPen(text_colour_);
    const QFontMetricsF metrics(text_font_, &image_);
    const QPointF at = to_pixels(pen_.x(), pen_.y());
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    // The next line starts at the left edge, one line lower.
    const double line_height_units = metrics.height() * (bottom_ - top_) / std::max(1, height());
    pen_ = QPointF(left_, pen_.y() + (pixel_scale_ ? metrics.height() : line_height_units));
    update();
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
    return image_.pixelColor(at);
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    finish();
    QPainter painter(this);
    if (image_.isNull()) {
        painter.fillRect(event->rect(), background_);
        return;
    }
    // Only what changed: during a run that is a few short strips.
    for (const QRect& r : event->region()) {
        const QRectF source(r.topLeft() * image_.devicePixelRatio(),
                            r.size() * image_.devicePixelRatio());
        painter.drawImage(r, image_, source);
    }
}

void DrawingSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensure_image();
}

} // namespace ovrelan
