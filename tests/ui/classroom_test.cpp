// The classroom: one window that fills the screen with the scene and the graphs together, sizes
// that always come back, the keyboard, and undo.
#include "support/window_fixture.h"

#include "geometry/classroom_layout.h"
#include "graphs/graph_view.h"
#include "graphs/graph_window.h"
#include "graphs/picture_window.h"
#include "graphs/stacked_graphs.h"
#include "model/examples.h"
#include "run/run_controller.h"
#include "ui/edit_history.h"
#include "ui/graph_area.h"
#include "ui/graph_windows.h"
#include "ui/main_menus.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace ovrelan {
namespace {

class Classroom : public testing::WindowTest {
protected:
    QAction* item(const char* name) const { return window->findChild<QAction*>(name); }
    QLineEdit* field(const char* name) const { return window->findChild<QLineEdit*>(name); }
    void wheel(const char* name, int notches, Qt::KeyboardModifiers modifiers = {}) {
        QLineEdit* f = field(name);
        for (int i = 0; i < std::abs(notches); ++i) {
            const QPointF at(f->width() / 2.0, f->height() / 2.0);
            QWheelEvent event(at, f->mapToGlobal(at), {}, {0, notches > 0 ? 120 : -120},
                              Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(f, &event);
        }
    }
    // The classroom layout on a screen of this size, the window filling it.
    void one_window(QSize screen) {
        window->set_screen_area(QRect(QPoint(0, 0), screen));
        window->set_layout(MainWindow::Layout::one_window);
        window->showNormal();
        window->setGeometry(QRect(QPoint(0, 0), screen));
        QApplication::processEvents();
    }
    QRect in_client(const QWidget* w) const {
        return QRect(w->mapTo(window->client_area(), QPoint(0, 0)), w->size());
    }
};

// Ten steps of the wheel on R are one step of the history; an example over a prepared circuit
// is one step too, and undoing it leaves the remembered curves as they are.
TEST_F(Classroom, UndoStepsAndExamples) {
    const std::string before = field("Text3")->text().toStdString();
    for (int i = 0; i < 10; ++i) {
        wheel("Text3", 1);
    }
    EXPECT_NE(field("Text3")->text().toStdString(), before);
    const double stepped = window->state().R;
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field("Text3")->text().toStdString(), before);
    EXPECT_DOUBLE_EQ(window->state().R, 0.02);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(window->state().R, stepped) << "redone";
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);

    // A prepared circuit, its curves remembered, then an example over it.
    field("Text1")->setText("3000");
    item("mnuGraphsRemember")->trigger();
    ASSERT_EQ(window->simulation().remembered().size(), 1u);
    const double prepared_L = window->state().L;
    window->findChild<QMenu*>("mnuExamples")->actions().at(1)->trigger();
    EXPECT_NE(window->state().L, prepared_L);
    item("mnuEditUndo")->trigger();
    EXPECT_DOUBLE_EQ(window->state().L, prepared_L);
    EXPECT_EQ(field("Text1")->text(), "3000");
    EXPECT_EQ(window->simulation().remembered().size(), 1u) << "the curves are the teacher's";
    // «Запомнить» is a step of its own.
    item("mnuEditUndo")->trigger();
    EXPECT_TRUE(window->simulation().remembered().empty());
    item("mnuEditRedo")->trigger();
    EXPECT_EQ(window->simulation().remembered().size(), 1u);
    EXPECT_TRUE(boxes.boxes.empty());
}

// A refused value leaves nothing to undo; a run disables undo until it ends.
TEST_F(Classroom, NothingToUndoForARefusalNorDuringARun) {
    EditHistory& history = window->history();
    EXPECT_FALSE(history.can_undo());
    boxes.answer_yes = true;
    field("Text4")->setText("1e-400"); // refused: too small to compute, the value stays
    QApplication::processEvents();
    EXPECT_FALSE(history.can_undo()) << history.undo_text().toStdString();
    // A negative capacitance is answered with the fallback: the circuit changed, one step.
    field("Text2")->setText("-5");
    EXPECT_EQ(field("Text2")->text(), "-5") << "the student corrects it";
    EXPECT_TRUE(history.can_undo());
    item("mnuEditUndo")->trigger();
    EXPECT_DOUBLE_EQ(window->state().C, 0.005);
    EXPECT_EQ(field("Text2")->text().trimmed(), "5000");
    EXPECT_FALSE(history.can_undo());
    wheel("Text4", 1);
    EXPECT_TRUE(history.can_undo());
    EXPECT_TRUE(item("mnuEditUndo")->isEnabled());
    window->run()->start_or_stop();
    EXPECT_FALSE(history.can_undo());
    EXPECT_FALSE(item("mnuEditUndo")->isEnabled());
    window->run()->start_or_stop();
    EXPECT_TRUE(item("mnuEditUndo")->isEnabled());
    EXPECT_NE(item("mnuEditUndo")->text().indexOf("Uo"), -1) << "the item says what it undoes";
}

// The classroom layout at 1024 × 768 and 1920 × 1080: every control inside the window and over
// nothing else, the scene legible, the graphs beside or below it; during a run the carriers and
// the curves show together.
TEST_F(Classroom, OneWindowHoldsEverythingAndTheRunShowsBoth) {
    for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
        SCOPED_TRACE(screen.width());
        one_window(screen);
        for (const GraphId id : {GraphId::Uc, GraphId::Ik}) {
            window->graph_box(id)->setChecked(true);
        }
        item(resonance_item)->setChecked(true);
        QApplication::processEvents();
        const QWidget* client = window->client_area();
        const QRect client_rect(QPoint(0, 0), client->size());
        const GraphArea* area = window->graph_area();
        ASSERT_TRUE(area->isVisible());
        const QRect area_rect = in_client(area);
        std::vector<QRect> controls;
        for (const char* name :
             {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Frame1", "Frame2",
              "HScroll1", "HScroll2", "CmdOK", "Picture1", "Label11", "Label27", "Label13"}) {
            const QWidget* c = client->findChild<QWidget*>(name);
            ASSERT_NE(c, nullptr) << name;
            const QRect r = in_client(c);
            EXPECT_TRUE(client_rect.contains(r)) << name;
            EXPECT_FALSE(r.intersects(area_rect)) << name << " under the graphs";
            for (const QRect& other : controls) {
                EXPECT_FALSE(r.intersects(other)) << name;
            }
            controls.push_back(r);
        }
        const QWidget* scene = client->findChild<QWidget*>("Picture1");
        EXPECT_GE(scene->width(), least_scene_width);
        EXPECT_GE(scene->height(), least_scene_height);
        for (const GraphView* v : window->graph_windows().stacked()->views()) {
            EXPECT_GE(v->frame().plot.width, least_plot_width);
            EXPECT_GE(v->frame().plot.height, least_plot_height);
            EXPECT_TRUE(v->isVisible() || area->layout().tabs);
        }
        // No separate window opens in this layout.
        for (std::size_t k = 0; k < graph_kind_count; ++k) {
            EXPECT_FALSE(window->graphs(static_cast<GraphKind>(k))->isVisible());
        }
        EXPECT_FALSE(window->graph_windows().stacked()->isWindow());
        window->run()->start_or_stop();
        for (int i = 0; i < 20; ++i) {
            window->simulation().play_point();
        }
        EXPECT_TRUE(scene->isVisible());
        const GraphView* uc = window->graph_windows().stacked()->views().front();
        EXPECT_GT(uc->drawn_to(), 0u) << "the curve grows";
        EXPECT_TRUE(window->statusBar()->isVisible());
        window->run()->start_or_stop();
        for (const GraphId id : {GraphId::Uc, GraphId::Ik}) {
            window->graph_box(id)->setChecked(false);
        }
        item(resonance_item)->setChecked(false);
    }
}

// Back to separate windows: the same views become windows again; the choice is remembered.
TEST_F(Classroom, SwitchingLayoutsMovesTheSameViews) {
    one_window({1920, 1080});
    window->graph_box(GraphId::Uc)->setChecked(true);
    QApplication::processEvents();
    StackedGraphs* stack = window->graph_windows().stacked();
    EXPECT_FALSE(stack->isWindow());
    item("mnuViewOneWindow")->setChecked(false);
    QApplication::processEvents();
    EXPECT_EQ(window->layout(), MainWindow::Layout::windows);
    EXPECT_EQ(window->graph_windows().stacked(), stack) << "the same widget";
    EXPECT_TRUE(window->graphs(GraphKind::Uc)->isVisible());
    EXPECT_EQ(QSettings().value(MainWindow::layout_setting).toString(), "windows");
    item("mnuViewOneWindow")->setChecked(true);
    EXPECT_EQ(QSettings().value(MainWindow::layout_setting).toString(), "one");
    EXPECT_FALSE(window->graphs(GraphKind::Uc)->isVisible());
    QSettings().setValue(MainWindow::layout_setting, "windows");
}

// The divider goes where it is dragged and stays there the next time.
TEST_F(Classroom, TheDividerIsDraggedAndRemembered) {
    one_window({1920, 1080});
    window->graph_box(GraphId::Uc)->setChecked(true);
    QApplication::processEvents();
    Divider* divider = window->divider();
    ASSERT_TRUE(divider->isVisible());
    const int before = window->graph_area()->width();
    const QPoint from = divider->rect().center();
    QTest::mousePress(divider, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from - QPoint(300, 0)),
                     divider->mapToGlobal(QPointF(from - QPoint(300, 0))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(divider, &move);
    QTest::mouseRelease(divider, Qt::LeftButton, {}, from - QPoint(300, 0));
    EXPECT_NEAR(window->graph_area()->width(), before + 300, 4);
    EXPECT_GT(QSettings().value(MainWindow::split_setting).toDouble(), 0.5);
    QSettings().remove(MainWindow::split_setting);
}

// Крупнее twice and Обычный размер give the window its first size back, exactly.
TEST_F(Classroom, SizesComeBackExactly) {
    window->set_screen_area(QRect(0, 0, 1920, 1080));
    window->findChild<QAction*>("mnuViewNormal")->trigger();
    const QSize first = window->size();
    item("mnuViewLarger")->trigger();
    item("mnuViewLarger")->trigger();
    EXPECT_GT(window->width(), first.width());
    EXPECT_EQ(window->shown_scale(), 1.5);
    item("mnuViewSmaller")->trigger();
    item("mnuViewNormal")->trigger();
    EXPECT_EQ(window->size(), first);
    // On a small screen the size asked for is kept only as far as the window fits.
    window->set_screen_area(QRect(0, 0, 1024, 768));
    item("mnuViewLarger")->trigger();
    item("mnuViewLarger")->trigger();
    EXPECT_LE(window->frameGeometry().width(), 1024);
    EXPECT_LE(window->frameGeometry().height(), 768);
    item("mnuViewNormal")->trigger();
    EXPECT_EQ(window->size(), first);
    QSettings().remove(MainWindow::scale_setting);
}

// A graph opens with its plot in focus: Home shows the whole time, not the value zoom's end.
TEST_F(Classroom, GraphsOpenWithThePlotInFocus) {
    window->graph_windows().set_screen_area(QRect(0, 0, 1920, 1080));
    window->graph_box(GraphId::Uc)->setChecked(true);
    GraphWindow* g = window->graphs(GraphKind::Uc);
    g->activateWindow();
    QApplication::setActiveWindow(g);
    QApplication::processEvents();
    EXPECT_EQ(g->focusProxy(), g->view());
    EXPECT_EQ(g->view()->focusProxy(), g->plot());
    EXPECT_EQ(g->zoom_bar()->focusPolicy(), Qt::TabFocus);
    const int zoom = g->zoom_bar()->value();
    g->view()->zoom_time(g->view()->time_window().from, 4);
    QTest::keyClick(g->plot(), Qt::Key_Home);
    EXPECT_EQ(g->zoom_bar()->value(), zoom);
    EXPECT_TRUE(g->view()->time_window().from == 0);
}

// The speed bars take the arrow keys as sliders do and say their value.
TEST_F(Classroom, SpeedBarsTakeTheArrows) {
    for (const char* name : {"HScroll1", "HScroll2"}) {
        auto* bar = window->findChild<QScrollBar*>(name);
        bar->setValue(3);
        QTest::keyClick(bar, Qt::Key_Right);
        EXPECT_EQ(bar->value(), 4) << name;
        QTest::keyClick(bar, Qt::Key_Up);
        EXPECT_EQ(bar->value(), 5) << name;
        QTest::keyClick(bar, Qt::Key_Left);
        QTest::keyClick(bar, Qt::Key_Down);
        EXPECT_EQ(bar->value(), 3) << name;
        QTest::keyClick(bar, Qt::Key_End);
        EXPECT_EQ(bar->value(), bar->maximum());
        EXPECT_NE(bar->toolTip().indexOf(QString::number(bar->maximum())), -1);
        EXPECT_FALSE(bar->accessibleName().isEmpty());
        bar->setValue(1);
    }
}

// Every access key in a menu is its own: the menu bar's, each menu's and a graph's context menu.
TEST_F(Classroom, EveryAccessKeyInAMenuIsUnique) {
    const auto check = [](const QString& where, const QList<QAction*>& actions) {
        std::map<QChar, QString> keys;
        for (const QAction* a : actions) {
            if (a->isSeparator() || a->text().isEmpty()) {
                continue;
            }
            const QString text = a->text();
            const qsizetype amp = text.indexOf('&');
            if (amp < 0 || amp + 1 >= text.size()) {
                continue;
            }
            const QChar key = text.at(amp + 1).toLower();
            const auto [at, fresh] = keys.emplace(key, text);
            EXPECT_TRUE(fresh) << where.toStdString() << ": «" << text.toStdString() << "» and «"
                               << at->second.toStdString() << "»";
        }
    };
    check("menu bar", window->menuBar()->actions());
    for (const QAction* title : window->menuBar()->actions()) {
        if (title->menu() != nullptr) {
            check(title->text(), title->menu()->actions());
        }
    }
    GraphView* view = window->graphs(GraphKind::Uc)->view();
    QMenu menu;
    view->add_menu_items(menu);
    if (view->extra_menu) {
        view->extra_menu(menu);
    }
    check("graph", menu.actions());
}

// A field's edit still in progress when another field is stepped: the step and that edit, once
// it ends, are one step of the history, and undoing it gives both fields back.
TEST_F(Classroom, AStepDuringAnotherEditIsOneStepWithIt) {
    EditHistory& history = window->history();
    ASSERT_FALSE(history.can_undo());
    boxes.answer_yes = true;
    QLineEdit* c = field("Text2");
    c->selectAll();
    QTest::keyClicks(c, "-5"); // typed, not taken: it waits for the edit's end
    wheel("Text3", 3);
    EXPECT_NE(window->state().R, 0.02);
    EXPECT_FALSE(history.can_undo())
        << "a step noted while Text2 waits: " << history.undo_text().toStdString();
    QTest::keyClick(c, Qt::Key_Return); // the edit ends: the fallback for a negative capacitance
    QApplication::processEvents();
    EXPECT_NE(window->state().C, 0.005);
    ASSERT_TRUE(history.can_undo());
    item("mnuEditUndo")->trigger();
    EXPECT_DOUBLE_EQ(window->state().R, 0.02);
    EXPECT_DOUBLE_EQ(window->state().C, 0.005);
    EXPECT_FALSE(history.can_undo()) << history.undo_text().toStdString();
}

// The letters' size in the classroom layout is the one at which every set of views fits: ticking
// graphs, the curve or the diagram never changes it, even where the size asked for does not fit.
TEST_F(Classroom, TickingAViewKeepsTheLettersSize) {
    const struct {
        const char* why;
        QSize screen;
    } cases[] = {
        {"a second graph needs the stack's scroll bar", {1024, 768}},
        {"a short screen: the curve and the diagram need more room than graphs", {1024, 680}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        one_window(c.screen);
        item("mnuViewLarger")->trigger();
        item("mnuViewLarger")->trigger();
        EXPECT_EQ(window->scale(), 1.5);
        const double shown = window->shown_scale();
        EXPECT_LT(shown, 1.5) << "the screen cannot hold every view at the size asked for";
        EXPECT_GE(shown, 1.0);
        window->graph_box(GraphId::Uc)->setChecked(true);
        EXPECT_EQ(window->shown_scale(), shown) << "a graph";
        item(resonance_item)->setChecked(true);
        EXPECT_EQ(window->shown_scale(), shown) << "the curve";
        item(vector_item)->setChecked(true);
        EXPECT_EQ(window->shown_scale(), shown) << "the diagram";
        window->graph_box(GraphId::Ik)->setChecked(true);
        EXPECT_EQ(window->shown_scale(), shown) << "two graphs";
        for (QAction* a : {item(resonance_item), item(vector_item)}) {
            a->setChecked(false);
        }
        EXPECT_EQ(window->shown_scale(), shown) << "graphs only";
        for (const GraphId id : {GraphId::Uc, GraphId::Ik}) {
            window->graph_box(id)->setChecked(false);
        }
        EXPECT_EQ(window->shown_scale(), shown) << "none";
        item("mnuViewNormal")->trigger();
    }
    QSettings().remove(MainWindow::scale_setting);
}

// In tabs, the page the teacher chose stays in front when the layout is made again: another
// graph ticked, the window resized.
TEST_F(Classroom, TheChosenTabStaysInFront) {
    one_window({1024, 768});
    window->graph_box(GraphId::Uc)->setChecked(true);
    item(resonance_item)->setChecked(true);
    item(vector_item)->setChecked(true);
    QApplication::processEvents();
    const GraphArea* area = window->graph_area();
    ASSERT_TRUE(area->layout().tabs);
    QTabWidget* tabs = area->tabs();
    ASSERT_EQ(tabs->count(), 3);
    QWidget* diagram = window->graph_windows().extra(Extra::vector);
    tabs->setCurrentWidget(diagram);
    window->graph_box(GraphId::Ik)->setChecked(true);
    QApplication::processEvents();
    EXPECT_EQ(tabs->currentWidget(), diagram) << "another graph ticked";
    window->setGeometry(QRect(0, 0, 1000, 740));
    QApplication::processEvents();
    ASSERT_TRUE(area->layout().tabs);
    EXPECT_EQ(tabs->currentWidget(), diagram) << "resized";
    QWidget* curve = window->graph_windows().extra(Extra::resonance);
    tabs->setCurrentWidget(curve);
    window->graph_box(GraphId::Uc)->setChecked(false);
    QApplication::processEvents();
    EXPECT_EQ(tabs->currentWidget(), curve) << "a graph cleared";
    for (QAction* a : {item(resonance_item), item(vector_item)}) {
        a->setChecked(false);
    }
    window->graph_box(GraphId::Ik)->setChecked(false);
}

// The same graphs in another number of columns when the divider gives them another width: the
// stack shows as many columns as its layout has.
TEST_F(Classroom, TheStackFollowsItsColumns) {
    one_window({1920, 1080});
    for (const GraphId id : {GraphId::UL, GraphId::Uc, GraphId::Ur, GraphId::Ik, GraphId::W}) {
        window->graph_box(id)->setChecked(true);
    }
    QApplication::processEvents();
    const GraphArea* area = window->graph_area();
    const StackedGraphs* stack = window->graph_windows().stacked();
    std::set<int> seen;
    for (const int x : {1400, 700, 1400, 700}) {
        window->divider()->dragged(QPoint(x, 500));
        QApplication::processEvents();
        ASSERT_FALSE(area->layout().tabs);
        std::set<int> lefts;
        for (const GraphView* v : stack->views()) {
            lefts.insert(v->x());
        }
        EXPECT_EQ(static_cast<int>(lefts.size()), area->layout().columns) << "at x = " << x;
        EXPECT_EQ(stack->views().size(), 5u);
        seen.insert(area->layout().columns);
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2})) << "the divider's two places give 1 and 2 columns";
    for (const GraphId id : {GraphId::UL, GraphId::Uc, GraphId::Ur, GraphId::Ik, GraphId::W}) {
        window->graph_box(id)->setChecked(false);
    }
    QSettings().remove(MainWindow::split_setting);
}

} // namespace
} // namespace ovrelan
