// Families of curves in the window: set from the dialog or the menu, one step of the history,
// drawn on every graph and the resonance curve in the palette's colours and dashes, named in the
// legends and the read-out, listed in their table, and drawn from the command line.
#include "geometry/family_palette.h"
#include "graphs/graph_view.h"
#include "graphs/graph_window.h"
#include "graphs/resonance_window.h"
#include "model/circuit_summary.h"
#include "model/steady_state.h"
#include "platform/locale.h"
#include "support/cielab.h"
#include "support/window_fixture.h"
#include "ui/command_line.h"
#include "ui/edit_history.h"
#include "ui/export_command.h"
#include "ui/family_dialog.h"
#include "ui/family_table.h"
#include "ui/graph_windows.h"
#include "ui/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::delta_e;
using testing::lab;
using testing::Lab;
using testing::linear_rgb;

Lab lab_of(QColor c) {
    return lab(linear_rgb(c.red(), c.green(), c.blue()));
}

Lab lab_of(Rgb c) {
    return lab(linear_rgb(c.r, c.g, c.b));
}

class Families : public testing::WindowTest {
protected:
    void SetUp() override {
        QSettings().clear();
        WindowTest::SetUp();
    }
    QAction* item(const char* name) const { return window->findChild<QAction*>(name); }
    GraphView* open_uc() {
        window->graph_windows().set_screen_area(QRect(0, 0, 1920, 1080));
        window->graph_box(GraphId::Uc)->setChecked(true);
        GraphWindow* uc = window->graph(GraphId::Uc);
        uc->resize(1400, 500);
        QApplication::processEvents();
        return uc->view();
    }
    // Pixels of the picture within `within` of a colour.
    static int pixels_near(const QImage& image, Rgb colour, double within) {
        const Lab want = lab_of(colour);
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                n += delta_e(lab_of(image.pixelColor(x, y)), want) < within ? 1 : 0;
            }
        }
        return n;
    }
};

const FamilyRequest around_critical{Field::R, "0,5·Rк; Rк; 2·Rк", ','};

// R below, at and above the critical resistance of the start-up circuit: the table names the
// three regimes, and each member is exactly the circuit with that value typed into its field.
TEST_F(Families, AroundTheCriticalResistance) {
    window->set_family(around_critical);
    const Family* family = window->simulation().family();
    ASSERT_NE(family, nullptr);
    ASSERT_EQ(family->members.size(), 3U);
    EXPECT_TRUE(family->refused.empty());
    const QTableWidget* table = window->family_table()->table();
    EXPECT_TRUE(window->family_table()->isVisible());
    ASSERT_EQ(table->rowCount(), 3);
    const struct {
        const char* label;
        const char* regime;
    } rows[] = {
        {"R = 0,6325 Ом", "колебательный"},
        {"R = 1,265 Ом (Rк)", "критический"},
        {"R = 2,53 Ом", "апериодический"},
    };
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(rows[row].regime);
        EXPECT_EQ(table->item(row, 0)->text().toStdString(), rows[row].label);
        EXPECT_EQ(table->item(row, 1)->text().toStdString(), rows[row].regime);
        // The member is what typing its value gives, point by point.
        testing::RecordingPlatform other;
        MainWindow single(other.platform);
        const FamilyMember& member = family->members[static_cast<std::size_t>(row)];
        single.field(Field::R)->setText(QString::fromStdString(member.value.text));
        single.field(Field::R)->editingFinished();
        const SimulationState& s = single.state();
        ASSERT_EQ(s.R, member.state.R);
        EXPECT_EQ(s.t_grid, member.state.t_grid);
        EXPECT_EQ(s.Uc_t, member.state.Uc_t);
        EXPECT_EQ(s.I_t, member.state.I_t);
        EXPECT_EQ(s.UL_t, member.state.UL_t);
        EXPECT_EQ(s.W_t, member.state.W_t);
    }
}

// The members follow the present circuit: another C moves Rк, and «0,5·Rк» with it.
TEST_F(Families, FollowThePresentCircuit) {
    window->set_family(around_critical);
    const double rk_before = window->simulation().family()->members[1].state.R;
    Simulation& simulation = window->simulation();
    QSignalSpy followed(&simulation, &Simulation::family_changed);
    type("Text2", "20000");
    // The present circuit at once; the family when the typing rests, drawn as it was meanwhile.
    ASSERT_TRUE(simulation.family_pending());
    EXPECT_NE(simulation.family()->members[1].state.C, window->state().C);
    // What the views made from the family: the table's ν₀ and the members' resonance bands.
    const QTableWidget* table = window->family_table()->table();
    const ResonanceWindow* resonance = window->graph_windows().resonance();
    const auto shown = [&] {
        std::vector<std::pair<std::string, double>> rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            rows.emplace_back(table->item(row, 5)->text().toStdString(),
                              resonance->family().at(static_cast<std::size_t>(row)).curve.width);
        }
        return rows;
    };
    const auto made_from = [](const Family& family) {
        std::vector<std::pair<std::string, double>> rows;
        for (const FamilyMember& m : family.members) {
            rows.emplace_back(summary_cells(circuit_summary(m.state), decimal_separator()).nu0,
                              resonance_curve(m.state).width);
        }
        return rows;
    };
    EXPECT_EQ(shown(), made_from(*simulation.family())) << "the family last built, meanwhile";
    ASSERT_TRUE(followed.wait(5000));
    EXPECT_FALSE(simulation.family_pending());
    const Family* family = simulation.family();
    ASSERT_EQ(family->members.size(), 3U);
    EXPECT_NEAR(family->members[1].state.R, rk_before / 2, rk_before * 1e-6);
    EXPECT_EQ(family->members[1].state.C, window->state().C);
    EXPECT_EQ(shown(), made_from(*family)) << "followed";
    // Another family of the same size is shown, not the one before.
    window->set_family(FamilyRequest{Field::R, "0.5; 1; 2", ','});
    EXPECT_EQ(shown(), made_from(*simulation.family()));
}

// Setting a family is one step of the history, and so is «Убрать семейство».
// «Крупнее» reaches the family's table and the menus: read from the back row, and the table's
// columns wide enough for their larger letters.
TEST_F(Families, TableAndMenusGrowForTheBackRow) {
    window->set_screen_area(QRect(0, 0, 2560, 1600));
    window->graph_windows().set_screen_area(QRect(0, 0, 2560, 1600));
    window->set_family(around_critical);
    QTableWidget* table = window->family_table()->table();
    const double table_points = table->font().pointSizeF();
    const double menu_points = window->menuBar()->font().pointSizeF();
    const double menu_item_points =
        window->findChild<QMenu*>("mnuView") != nullptr
            ? window->findChild<QMenu*>("mnuView")->font().pointSizeF()
            : window->menuBar()->findChildren<QMenu*>().front()->font().pointSizeF();
    const int column = table->columnWidth(1);
    for (int i = 0; i < 4; ++i) { // up to 2 (or as far as the screen holds it)
        item("mnuViewLarger")->trigger();
    }
    QApplication::processEvents();
    const double grown = window->shown_scale();
    ASSERT_GE(grown, 1.5);
    EXPECT_NEAR(table->font().pointSizeF(), table_points * grown, 0.05);
    EXPECT_NEAR(window->menuBar()->font().pointSizeF(), menu_points * grown, 0.05);
    EXPECT_NEAR(window->menuBar()->findChildren<QMenu*>().front()->font().pointSizeF(),
                menu_item_points * grown, 0.05);
    EXPECT_GT(table->columnWidth(1), column * 1.3) << "the regime's column grew with its text";
    item("mnuViewNormal")->trigger();
    QApplication::processEvents();
    EXPECT_NEAR(table->font().pointSizeF(), table_points, 0.05);
    EXPECT_NEAR(window->menuBar()->font().pointSizeF(), menu_points, 0.05);
}

TEST_F(Families, UndoAndRedo) {
    EditHistory& history = window->history();
    window->set_family(around_critical);
    EXPECT_EQ(history.undo_text().toStdString(), "Отменить: семейство кривых");
    item("mnuRunFamilyClear")->trigger();
    EXPECT_EQ(window->simulation().family(), nullptr);
    history.undo();
    ASSERT_TRUE(window->simulation().family_request().has_value());
    EXPECT_EQ(*window->simulation().family_request(), around_critical);
    EXPECT_EQ(window->simulation().family()->members.size(), 3U);
    history.undo();
    EXPECT_EQ(window->simulation().family(), nullptr);
    EXPECT_FALSE(window->family_table()->isVisible());
    history.redo();
    EXPECT_EQ(window->simulation().family()->members.size(), 3U);
}

// The dialog: the ready choices, a range from its parts, and the values refused named with their
// reasons before the family is made without them.
TEST_F(Families, TheDialog) {
    FamilyDialog dialog(window->state(), std::nullopt, ',');
    EXPECT_EQ(dialog.list_edit()->text().toStdString(), "0,5·Rк; Rк; 2·Rк");
    EXPECT_TRUE(dialog.ready_button()->isVisibleTo(&dialog));
    dialog.parameter_box()->setCurrentIndex(dialog.parameter_box()->findText("L (мкГн)"));
    EXPECT_FALSE(dialog.ready_button()->isVisibleTo(&dialog)) << "no ready choices for L";
    QTest::keyClicks(dialog.range_from(), "1000");
    QTest::keyClicks(dialog.range_to(), "4000");
    dialog.range_count()->setValue(4);
    dialog.range_logarithmic()->setChecked(true);
    EXPECT_TRUE(dialog.range_mode()->isChecked());
    EXPECT_EQ(dialog.request().values, "1000..4000:4:log");
    EXPECT_EQ(dialog.family().members.size(), 4U);

    dialog.parameter_box()->setCurrentIndex(dialog.parameter_box()->findText("R (Ом)"));
    dialog.list_edit()->clear();
    QTest::keyClicks(dialog.list_edit(), "-1; 0,5; abc; 3");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted) << "refusals are shown first";
    const std::string said = dialog.refusals()->text().toStdString();
    EXPECT_NE(said.find("R = −1 Ом: не может быть отрицательным"), std::string::npos) << said;
    EXPECT_NE(said.find("«abc»"), std::string::npos) << said;
    EXPECT_EQ(dialog.ok_button()->text().toStdString(), "Построить без них");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    window->set_family(dialog.request());
    EXPECT_EQ(window->simulation().family()->members.size(), 2U);
    EXPECT_EQ(window->family_table()->table()->rowCount(), 2);
    EXPECT_NE(window->family_table()->refusals()->text().toStdString().find("R = −1 Ом"),
              std::string::npos);
}

// On a graph: each member in its colour, named in the legend; a click on its entry hides it;
// the read-out gives every member shown at the pointer.
TEST_F(Families, LegendAndReadOut) {
    GraphView* uc = open_uc();
    window->set_family(around_critical);
    std::vector<std::string> names;
    for (const LegendItem& l : uc->legend()) {
        names.push_back(l.name);
    }
    // One curve of its own: the title names it; the members in their column in the plot.
    EXPECT_EQ(names,
              (std::vector<std::string>{"R = 0,6325 Ом", "R = 1,265 Ом (Rк)", "R = 2,53 Ом"}));
    const struct {
        std::size_t member;
        const char* name;
    } members[] = {{0, "R = 0,6325 Ом"}, {1, "R = 1,265 Ом (Rк)"}, {2, "R = 2,53 Ом"}};
    for (const auto& m : members) {
        SCOPED_TRACE(m.name);
        EXPECT_GT(pixels_near(uc->layer(), family_colour(m.member), 3), 20) << "drawn";
    }
    const QPoint middle(uc->plot()->width() / 2, uc->plot()->height() / 2);
    uc->point_at(middle);
    const std::string before = uc->readout_text();
    for (const auto& m : members) {
        EXPECT_NE(before.find(std::string(m.name) + ": "), std::string::npos) << before;
    }
    // Hide the critical member by its legend entry.
    const LegendItem entry = uc->legend()[1];
    QTest::mouseClick(uc->plot(), Qt::LeftButton, {},
                      QPoint(static_cast<int>(entry.box.left + entry.box.width / 2),
                             static_cast<int>(entry.box.top + entry.box.height / 2)));
    EXPECT_FALSE(uc->series_shown("R = 1,265 Ом (Rк)"));
    EXPECT_EQ(pixels_near(uc->layer(), family_colour(1), 3), 0) << "hidden";
    EXPECT_GT(pixels_near(uc->layer(), family_colour(0), 3), 20) << "the others stay";
    uc->point_at(middle);
    const std::string after = uc->readout_text();
    EXPECT_EQ(after.find("R = 1,265 Ом (Rк): "), std::string::npos) << after;
    EXPECT_NE(after.find("R = 2,53 Ом: "), std::string::npos) << after;
    // Both axis modes draw them.
    uc->set_axes(Axes::physical);
    EXPECT_GT(pixels_near(uc->layer(), family_colour(2), 3), 20);
}

// The resonance curve draws each member's curve: the band narrows as R falls (Q grows).
TEST_F(Families, ResonanceCurves) {
    window->set_family(FamilyRequest{Field::R, "0.5; 1; 2", ','});
    const ResonanceWindow* r = window->graph_windows().resonance();
    ASSERT_EQ(r->family().size(), 3U);
    EXPECT_EQ(r->family()[1].label, "R = 1 Ом");
    EXPECT_LT(r->family()[0].curve.width, r->family()[1].curve.width);
    EXPECT_LT(r->family()[1].curve.width, r->family()[2].curve.width);
}

// A picture of a family of eight, made as --export-graph makes it: the eight curves' colours as
// they stand in the PNG are pairwise at least 20 apart in CIELAB, and a dashed member shows its
// dashes as stretches of background along it.
TEST_F(Families, EightInAPicture) {
    QTemporaryDir folder;
    const QString png = folder.filePath("family.png");
    const CommandLine line = parse_command_line({"ovrelan", "--export-graph", "Uc", png, "--size",
                                                 "1600x900", "--sweep", "R=0.05..2:8:log"});
    ASSERT_EQ(line.action, CommandLine::Action::export_graph) << line.output.toStdString();
    const ExportOutcome outcome = export_graph(line, platform);
    ASSERT_EQ(outcome.exit_status, 0) << outcome.message.toStdString();
    QImage image(png);
    ASSERT_FALSE(image.isNull());
    const QRect below_legend(0, image.height() / 5, image.width(), image.height() * 4 / 5);
    std::vector<Lab> found;
    for (std::size_t i = 0; i < family_palette_size; ++i) {
        SCOPED_TRACE(i);
        // The most frequent colour of the picture near the member's.
        std::map<QRgb, int> counts;
        const Lab want = lab_of(family_colour(i));
        for (int y = below_legend.top(); y <= below_legend.bottom(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (delta_e(lab_of(c), want) < 5) {
                    ++counts[c.rgb()];
                }
            }
        }
        ASSERT_FALSE(counts.empty()) << "member " << i << " not in the picture";
        const auto most = std::max_element(counts.begin(), counts.end(),
                                           [](auto& a, auto& b) { return a.second < b.second; });
        EXPECT_GT(most->second, 30);
        found.push_back(lab_of(QColor::fromRgb(most->first)));
    }
    for (std::size_t i = 0; i < found.size(); ++i) {
        for (std::size_t j = i + 1; j < found.size(); ++j) {
            EXPECT_GE(delta_e(found[i], found[j]), 20) << i << " and " << j;
        }
    }
    // The last member, drawn over the others: along its columns, runs of columns where the
    // background shows instead of its colour.
    const std::size_t last = family_palette_size - 1;
    const Lab want = lab_of(family_colour(last));
    std::vector<bool> has;
    for (int x = 0; x < image.width(); ++x) {
        bool here = false;
        for (int y = below_legend.top(); y <= below_legend.bottom() && !here; ++y) {
            here = delta_e(lab_of(image.pixelColor(x, y)), want) < 5;
        }
        has.push_back(here);
    }
    const auto first = std::find(has.begin(), has.end(), true);
    const auto end = std::find(has.rbegin(), has.rend(), true).base();
    int gaps = 0;
    int run = 0;
    for (auto it = first; it != end; ++it) {
        run = *it ? 0 : run + 1;
        gaps += run == 2 ? 1 : 0;
    }
    EXPECT_GE(gaps, 5) << "dashes of member " << last;
}

// --export-graph with --sweep: its usage errors, a refused member (the picture without it, the
// value named with the reason, exit 3) and a family that cannot be made (exit 2).
TEST_F(Families, ExportGraphSweep) {
    QTemporaryDir folder;
    const QString png = folder.filePath("f.png");
    const struct {
        QStringList arguments;
        int parsed; // the command line's exit status
        int status; // the export's
        const char* said;
    } cases[] = {
        {{"--export-graph", "Uc", png, "--sweep", "R=0.5,1.265,3"}, 0, 0, ""},
        {{"--export-graph", "res", png, "--sweep", "R=0.5Rk,Rk,2Rk"}, 0, 0, ""},
        {{"--export-graph", "Uc", png, "--sweep", "R=-1,0.5"},
         0,
         3,
         "R = −1 Ом: не может быть отрицательным"},
        {{"--export-graph", "Uc", png, "--sweep", "R=1..2:9"}, 0, 2, "--sweep R=1..2:9"},
        {{"--export-graph", "Uc", png, "--sweep", "X=1"}, 2, 0, "нет параметра «X»"},
        {{"--export-graph", "vector", png, "--sweep", "R=1,2"}, 2, 0, "векторной"},
        {{"--sweep", "R=1,2"}, 2, 0, "только вместе с --export-graph"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QFile::remove(png);
        const CommandLine line = parse_command_line(QStringList{"ovrelan"} + c.arguments);
        EXPECT_EQ(line.exit_status, c.parsed);
        if (c.parsed != 0) {
            EXPECT_NE(line.output.toStdString().find(c.said), std::string::npos)
                << line.output.toStdString();
            continue;
        }
        const ExportOutcome outcome = export_graph(line, platform);
        EXPECT_EQ(outcome.exit_status, c.status);
        EXPECT_NE(outcome.message.toStdString().find(c.said), std::string::npos)
            << outcome.message.toStdString();
        EXPECT_EQ(QFile::exists(png), c.status != 2);
    }
}

} // namespace
} // namespace ovrelan
