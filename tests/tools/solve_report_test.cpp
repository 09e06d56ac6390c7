#include "tools/solve_report.h"

#include "io/results_csv.h"
#include "model/circuit_kind.h"
#include "model/number_format.h"
#include "model/steady_state.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <numbers>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

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
    // The half-power band's edges, each under its own key: ν± = √(h² + ν0²) ± h, h = R/(4πL).
    const double h = 0.02 / (4 * 3.141592653589793 * 0.002);
    const double nu0 = 1 / (2 * 3.141592653589793 * std::sqrt(0.002 * 0.005));
    EXPECT_NEAR(r["band_low"].get<double>(), std::hypot(h, nu0) - h, 1e-10);
    EXPECT_NEAR(r["band_high"].get<double>(), std::hypot(h, nu0) + h, 1e-10);
    EXPECT_NEAR(r["nu_C"].get<double>(), std::sqrt(nu0 * nu0 - 2 * h * h), 1e-10);
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

struct SteadyCase {
    const char* name;
    FieldTexts texts;
    bool unbounded;
    std::vector<std::string> nulls;    // of the steady state's numbers
    std::vector<std::string> overflow; // what "overflow" lists
};

void PrintTo(const SteadyCase& c, std::ostream* os) {
    *os << c.name;
}

class SteadyNulls : public ::testing::TestWithParam<SteadyCase> {};

// A number of the steady state is null only where it is not finite, and the JSON says why:
// "unbounded" for the current without a resistor at the resonance (the caption comes from the
// model, whose 2π has ten digits, so it need not call this the resonance), "overflow" for a
// value beyond the range of a double.
TEST_P(SteadyNulls, NullOnlyWithAReason) {
    const SteadyCase& c = GetParam();
    const nlohmann::ordered_json j = report_json(run_solve(c.texts));
    ASSERT_TRUE(j["messages"].empty()) << j["messages"].dump(1);
    const auto& steady = j["steady_state"];
    EXPECT_EQ(steady["unbounded"], c.unbounded);
    EXPECT_EQ(steady["overflow"], nlohmann::ordered_json(c.overflow));
    for (const char* key : {"I_m", "phi", "phi_deg", "Z", "U_Rm", "U_Lm", "U_Cm"}) {
        const bool null = std::find(c.nulls.begin(), c.nulls.end(), key) != c.nulls.end();
        EXPECT_EQ(steady[key].is_null(), null) << key << ": " << steady.dump();
        EXPECT_EQ(steady[key].is_number(), !null) << key;
    }
    EXPECT_TRUE(j["resonance"]["overflow"].empty());
}

INSTANTIATE_TEST_SUITE_P(
    Reports, SteadyNulls,
    ::testing::Values(
        // ν0 = 1/(2π√(LC)) to the last digit: no resistor holds the current.
        SteadyCase{"lc_at_nu0",
                   typed({{Field::R, "0"}, {Field::nu, "50.329212104487034"}}),
                   true,
                   {"I_m", "U_Lm", "U_Cm"},
                   {}},
        SteadyCase{"lc_at_nu0_negative",
                   typed({{Field::R, "0"}, {Field::nu, "-50.329212104487034"}}),
                   true,
                   {"I_m", "U_Lm", "U_Cm"},
                   {}},
        // The model's own ν0, with its 2π = 6.283185307: 2.9e-11 off, a large finite current.
        SteadyCase{"lc_at_models_nu0",
                   typed({{Field::R, "0"}, {Field::nu, "50.32921210592554"}}),
                   false,
                   {},
                   {}},
        // X_C = 1/(ωC) = 1.6e311 Ω: the whole EMF on the capacitor, Z beyond a double.
        SteadyCase{
            "far_below", typed({{Field::C, "1e-6"}, {Field::nu, "1e-300"}}), false, {"Z"}, {"Z"}},
        SteadyCase{"start_up", {}, false, {}, {}}),
    testing::CaseName{});

// At the model's own ν0 the current is what the exact π gives there, Em/|ωL − 1/(ωC)|, worked
// out in long double (64 bits: eight digits after the cancellation); a negative frequency reports
// what its magnitude does; far below, the capacitor takes the whole EMF.
TEST(SolveReport, SteadyStateValuesAtTheEdges) {
    const nlohmann::ordered_json lc =
        report_json(run_solve(typed({{Field::R, "0"}, {Field::nu, "50.32921210592554"}})));
    // With the doubles the model holds: 2.9e-11 from the resonance, X depends on their last bits.
    const auto held = [&](const char* name) {
        return static_cast<long double>(lc["state"][name].get<double>());
    };
    const long double w = 2 * std::numbers::pi_v<long double> * held("nu");
    const long double X = w * held("L") - 1 / (w * held("C"));
    const double I = static_cast<double>(5 / std::fabs(X));
    EXPECT_EQ(lc["regime"], "undamped_resonance") << "the model's resonance";
    EXPECT_NEAR(lc["steady_state"]["I_m"].get<double>(), I, 1e-6 * I);
    EXPECT_GT(I, 1e11);
    for (const char* nu : {"47", "50.329212104487034", "1e-300"}) {
        const std::string negative = std::string("-") + nu;
        EXPECT_EQ(report_json(run_solve(typed({{Field::nu, negative.c_str()}})))["steady_state"],
                  report_json(run_solve(typed({{Field::nu, nu}})))["steady_state"])
            << nu;
    }
    const nlohmann::ordered_json far =
        report_json(run_solve(typed({{Field::C, "1e-6"}, {Field::nu, "1e-300"}})));
    EXPECT_EQ(far["steady_state"]["U_Cm"].get<double>(), 5);
}

// Whether the text holds "inf" or "nan" in any case.
bool names_a_non_number(std::string text) {
    for (char& ch : text) {
        ch = ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
    }
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

// The JSON text without its strings (keys such as "resonance" and texts): its numbers, nulls,
// booleans and punctuation.
std::string outside_strings(const std::string& json) {
    std::string rest;
    bool in_string = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        if (in_string) {
            if (json[i] == '\\') {
                ++i; // the escaped character
            } else if (json[i] == '"') {
                in_string = false;
            }
            continue;
        }
        in_string = json[i] == '"';
        rest += in_string ? ' ' : json[i];
    }
    return rest;
}

// A field's text: mostly 1e-6 ... 1e6 in magnitude, sometimes far beyond either end, zero or
// negative where asked.
std::string any_text(std::mt19937_64& random, double zero, double negative) {
    std::uniform_real_distribution<double> unit(0, 1);
    if (unit(random) < zero) {
        return "0";
    }
    const double sign = unit(random) < negative ? -1 : 1;
    const double exponent = unit(random) < 0.1 ? -300 + 600 * unit(random) : -6 + 12 * unit(random);
    return format_general(sign * std::pow(10.0, exponent), 17);
}

// A thousand parameter sets the model takes as given, typed into the fields through the recompute
// chain (a set the chain corrects or refuses does not count, though its report is checked as
// well): RLC, LC, RC and RL circuits, magnitudes from 1e-6 to 1e6 and, one value in ten, far
// beyond; negative and zero frequencies. Neither the resonance table nor the JSON holds "inf" or
// "nan", every cell of the table is a finite number, and every null of the steady state and the
// resonance has its reason.
TEST(SolveReport, RandomAcceptedSetsWriteOnlyFiniteNumbers) {
    std::mt19937_64 random(28062026);
    std::uniform_real_distribution<double> unit(0, 1);
    std::map<std::string, int> circuits;
    int accepted = 0;
    int tried = 0;
    while (accepted < 1000 && tried < 20000) {
        ++tried;
        FieldTexts texts;
        texts[static_cast<std::size_t>(Field::L)] = any_text(random, 0.25, 0);
        texts[static_cast<std::size_t>(Field::C)] = any_text(random, 0.25, 0);
        texts[static_cast<std::size_t>(Field::R)] = any_text(random, 0.25, 0);
        texts[static_cast<std::size_t>(Field::Uo)] = any_text(random, 0.3, 0.3);
        texts[static_cast<std::size_t>(Field::Em)] = any_text(random, 0.05, 0.3);
        texts[static_cast<std::size_t>(Field::nu)] = any_text(random, 0.15, 0.3);
        texts[static_cast<std::size_t>(Field::Nmax)] = format_general(0.1 + 1.9 * unit(random), 3);
        const SolveRun run = run_solve(texts);
        const std::string what = "set " + std::to_string(tried);

        const ResonanceCurve curve = resonance_curve(run.state);
        std::string table;
        write_resonance_csv(curve, CsvDialect::comma_point, [&](std::string_view piece) {
            table.append(piece);
            return true;
        });
        ASSERT_FALSE(names_a_non_number(table)) << what << "\n" << table.substr(0, 2000);
        std::istringstream lines(table);
        std::string line;
        std::getline(lines, line);
        std::size_t rows = 0;
        while (std::getline(lines, line)) {
            ++rows;
            std::istringstream cells(line);
            for (std::string cell; std::getline(cells, cell, ',');) {
                double v = NAN;
                const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), v);
                ASSERT_TRUE(ec == std::errc{} && end == cell.data() + cell.size() &&
                            std::isfinite(v))
                    << what << ": " << line;
            }
        }
        // In these sets only the ν0 of an unbounded curve has no row.
        EXPECT_LE(curve.points.size() - rows, curve.unbounded ? 1U : 0U) << what;

        const nlohmann::ordered_json j = report_json(run);
        const std::string json = j.dump();
        ASSERT_FALSE(names_a_non_number(outside_strings(json))) << what << "\n" << j.dump(1);
        const std::string bare = outside_strings(json);
        ASSERT_TRUE(bare.find("true") != std::string::npos ||
                    bare.find("false") != std::string::npos)
            << "the booleans stand outside the strings";
        for (const char* part : {"steady_state", "resonance"}) {
            const auto& object = j[part];
            if (object.is_null()) {
                continue; // a constant source has no steady state
            }
            const auto& overflow = object["overflow"];
            for (const auto& [key, value] : object.items()) {
                const bool listed =
                    std::find(overflow.begin(), overflow.end(), key) != overflow.end();
                const bool unbounded = part == std::string("steady_state") && object["unbounded"];
                EXPECT_EQ(value.is_null(), listed || (value.is_null() && unbounded))
                    << what << ": " << part << "." << key << " in " << object.dump();
            }
        }
        if (run.changed()) {
            continue;
        }
        ++accepted;
        const Configuration c = configuration(run.state);
        circuits[c == Configuration::rlc && run.state.R == 0
                     ? "LC"
                     : std::string(configuration_name(c))]++;
    }
    EXPECT_EQ(accepted, 1000) << "of " << tried;
    for (const char* kind : {"RLC", "LC", "RC", "RL"}) {
        EXPECT_GE(circuits[kind], 50) << kind;
    }
}

} // namespace
} // namespace ovrelan
