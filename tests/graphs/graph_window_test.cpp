#include "geometry/graph_axes.h"
#include "graphs/graph_window.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>

namespace ovrelan {
namespace {

class GraphWindows : public testing::WindowTest {
protected:
    GraphWindow* graph(GraphId id) const { return window->graph(id); }
    QCheckBox* check(GraphId id) const { return window->graph_box(id); }
    // Where a sample of a window lands on its plotting area.
    QPoint sample_pixel(GraphId id, int k) const {
        const GraphWindow* g = graph(id);
        const QPointF p =
            g->plot()->to_pixels(window->state().t_grid[static_cast<std::size_t>(k)],
                                 g->variant().sample(window->state(), static_cast<std::size_t>(k)));
        return p.toPoint();
    }
    bool has_colour_near(GraphId id, QPoint at, const QColor& colour) const {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (graph(id)->plot()->pixel(at.x() + dx, at.y() + dy) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(GraphWindows, PlacedInAColumnToTheRightHidden) {
    // Placement happens at start-up from the main window's frame as it was then.
    testing::RecordingPlatform other;
    MainWindow fresh(other.platform);
    const QRect main = fresh.frameGeometry();
    for (int i = 0; i < 5; ++i) {
        GraphWindow* g = fresh.graph(GraphId(i));
        ASSERT_NE(g, nullptr);
        EXPECT_TRUE(g->isHidden()) << i;
        EXPECT_EQ(g->frameGeometry().topLeft(),
                  QPoint(main.left() + main.width(), main.top() + main.height() * i / 5))
            << i;
        EXPECT_EQ(g->frameGeometry().size(), QSize(main.width() / 2, main.height() / 3)) << i;
        EXPECT_EQ(g->zoom_bar()->value(), 1);
    }
    EXPECT_EQ(fresh.graph(GraphId(0))->windowTitle(),
              "Зависимость ЭДС самоиндукции в катушке от времени");
    EXPECT_EQ(fresh.graph(GraphId(3))->windowTitle(), "Зависимость силы тока от времени");
    other.boxes.answer_yes = true;
}

TEST_F(GraphWindows, TickingShowsAndClearingHidesAtTheSamePlace) {
    GraphWindow* g = graph(GraphId::Uc);
    check(GraphId::Uc)->setChecked(true);
    EXPECT_TRUE(g->isVisible());
    g->move(g->pos() + QPoint(30, 20));
    const QPoint placed = g->pos();
    check(GraphId::Uc)->setChecked(false);
    EXPECT_FALSE(g->isVisible());
    check(GraphId::Uc)->setChecked(true);
    EXPECT_TRUE(g->isVisible());
    EXPECT_EQ(g->pos(), placed);
}

TEST_F(GraphWindows, ClosingLeavesTheBoxTickedAndTheWindowComesBack) {
    GraphWindow* g = graph(GraphId::Ik);
    check(GraphId::Ik)->setChecked(true);
    g->resize(500, 260);
    g->close();
    EXPECT_FALSE(g->isVisible());
    EXPECT_TRUE(check(GraphId::Ik)->isChecked());
    check(GraphId::Ik)->setChecked(false);
    check(GraphId::Ik)->setChecked(true);
    EXPECT_TRUE(g->isVisible());
    EXPECT_EQ(g->size(), QSize(500, 260));
}

TEST_F(GraphWindows, RemovingTheCapacitorHidesItsWindow) {
    check(GraphId::Uc)->setChecked(true);
    type("Text2", "0");
    EXPECT_FALSE(check(GraphId::Uc)->isChecked());
    EXPECT_FALSE(graph(GraphId::Uc)->isVisible());
    EXPECT_EQ(graph(GraphId::W)->windowTitle(),
              "Зависимость энергии магнитного поля в катушке от времени");
}

TEST_F(GraphWindows, EveryParameterChangeReplotsEachWindowOnce) {
    int before[5];
    for (int i = 0; i < 5; ++i) {
        before[i] = window->graph(GraphId(i))->replots();
    }
    type("Text7", "7");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(window->graph(GraphId(i))->replots(), before[i] + 1)
            << "hidden windows included, " << i;
    }
    check(GraphId::Ur)->setChecked(true);
    check(GraphId::Ur)->setChecked(false);
    const int shown_once = graph(GraphId::Ur)->replots();
    graph(GraphId::Ik)->zoom_bar()->setValue(0); // no change of scale, but a replot
    EXPECT_EQ(graph(GraphId::Ur)->replots(), shown_once) << "another window's zoom";
}

TEST_F(GraphWindows, ZoomComesFromTheScrollBarAndSurvivesChanges) {
    GraphWindow* g = graph(GraphId::Uc);
    g->zoom_bar()->setValue(-9);
    EXPECT_DOUBLE_EQ(window->graph(GraphId::Uc)->zoom(), 0.1);
    type("Text3", "0.5");
    EXPECT_DOUBLE_EQ(window->graph(GraphId::Uc)->zoom(), 0.1);
    g->zoom_bar()->setValue(9);
    EXPECT_DOUBLE_EQ(window->graph(GraphId::Uc)->zoom(), 1.9);
    EXPECT_DOUBLE_EQ(window->graph(GraphId::Ik)->zoom(), 1);
}

TEST_F(GraphWindows, ReplotMarksTheCurrentSampleAndEndsTheCurveOnAnEvenOne) {
    check(GraphId::Ik)->setChecked(true);
    GraphWindow* g = graph(GraphId::Ik);
    g->resize(600, 300);
    SimulationState& s = window->state();
    for (int k : {7, 8}) {
        s.k_now = k;
        g->redraw();
        const QPointF pen = g->plot()->pen();
        const int last = k % 2 == 0 ? k : k - 1;
        EXPECT_EQ(pen, QPointF(s.t_grid[static_cast<std::size_t>(last)],
                               s.I_t[static_cast<std::size_t>(last)]))
            << k;
        EXPECT_TRUE(has_colour_near(GraphId::Ik, sample_pixel(GraphId::Ik, last), Qt::red)) << k;
    }
    s.k_now = 0;
    g->redraw();
    EXPECT_TRUE(has_colour_near(GraphId::Ik, sample_pixel(GraphId::Ik, 0), Qt::black));
    EXPECT_FALSE(has_colour_near(GraphId::Ik, sample_pixel(GraphId::Ik, 40), Qt::red))
        << "after a parameter change only the first sample is marked";
}

TEST_F(GraphWindows, TheRunExtendsHiddenWindowsToo) {
    GraphWindow* g = graph(GraphId::W);
    ASSERT_TRUE(g->isHidden());
    SimulationState& s = window->state();
    for (int k = 0; k < 30; ++k) {
        g->extend(k);
        s.k_now = k + 1;
    }
    EXPECT_TRUE(has_colour_near(GraphId::W, sample_pixel(GraphId::W, 29), Qt::red));
    EXPECT_EQ(g->plot()->pen(), QPointF(s.t_grid[29], s.W_t[29]));
    EXPECT_EQ(g->plot()->pen_width(), 3);
}

TEST_F(GraphWindows, ResizeLaysOutAndReplots) {
    GraphWindow* g = graph(GraphId::UL);
    check(GraphId::UL)->setChecked(true);
    const int before = g->replots();
    g->resize(400, 200);
    EXPECT_GT(g->replots(), before);
    EXPECT_EQ(g->plot()->geometry(), QRect(30, 10, 400 - 20 - 20, 200 - 20));
    EXPECT_EQ(g->zoom_bar()->geometry().width(), 20);
    EXPECT_EQ(g->zoom_bar()->geometry().height(), 180);
    // Axes: the time axis runs through the middle, black and 3 px thick.
    const int middle = g->plot()->height() / 2;
    EXPECT_EQ(g->plot()->pixel(g->plot()->width() / 2, middle), QColor(Qt::black));
    EXPECT_EQ(g->plot()->pixel(1, middle / 2), QColor(Qt::black)) << "the vertical axis";
}

} // namespace
} // namespace ovrelan
