#include "model/number_reading.h"
#include "support/model_fixtures.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

#include "geometry/main_layout.h"
#include "graphs/graph_window.h"
#include "model/characteristics_panel.h"
#include "model/examples.h"
#include "model/number_reading.h"
#include "scene/circuit_scene.h"
#include "tools/solve_report.h"
#include "ui/authors_window.h"
#include "ui/main_menus.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

class MainWindowTest : public testing::WindowTest {
protected:
    bool shown() const override { return false; }

    template <class T = QWidget> T* control(const char* name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* name) const { return control<QLineEdit>(name)->text(); }
    QString caption(const char* name) const { return control<QLabel>(name)->text(); }
    // Replaces a field's text as a student selecting it and typing would.
    void type(const char* name, const QString& keys) {
        QLineEdit* field = control<QLineEdit>(name);
        field->selectAll();
        QTest::keyClicks(field, keys);
    }
    // Ends the edit of a field with Enter; what it brings runs once the key event is over.
    void enter(const char* name) {
        QTest::keyClick(control<QLineEdit>(name), Qt::Key_Return);
        QApplication::processEvents();
    }
    bool tinted(const char* name) const {
        return control<QLineEdit>(name)->palette().color(QPalette::Base) != QColor(255, 255, 192);
    }
    // The messages of the boxes shown, without the line that names the field.
    std::vector<std::string> box_texts() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes.boxes) {
            texts.push_back(box.text.section('\n', 0, 0).toStdString());
        }
        return texts;
    }
    // The line that names the field, of each box.
    std::vector<std::string> box_fields() const {
        std::vector<std::string> lines;
        for (const auto& box : boxes.boxes) {
            lines.push_back(box.text.section('\n', 1).toStdString());
        }
        return lines;
    }
};

TEST_F(MainWindowTest, StartUpWritesTheDefaultsWithoutAnyMessage) {
    EXPECT_EQ(text("Text1"), " 2000");
    EXPECT_EQ(text("Text2"), " 5000");
    EXPECT_EQ(text("Text3"), " 0.020");
    EXPECT_EQ(text("Text4"), " 15.00");
    EXPECT_EQ(text("Text5"), " 5.00");
    EXPECT_EQ(text("Text6"), " 47.00");
    EXPECT_EQ(text("Text7"), " 40");
    EXPECT_EQ(caption("Label31"), "1");
    EXPECT_EQ(caption("Label32"), "1");
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(tone.played.empty());
    EXPECT_TRUE(window->simulation().ready());
    EXPECT_EQ(window->state().Nt, 1920);
    EXPECT_EQ(window->windowTitle(), "Ovrelan");
    EXPECT_EQ(window->client_area()->size(), QSize(800, 480));
}

TEST_F(MainWindowTest, DefaultPanelCaptions) {
    const char separator = QLocale().decimalPoint() == "," ? ',' : '.';
    auto localised = [&](QString s) { return s.replace('.', QChar(separator)); };
    EXPECT_EQ(caption("Label12"), localised("ω=   2.9531E+02рад/c"));
    EXPECT_EQ(caption("Label15"), localised("Tv=2.1277E-02 c"));
    EXPECT_EQ(caption("Label18"), localised("δ=  5.0000E+00 1/c"));
    EXPECT_EQ(caption("Label23"), localised("Vr= 5.032E+01 Гц"));
    EXPECT_EQ(caption("Label11"), "Характеристики");
    EXPECT_EQ(caption("Label27"), "Контур RLC: колебательный режим (затухающие колебания)");
    for (int n = 12; n <= 26; ++n) {
        EXPECT_FALSE(control(QString("Label%1").arg(n).toUtf8().constData())->isHidden()) << n;
    }
    EXPECT_EQ(window->graph(GraphId::W)->windowTitle(), "W(t) — энергия конденсатора и катушки");
}

TEST_F(MainWindowTest, NegativeInductanceBeepsWarnsAndFallsBack) {
    type("Text1", "-5");
    EXPECT_TRUE(boxes.boxes.empty()) << "nothing while the student is typing";
    EXPECT_TRUE(tinted("Text1"));
    EXPECT_EQ(window->state().L, 0) << "«-» alone reads as 0, a circuit without a coil: taken";
    enter("Text1");
    EXPECT_EQ(tone.played, std::vector<int>{60});
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].title, "Ошибка");
    EXPECT_EQ(boxes.boxes[0].text, "не может быть отрицательным! Не вводите заново, а исправьте!\n"
                                   "Поле L(мкГн): в расчёте 5000");
    EXPECT_EQ(text("Text1"), "-5");
    EXPECT_EQ(window->state().L, 0.005);
    EXPECT_EQ(window->state().accepted.L, 0.005);
    EXPECT_TRUE(tinted("Text1")) << "the field keeps a text the model does not hold";
    EXPECT_TRUE(control<QLineEdit>("Text1")->toolTip().contains("не может быть отрицательным"));
}

TEST_F(MainWindowTest, ZeroIntervalIsReplacedByOne) {
    type("Text7", "0");
    enter("Text7");
    EXPECT_EQ(tone.played, std::vector<int>{300});
    EXPECT_EQ(box_texts(),
              std::vector<std::string>{"не может быть! Не вводите заново, а исправьте!"});
    EXPECT_EQ(box_fields(), std::vector<std::string>{"Поле Nmax: в расчёте 1"});
    EXPECT_EQ(text("Text7"), " 1");
    EXPECT_EQ(control<QLineEdit>("Text7")->selectedText(), " 1") << "the next key replaces it";
    EXPECT_FALSE(tinted("Text7"));
    EXPECT_EQ(window->state().Nmax, 1);
    EXPECT_EQ(window->state().Nt, 48);
}

TEST_F(MainWindowTest, EveryKeystrokeRecomputes) {
    type("Text7", "12");
    EXPECT_EQ(window->state().Nmax, 12);
    EXPECT_EQ(window->state().t_grid.size(), 12U * 48 + 1);
    QTest::keyClick(control<QLineEdit>("Text7"), Qt::Key_Backspace);
    EXPECT_EQ(window->state().Nmax, 1);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowTest, ZeroingElementsWalksTheGuards) {
    control<QLineEdit>("Text1")->setText("0"); // R-C
    control<QLineEdit>("Text5")->setText("0"); // R-C discharging
    EXPECT_TRUE(boxes.boxes.empty());
    control<QLineEdit>("Text3")->setText("0"); // capacitor alone, no source
    EXPECT_EQ(text("Text5"), " 5");
    control<QLineEdit>("Text2")->setText("0"); // nothing but a wire and the source
    EXPECT_EQ(text("Text3"), " .02");
    control<QLineEdit>("Text5")->setText("0"); // resistor without a source
    EXPECT_EQ(text("Text5"), " 5");
    EXPECT_EQ(box_texts(), (std::vector<std::string>{
                               "Мгновенная разрядка конденсатора бесконечным током!",
                               "Это короткое замыкание!",
                               "А откуда ток возьмется?!",
                           }));
    EXPECT_EQ(box_fields(), (std::vector<std::string>{"Поле ε(B): исправлено на 5",
                                                      "Поле R(Ом): исправлено на 0.02",
                                                      "Поле ε(B): исправлено на 5"}));
    for (const auto& box : boxes.boxes) {
        EXPECT_EQ(box.title, "Предупреждение");
    }
    EXPECT_TRUE(tone.played.empty());
    const SimulationState& s = window->state();
    EXPECT_EQ(s.L, 0);
    EXPECT_EQ(s.C, 0);
    EXPECT_EQ(s.R, 0.02);
    EXPECT_EQ(s.Em, 5);
    EXPECT_TRUE(control("Frame2")->isHidden()) << "a resistor alone has no fields";
    EXPECT_TRUE(control("Label4")->isHidden());
    EXPECT_TRUE(control("Text4")->isHidden());
}

TEST_F(MainWindowTest, GuardSixThenSevenInsideOneEdit) {
    control<QLineEdit>("Text1")->setText("0"); // R-C
    control<QLineEdit>("Text5")->setText("0"); // discharging
    control<QLineEdit>("Text6")->setText("0"); // on a constant source
    EXPECT_TRUE(boxes.boxes.empty());
    control<QLineEdit>("Text3")->setText("0"); // guard 6, then guard 7 in the inner pass
    EXPECT_EQ(text("Text6"), " 50");
    EXPECT_EQ(text("Text5"), " 5");
    ASSERT_EQ(boxes.boxes.size(), 2U);
    EXPECT_TRUE(boxes.boxes[0].text.startsWith("Напряжение скачком меняется от Uo до - Em"));
    EXPECT_EQ(box_texts()[1], "Мгновенная разрядка конденсатора бесконечным током!");
    EXPECT_FALSE(control("Check_C")->isHidden()) << "the capacitor alone on AC";
    EXPECT_TRUE(control("Check_R")->isHidden());
}

TEST_F(MainWindowTest, ImpossibleValueIsRefusedAndPutBack) {
    const std::vector<double> uc_before = window->state().Uc_t;
    control<QLineEdit>("Text6")->setText("1e308");
    EXPECT_EQ(box_texts(), std::vector<std::string>{
                               "Расчёт с такими значениями невозможен! Значение не принято."});
    EXPECT_EQ(box_fields(), std::vector<std::string>{"Поле v(Гц): оставлено 47"});
    EXPECT_EQ(boxes.boxes[0].title, "Предупреждение");
    EXPECT_EQ(text("Text6"), " 47");
    EXPECT_EQ(window->state().nu, 47);
    EXPECT_EQ(window->state().Uc_t, uc_before);
}

TEST_F(MainWindowTest, SwitchingToRcClearsTheCoilBoxesAndBackTicksThemAgain) {
    auto* check_l = control<QCheckBox>("Check_L");
    auto* check_b = control<QCheckBox>("Check_B");
    check_l->setChecked(true);
    check_b->setChecked(true);
    control<QLineEdit>("Text1")->setText("0");
    EXPECT_TRUE(check_l->isHidden());
    EXPECT_FALSE(check_l->isChecked());
    EXPECT_TRUE(check_b->isHidden());
    EXPECT_FALSE(check_b->isChecked());
    EXPECT_TRUE(caption("Label13").startsWith("ωc= "));
    EXPECT_TRUE(control("Label14")->isHidden());
    control<QLineEdit>("Text1")->setText("2000");
    EXPECT_FALSE(check_l->isHidden());
    EXPECT_TRUE(check_l->isChecked()) << "the program cleared it; the coil is back";
    EXPECT_TRUE(check_b->isChecked());
    EXPECT_NE(window->graph_windows().shown_view(GraphKind::UL), nullptr);
    EXPECT_TRUE(caption("Label13").startsWith("ωo= "));
    // A box the student clears stays cleared.
    check_l->click();
    EXPECT_FALSE(check_l->isChecked());
    control<QLineEdit>("Text1")->setText("0");
    control<QLineEdit>("Text1")->setText("2000");
    EXPECT_FALSE(check_l->isChecked());
}

TEST_F(MainWindowTest, ClearingAFieldOnTheWayToANewValueKeepsItsGraph) {
    auto* check_r = control<QCheckBox>("Check_R");
    check_r->setChecked(true);
    control<QLineEdit>("Text3")->selectAll();
    QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Backspace); // R = 0 for a moment
    EXPECT_FALSE(check_r->isChecked());
    type("Text3", "2");
    EXPECT_TRUE(check_r->isChecked());
    EXPECT_NE(window->graph_windows().shown_view(GraphKind::Ur), nullptr);
}

TEST_F(MainWindowTest, NoResistorHidesAndClearsItsGraphBox) {
    auto* check_r = control<QCheckBox>("Check_R");
    check_r->setChecked(true);
    control<QLineEdit>("Text3")->setText("0");
    EXPECT_TRUE(check_r->isHidden());
    EXPECT_FALSE(check_r->isChecked());
    control<QLineEdit>("Text3")->setText("1");
    EXPECT_FALSE(check_r->isHidden());
}

TEST_F(MainWindowTest, LayoutFollowsTheClientArea) {
    window->show();
    window->client_area()->resize(800, 560);
    EXPECT_EQ(control("Text1")->geometry(), QRect(730, 44, 60, 24));
    EXPECT_EQ(control("Frame1")->geometry(), QRect(670, 282, 66, 106));
    EXPECT_EQ(control("CmdOK")->geometry(), QRect(700, 526, 60, 24));
    EXPECT_EQ(control("Picture1")->geometry(), QRect(10, 10, 650, 404));
    EXPECT_EQ(control("Picture1")->size(), QSize(650, 404));
    window->hide();
}

TEST_F(MainWindowTest, ResizeRedrawsTheSceneAndKeepsTheRunPosition) {
    window->show();
    window->simulation().show_position(100);
    window->client_area()->resize(900, 500);
    EXPECT_EQ(window->state().k_now, 100);
    EXPECT_EQ(window->scene()->layout().m, 47) << "750 / 16";
    EXPECT_EQ(control("Picture1")->width(), 750);
    window->hide();
}

// Qt's warnings while a test runs, but for the offscreen platform's own limitations.
std::vector<std::string> warnings;
void collect_warnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg &&
        !text.startsWith("This plugin does not support")) {
        warnings.push_back(text.toStdString());
    }
}

TEST_F(MainWindowTest, AnySizeFromTinyToLargeKeepsTheControlsApartWithoutAWarning) {
    window->show();
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect_warnings);
    const ClientSize minimum = minimum_client_size();
    for (const int w : {1, 50, 155, 156, 300, 799, 800, 1024, 1600, 2500}) {
        for (const int h : {1, 60, 300, 455, 456, 768, 1400}) {
            window->resize(w, h);
            for (const GraphVariant& v : graph_variants()) {
                window->graph(v.id)->resize(w / 2, h / 3);
            }
            QApplication::processEvents();
            const QSize client = window->client_area()->size();
            ASSERT_GE(client.width(), minimum.width) << w << " x " << h;
            ASSERT_GE(client.height(), minimum.height) << w << " x " << h;
            const MainLayout layout = arrange_main_window(client.width(), client.height());
            EXPECT_TRUE(overlapping_controls(layout).empty()) << w << " x " << h;
            EXPECT_EQ(control("Picture1")->geometry(),
                      QRect(10, 10, static_cast<int>(layout.scene_width),
                            static_cast<int>(layout.scene_height)));
        }
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    window->hide();
}

TEST_F(MainWindowTest, SpeedScrollBars) {
    control<QScrollBar>("HScroll1")->setValue(7);
    control<QScrollBar>("HScroll2")->setValue(12);
    EXPECT_EQ(window->run()->carrier_delay(), 7);
    EXPECT_EQ(window->run()->calc_speedup(), 12);
    EXPECT_EQ(caption("Label31"), "7");
    EXPECT_EQ(caption("Label32"), "12");
    control<QScrollBar>("HScroll2")->setValue(40);
    EXPECT_EQ(window->run()->calc_speedup(), 12) << "the range ends at 12";
}

TEST_F(MainWindowTest, ExitAsksAndNoKeepsEverything) {
    window->show();
    control<QLineEdit>("Text7")->setText("3");
    boxes.answer_yes = false;
    window->findChild<QAction*>("mnuFileExit")->trigger();
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].title, "На Выход");
    EXPECT_EQ(boxes.boxes[0].text, "Вы абсолютно уверены?");
    EXPECT_TRUE(boxes.boxes[0].question);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->state().Nmax, 3);
    EXPECT_EQ(text("Text7"), "3");

    boxes.answer_yes = true;
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, YesClosesTheAuthorsWindowToo) {
    window->show();
    window->findChild<QAction*>("mnuHelpAvtors")->trigger();
    ASSERT_NE(window->authors_window(), nullptr);
    EXPECT_TRUE(window->authors_window()->isVisible());
    boxes.answer_yes = true;
    window->close();
    EXPECT_FALSE(window->authors_window()->isVisible());
}

TEST_F(MainWindowTest, MenusOpenTheDocuments) {
    const char* const actions[] = {"mnuFilespravka",  "mnuFilespravka1", "mnuFilespravka2",
                                   "mnuFilespravka3", "mnuFilespravka4", "mnuHelpUprav"};
    for (const char* name : actions) {
        auto* action = window->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_FALSE(action->icon().isNull()) << name;
        action->trigger();
    }
    // In the language of the windows: tests/ui/document_menus_test.cpp has both.
    EXPECT_EQ(documents.opened.size(), std::size(actions));
    window->findChild<QAction*>("mnuHelpInstruction")->trigger();
    EXPECT_EQ(documents.edited.size(), 1u);
    EXPECT_TRUE(boxes.boxes.empty());
}

// The wheel and the arrow keys step a field's value, each step taken at once: rolling R up along
// 1-2-5 with Ctrl turns the default circuit from oscillating to aperiodic without a single box;
// a step the checks would refuse does not happen (the field flashes, the value stays).
TEST_F(MainWindowTest, RollingAValueStepsItAndTheCircuitFollows) {
    const auto wheel = [&](const char* name, int notches, Qt::KeyboardModifiers modifiers) {
        QLineEdit* field = control<QLineEdit>(name);
        for (int i = 0; i < std::abs(notches); ++i) {
            const QPointF at(field->width() / 2.0, field->height() / 2.0);
            QWheelEvent event(at, field->mapToGlobal(at), {}, {0, notches > 0 ? 120 : -120},
                              Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(field, &event);
        }
    };
    std::vector<std::string> captions;
    std::vector<std::string> r_texts;
    for (int i = 0; i < 7; ++i) { // 0.02 → 0.05 → 0.1 → 0.2 → 0.5 → 1 → 2 → 5
        wheel("Text3", 1, Qt::ControlModifier);
        captions.push_back(caption("Label27").toStdString());
        r_texts.push_back(text("Text3").toStdString());
    }
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(r_texts.back(), "5.000");
    EXPECT_DOUBLE_EQ(window->state().R, 5);
    EXPECT_NE(captions[4].find("колебательный режим"), std::string::npos) << captions[4];
    EXPECT_NE(captions[6].find("апериодический"), std::string::npos) << captions[6];
    // Keys: Up and Down by the last significant digit, PageUp by ten of them.
    QLineEdit* uo = control<QLineEdit>("Text4");
    QTest::keyClick(uo, Qt::Key_Up);
    EXPECT_EQ(uo->text(), "16.00");
    QTest::keyClick(uo, Qt::Key_PageDown);
    EXPECT_EQ(uo->text(), "6.00");
    EXPECT_DOUBLE_EQ(window->state().Uo, 6);
    // Down from no resistor: a negative resistance is refused, without a box.
    control<QLineEdit>("Text3")->setText("0");
    QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Down);
    EXPECT_EQ(text("Text3"), "0");
    EXPECT_EQ(window->state().R, 0);
    EXPECT_TRUE(tinted("Text3")) << "a short flash";
    // R rolled down along 1-2-5 stops while the narrow field still shows the whole value, and
    // never below a micro-ohm.
    QLineEdit* r = control<QLineEdit>("Text3");
    r->setText("0.020");
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(r, Qt::Key_Down, Qt::ControlModifier);
    }
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_GE(window->state().R, 1e-6);
    EXPECT_LT(window->state().R, 1e-3);
    EXPECT_LE(r->fontMetrics().horizontalAdvance(r->text()), r->contentsRect().width())
        << r->text().toStdString();
    EXPECT_EQ(read_number(r->text().toStdString()), window->state().R);
    // Too many points for Nmax: the step stops at the last value taken.
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(control<QLineEdit>("Text7"), Qt::Key_Up, Qt::ControlModifier);
    }
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_LT(window->state().Nmax, 100000);
    EXPECT_GT(window->state().Nmax, 1000);
    EXPECT_EQ(text("Text7").toDouble(), window->state().Nmax);
}

TEST_F(MainWindowTest, AboutAndRegistrationBoxes) {
    window->findChild<QAction*>("mnuHelpAbout")->trigger();
    window->findChild<QAction*>("mnuHelpAbout2")->trigger();
    ASSERT_EQ(boxes.boxes.size(), 2U);
    EXPECT_EQ(boxes.boxes[0].title, "О ПРОГРАММЕ");
    const QStringList lines = boxes.boxes[0].text.split('\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], "Программа моделирует процессы в электрической цепи");
    EXPECT_EQ(lines[1], "с резистором, конденсатором, катушкой индуктивности");
    EXPECT_EQ(lines[2], "и внешним источником постоянной или переменной ЭДС.");
    ASSERT_TRUE(lines[3].startsWith("Версия ")) << lines[3].toStdString();
    EXPECT_EQ(lines[4], "История версий:");
    // The history is up to date: its last entry is the version shown.
    const QString version = lines[3].mid(7);
    QString last_entry;
    for (const QString& line : lines.mid(5)) {
        if (line.contains(" — ")) {
            last_entry = line;
        }
    }
    EXPECT_TRUE(last_entry.startsWith(version + " — ")) << last_entry.toStdString();
    EXPECT_EQ(boxes.boxes[1].title, "РЕГИСТРАЦИЯ");
    EXPECT_FALSE(boxes.boxes[1].text.isEmpty());
}

TEST_F(MainWindowTest, AuthorsWindowIsOneAndRecentres) {
    window->show();
    window->move(40, 30);
    window->findChild<QAction*>("mnuHelpAvtors")->trigger();
    AuthorsWindow* first = window->authors_window();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "Авторы");
    EXPECT_TRUE(first->label()->text().contains("Ovrelan"));
    EXPECT_EQ(first->pos(), centred_over(window->frameGeometry(), first->frameGeometry().size()));
    window->move(200, 120);
    window->findChild<QAction*>("mnuHelpAvtors")->trigger();
    EXPECT_EQ(window->authors_window(), first);
    EXPECT_EQ(first->pos(), centred_over(window->frameGeometry(), first->frameGeometry().size()));
    first->close();
    window->hide();
}

// Typing one key at a time, then Enter: the field ends with exactly what was typed (taken) or
// the value from before the edit written back after one message naming the field, never the two
// spliced, and never a value taken on the way.
struct KeystrokeCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> before; // written by the program first
    const char* field;
    const char* keys;
    const char* shown; // the field's text after Enter
    std::size_t boxes; // message boxes after Enter
    double Parameters::*param;
    double value;
    const char* names = ""; // the line of the box that names the field
};

void PrintTo(const KeystrokeCase& c, std::ostream* os) {
    *os << c.name;
}

class Keystrokes : public MainWindowTest, public ::testing::WithParamInterface<KeystrokeCase> {};

TEST_P(Keystrokes, NeverSpliceTheTypedTextWithAWriteBack) {
    const KeystrokeCase& c = GetParam();
    for (const auto& [name, text] : c.before) {
        control<QLineEdit>(name)->setText(text);
    }
    boxes.boxes.clear();
    QLineEdit* field = control<QLineEdit>(c.field);
    field->setFocus();
    field->selectAll();
    for (const QChar key : QString(c.keys)) {
        QTest::keyClicks(field, QString(key));
        EXPECT_TRUE(boxes.boxes.empty()) << "no message while typing";
        EXPECT_TRUE(field->text().startsWith(QString(c.keys).left(field->text().size())))
            << field->text().toStdString();
    }
    enter(c.field);
    EXPECT_EQ(field->text(), c.shown);
    EXPECT_EQ(boxes.boxes.size(), c.boxes);
    if (c.boxes > 0) {
        EXPECT_EQ(box_fields().back(), c.names);
    }
    EXPECT_EQ(window->state().*c.param, c.value);
    EXPECT_EQ(window->state().accepted, static_cast<const Parameters&>(window->state()));
    if (c.shown != std::string(c.keys)) {
        EXPECT_FALSE(tinted(c.field)) << "a text written back is the model's value";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Typed, Keystrokes,
    ::testing::Values(
        KeystrokeCase{"huge_coil",
                      {},
                      "Text1",
                      "1e308",
                      " 2000",
                      1,
                      &Parameters::L,
                      0.002,
                      "Поле L(мкГн): оставлено 2000"},
        KeystrokeCase{"tiny_coil",
                      {},
                      "Text1",
                      "1e-320",
                      " 2000",
                      1,
                      &Parameters::L,
                      0.002,
                      "Поле L(мкГн): оставлено 2000"},
        KeystrokeCase{"too_many_points",
                      {},
                      "Text7",
                      "100000",
                      " 40",
                      1,
                      &Parameters::Nmax,
                      40,
                      "Поле Nmax: оставлено 40"},
        KeystrokeCase{"infinite_interval",
                      {},
                      "Text7",
                      "1e400",
                      " 40",
                      1,
                      &Parameters::Nmax,
                      40,
                      "Поле Nmax: оставлено 40"},
        KeystrokeCase{"lone_resistor_half_ohm",
                      {{"Text1", "0"}, {"Text2", "0"}},
                      "Text3",
                      "0.5",
                      "0.5",
                      0,
                      &Parameters::R,
                      0.5},
        KeystrokeCase{"tiny_interval", {}, "Text7", "0.001", "0.001", 0, &Parameters::Nmax, 0.001},
        KeystrokeCase{
            "decimal_comma", {}, "Text1", "2,5", "2,5", 0, &Parameters::L, 2.5 * 0.000001},
        KeystrokeCase{"negative_interval",
                      {},
                      "Text7",
                      "-3",
                      " 1",
                      1,
                      &Parameters::Nmax,
                      1,
                      "Поле Nmax: в расчёте 1"},
        KeystrokeCase{"underflow",
                      {},
                      "Text2",
                      "1e-320",
                      " 5000",
                      1,
                      &Parameters::C,
                      0.005,
                      "Поле С(мкФ): оставлено 5000"}),
    testing::CaseName{});

TEST_F(MainWindowTest, ATextWaitingForItsEditSaysWhyAndKeepsTheLastState) {
    type("Text6", "5000");
    const std::vector<double> uc = window->state().Uc_t;
    QTest::keyClick(control<QLineEdit>("Text6"), Qt::Key_0);
    EXPECT_TRUE(tinted("Text6"));
    EXPECT_TRUE(control<QLineEdit>("Text6")->toolTip().contains("v(Гц) не больше 26213"))
        << control<QLineEdit>("Text6")->toolTip().toStdString();
    EXPECT_EQ(window->state().nu, 5000) << "the last value taken";
    EXPECT_EQ(window->state().Uc_t, uc);
    type("Text6", "500");
    EXPECT_FALSE(tinted("Text6"));
    EXPECT_EQ(window->state().nu, 500);
}

TEST_F(MainWindowTest, StartFinishesTheEditFirst) {
    type("Text7", "0");
    control<QPushButton>("CmdOK")->click();
    EXPECT_EQ(box_texts(),
              std::vector<std::string>{"не может быть! Не вводите заново, а исправьте!"});
    EXPECT_EQ(text("Text7"), " 1");
    EXPECT_EQ(window->run()->state(), RunState::running);
    window->run()->abort();
}

// The keyboard reaches everything: F5 starts and stops a run and the «Расчёт» menu shows it,
// every menu item has a mnemonic, Tab reaches the speed bars.
TEST_F(MainWindowTest, EverythingByKeyboard) {
    window->show();
    QApplication::setActiveWindow(window.get());
    QAction* start = window->findChild<QAction*>("mnuRunStart");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(window->findChild<QMenu*>("mnuRun")->actions().contains(start));
    start->trigger();
    EXPECT_EQ(window->run()->state(), RunState::running);
    start->trigger();
    EXPECT_EQ(window->run()->state(), RunState::idle);
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                EXPECT_TRUE(action->text().contains('&')) << action->text().toStdString();
            }
        }
    }
    std::vector<std::string> reached;
    window->field(Field::L)->setFocus();
    for (int i = 0; i < 30; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr) {
            reached.push_back(focus->objectName().toStdString());
        }
        QTest::keyClick(focus != nullptr ? focus : window.get(), Qt::Key_Tab);
    }
    for (const char* name : {"Text1", "Text7", "Check_C", "CmdOK", "HScroll1", "HScroll2"}) {
        EXPECT_NE(std::find(reached.begin(), reached.end(), name), reached.end()) << name;
    }
    window->hide();
}

// With a Latin layout, Alt and the key of a menu's Cyrillic mnemonic open it: Ф shares its key
// with A.
TEST(MainMenus, LatinKeysOfTheCyrillicMnemonics) {
    EXPECT_EQ(latin_key_of(u'Ф'), 'A');
    EXPECT_EQ(latin_key_of(u'и'), 'B');
    EXPECT_EQ(latin_key_of(u'Р'), 'H');
    EXPECT_EQ(latin_key_of(u'Г'), 'U');
    EXPECT_EQ(latin_key_of(u'П'), 'G');
    EXPECT_TRUE(latin_key_of('Q').isNull());
    EXPECT_EQ(with_mnemonic("Биения", u'Б'), "&Биения");
    EXPECT_EQ(with_mnemonic("Контур без потерь (LC)", u'Н'), "Ко&нтур без потерь (LC)");
    EXPECT_EQ(with_mnemonic("Резонанс", u'Ж'), "Резонанс");
}

TEST_F(MainWindowTest, EveryNameTheLayoutPlacesIsAWidget) {
    for (const Placement& p : arrange_main_window(800, 480).controls) {
        EXPECT_NE(window->client_area()->findChild<QWidget*>(QString::fromStdString(p.name),
                                                             Qt::FindDirectChildrenOnly),
                  nullptr)
            << p.name;
    }
}

// The same texts typed into the window's fields one key at a time, each edit ended with Enter,
// in the order of the fields, and given to ovrelan-solve leave the same model: one recompute
// chain behind both, and a refusal goes back to the value from before the edit in both. (The
// cases keep one configuration along the way: a field that a configuration does not compute
// keeps the value of an earlier one, so typing through another configuration leaves other
// leftovers; and a keystroke on the way may visit another regime, whose leftovers differ: the
// parameters, the values to go back to and the whole solution are compared.)
struct TypedCase {
    const char* name;
    std::vector<std::pair<Field, const char*>> typed;
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << c.name;
}

class WindowAndSolver : public testing::WindowTest,
                        public ::testing::WithParamInterface<TypedCase> {
protected:
    bool shown() const override { return false; }
};

TEST_P(WindowAndSolver, LeaveTheSameState) {
    FieldTexts texts;
    for (const auto& [field, text] : GetParam().typed) {
        QLineEdit* f = window->field(field);
        f->setFocus();
        f->selectAll();
        for (const QChar key : QString(text)) {
            QTest::keyClicks(f, QString(key));
        }
        QTest::keyClick(f, Qt::Key_Return);
        QApplication::processEvents();
        texts[static_cast<std::size_t>(field)] = text;
    }
    const SimulationState& typed = window->state();
    const SimulationState solved = run_solve(texts).state;
    EXPECT_EQ(static_cast<const Parameters&>(typed), static_cast<const Parameters&>(solved));
    EXPECT_EQ(typed.accepted, solved.accepted);
    EXPECT_EQ(typed.committed, solved.committed);
    EXPECT_EQ(typed.t_grid, solved.t_grid);
    EXPECT_EQ(typed.Uc_t, solved.Uc_t);
    EXPECT_EQ(typed.I_t, solved.I_t);
    EXPECT_EQ(typed.Ur_t, solved.Ur_t);
    EXPECT_EQ(typed.UL_t, solved.UL_t);
    EXPECT_EQ(typed.W_t, solved.W_t);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, WindowAndSolver,
    ::testing::Values(TypedCase{"defaults", {}}, TypedCase{"negative_coil", {{Field::L, "-5"}}},
                      TypedCase{"zero_interval", {{Field::Nmax, "0"}}},
                      TypedCase{"too_many_points", {{Field::Nmax, "1e6"}}},
                      TypedCase{"huge_frequency", {{Field::nu, "1e308"}}},
                      TypedCase{"lc", {{Field::R, "0"}}}, TypedCase{"rc", {{Field::L, "0"}}},
                      TypedCase{"rl", {{Field::C, "0"}}},
                      TypedCase{"decimal_comma", {{Field::R, "1,5"}}},
                      TypedCase{"no_charge_no_source", {{Field::Uo, "0"}, {Field::Em, "0"}}},
                      TypedCase{"rc_discharge", {{Field::L, "0"}, {Field::Em, "0"}}},
                      TypedCase{"fractional_rc", {{Field::L, "0"}, {Field::Nmax, "2.55"}}},
                      TypedCase{"aperiodic_dc", {{Field::R, "100"}, {Field::nu, "0"}}},
                      TypedCase{"too_many_points_typed", {{Field::Nmax, "100000"}}},
                      TypedCase{"infinite_interval", {{Field::Nmax, "1e400"}}},
                      TypedCase{"huge_coil", {{Field::L, "1e308"}}},
                      TypedCase{"tiny_coil", {{Field::L, "1e-320"}}},
                      TypedCase{"tiny_capacitor", {{Field::C, "1e-320"}}}),
    testing::CaseName{});

TEST_F(MainWindowTest, EveryExampleLoadsWithoutAMessageAndNamesItsRegime) {
    const QList<QAction*> items = window->findChild<QMenu*>("mnuExamples")->actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(examples().size()));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const Example& example = examples()[static_cast<std::size_t>(i)];
        items[i]->trigger();
        EXPECT_TRUE(boxes.boxes.empty()) << example.name;
        for (std::size_t k = 0; k < 7; ++k) {
            EXPECT_EQ(window->field(static_cast<Field>(k))->text().toStdString(), example.texts[k]);
        }
        EXPECT_EQ(configuration(window->state()), example.configuration) << example.name;
        EXPECT_EQ(caption("Label27").toStdString(),
                  circuit_caption(example.configuration, example.regime));
    }
}

TEST_F(MainWindowTest, ATaskIsSavedAndOpenedAgain) {
    type("Text1", "2,5");
    enter("Text1");
    const QString path = QDir::temp().filePath("ovrelan_main_window_test.ovrelan");
    dialogs.answer = "Найдите период.";
    dialogs.save_as = path;
    window->findChild<QAction*>("mnuFileSaveTask")->trigger();
    ASSERT_TRUE(QFile::exists(path));
    window->findChild<QMenu*>("mnuExamples")->actions().at(1)->trigger();
    ASSERT_EQ(text("Text1"), "2000");
    dialogs.open = path;
    window->findChild<QAction*>("mnuFileOpenTask")->trigger();
    EXPECT_EQ(text("Text1"), "2,5");
    EXPECT_EQ(window->state().L, 2.5 * 0.000001);
    ASSERT_EQ(boxes.boxes.size(), 1U) << "the comment for the student";
    EXPECT_EQ(boxes.boxes[0].title, "Задача");
    EXPECT_EQ(boxes.boxes[0].text, "Найдите период.");
    QFile::remove(path);
}

// A comment too long for a task file is refused before a file is chosen, and nothing is written;
// the next «Сохранить задачу» offers it again, to be shortened, and then saves it, blanks at the
// ends of its lines included.
TEST_F(MainWindowTest, ACommentTooLongIsRefusedBeforeAFileIsChosen) {
    const QString path = QDir::temp().filePath("ovrelan_long_comment.ovrelan");
    QFile::remove(path);
    QString comment;
    for (int i = 0; i < 3000; ++i) {
        comment += (i == 0 ? "" : "\n") + QString("Строка %1  ").arg(i, 4, 10, QChar('0'));
    }
    dialogs.answer = comment;
    dialogs.save_as = path;
    window->findChild<QAction*>("mnuFileSaveTask")->trigger();
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].title, "Ошибка");
    EXPECT_EQ(boxes.boxes[0].text.toStdString(),
              "Задача не сохранена: с этим комментарием файл задачи занял бы 89 КиБ, а задача "
              "занимает не больше 64 КиБ; сократите комментарий. Комментарий будет предложен "
              "снова, когда вы опять выберете «Сохранить задачу».");
    EXPECT_TRUE(dialogs.suggestions.isEmpty()) << "no file dialog";
    EXPECT_FALSE(QFile::exists(path));

    dialogs.answer.reset(); // the comment offered is kept as it is: refused again
    window->findChild<QAction*>("mnuFileSaveTask")->trigger();
    EXPECT_EQ(boxes.boxes.size(), 2U);
    EXPECT_FALSE(QFile::exists(path));

    const QString shorter = comment.left(comment.indexOf("Строка 1000"));
    dialogs.answer = shorter;
    window->findChild<QAction*>("mnuFileSaveTask")->trigger();
    EXPECT_EQ(boxes.boxes.size(), 2U);
    ASSERT_TRUE(QFile::exists(path));
    dialogs.open = path;
    window->findChild<QAction*>("mnuFileOpenTask")->trigger();
    ASSERT_EQ(boxes.boxes.size(), 3U);
    EXPECT_EQ(boxes.boxes[2].title, "Задача");
    EXPECT_EQ(boxes.boxes[2].text, shorter) << "the blanks at the ends of the lines too";
    QFile::remove(path);
}

// An edit taken as it was typed and left is finished, even where the focus leaving it goes
// unnoticed (an inactive window here): a later refusal in another field puts back only that
// field.
TEST_F(MainWindowTest, ARefusalPutsBackOnlyTheFieldItRefuses) {
    window->show();
    QLineEdit* coil = control<QLineEdit>("Text1");
    coil->setFocus();
    coil->selectAll();
    QTest::keyClicks(coil, "3000");
    QTest::keyClick(coil, Qt::Key_Tab);
    QApplication::processEvents();
    QLineEdit* nmax = control<QLineEdit>("Text7");
    nmax->setFocus();
    nmax->selectAll();
    QTest::keyClicks(nmax, "100000");
    enter("Text7");
    EXPECT_EQ(box_fields(), std::vector<std::string>{"Поле Nmax: оставлено 40"});
    EXPECT_EQ(window->state().L, 3000 * 0.000001);
    EXPECT_EQ(text("Text1"), "3000");
    EXPECT_EQ(window->state().Nmax, 40);
    window->hide();
}

// Saving while a refused text still waits in its field: the refusal comes first, before any
// dialog, and the file holds what the model holds after it.
TEST_F(MainWindowTest, SavingFinishesTheEditFirst) {
    QLineEdit* nmax = control<QLineEdit>("Text7");
    nmax->setFocus();
    nmax->selectAll();
    for (const QChar key : QString("100000")) {
        QTest::keyClicks(nmax, QString(key));
    }
    ASSERT_EQ(window->state().Nmax, 10000) << "the last keystroke taken on the way";
    boxes.while_open = [this] { EXPECT_TRUE(dialogs.asked.empty()) << "a dialog before the box"; };
    const QString path = QDir::temp().filePath("ovrelan_pending_edit");
    dialogs.save_as = path; // no extension: the dialog adds it
    window->findChild<QAction*>("mnuFileSaveTask")->trigger();
    boxes.while_open = nullptr;
    ASSERT_EQ(box_texts().size(), 1U);
    EXPECT_EQ(box_fields()[0], "Поле Nmax: оставлено 40");
    QFile file(path + ".ovrelan");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "saved with its extension";
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains("\nNmax = 40\n"));
    file.remove();
}

// What a task file holds is checked before anything changes: a value the model would correct
// keeps the task closed, and the box names the file, the line and the field.
TEST_F(MainWindowTest, ATaskWithAValueTheModelWouldCorrectIsNotOpened) {
    const QString path = QDir::temp().filePath("ovrelan_negative_task.ovrelan");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF# задача\r\nL = 2000\r\nC = -5\r\nR = 1\r\nUo = 15\r\nEm = 5\r\n"
               "nu = 47\r\nNmax = 10\r\n");
    file.close();
    const SimulationState before = window->state();
    EXPECT_FALSE(window->open_task(path));
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].text,
              "Задача из файла «" + path +
                  "» не открыта: строка 3: поле С(мкФ): не может быть отрицательным! Не вводите "
                  "заново, а исправьте! Ничего не изменилось.");
    testing::expect_same_state(window->state(), before);
    QFile::remove(path);
}

TEST_F(MainWindowTest, ABrokenTaskChangesNothing) {
    const QString path = QDir::temp().filePath("ovrelan_broken_task.ovrelan");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("L = 2000\nC = много\n");
    file.close();
    const SimulationState before = window->state();
    const QString shown = text("Text2");
    EXPECT_FALSE(window->open_task(path));
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].title, "Ошибка");
    EXPECT_TRUE(boxes.boxes[0].text.contains("строка 2: «много» — не число"))
        << boxes.boxes[0].text.toStdString();
    EXPECT_EQ(text("Text2"), shown);
    testing::expect_same_state(window->state(), before);
    QFile::remove(path);
}

// Where the locale writes a decimal comma, the results dialog offers the table a spreadsheet of
// that locale opens directly: semicolons and decimal commas.
TEST(MainWindowLocale, TheResultsDialogOffersTheLocalesTable) {
    testing::RecordingPlatform recording;
    MainWindow window(recording.platform);
    for (const auto& [locale, offered] :
         {std::pair{QLocale(QLocale::Russian, QLocale::Russia), 1}, std::pair{QLocale::c(), 0}}) {
        QLocale::setDefault(locale);
        window.findChild<QAction*>("mnuFileSaveResults")->trigger(); // cancelled: no file
        EXPECT_EQ(recording.dialogs.offered_first.back(), offered) << locale.name().toStdString();
    }
    QLocale::setDefault(QLocale::c());
    recording.boxes.answer_yes = true;
    window.close();
}

TEST(MainWindowLocale, CommaLocaleKeepsPointsInTheFields) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    testing::RecordingPlatform recording;
    MainWindow window(recording.platform);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(window.findChild<QLineEdit*>("Text3")->text(), " 0.020");
    EXPECT_EQ(window.findChild<QLabel*>("Label12")->text(), "ω=   2,9531E+02рад/c");
}

} // namespace
} // namespace ovrelan
