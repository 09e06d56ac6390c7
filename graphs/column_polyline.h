// The points of a long curve that one pixel column can show: every run of points in one column
// kept as its first, lowest, highest and last point.
#pragma once

#include <QPointF>
#include <QPolygonF>

#include <cmath>
#include <cstddef>

namespace ovrelan {

// A polyline in pixels built point by point, every run of points that falls into one pixel
// column replaced by its first, lowest, highest and last point in their order along the line:
// the same picture, at most four points per column however many samples there are.
class ColumnPolyline {
public:
    // Inline: a graph adds every second of up to a million samples.
    void add(QPointF p) {
        // Still in the open column: no floor needed (a NaN never is, as floor(NaN) is no column).
        if (open_ && p.x() >= column_ && p.x() < column_ + 1) {
            if (p.y() < low_p_.y()) {
                low_ = index_;
                low_p_ = p;
            }
            if (p.y() > high_p_.y()) {
                high_ = index_;
                high_p_ = p;
            }
        } else {
            if (open_) {
                close_column();
            }
            open_ = true;
            column_ = std::floor(p.x());
            first_ = low_ = high_ = index_;
            first_p_ = low_p_ = high_p_ = p;
        }
        last_ = index_;
        last_p_ = p;
        ++index_;
    }
    // The same for count points that point(i) gives: a run in one column is followed with its
    // state in locals, the way a graph's samples mostly come.
    template <class Point> void add_all(std::size_t count, Point&& point);
    // The polyline so far, the open column included.
    const QPolygonF& finish();

private:
    void close_column();

    QPolygonF out_;
    bool open_ = false;
    double column_ = 0;
    long index_ = 0; // of the point being added
    long first_ = 0, low_ = 0, high_ = 0, last_ = 0;
    QPointF first_p_, low_p_, high_p_, last_p_;
};

template <class Point> void ColumnPolyline::add_all(std::size_t count, Point&& point) {
    for (std::size_t i = 0; i < count;) {
        add(point(i++)); // opens a column, or goes on in the open one
        const double lo = column_;
        const double hi = column_ + 1;
        QPointF low = low_p_, high = high_p_, last = last_p_;
        long low_at = low_, high_at = high_, index = index_;
        for (; i < count; ++i) {
            const QPointF p = point(i);
            if (!(p.x() >= lo && p.x() < hi)) {
                break;
            }
            if (p.y() < low.y()) {
                low_at = index;
                low = p;
            }
            if (p.y() > high.y()) {
                high_at = index;
                high = p;
            }
            last = p;
            ++index;
        }
        low_p_ = low;
        high_p_ = high;
        last_p_ = last;
        low_ = low_at;
        high_ = high_at;
        index_ = index;
        last_ = index - 1;
    }
}

} // namespace ovrelan
