// The quick ways of drawing (kept grid and label layers, one-stroke wide curves, carrier sprites,
// repaints of the changed strips only) against the plain ones, pixel for pixel.
#include "graphs/graph_window.h"
#include "platform/drawing_surface.h"
#include "run/run_controller.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace ovrelan {
namespace {

// How many pixels differ, and where the first one is.
struct Difference {
    int pixels = 0;
    QPoint first;
};

Difference compare(const QImage& a, const QImage& b) {
    Difference d;
    if (a.size() != b.size()) {
        d.pixels = -1;
        return d;
    }
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            if (x.pixel(col, row) != y.pixel(col, row) && d.pixels++ == 0) {
                d.first = QPoint(col, row);
            }
        }
    }
    return d;
}

std::ostream& operator<<(std::ostream& os, const Difference& d) {
    return os << d.pixels << " pixels differ, the first at (" << d.first.x() << ", " << d.first.y()
              << ")";
}

struct GraphCase {
    const char* name;
    const char* nmax;
    int zoom_bar;    // -9 ... 9: 0.1 ... 1.9 of the range
    double position; // of the run along the grid, 0 ... 1
};

void PrintTo(const GraphCase& c, std::ostream* os) {
    *os << c.name;
}

class GraphBothWays : public testing::WindowTest,
                      public ::testing::WithParamInterface<GraphCase> {};

// The quick path draws after another edit, so that it draws on what it kept from that one.
TEST_P(GraphBothWays, SamePixels) {
    const GraphCase& c = GetParam();
    type("Text7", c.nmax);
    for (int i = 0; i < 5; ++i) {
        window->graph_box(GraphId(i))->setChecked(true);
        window->graph(GraphId(i))->resize(400, 170);
        window->graph(GraphId(i))->zoom_bar()->setValue(c.zoom_bar);
    }
    type("Text3", "0.03");
    type("Text3", "0.02");
    const SimulationState& s = window->state();
    window->simulation().show_position(static_cast<int>(c.position * s.Nt));
    for (int i = 0; i < 5; ++i) {
        GraphWindow* g = window->graph(GraphId(i));
        g->redraw();
        const int layers = g->layers_drawn();
        g->redraw();
        EXPECT_EQ(g->layers_drawn(), layers) << "the same plot again keeps both layers";
        const QImage quick = g->plot()->grab().toImage();
        g->set_fast_paths(false);
        const QImage plain = g->plot()->grab().toImage();
        g->set_fast_paths(true);
        const Difference d = compare(quick, plain);
        EXPECT_EQ(d.pixels, 0) << g->variant().form_name << ": " << d;
        if (d.pixels != 0 && qEnvironmentVariableIsSet("OVRELAN_DUMP")) {
            quick.save(QString("/tmp/q_%1_%2.png").arg(c.name).arg(i));
            plain.save(QString("/tmp/p_%1_%2.png").arg(c.name).arg(i));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Plots, GraphBothWays,
                         ::testing::Values(GraphCase{"after_an_edit", "40", 0, 0},
                                           GraphCase{"in_the_middle_of_a_run", "40", 0, 0.5},
                                           GraphCase{"after_a_run", "40", 0, 1},
                                           GraphCase{"zoomed_in_past_the_edges", "40", -9, 0.3},
                                           GraphCase{"a_hundred_thousand_points", "2084", 0, 0.7}),
                         testing::CaseName{});

// A run stopped in the pause of a frame's second phase: the carriers, the fields and the wires.
class SceneBothWays : public ::testing::Test {
protected:
    struct Program : testing::RecordingPlatform {
        MainWindow window{platform};
        DrawingSurface* scene() const { return window.findChild<DrawingSurface*>("Picture1"); }
        ~Program() {
            boxes.answer_yes = true;
            window.close();
        }
    };

    // The scene picture as the screen shows it (what the repaints put there) and as a fresh
    // paint of the whole picture gives it, in the pause after the given number of phases.
    static std::pair<QImage, QImage> frame(bool quick, int phases) {
        Program p;
        p.window.show();
        p.scene()->set_fast_paths(quick);
        p.window.findChild<QCheckBox*>("Check_E")->setChecked(true);
        p.window.findChild<QCheckBox*>("Check_B")->setChecked(true);
        QApplication::processEvents();
        int seen = 0;
        bool stopped = false;
        std::pair<QImage, QImage> shown;
        p.window.run()->set_pause_scheduler([&](int, std::function<void()> then) {
            if (++seen == phases) {
                stopped = true;
                return;
            }
            QTimer::singleShot(0, &p.window, std::move(then));
        });
        p.window.run()->start_or_stop();
        QElapsedTimer clock;
        clock.start();
        while (!stopped && clock.elapsed() < 20000) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        EXPECT_TRUE(stopped);
        QApplication::processEvents(); // the repaints of what the phase drew
        DrawingSurface* scene = p.scene();
        const QPoint at = scene->mapTo(&p.window, QPoint(0, 0));
        const QImage screen = p.window.screen()->grabWindow(p.window.winId()).toImage();
        shown.first = screen.copy(QRect(at, scene->size()));
        shown.second = p.window.grab(QRect(at, scene->size())).toImage();
        p.window.run()->abort();
        return shown;
    }
};

TEST_F(SceneBothWays, SamePixelsOnTheScreenMidRun) {
    for (const int phases : {2, 3 * 40 + 2}) {
        const auto [quick_screen, quick] = frame(true, phases);
        const auto [plain_screen, plain] = frame(false, phases);
        EXPECT_EQ(compare(quick, plain).pixels, 0) << phases << ": " << compare(quick, plain);
        EXPECT_EQ(compare(quick_screen, quick).pixels, 0)
            << "the repainted strips bring the screen up to date: " << compare(quick_screen, quick);
        EXPECT_EQ(compare(plain_screen, plain).pixels, 0) << compare(plain_screen, plain);
    }
}

} // namespace
} // namespace ovrelan
