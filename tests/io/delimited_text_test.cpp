#include "io/delimited_text.h"

#include "io/measured_units.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovrelan {
namespace {

TEST(DelimitedText, NumbersInACell) {
    const struct {
        std::string_view cell;
        char decimal;
        std::optional<double> value;
    } cases[] = {
        {"1.5", '.', 1.5},
        {" -2.25e-3 ", '.', -2.25e-3},
        {"+7", '.', 7},
        {".5", '.', 0.5},
        {"5.", '.', 5},
        {"1,5", ',', 1.5},
        {"-0,001", ',', -0.001},
        {"1E3", ',', 1000},
        {"1,5", '.', std::nullopt},
        {"1.5", ',', std::nullopt},
        {"1,2,3", ',', std::nullopt},
        {"", '.', std::nullopt},
        {"-", '.', std::nullopt},
        {"+-1", '.', std::nullopt},
        {"e5", '.', std::nullopt},
        {"1e", '.', std::nullopt},
        {"inf", '.', std::nullopt},
        {"nan", '.', std::nullopt},
        {"-inf", '.', std::nullopt},
        {"1e999", '.', std::nullopt},
        {"0x10", '.', std::nullopt},
        {"12 V", '.', std::nullopt},
        {"1 000", '.', std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cell_number(c.cell, c.decimal), c.value) << "«" << c.cell << "»";
    }
}

TEST(DelimitedText, CellsAndLines) {
    EXPECT_EQ(split_cells("a, b ,,c,", ','),
              (std::vector<std::string_view>{"a", "b", "", "c", ""}));
    EXPECT_EQ(split_cells("\"1,5\",\"2,25\"", ','), (std::vector<std::string_view>{"1,5", "2,25"}));
    EXPECT_EQ(split_cells("  1.5   2\t3  ", ' '), (std::vector<std::string_view>{"1.5", "2", "3"}));
    EXPECT_EQ(split_cells("x\t\ty", '\t'), (std::vector<std::string_view>{"x", "", "y"}));
    EXPECT_EQ(split_lines("a\r\nb\rc\n\nd"),
              (std::vector<std::string_view>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(split_lines("a\n"), (std::vector<std::string_view>{"a"}));
}

// The dialect the lines are in, as instruments and spreadsheets write them.
TEST(DelimitedText, DialectGuessed) {
    const struct {
        const char* name;
        std::vector<std::string_view> lines;
        std::optional<Dialect> dialect;
    } cases[] = {
        {"comma_point", {"t,U", "0.001,4.98", "0.002,4.95"}, Dialect{',', '.'}},
        {"semicolon_comma", {"t;U", "0,001;4,98", "0,002;4,95"}, Dialect{';', ','}},
        {"semicolon_point", {"0.001;4.98", "0.002;4.95"}, Dialect{';', '.'}},
        {"tab_point", {"0.001\t4.98", "0.002\t4.95"}, Dialect{'\t', '.'}},
        {"tab_comma", {"0,001\t4,98", "0,002\t4,95"}, Dialect{'\t', ','}},
        {"blanks", {"0.001  4.98", " 0.002 4.95"}, Dialect{' ', '.'}},
        {"quoted_decimal_commas", {"\"0,001\",\"4,98\"", "\"0,002\",\"4,95\""}, Dialect{',', ','}},
        {"whole_numbers_with_commas", {"t_ms,U_mV", "0,4987", "1,4950"}, Dialect{',', '.'}},
        // Some fractions after a comma start with 0: a single column with decimal commas, not
        // two columns of whole numbers.
        {"single_column_decimal_commas",
         {"4,98", "4,95", "4,05", "3,99", "3,07"},
         Dialect{';', ','}},
        {"tab_header_single_column", {"Start\t-0,5", "4,98", "4,05", "3,99"}, Dialect{'\t', ','}},
        {"no_numbers", {"Протокол", "Опыт 1"}, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto d = sniff_dialect(c.lines);
        EXPECT_EQ(d, c.dialect) << c.name << ": " << (d ? dialect_caption(*d) : "нет");
    }
}

TEST(MeasuredUnits, UnitsInNames) {
    const struct {
        std::string_view name;
        const char* plain;
        const char* written;
        UnitKind kind;
        double scale;
    } cases[] = {
        {"Time (s)", "Time", "s", UnitKind::time, 1},
        {"CH1[V]", "CH1", "V", UnitKind::voltage, 1},
        {"Время, с", "Время", "с", UnitKind::time, 1},
        {"Напряжение, мВ", "Напряжение", "мВ", UnitKind::voltage, 1e-3},
        {"t_ms", "t", "ms", UnitKind::time, 1e-3},
        {"U/mV", "U", "mV", UnitKind::voltage, 1e-3},
        {"I_A", "I", "A", UnitKind::current, 1},
        {"Ток (МА)", "Ток", "МА", UnitKind::current, 1e-3},
        {"t, мкс", "t", "мкс", UnitKind::time, 1e-6},
        {"t (µs)", "t", "µs", UnitKind::time, 1e-6},
        {"t (μs)", "t", "μs", UnitKind::time, 1e-6},
        {"I, мкА", "I", "мкА", UnitKind::current, 1e-6},
        {"Second", "Second", "Second", UnitKind::time, 1},
        {"millis", "millis", "millis", UnitKind::time, 1e-3},
        {"Sequence", "Sequence", "Sequence", UnitKind::index, 1},
        {"U (кВ)", "U", "кВ", UnitKind::voltage, 1e3},
    };
    for (const auto& c : cases) {
        const auto found = unit_in_name(c.name);
        ASSERT_TRUE(found.has_value()) << c.name;
        EXPECT_EQ(found->name, c.plain) << c.name;
        EXPECT_EQ(found->written, c.written) << c.name;
        EXPECT_EQ(found->unit.kind, c.kind) << c.name;
        EXPECT_EQ(found->unit.scale, c.scale) << c.name;
    }
    for (const std::string_view none : {"CH1", "tau", "W_J", "X", "Uc", "Напряжение"}) {
        EXPECT_FALSE(unit_in_name(none).has_value()) << none;
    }
    EXPECT_EQ(fold_case("ВРЕМЯ Ёлка Μs"), "время елка μs");
}

} // namespace
} // namespace ovrelan
