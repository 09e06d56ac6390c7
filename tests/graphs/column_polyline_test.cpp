#include "graphs/column_polyline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>

namespace ovrelan {
namespace {

QPolygonF point_by_point(const QPolygonF& polyline) {
    ColumnPolyline out;
    for (const QPointF& p : polyline) {
        out.add(p);
    }
    return out.finish();
}

TEST(ColumnPolyline, KeepsFirstExtremesAndLastOfEachColumn) {
    QPolygonF line;
    line << QPointF(0.1, 5) << QPointF(0.3, 9) << QPointF(0.5, 1) << QPointF(0.9, 4) // column 0
         << QPointF(1.2, 3)                                                          // column 1
         << QPointF(2.0, 7) << QPointF(2.5, 7);                                      // column 2
    const QPolygonF out = point_by_point(line);
    const QPolygonF expected = QPolygonF() << QPointF(0.1, 5) << QPointF(0.3, 9) << QPointF(0.5, 1)
                                           << QPointF(0.9, 4) << QPointF(1.2, 3) << QPointF(2.0, 7)
                                           << QPointF(2.5, 7);
    EXPECT_EQ(out, expected);
    QPolygonF many;
    for (int i = 0; i < 10000; ++i) {
        many << QPointF(i * 0.01, std::sin(i * 0.37));
    }
    EXPECT_LE(point_by_point(many).size(), 4 * 100);
}

// add_all, the way the graphs fill it, keeps the same points as add one at a time, also where
// the curve turns back into a column it has left.
TEST(ColumnPolyline, AddAllKeepsWhatAddKeeps) {
    QPolygonF line;
    for (int i = 0; i < 5000; ++i) {
        line << QPointF(i * 0.013 + 3 * std::sin(i * 0.05), std::sin(i * 0.37) + 0.001 * i);
    }
    ColumnPolyline all;
    all.add_all(static_cast<std::size_t>(line.size()),
                [&](std::size_t i) { return line[static_cast<qsizetype>(i)]; });
    EXPECT_EQ(all.finish(), point_by_point(line));
}

} // namespace
} // namespace ovrelan
