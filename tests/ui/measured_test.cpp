// Measured data in the window, through the same paths as the menu: the shipped oscillogram opened
// and previewed, drawn on its graph and read at the pointer, fitted, accepted into the fields as
// one step of the history that undo takes back whole; a file with a broken cell refused with its
// line and column and nothing changed; a file given on the command line or dropped on the window.
#include "geometry/fit_summary.h"
#include "geometry/time_window.h"
#include "graphs/graph_view.h"
#include "support/window_fixture.h"
#include "ui/edit_history.h"
#include "ui/fit_dialog.h"
#include "ui/graph_windows.h"
#include "ui/main_window.h"
#include "ui/measured_actions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace ovrelan {
namespace {

QString example(const char* name) {
    return QString(OVRELAN_SOURCE_DIR) + "/docs/data/" + name;
}

class Measured : public testing::WindowTest {
protected:
    void SetUp() override {
        QSettings().clear();
        WindowTest::SetUp();
    }
    void trigger(const char* item) {
        QAction* action = window->findChild<QAction*>(item);
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
        QApplication::processEvents();
    }
    static QPushButton* button(QWidget* dialog, const QString& text) {
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (b->text() == text) {
                return b;
            }
        }
        return nullptr;
    }
    // «Файл → Открыть измерения…» with the file chosen, and the preview's «Открыть».
    void open_through_menu(const QString& path) {
        dialogs.open = path;
        trigger("mnuFileOpenMeasured");
        MeasuredPreviewDialog* preview = window->measured().preview();
        ASSERT_NE(preview, nullptr);
        QTest::mouseClick(button(preview, "Открыть"), Qt::LeftButton);
        QApplication::processEvents();
    }
    std::array<QString, 7> texts() const {
        std::array<QString, 7> t;
        for (const FieldEntry& e : field_table()) {
            t[static_cast<std::size_t>(e.field)] = window->field(e.field)->text();
        }
        return t;
    }
};

TEST_F(Measured, PreviewShowsTheFileAsRead) {
    dialogs.open = example("uc_noisy.csv");
    trigger("mnuFileOpenMeasured");
    MeasuredPreviewDialog* preview = window->measured().preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(dialogs.asked.back(), "Открыть измерения");
    const auto* model = qobject_cast<const QStandardItemModel*>(preview->table()->model());
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->item(0, 0)->text(), "X");
    EXPECT_EQ(model->item(1, 1)->text(), "Volt");
    EXPECT_EQ(model->item(2, 0)->text(), "-1.000000e-02");
    EXPECT_EQ(preview->time_box()->currentText(), "Столбец 1: X (Second)");
    EXPECT_EQ(preview->value_box()->currentText(), "Столбец 2: CH1 (Volt)");
    EXPECT_EQ(preview->quantity_box()->currentText(), "Uc");
    EXPECT_EQ(preview->unit_box()->currentText(), "В");
    EXPECT_EQ(preview->offset_field()->text(), "0");
    // «Совместить с ключом»: where the values leave their first level. The key closes at 0 on
    // this file's clock; Uc ≈ 10 V·(1 − (ω₀t)²/2) leaves its level by the five deviations of
    // the noise (0.25 V) about 0.7 ms later.
    preview->align_button()->click();
    bool read = false;
    const double at = preview->offset_field()->text().replace(',', '.').toDouble(&read);
    ASSERT_TRUE(read);
    EXPECT_GT(at, 0.5); // ms
    EXPECT_LT(at, 1.0);
    // Cancelled: nothing is opened.
    preview->reject();
    QApplication::processEvents();
    EXPECT_FALSE(window->simulation().measurement());
}

// Open, fit R and L with C from its field, accept: the fields hold the fitted circuit within 1 %
// of the one the example was made from (L = 2000 µH, R = 0.2 Ω, Uo = 10 V, no source), the trace
// moved to the fitted closing of the key; one undo brings back the fields and the trace's time
// together, one redo the fit again.
TEST_F(Measured, OpenFitAcceptAndUndo) {
    const auto before = texts();
    open_through_menu(example("uc_noisy.csv"));
    const auto& m = window->simulation().measurement();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->trace->series().time.size(), 2000U);
    EXPECT_EQ(m->trace->series().quantity, Quantity::Uc);
    EXPECT_EQ(m->shift, 0);
    EXPECT_TRUE(window->graph_box(GraphId::Uc)->isChecked());
    EXPECT_EQ(texts(), before); // opening changes no field

    // Its graph names the file and reads it at the pointer beside the computed value.
    GraphView* view = window->graph_windows().shown_view(GraphKind::Uc);
    ASSERT_NE(view, nullptr);
    bool named = false;
    for (const LegendItem& item : view->legend()) {
        named = named || item.name == "uc_noisy.csv";
    }
    EXPECT_TRUE(named);
    const GraphFrame& f = view->frame();
    view->point_at(QPointF(f.plot.left + f.plot.width * 0.3, f.plot.top + f.plot.height / 2));
    EXPECT_NE(view->readout_text().find("; изм. "), std::string::npos) << view->readout_text();
    EXPECT_NE(view->readout_text().find(", разность "), std::string::npos);

    trigger("mnuRunFit");
    FitDialog* fit = window->measured().fit_dialog();
    ASSERT_NE(fit, nullptr);
    fit->set_choice(FitChoice::r_and_l);
    ASSERT_TRUE(fit->result().ok) << fit->result().reason;
    const FitValue* R = fit->result().value("R");
    const FitValue* L = fit->result().value("L");
    ASSERT_TRUE(R && L);
    EXPECT_NEAR(R->value, 0.2, 0.002);
    EXPECT_NEAR(L->value, 2000e-6, 20e-6);
    EXPECT_LE(std::fabs(R->value - 0.2), 3 * R->error);
    EXPECT_LE(std::fabs(L->value - 2000e-6), 3 * L->error);
    EXPECT_GT(fit->table()->rowCount(), 6);
    EXPECT_EQ(fit->table()->item(3, 0)->text(), "R");
    EXPECT_FALSE(fit->residual_label()->text().isEmpty());
    EXPECT_TRUE(fit->reason_label()->text().isEmpty());
    ASSERT_TRUE(fit->accept_button()->isEnabled());
    const double fitted_shift = fit->result().motion.shift;
    QTest::mouseClick(fit->accept_button(), Qt::LeftButton);
    QApplication::processEvents();

    const SimulationState& s = window->state();
    EXPECT_NEAR(s.L, 2000e-6, 20e-6);
    EXPECT_NEAR(s.C, 5000e-6, 1e-12);
    EXPECT_NEAR(s.R, 0.2, 0.002);
    EXPECT_NEAR(s.Uo, 10, 0.1);
    EXPECT_EQ(s.Em, 0);
    EXPECT_EQ(window->field(Field::Em)->text(), "0");
    EXPECT_DOUBLE_EQ(window->simulation().measurement()->shift, fitted_shift);
    const Parameters accepted = window->state();

    window->history().undo();
    QApplication::processEvents();
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(window->state().R, 0.02);
    EXPECT_EQ(window->state().Em, 5);
    ASSERT_TRUE(window->simulation().measurement());
    EXPECT_EQ(window->simulation().measurement()->shift, 0);

    window->history().redo();
    QApplication::processEvents();
    EXPECT_EQ(static_cast<const Parameters&>(window->state()), accepted);
    EXPECT_EQ(window->field(Field::R)->text().toStdString(), fitted_field_text(accepted.R));
    EXPECT_DOUBLE_EQ(window->simulation().measurement()->shift, fitted_shift);

    // Two steps back: the fit, then the opening.
    window->history().undo();
    window->history().undo();
    QApplication::processEvents();
    EXPECT_FALSE(window->simulation().measurement());
    EXPECT_EQ(texts(), before);
}

// A cell that is no number deep in the file: the preview opens (its first lines read), «Открыть»
// names the line and the column, the dialog stays, and neither the fields nor the trace shown
// change.
TEST_F(Measured, BrokenCellIsRefusedWithItsLineAndColumn) {
    open_through_menu(example("current.csv"));
    const auto shown = window->simulation().measurement();
    ASSERT_TRUE(shown);
    const auto before = texts();
    const SimulationState state_before = window->state();

    QTemporaryDir dir;
    const QString path = dir.filePath("сломанный.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray text = "Время, мс;Ток, А\n";
    for (int k = 0; k < 600; ++k) {
        text +=
            QByteArray::number(k) + ",0;" + (k == 398 ? "1,2x" : QByteArray::number(k % 7)) + "\n";
    }
    file.write(text);
    file.close();

    boxes.boxes.clear();
    open_through_menu(path);
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes.front().title, "Ошибка");
    const QString said = boxes.boxes.front().text;
    EXPECT_TRUE(said.contains("строка 400, столбец 2")) << said.toStdString();
    EXPECT_TRUE(said.contains("«1,2x»")) << said.toStdString();
    EXPECT_TRUE(said.endsWith("Ничего не изменилось.")) << said.toStdString();
    MeasuredPreviewDialog* preview = window->measured().preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_TRUE(preview->message()->text().contains("строка 400, столбец 2"));
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(window->state().R, state_before.R);
    EXPECT_EQ(window->simulation().measurement(), shown);
    preview->reject();
}

// A file that cannot be inspected at all (no numbers): said at once, no preview.
TEST_F(Measured, FileWithoutNumbersSaysSo) {
    QTemporaryDir dir;
    const QString path = dir.filePath("пусто.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("нет тут чисел\nи тут нет\n");
    file.close();
    dialogs.open = path;
    trigger("mnuFileOpenMeasured");
    EXPECT_EQ(window->measured().preview(), nullptr);
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_TRUE(
        boxes.boxes.front().text.startsWith("Измерения из файла «" + path + "» не открыты: "));
    EXPECT_FALSE(window->simulation().measurement());
}

// A fit the trace cannot give (a flat line): the dialog says why and offers no «Принять».
TEST_F(Measured, FitOfAFlatTraceOffersNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ровно.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray text = "t (s),U (V)\n";
    for (int k = 0; k < 200; ++k) {
        text += QByteArray::number(k * 1e-4) + ",5\n";
    }
    file.write(text);
    file.close();
    open_through_menu(path);
    ASSERT_TRUE(window->simulation().measurement());
    const auto before = texts();
    trigger("mnuRunFit");
    FitDialog* fit = window->measured().fit_dialog();
    ASSERT_NE(fit, nullptr);
    EXPECT_FALSE(fit->result().ok);
    EXPECT_TRUE(fit->reason_label()->text().startsWith("Подбор не удался: "));
    EXPECT_FALSE(fit->accept_button()->isEnabled());
    fit->accept(); // even asked, nothing is written
    QApplication::processEvents();
    EXPECT_EQ(texts(), before);
}

// A trace moved in time is drawn where it now stands: its first point, 5 ms after the key's
// closing, in the pixel column of 5 ms on the graph.
TEST_F(Measured, MovedTraceIsDrawnWhereItStands) {
    open_through_menu(example("uc_noisy.csv"));
    GraphView* view = window->graph_windows().shown_view(GraphKind::Uc);
    ASSERT_NE(view, nullptr);
    const std::optional<Measurement> m = window->simulation().measurement();
    ASSERT_TRUE(m);
    const double first = m->trace->series().time.front(); // before the key closed
    ASSERT_LT(first, 0);
    window->simulation().set_measurement(Measurement{m->trace, first - 5e-3});
    QApplication::processEvents();
    const QImage& image = view->layer(); // the plot's own picture: x from the plot's left
    int leftmost = -1;
    for (int x = 0; x < image.width() && leftmost < 0; ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red()) + std::abs(c.green() - 128) + std::abs(c.blue() - 128) < 24) {
                leftmost = x;
                break;
            }
        }
    }
    const GraphFrame& f = view->frame();
    const double at = f.x_px(5e-3 / window->state().t_scale * f.time_scale) - f.plot.left;
    ASSERT_GT(at, 10) << "5 ms stands well inside the plot";
    EXPECT_NEAR(leftmost, at, 4);
}

// The trace taken with the mouse moves along the time axis only: 60 px to the right are the
// seconds 60 px stand for on the graph, and letting go is one step of the history. Pressed away
// from the trace, a drag pans the graph as before and leaves the trace where it was.
TEST_F(Measured, DraggedTraceMovesInTime) {
    open_through_menu(example("uc_noisy.csv"));
    GraphView* view = window->graph_windows().shown_view(GraphKind::Uc);
    ASSERT_NE(view, nullptr);
    const GraphFrame f = view->frame();
    const QImage& image = view->layer();
    const int column = image.width() / 2;
    int row = -1;
    for (int y = 0; y < image.height() && row < 0; ++y) {
        const QColor c = image.pixelColor(column, y);
        if (std::abs(c.red()) + std::abs(c.green() - 128) + std::abs(c.blue() - 128) < 24) {
            row = y;
        }
    }
    ASSERT_GE(row, 0) << "the trace crosses the plot's middle column";
    const QPoint at(static_cast<int>(f.plot.left) + column, static_cast<int>(f.plot.top) + row);
    const QPoint to = at + QPoint(60, 7); // a little up or down does not matter
    const TimeWindow shown = view->time_window();
    QTest::mousePress(view->plot(), Qt::LeftButton, {}, at);
    QTest::mouseMove(view->plot(), at + QPoint(30, 3));
    QTest::mouseMove(view->plot(), to);
    QTest::mouseRelease(view->plot(), Qt::LeftButton, {}, to);
    const double seconds =
        60 * (f.x.high - f.x.low) / f.plot.width / f.time_scale * window->state().t_scale;
    ASSERT_TRUE(window->simulation().measurement());
    EXPECT_NEAR(window->simulation().measurement()->shift, -seconds, seconds * 1e-9);
    EXPECT_EQ(view->time_window(), shown) << "the graph stays";
    EXPECT_TRUE(view->markers().empty()) << "a drag pins no marker";
    window->history().undo();
    EXPECT_EQ(window->simulation().measurement()->shift, 0) << "one step back";
    window->history().redo();
    EXPECT_NEAR(window->simulation().measurement()->shift, -seconds, seconds * 1e-9);
    window->history().undo();

    // Far from the trace (a point of the plot's left with none of its colour 12 px around): the
    // graph pans.
    view->zoom_time(0.5 * window->state().t_span, 0.5);
    const TimeWindow zoomed = view->time_window();
    const QImage& zoomed_image = view->layer();
    const auto teal_near = [&](int x, int y) {
        for (int dy = -12; dy <= 12; ++dy) {
            for (int dx = -12; dx <= 12; ++dx) {
                if (!zoomed_image.rect().contains(x + dx, y + dy)) {
                    continue;
                }
                const QColor c = zoomed_image.pixelColor(x + dx, y + dy);
                if (std::abs(c.red()) + std::abs(c.green() - 128) + std::abs(c.blue() - 128) < 60) {
                    return true;
                }
            }
        }
        return false;
    };
    int free_row = -1;
    for (int y = 0; y < zoomed_image.height() && free_row < 0; ++y) {
        free_row = teal_near(20, y) ? -1 : y;
    }
    ASSERT_GE(free_row, 0);
    const QPoint corner(static_cast<int>(f.plot.left) + 20,
                        static_cast<int>(f.plot.top) + free_row);
    QTest::mousePress(view->plot(), Qt::LeftButton, {}, corner);
    QTest::mouseMove(view->plot(), corner + QPoint(60, 0));
    QTest::mouseRelease(view->plot(), Qt::LeftButton, {}, corner + QPoint(60, 0));
    EXPECT_LT(view->time_window().from, zoomed.from) << "panned";
    EXPECT_EQ(window->simulation().measurement()->shift, 0) << "the trace stays";
}

// «Совместить с ключом» and «Закрыть измерения» from the menu, each a step of the history.
TEST_F(Measured, AlignAndCloseAreStepsOfTheHistory) {
    open_through_menu(example("uc_noisy.csv"));
    trigger("mnuFileAlignMeasured");
    const auto& m = window->simulation().measurement();
    ASSERT_TRUE(m);
    EXPECT_GT(m->shift, 0.5e-3); // where the values leave their level, as in the preview
    EXPECT_LT(m->shift, 1e-3);
    trigger("mnuFileCloseMeasured");
    EXPECT_FALSE(window->simulation().measurement());
    window->history().undo();
    ASSERT_TRUE(window->simulation().measurement());
    EXPECT_GT(window->simulation().measurement()->shift, 0);
    window->history().undo();
    EXPECT_EQ(window->simulation().measurement()->shift, 0);
}

// The key's closing typed in the preview, in milliseconds on the file's clock, becomes t = 0; a
// text that is no number is said in the dialog, which stays.
TEST_F(Measured, TypedClosingOfTheKeyMovesTheRecord) {
    dialogs.open = example("uc_noisy.csv");
    trigger("mnuFileOpenMeasured");
    MeasuredPreviewDialog* preview = window->measured().preview();
    ASSERT_NE(preview, nullptr);
    preview->offset_field()->setText("пять");
    QTest::mouseClick(button(preview, "Открыть"), Qt::LeftButton);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_TRUE(preview->message()->text().startsWith("Момент замыкания ключа — одно число"));
    EXPECT_FALSE(window->simulation().measurement());
    preview->offset_field()->setText("-5");
    QTest::mouseClick(button(preview, "Открыть"), Qt::LeftButton);
    QApplication::processEvents();
    const auto& m = window->simulation().measurement();
    ASSERT_TRUE(m);
    // The record starts at −10 ms on the file's clock: 5 ms before a closing at −5 ms.
    EXPECT_NEAR(m->trace->series().time.front(), -5e-3, 1e-12);
    EXPECT_NEAR(m->trace->series().time.back(), 89.95e-3 + 5e-3, 1e-12);
}

TEST_F(Measured, WithoutATraceFittingAndAligningSaySo) {
    for (const char* item : {"mnuRunFit", "mnuFileAlignMeasured"}) {
        boxes.boxes.clear();
        trigger(item);
        ASSERT_EQ(boxes.boxes.size(), 1U) << item;
        EXPECT_EQ(boxes.boxes.front().text,
                  "Сначала откройте измерения: «Файл → Открыть измерения…».");
        EXPECT_EQ(window->measured().fit_dialog(), nullptr);
    }
}

TEST_F(Measured, DroppedFileOpensItsPreview) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(example("current.csv"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    MeasuredPreviewDialog* preview = window->measured().preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->quantity_box()->currentText(), "I");
    // A task file is not taken as measurements.
    QMimeData task;
    task.setUrls({QUrl::fromLocalFile("/tmp/задача.ovrelan")});
    QDragEnterEvent other(QPoint(10, 10), Qt::CopyAction, &task, Qt::LeftButton, Qt::NoModifier);
    other.setAccepted(false);
    QApplication::sendEvent(window.get(), &other);
    EXPECT_FALSE(other.isAccepted());
    preview->reject();
}

TEST(MeasuredFiles, KnownByTheirExtension) {
    const struct {
        const char* path;
        bool measured;
    } cases[] = {{"осциллограмма.csv", true},
                 {"/a/b/LOG.TXT", true},
                 {"x.tsv", true},
                 {"x.dat", true},
                 {"задача.ovrelan", false},
                 {"csv", false},
                 {"x.csv.ovrelan", false},
                 {"", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(is_measured_file(c.path), c.measured) << c.path;
    }
}

// Each choice of the fit holds fixed the value of its own field and no other; a field at zero
// holds nothing.
TEST(MeasuredFit, ChoiceHoldsItsOwnFieldFixed) {
    MeasuredSeries series;
    series.quantity = Quantity::I;
    series.time = {0, 1e-3, 2e-3};
    series.values = {0, 1, 0};
    const std::vector<double> moved = {-1e-3, 0, 1e-3};
    Parameters present;
    present.L = 0.25;
    present.C = 40e-6;
    present.R = 12;
    Parameters no_l = present;
    no_l.L = 0;
    Parameters no_c = present;
    no_c.C = 0;
    const struct {
        FitChoice choice;
        Parameters present;
        std::optional<double> L, C;
    } cases[] = {
        {FitChoice::delta_omega0, present, std::nullopt, std::nullopt},
        {FitChoice::r_and_l, present, std::nullopt, 40e-6},
        {FitChoice::r_and_c, present, 0.25, std::nullopt},
        {FitChoice::r_and_l, no_c, std::nullopt, std::nullopt},
        {FitChoice::r_and_c, no_l, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const FitRequest r = fit_request(series, moved, c.choice, c.present);
        const auto at = static_cast<int>(c.choice);
        EXPECT_EQ(r.L, c.L) << at;
        EXPECT_EQ(r.C, c.C) << at;
        EXPECT_FALSE(r.R) << at;
        ASSERT_EQ(r.traces.size(), 1u) << at;
        EXPECT_EQ(r.traces.front().quantity, Quantity::I) << at;
        EXPECT_EQ(std::vector<double>(r.traces.front().time.begin(), r.traces.front().time.end()),
                  moved)
            << at;
    }
}

} // namespace
} // namespace ovrelan
