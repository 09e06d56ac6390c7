#include "geometry/graph_series.h"

#include <gtest/gtest.h>

#include <string>

namespace ovrelan {
namespace {

// A picture's title names the circuit in Russian: decimal commas, a true minus, only the parts
// the circuit has (no Uo without a capacitor, no ν without a source).
TEST(CircuitSummary, RussianNumbersAndOnlyWhatTheCircuitHas) {
    const struct {
        const char* name;
        Parameters p; // L, C, R, Uo, Em, ν, Nmax
        const char* summary;
    } cases[] = {
        {"start_up",
         {0.002, 0.005, 0.02, 15, 5, 47, 40},
         "L = 2000 мкГн, C = 5000 мкФ, R = 0,02 Ом, Uo = 15 В, ε = 5 В, ν = 47 Гц"},
        {"rc_charging",
         {0, 0.001, 10, 0, 5, 0, 4},
         "C = 1000 мкФ, R = 10 Ом, Uo = 0 В, ε = 5 В, ν = 0 Гц"},
        {"rl_fractions",
         {100000 * 1e-6, 0, 2.5, 0, -1.25, 0, 4}, // as the field holds «100000»
         "L = 100000 мкГн, R = 2,5 Ом, ε = −1,25 В, ν = 0 Гц"},
        {"lc_without_source",
         {0.002, 0.005, 0, -15.5, 0, 47, 3},
         "L = 2000 мкГн, C = 5000 мкФ, Uo = −15,5 В, ε = 0 В"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(circuit_summary(c.p), c.summary) << c.name;
    }
}

} // namespace
} // namespace ovrelan
