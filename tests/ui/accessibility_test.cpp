// What a screen reader hears: the fields named by their captions, the controls named, the scene
// described and each plot a chart with a summary.
#include "geometry/graph_readout.h"
#include "graphs/graph_view.h"
#include "graphs/graph_window.h"
#include "graphs/plot_accessible.h"
#include "graphs/resonance_window.h"
#include "graphs/vector_window.h"
#include "scene/circuit_scene.h"
#include "support/window_fixture.h"
#include "ui/texts.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

using AccessibleNames = testing::WindowTest;

QString name_of(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString description_of(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Description) : QString();
}

TEST_F(AccessibleNames, FieldsAreNamedByTheirCaptionsAndDescribedByTheirTooltips) {
    const std::pair<const char*, const char*> table[] = {
        {"Text1", "L (мкГн)"}, {"Text2", "С (мкФ)"}, {"Text3", "R (Ом)"}, {"Text4", "Uo (В)"},
        {"Text5", "ε (В)"},    {"Text6", "ν (Гц)"},  {"Text7", "Nmax"},
    };
    for (const auto& [name, spoken] : table) {
        auto* field = window->findChild<QLineEdit*>(name);
        ASSERT_NE(field, nullptr) << name;
        EXPECT_EQ(name_of(field), QString::fromUtf8(spoken)) << name;
        EXPECT_FALSE(description_of(field).isEmpty()) << name;
        EXPECT_EQ(description_of(field), field->toolTip()) << name;
        const QString label = QStringLiteral("Label%1").arg(QString(name).mid(4));
        EXPECT_EQ(window->findChild<QLabel*>(label)->buddy(), field) << name;
    }
}

TEST_F(AccessibleNames, EveryControlHasAName) {
    for (const char* name :
         {"CmdOK", "HScroll1", "HScroll2", "Check_L", "Check_C", "Check_R", "Check_I", "Check_W",
          "Check_E", "Check_B", "Picture_K", "Picture_C"}) {
        auto* widget = window->findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_FALSE(name_of(widget).isEmpty()) << name;
    }
    EXPECT_EQ(name_of(window->findChild<QCheckBox*>("Check_E")),
              QString::fromUtf8("Электрическое поле конденсатора"));
    // A speed bar says its value too.
    auto* bar = window->findChild<QScrollBar*>("HScroll1");
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(bar);
    ASSERT_NE(face->valueInterface(), nullptr);
    bar->setValue(4);
    EXPECT_EQ(face->valueInterface()->currentValue().toInt(), 4);
}

TEST_F(AccessibleNames, PanelValuesAreNamedBySymbolAndMeaning) {
    auto* omega = window->findChild<QLabel*>("Label13");
    ASSERT_NE(omega, nullptr);
    const QString name = name_of(omega);
    EXPECT_TRUE(name.startsWith(QString::fromUtf8("ω"))) << name.toStdString();
    EXPECT_TRUE(name.endsWith(omega->toolTip())) << name.toStdString();
}

// The scene is named and described; the description follows the circuit and the run.
TEST_F(AccessibleNames, TheSceneIsDescribedAndFollowsTheCircuit) {
    auto* scene = window->findChild<QWidget*>("Picture1");
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(name_of(scene), QString::fromUtf8("Схема"));
    EXPECT_TRUE(description_of(scene).startsWith(
        QString::fromUtf8("ключ разомкнут, конденсатор заряжен до ")))
        << description_of(scene).toStdString();
    type("Text4", "0");
    QApplication::processEvents();
    EXPECT_TRUE(description_of(scene).startsWith(
        QString::fromUtf8("ключ разомкнут, конденсатор не заряжен")))
        << description_of(scene).toStdString();
    window->scene()->show_key(false); // as a run does
    const QString at_start = description_of(scene);
    EXPECT_TRUE(at_start.startsWith(QString::fromUtf8("ключ замкнут, t = ")))
        << at_start.toStdString();
    // It follows the run: a frame shown, a position jumped to.
    for (int k = 0; k < 200; ++k) {
        window->simulation().play_point();
    }
    window->simulation().show_frame();
    const QString later = description_of(scene);
    EXPECT_NE(later, at_start) << "the description follows the run's frames";
    window->simulation().show_position(10);
    EXPECT_NE(description_of(scene), later) << "and a jump";
    window->scene()->show_key(true);
}

// A plot is a chart named by its graph's title; its description sums up what it shows and
// follows the markers.
TEST_F(AccessibleNames, EachPlotIsAChartWithASummary) {
    window->graph_windows().set_screen_area(QRect(0, 0, 1920, 1080));
    window->graph_box(GraphId::Uc)->setChecked(true);
    QApplication::processEvents();
    GraphView* view = window->graph(GraphId::Uc)->view();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(view->plot());
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Chart);
    EXPECT_EQ(face->text(QAccessible::Name), window->graph(GraphId::Uc)->base_title());
    EXPECT_TRUE(face->text(QAccessible::Name).startsWith("Uc(t)"));
    const QString summary = face->text(QAccessible::Description);
    EXPECT_TRUE(summary.startsWith(QString::fromUtf8("Uc; время от 0 с до ")))
        << summary.toStdString();
    EXPECT_FALSE(summary.contains(QString::fromUtf8("маркеры"))) << summary.toStdString();
    // The zoom bar beside it is named too.
    EXPECT_FALSE(name_of(view->zoom_bar()).isEmpty());

    view->pin(view->cursor().value_or(GraphPoint{}));
    const QString marked = face->text(QAccessible::Description);
    EXPECT_TRUE(marked.contains(QString::fromUtf8("маркеры: ") +
                                QString::fromStdString(view->readout_text())))
        << marked.toStdString();
}

// The markers and the read-out are texts inside the chart, each saying what it shows now.
TEST_F(AccessibleNames, MarkersAndReadOutAreTextsOfTheChart) {
    window->graph_windows().set_screen_area(QRect(0, 0, 1920, 1080));
    window->graph_box(GraphId::Uc)->setChecked(true);
    QApplication::processEvents();
    GraphView* view = window->graph(GraphId::Uc)->view();
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(view->plot());
    ASSERT_NE(chart, nullptr);
    ASSERT_EQ(chart->childCount(), 1) << "the read-out, no marker yet";
    QAccessibleInterface* readout = chart->child(0);
    ASSERT_NE(readout, nullptr);
    EXPECT_EQ(readout->role(), QAccessible::StaticText);
    EXPECT_EQ(readout->parent(), chart);
    EXPECT_EQ(chart->indexOfChild(readout), 0);
    const SimulationState& s = window->state();
    const auto at = [&](std::size_t k) {
        view->move_read_out(static_cast<int>(k)); // from the start: the read-out at point k
        return *view->cursor();
    };
    view->pin(at(40));
    view->pin(at(80));
    ASSERT_EQ(chart->childCount(), 3);
    EXPECT_EQ(readout->text(QAccessible::Name).toStdString(), view->readout_text());
    EXPECT_TRUE(readout->text(QAccessible::Name).startsWith(QString::fromUtf8("Δt = ")));
    const struct {
        int child;
        const char* starts;
        std::size_t marker;
    } markers[] = {{1, "Маркер A: t = ", 0}, {2, "Маркер B: t = ", 1}};
    for (const auto& m : markers) {
        QAccessibleInterface* text = chart->child(m.child);
        ASSERT_NE(text, nullptr) << m.child;
        EXPECT_EQ(chart->indexOfChild(text), m.child);
        EXPECT_EQ(chart->child(m.child), text) << "the same text asked twice";
        const QString said = text->text(QAccessible::Name);
        EXPECT_TRUE(said.startsWith(QString::fromUtf8(m.starts))) << said.toStdString();
        EXPECT_EQ(said.toStdString(), view->marker_text(m.marker));
        // Its time is the marker's.
        const std::string seconds = si_text(view->markers()[m.marker].seconds, "с", '.');
        EXPECT_NE(said.toStdString().find(seconds.substr(0, 3)), std::string::npos)
            << said.toStdString() << " / " << seconds;
    }
    EXPECT_NE(view->marker_text(0), view->marker_text(1));
    EXPECT_LT(view->markers()[0].seconds, view->markers()[1].seconds);
    (void)s;
    view->clear_markers();
    EXPECT_EQ(chart->childCount(), 1);
    EXPECT_EQ(chart->child(1), nullptr);
}

// The resonance curve's and the vector diagram's windows are charts named by their pictures'
// titles and described by their notes.
TEST_F(AccessibleNames, ResonanceAndVectorWindowsAreCharts) {
    const struct {
        PictureWindow* window;
        const char* says;
    } pictures[] = {
        {window->graph_windows().resonance(), "31.6"}, // Q
        {window->graph_windows().vector(), "ёмкостная"},
    };
    for (const auto& p : pictures) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(p.window);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::Chart);
        EXPECT_EQ(face->text(QAccessible::Name), p.window->picture_title());
        const QString notes = face->text(QAccessible::Description);
        EXPECT_TRUE(notes.contains(QString::fromUtf8(p.says))) << notes.toStdString();
        // It follows the circuit.
        type("Text3", "0.5");
        EXPECT_NE(face->text(QAccessible::Description), notes) << p.says;
        type("Text3", "0.020");
    }
}

// A curve switched off by its legend is not in the chart's summary; notes are joined by a blank.
TEST_F(AccessibleNames, TheSummaryNamesTheCurvesShown) {
    window->graph_windows().set_screen_area(QRect(0, 0, 1920, 1080));
    window->graph_windows().set_chosen(GraphKind::UI, true);
    QApplication::processEvents();
    GraphView* view = window->graphs(GraphKind::UI)->view();
    const auto curves = [&] { return plot_summary(*view).section(';', 0, 0); };
    EXPECT_TRUE(curves().contains("Ur")) << curves().toStdString();
    view->set_series_shown("Ur", false);
    EXPECT_FALSE(curves().contains("Ur")) << curves().toStdString();
    EXPECT_TRUE(curves().contains("Uc")) << curves().toStdString();
    EXPECT_EQ(joined_lines({"ν₀ = 50 Гц", "Q = 31.6"}), QString::fromUtf8("ν₀ = 50 Гц Q = 31.6"));
}

TEST(ValueLabelAccessibleName, SymbolBeforeTheEqualsSignThenTheMeaning) {
    const std::tuple<const char*, const char*, const char*> table[] = {
        {"ω=   314,2рад/c", "Частота", "ω: Частота"},
        {"Tv=0,02 c", "Период", "Tv: Период"},
        {"Пост. ток Tv->oo", "Период", "Период"},
        {"Tr -> oo", "Время релаксации", "Время релаксации"},
        {"", "Добротность", "Добротность"},
    };
    for (const auto& [caption, meaning, name] : table) {
        EXPECT_EQ(
            value_label_accessible_name(QString::fromUtf8(caption), QString::fromUtf8(meaning)),
            QString::fromUtf8(name))
            << caption;
    }
}

} // namespace
} // namespace ovrelan
