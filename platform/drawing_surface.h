// A persistent picture with the drawing operations of the program: user scale, pen position,
// points, lines, rectangles, circles and arcs, text at the pen. Drawing goes into an image at the
// device pixel ratio; paintEvent only copies it, so the picture survives expose and resize.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QWidget>

#include <memory>
#include <unordered_map>
#include <vector>

namespace ovrelan {

enum class FillStyle { transparent, solid };

// Rectangles to repaint for many small ones: those in one column (as discs along an upright wire)
// become one strip, then those left in one row (along a level wire) another; a rectangle that
// shares neither stays as it is. Few rectangles for the window system instead of a region of
// hundreds.
std::vector<QRect> strips_of(const std::vector<QRect>& rects);

class DrawingSurface : public QWidget {
public:
    explicit DrawingSurface(QWidget* parent = nullptr);
    ~DrawingSurface() override;

    // Background colour used by clear() and by the area a resize adds.
    void set_background(const QColor& colour);
    QColor background() const { return background_; }
    void clear();

    // User coordinates: (left, top) at the top-left corner, (right, bottom) at the bottom-right.
    // A y-up scale has top > bottom. The default is one unit per pixel, y down.
    void set_scale(double left, double top, double right, double bottom);
    // Where a user point lands, in the widget's pixels (device independent).
    QPointF to_pixels(double x, double y) const;

    // Pen width in pixels; a real width is rounded half to even.
    void set_pen_width(double width);
    int pen_width() const { return pen_width_; }
    void set_fill(FillStyle style, const QColor& colour = Qt::black);
    void set_text_font(const QFont& font);
    void set_text_colour(const QColor& colour) { text_colour_ = colour; }

    // The pen position, in user coordinates.
    QPointF pen() const { return pen_; }
    void move_to(double x, double y) { pen_ = QPointF(x, y); }

    void point(double x, double y, const QColor& colour);
    void line(double x1, double y1, double x2, double y2, const QColor& colour);
    void line_to(double x, double y, const QColor& colour);
    // Outline of the box with these corners (filled first when the fill style is solid).
    void rectangle(double x1, double y1, double x2, double y2, const QColor& colour);
    // Filled discs of this radius (x units) around each point, outlined in their own colour, as
    // circle() draws them with a solid fill: the charge carriers.
    void discs(const std::vector<QPointF>& centres, double radius, const QColor& colour);
    // Circle or ellipse around (x, y). The radius is in x units; aspect is height / width (below
    // 1 the radius is the half width, above 1 the half height). Angles in radians, counter-
    // clockwise from the positive x axis as seen on screen; start = end = 0 draws the whole
    // curve, otherwise the arc from start to end.
    void circle(double x, double y, double radius, const QColor& colour, double start = 0,
                double end = 0, double aspect = 1);
    // Text with its top-left corner at the pen; the pen then moves to the start of the next
    // line.
    void text(const QString& text);

    const QImage& image() const {
        finish();
        return image_;
    }
    // Puts back a copy of image() (the two share their pixels until one of them is drawn on).
    // A copy of another size, pixel ratio or format is not put back.
    bool restore_picture(const QImage& copy);

    // A quick way that gives the same pixels as the plain one (the tests compare them): discs
    // stamped from pre-drawn sprites. Off: every disc is drawn afresh the plain way.
    void set_fast_paths(bool on) { fast_paths_ = on; }
    bool fast_paths() const { return fast_paths_; }
    // The colour at a widget pixel (device independent coordinates).
    QColor pixel(int x, int y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ensure_image();
    // One painter stays open on the image across drawing calls; it is closed before the image
    // is shown, read, cleared or resized.
    QPainter& painter();
    void finish() const;
    QPen make_pen(const QColor& colour) const;
    // How many pixels one x unit spans: the radii of circles and discs.
    double pixels_per_unit_x() const;
    // A disc as a sprite: drawn once per colour, size and position within its pixel. Returns the
    // device-independent rectangle it may have changed.
    QRect stamp_disc(QPointF centre, double rx, double ry, const QColor& colour);
    // Schedules a repaint of what a drawing in this rectangle (pixels) may have touched.
    void touched(const QRectF& pixels);

    QImage image_;
    mutable std::unique_ptr<QPainter> painter_;
    QColor background_{Qt::white};
    QColor text_colour_{Qt::black};
    QFont text_font_;
    FillStyle fill_style_ = FillStyle::transparent;
    QColor fill_colour_{Qt::black};
    int pen_width_ = 1;
    QPointF pen_{0, 0};
    bool fast_paths_ = true;
    struct SpriteKey {
        double fraction_x, fraction_y, rx, ry; // the box's place within its pixel, its radii
        int pen_width;
        QRgb colour;
        bool operator==(const SpriteKey&) const = default;
    };
    struct SpriteHash {
        std::size_t operator()(const SpriteKey& k) const;
    };
    std::unordered_map<SpriteKey, QImage, SpriteHash> sprites_;
    double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
    bool pixel_scale_ = true; // the default scale: follows the size
};

} // namespace ovrelan
