#include "io/lab_report.h"
#include "io/task_file.h"
#include "io/worksheet.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <variant>

namespace ovrelan {
namespace {

const std::string fields = "L = 2000\nC = 500\nR = 4\nUo = 15\nEm = 0\nnu = 0\nNmax = 3\n";

Task parsed(const std::string& text) {
    const auto read = parse_task(text);
    EXPECT_TRUE(std::holds_alternative<Task>(read)) << std::get<TaskError>(read).text;
    return std::holds_alternative<Task>(read) ? std::get<Task>(read) : Task{};
}

// A task file of before the worksheets opens as it did, with an empty sheet; one with every
// line of the sheet reads them and writes them back the same.
TEST(TaskSheet, OlderFilesOpenAndTheSheetGoesRoundTheFile) {
    const Task old = parsed("# Ovrelan: задача\n" + fields + "comment = Найдите Rк.\n");
    EXPECT_TRUE(old.sheet.empty());
    EXPECT_EQ(write_task(old).find("title"), std::string::npos) << "an old task stays old";
    const Task full = parsed(fields + "comment = Найдите Rк.\n"
                                      "title = Критическое сопротивление\n"
                                      "aim = Найти Rк.\naim = Сравнить с 2·√(L/C).\n"
                                      "step = Меняйте R.\nstep = Следите за режимом.\n"
                                      "rows = R: 1; 2,5; 4\n"
                                      "measure = Режим | regime\nmeasure = δ, 1/с | delta\n"
                                      "measure = Uc в конце | end(Uc)\nmeasure = Uc | Uc@10\n"
                                      "question = Когда Uc меняет знак?\n"
                                      "answer = При R < Rк.\nanswer = Rк = 4 Ом.\n"
                                      "graph = Uc\ngraph = res\n");
    const TaskSheet& sheet = full.sheet;
    EXPECT_EQ(sheet.title, "Критическое сопротивление");
    EXPECT_EQ(sheet.aim, "Найти Rк.\nСравнить с 2·√(L/C).");
    EXPECT_EQ(sheet.steps.size(), 2u);
    EXPECT_EQ(sheet.rows_field, "R");
    EXPECT_EQ(sheet.rows, (std::vector<std::string>{"1", "2,5", "4"}));
    ASSERT_EQ(sheet.measures.size(), 4u);
    EXPECT_EQ(sheet.measures[1], (TaskMeasure{"δ, 1/с", "delta"}));
    EXPECT_EQ(sheet.answer, "При R < Rк.\nRк = 4 Ом.");
    EXPECT_EQ(sheet.graphs, (std::vector<std::string>{"Uc", "res"}));
    EXPECT_EQ(parsed(write_task(full)), full);
    const auto saved = task_file_text(full);
    ASSERT_TRUE(std::holds_alternative<std::string>(saved));
}

struct SheetLineCase {
    const char* name;
    const char* line;
    const char* reason; // a part of the refusal
};

class SheetLine : public ::testing::TestWithParam<SheetLineCase> {};

TEST_P(SheetLine, AWrongLineIsRefusedWithItsLine) {
    const auto read = parse_task(fields + GetParam().line + "\n");
    ASSERT_TRUE(std::holds_alternative<TaskError>(read));
    const std::string& text = std::get<TaskError>(read).text;
    EXPECT_NE(text.find("строка 8: "), std::string::npos) << text;
    EXPECT_NE(text.find(GetParam().reason), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    TaskSheet, SheetLine,
    ::testing::Values(SheetLineCase{"UnknownQuantity", "measure = Период | Tperiod", "не величина"},
                      SheetLineCase{"NoBar", "measure = T", "не величина"},
                      SheetLineCase{"AmpOfEnergy", "measure = W | amp(W)", "не величина"},
                      SheetLineCase{"TimeNotANumber", "measure = U | Uc@abc", "не величина"},
                      SheetLineCase{"RowsWithoutField", "rows = 1; 2", "двоеточие"},
                      SheetLineCase{"RowsUnknownField", "rows = X: 1; 2", "нет поля «X»"},
                      SheetLineCase{"RowNotANumber", "rows = R: 1; два", "«два» — не число"},
                      SheetLineCase{"UnknownGraph", "graph = Z", "можно Uc"}),
    testing::CaseName{});

struct QuantityCase {
    const char* name;
    const char* task; // the fields
    const char* quantity;
    const char* text;
};

class Quantity : public ::testing::TestWithParam<QuantityCase> {};

// Each computed cell against the model's numbers (the documents' answers quote the same).
TEST_P(Quantity, IsComputedForTheTasksCircuit) {
    const auto state = task_state(parsed(GetParam().task));
    ASSERT_TRUE(std::holds_alternative<SimulationState>(state));
    EXPECT_EQ(quantity_text(std::get<SimulationState>(state), GetParam().quantity),
              GetParam().text);
}

const char* const weak = "L = 2000\nC = 5000\nR = 0.02\nUo = 15\nEm = 0\nnu = 0\nNmax = 10\n";
const char* const rl = "L = 100000\nC = 0\nR = 10\nUo = 0\nEm = 5\nnu = 0\nNmax = 5\n";
const char* const resonance =
    "L = 2000\nC = 5000\nR = 0.02\nUo = 0\nEm = 5\nnu = 50.32\nNmax = 60\n";
const char* const critical = "L = 2000\nC = 500\nR = 4\nUo = 15\nEm = 0\nnu = 0\nNmax = 3\n";

INSTANTIATE_TEST_SUITE_P(
    Worksheet, Quantity,
    ::testing::Values(QuantityCase{"Period", weak, "T", "19,87\u00A0мс"},
                      QuantityCase{"Decrement", weak, "Theta", "0,09936"},
                      QuantityCase{"Regime", weak, "regime",
                                   "Контур RLC: колебательный режим (затухающие колебания)"},
                      QuantityCase{"CriticalHasNoPeriod", critical, "T", "—"},
                      QuantityCase{"CriticalResistance", critical, "Rk", "4\u00A0Ом"},
                      QuantityCase{"Damping", critical, "delta", "1000\u00A01/с"},
                      QuantityCase{"NoCriticalResistanceInRL", rl, "Rk", "—"},
                      QuantityCase{"CurrentAfterTenMs", rl, "I@10", "0,3161\u00A0А"},
                      QuantityCase{"FinalCurrent", rl, "max(I)", "0,5\u00A0А"},
                      QuantityCase{"RunLasts", rl, "span", "200\u00A0мс"},
                      QuantityCase{"FirstUc", weak, "max(Uc)", "15\u00A0В"},
                      QuantityCase{"NoSteadyStateOnDc", weak, "amp(Uc)", "—"},
                      QuantityCase{"SteadyAmplitude", resonance, "amp(Uc)", "158,1\u00A0В"},
                      QuantityCase{"SteadyCoilAmplitude", resonance, "amp(EL)", "158,1\u00A0В"},
                      QuantityCase{"SteadyResistorAmplitude", resonance, "amp(Ur)", "5\u00A0В"},
                      QuantityCase{"SteadyCurrentAmplitude", resonance, "amp(I)", "250\u00A0А"},
                      QuantityCase{"NaturalFrequency", resonance, "nu0", "50,33\u00A0Гц"}),
    testing::CaseName{});

// The sheet's table: a row per value, a column per measure, the key's cells computed for each
// row's circuit; a value the model refuses is named and its cells left out.
TEST(Worksheet, RowsAndColumnsOfTheTable) {
    const auto made = make_worksheet(parsed(std::string(critical) +
                                            "rows = R: 1; 8; -3\n"
                                            "measure = Режим | regime\nmeasure = Rк | Rk\n"
                                            "question = Когда Uc меняет знак?\n"));
    ASSERT_TRUE(std::holds_alternative<Worksheet>(made));
    const Worksheet& w = std::get<Worksheet>(made);
    EXPECT_EQ(w.header, (std::vector<std::string>{"R, Ом", "Режим", "Rк"}));
    EXPECT_EQ(w.row_labels, (std::vector<std::string>{"1", "8", "-3"}));
    ASSERT_EQ(w.answers.size(), 3u);
    EXPECT_EQ(w.answers[0][0], "Контур RLC: колебательный режим (затухающие колебания)");
    EXPECT_EQ(w.answers[1][0], "Контур RLC: апериодический режим");
    EXPECT_EQ(w.answers[1][1], "4\u00A0Ом");
    EXPECT_EQ(w.answers[2][0], "—");
    ASSERT_EQ(w.refused.size(), 1u);
    EXPECT_EQ(w.refused[0].find("R = -3\u00A0Ом: "), 0u) << w.refused[0];
    EXPECT_EQ(w.values[2], (std::pair<std::string, std::string>{"R", "4\u00A0Ом"}));
    EXPECT_EQ(w.title, "Задача");
}

// A task the model would not take makes no worksheet, with the reason check_task_values gives.
TEST(Worksheet, ATaskTheModelRefusesMakesNone) {
    const auto made =
        make_worksheet(parsed("L = 2000\nC = 500\nR = -4\nUo = 15\nEm = 0\nnu = 0\nNmax = 3\n"));
    ASSERT_TRUE(std::holds_alternative<TaskError>(made));
    EXPECT_NE(std::get<TaskError>(made).text.find("строка 3"), std::string::npos);
}

struct ReportCase {
    const char* name;
    const char* task;
    const char* section;
    const char* row;
    const char* value;
};

class Report : public ::testing::TestWithParam<ReportCase> {};

// The report's tables hold the parameters as typed units and the panel's values as it shows
// them.
TEST_P(Report, HoldsTheValue) {
    const auto state = task_state(parsed(GetParam().task));
    ASSERT_TRUE(std::holds_alternative<SimulationState>(state));
    const LabReport report = lab_report(std::get<SimulationState>(state), {});
    for (const ReportSection& section : report.sections) {
        if (section.title != GetParam().section) {
            continue;
        }
        for (const ReportRow& row : section.rows) {
            if (row.name == GetParam().row) {
                EXPECT_EQ(row.value, GetParam().value);
                return;
            }
        }
        ADD_FAILURE() << "no row «" << GetParam().row << "» in «" << section.title << "»";
        return;
    }
    ADD_FAILURE() << "no section «" << GetParam().section << "»";
}

INSTANTIATE_TEST_SUITE_P(
    LabReport, Report,
    ::testing::Values(
        ReportCase{"Inductance", weak, "Параметры цепи", "L", "2000\u00A0мкГн"},
        ReportCase{"Resistance", weak, "Параметры цепи", "R", "0,02\u00A0Ом"},
        ReportCase{"Duration", weak, "Параметры цепи", "Nmax", "10"},
        ReportCase{"Regime", weak, "Цепь и режим", "",
                   "Контур RLC: колебательный режим (затухающие колебания)"},
        ReportCase{"SourceAngularFrequency", weak, "Характеристики (как на панели)", "ω",
                   "0,0000E+00рад/c"},
        ReportCase{"Period", weak, "Характеристики (как на панели)", "T", "1,9872E-02 c"},
        ReportCase{"Decrement", weak, "Характеристики (как на панели)", "Θ", "9,9358E-02"},
        ReportCase{"CriticalQuality", critical, "Характеристики (как на панели)", "Q", "0"},
        ReportCase{"CriticalDecrement", critical, "Характеристики (как на панели)", "Θ", "-> oo"},
        ReportCase{"RlRelaxation", rl, "Характеристики (как на панели)", "Tr", "1,0000E-02 c"}),
    testing::CaseName{});

// The report's text names every section, the pictures' files, the markers and other curves.
TEST(LabReport, TextHoldsEverything) {
    const auto state = task_state(parsed(weak));
    ASSERT_TRUE(std::holds_alternative<SimulationState>(state));
    const LabReport report = lab_report(
        std::get<SimulationState>(state),
        {{"Uc(t)", "Uc(t).svg", "Δt = 19,87 мс; ln = −0,0994", {"запомнено: R = 0,1 Ом"}}});
    const std::string text = report_text(report);
    for (const char* part :
         {"Параметры цепи", "L = 2000\u00A0мкГн — индуктивность катушки",
          "Характеристики (как на панели)", "T = 1,9872E-02 c", "Uc(t) (Uc(t).svg)",
          "Метки: Δt = 19,87 мс", "запомнено: R = 0,1 Ом", "колебательный режим"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    }
}

// Every task shipped with the documents opens, makes a worksheet whose every row the model takes,
// and says its answer in the words of its document (whose numbers the documents' test checks):
// each answer line stands in the document, in its «Ответы» where it has one.
TEST(ShippedTasks, OpenAndAnswerInTheirDocumentsWords) {
    const std::filesystem::path folder = std::filesystem::path(OVRELAN_SOURCE_DIR) / "docs";
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "tasks")) {
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        const auto read = read_task_file(entry.path().string());
        ASSERT_TRUE(std::holds_alternative<Task>(read)) << std::get<TaskError>(read).text;
        const Task& task = std::get<Task>(read);
        const auto made = make_worksheet(task);
        ASSERT_TRUE(std::holds_alternative<Worksheet>(made)) << std::get<TaskError>(made).text;
        const Worksheet& w = std::get<Worksheet>(made);
        EXPECT_TRUE(w.refused.empty()) << w.refused.front();
        EXPECT_FALSE(w.title.empty());
        EXPECT_FALSE(w.header.empty());
        EXPECT_FALSE(w.questions.empty());
        ASSERT_FALSE(task.sheet.answer.empty());
        std::ifstream file(folder / (name.substr(0, name.find('_')) + ".md"));
        const std::string document{std::istreambuf_iterator<char>(file), {}};
        const auto answers = document.find("## Ответы"); // Управление has none
        std::size_t start = 0;
        const std::string& answer = task.sheet.answer;
        while (start <= answer.size()) {
            const std::size_t end = std::min(answer.find('\n', start), answer.size());
            const std::string line = answer.substr(start, end - start);
            const auto at = document.find(line);
            EXPECT_NE(at, std::string::npos) << line;
            // The two tasks told inside a section answer there; the others in «Ответы».
            if (at != std::string::npos && name != "uprav_1" && name != "katushka_5") {
                EXPECT_GT(at, answers) << "not from «Ответы»: " << line;
            }
            start = end + 1;
        }
        ++count;
    }
    EXPECT_GE(count, 19);
}

} // namespace
} // namespace ovrelan
