#include "tools/solve_report.h"

#include "io/results_csv.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <cmath>

#include <ostream>

#include <sstream>
#include <string>

namespace ovrelan {
namespace {

FieldTexts typed(std::initializer_list<std::pair<Field, const char*>> texts) {
    FieldTexts t;
    for (const auto& [field, text] : texts) {
        t[static_cast<std::size_t>(field)] = text;
    }
    return t;
}

TEST(SolveReport, DefaultsReproduceTheStartUpCircuit) {
    const nlohmann::ordered_json j = report_json(run_solve({}));
    EXPECT_TRUE(j["messages"].empty());
    EXPECT_EQ(j["configuration"], "RLC");
    EXPECT_EQ(j["regime"], "oscillatory");
    EXPECT_EQ(j["caption"], "Контур RLC: колебательный режим (затухающие колебания)");
    const auto& s = j["state"];
    EXPECT_NEAR(s["wo"].get<double>(), 316.227766, 1e-6);
    EXPECT_EQ(s["d"].get<double>(), 5);
    EXPECT_NEAR(s["Vr"].get<double>(), 50.3166, 1e-4);
    EXPECT_EQ(s["Nt"].get<double>(), 1920);
    EXPECT_EQ(s["Nt_points"].get<int>(), 1921);
    for (const char* key : {"Uc_max", "I_max", "Ur_max", "UL_max", "W_max", "eps", "t_unit", "K1",
                            "K2", "Acos", "Asin", "grid_count"}) {
        EXPECT_TRUE(s.contains(key)) << key;
    }
}

struct MessageCase {
    const char* name;
    FieldTexts texts;
    std::vector<std::pair<std::string, std::string>> fields_written; // field, written
    const char* configuration;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}

class SolveMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(SolveMessages, ListEveryBoxInOrder) {
    const MessageCase& c = GetParam();
    const nlohmann::ordered_json j = report_json(run_solve(c.texts));
    ASSERT_EQ(j["messages"].size(), c.fields_written.size()) << j["messages"].dump(1);
    for (std::size_t i = 0; i < c.fields_written.size(); ++i) {
        EXPECT_EQ(j["messages"][i]["field"], c.fields_written[i].first);
        EXPECT_EQ(j["messages"][i]["written"], c.fields_written[i].second);
    }
    EXPECT_EQ(j["configuration"], c.configuration);
}

INSTANTIATE_TEST_SUITE_P(
    Chains, SolveMessages,
    ::testing::Values(
        MessageCase{"negative_inductance", typed({{Field::L, "-5"}}), {{"", ""}}, "RLC"},
        MessageCase{"zero_interval", typed({{Field::Nmax, "0"}}), {{"Text7", " 1"}}, "RLC"},
        MessageCase{"guard_six_then_seven",
                    typed({{Field::L, "0"}, {Field::R, "0"}, {Field::Em, "0"}, {Field::nu, "0"}}),
                    {{"Text6", " 50"}, {"Text5", " 5"}},
                    "C"},
        MessageCase{"everything_zero",
                    typed({{Field::L, "0"},
                           {Field::C, "0"},
                           {Field::R, "0"},
                           {Field::Uo, "0"},
                           {Field::Em, "0"}}),
                    {{"Text3", " .02"}, {"Text5", " 5"}},
                    "R"},
        MessageCase{"too_many_points", typed({{Field::Nmax, "1e6"}}), {{"Text7", " 40"}}, "RLC"},
        MessageCase{"overflow_restores_frequency",
                    typed({{Field::nu, "1e308"}}),
                    {{"Text6", " 47"}},
                    "RLC"}),
    testing::CaseName{});

// The steady state of a sinusoidal source and the resonance, in SI units; none of the first for a
// constant source.
TEST(SolveReport, SteadyStateAndResonance) {
    const nlohmann::ordered_json j = report_json(run_solve({}));
    const auto& steady = j["steady_state"];
    // Z = √(R² + (ωL − 1/(ωC))²) at 47 Hz: ωL = 0.5906 Ω, 1/(ωC) = 0.6773 Ω.
    const double w = 2 * 3.141592653589793 * 47;
    const double X = w * 0.002 - 1 / (w * 0.005);
    const double Z = std::hypot(0.02, X);
    EXPECT_NEAR(steady["Z"].get<double>(), Z, 1e-12 * Z);
    EXPECT_NEAR(steady["I_m"].get<double>(), 5 / Z, 1e-12 * 5 / Z);
    EXPECT_LT(steady["phi"].get<double>(), 0) << "below the resonance the current leads";
    EXPECT_NEAR(steady["U_Cm"].get<double>(), 5 / Z / (w * 0.005), 1e-9);
    const auto& r = j["resonance"];
    EXPECT_NEAR(r["nu0"].get<double>(), 50.3292, 1e-4);
    EXPECT_NEAR(r["width"].get<double>(), 0.02 / (2 * 3.141592653589793 * 0.002), 1e-12);
    EXPECT_NEAR(r["Q"].get<double>(), 31.6228, 1e-4);
    EXPECT_TRUE(report_json(run_solve(typed({{Field::nu, "0"}})))["steady_state"].is_null());
    EXPECT_FALSE(
        report_json(run_solve(typed({{Field::L, "0"}, {Field::C, "0"}})))["resonance"]["reason"]
            .get<std::string>()
            .empty());
}

TEST(SolveReport, RegimeIsNullOutsideTheRlcCircuitAndTheCaptionNamesIt) {
    const nlohmann::ordered_json rc = report_json(run_solve(typed({{Field::L, "0"}})));
    EXPECT_EQ(rc["configuration"], "RC");
    EXPECT_TRUE(rc["regime"].is_null());
    EXPECT_EQ(rc["caption"], "Цепь RC: резистор и конденсатор");
    // The panel as the circuit shows it: no Θ, Q or Vr for R-C; the start-up circuit has them.
    for (const char* hidden : {"Label19", "Label20", "Label23"}) {
        EXPECT_TRUE(rc["panel"][hidden].is_null()) << hidden;
        EXPECT_TRUE(report_json(run_solve({}))["panel"][hidden].is_string()) << hidden;
    }
    EXPECT_EQ(report_json(run_solve({}))["panel"]["Label23"], "Vr= 5.032E+01 Гц");
    const nlohmann::ordered_json lc =
        report_json(run_solve(typed({{Field::R, "0"}, {Field::Em, "0"}})));
    EXPECT_EQ(lc["caption"], "Контур LC: незатухающие колебания") << "no source named";
}

TEST(SolveReport, CsvStartsWithTheNormalisedArraysThenSi) {
    const SolveRun run = run_solve(typed({{Field::Nmax, "1"}}));
    std::ostringstream out;
    write_csv(out, run.state);
    std::istringstream in(out.str());
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "k,t_grid,Uc_t,I_t,Ur_t,UL_t,W_t,t_s,tau,Uc_V,EL_V,Ur_V,I_A,W_J");
    std::getline(in, line);
    // The normalised arrays, then SI: Uc = 15 V, UL = -20 V, W = C·Uc²/2 = 0.5625 J.
    EXPECT_EQ(line, "0,0,1,0,0,-1.3333333333333333,1,0,0,15,-20,0,0,0.5625");
}

struct GridCase {
    const char* name;
    FieldTexts texts;
    std::size_t rows; // the computed points, floor(Nt) + 1
};

void PrintTo(const GridCase& c, std::ostream* os) {
    *os << c.name;
}

class ComputedRows : public ::testing::TestWithParam<GridCase> {};

// ovrelan-solve's table and the window's «Сохранить результаты…» write exactly the computed
// points, row for row the same SI values; a fractional grid's last element, which no pass
// computes, is in neither.
TEST_P(ComputedRows, BothTablesStopAtTheLastComputedPoint) {
    const SolveRun run = run_solve(GetParam().texts);
    const std::string cli = csv_text(run.state);
    const std::string gui = results_csv(run.state, CsvDialect::comma_point);
    std::istringstream cli_lines(cli);
    std::istringstream gui_lines(gui);
    std::string cli_line;
    std::string gui_line;
    std::getline(cli_lines, cli_line);
    std::getline(gui_lines, gui_line);
    const std::size_t si_start = cli_line.find(",t_s,") + 1;
    ASSERT_EQ(cli_line.substr(si_start), gui_line);
    std::size_t rows = 0;
    std::string last;
    while (std::getline(cli_lines, cli_line)) {
        ASSERT_TRUE(std::getline(gui_lines, gui_line)) << "the window's table ends first";
        // After k and the six normalised values come the SI ones.
        std::size_t at = 0;
        for (int comma = 0; comma < 7; ++comma) {
            at = cli_line.find(',', at) + 1;
        }
        ASSERT_EQ(cli_line.substr(at), gui_line) << "row " << rows;
        EXPECT_EQ(cli_line.find(",,"), std::string::npos) << cli_line;
        EXPECT_EQ(cli_line.rfind(std::to_string(rows) + ",", 0), 0U) << cli_line;
        last = cli_line;
        ++rows;
    }
    EXPECT_FALSE(std::getline(gui_lines, gui_line)) << "the window's table goes on";
    EXPECT_EQ(rows, GetParam().rows);
    const double tau = std::stod(last.substr(last.find(',') + 1));
    EXPECT_EQ(tau, run.state.t_grid[rows - 1]);
    EXPECT_DOUBLE_EQ(tau, static_cast<double>(rows - 1) * run.state.dt);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, ComputedRows,
    ::testing::Values(
        GridCase{"rc_2_55", typed({{Field::L, "0"}, {Field::Nmax, "2.55"}}), 123},
        GridCase{"rc_2_6",
                 typed({{Field::L, "0"},
                        {Field::R, "1"},
                        {Field::Uo, "0"},
                        {Field::Em, "-5"},
                        {Field::Nmax, "2.6"}}),
                 125},
        GridCase{"rl_2_55", typed({{Field::C, "0"}, {Field::R, "0.5"}, {Field::Nmax, "2.55"}}),
                 123},
        GridCase{"rl_2_6", typed({{Field::C, "0"}, {Field::R, "0.5"}, {Field::Nmax, "2.6"}}), 125},
        GridCase{"rlc_2_3", typed({{Field::Nmax, "2.3"}}), 111},
        GridCase{"rlc_whole", typed({{Field::Nmax, "1"}}), 49}),
    testing::CaseName{});

} // namespace
} // namespace ovrelan
