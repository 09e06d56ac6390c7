// The documents quote the program's own numbers: every value of the two worked examples in «Обзор»
// (the circuit the program starts with, and a strongly damped one with a source) is what the
// program computes, to the digits shown.
#include "model/circuit_kind.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

std::string read(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t*");
    const auto last = s.find_last_not_of(" \t*");
    return first == std::string::npos ? "" : s.substr(first, last - first + 1);
}

// The rows of the first Markdown table after the heading that starts with `heading`: cells.
std::vector<std::vector<std::string>> table_after(const std::string& text,
                                                  const std::string& heading) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text.substr(text.find(heading)));
    std::string line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (line.rfind('|', 0) != 0) {
            if (inside) {
                break;
            }
            continue;
        }
        inside = true;
        if (line.find("---") != std::string::npos) {
            continue;
        }
        std::vector<std::string> cells;
        std::istringstream fields(line.substr(1));
        std::string cell;
        while (std::getline(fields, cell, '|')) {
            cells.push_back(trim(cell));
        }
        rows.push_back(cells);
    }
    return rows;
}

// "316,23 рад/с" -> 316.23 and the half unit of its last digit; "21,28 мс" -> 0.02128.
std::pair<double, double> value_of(const std::string& cell) {
    std::string number;
    std::size_t i = 0;
    while (i < cell.size() && (std::isdigit(static_cast<unsigned char>(cell[i])) ||
                               cell[i] == ',' || cell[i] == '.')) {
        number += cell[i] == ',' ? '.' : cell[i];
        ++i;
    }
    const auto point = number.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(number.size() - point - 1);
    double factor = 1;
    std::string unit = cell.substr(i);
    const std::string nbsp = "\u00A0"; // a number and its unit are joined by a no-break space
    if (unit.compare(0, nbsp.size(), nbsp) == 0) {
        unit = unit.substr(nbsp.size());
    }
    unit = trim(unit);
    if (unit.rfind("мс", 0) == 0) {
        factor = 1e-3;
    }
    return {std::stod(number) * factor, 0.5 * std::pow(10.0, -decimals) * factor};
}

// The table under `heading` in «Обзор» gives every quantity the panel shows for the circuit `s`.
void expect_table_of(const std::string& heading, const SimulationState& s) {
    const std::string text = read(std::string(OVRELAN_SOURCE_DIR) + "/docs/spravka.md");
    ASSERT_FALSE(text.empty()) << "docs/spravka.md";
    ASSERT_NE(text.find(heading), std::string::npos) << "no «" << heading << "»";
    const auto rows = table_after(text, heading);
    const std::map<std::string, double> program{
        {"ω", s.w},   {"ω₀", s.wo}, {"δ", s.d},     {"Ω", s.Wb}, {"Tv", s.Tv},
        {"To", s.To}, {"T", s.T},   {"Θ", s.theta}, {"Q", s.Q},  {"Rк", s.Rk},
        {"Qc", s.Qc}, {"Vr", s.Vr}, {"α", s.a},     {"β", s.b},  {"γ", s.g}};
    std::map<std::string, bool> seen;
    for (std::size_t r = 1; r < rows.size(); ++r) { // row 0: the column headings
        ASSERT_GE(rows[r].size(), 3U);
        const std::string& symbol = rows[r][0];
        const auto it = program.find(symbol);
        ASSERT_NE(it, program.end()) << "a quantity the program does not show: " << symbol;
        const auto [value, half_digit] = value_of(rows[r].back());
        EXPECT_NEAR(value, it->second, half_digit * 1.0001) << symbol << ": " << rows[r].back();
        seen[symbol] = true;
    }
    for (const auto& [symbol, v] : program) {
        EXPECT_TRUE(seen[symbol]) << "the worked example leaves out " << symbol;
    }
}

TEST(Documents, TheWorkedExampleQuotesTheProgramsNumbers) {
    expect_table_of("## Пример: контур при запуске программы", testing::started_state());
}

TEST(Documents, TheSecondWorkedExampleQuotesTheProgramsNumbers) {
    // L = 2000 µH, C = 500 µF, R = 1 Ω, Uo = 0, Em = 5 V, ν = 100 Hz, Nmax = 10.
    const SimulationState s = testing::circuit({0.002, 0.0005, 1, 0, 5, 100, 10});
    ASSERT_EQ(regime(s), Regime::oscillatory);
    expect_table_of("## Второй пример: вынужденные колебания при сильном затухании", s);
}

} // namespace
} // namespace ovrelan
