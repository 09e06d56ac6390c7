// The English screen: with the English translation installed as the program installs it at
// start, no text the windows show (menus, items, labels, buttons, frames, window titles,
// tooltips) has a Cyrillic letter, except the names kept in both languages. And the Russian
// screen keeps its texts.
#include "chain/recompute.h"
#include "graphs/graph_export.h"
#include "graphs/graph_view.h"
#include "io/measured_data.h"
#include "io/system_errors.h"
#include "io/task_file.h"
#include "io/worksheet.h"
#include "model/circuit_summary.h"
#include "model/defaults.h"
#include "model/sweep_values.h"
#include "model/translation.h"
#include "platform/locale.h"
#include "platform/translations.h"
#include "support/window_fixture.h"
#include "ui/application.h"
#include "ui/family_dialog.h"
#include "ui/fit_dialog.h"
#include "ui/graph_windows.h"
#include "ui/lab_report_files.h"
#include "ui/measured_actions.h"
#include "ui/measured_preview_dialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <cerrno>
#include <functional>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace ovrelan {
namespace {

// Names the program writes the same way in both languages.
const char* const kept_names[] = {
    "&Русский", // the language item names each language by its own name
    "Rк",       // the critical resistance, as the English documents write it
};

bool has_cyrillic(QString text) {
    for (const char* name : kept_names) {
        text.remove(QString::fromUtf8(name));
    }
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Cyrillic) {
            return true;
        }
    }
    return false;
}

// Every text a person can see in the windows, each with where it was found.
std::vector<std::pair<QString, QString>> visible_texts() {
    std::vector<std::pair<QString, QString>> texts;
    const auto add = [&texts](const QObject* o, const char* what, const QString& text) {
        texts.emplace_back(
            QString("%1 %2 (%3)").arg(o->metaObject()->className(), o->objectName(), what), text);
    };
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (const QWidget* w : widgets) {
            if (w->isWindow()) {
                add(w, "window title", w->windowTitle());
            }
            add(w, "tooltip", w->toolTip());
            if (const auto* label = qobject_cast<const QLabel*>(w)) {
                add(w, "text", label->text());
            }
            if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
                add(w, "text", button->text());
            }
            if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
                add(w, "title", frame->title());
            }
            if (const auto* menu = qobject_cast<const QMenu*>(w)) {
                add(w, "title", menu->title());
            }
            if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
                for (int i = 0; i < combo->count(); ++i) {
                    add(w, "item", combo->itemText(i));
                }
            }
            if (const auto* table = qobject_cast<const QTableView*>(w);
                table != nullptr && table->model() != nullptr) {
                const QAbstractItemModel* m = table->model();
                for (int c = 0; c < m->columnCount(); ++c) {
                    add(w, "header", m->headerData(c, Qt::Horizontal).toString());
                    for (int r = 0; r < m->rowCount(); ++r) {
                        add(w, "cell", m->index(r, c).data().toString());
                    }
                }
            }
        }
        QList<QAction*> actions = top->findChildren<QAction*>();
        for (const QWidget* w : widgets) {
            actions += w->actions();
        }
        for (const QAction* a : actions) {
            add(a, "text", a->text());
            if (a->toolTip() != QString(a->text()).remove('&')) {
                add(a, "tooltip", a->toolTip());
            }
        }
    }
    return texts;
}

class EnglishScreen : public testing::WindowTest {
protected:
    void SetUp() override {
        translator_.reset(english_translator(nullptr));
        ASSERT_NE(translator_, nullptr) << "the English translation is not embedded";
        QCoreApplication::installTranslator(translator_.get());
        translate_core_texts();
        write_numbers_of(Language::english);
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        QCoreApplication::removeTranslator(translator_.get());
        install_text_translator(nullptr);
        write_numbers_of(Language::russian);
    }
    std::unique_ptr<QTranslator> translator_;
};

TEST_F(EnglishScreen, NoVisibleTextIsCyrillic) {
    for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"}) {
        ASSERT_NE(window->findChild<QLineEdit*>(field), nullptr) << field;
    }
    const auto texts = visible_texts();
    EXPECT_GT(texts.size(), 100u);
    const QRegularExpression decimal_comma("\\d,\\d");
    for (const auto& [where, text] : texts) {
        EXPECT_FALSE(has_cyrillic(text)) << where.toStdString() << ": " << text.toStdString();
        EXPECT_FALSE(text.contains(decimal_comma))
            << where.toStdString() << ": " << text.toStdString();
    }
}

TEST_F(EnglishScreen, MenusAndCaptionsAreTheEnglishOnes) {
    const std::map<QString, QString> expected = {
        {"mnuFile", "&File"},         {"mnuEdit", "&Edit"},
        {"mnuExamples", "E&xamples"}, {"mnuRun", "&Calculation"},
        {"mnuGraphs", "&Graphs"},     {"mnuView", "&View"},
        {"mnuHelp", "&Help"},         {"mnuViewLanguage", "Lan&guage"},
    };
    for (const auto& [name, title] : expected) {
        const auto* menu = window->findChild<QMenu*>(name);
        ASSERT_NE(menu, nullptr) << name.toStdString();
        EXPECT_EQ(menu->title(), title) << name.toStdString();
    }
    EXPECT_EQ(window->findChild<QLabel*>("Label0")->text(), QString("Task parameters"));
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), QString("L (µH) ="));
    EXPECT_EQ(window->findChild<QAbstractButton*>("CmdOK")->text(), QString("START"));
}

// Each menu's access keys are distinct, in English as in Russian.
TEST_F(EnglishScreen, AccessKeysAreUniqueWithinEachMenu) {
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        std::map<QChar, QString> keys;
        for (const QAction* a : menu->actions()) {
            if (a->isSeparator()) {
                continue;
            }
            const qsizetype amp = a->text().indexOf('&');
            ASSERT_GE(amp, 0) << menu->objectName().toStdString() << ": "
                              << a->text().toStdString();
            const QChar key = a->text().at(amp + 1).toLower();
            EXPECT_FALSE(keys.contains(key))
                << menu->objectName().toStdString() << ": " << a->text().toStdString() << " and "
                << keys[key].toStdString();
            keys[key] = a->text();
        }
    }
}

QString example(const char* name) {
    return QString(OVRELAN_SOURCE_DIR) + "/docs/data/" + name;
}

void expect_no_cyrillic(const QString& where, const QString& text) {
    EXPECT_FALSE(has_cyrillic(text)) << where.toStdString() << ": " << text.toStdString();
}

void expect_no_cyrillic_in_windows(const char* step) {
    for (const auto& [where, text] : visible_texts()) {
        expect_no_cyrillic(QString(step) + ": " + where, text);
    }
}

QPushButton* button(QWidget* dialog, const QString& text) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        if (b->text() == text) {
            return b;
        }
    }
    return nullptr;
}

// The dialogs and the boxes that say what was refused: English, with the line and the column
// of a broken file in English words.
TEST_F(EnglishScreen, DialogsAndRefusalsAreEnglish) {
    {
        FamilyDialog dialog(window->state(), std::nullopt, decimal_separator());
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(dialog.list_edit()->text(), QString("0.5·Rк; Rк; 2·Rк"));
        expect_no_cyrillic_in_windows("family dialog");
        dialog.list_edit()->clear();
        QTest::keyClicks(dialog.list_edit(), "-1; abc; 3");
        dialog.accept();
        EXPECT_TRUE(dialog.refusals()->text().contains("abc"))
            << dialog.refusals()->text().toStdString();
        expect_no_cyrillic_in_windows("family dialog refusing");
        dialog.reject();
    }

    dialogs.open = example("uc_noisy.csv");
    window->findChild<QAction*>("mnuFileOpenMeasured")->trigger();
    QApplication::processEvents();
    MeasuredPreviewDialog* preview = window->measured().preview();
    ASSERT_NE(preview, nullptr);
    expect_no_cyrillic_in_windows("measured preview");
    QPushButton* open = button(preview, "Open");
    ASSERT_NE(open, nullptr);
    QTest::mouseClick(open, Qt::LeftButton);
    QApplication::processEvents();
    window->findChild<QAction*>("mnuRunFit")->trigger();
    QApplication::processEvents();
    ASSERT_NE(window->measured().fit_dialog(), nullptr);
    expect_no_cyrillic_in_windows("fit dialog");
    window->measured().fit_dialog()->reject();

    // A refused value, a broken task and a broken measurement: each a box.
    boxes.boxes.clear();
    QLineEdit* L = window->findChild<QLineEdit*>("Text1");
    L->selectAll();
    QTest::keyClicks(L, "-5");
    QTest::keyClick(L, Qt::Key_Return);
    QApplication::processEvents();
    QTemporaryDir dir;
    const QString task = dir.filePath("broken.ovrelan");
    QFile task_file(task);
    ASSERT_TRUE(task_file.open(QIODevice::WriteOnly));
    task_file.write("L = 2000\nC = lots\n");
    task_file.close();
    EXPECT_FALSE(window->open_task(task));
    const QString measured = dir.filePath("broken.csv");
    QFile measured_file(measured);
    ASSERT_TRUE(measured_file.open(QIODevice::WriteOnly));
    QByteArray rows = "Time, ms;Current, A\n";
    for (int k = 0; k < 600; ++k) {
        rows +=
            QByteArray::number(k) + ",0;" + (k == 398 ? "1,2x" : QByteArray::number(k % 7)) + "\n";
    }
    measured_file.write(rows);
    measured_file.close();
    dialogs.open = measured;
    window->findChild<QAction*>("mnuFileOpenMeasured")->trigger();
    QApplication::processEvents();
    if (MeasuredPreviewDialog* again = window->measured().preview(); again != nullptr) {
        if (QPushButton* b = button(again, "Open")) {
            QTest::mouseClick(b, Qt::LeftButton);
            QApplication::processEvents();
        }
        expect_no_cyrillic_in_windows("measured preview refusing");
        again->reject();
    }
    ASSERT_EQ(boxes.boxes.size(), 3U);
    for (const auto& box : boxes.boxes) {
        expect_no_cyrillic("box title", box.title);
        expect_no_cyrillic("box text", box.text);
    }
    EXPECT_TRUE(boxes.boxes[1].text.contains("line 2: “lots” is not a number"))
        << boxes.boxes[1].text.toStdString();
    EXPECT_TRUE(boxes.boxes[2].text.contains("line 400, column 2"))
        << boxes.boxes[2].text.toStdString();
}

// With the English translation the core's messages are English; without it, Russian as
// written.
TEST(CoreMessages, FollowTheTranslator) {
    const SimulationScalars present{};
    SimulationState start;
    set_defaults(start);
    recompute(start);
    const auto task_error = [](const char* text) {
        const auto parsed = parse_task(text);
        const auto* error = std::get_if<TaskError>(&parsed);
        return error != nullptr ? error->text : std::string("(opened)");
    };
    const auto measured_error = [](const char* text) {
        const auto decoded = decode_measured(text, "m.csv");
        if (const auto* error = std::get_if<MeasuredError>(&decoded)) {
            return error->text;
        }
        const auto inspected = inspect_measured(std::get<MeasuredText>(decoded));
        const auto* error = std::get_if<MeasuredError>(&inspected);
        return error != nullptr ? error->text : std::string("(read)");
    };
    const auto sweep_error = [&present](Field field, const char* text) {
        return read_sweep_values(field, text, present).error;
    };
    const struct {
        const char* what;
        std::function<std::string()> said;
        const char* russian;
        const char* english;
    } cases[] = {
        {"a task's value not a number", [&] { return task_error("L = 2000\nC = x\n"); },
         "строка 2: «x» — не число", "line 2: “x” is not a number"},
        {"a task's unknown name", [&] { return task_error("L = 1\nfoo = 2\n"); },
         "строка 2: неизвестное имя «foo»", "line 2: unknown name “foo”"},
        {"a task without an equals sign", [&] { return task_error("L 2000\n"); },
         "строка 1: нет знака «=»", "line 1: no “=” sign"},
        {"an empty task", [&] { return task_error(" \n"); }, "файл пуст", "the file is empty"},
        {"an empty measurement", [&] { return measured_error("\n\n"); }, "файл пуст",
         "the file is empty"},
        {"a measurement of remarks only", [&] { return measured_error("# a remark\n"); },
         "в файле нет строк с числами", "the file has no lines with numbers"},
        {"a measurement without numbers", [&] { return measured_error("a;b\nc;d\n"); },
         "в файле нет строк, которые читались бы как числа, разделённые запятой, точкой с "
         "запятой, табуляцией или пробелами",
         "the file has no lines that read as numbers separated by commas, semicolons, tabs or "
         "blanks"},
        {"a range without a count", [&] { return sweep_error(Field::R, "1..3"); },
         "после диапазона нужно число значений: «ОТ..ДО:N»",
         "a range needs the number of values after it: “FROM..TO:N”"},
        {"a range's end not a number", [&] { return sweep_error(Field::R, "1..x:3"); },
         "конец диапазона «x»: не число", "end of the range “x”: not a number"},
        {"too many values", [&] { return sweep_error(Field::R, "1;2;3;4;5;6;7;8;9"); },
         "значений 9, а кривых в семействе не больше 8",
         "9 values, but a family has at most 8 curves"},
        {"a sweep of an unknown name",
         [] { return std::get<std::string>(parse_sweep_argument("X=1")); },
         "в --sweep нет параметра «X»: семейство строится по L, C, R, Uo, Em или nu",
         "--sweep has no parameter “X”: a family is built over L, C, R, Uo, Em or nu"},
        {"a missing file", [] { return system_reason(ENOENT); }, "нет такого файла или папки",
         "no such file or folder"},
        {"a family's legend", [] { return sweep_label(Field::R, 2, SweepMark::none, 4, ','); },
         "R = 2 Ом", "R = 2 Ω"},
        {"a family's regime cell",
         [&] { return summary_cells(circuit_summary(start), ',').regime; }, "колебательный",
         "underdamped"},
        {"a family's frequency cell",
         [&] { return summary_cells(circuit_summary(start), ',').nu0; }, "50,33 Гц", "50,33 Hz"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.said(), c.russian) << c.what;
    }
    std::unique_ptr<QTranslator> english(english_translator(nullptr));
    ASSERT_NE(english, nullptr);
    QCoreApplication::installTranslator(english.get());
    translate_core_texts();
    for (const auto& c : cases) {
        EXPECT_EQ(c.said(), c.english) << c.what;
    }
    QCoreApplication::removeTranslator(english.get());
    install_text_translator(nullptr);
    for (const auto& c : cases) {
        EXPECT_EQ(c.said(), c.russian) << c.what << " (the translator removed)";
    }
}

// The numbers a person reads where the program writes them, in each language: Russian as it
// always was (the windows with the locale's comma, the documents with a comma, the report's
// table with semicolons), English with points everywhere and the report's table comma-separated.
TEST(NumbersOfTheLanguage, PanelReadOutTitleReportAndTables) {
    const QRegularExpression decimal_comma("\\d,\\d");
    const QRegularExpression decimal_point("\\d\\.\\d");
    for (const Language language : {Language::russian, Language::english}) {
        const bool english = language == Language::english;
        SCOPED_TRACE(english ? "English" : "Russian");
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        std::unique_ptr<QTranslator> translator;
        if (english) {
            translator.reset(english_translator(nullptr));
            ASSERT_NE(translator, nullptr);
            QCoreApplication::installTranslator(translator.get());
            translate_core_texts();
        }
        write_numbers_of(language);
        QSettings().setValue(MainWindow::layout_setting, "windows");
        testing::RecordingPlatform recording;
        auto window = std::make_unique<MainWindow>(recording.platform);
        window->show();
        QApplication::processEvents();

        const QString panel = window->findChild<QLabel*>("Label12")->text();
        window->graph_box(GraphId::Uc)->setChecked(true);
        QApplication::processEvents();
        GraphView* view = window->graph_windows().shown_view(GraphKind::Uc);
        ASSERT_NE(view, nullptr);
        const GraphFrame& f = view->frame();
        view->point_at(QPointF(f.plot.left + f.plot.width * 0.3, f.plot.top + f.plot.height / 2));
        const QString readout = QString::fromStdString(view->readout_text());
        const QString title = picture_of(*view).title;

        QTemporaryDir dir;
        QString error;
        ASSERT_TRUE(write_lab_report(window->state(), {}, dir.filePath("report"), &error))
            << error.toStdString();
        QFile text(dir.filePath("report/otchet.txt"));
        ASSERT_TRUE(text.open(QIODevice::ReadOnly));
        const QString report = QString::fromUtf8(text.readAll());
        QFile csv(dir.filePath("report/rezultaty.csv"));
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n');
        ASSERT_GT(lines.size(), 2);
        window->findChild<QAction*>("mnuFileSaveResults")->trigger(); // cancelled: no file

        for (const auto& [where, shown] :
             {std::pair{"panel", panel}, std::pair{"read-out", readout},
              std::pair{"picture title", title}, std::pair{"report", report}}) {
            EXPECT_EQ(shown.contains(decimal_comma), !english)
                << where << ": " << shown.toStdString();
            EXPECT_EQ(shown.contains(decimal_point), english)
                << where << ": " << shown.toStdString();
        }
        const QStringList row = lines[1].split(english ? ',' : ';');
        EXPECT_EQ(row.size(), lines[0].split(english ? ',' : ';').size()) << lines[1].toStdString();
        for (const QString& cell : row) {
            bool number = false;
            QString(cell).replace(',', '.').toDouble(&number);
            EXPECT_TRUE(number) << cell.toStdString();
            EXPECT_FALSE(cell.contains(english ? ',' : '.')) << cell.toStdString();
        }
        EXPECT_EQ(recording.dialogs.offered_first.back(), english ? 0 : 1)
            << "the table a spreadsheet of the language opens directly, offered first";
        if (english) {
            EXPECT_TRUE(title.contains("R = 0.02 Ω")) << title.toStdString();
            EXPECT_TRUE(panel.contains("2.9531E+02")) << panel.toStdString();
        } else {
            EXPECT_TRUE(title.contains("R = 0,02 Ом")) << title.toStdString();
            EXPECT_EQ(panel, QString("ω=   2,9531E+02рад/c"));
        }

        recording.boxes.answer_yes = true;
        window->close();
        window.reset();
        if (translator) {
            QCoreApplication::removeTranslator(translator.get());
            install_text_translator(nullptr);
        }
        write_numbers_of(Language::russian);
        QLocale::setDefault(QLocale::c());
    }
}

// A worksheet made while the windows are English: its table, values and cells in English words
// and units, with points; in Russian as it was.
TEST(WorksheetOfTheLanguage, TableValuesAndCells) {
    const auto sheet = [](char separator) {
        const auto task = parse_task("L = 2000\nC = 500\nR = 0.5\nUo = 15\nEm = 0\nnu = 0\n"
                                     "Nmax = 3\nrows = R: 0.5; 8\nmeasure = T | T\n"
                                     "measure = regime | regime\n");
        const auto made = make_worksheet(std::get<Task>(task), separator);
        return std::get<Worksheet>(made);
    };
    const Worksheet russian = sheet(',');
    EXPECT_EQ(russian.header[0], "R, Ом");
    EXPECT_EQ(russian.values[2].second, "0,5\u00A0Ом");
    EXPECT_EQ(russian.row_labels[0], "0,5");
    EXPECT_EQ(russian.answers[0][0], "6,333\u00A0мс");
    EXPECT_EQ(russian.title, "Задача");

    std::unique_ptr<QTranslator> english(english_translator(nullptr));
    ASSERT_NE(english, nullptr);
    QCoreApplication::installTranslator(english.get());
    translate_core_texts();
    const Worksheet w = sheet('.');
    QCoreApplication::removeTranslator(english.get());
    install_text_translator(nullptr);
    EXPECT_EQ(w.header[0], "R, Ω");
    EXPECT_EQ(w.values[0].second, "2000\u00A0µH");
    EXPECT_EQ(w.values[2].second, "0.5\u00A0Ω");
    EXPECT_EQ(w.row_labels[0], "0.5");
    EXPECT_EQ(w.answers[0][0], "6.333\u00A0ms");
    EXPECT_EQ(w.title, "Task");
    for (const auto& row : w.answers) {
        for (const std::string& cell : row) {
            expect_no_cyrillic("cell", QString::fromStdString(cell));
        }
    }
}

// The Russian screen, as it was: a few menus and captions.
using RussianScreen = testing::WindowTest;

TEST_F(RussianScreen, MenusAndCaptionsKeepTheirRussianTexts) {
    const std::pair<const char*, const char*> menus[] = {
        {"mnuFile", "&Файл"},   {"mnuEdit", "Прав&ка"},       {"mnuExamples", "Пр&имеры"},
        {"mnuRun", "&Расчёт"},  {"mnuGraphs", "&Графики"},    {"mnuView", "&Вид"},
        {"mnuHelp", "&Помощь"}, {"mnuViewLanguage", "&Язык"},
    };
    for (const auto& [name, title] : menus) {
        const auto* menu = window->findChild<QMenu*>(name);
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(menu->title(), QString::fromUtf8(title)) << name;
    }
    const std::pair<const char*, const char*> labels[] = {
        {"Label0", "Параметры задачи"}, {"Label1", "L(мкГн)="}, {"Label2", "С(мкФ)="},
        {"Label3", "R(Ом)="},           {"Label5", "ε(B)="},    {"Label11", "Характеристики"},
    };
    for (const auto& [name, text] : labels) {
        const auto* label = window->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), QString::fromUtf8(text)) << name;
    }
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->toolTip(), QString("Индуктивность катушки"));
    EXPECT_EQ(window->findChild<QAbstractButton*>("CmdOK")->text(), QString("ПУСК"));
    EXPECT_EQ(window->findChild<QAction*>("mnuRunStart")->text(), QString("&Пуск / стоп"));
    EXPECT_EQ(window->findChild<QAction*>("mnuViewLarger")->text(), QString("&Крупнее"));
}

} // namespace
} // namespace ovrelan
