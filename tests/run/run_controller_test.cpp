#include "graphs/graph_window.h"
#include "platform/drawing_surface.h"
#include "run/run_controller.h"
#include "scene/circuit_scene.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace ovrelan {
namespace {

const QColor carrier(235, 253, 74);

class Run : public testing::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // A screen that holds the graphs in windows of their own.
        window->graph_windows().set_screen_area(QRect(0, 0, 1920, 1080));
        window->move(0, 0);
        // Pauses are recorded and played at once, through the event loop.
        window->run()->set_pause_scheduler([this](int ms, std::function<void()> then) {
            pauses.push_back(ms);
            pause_k.push_back(window->state().k_now);
            if (during_pause) {
                during_pause();
            }
            QTimer::singleShot(0, window.get(), std::move(then));
        });
    }
    QPushButton* button() const { return window->findChild<QPushButton*>("CmdOK"); }
    void press() { button()->click(); }
    void play_out() {
        QElapsedTimer timer;
        timer.start();
        while (window->run()->busy() && timer.elapsed() < 20000) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        ASSERT_FALSE(window->run()->busy()) << "the run did not end";
    }
    int carrier_pixels() const {
        const DrawingSurface* p = window->findChild<DrawingSurface*>("Picture1");
        int n = 0;
        for (int y = 0; y < p->height(); ++y) {
            for (int x = 0; x < p->width(); ++x) {
                n += p->pixel(x, y) == carrier ? 1 : 0;
            }
        }
        return n;
    }

    std::vector<int> pauses;
    std::vector<int> pause_k;
    std::function<void()> during_pause;
};

TEST_F(Run, OnePeriodDrawsFortyEightSegmentsAndBeepsOnce) {
    type("Text7", "1");
    press();
    EXPECT_EQ(button()->text(), "СТОП");
    play_out();
    EXPECT_EQ(window->state().k_now, 48);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(window->graph(GraphId(i))->segments(), 48) << i;
    }
    EXPECT_EQ(tone.played, std::vector<int>{120});
    EXPECT_EQ(button()->text(), "ПУСК");
    EXPECT_EQ(window->run()->frames(), 47) << "after the second point, then after every point";
    EXPECT_EQ(window->run()->anim_count(), 0);
    EXPECT_FALSE(pauses.empty());
    for (int ms : pauses) {
        EXPECT_EQ(ms, 10);
    }
    EXPECT_EQ(pauses.size() % 3, 0U) << "three phases per frame";
}

TEST_F(Run, EmptyGridEndsAtOnceWithTheBeep) {
    type("Text7", "0.001");
    ASSERT_EQ(window->state().Nt, 0);
    press();
    play_out();
    EXPECT_EQ(window->graph(GraphId(1))->segments(), 0);
    EXPECT_EQ(tone.played, std::vector<int>{120});
    EXPECT_EQ(button()->text(), "ПУСК");
}

TEST_F(Run, TwelvePointsPerFrame) {
    type("Text7", "1");
    window->findChild<QScrollBar*>("HScroll2")->setValue(12);
    press();
    play_out();
    EXPECT_EQ(window->run()->frames(), 3);
    EXPECT_EQ(pause_k, (std::vector<int>{13, 13, 13, 25, 25, 25, 37, 37, 37}));
}

TEST_F(Run, InputsAreLockedWhileRunning) {
    type("Text7", "1");
    int checked = 0;
    during_pause = [&] {
        if (checked++ > 0) {
            return;
        }
        for (const char* name : {"Text1", "Text4", "Text7"}) {
            EXPECT_FALSE(window->findChild<QLineEdit*>(name)->isEnabled()) << name;
        }
        EXPECT_FALSE(window->findChild<QGroupBox*>("Frame1")->isEnabled());
        EXPECT_FALSE(window->findChild<QCheckBox*>("Check_I")->isEnabled());
        EXPECT_FALSE(window->findChild<QCheckBox*>("Check_E")->isEnabled());
        EXPECT_TRUE(button()->isEnabled());
        EXPECT_TRUE(window->findChild<QScrollBar*>("HScroll1")->isEnabled());
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "not resizable";
        EXPECT_EQ(window->windowTitle(), "При работе размер окна изменить нельзя!");
        EXPECT_TRUE(window->scene()->key_picture()->isHidden()) << "the key is closed";
        EXPECT_GT(carrier_pixels(), 0) << "the carriers show during the pause";
    };
    press();
    play_out();
    EXPECT_EQ(checked, static_cast<int>(pauses.size()));
    EXPECT_TRUE(window->findChild<QLineEdit*>("Text1")->isEnabled());
    EXPECT_TRUE(window->findChild<QCheckBox*>("Check_I")->isEnabled());
    EXPECT_NE(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), "Ovrelan");
    EXPECT_FALSE(window->scene()->key_picture()->isHidden());
    EXPECT_EQ(carrier_pixels(), 0) << "no carrier remains after a frame";
}

TEST_F(Run, StoppingKeepsTheGraphsAndDoesNotBeep) {
    type("Text7", "1");
    int seen = 0;
    during_pause = [&] {
        if (++seen == 4) {
            press(); // stop, inside a pause
            EXPECT_EQ(button()->text(), "ПУСК");
        }
    };
    press();
    play_out();
    EXPECT_TRUE(tone.played.empty());
    EXPECT_EQ(seen, 6) << "the frame in progress finishes its three phases";
    const int reached = window->state().k_now;
    EXPECT_GT(reached, 0);
    EXPECT_LT(reached, 48);
    EXPECT_EQ(window->graph(GraphId(3))->segments(), reached) << "the graphs stay";
    EXPECT_EQ(carrier_pixels(), 0);

    // A new start rebuilds and plays from the beginning.
    during_pause = nullptr;
    press();
    EXPECT_EQ(window->graph(GraphId(3))->segments(), 0);
    play_out();
    EXPECT_EQ(window->state().k_now, 48);
    EXPECT_EQ(window->graph(GraphId(3))->segments(), 48);
    EXPECT_EQ(tone.played, std::vector<int>{120});
}

TEST_F(Run, SmallCurrentGivesNoPause) {
    // R-C discharge on a constant source decays to nothing well within the interval.
    type("Text1", "0");
    type("Text6", "0");
    type("Text5", "0.001");
    type("Text7", "3");
    press();
    play_out();
    const SimulationState& s = window->state();
    ASSERT_EQ(s.Nt, 144);
    EXPECT_LT(pauses.size(), 3U * static_cast<unsigned>(window->run()->frames()));
    for (int k : pause_k) {
        EXPECT_GE(std::fabs(s.I_t[static_cast<std::size_t>(k)]), 0.01 * s.I_max) << k;
    }
}

TEST_F(Run, SpeedChangesApplyAtTheNextStep) {
    type("Text7", "1");
    during_pause = [&] {
        window->findChild<QScrollBar*>("HScroll1")->setValue(4);
        if (pause_k.size() == 3) {
            window->findChild<QScrollBar*>("HScroll2")->setValue(12);
        }
    };
    press();
    play_out();
    EXPECT_EQ(pauses[0], 10);
    EXPECT_EQ(pauses[1], 40) << "the delay is read at each pause";
    // First frame at k = 2; with 12 points per frame the next one comes 12 points later.
    EXPECT_EQ(pause_k[0], 2);
    EXPECT_EQ(pause_k[3], 14);
}

TEST_F(Run, ResizingAGraphDuringARunContinuesFromTheCurrentSample) {
    type("Text7", "1");
    GraphWindow* g = window->graph(GraphId(1));
    window->graph_box(GraphId(1))->setChecked(true);
    during_pause = [&] {
        if (pause_k.size() == 10) {
            g->resize(g->width() + 30, g->height() + 10);
        }
    };
    press();
    play_out();
    EXPECT_EQ(g->drawn_to(), 47U);
    EXPECT_GT(g->segments(), 0);
    EXPECT_LT(g->segments(), 48) << "the replot drew the earlier part";
}

// A run that takes longer than ten seconds says in the status bar how far it is and how long is
// left; the text goes when the run ends. A short run says nothing.
TEST_F(Run, ALongRunShowsItsProgressInTheStatusBar) {
    for (const double step : {0.1, 0.01}) { // seconds per clock reading: 14 s, then 1.4 s
        double now = 0;
        window->run()->set_progress_clock([&] { return now += step; });
        std::vector<QString> shown;
        during_pause = [&] {
            const QString text = window->statusBar()->currentMessage();
            if (!text.isEmpty() && (shown.empty() || shown.back() != text)) {
                shown.push_back(text);
            }
        };
        type("Text7", "3");
        press();
        play_out();
        if (step > 0.05) {
            ASSERT_FALSE(shown.empty());
            EXPECT_TRUE(shown.front().startsWith("Расчёт: ")) << shown.front().toStdString();
            EXPECT_TRUE(shown.back().contains("осталось около")) << shown.back().toStdString();
        } else {
            EXPECT_TRUE(shown.empty()) << shown.front().toStdString();
        }
        EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty()) << "gone at the end";
        type("Text7", "1");
    }
}

TEST_F(Run, ClosingDuringARunAsksAndNoLetsItGoOn) {
    type("Text7", "1");
    bool asked = false;
    during_pause = [&] {
        if (!asked) {
            asked = true;
            boxes.answer_yes = false;
            window->close();
            EXPECT_TRUE(window->isVisible());
        }
    };
    press();
    play_out();
    EXPECT_EQ(window->state().k_now, 48);
    EXPECT_EQ(tone.played, std::vector<int>{120});
}

TEST_F(Run, ClosingWithYesEndsTheRunCleanly) {
    type("Text7", "1");
    during_pause = [&] {
        if (window->isVisible()) {
            boxes.answer_yes = true;
            window->close();
        }
    };
    press();
    QApplication::processEvents();
    play_out();
    EXPECT_FALSE(window->isVisible());
    EXPECT_LT(window->state().k_now, 48);
    window.reset(); // destroying the window with a run left over is safe
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
    }
}

TEST_F(Run, AFractionalGridPlaysToItsEndInsideTheArrays) {
    // R-C with Nmax = 2.55: Nt = 122.4 on 123 elements; the run ends at k_now = 123, one past
    // the last element, and every read at the run position stays inside the arrays.
    type("Text1", "0");
    type("Text7", "2.55");
    const SimulationState& s = window->state();
    ASSERT_NEAR(s.Nt, 122.4, 1e-9);
    ASSERT_EQ(s.t_grid.size(), 123U);
    window->findChild<QCheckBox*>("Check_E")->setChecked(true);
    press();
    play_out();
    EXPECT_EQ(s.k_now, 123);
    EXPECT_EQ(window->graph(GraphId::Uc)->segments(), 123);
    EXPECT_EQ(tone.played, std::vector<int>{120});
    window->graph(GraphId::Uc)->redraw(); // a replot at the end position
    EXPECT_EQ(window->graph(GraphId::Uc)->drawn_to(), 122U) << "the last computed point";
}

TEST_F(Run, StopThenStartWhileAPauseIsPendingDropsTheOldFrame) {
    // Pauses wait until the test releases them.
    std::vector<std::function<void()>> pending;
    window->run()->set_pause_scheduler([&](int ms, std::function<void()> then) {
        pauses.push_back(ms);
        pending.push_back(std::move(then));
    });
    auto release_all = [&] {
        while (!pending.empty()) {
            auto then = std::move(pending.front());
            pending.erase(pending.begin());
            then();
            QApplication::processEvents();
        }
    };
    type("Text7", "1");
    press();
    QApplication::processEvents(); // the loop plays up to the first frame's first pause
    ASSERT_EQ(pending.size(), 1U);
    auto stale = std::move(pending.front());
    pending.clear();
    pauses.clear();
    press(); // stop
    press(); // and start again, while the old pause is still pending
    QApplication::processEvents();
    ASSERT_EQ(pending.size(), 1U) << "the new run's first frame waits in its first pause";
    const DrawingSurface* picture = window->findChild<DrawingSurface*>("Picture1");
    const QImage carriers_shown = picture->image().copy();
    stale(); // the old frame's pause ends now: it must not touch the new run
    QApplication::processEvents();
    EXPECT_EQ(picture->image(), carriers_shown) << "the new frame's carriers stay";
    EXPECT_EQ(pending.size(), 1U) << "no second chain of phases";
    release_all();
    play_out();
    EXPECT_EQ(window->state().k_now, 48);
    EXPECT_EQ(pauses.size(), 3U * static_cast<unsigned>(window->run()->frames() - 1))
        << "three phases for each frame of the new run, none more";
    EXPECT_EQ(tone.played, std::vector<int>{120});
    EXPECT_EQ(carrier_pixels(), 0);
}

TEST_F(Run, FinishNowDrawsTheRestAndEndsAsAFullRunDoes) {
    type("Text7", "1");
    QAction* finish = window->findChild<QAction*>("mnuRunFinish");
    ASSERT_NE(finish, nullptr);
    EXPECT_EQ(finish->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_End));
    bool finished = false;
    during_pause = [&] {
        if (!finished && pause_k.size() == 10) {
            finished = true;
            finish->trigger(); // inside a pause, carriers on the wires
        }
    };
    press();
    play_out();
    const SimulationState& s = window->state();
    EXPECT_EQ(s.k_now, 48);
    EXPECT_EQ(window->run()->state(), RunState::idle);
    EXPECT_EQ(button()->text(), "ПУСК");
    EXPECT_EQ(tone.played, std::vector<int>{120});
    EXPECT_EQ(carrier_pixels(), 0) << "the frame in progress is erased";
    EXPECT_LE(pauses.size(), 30U) << "no pause after the finish";
    EXPECT_FALSE(window->scene()->key_picture()->isHidden());
    EXPECT_TRUE(window->findChild<QLineEdit*>("Text1")->isEnabled());
    for (const GraphVariant& v : graph_variants()) {
        EXPECT_EQ(window->graph(v.id)->drawn_to(), 48U) << v.form_name;
    }
}

TEST_F(Run, FinishNowWhenIdleShowsTheWholeResult) {
    type("Text7", "3");
    window->findChild<QAction*>("mnuRunFinish")->trigger();
    EXPECT_EQ(window->state().k_now, 144);
    EXPECT_EQ(tone.played, std::vector<int>{120});
    EXPECT_TRUE(pauses.empty());
    EXPECT_EQ(window->graph(GraphId::Ik)->drawn_to(), 144U);
}

TEST_F(Run, ResultsStayUntilAParameterChanges) {
    type("Text7", "1");
    press();
    play_out();
    const SimulationState& s = window->state();
    ASSERT_EQ(s.k_now, 48);
    GraphWindow* g = window->graph(GraphId::Uc);
    window->graph_box(GraphId::Uc)->setChecked(true);
    const auto whole_curve = [&] { return g->drawn_to() == 48U; };
    window->resize(window->width() + 120, window->height() + 60); // the main window
    QApplication::processEvents();
    EXPECT_EQ(s.k_now, 48);
    g->resize(g->width() + 40, g->height() + 30); // the graph window
    EXPECT_TRUE(whole_curve());
    window->graph_box(GraphId::Uc)->setChecked(false); // hidden and shown again
    window->graph_box(GraphId::Uc)->setChecked(true);
    EXPECT_TRUE(whole_curve());
    window->findChild<QLineEdit*>("Text7")->setText("1"); // the same value
    EXPECT_EQ(s.k_now, 48);
    EXPECT_TRUE(whole_curve());
    window->findChild<QLineEdit*>("Text7")->setText("2"); // a new one starts again from 0
    EXPECT_EQ(s.k_now, 0);
}

} // namespace
} // namespace ovrelan
