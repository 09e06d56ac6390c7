#include "model/characteristics_panel.h"

#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace ovrelan {
namespace {

using testing::circuit;
using testing::started_state;

// The value label by its designer number, Label12 ... Label26.
PanelLabel label(int n) {
    return static_cast<PanelLabel>(n - first_panel_label_number);
}

std::string caption(const PanelView& v, int n) {
    return v.label(label(n)).caption.value_or("<kept>");
}

TEST(CharacteristicsPanel, DefaultCircuit) {
    const PanelView v = characteristics_panel(started_state(), '.');
    EXPECT_EQ(caption(v, 12), "ω=   2.9531E+02рад/c");
    EXPECT_EQ(caption(v, 13), "ωo= 3.1623E+02рад/c");
    EXPECT_EQ(caption(v, 15), "Tv=2.1277E-02 c");
    EXPECT_EQ(caption(v, 16), "Tо=1.9869E-02 c");
    EXPECT_EQ(caption(v, 18), "δ=  5.0000E+00 1/c");
    EXPECT_EQ(caption(v, 21), "Rк= 1.265E+00 Ом");
    EXPECT_EQ(caption(v, 22), "Qc= 7.500E-02 Кл");
    EXPECT_EQ(caption(v, 23), "Vr= 5.032E+01 Гц");
    EXPECT_EQ(caption(v, 24), "α= 1.581E-02");
    EXPECT_EQ(caption(v, 25), "β= 9.339E-01");
    for (int n = 12; n <= 26; ++n) {
        EXPECT_TRUE(v.label(label(n)).visible) << "Label" << n;
    }
    EXPECT_EQ(v.energy_window_caption, "Зависимость энергии конденсатора и катушки от времени");
    EXPECT_EQ(v.label(label(17)).tooltip, "Период колебаний в контуре (i -мнимый)");
}

TEST(CharacteristicsPanel, LocaleSeparatorInTheLabels) {
    const PanelView v = characteristics_panel(started_state(), ',');
    EXPECT_EQ(caption(v, 12), "ω=   2,9531E+02рад/c");
}

struct RlcCase {
    const char* name;
    Parameters p;
    std::vector<std::pair<int, std::string>> captions;
};

void PrintTo(const RlcCase& c, std::ostream* os) {
    *os << c.name;
}

class RlcCaptions : public ::testing::TestWithParam<RlcCase> {};

TEST_P(RlcCaptions, FollowTheRegime) {
    const PanelView v = characteristics_panel(circuit(GetParam().p), '.');
    for (const auto& [n, text] : GetParam().captions) {
        EXPECT_EQ(caption(v, n), text) << "Label" << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Regimes, RlcCaptions,
                         ::testing::Values(RlcCase{"direct_current",
                                                   {0.002, 0.005, 0.02, 15, 5, 0, 40},
                                                   {{15, "Пост. ток Tv->oo"},
                                                    {25, "β= 0.000E+00"}}},
                                           RlcCase{"no_resistor",
                                                   {0.002, 0.005, 0, 15, 5, 47, 40},
                                                   {{19, "Θ= 0.0000E+00"}, {20, "Q -> oo"}}},
                                           RlcCase{"critical",
                                                   {0.25, 1, 1, 15, 5, 0, 4},
                                                   {{14, "Ω= 0.0000E+00рад/c"},
                                                    {17, "T -> oo"},
                                                    {19, "Θ -> oo"},
                                                    {20, "Q=0"},
                                                    {26, "γ= 0.0000E+00"},
                                                    {23, "нет"}}},
                                           RlcCase{"aperiodic",
                                                   {0.002, 0.005, 100, 15, 5, 47, 40},
                                                   {{20, "Q=0"}, {23, "нет"}}}),
                         testing::CaseName{});

TEST(CharacteristicsPanel, AperiodicMarksImaginaryValues) {
    const PanelView v = characteristics_panel(circuit({0.002, 0.005, 100, 15, 5, 47, 40}), '.');
    EXPECT_EQ(caption(v, 14).rfind("Ω=i", 0), 0U) << caption(v, 14);
    EXPECT_EQ(caption(v, 17).rfind("T=  i", 0), 0U) << caption(v, 17);
    EXPECT_EQ(caption(v, 26).rfind("γ= i", 0), 0U) << caption(v, 26);
}

struct VisibilityCase {
    const char* name;
    Parameters p;
    Shown L, C, R, frame2, E, B;
    bool uo_field;
    std::vector<int> visible; // value labels shown
};

void PrintTo(const VisibilityCase& c, std::ostream* os) {
    *os << c.name;
}

class Visibility : public ::testing::TestWithParam<VisibilityCase> {};

TEST_P(Visibility, PerConfiguration) {
    const VisibilityCase& c = GetParam();
    const PanelView v = characteristics_panel(circuit(c.p), '.');
    EXPECT_EQ(v.coil_emf_box, c.L);
    EXPECT_EQ(v.capacitor_voltage_box, c.C);
    EXPECT_EQ(v.resistor_voltage_box, c.R);
    EXPECT_EQ(v.field_frame, c.frame2);
    EXPECT_EQ(v.electric_field_box, c.E);
    EXPECT_EQ(v.magnetic_field_box, c.B);
    EXPECT_EQ(v.initial_voltage_field, c.uo_field);
    for (int n = 12; n <= 26; ++n) {
        const bool expected = std::find(c.visible.begin(), c.visible.end(), n) != c.visible.end();
        EXPECT_EQ(v.label(label(n)).visible, expected) << "Label" << n;
        if (!expected) {
            EXPECT_FALSE(v.label(label(n)).caption.has_value())
                << "a hidden label keeps its caption";
        }
    }
}

constexpr Shown S = Shown::show;
constexpr Shown H = Shown::hide;
constexpr Shown X = Shown::hide_clear;

INSTANTIATE_TEST_SUITE_P(
    Configurations, Visibility,
    ::testing::Values(
        VisibilityCase{"r_only", {0, 0, 2, 15, 5, 47, 40}, X, X, S, H, X, X, false, {12, 15}},
        VisibilityCase{"l_only", {0.002, 0, 0, 15, 5, 0, 40}, S, X, X, S, X, S, false, {}},
        VisibilityCase{"c_only", {0, 0.005, 0, 15, 5, 47, 40}, X, S, X, S, S, X, true, {12, 15}},
        VisibilityCase{"rc",
                       {0, 0.005, 2, 15, 5, 47, 40},
                       X,
                       S,
                       S,
                       S,
                       S,
                       X,
                       true,
                       {12, 13, 15, 16, 17, 18, 24, 25}},
        VisibilityCase{"rl",
                       {0.002, 0, 2, 15, 5, 47, 40},
                       S,
                       X,
                       S,
                       S,
                       X,
                       S,
                       false,
                       {12, 13, 15, 16, 17, 18, 24, 25}},
        VisibilityCase{"coil_on_ac",
                       {0.002, 0, 0, 15, 5, 47, 40},
                       S,
                       X,
                       X,
                       S,
                       X,
                       S,
                       false,
                       {12, 13, 15, 16, 17, 18, 24, 25}},
        VisibilityCase{"lc",
                       {0.002, 0.005, 0, 15, 5, 47, 40},
                       S,
                       S,
                       X,
                       S,
                       S,
                       S,
                       true,
                       {12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}}),
    testing::CaseName{});

TEST(CharacteristicsPanel, FirstOrderCircuits) {
    const PanelView rc = characteristics_panel(circuit({0, 0.005, 2, 15, 5, 47, 40}), '.');
    EXPECT_EQ(caption(rc, 13).rfind("ωc= ", 0), 0U);
    EXPECT_EQ(caption(rc, 17), "Tr=1.0000E-02 c");
    EXPECT_EQ(rc.label(label(13)).tooltip, "Характерная частота");
    EXPECT_EQ(rc.energy_window_caption, "Зависимость энергии конденсатора от времени");

    const PanelView coil = characteristics_panel(circuit({0.002, 0, 0, 15, 5, 47, 40}), '.');
    EXPECT_EQ(caption(coil, 17), "Tr -> oo");
    EXPECT_EQ(caption(coil, 24), "α=0.0000E+00 ");
    EXPECT_EQ(coil.energy_window_caption,
              "Зависимость энергии магнитного поля в катушке от времени");

    const PanelView r = characteristics_panel(circuit({0, 0, 2, 15, 5, 47, 40}), '.');
    EXPECT_FALSE(r.label(label(13)).tooltip.has_value()) << "the resistor alone keeps the tooltips";
    EXPECT_EQ(r.energy_window_caption,
              "Зависимость количества теплоты, выделяющегося на резисторе, от времени");
}

} // namespace
} // namespace ovrelan
