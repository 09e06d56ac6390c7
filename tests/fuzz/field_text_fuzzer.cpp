// libFuzzer target on the field-text path: any bytes, cut into texts typed into the seven fields
// key by key and then entered, as the window does. Stops on a sanitizer report or when the model
// leaves its invariants. Built with clang when OVRELAN_FUZZ is on; run by hand (README).
#include "chain/recompute.h"
#include "model/characteristics.h"
#include "model/defaults.h"
#include "solution/solution_arrays.h"
#include "support/finite.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace ovrelan;

void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

void check(const SimulationState& s) {
    require(static_cast<const Parameters&>(s) == s.accepted);
    require(s.t_grid.size() <= max_grid_points);
    require(s.t_grid.size() == grid_points(s.Nt));
    require(testing::all_finite(s));
}

} // namespace

// Each step: one byte for the field (and whether to type key by key), then the text up to the
// next zero byte.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static SimulationState start = [] {
        SimulationState s;
        set_defaults(s);
        recompute(s);
        enter_text(s, Field::Nmax, "2");
        return s;
    }();
    SimulationState s = start;
    std::size_t i = 0;
    for (int step = 0; step < 8 && i < size; ++step) {
        const std::uint8_t head = data[i++];
        const auto field = static_cast<Field>(head % 7);
        const std::size_t begin = i;
        while (i < size && data[i] != 0 && i - begin < 64) {
            ++i;
        }
        const std::string_view text(reinterpret_cast<const char*>(data + begin), i - begin);
        ++i;
        if ((head & 0x80) != 0) {
            for (std::size_t n = 1; n <= text.size(); ++n) {
                type_text(s, field, text.substr(0, n));
                check(s);
            }
        }
        enter_text(s, field, text);
        check(s);
    }
    return 0;
}
