#include "io/family_csv.h"

#include "model/steady_state.h"
#include "solution/solution_arrays.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::started_state;

// The table as a spreadsheet reads it: the names of the header, then each column's cells, an
// empty cell as nothing. Every other cell must be one whole finite number.
struct Columns {
    std::vector<std::string> names;
    std::vector<std::vector<std::optional<double>>> cells; // by column, then by row
    std::size_t rows = 0;

    const std::vector<std::optional<double>>& operator[](const std::string& name) const {
        const auto at = std::find(names.begin(), names.end(), name);
        EXPECT_NE(at, names.end()) << name;
        return cells.at(static_cast<std::size_t>(at - names.begin()));
    }
};

std::vector<std::string> split(const std::string& line, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(line);
    while (std::getline(in, part, separator)) {
        parts.push_back(part);
    }
    if (!line.empty() && line.back() == separator) {
        parts.emplace_back(); // an empty last cell
    }
    return parts;
}

Columns read_columns(const std::string& text, char separator = ',', char decimal = '.') {
    Columns t;
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    t.names = split(line, separator);
    t.cells.resize(t.names.size());
    while (std::getline(in, line)) {
        const std::vector<std::string> cells = split(line, separator);
        EXPECT_EQ(cells.size(), t.names.size()) << line;
        for (std::size_t c = 0; c < t.names.size(); ++c) {
            std::string cell = c < cells.size() ? cells[c] : std::string();
            if (cell.empty()) {
                t.cells[c].emplace_back();
                continue;
            }
            EXPECT_EQ(cell.find(decimal == ',' ? '.' : ','), std::string::npos) << cell;
            std::replace(cell.begin(), cell.end(), decimal, '.');
            double v = NAN;
            const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), v);
            EXPECT_TRUE(ec == std::errc{} && end == cell.data() + cell.size() && std::isfinite(v))
                << "cell «" << cell << "»";
            t.cells[c].push_back(v);
        }
        ++t.rows;
    }
    return t;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names) {
        text += (text.empty() ? "" : ",") + n;
    }
    return text;
}

// The column holds the member's array times its scale, every computed point, then nothing.
void expect_column(const std::vector<std::optional<double>>& column, const SimulationState& s,
                   const std::vector<double>& values, double scale, const std::string& what) {
    const std::size_t points = computed_points(s);
    ASSERT_GE(column.size(), points) << what;
    for (std::size_t k = 0; k < column.size(); ++k) {
        if (k < points) {
            ASSERT_TRUE(column[k]) << what << " row " << k;
            ASSERT_EQ(*column[k], values[k] * scale) << what << " row " << k;
        } else {
            ASSERT_FALSE(column[k]) << what << " row " << k << " past the member's last point";
        }
    }
}

TEST(FamilyCsv, OneGridOneTimeColumnAndAColumnPerMemberAndQuantity) {
    const Family f = build_family(started_state(), Field::R, "0.5; 1.265; 3");
    ASSERT_EQ(f.members.size(), 3U);
    const Columns t = read_columns(family_csv(f, CsvDialect::comma_point));
    EXPECT_EQ(joined(t.names),
              "t_s,Uc_V[R=0.5],Uc_V[R=1.265],Uc_V[R=3],EL_V[R=0.5],EL_V[R=1.265],EL_V[R=3],"
              "Ur_V[R=0.5],Ur_V[R=1.265],Ur_V[R=3],I_A[R=0.5],I_A[R=1.265],I_A[R=3],"
              "W_J[R=0.5],W_J[R=1.265],W_J[R=3]");
    // One row per grid point: R does not change the grid of an R-L-C circuit.
    EXPECT_EQ(t.rows, computed_points(f.members[0].state));
    expect_column(t["t_s"], f.members[0].state, f.members[0].state.t_grid,
                  f.members[0].state.t_scale, "t_s");
    for (const FamilyMember& m : f.members) {
        const SimulationState& s = m.state;
        const std::string key = "[" + m.key + "]";
        expect_column(t["t_s"], s, s.t_grid, s.t_scale, "t_s of " + m.key);
        expect_column(t["Uc_V" + key], s, s.Uc_t, s.Uc_scale, "Uc_V" + key);
        expect_column(t["EL_V" + key], s, s.UL_t, s.UL_scale, "EL_V" + key);
        expect_column(t["I_A" + key], s, s.I_t, s.I_scale, "I_A" + key);
        expect_column(t["W_J" + key], s, s.W_t, s.W_scale, "W_J" + key);
        const std::vector<double> Ur(s.Ur_t.begin(), s.Ur_t.end());
        expect_column(t["Ur_V" + key], s, Ur, s.Ur_scale, "Ur_V" + key);
    }
}

TEST(FamilyCsv, DifferentGridsEachMemberWithItsOwnTimes) {
    // C moves ω₀: other times, and above ν the source sets a finer grid (more points).
    const Family f = build_family(started_state(), Field::C, "5000; 20000; 1000");
    ASSERT_EQ(f.members.size(), 3U);
    const std::size_t points[] = {computed_points(f.members[0].state),
                                  computed_points(f.members[1].state),
                                  computed_points(f.members[2].state)};
    ASSERT_LT(points[0], points[1]) << "the family this test needs";
    const Columns t = read_columns(family_csv(f, CsvDialect::comma_point));
    EXPECT_EQ(joined(t.names),
              "t_s[C=5000],Uc_V[C=5000],EL_V[C=5000],Ur_V[C=5000],I_A[C=5000],W_J[C=5000],"
              "t_s[C=20000],Uc_V[C=20000],EL_V[C=20000],Ur_V[C=20000],I_A[C=20000],W_J[C=20000],"
              "t_s[C=1000],Uc_V[C=1000],EL_V[C=1000],Ur_V[C=1000],I_A[C=1000],W_J[C=1000]");
    EXPECT_EQ(t.rows, *std::max_element(std::begin(points), std::end(points)));
    for (const FamilyMember& m : f.members) {
        const SimulationState& s = m.state;
        const std::string key = "[" + m.key + "]";
        expect_column(t["t_s" + key], s, s.t_grid, s.t_scale, "t_s" + key);
        expect_column(t["Uc_V" + key], s, s.Uc_t, s.Uc_scale, "Uc_V" + key);
        expect_column(t["W_J" + key], s, s.W_t, s.W_scale, "W_J" + key);
    }
}

TEST(FamilyCsv, AQuantityOnlySomeMembersHave) {
    // Without a resistor there is no Ur_V; the grid is the same.
    const Family f = build_family(started_state(), Field::R, "0; 1");
    const Columns t = read_columns(family_csv(f, CsvDialect::comma_point));
    EXPECT_EQ(joined(t.names), "t_s,Uc_V[R=0],Uc_V[R=1],EL_V[R=0],EL_V[R=1],Ur_V[R=1],I_A[R=0],"
                               "I_A[R=1],W_J[R=0],W_J[R=1]");
}

TEST(FamilyCsv, SemicolonsAndDecimalCommas) {
    const Family f = build_family(started_state(), Field::R, "0.5; 3");
    const std::string text = family_csv(f, CsvDialect::semicolon_comma);
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "t_s;Uc_V[R=0,5];Uc_V[R=3];EL_V[R=0,5];EL_V[R=3];Ur_V[R=0,5];Ur_V[R=3];"
              "I_A[R=0,5];I_A[R=3];W_J[R=0,5];W_J[R=3]");
    const Columns t = read_columns(text, ';', ',');
    const SimulationState& s = f.members[0].state;
    expect_column(t["Uc_V[R=0,5]"], s, s.Uc_t, s.Uc_scale, "Uc_V");
}

TEST(FamilyCsv, AnEmptyFamilyIsTheTimeAlone) {
    const Family f = build_family(started_state(), Field::R, "-1");
    ASSERT_TRUE(f.members.empty());
    EXPECT_EQ(family_csv(f, CsvDialect::comma_point), "t_s\n");
}

std::string resonance_text(const Family& f) {
    std::string text;
    EXPECT_TRUE(write_family_resonance_csv(f, CsvDialect::comma_point, [&](std::string_view p) {
        text.append(p);
        return true;
    }));
    return text;
}

TEST(FamilyResonanceCsv, EachCurveWithItsOwnFrequencies) {
    // Each R has its own band among its frequencies; without R the ν₀ row is left out.
    const Family f = build_family(started_state(), Field::R, "0; 0.02; 1");
    ASSERT_EQ(f.members.size(), 3U);
    const Columns t = read_columns(resonance_text(f));
    EXPECT_EQ(joined(t.names), "nu_Hz[R=0],Im_A[R=0],UCm_V[R=0],ULm_V[R=0],phi_deg[R=0],"
                               "nu_Hz[R=0.02],Im_A[R=0.02],UCm_V[R=0.02],ULm_V[R=0.02],"
                               "phi_deg[R=0.02],nu_Hz[R=1],Im_A[R=1],UCm_V[R=1],ULm_V[R=1],"
                               "phi_deg[R=1]");
    for (const FamilyMember& m : f.members) {
        const ResonanceCurve curve = resonance_curve(m.state);
        const std::string key = "[" + m.key + "]";
        const auto& nu = t["nu_Hz" + key];
        const auto& I = t["Im_A" + key];
        std::size_t row = 0;
        for (const ResonancePoint& p : curve.points) {
            if (!std::isfinite(p.I_m)) {
                continue; // ν₀ without a resistor
            }
            ASSERT_TRUE(nu.at(row)) << key;
            EXPECT_EQ(*nu.at(row), p.nu) << key;
            EXPECT_EQ(*I.at(row), p.I_m) << key;
            ++row;
        }
        for (; row < t.rows; ++row) {
            EXPECT_FALSE(nu.at(row)) << key << " past its last frequency";
        }
        // The current peaks at ν₀ = 50,33 Hz, one of the frequencies; without a resistor it
        // grows without bound towards ν₀, the largest at the frequencies beside it.
        const auto peak = std::max_element(
            I.begin(), I.end(), [](auto a, auto b) { return a.value_or(0) < b.value_or(0); });
        const double at = *nu[static_cast<std::size_t>(peak - I.begin())];
        const double nu0 = 1 / (2 * std::numbers::pi * std::sqrt(0.002 * 0.005));
        EXPECT_NEAR(at, nu0, m.state.R > 0 ? 1e-12 * nu0 : 0.01 * nu0) << key;
    }
}

// Each quantity's column of each member holds that member's own curve, row by row: a column
// under another quantity's name (UCm_V and ULm_V swapped, say) shows as the wrong numbers.
struct ResonanceQuantity {
    const char* name;
    double (*of)(const ResonancePoint&);
};

const ResonanceQuantity resonance_quantities[] = {
    {"Im_A", [](const ResonancePoint& p) { return p.I_m; }},
    {"UCm_V", [](const ResonancePoint& p) { return p.U_Cm; }},
    {"ULm_V", [](const ResonancePoint& p) { return p.U_Lm; }},
    {"phi_deg", [](const ResonancePoint& p) { return p.phi * 180 / std::numbers::pi; }},
};

struct ResonanceFamily {
    Field parameter;
    const char* values;
    bool one_frequency_column;
};

const ResonanceFamily resonance_families[] = {
    {Field::R, "0.02; 1", false}, // each R its own frequencies
    {Field::L, "1000; 3000", false},
    {Field::Uo, "5; 15", true}, // the same frequencies: one nu_Hz column
};

TEST(FamilyResonanceCsv, EveryQuantityIsItsMembersOwn) {
    for (const ResonanceFamily& family : resonance_families) {
        const Family f = build_family(started_state(), family.parameter, family.values);
        ASSERT_EQ(f.members.size(), 2U) << family.values;
        const Columns t = read_columns(resonance_text(f));
        for (const FamilyMember& m : f.members) {
            const ResonanceCurve curve = resonance_curve(m.state);
            const std::string key = "[" + m.key + "]";
            ASSERT_FALSE(curve.points.empty()) << key;
            const auto& nu = t[family.one_frequency_column ? "nu_Hz" : "nu_Hz" + key];
            for (const ResonanceQuantity& q : resonance_quantities) {
                const auto& column = t[q.name + key];
                ASSERT_EQ(column.size(), t.rows) << q.name << key;
                ASSERT_GE(t.rows, curve.points.size()) << q.name << key;
                for (std::size_t row = 0; row < curve.points.size(); ++row) {
                    const ResonancePoint& p = curve.points[row];
                    ASSERT_TRUE(nu.at(row) && column.at(row)) << q.name << key << " row " << row;
                    ASSERT_EQ(*nu.at(row), p.nu) << q.name << key << " row " << row;
                    ASSERT_EQ(*column.at(row), q.of(p)) << q.name << key << " row " << row;
                }
            }
        }
    }
}

TEST(FamilyResonanceCsv, OneCurveOfFrequenciesWhenTheyAgree) {
    // Uo leaves the steady state alone: one ν column. A member without a source has no curve:
    // its columns stand with no rows.
    const Family same = build_family(started_state(), Field::Uo, "0; 15");
    const Columns t = read_columns(resonance_text(same));
    EXPECT_EQ(joined(t.names), "nu_Hz,Im_A[Uo=0],Im_A[Uo=15],UCm_V[Uo=0],UCm_V[Uo=15],"
                               "ULm_V[Uo=0],ULm_V[Uo=15],phi_deg[Uo=0],phi_deg[Uo=15]");
    EXPECT_EQ(t["Im_A[Uo=0]"], t["Im_A[Uo=15]"]);
    EXPECT_GT(t.rows, 2000U);

    const Family without = build_family(started_state(), Field::Em, "0; 5");
    const Columns w = read_columns(resonance_text(without));
    EXPECT_EQ(w.names.front(), "nu_Hz[Em=0]");
    for (const auto& cell : w["Im_A[Em=0]"]) {
        EXPECT_FALSE(cell);
    }
    EXPECT_TRUE(w["Im_A[Em=5]"].front());
}

} // namespace
} // namespace ovrelan
