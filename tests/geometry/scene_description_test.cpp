#include "geometry/scene_description.h"

#include "geometry/graph_readout.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace ovrelan {
namespace {

using testing::circuit;
using testing::defaults;

Parameters with(Parameters p, double Parameters::*member, double value) {
    p.*member = value;
    return p;
}

TEST(SceneDescription, WhatTheCircuitHoldsWhileTheKeyIsOpen) {
    const struct {
        const char* name;
        Parameters p;
        char separator;
        const char* expected;
    } table[] = {
        {"charged, sine source", defaults(), ',',
         "ключ разомкнут, конденсатор заряжен до 15 В, источник ЭДС 5 В, 47 Гц"},
        {"decimal point", with(defaults(), &Parameters::Uo, 2.5), '.',
         "ключ разомкнут, конденсатор заряжен до 2.5 В, источник ЭДС 5 В, 47 Гц"},
        {"uncharged", with(defaults(), &Parameters::Uo, 0), ',',
         "ключ разомкнут, конденсатор не заряжен, источник ЭДС 5 В, 47 Гц"},
        {"no source", with(defaults(), &Parameters::Em, 0), ',',
         "ключ разомкнут, конденсатор заряжен до 15 В"},
        {"constant source", with(defaults(), &Parameters::nu, 0), ',',
         "ключ разомкнут, конденсатор заряжен до 15 В, источник постоянной ЭДС 5 В"},
        {"no capacitor", with(defaults(), &Parameters::C, 0), ',',
         "ключ разомкнут, без конденсатора, источник ЭДС 5 В, 47 Гц"},
        {"no capacitor, no voltage", with(with(defaults(), &Parameters::C, 0), &Parameters::Uo, 0),
         ',', "ключ разомкнут, без конденсатора, источник ЭДС 5 В, 47 Гц"},
    };
    for (const auto& c : table) {
        EXPECT_EQ(scene_description(circuit(c.p), false, c.separator), c.expected) << c.name;
    }
}

TEST(SceneDescription, TheRunPositionWhileTheKeyIsClosed) {
    SimulationState s = circuit(defaults());
    // At the start the capacitor holds its initial voltage.
    s.k_now = 0;
    EXPECT_EQ(scene_description(s, true, ','), "ключ замкнут, t = 0 с, Uc = 15 В");
    // Later: the time and the voltage of that grid point, as the read-outs write them.
    for (const int k : {1, 100, static_cast<int>(s.Nt)}) {
        s.k_now = k;
        const auto index = static_cast<std::size_t>(k);
        const std::string expected =
            "ключ замкнут, t = " + si_text(s.t_grid[index] * s.t_scale, "с", ',') +
            ", Uc = " + si_text(s.Uc_t[index] * s.Uc_scale, "В", ',');
        EXPECT_EQ(scene_description(s, true, ','), expected) << k;
    }
}

} // namespace
} // namespace ovrelan
