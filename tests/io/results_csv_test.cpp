#include "io/results_csv.h"

#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace ovrelan {
namespace {

using testing::circuit;

// The table as a spreadsheet reads it: a header, then rows of numbers by column name. Every cell
// must be one whole finite number in the dialect's decimal separator.
struct Table {
    std::string header;
    std::vector<std::map<std::string, double>> rows;
};

Table read_table(const std::string& text, char separator, char decimal) {
    Table table;
    std::istringstream in(text);
    std::getline(in, table.header);
    std::vector<std::string> names;
    std::istringstream header(table.header);
    for (std::string name; std::getline(header, name, separator);) {
        names.push_back(name);
    }
    std::replace(table.header.begin(), table.header.end(), separator, ',');
    for (std::string line; std::getline(in, line);) {
        std::istringstream cells(line);
        std::map<std::string, double> row;
        std::size_t c = 0;
        for (std::string cell; std::getline(cells, cell, separator); ++c) {
            EXPECT_EQ(cell.find(decimal == ',' ? '.' : ','), std::string::npos) << line;
            std::replace(cell.begin(), cell.end(), decimal, '.');
            double v = NAN;
            const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), v);
            EXPECT_TRUE(ec == std::errc{} && end == cell.data() + cell.size() && std::isfinite(v))
                << "cell «" << cell << "» of " << line;
            if (c < names.size()) {
                row[names[c]] = v;
            }
        }
        EXPECT_EQ(c, names.size()) << "cells in " << line;
        table.rows.push_back(std::move(row));
    }
    return table;
}

void expect_close(double actual, double expected, double scale, const char* what, std::size_t k) {
    EXPECT_NEAR(actual, expected, 2e-6 * scale) << what << " at row " << k;
}

struct TableCase {
    const char* name;
    Parameters p;
    const char* header;
    std::size_t rows; // the computed grid points: floor(Nt) + 1
};

void PrintTo(const TableCase& c, std::ostream* os) {
    *os << c.name;
}

class ResultsTable : public ::testing::TestWithParam<TableCase> {};

// The columns hold the physics of the circuit, whichever way the table is written: the time in
// seconds, the start from Uo without current, Ohm's law on the resistor, the loop rule for the
// coil's EMF and the energy of the fields.
TEST_P(ResultsTable, TheColumnsObeyTheCircuitsLaws) {
    const TableCase& c = GetParam();
    const SimulationState s = circuit(c.p);
    const Parameters& p = c.p;
    const double w = 6.283185307 * p.nu;
    for (const auto& [dialect, separator, decimal] :
         {std::tuple{CsvDialect::comma_point, ',', '.'},
          std::tuple{CsvDialect::semicolon_comma, ';', ','}}) {
        const Table t = read_table(results_csv(s, dialect), separator, decimal);
        EXPECT_EQ(t.header, c.header);
        ASSERT_EQ(t.rows.size(), c.rows);
        const auto& first = t.rows.front();
        if (p.C != 0) {
            EXPECT_EQ(first.at("Uc_V"), p.Uo) << "the capacitor starts at Uo";
        }
        EXPECT_EQ(first.at("I_A"), 0) << "no current when the key closes";
        const auto& last = t.rows.back();
        EXPECT_DOUBLE_EQ(last.at("tau"), static_cast<double>(c.rows - 1) * s.dt);
        std::map<std::string, double> peak;
        for (const auto& row : t.rows) {
            for (const auto& [name, v] : row) {
                peak[name] = std::max(peak[name], std::fabs(v));
            }
        }
        // Row 0 is the instant the key closes: no current yet, whatever the formulas give.
        for (std::size_t k = 1; k < t.rows.size(); ++k) {
            const auto& row = t.rows[k];
            const double seconds = row.at("t_s");
            expect_close(seconds, row.at("tau") * s.t_scale, s.t_scale, "t_s", k);
            const double e = w != 0 ? p.Em * std::cos(w * seconds) : p.Em;
            const double Uc = p.C != 0 ? row.at("Uc_V") : 0;
            const double Ur = p.R != 0 ? row.at("Ur_V") : 0;
            const double I = row.at("I_A");
            if (p.R != 0) {
                expect_close(Ur, p.R * I, peak["Ur_V"], "Ur = R·I", k);
            }
            if (p.L != 0) {
                expect_close(row.at("EL_V"), Ur - e - Uc, peak["EL_V"], "εL = Ur − e − Uc", k);
            }
            if (p.L != 0 || p.C != 0) {
                const double W = p.C * Uc * Uc / 2 + p.L * I * I / 2;
                expect_close(row.at("W_J"), W, peak["W_J"], "W = C·Uc²/2 + L·I²/2", k);
            }
        }
    }
}

// Fractional intervals of R-C and R-L keep a fraction of a grid step: the rows stop at the last
// computed point, every cell filled.
INSTANTIATE_TEST_SUITE_P(
    Circuits, ResultsTable,
    ::testing::Values(
        TableCase{"rlc", {0.002, 0.005, 0.02, 15, 5, 47, 2}, "t_s,tau,Uc_V,EL_V,Ur_V,I_A,W_J", 97},
        TableCase{"rlc_fractional",
                  {0.002, 0.005, 0.02, 15, 5, 47, 2.3},
                  "t_s,tau,Uc_V,EL_V,Ur_V,I_A,W_J",
                  111},
        TableCase{"lc", {0.002, 0.005, 0, 15, 5, 47, 2}, "t_s,tau,Uc_V,EL_V,I_A,W_J", 97},
        TableCase{"rc_2_55", {0, 0.005, 2, 15, 5, 47, 2.55}, "t_s,tau,Uc_V,Ur_V,I_A,W_J", 123},
        TableCase{"rc_2_6", {0, 0.005, 1, 0, -5, 47, 2.6}, "t_s,tau,Uc_V,Ur_V,I_A,W_J", 125},
        TableCase{"rl_2_55", {0.002, 0, 0.5, 15, 5, 0, 2.55}, "t_s,tau,EL_V,Ur_V,I_A,W_J", 123},
        TableCase{"rl_2_6", {0.002, 0, 0.5, 15, 5, 47, 2.6}, "t_s,tau,EL_V,Ur_V,I_A,W_J", 125},
        TableCase{"resistor", {0, 0, 2, 15, 5, 47, 2}, "t_s,tau,Ur_V,I_A,W_J", 97}),
    testing::CaseName{});

// The start-up circuit's first row in numbers worked out by hand: Uc = Uo = 15 V, no current,
// εL = −(Em + Uo) = −20 V, W = C·Uo²/2 = 0.5625 J; and a decimal comma in the Russian dialect.
TEST(ResultsTable, TheStartUpCircuitsFirstRow) {
    const SimulationState s = circuit(testing::defaults());
    const std::string comma = results_csv(s, CsvDialect::comma_point);
    EXPECT_EQ(comma.substr(0, comma.find('\n', comma.find('\n') + 1)),
              "t_s,tau,Uc_V,EL_V,Ur_V,I_A,W_J\n0,0,15,-20,0,0,0.5625");
    const std::string semicolon = results_csv(s, CsvDialect::semicolon_comma);
    EXPECT_EQ(semicolon.substr(0, semicolon.find('\n', semicolon.find('\n') + 1)),
              "t_s;tau;Uc_V;EL_V;Ur_V;I_A;W_J\n0;0;15;-20;0;0;0,5625");
}

// A sink that refuses a piece stops the writing and is reported.
TEST(ResultsTable, ARefusedPieceIsReported) {
    const SimulationState s = circuit({0.002, 0.005, 0.02, 15, 5, 47, 10000});
    int pieces = 0;
    EXPECT_FALSE(write_results_csv(s, CsvDialect::comma_point, [&](std::string_view) {
        ++pieces;
        return pieces < 2;
    }));
    EXPECT_EQ(pieces, 2) << "nothing is offered after a refusal";
}

struct CurveCase {
    const char* name;
    Parameters p;
    std::size_t left_out; // rows without a finite value: ν0 of a circuit without a resistor
};

void PrintTo(const CurveCase& c, std::ostream* os) {
    *os << c.name;
}

class ResonanceTable : public ::testing::TestWithParam<CurveCase> {};

// The resonance curve as a spreadsheet reads it: every cell one finite number in the dialect's
// decimal separator, a row for every frequency of the curve but those where the current has no
// bound (an LC circuit's ν0), the frequencies rising, and each row the steady state there.
TEST_P(ResonanceTable, EveryCellIsAFiniteNumber) {
    const CurveCase& c = GetParam();
    const ResonanceCurve curve = resonance_curve(c.p);
    ASSERT_TRUE(curve.reason.empty());
    for (const auto& [dialect, separator, decimal] :
         {std::tuple{CsvDialect::comma_point, ',', '.'},
          std::tuple{CsvDialect::semicolon_comma, ';', ','}}) {
        std::string text;
        ASSERT_TRUE(write_resonance_csv(curve, dialect, [&](std::string_view piece) {
            text.append(piece);
            return true;
        }));
        const Table t = read_table(text, separator, decimal);
        EXPECT_EQ(t.header, "nu_Hz,Im_A,UCm_V,ULm_V,phi_deg");
        EXPECT_EQ(t.rows.size() + c.left_out, curve.points.size());
        double previous = 0;
        for (const auto& row : t.rows) {
            const double nu = row.at("nu_Hz");
            EXPECT_GT(nu, previous);
            previous = nu;
            const SteadyState s = steady_state_at(c.p, nu);
            EXPECT_DOUBLE_EQ(row.at("Im_A"), s.I_m) << nu;
            EXPECT_DOUBLE_EQ(row.at("UCm_V"), s.U_Cm) << nu;
            EXPECT_DOUBLE_EQ(row.at("ULm_V"), s.U_Lm) << nu;
            if (curve.unbounded) {
                EXPECT_NE(nu, curve.nu0) << "the unbounded peak has no row";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Circuits, ResonanceTable,
    ::testing::Values(CurveCase{"rlc", {0.002, 0.005, 0.02, 15, 5, 47, 40}, 0},
                      CurveCase{"lc", {0.002, 0.005, 0, 15, 5, 47, 40}, 1},
                      CurveCase{"lc_at_nu0", {0.002, 0.005, 0, 15, 5, 50.329212104487034, 40}, 1},
                      CurveCase{"lc_negative_nu", {0.002, 0.005, 0, 15, 5, -47, 40}, 1},
                      CurveCase{"lc_far", {1e-300, 1e-20, 0, 0, 5, 1e-300, 4}, 1},
                      CurveCase{"rc", {0, 0.005, 2, 0, 5, 47, 4}, 0},
                      CurveCase{"rl", {0.002, 0, 0.5, 0, -5, 470, 4}, 0},
                      CurveCase{"capacitor_alone", {0, 1e-12, 0, 0, 5, 1e-300, 4}, 0},
                      CurveCase{"coil_alone", {1e300, 0, 0, 0, 5, 1e300, 4}, 0}),
    testing::CaseName{});

} // namespace
} // namespace ovrelan
