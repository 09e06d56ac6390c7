// The preview's boxes as data: which columns are offered for the time and for the values, and
// what each choice changes — the time's scale from its unit, a value column's scale and quantity
// from its name or unit, a quantity's unit carried over to the same prefix.
#include "io/measured_choices.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace ovrelan {
namespace {

MeasuredPreview preview_of(const char* text) {
    const auto decoded = decode_measured(text, "test.csv");
    const auto inspected = inspect_measured(std::get<MeasuredText>(decoded));
    return std::get<MeasuredPreview>(inspected);
}

// A data logger's three columns: time in ms, a current in mA and a voltage in V.
const char* const logger = "Время, мс;Ток, мА;Напряжение, В\n"
                           "0,0;1,0;10,0\n"
                           "0,1;2,0;9,9\n"
                           "0,2;3,0;9,7\n"
                           "0,3;4,0;9,4\n"
                           "0,4;5,0;9,0\n";

// An oscilloscope's block: no time column, a start and an increment.
const char* const scope = "X,CH1,Start,Increment,\n"
                          "Sequence,Volt,-1.0e-03,2.0e-04,\n"
                          "0,10.0,\n"
                          "1,10.0,\n"
                          "2,9.0,\n"
                          "3,7.0,\n"
                          "4,4.0,\n";

TEST(MeasuredChoices, ColumnsOfferedForTheTimeAndTheValues) {
    const struct {
        const char* name;
        const char* text;
        std::vector<std::string> times;
        std::vector<std::string> values; // with the guessed time
    } cases[] = {
        {"logger",
         logger,
         {"Столбец 1: Время (мс)", "Столбец 2: Ток (мА)", "Столбец 3: Напряжение (В)"},
         {"Столбец 2: Ток (мА)", "Столбец 3: Напряжение (В)"}},
        {"scope",
         scope,
         {"Столбец 1: X (Sequence) — номера отсчётов", "Столбец 2: CH1 (Volt)",
          "нет: начало и шаг по времени"},
         {"Столбец 2: CH1 (Volt)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MeasuredPreview p = preview_of(c.text);
        std::vector<std::string> times;
        for (const TimeOption& o : time_options(p)) {
            times.push_back(o.caption);
        }
        EXPECT_EQ(times, c.times);
        std::vector<std::string> values;
        for (const MeasuredColumn* column : value_options(p, p.guess)) {
            values.push_back(column_caption(*column));
        }
        EXPECT_EQ(values, c.values);
    }
}

TEST(MeasuredChoices, EachBoxChangesWhatItShould) {
    const MeasuredPreview p = preview_of(logger);
    ASSERT_EQ(p.guess.time_column, 0U);
    ASSERT_EQ(p.guess.value_column, 1U);
    EXPECT_EQ(p.guess.quantity, Quantity::I);
    EXPECT_DOUBLE_EQ(p.guess.value_scale, 1e-3);

    // The voltage column: its scale, and a voltage instead of the current.
    const MeasuredChoices voltage = with_value(p, p.guess, 2);
    EXPECT_EQ(voltage.value_column, 2U);
    EXPECT_EQ(voltage.quantity, Quantity::Uc);
    EXPECT_DOUBLE_EQ(voltage.value_scale, 1);
    EXPECT_EQ(voltage.value_name, "Напряжение");
    // εL chosen for it stays εL when the column is chosen again.
    EXPECT_EQ(with_value(p, with_quantity(voltage, Quantity::EL), 2).quantity, Quantity::EL);

    // The current's column taken for the time: seconds per unit 1 (it has no time unit), and the
    // values move to the first column left.
    const std::vector<TimeOption> times = time_options(p);
    const MeasuredChoices swapped = with_time(p, p.guess, times[1]);
    EXPECT_EQ(swapped.time_column, 1U);
    EXPECT_DOUBLE_EQ(swapped.time_scale, 1);
    EXPECT_EQ(swapped.value_column, 0U);
    // Back to the time column: milliseconds again.
    EXPECT_DOUBLE_EQ(with_time(p, swapped, times[0]).time_scale, 1e-3);

    // A quantity of the other kind keeps the prefix: mA become mV, and back.
    const MeasuredChoices as_uc = with_quantity(p.guess, Quantity::Uc);
    EXPECT_EQ(as_uc.quantity, Quantity::Uc);
    EXPECT_DOUBLE_EQ(as_uc.value_scale, 1e-3);
    EXPECT_DOUBLE_EQ(with_quantity(as_uc, Quantity::I).value_scale, 1e-3);
    // Kilovolts have no amperes of their own: plain amperes.
    MeasuredChoices kv = as_uc;
    kv.value_scale = 1e3;
    EXPECT_DOUBLE_EQ(with_quantity(kv, Quantity::I).value_scale, 1);
    // Within a kind the unit stays.
    EXPECT_DOUBLE_EQ(with_quantity(as_uc, Quantity::Ur).value_scale, 1e-3);
}

TEST(MeasuredChoices, UnitsOfEachQuantity) {
    const struct {
        Quantity q;
        std::vector<std::string> units;
    } cases[] = {
        {Quantity::Uc, {"В", "мВ", "мкВ", "кВ"}},
        {Quantity::Ur, {"В", "мВ", "мкВ", "кВ"}},
        {Quantity::EL, {"В", "мВ", "мкВ", "кВ"}},
        {Quantity::I, {"А", "мА", "мкА"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> units;
        for (const Unit& u : value_units(c.q)) {
            units.emplace_back(u.symbol);
        }
        EXPECT_EQ(units, c.units);
    }
}

// A start and an increment for the rows: the time column becomes none, every column a value.
TEST(MeasuredChoices, StartAndIncrementLeaveEveryColumnToTheValues) {
    const MeasuredPreview p = preview_of(scope);
    const std::vector<TimeOption> times = time_options(p);
    ASSERT_EQ(times.back().source, TimeSource::start_increment);
    const MeasuredChoices c = with_time(p, p.guess, times.back());
    EXPECT_EQ(c.time_source, TimeSource::start_increment);
    EXPECT_DOUBLE_EQ(c.increment, 2e-4);
    EXPECT_EQ(value_options(p, c).size(), 2U);
    const auto read = read_measured(std::get<MeasuredText>(decode_measured(scope, "s.csv")), c);
    ASSERT_TRUE(std::holds_alternative<MeasuredSeries>(read));
    EXPECT_EQ(std::get<MeasuredSeries>(read).time.size(), 5U);
}

} // namespace
} // namespace ovrelan
