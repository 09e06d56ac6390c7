#include "graphs/column_polyline.h"

namespace ovrelan {

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

} // namespace ovrelan
