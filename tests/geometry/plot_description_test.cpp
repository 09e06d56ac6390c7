#include "geometry/plot_description.h"

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

TEST(PlotDescription, QuantityTimeValuesRegimeAndMarkers) {
    const struct {
        const char* name;
        PlotFacts facts;
        char separator;
        const char* expected;
    } table[] = {
        {"physical, no markers",
         {{"Uc"}, 0, 0.04, -15, 15, "В", "Контур RLC: колебательный режим", ""},
         ',',
         "Uc; время от 0 с до 40 мс; значения от \u221215 В до 15 В; "
         "Контур RLC: колебательный режим"},
        {"normalised, zoomed in, decimal point",
         {{"I"}, 0.0125, 0.025, -0.5, 1, "", "Контур RC", ""},
         '.',
         "I; время от 12.5 мс до 25 мс; относительные значения от \u22120.500 до 1.00; "
         "Контур RC"},
        {"several curves with markers",
         {{"e", "Uc", "I"}, 0, 2, 0, 3000, "В", "", "Δt = 19,87 мс; U_A = 7,41 В"},
         ',',
         "e, Uc, I; время от 0 с до 2 с; значения от 0 В до 3 кВ; "
         "маркеры: Δt = 19,87 мс; U_A = 7,41 В"},
    };
    for (const auto& c : table) {
        EXPECT_EQ(plot_description(c.facts, c.separator), c.expected) << c.name;
    }
}

} // namespace
} // namespace ovrelan
