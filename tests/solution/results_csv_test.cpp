#include "solution/results_csv.h"

#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::circuit;

// A plain CSV reader: rows of cells split at the separator; numbers read with the dialect's
// decimal separator.
std::vector<std::vector<std::string>> read_csv(const std::string& text, char separator) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::string cell;
        std::istringstream fields(line);
        while (std::getline(fields, cell, separator)) {
            cells.push_back(cell);
        }
        rows.push_back(cells);
    }
    return rows;
}

double number(std::string cell, char decimal) {
    for (char& c : cell) {
        c = c == decimal ? '.' : c;
    }
    double v = 0;
    std::from_chars(cell.data(), cell.data() + cell.size(), v);
    return v;
}

struct TableCase {
    const char* name;
    Parameters p;
    const char* header;
};

void PrintTo(const TableCase& c, std::ostream* os) {
    *os << c.name;
}

class ResultsTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(ResultsTable, BothDialectsReadBackExactly) {
    const SimulationState s = circuit(GetParam().p);
    const std::vector<CsvColumn> columns = results_columns(s);
    for (const auto& [dialect, separator, decimal] :
         {std::tuple{CsvDialect::comma_point, ',', '.'},
          std::tuple{CsvDialect::semicolon_comma, ';', ','}}) {
        const auto rows = read_csv(results_csv(s, dialect), separator);
        ASSERT_EQ(rows.size(), computed_points(s) + 1);
        std::string header;
        for (const std::string& cell : rows[0]) {
            header += (header.empty() ? "" : ",") + cell;
        }
        EXPECT_EQ(header, GetParam().header);
        for (std::size_t k = 0; k < computed_points(s); ++k) {
            ASSERT_EQ(rows[k + 1].size(), columns.size());
            for (std::size_t c = 0; c < columns.size(); ++c) {
                ASSERT_EQ(number(rows[k + 1][c], decimal), columns[c].value(k))
                    << GetParam().name << " row " << k << " " << columns[c].name;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Circuits, ResultsTable,
    ::testing::Values(
        TableCase{"rlc", {0.002, 0.005, 0.02, 15, 5, 47, 2}, "t_s,tau,Uc_V,UL_V,Ur_V,I_A,W_J"},
        TableCase{"lc", {0.002, 0.005, 0, 15, 5, 47, 2}, "t_s,tau,Uc_V,UL_V,I_A,W_J"},
        TableCase{"rc_fractional", {0, 0.005, 2, 15, 5, 47, 2.55}, "t_s,tau,Uc_V,Ur_V,I_A,W_J"},
        TableCase{"rl", {0.002, 0, 0.5, 15, 5, 0, 2}, "t_s,tau,UL_V,Ur_V,I_A,W_J"},
        TableCase{"resistor", {0, 0, 2, 15, 5, 47, 2}, "t_s,tau,Ur_V,I_A,W_J"}),
    [](const auto& test) { return std::string(test.param.name); });

// Every carry, up to seven digits: 9 -> 10, 99 -> 100, ..., 999999 -> 1000000.
TEST(DecimalCounter, CountsAsToString) {
    DecimalCounter counter;
    for (std::size_t k = 0; k <= 1'000'000; ++k, counter.count()) {
        ASSERT_EQ(counter.text(), std::to_string(k));
    }
}

TEST(ResultsTable, SiValuesAreTheScaledArrays) {
    const SimulationState s = circuit(testing::defaults());
    const auto rows = read_csv(results_csv(s, CsvDialect::comma_point), ',');
    EXPECT_EQ(number(rows[1][2], '.'), 15) << "Uc at the start is Uo";
    EXPECT_EQ(number(rows[11][0], '.'), s.t_grid[10] * s.t_scale);
    EXPECT_EQ(number(rows[11][5], '.'), s.I_t[10] * s.I_scale);
}

} // namespace
} // namespace ovrelan
