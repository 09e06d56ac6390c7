#include "model/examples.h"

#include "chain/recompute.h"
#include "model/characteristics_panel.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace ovrelan
