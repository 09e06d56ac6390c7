// Exploring a circuit: the resonance curve and the vector diagram in windows of their own,
// remembered curves to compare with, the envelope.
#include "graphs/graph_view.h"
#include "graphs/graph_window.h"
#include "graphs/resonance_picture.h"
#include "graphs/resonance_window.h"
#include "graphs/vector_window.h"
#include "platform/locale.h"
#include "support/window_fixture.h"
#include "ui/graph_windows.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ovrelan {
namespace {

class Explore : public testing::WindowTest {
protected:
    void SetUp() override {
        QSettings().clear();
        WindowTest::SetUp();
    }
    QAction* item(const char* name) const { return window->findChild<QAction*>(name); }
    std::vector<std::string> legend_names(const GraphView* v) const {
        std::vector<std::string> names;
        for (const LegendItem& l : v->legend()) {
            names.push_back(l.name);
        }
        return names;
    }
};

ScreenRect global_rect(const QWidget* w) {
    const QPoint at = w->mapToGlobal(QPoint(0, 0));
    return {at.x(), at.y(), w->width(), w->height()};
}

// On a projector's screen and a larger one, with every graph chosen, the two windows open where
// they cover none of the controls; closing one clears its item.
TEST_F(Explore, TheNewWindowsCoverNoControl) {
    for (const QSize screen : {QSize(1024, 768), QSize(1280, 1024)}) {
        testing::RecordingPlatform other;
        MainWindow main(other.platform);
        main.graph_windows().set_screen_area(QRect(QPoint(0, 0), screen));
        main.move(30, 30);
        main.show();
        QApplication::processEvents();
        for (int i = 0; i < 5; ++i) {
            main.graph_box(GraphId(i))->setChecked(true);
        }
        main.findChild<QAction*>(resonance_item)->setChecked(true);
        main.findChild<QAction*>(vector_item)->setChecked(true);
        QApplication::processEvents();
        for (const Extra e : {Extra::resonance, Extra::vector}) {
            const QWidget* w = main.graph_windows().extra(e);
            ASSERT_TRUE(w->isVisible());
            const ScreenRect r = to_screen_rect(w->frameGeometry());
            EXPECT_TRUE(r.inside({0, 0, screen.width(), screen.height()})) << screen.width();
            EXPECT_GE(w->width(), 400);
            for (const char* name : {"Text1", "Text7", "Frame1", "Frame2", "HScroll1", "CmdOK"}) {
                const QWidget* c = main.findChild<QWidget*>(name);
                EXPECT_FALSE(r.intersects(global_rect(c)))
                    << screen.width() << ": " << w->objectName().toStdString() << " over " << name;
            }
        }
        main.graph_windows().extra(Extra::vector)->close();
        EXPECT_FALSE(main.findChild<QAction*>(vector_item)->isChecked());
        other.boxes.answer_yes = true;
        main.close();
    }
}

// The resonance curve follows every edit and every step of the wheel; the vector diagram turns
// with the run.
TEST_F(Explore, TheWindowsFollowTheCircuit) {
    item(resonance_item)->setChecked(true);
    ResonanceWindow* r = window->graph_windows().resonance();
    const double before = r->curve().nu0;
    EXPECT_NEAR(before, 50.33, 0.01);
    type("Text1", "8000"); // four times the inductance: half the frequency
    EXPECT_NEAR(r->curve().nu0, before / 2, 1e-9 * before);
    QTest::keyClick(window->findChild<QLineEdit*>("Text2"), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_LT(r->curve().nu0, before / 2) << "a larger capacitance, stepped";
    // A negative frequency is read as its magnitude: the source is not called constant.
    type("Text6", "-47");
    const std::vector<std::string> notes =
        resonance_notes(window->state(), r->curve(), decimal_separator());
    ASSERT_GE(notes.size(), 1U);
    EXPECT_EQ(notes[0].find("постоянный"), std::string::npos) << notes[0];
    EXPECT_NE(notes[0].find("ν\u00A0=\u00A047\u00A0Гц"), std::string::npos) << notes[0];
    type("Text6", "47");
    VectorWindow* v = window->graph_windows().vector();
    EXPECT_EQ(v->phase(), 0);
    for (int k = 0; k < 7; ++k) {
        window->simulation().play_point();
    }
    EXPECT_GT(v->phase(), 0) << "turned with the source";
}

// «Запомнить кривые» keeps the present solution: every graph draws it behind the present one,
// named by what differs; three at most; «Забыть кривые» clears them; a picture shows them too.
TEST_F(Explore, RememberedCurves) {
    window->graph_windows().set_screen_area(QRect(0, 0, 1920, 1080));
    window->graph_box(GraphId::Uc)->setChecked(true);
    GraphView* uc = window->graph(GraphId::Uc)->view();
    item("mnuGraphsRemember")->trigger();
    EXPECT_EQ(window->simulation().remembered().size(), 1U);
    EXPECT_EQ(legend_names(uc), (std::vector<std::string>{"Uc", "те же значения"}));
    type("Text3", "2");
    EXPECT_EQ(legend_names(uc), (std::vector<std::string>{"Uc", "R = 0.02 Ом"}));
    EXPECT_EQ(uc->remembered().front().content.series.size(), 1U);
    item("mnuGraphsRemember")->trigger();
    item("mnuGraphsRemember")->trigger(); // the same again: kept once
    EXPECT_EQ(window->simulation().remembered().size(), 2U);
    for (const char* r : {"3", "4", "5"}) {
        type("Text3", r);
        item("mnuGraphsRemember")->trigger();
    }
    EXPECT_EQ(window->simulation().remembered().size(), 3U) << "the oldest goes";
    // In physical units the remembered curve keeps its own volts and seconds.
    uc->set_axes(Axes::physical);
    const std::vector<GraphView::Remembered> kept = uc->remembered();
    EXPECT_DOUBLE_EQ(kept.front().time_scale, kept.front().state->t_scale);
    const QString dir = QDir::temp().filePath("ovrelan_remembered_test");
    QDir().mkpath(dir);
    dialogs.filter = 3; // SVG
    dialogs.save_as = dir + "/uc.svg";
    window->graph(GraphId::Uc)->save_picture();
    QFile svg(dir + "/uc.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("R = 3 ")) << "the legend in the picture";
    QDir(dir).removeRecursively();
    item("mnuGraphsForget")->trigger();
    EXPECT_TRUE(window->simulation().remembered().empty());
    EXPECT_TRUE(legend_names(uc).empty());
}

// The envelope is offered for the voltage and the current of an oscillating circuit only.
TEST_F(Explore, TheEnvelopeWhereThereIsOne) {
    GraphView* uc = window->graph(GraphId::Uc)->view();
    const auto offered = [&](GraphView* v) {
        QMenu menu;
        v->add_menu_items(menu);
        for (const QAction* a : menu.actions()) {
            if (a->text().startsWith("&Огибающая")) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(offered(uc));
    EXPECT_TRUE(offered(window->graph(GraphId::Ik)->view()));
    EXPECT_FALSE(offered(window->graph(GraphId::W)->view()));
    type("Text3", "3"); // aperiodic
    EXPECT_FALSE(offered(uc));
}

} // namespace
} // namespace ovrelan
