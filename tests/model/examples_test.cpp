#include "model/examples.h"

#include "chain/recompute.h"
#include "model/characteristics_panel.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

// Every ready-made circuit loads through the fields' path with one chain and no message, and
// the panel names the configuration and the regime it is there for.
TEST(Examples, LoadWithoutAMessageAndShowTheirRegime) {
    ASSERT_GE(examples().size(), 8U);
    for (const Example& example : examples()) {
        SimulationState s = testing::started_state();
        std::vector<FieldText> texts;
        for (std::size_t k = 0; k < 7; ++k) {
            texts.push_back({static_cast<Field>(k), example.texts[k]});
        }
        const ChainResult r = enter_texts(s, texts);
        EXPECT_TRUE(r.notices.empty()) << example.name;
        const PanelView panel = characteristics_panel(s, ',');
        EXPECT_EQ(panel.configuration, example.configuration) << example.name;
        EXPECT_EQ(panel.regime, example.regime) << example.name;
        EXPECT_FALSE(panel.circuit_caption.empty());
        EXPECT_LE(s.t_grid.size(), 10000U) << example.name << ": quick to play in class";
    }
}

// Each circuit shows what its name promises, in the physics: the resonance is driven at the
// capacitor voltage's resonance frequency the panel shows, the beats close to but off the natural
// frequency, the charging and the setting up from rest with a constant source.
TEST(Examples, ShowWhatTheirNamesPromise) {
    const auto loaded = [](std::size_t i) {
        SimulationState s = testing::started_state();
        std::vector<FieldText> texts;
        for (std::size_t k = 0; k < 7; ++k) {
            texts.push_back({static_cast<Field>(k), examples()[i].texts[k]});
        }
        enter_texts(s, texts);
        return s;
    };
    const auto named = [](const char* prefix) {
        for (std::size_t i = 0; i < examples().size(); ++i) {
            if (std::string(examples()[i].name).rfind(prefix, 0) == 0) {
                return i;
            }
        }
        ADD_FAILURE() << "no example «" << prefix << "»";
        return std::size_t{0};
    };
    const SimulationState resonance = loaded(named("Резонанс"));
    EXPECT_NEAR(resonance.nu, resonance.Vr, 0.005) << "driven at Vr";
    EXPECT_EQ(resonance.Uo, 0) << "from rest: the amplitude builds up";
    const SimulationState beats = loaded(named("Биения"));
    const double nu0 = beats.wo / 6.283185307;
    EXPECT_GT(std::fabs(beats.nu - nu0) / nu0, 0.02);
    EXPECT_LT(std::fabs(beats.nu - nu0) / nu0, 0.2);
    EXPECT_EQ(beats.R, 0);
    for (const char* first_order : {"Заряд конденсатора", "Установление тока"}) {
        const SimulationState s = loaded(named(first_order));
        EXPECT_EQ(s.nu, 0) << first_order;
        EXPECT_EQ(s.Uo, 0) << first_order;
        EXPECT_GE(s.Nmax * 4 * static_cast<double>(s.t_unit) * s.a, 3) << "at least three τ";
    }
    const SimulationState weak = loaded(named("Слабое"));
    EXPECT_EQ(static_cast<const Parameters&>(weak), testing::defaults());
}

} // namespace
} // namespace ovrelan
