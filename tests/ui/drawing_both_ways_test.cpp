// The quick ways of drawing the scene (carrier sprites, repaints of the changed strips only)
// against the plain ones, pixel for pixel.
#include "platform/drawing_surface.h"
#include "run/run_controller.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>

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
