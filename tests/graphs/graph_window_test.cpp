#include "graphs/graph_export.h"
#include "graphs/graph_window.h"
#include "graphs/stacked_graphs.h"
#include "run/run_controller.h"
#include "solution/solution_arrays.h"
#include "support/window_fixture.h"
#include "ui/graph_windows.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

class GraphWindows : public testing::WindowTest {
protected:
    void SetUp() override {
        QSettings().clear();
        WindowTest::SetUp();
        // A screen that holds the graphs in windows of their own.
        window->graph_windows().set_screen_area(QRect(0, 0, 1920, 1080));
        window->move(0, 0);
    }
    GraphWindow* graph(GraphId id) const { return window->graph(id); }
    GraphView* view(GraphId id) const { return graph(id)->view(); }
    QCheckBox* check(GraphId id) const { return window->graph_box(id); }
    // Where grid point k of a view's curve lands on its picture (the canvas's pixels).
    QPointF sample_pixel(const GraphView* v, std::size_t k) const {
        const GraphFrame& f = v->frame();
        const SimulationState& s = window->state();
        const double y = v->content().series.back().values.at(s.t_grid.data(), k);
        return {f.x_px(s.t_grid[k] * f.time_scale), f.y_px(y)};
    }
    // The colour of the kept picture of the plot at a canvas pixel.
    QColor layer_pixel(const GraphView* v, QPointF at) const {
        const QImage& layer = v->layer();
        const qreal r = layer.devicePixelRatio();
        return layer.pixelColor(static_cast<int>((at.x() - v->frame().plot.left) * r),
                                static_cast<int>((at.y() - v->frame().plot.top) * r));
    }
    // Whether the colour is within two pixels of the point, as the middle of a smoothed line
    // has it (each channel within 8 of it).
    bool near(const GraphView* v, QPointF at, const QColor& colour) const {
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const QColor c = layer_pixel(v, at + QPointF(dx, dy));
                if (std::abs(c.red() - colour.red()) <= 8 &&
                    std::abs(c.green() - colour.green()) <= 8 &&
                    std::abs(c.blue() - colour.blue()) <= 8) {
                    return true;
                }
            }
        }
        return false;
    }
    std::vector<std::string> label_texts(const GraphView* v) const {
        std::vector<std::string> texts;
        for (const FrameLabel& l : v->frame().labels) {
            texts.push_back(l.text);
        }
        return texts;
    }
};

ScreenRect global_rect(const QWidget* w) {
    const QPoint at = w->mapToGlobal(QPoint(0, 0));
    return {at.x(), at.y(), w->width(), w->height()};
}

// On a projector's 1024×768 and on larger screens, every graph chosen (the five boxes ticked top
// to bottom and the voltages-and-current graph) opens where it covers none of the main window's
// fields, boxes, speed bars or ПУСК, and every plot is large enough to read.
TEST_F(GraphWindows, NoGraphCoversTheControlsAndEveryPlotIsLegible) {
    for (const QSize screen : {QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
        testing::RecordingPlatform other;
        MainWindow main(other.platform);
        main.graph_windows().set_screen_area(QRect(QPoint(0, 0), screen));
        main.move(static_cast<int>(screen.width() * 0.05),
                  static_cast<int>(screen.height() * 0.05));
        main.show();
        QApplication::processEvents();
        for (int i = 0; i < 5; ++i) {
            main.graph_box(GraphId(i))->setChecked(true);
        }
        main.findChild<QAction*>(voltages_and_current_item)->setChecked(true);
        QApplication::processEvents();
        std::vector<ScreenRect> controls;
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                                 "Frame1", "Frame2", "HScroll1", "HScroll2", "CmdOK"}) {
            const QWidget* c = main.findChild<QWidget*>(name);
            ASSERT_NE(c, nullptr) << name;
            if (c->isVisible()) {
                controls.push_back(global_rect(c));
            }
        }
        std::vector<const GraphView*> plots;
        std::vector<const QWidget*> windows;
        for (std::size_t k = 0; k < graph_kind_count; ++k) {
            const GraphWindow* g = main.graphs(static_cast<GraphKind>(k));
            if (g->isVisible()) {
                windows.push_back(g);
                plots.push_back(g->view());
            }
        }
        const StackedGraphs* stacked = main.graph_windows().stacked();
        if (stacked->isVisible()) {
            windows.push_back(stacked);
            for (const GraphView* v : stacked->views()) {
                plots.push_back(v);
            }
        }
        EXPECT_EQ(plots.size(), 6U) << screen.width();
        for (const QWidget* w : windows) {
            const ScreenRect r = to_screen_rect(w->frameGeometry());
            EXPECT_TRUE(r.inside({0, 0, screen.width(), screen.height()}))
                << screen.width() << ": " << w->objectName().toStdString();
            for (const ScreenRect& c : controls) {
                EXPECT_FALSE(r.intersects(c))
                    << screen.width() << ": " << w->objectName().toStdString()
                    << " covers a control at " << c.left << "," << c.top;
            }
        }
        for (const GraphView* v : plots) {
            EXPECT_GE(v->frame().plot.width, 320) << screen.width();
            EXPECT_GE(v->frame().plot.height, 140) << screen.width();
        }
        other.boxes.answer_yes = true;
        main.close();
    }
}

TEST_F(GraphWindows, ClosingClearsTheBoxAndOneClickBringsItBack) {
    GraphWindow* g = graph(GraphId::Ik);
    check(GraphId::Ik)->setChecked(true);
    EXPECT_TRUE(g->isVisible());
    g->close();
    EXPECT_FALSE(g->isVisible());
    EXPECT_FALSE(check(GraphId::Ik)->isChecked());
    check(GraphId::Ik)->click();
    EXPECT_TRUE(g->isVisible());
    check(GraphId::Ik)->setChecked(false);
    EXPECT_FALSE(g->isVisible());
}

TEST_F(GraphWindows, ShortDistinctTitlesThatFollowTheCircuit) {
    std::vector<std::string> titles;
    for (int i = 0; i < 5; ++i) {
        titles.push_back(graph(GraphId(i))->windowTitle().toStdString());
    }
    EXPECT_EQ(titles, (std::vector<std::string>{
                          "εL(t) — ЭДС самоиндукции катушки", "Uc(t) — напряжение на конденсаторе",
                          "Ur(t) — напряжение на резисторе", "I(t) — сила тока",
                          "W(t) — энергия конденсатора и катушки"}));
    check(GraphId::Uc)->setChecked(true);
    type("Text2", "0");
    EXPECT_FALSE(check(GraphId::Uc)->isChecked());
    EXPECT_FALSE(graph(GraphId::Uc)->isVisible());
    EXPECT_EQ(graph(GraphId::W)->windowTitle(), "W(t) — энергия магнитного поля катушки");
}

TEST_F(GraphWindows, EveryParameterChangeReplotsEachGraphOnceAndTheZoomStays) {
    int before[5];
    for (int i = 0; i < 5; ++i) {
        before[i] = graph(GraphId(i))->replots();
    }
    graph(GraphId::Uc)->zoom_bar()->setValue(-9);
    type("Text7", "7");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(graph(GraphId(i))->replots(), before[i] + (i == 1 ? 2 : 1)) << i;
    }
    EXPECT_DOUBLE_EQ(graph(GraphId::Uc)->zoom(), 0.1) << "the zoom survives an edit";
    EXPECT_DOUBLE_EQ(graph(GraphId::Ik)->zoom(), 1);
    EXPECT_EQ(graph(GraphId::Ik)->zoom_bar()->value(), 1) << "1 while the zoom is 1";
}

// Up to the run position the curve is drawn in full red, beyond it in a lighter tint that still
// reads against the white plot; a run extends the red point by point.
TEST_F(GraphWindows, TheRunDrawsInFullColourOverTheTint) {
    check(GraphId::Ik)->setChecked(true);
    graph(GraphId::Ik)->resize(900, 420);
    QApplication::processEvents();
    const GraphView* v = view(GraphId::Ik);
    const QColor red(255, 0, 0);
    const QColor tint = to<QColor>(preview_tint(curve_red));
    EXPECT_GE(contrast_ratio(preview_tint(curve_red), white), 3.0);
    EXPECT_TRUE(near(v, sample_pixel(v, 200), tint));
    for (int k = 0; k < 300; ++k) {
        window->simulation().play_point();
    }
    EXPECT_EQ(graph(GraphId::Ik)->segments(), 300);
    graph(GraphId::Ik)->view()->plot()->repaint();
    EXPECT_TRUE(near(v, sample_pixel(v, 200), red));
    EXPECT_TRUE(near(v, sample_pixel(v, 600), tint));
}

// The pointer reads the nearest grid point in the strip under the plot; two clicks measure; the
// cross-hair goes when the pointer leaves; no tooltip over the plot, the strip's whole text over
// the strip.
TEST_F(GraphWindows, ReadOutMarkersAndNoTooltipOverThePlot) {
    check(GraphId::Uc)->setChecked(true);
    GraphWindow* g = graph(GraphId::Uc);
    g->resize(900, 420);
    QApplication::processEvents();
    GraphView* v = g->view();
    const QPointF a = sample_pixel(v, 24);
    const QPointF b = sample_pixel(v, 72);
    QTest::mouseMove(v->plot(), a.toPoint());
    ASSERT_TRUE(v->cursor().has_value());
    EXPECT_NEAR(static_cast<double>(v->cursor()->k), 24, 1);
    EXPECT_EQ(v->readout_text().rfind("t = ", 0), 0U) << v->readout_text();
    QTest::mouseClick(v->plot(), Qt::LeftButton, {}, a.toPoint());
    QTest::mouseClick(v->plot(), Qt::LeftButton, {}, b.toPoint());
    ASSERT_EQ(v->markers().size(), 2U);
    EXPECT_EQ(v->readout_text().rfind("Δt = ", 0), 0U) << v->readout_text();
    QHelpEvent over_plot(QEvent::ToolTip, a.toPoint(), v->plot()->mapToGlobal(a.toPoint()));
    QApplication::sendEvent(v->plot(), &over_plot);
    EXPECT_FALSE(QToolTip::isVisible()) << "no tooltip over the plot";
    v->leave();
    EXPECT_FALSE(v->cursor().has_value());
    QTest::keyClick(g, Qt::Key_Escape);
    EXPECT_TRUE(v->markers().empty());
}

// F5 and Ctrl+End start and finish a run from a graph window as from the main window.
TEST_F(GraphWindows, RunKeysWorkInAGraphWindow) {
    check(GraphId::Uc)->setChecked(true);
    GraphWindow* g = graph(GraphId::Uc);
    g->activateWindow();
    QApplication::setActiveWindow(g);
    QTest::keyClick(g, Qt::Key_F5);
    EXPECT_EQ(window->run()->state(), RunState::running);
    QTest::keyClick(g, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(window->run()->state(), RunState::idle);
    EXPECT_EQ(window->state().k_now, run_end(window->state())) << "finished, not stopped";
}

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
    for (int i = 0; i < 300; ++i) {
        QTest::keyClick(g, Qt::Key_Left, Qt::ShiftModifier);
    }
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(g->markers().size(), 1U) << "a third starts again";
    EXPECT_EQ(g->markers()[0].k, 0U) << "never before the first point";
}

// The wheel zooms in time about the pointer, a drag pans, a double click shows the whole
// interval again; Ctrl and the wheel move the zoom bar; stacked graphs share the time window.
TEST_F(GraphWindows, ZoomAndPanInTime) {
    check(GraphId::Uc)->setChecked(true);
    GraphWindow* g = graph(GraphId::Uc);
    g->resize(900, 420);
    QApplication::processEvents();
    GraphView* v = g->view();
    const double span = window->state().t_span;
    const QPointF at(v->frame().plot.left + v->frame().plot.width / 4, v->frame().plot.top + 20);
    const double under = v->frame().x_of_px(at.x());
    for (int notch = 0; notch < 5; ++notch) {
        QWheelEvent wheel(at, v->plot()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(v->plot(), &wheel);
    }
    EXPECT_NEAR(v->time_window().width(), span * std::pow(0.8, 5), 1e-9);
    EXPECT_NEAR(v->frame().x_of_px(at.x()), under, 1e-9) << "the time under the pointer stays";
    const TimeWindow zoomed = v->time_window();
    QTest::mousePress(v->plot(), Qt::LeftButton, {}, at.toPoint());
    QTest::mouseMove(v->plot(), (at + QPointF(100, 0)).toPoint());
    QTest::mouseRelease(v->plot(), Qt::LeftButton, {}, (at + QPointF(100, 0)).toPoint());
    EXPECT_LT(v->time_window().from, zoomed.from) << "dragged right: earlier times";
    EXPECT_TRUE(v->markers().empty()) << "a drag pins no marker";
    QTest::mouseDClick(v->plot(), Qt::LeftButton, {}, at.toPoint());
    EXPECT_EQ(v->time_window(), whole(span));
    EXPECT_TRUE(v->markers().empty()) << "a double click pins no marker";
    QWheelEvent ctrl(at, v->plot()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton,
                     Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v->plot(), &ctrl);
    EXPECT_EQ(g->zoom_bar()->value(), 0) << "the values shown larger";

    StackedGraphs& stacked = *window->graph_windows().stacked();
    stacked.show_graphs({GraphKind::Uc, GraphKind::Ik, GraphKind::W}, 1);
    stacked.resize(700, 700);
    stacked.show();
    QApplication::processEvents();
    GraphView* top = stacked.views().front();
    top->zoom_time(span / 2, 0.1);
    for (const GraphView* other : stacked.views()) {
        EXPECT_EQ(other->time_window(), top->time_window()) << "one time axis";
    }
    const auto top_labels = label_texts(top);
    EXPECT_TRUE(std::find(top_labels.begin(), top_labels.end(), "τ") == top_labels.end())
        << "the time labels under the lowest graph only";
    stacked.hide();
}

// Stacked in columns, the lowest graph of each column shows the time labels and no other does,
// however many graphs the last row holds.
TEST_F(GraphWindows, TheLowestGraphOfEachColumnShowsTheTime) {
    const std::vector<GraphKind> all{GraphKind::UL, GraphKind::Uc, GraphKind::Ur,
                                     GraphKind::Ik, GraphKind::W,  GraphKind::UI};
    const struct {
        int count;
        int columns;
        std::vector<bool> labelled; // per graph, in the stack's order
    } cases[] = {
        {3, 1, {false, false, true}},
        {2, 2, {true, true}},
        {3, 2, {false, true, true}},
        {4, 2, {false, false, true, true}},
        {5, 2, {false, false, false, true, true}},
        {4, 3, {false, true, true, true}},
        {6, 4, {false, false, true, true, true, true}},
    };
    StackedGraphs& stacked = *window->graph_windows().stacked();
    stacked.resize(1800, 900);
    stacked.show();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " graphs in " + std::to_string(c.columns));
        stacked.show_graphs({all.begin(), all.begin() + c.count}, c.columns);
        QApplication::processEvents();
        ASSERT_EQ(stacked.views().size(), static_cast<std::size_t>(c.count));
        for (std::size_t i = 0; i < stacked.views().size(); ++i) {
            const auto texts = label_texts(stacked.views()[i]);
            // τ on the normalised axes; the voltages and the current in physical units: t, мс.
            const bool time = std::any_of(texts.begin(), texts.end(), [](const std::string& t) {
                return t == "τ" || t.rfind("t, ", 0) == 0;
            });
            EXPECT_EQ(time, c.labelled[i])
                << "graph " << i << " " << ::testing::PrintToString(texts);
        }
    }
    stacked.hide();
}

// Physical units: seconds with a prefix, volts, round ticks; the energy from zero and its parts;
// one switch in «Графики» for every graph, remembered.
TEST_F(GraphWindows, PhysicalAxes) {
    GraphView* uc = view(GraphId::Uc);
    uc->set_axes(Axes::physical);
    const auto texts = label_texts(uc);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Uc, В"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "t, мс"), texts.end());
    const double before = uc->frame().y.high;
    type("Text4", "150"); // ten times the initial voltage: the axis follows the new solution
    EXPECT_GT(uc->frame().y.high, 2 * before);
    GraphView* w = view(GraphId::W);
    w->set_axes(Axes::physical);
    EXPECT_EQ(w->frame().y.low, 0) << "an energy is never negative";
    w->set_energies_apart(true);
    std::vector<std::string> names;
    for (const Series& s : w->content().series) {
        names.push_back(s.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"W_C", "W_L", "W"}));
    window->findChild<QAction*>("mnuGraphsPhysical")->setChecked(true);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(view(GraphId(i))->axes(), Axes::physical) << i;
    }
    EXPECT_TRUE(QSettings().value(MainWindow::physical_axes_setting).toBool());
    window->findChild<QAction*>("mnuGraphsPhysical")->setChecked(false);
    EXPECT_EQ(view(GraphId::Ik)->axes(), Axes::normalised);
}

// The voltages and the current together: the curves the circuit has, a legend that switches each
// off and on, and a read-out of every curve shown at the pointer's time.
TEST_F(GraphWindows, VoltagesAndCurrent) {
    window->findChild<QAction*>(voltages_and_current_item)->setChecked(true);
    GraphWindow* g = window->graphs(GraphKind::UI);
    ASSERT_TRUE(g->isVisible());
    g->resize(900, 420);
    QApplication::processEvents();
    GraphView* v = g->view();
    std::vector<std::string> names;
    for (const Series& s : v->content().series) {
        names.push_back(s.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"e", "Uc", "Ur", "εL", "I"}));
    const auto texts = label_texts(v);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "I, А"), texts.end()) << "a right axis";
    v->move_read_out(30);
    const std::string readout = v->readout_text();
    for (const char* name : {"e = ", "Uc = ", "Ur = ", "εL = ", "I = "}) {
        EXPECT_NE(readout.find(name), std::string::npos) << readout;
    }
    const std::vector<LegendItem> legend = v->legend();
    ASSERT_EQ(legend.size(), 5U) << "every curve in the legend";
    const PixelBox& ur = legend[2].box;
    QTest::mouseClick(v->plot(), Qt::LeftButton, {},
                      QPointF(ur.left + ur.width / 2, ur.top + ur.height / 2).toPoint());
    EXPECT_FALSE(v->series_shown("Ur")) << "a click on its entry";
    EXPECT_TRUE(v->markers().empty()) << "and no marker";
    EXPECT_EQ(v->content().series.size(), 4U);
    EXPECT_EQ(v->readout_text().find("Ur = "), std::string::npos);
    type("Text2", "0"); // no capacitor
    names.clear();
    for (const Series& s : v->content().series) {
        names.push_back(s.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"e", "εL", "I"}));
    g->close();
    EXPECT_FALSE(window->findChild<QAction*>(voltages_and_current_item)->isChecked());
}

// Pictures for a report: PNG of the size chosen whatever the window's, SVG and PDF in vectors,
// each titled with the circuit; the clipboard and the printer too; a failure says why.
TEST_F(GraphWindows, PicturesForAReport) {
    check(GraphId::Ik)->setChecked(true);
    GraphWindow* g = graph(GraphId::Ik);
    g->resize(380, 200);
    const QString dir = QDir::temp().filePath("ovrelan_export_test");
    QDir().mkpath(dir);
    const struct {
        int filter;
        const char* name;
    } files[] = {{0, "/i.png"}, {2, "/big.png"}, {3, "/i.svg"}, {4, "/i.pdf"}};
    for (const auto& f : files) {
        dialogs.filter = f.filter;
        dialogs.save_as = dir + f.name;
        g->save_picture();
    }
    EXPECT_EQ(QImage(dir + "/i.png").size(), QSize(1600, 900));
    EXPECT_EQ(QImage(dir + "/big.png").size(), QSize(3840, 2160));
    QFile svg(dir + "/i.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray svg_text = svg.readAll();
    EXPECT_TRUE(svg_text.contains("<polyline") || svg_text.contains("<path")) << "vectors";
    EXPECT_FALSE(svg_text.contains("<image")) << "not a picture inside";
    EXPECT_TRUE(svg_text.contains("L = 2000")) << "the circuit in the title";
    QFile pdf(dir + "/i.pdf");
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    g->copy_picture();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(1600, 900));
    g->print_picture();
    ASSERT_EQ(dialogs.printed.size(), 1U);
    int dark = 0;
    const QImage& page = dialogs.printed[0];
    for (int y = 0; y < page.height(); y += 3) {
        for (int x = 0; x < page.width(); x += 3) {
            dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 200) << "the graph on the page";
    for (const auto& [path, save] :
         {std::pair{"/nonexistent-dir/x.png", &GraphWindow::save_picture},
          std::pair{"/nonexistent-dir/x.csv", &GraphWindow::save_data}}) {
        boxes.boxes.clear();
        dialogs.filter = 0;
        dialogs.save_as = path;
        (g->*save)();
        ASSERT_EQ(boxes.boxes.size(), 1U) << path;
        EXPECT_EQ(boxes.boxes.back().text,
                  QString("Не удалось сохранить файл «") + path + "»: нет такого файла или папки");
    }
    QDir(dir).removeRecursively();
}

// For the back row: larger fonts and lines in the graphs and the main window, which grows with
// them; the normal size again; remembered.
TEST_F(GraphWindows, LargerForTheBackRow) {
    const QSize before = window->client_area()->size();
    const double font = window->field(Field::L)->font().pointSizeF();
    window->findChild<QAction*>("mnuViewLarger")->trigger();
    EXPECT_DOUBLE_EQ(window->scale(), 1.25);
    EXPECT_DOUBLE_EQ(view(GraphId::Uc)->scale(), 1.25);
    EXPECT_DOUBLE_EQ(window->field(Field::L)->font().pointSizeF(), font * 1.25);
    EXPECT_GT(window->client_area()->width(), before.width());
    EXPECT_DOUBLE_EQ(QSettings().value(MainWindow::scale_setting).toDouble(), 1.25);
    window->findChild<QAction*>("mnuViewNormal")->trigger();
    EXPECT_DOUBLE_EQ(view(GraphId::Uc)->scale(), 1);
    EXPECT_DOUBLE_EQ(window->field(Field::L)->font().pointSizeF(), font);
}

} // namespace
} // namespace ovrelan
