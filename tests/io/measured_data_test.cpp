#include "io/measured_data.h"

#include "io/text_encoding.h"
#include "support/case_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <variant>

namespace ovrelan {
namespace {

// ---------------------------------------------------------------------------------------------
// Files as instruments write them. Each is what a student brings from one kind of device; the
// expected numbers are read off the text by hand.

enum class Bytes { utf8, utf8_mark, cp1251, utf16le };

struct Layout {
    const char* name;
    const char* device; // what it mimics
    const char* text;   // UTF-8; stored as `bytes` says
    Bytes bytes;
    Dialect dialect;
    std::size_t first_data_line;
    TimeSource time_source;
    std::size_t time_column; // for a column of times or of sample numbers
    std::size_t value_column;
    Quantity quantity;
    std::size_t rows;
    double t_first, t_last; // seconds, with the guessed time origin
    double v_first, v_last; // V or A
    std::optional<double> sample_interval = std::nullopt;
    std::optional<double> trigger_time = std::nullopt;
};

void PrintTo(const Layout& l, std::ostream* os) {
    *os << l.name;
}

// clang-format off
const Layout layouts[] = {
    {"scope_metadata_block",
     "a digital oscilloscope's CSV: names, then units with the start and the increment beside "
     "them, the time in seconds",
     "X,CH1,Start,Increment,\n"
     "Second,Volt,-1.000000e-03,2.000000e-04,\n"
     "-1.000000e-03,1.00e+01,\n"
     "-8.000000e-04,1.00e+01,\n"
     "-6.000000e-04,1.00e+01,\n"
     "-4.000000e-04,1.00e+01,\n"
     "-2.000000e-04,1.00e+01,\n"
     "0.000000e+00,1.00e+01,\n"
     "2.000000e-04,9.60e+00,\n"
     "4.000000e-04,8.48e+00,\n"
     "6.000000e-04,6.72e+00,\n",
     Bytes::utf8, {',', '.'}, 3, TimeSource::column, 0, 1, Quantity::Uc, 9,
     -1e-3, 6e-4, 10, 6.72, 2e-4},
    {"scope_sample_numbers",
     "a newer digital oscilloscope's CSV: the first column counts samples, the time is the "
     "start plus the number times the increment",
     "X,CH1,Start,Increment,\r\n"
     "Sequence,Volt,-1.000000e-03,2.000000e-04,\r\n"
     "0,1.00e+01,\r\n"
     "1,1.00e+01,\r\n"
     "2,1.00e+01,\r\n"
     "3,1.00e+01,\r\n"
     "4,1.00e+01,\r\n"
     "5,1.00e+01,\r\n"
     "6,9.60e+00,\r\n"
     "7,8.48e+00,\r\n",
     Bytes::utf8, {',', '.'}, 3, TimeSource::index_column, 0, 1, Quantity::Uc, 8,
     -1e-3, 4e-4, 10, 8.48, 2e-4},
    {"scope_metadata_columns",
     "an oscilloscope that writes its settings in the first columns beside the data (record "
     "length, sample interval, trigger point, units, model) and the time from the trigger",
     "Record Length,3.000000e+01,,-0.000004000000,10.00,\n"
     "Sample Interval,4.000000e-07,,-0.000003600000,10.00,\n"
     "Trigger Point,1.000000000000e+01,,-0.000003200000,10.00,\n"
     ",,,-0.000002800000,10.00,\n"
     ",,,-0.000002400000,10.00,\n"
     "Source,CH1,,-0.000002000000,10.00,\n"
     "Vertical Units,V,,-0.000001600000,10.00,\n"
     "Vertical Scale,2.000000e+00,,-0.000001200000,10.00,\n"
     "Vertical Offset,0.000000e+00,,-0.000000800000,10.00,\n"
     "Horizontal Units,s,,-0.000000400000,10.00,\n"
     "Horizontal Scale,2.500000e-07,,0.000000000000,10.00,\n"
     "Pt Fmt,Y,,0.000000400000,9.18,\n"
     "Yzero,0.000000e+00,,0.000000800000,7.62,\n"
     "Probe Atten,1.000000e+01,,0.000001200000,5.51,\n"
     "Model Number,TDS2012C,,0.000001600000,3.09,\n"
     "Serial Number,C012345,,0.000002000000,0.58,\n"
     "Firmware Version,FV:v24.26,,0.000002400000,-1.79,\n"
     ",,,0.000002800000,-3.82,\n"
     ",,,0.000003200000,-5.35,\n"
     ",,,0.000003600000,-6.31,\n"
     ",,,0.000004000000,-6.64,\n"
     ",,,0.000004400000,-6.36,\n"
     ",,,0.000004800000,-5.55,\n"
     ",,,0.000005200000,-4.32,\n"
     ",,,0.000005600000,-2.80,\n"
     ",,,0.000006000000,-1.16,\n"
     ",,,0.000006400000,0.46,\n"
     ",,,0.000006800000,1.91,\n"
     ",,,0.000007200000,3.09,\n"
     ",,,0.000007600000,3.90,\n",
     Bytes::utf8, {',', '.'}, 1, TimeSource::column, 3, 4, Quantity::Uc, 30,
     -4e-6, 7.6e-6, 10, 3.90, 4e-7, 0},
    {"logger_windows_1251",
     "a data logger's export: semicolons, decimal commas, Russian names and units, in "
     "Windows-1251",
     "Регистратор «Лаб-2», канал 1\n"
     "Дата: 12.03.2025\n"
     "\n"
     "Время, мс;Напряжение, мВ\n"
     "0,0;4980,5\n"
     "0,5;4970,0\n"
     "1,0;4940,25\n"
     "1,5;4890,0\n"
     "2,0;4820,75\n",
     Bytes::cp1251, {';', ','}, 5, TimeSource::column, 0, 1, Quantity::Uc, 5,
     0, 2e-3, 4.9805, 4.82075},
    {"arduino_serial_log",
     "an Arduino sketch's serial log copied from the monitor: a greeting, then milliseconds "
     "and millivolts as whole numbers, with a UTF-8 mark",
     "RLC logger v1\n"
     "Ready.\n"
     "t_ms,U_mV\n"
     "0,4987\n"
     "1,4950\n"
     "2,4815\n"
     "3,4590\n"
     "4,4280\n"
     "5,3890\n",
     Bytes::utf8_mark, {',', '.'}, 4, TimeSource::column, 0, 1, Quantity::Uc, 6,
     0, 5e-3, 4.987, 3.89},
    {"spreadsheet_unit_line",
     "a spreadsheet saved as CSV by a Russian office suite: a line of names, a line of units, "
     "semicolons and decimal commas",
     "Время;Ток\n"
     "с;мА\n"
     "0;0\n"
     "0,0005;12,5\n"
     "0,001;23,75\n"
     "0,0015;31,5\n",
     Bytes::utf8, {';', ','}, 3, TimeSource::column, 0, 1, Quantity::I, 4,
     0, 1.5e-3, 0, 0.0315},
    {"tab_start_increment",
     "a tab-separated export with only the start and the increment above a single column of "
     "values",
     "Start\t-0.0005\n"
     "Increment\t0.0001\n"
     "Uc (V)\n"
     "10.0\n"
     "10.0\n"
     "9.98\n"
     "9.90\n"
     "9.75\n",
     Bytes::utf8, {'\t', '.'}, 4, TimeSource::start_increment, 0, 0, Quantity::Uc, 5,
     -5e-4, -1e-4, 10, 9.75, 1e-4},
    {"two_channels",
     "an oscilloscope's two channels, the second through a current probe in amperes",
     "Time (s),CH1 (V),CH2 (A)\n"
     "0.0000,10.00,0.000\n"
     "0.0002,9.60,0.930\n"
     "0.0004,8.48,1.710\n"
     "0.0006,6.72,2.240\n",
     Bytes::utf8, {',', '.'}, 2, TimeSource::column, 0, 1, Quantity::Uc, 4,
     0, 6e-4, 10, 6.72},
    {"own_results_table",
     "the program's own «Сохранить результаты…» table read back: the normalised time is not "
     "the value",
     "t_s,tau,Uc_V,EL_V,Ur_V,I_A,W_J\n"
     "0,0,15,-15,0,0,0.5625\n"
     "0.001,0.0707,14.9,-14.8,0.01,0.52,0.56\n"
     "0.002,0.1414,14.6,-14.3,0.02,1.03,0.55\n",
     Bytes::utf8, {',', '.'}, 2, TimeSource::column, 0, 2, Quantity::Uc, 3,
     0, 2e-3, 15, 14.6},
    {"notepad_unicode",
     "the first oscilloscope's file saved again by Notepad as «Юникод» (UTF-16 with a mark)",
     "X,CH1,Start,Increment,\n"
     "Second,Volt,-1.000000e-03,2.000000e-04,\n"
     "-1.000000e-03,1.00e+01,\n"
     "-8.000000e-04,1.00e+01,\n"
     "-6.000000e-04,9.00e+00,\n",
     Bytes::utf16le, {',', '.'}, 3, TimeSource::column, 0, 1, Quantity::Uc, 3,
     -1e-3, -6e-4, 10, 9, 2e-4},
};
// clang-format on

// UTF-8 as UTF-16 LE with a mark, by hand (the test's own, not the reader's).
std::string utf16le(std::string_view utf8) {
    std::string out = "\xFF\xFE";
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i++]);
        const int more = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        unsigned cp = lead & (more == 0 ? 0x7Fu : more == 1 ? 0x1Fu : 0x0Fu);
        for (int k = 0; k < more; ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3Fu);
        }
        out += static_cast<char>(cp & 0xFF);
        out += static_cast<char>(cp >> 8);
    }
    return out;
}

std::string stored(const Layout& l) {
    switch (l.bytes) {
    case Bytes::utf8:
        return l.text;
    case Bytes::utf8_mark:
        return std::string("\xEF\xBB\xBF") + l.text;
    case Bytes::cp1251:
        return *convert_text(l.text, "UTF-8", "CP1251");
    case Bytes::utf16le:
        return utf16le(l.text);
    }
    return l.text;
}

class MeasuredLayouts : public ::testing::TestWithParam<Layout> {};

TEST_P(MeasuredLayouts, ReadsAsTheDeviceWroteIt) {
    const Layout& l = GetParam();
    SCOPED_TRACE(l.device);
    const auto text = decode_measured(stored(l), std::string(l.name) + ".csv");
    ASSERT_TRUE(std::holds_alternative<MeasuredText>(text)) << std::get<MeasuredError>(text).text;
    const auto inspected = inspect_measured(std::get<MeasuredText>(text));
    ASSERT_TRUE(std::holds_alternative<MeasuredPreview>(inspected))
        << std::get<MeasuredError>(inspected).text;
    const MeasuredPreview& p = std::get<MeasuredPreview>(inspected);
    EXPECT_EQ(p.dialect, l.dialect) << dialect_caption(p.dialect);
    EXPECT_EQ(p.first_data_line, l.first_data_line);
    EXPECT_EQ(p.data_rows, l.rows);
    const MeasuredChoices& g = p.guess;
    EXPECT_EQ(g.time_source, l.time_source);
    if (l.time_source != TimeSource::start_increment) {
        EXPECT_EQ(g.time_column, l.time_column);
    }
    EXPECT_EQ(g.value_column, l.value_column);
    EXPECT_EQ(g.quantity, l.quantity);
    if (l.sample_interval) {
        ASSERT_TRUE(p.sample_interval.has_value());
        EXPECT_NEAR(*p.sample_interval, *l.sample_interval, 1e-12 * *l.sample_interval);
    }
    if (l.trigger_time) {
        ASSERT_TRUE(p.trigger_time.has_value());
        EXPECT_NEAR(*p.trigger_time, *l.trigger_time, 1e-15);
    }
    // The preview shows the file's first lines, cut into cells, the data marked.
    ASSERT_FALSE(p.lines.empty());
    EXPECT_EQ(p.lines.front().number, 1U);
    EXPECT_EQ(p.lines[l.first_data_line - 1].data, true);

    const auto read = read_measured(std::get<MeasuredText>(text), g);
    ASSERT_TRUE(std::holds_alternative<MeasuredSeries>(read)) << std::get<MeasuredError>(read).text;
    const MeasuredSeries& s = std::get<MeasuredSeries>(read);
    EXPECT_EQ(s.file_name, std::string(l.name) + ".csv");
    ASSERT_EQ(s.time.size(), l.rows);
    ASSERT_EQ(s.values.size(), l.rows);
    const double tolerance = 1e-12;
    EXPECT_NEAR(s.time.front(), l.t_first, tolerance);
    EXPECT_NEAR(s.time.back(), l.t_last, tolerance);
    EXPECT_NEAR(s.values.front(), l.v_first, tolerance * std::fabs(l.v_first) + 1e-15);
    EXPECT_NEAR(s.values.back(), l.v_last, tolerance * std::fabs(l.v_last) + 1e-15);
    EXPECT_EQ(s.unit(), l.quantity == Quantity::I ? "А" : "В");
}

INSTANTIATE_TEST_SUITE_P(Devices, MeasuredLayouts, ::testing::ValuesIn(layouts),
                         testing::CaseName{});

// What the names and units say about each column, and the second channel read as a current.
TEST(MeasuredData, ColumnsNamedAndSecondChannelRead) {
    const auto text = decode_measured(layouts[7].text, "two.csv");
    const auto& t = std::get<MeasuredText>(text);
    const auto p = std::get<MeasuredPreview>(inspect_measured(t));
    ASSERT_EQ(p.columns.size(), 3U);
    EXPECT_EQ(p.columns[0].name, "Time");
    EXPECT_EQ(p.columns[0].unit, "s");
    EXPECT_EQ(p.columns[1].name, "CH1");
    EXPECT_EQ(p.columns[1].kind, UnitKind::voltage);
    EXPECT_EQ(p.columns[2].name, "CH2");
    EXPECT_EQ(p.columns[2].kind, UnitKind::current);
    EXPECT_EQ(p.columns[2].quantity, Quantity::I);
    MeasuredChoices current = p.guess;
    current.value_column = 2;
    current.quantity = Quantity::I;
    current.value_scale = p.columns[2].scale;
    current.value_name = p.columns[2].name;
    const auto s = std::get<MeasuredSeries>(read_measured(t, current));
    EXPECT_EQ(s.column_name, "CH2");
    ASSERT_EQ(s.values.size(), 4U);
    EXPECT_DOUBLE_EQ(s.values[3], 2.24);
    // The key closes at the trigger: moving the origin moves every time.
    current.time_origin = 2e-4;
    const auto moved = std::get<MeasuredSeries>(read_measured(t, current));
    EXPECT_NEAR(moved.time.front(), -2e-4, 1e-18);
    EXPECT_NEAR(moved.time.back(), 4e-4, 1e-18);
}

// The remarks of the oscilloscope with settings beside the data, as the preview lists them.
TEST(MeasuredData, RemarksBesideTheDataAreListed) {
    const auto text = std::get<MeasuredText>(decode_measured(layouts[2].text, "tek.csv"));
    const auto p = std::get<MeasuredPreview>(inspect_measured(text));
    const auto has = [&](std::string_view key, std::string_view value, std::size_t line) {
        for (const MetadataEntry& e : p.metadata) {
            if (e.key == key && e.value == value && e.line == line) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(has("Record Length", "3.000000e+01", 1));
    EXPECT_TRUE(has("Sample Interval", "4.000000e-07", 2));
    EXPECT_TRUE(has("Trigger Point", "1.000000000000e+01", 3));
    EXPECT_TRUE(has("Vertical Units", "V", 7));
    EXPECT_TRUE(has("Horizontal Units", "s", 10));
    EXPECT_TRUE(has("Model Number", "TDS2012C", 15));
    EXPECT_TRUE(p.notes.empty()) << p.notes.front();
}

// A dialect chosen by the student wins over the guess: a single column of values with decimal
// commas is one column, not two.
TEST(MeasuredData, TheDialectCanBeChosen) {
    const std::string single = "U, В\n4,98\n4,95\n4,90\n4,82\n";
    const auto text = std::get<MeasuredText>(decode_measured(single, "one.txt"));
    const auto p = std::get<MeasuredPreview>(inspect_measured(text, Dialect{';', ','}));
    EXPECT_EQ(p.columns.size(), 1U);
    EXPECT_EQ(p.guess.time_source, TimeSource::start_increment);
    ASSERT_FALSE(p.notes.empty());
    MeasuredChoices c = p.guess;
    c.increment = 1e-3;
    const auto s = std::get<MeasuredSeries>(read_measured(text, c));
    ASSERT_EQ(s.values.size(), 4U);
    EXPECT_DOUBLE_EQ(s.values[0], 4.98);
    EXPECT_DOUBLE_EQ(s.time[3], 3e-3);
}

// ---------------------------------------------------------------------------------------------
// Files that cannot be read: the line and the column, as an editor counts them, and why.

struct Broken {
    const char* name;
    const char* text;
    const char* says;
    std::size_t line;
    std::size_t column;
    std::optional<std::size_t> value_column = std::nullopt; // the student's, 0-based
};

void PrintTo(const Broken& b, std::ostream* os) {
    *os << b.name;
}

const Broken broken[] = {
    {"three_commas_in_a_cell",
     "Время, с;Uc, В;I, А\n"
     "0,000;10,0;0,00\n0,001;9,9;0,01\n0,002;9,7;0,02\n0,003;9,4;0,03\n0,004;9,0;0,04\n"
     "0,005;8,5;0,05\n0,006;7,9;0,06\n0,007;7,2;0,07\n0,008;6,4;0,08\n0,009;5,5;0,09\n"
     "0,010;4,5;1,2,3\n0,011;3,4;0,11\n",
     "строка 12, столбец 3: «1,2,3» — не число", 12, 3, 2},
    // Among the very first rows: still data, not header.
    {"broken_first_rows", "t,U\n0,1\n1,x\n2,3\n3,4\n4,5\n", "строка 3, столбец 2: «x» — не число",
     3, 2},
    {"missing_value", "t,U\n0,1\n1,2\n2,3\n3,\n4,5\n", "строка 5, столбец 2: нет значения", 5, 2},
    {"short_row", "t,U\n0,1\n1,2\n2,3\n3\n4,5\n", "строка 5, столбец 2: нет значения", 5, 2},
    {"time_goes_back", "Time (s),CH1 (V)\n0.0003,1\n0.0004,2\n0.0005,3\n0.0006,4\n0.0005,5\n",
     "строка 6, столбец 1: время «0.0005» меньше, чем в строке выше («0.0006»)", 6, 1},
    {"text_in_the_data", "t,U\n0,1\n1,2\n2,3\n3,4\n4,5\nКонец записи,\n",
     "строка 7, столбец 1: «Конец записи» — не число", 7, 1},
    {"infinity", "t,U\n0,1\n1,2\n2,3\n3,inf\n", "строка 5, столбец 2: «inf» — не число", 5, 2},
    {"long_cell_cut", "t,U\n0,1\n1,2\n2,3\n3,abcdefghijklmnopqrstuvwxyzабвгдеёжзийклмнопрст\n",
     "строка 5, столбец 2: «abcdefghijklmnopqrstuvwxyzабвгдеёжзийклм…» — не число", 5, 2},
};

class BrokenMeasured : public ::testing::TestWithParam<Broken> {};

TEST_P(BrokenMeasured, IsRefusedWithTheLineAndTheColumn) {
    const Broken& b = GetParam();
    const auto text = std::get<MeasuredText>(decode_measured(b.text, "broken.csv"));
    const auto inspected = inspect_measured(text);
    ASSERT_TRUE(std::holds_alternative<MeasuredPreview>(inspected))
        << std::get<MeasuredError>(inspected).text;
    MeasuredChoices choices = std::get<MeasuredPreview>(inspected).guess;
    choices.value_column = b.value_column.value_or(choices.value_column);
    const auto read = read_measured(text, choices);
    ASSERT_TRUE(std::holds_alternative<MeasuredError>(read));
    const MeasuredError& e = std::get<MeasuredError>(read);
    EXPECT_EQ(e.text, b.says);
    EXPECT_EQ(e.line, b.line);
    EXPECT_EQ(e.column, b.column);
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenMeasured, ::testing::ValuesIn(broken), testing::CaseName{});

// Whole files that are no measurements, and choices that cannot make a series.
TEST(MeasuredData, FilesThatAreNotMeasurements) {
    const struct {
        std::string bytes;
        const char* says;
    } cases[] = {
        {"", "файл пуст"},
        {" \r\n\t\n", "файл пуст"},
        {std::string("t,U\n0,1\0\n1,2\n", 13), "это не текстовый файл: в нём есть нулевые байты"},
        {std::string("\xFF\xFE\x00\xD8", 4),
         "это не текстовый файл: его нельзя прочитать ни как UTF-8, ни как "
         "Windows-1251, ни как UTF-16 с меткой порядка байтов"},
        {"Протокол опыта\nНапряжение падает\n",
         "в файле нет строк, которые читались бы как числа, разделённые запятой, точкой с "
         "запятой, табуляцией или пробелами"},
        {"# только заметки\n# и ничего больше\n", "в файле нет строк с числами"},
    };
    for (const auto& c : cases) {
        const auto text = decode_measured(c.bytes, "x.csv");
        std::string said;
        if (const auto* e = std::get_if<MeasuredError>(&text)) {
            said = e->text;
        } else if (const auto inspected = inspect_measured(std::get<MeasuredText>(text));
                   std::holds_alternative<MeasuredError>(inspected)) {
            said = std::get<MeasuredError>(inspected).text;
        }
        EXPECT_EQ(said, c.says) << c.bytes;
    }
    const auto text = std::get<MeasuredText>(decode_measured("U\n1\n2\n3\n", "u.csv"));
    MeasuredChoices c = std::get<MeasuredPreview>(inspect_measured(text)).guess;
    ASSERT_EQ(c.time_source, TimeSource::start_increment);
    EXPECT_EQ(std::get<MeasuredError>(read_measured(text, c)).text,
              "не задан шаг по времени: он должен быть больше нуля");
    c.time_source = TimeSource::column;
    EXPECT_EQ(std::get<MeasuredError>(read_measured(text, c)).text,
              "время и значения взяты из одного столбца");
}

// A million rows are read; one more is refused at the row it is on.
TEST(MeasuredData, AMillionRowsAndNoMore) {
    std::string text = "t,U\n";
    text.reserve(14 * (max_measured_rows + 2));
    for (std::size_t k = 0; k <= max_measured_rows; ++k) {
        text += std::to_string(k) + "," + std::to_string(k % 7) + "\n";
    }
    const auto t = std::get<MeasuredText>(decode_measured(text, "big.csv"));
    const auto p = std::get<MeasuredPreview>(inspect_measured(t));
    EXPECT_EQ(p.data_rows, max_measured_rows + 1);
    const auto refused = read_measured(t, p.guess);
    ASSERT_TRUE(std::holds_alternative<MeasuredError>(refused));
    EXPECT_EQ(std::get<MeasuredError>(refused).text,
              "строка 1000002: в файле больше 1\u00A0000\u00A0000 строк данных");
    const auto at = text.rfind('\n', text.size() - 2);
    const auto fits = std::get<MeasuredText>(decode_measured(text.substr(0, at + 1), "big.csv"));
    const auto s = std::get<MeasuredSeries>(read_measured(fits, p.guess));
    ASSERT_EQ(s.time.size(), max_measured_rows);
    EXPECT_EQ(s.time.back(), static_cast<double>(max_measured_rows - 1));
}

// Only a regular file is read, as a task file is, and its name goes to the legend.
TEST(MeasuredData, OnlyRegularFilesAreOpened) {
    const std::string dir = ::testing::TempDir() + "ovrelan_measured_" + std::to_string(::getpid());
    std::filesystem::create_directories(dir);
    const std::string fifo = dir + "/pipe.csv";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string good = dir + "/opyt.csv";
    std::ofstream(good) << layouts[0].text;
    const auto opened = open_measured_file(good);
    ASSERT_TRUE(std::holds_alternative<MeasuredText>(opened));
    EXPECT_EQ(std::get<MeasuredText>(opened).file_name, "opyt.csv");
    const struct {
        std::string path;
        const char* says;
    } cases[] = {
        {fifo, "это не обычный файл, а устройство, канал или сокет"},
        {"/dev/zero", "это не обычный файл, а устройство, канал или сокет"},
        {dir, "это папка, а не файл"},
        {dir + "/missing.csv", "не удалось прочитать файл: нет такого файла или папки"},
    };
    for (const auto& c : cases) {
        const auto read = open_measured_file(c.path);
        ASSERT_TRUE(std::holds_alternative<MeasuredError>(read)) << c.path;
        EXPECT_EQ(std::get<MeasuredError>(read).text, c.says) << c.path;
    }
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace ovrelan
