#include "geometry/graph_axes.h"
#include "graphs/graph_window.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
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
    const ScreenRect screen = to_screen_rect(fresh.screen()->availableGeometry());
    for (int i = 0; i < 5; ++i) {
        GraphWindow* g = fresh.graph(GraphId(i));
        ASSERT_NE(g, nullptr);
        EXPECT_TRUE(g->isHidden()) << i;
        // Beside the main window, moved onto the screen where it would stand off it.
        const ScreenRect wanted =
            keep_on_screen({main.left() + main.width(), main.top() + main.height() * i / 5,
                            main.width() / 2, main.height() / 3},
                           screen);
        EXPECT_EQ(to_screen_rect(g->frameGeometry()), wanted) << i;
        EXPECT_TRUE(to_screen_rect(g->frameGeometry()).inside(screen)) << i;
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

TEST_F(GraphWindows, ClosingClearsTheBoxAndOneClickBringsItBack) {
    GraphWindow* g = graph(GraphId::Ik);
    check(GraphId::Ik)->setChecked(true);
    g->resize(500, 260);
    g->close();
    EXPECT_FALSE(g->isVisible());
    EXPECT_FALSE(check(GraphId::Ik)->isChecked());
    check(GraphId::Ik)->click();
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
    const SimulationState& s = window->state();
    for (int k : {7, 8}) {
        window->simulation().show_position(k);
        const QPointF pen = g->plot()->pen();
        const int last = k % 2 == 0 ? k : k - 1;
        EXPECT_EQ(pen, QPointF(s.t_grid[static_cast<std::size_t>(last)],
                               s.I_t[static_cast<std::size_t>(last)]))
            << k;
        EXPECT_TRUE(has_colour_near(GraphId::Ik, sample_pixel(GraphId::Ik, last), Qt::red)) << k;
    }
    window->simulation().rewind();
    EXPECT_TRUE(has_colour_near(GraphId::Ik, sample_pixel(GraphId::Ik, 0), Qt::black));
    EXPECT_FALSE(has_colour_near(GraphId::Ik, sample_pixel(GraphId::Ik, 40), Qt::red))
        << "after a parameter change only the first sample is marked";
}

TEST_F(GraphWindows, TheRunExtendsHiddenWindowsToo) {
    GraphWindow* g = graph(GraphId::W);
    ASSERT_TRUE(g->isHidden());
    const SimulationState& s = window->state();
    for (int k = 0; k < 30; ++k) {
        window->simulation().play_point();
    }
    EXPECT_EQ(g->segments(), 30);
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

TEST_F(GraphWindows, TheWholeCurveShowsInATintBeforeAnyRun) {
    const QColor tint(255, 185, 185);
    check(GraphId::Uc)->setChecked(true);
    GraphWindow* g = graph(GraphId::Uc);
    g->resize(700, 300);
    const int last = static_cast<int>(window->state().Nt);
    const int samples[] = {last / 4, last / 2, last - 10};
    for (const int k : samples) {
        EXPECT_TRUE(has_colour_near(GraphId::Uc, sample_pixel(GraphId::Uc, k), tint)) << k;
    }
    // The menu item turns it off, for every window, and the program remembers it.
    QAction* preview = window->findChild<QAction*>("mnuGraphsPreview");
    ASSERT_TRUE(preview->isChecked());
    preview->trigger();
    for (const int k : samples) {
        EXPECT_FALSE(has_colour_near(GraphId::Uc, sample_pixel(GraphId::Uc, k), tint)) << k;
    }
    EXPECT_FALSE(graph(GraphId::W)->preview());
    {
        testing::RecordingPlatform other;
        MainWindow next(other.platform);
        EXPECT_FALSE(next.graph(GraphId::Uc)->preview()) << "remembered";
        EXPECT_FALSE(next.findChild<QAction*>("mnuGraphsPreview")->isChecked());
        other.boxes.answer_yes = true;
    }
    preview->trigger();
    EXPECT_TRUE(graph(GraphId::UL)->preview());
}

TEST_F(GraphWindows, AZeroMaximumDrawsAnEmptyGraphWithItsGrid) {
    type("Text7", "0.001"); // Nt = 0: one point, no current
    ASSERT_EQ(window->state().I_max, 0);
    check(GraphId::Ik)->setChecked(true);
    GraphWindow* g = graph(GraphId::Ik);
    g->resize(500, 250);
    int grid = 0;
    int black = 0;
    for (int y = 0; y < g->plot()->height(); ++y) {
        for (int x = 0; x < g->plot()->width(); ++x) {
            const QColor c = g->plot()->pixel(x, y);
            grid += c == QColor(128, 255, 128) ? 1 : 0;
            black += c == QColor(Qt::black) ? 1 : 0;
        }
    }
    EXPECT_GT(grid, 1000) << "the horizontal grid";
    EXPECT_GT(black, 1000) << "axes, header and labels";
}

TEST_F(GraphWindows, ArrangingPutsTheOpenWindowsOnTheScreenApart) {
    for (const GraphVariant& v : graph_variants()) {
        check(v.id)->setChecked(true);
    }
    window->findChild<QAction*>("mnuGraphsArrange")->trigger();
    const ScreenRect screen = to_screen_rect(window->screen()->availableGeometry());
    for (const GraphVariant& v : graph_variants()) {
        const ScreenRect frame = to_screen_rect(graph(v.id)->frameGeometry());
        EXPECT_TRUE(frame.inside(screen)) << v.form_name;
        for (const GraphVariant& w : graph_variants()) {
            if (w.id != v.id) {
                EXPECT_FALSE(frame.intersects(to_screen_rect(graph(w.id)->frameGeometry())))
                    << v.form_name << " " << w.form_name;
            }
        }
    }
}

TEST_F(GraphWindows, HoverReadsTheNearestGridPointAndTwoClicksMeasure) {
    // The default circuit's free oscillations (its source off) over six periods.
    type("Text5", "0");
    type("Text7", "6");
    check(GraphId::Uc)->setChecked(true);
    GraphWindow* g = graph(GraphId::Uc);
    g->resize(900, 400);
    const SimulationState& s = window->state();
    std::vector<int> maxima;
    for (int k = 1; k + 1 < static_cast<int>(s.Uc_t.size()); ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (s.Uc_t[i] > s.Uc_t[i - 1] && s.Uc_t[i] >= s.Uc_t[i + 1]) {
            maxima.push_back(k);
        }
    }
    ASSERT_GE(maxima.size(), 3U);
    DrawingSurface* plot = g->plot();
    const QPointF over = sample_pixel(GraphId::Uc, maxima[1]);
    QMouseEvent move(QEvent::MouseMove, over, plot->mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    EXPECT_EQ(g->readout_text().rfind("t = ", 0), 0U) << g->readout_text();
    EXPECT_NE(g->readout_text().find("Uc = "), std::string::npos);
    QTest::mouseClick(plot, Qt::LeftButton, {}, sample_pixel(GraphId::Uc, maxima[1]));
    QTest::mouseClick(plot, Qt::LeftButton, {}, sample_pixel(GraphId::Uc, maxima[2]));
    ASSERT_EQ(g->markers().size(), 2U);
    const GraphPoint& a = g->markers()[0];
    const GraphPoint& b = g->markers()[1];
    EXPECT_NEAR(b.seconds - a.seconds, s.T, s.dt * s.t_scale) << "Δt is the period";
    EXPECT_NEAR(std::log(b.normalised / a.normalised), -s.theta, 0.005) << "ln is −Θ";
    EXPECT_EQ(g->readout_text().rfind("Δt = ", 0), 0U) << g->readout_text();
    // The markers and the cross-hair are drawn over the plot, and Escape clears the markers.
    const QImage shown = plot->grab().toImage();
    EXPECT_NE(shown, plot->image()) << "decorations on the screen, not in the picture";
    QTest::keyClick(g, Qt::Key_Escape);
    EXPECT_TRUE(g->markers().empty());
}

// The markers without a mouse: the arrows move the read-out point by grid points, Enter pins a
// marker there; two markers read Δt.
TEST_F(GraphWindows, MarkersByKeyboard) {
    check(GraphId::Uc)->setChecked(true);
    GraphWindow* g = graph(GraphId::Uc);
    g->plot()->setFocus();
    QTest::keyClick(g, Qt::Key_Right, Qt::ShiftModifier); // from the run position 0: 10
    QTest::keyClick(g, Qt::Key_Left);                     // 9
    QTest::keyClick(g, Qt::Key_Return);
    for (int i = 0; i < 48; ++i) {
        QTest::keyClick(g, Qt::Key_Right);
    }
    QTest::keyClick(g, Qt::Key_Enter);
    ASSERT_EQ(g->markers().size(), 2U);
    EXPECT_EQ(g->markers()[0].k, 9U);
    EXPECT_EQ(g->markers()[1].k, 57U);
    EXPECT_EQ(g->readout_text().rfind("Δt = ", 0), 0U) << g->readout_text();
    QTest::keyClick(g, Qt::Key_Left, Qt::ShiftModifier);
    for (int i = 0; i < 300; ++i) {
        QTest::keyClick(g, Qt::Key_Left, Qt::ShiftModifier);
    }
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(g->markers().size(), 1U) << "a third starts again";
    EXPECT_EQ(g->markers()[0].k, 0U) << "never before the first point";
    QTest::keyClick(g, Qt::Key_Escape);
    EXPECT_TRUE(g->markers().empty());
}

TEST_F(GraphWindows, PictureDataAndPrintForAReport) {
    check(GraphId::Ik)->setChecked(true);
    GraphWindow* g = graph(GraphId::Ik);
    g->resize(500, 220);
    const QImage picture = g->picture();
    EXPECT_EQ(picture.deviceIndependentSize().width(), g->plot()->width());
    EXPECT_GT(picture.deviceIndependentSize().height(), g->plot()->height()) << "a title band";
    const QString dir = QDir::temp().filePath("ovrelan_export_test");
    QDir().mkpath(dir);
    dialogs.save_as = dir + "/I.png";
    g->save_picture();
    EXPECT_EQ(dialogs.suggestions.back(), "I(t).png");
    QImage saved(dialogs.save_as);
    EXPECT_EQ(saved.size(), picture.size());
    for (const int dialect : {0, 1}) {
        dialogs.filter = dialect;
        dialogs.save_as = dir + QString("/data%1.csv").arg(dialect);
        g->save_data();
        QFile file(dialogs.save_as);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        EXPECT_EQ(lines[0], dialect == 0 ? "t_s,tau,Uc_V,UL_V,Ur_V,I_A,W_J"
                                         : "t_s;tau;Uc_V;UL_V;Ur_V;I_A;W_J");
        EXPECT_EQ(lines.size(), 1921 + 2) << "a header, a row per point, the last line break";
    }
    g->print_picture();
    ASSERT_EQ(dialogs.printed.size(), 1U);
    EXPECT_EQ(dialogs.printed[0], picture);
    g->copy_picture();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), picture.size());
    // A file that cannot be written says so, a picture or a table.
    for (const auto& [path, save] :
         {std::pair{"/nonexistent-dir/x.png", &GraphWindow::save_picture},
          std::pair{"/nonexistent-dir/x.csv", &GraphWindow::save_data}}) {
        boxes.boxes.clear();
        dialogs.save_as = path;
        (g->*save)();
        ASSERT_EQ(boxes.boxes.size(), 1U) << path;
        EXPECT_EQ(boxes.boxes.back().title, "Ошибка");
        EXPECT_EQ(boxes.boxes.back().text,
                  QString("Не удалось сохранить файл «") + path + "»: нет такого файла или папки");
    }
    QDir(dir).removeRecursively();
}

} // namespace
} // namespace ovrelan
