#include "geometry/graph_readout.h"

#include "geometry/axis_ticks.h"
#include "model/circuit_kind.h"
#include "model/number_format.h"
#include "solution/solution_arrays.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace ovrelan {

namespace {

constexpr std::string_view minus = "\u2212"; // the typographic minus

// value with `digits` significant digits, the separator put in.
std::string significant(double value, int digits, bool drop_trailing_zeros, char separator) {
    return readable_number(value, digits, drop_trailing_zeros, separator);
}

} // namespace

GraphPoint graph_point(const SimulationState& s, const GraphVariant& v, double tau) {
    GraphPoint p;
    if (s.t_grid.empty() || !(s.dt > 0)) {
        return p;
    }
    const std::size_t last = last_computed_index(s);
    const double nearest = std::nearbyint(tau / s.dt);
    p.k = nearest <= 0 ? 0 : std::min(last, static_cast<std::size_t>(nearest));
    p.tau = s.t_grid[p.k];
    p.seconds = p.tau * s.t_scale;
    p.normalised = v.sample(s, p.k);
    p.physical = p.normalised * s.*v.scale;
    return p;
}

std::string si_text(double value, const char* unit, char decimal_separator) {
    const Prefix chosen = prefix_for(std::fabs(value));
    return significant(value / chosen.factor, 4, true, decimal_separator) + " " +
           unit_text(chosen.name, unit);
}

std::string plain_text(double value, char decimal_separator) {
    return significant(value, 3, false, decimal_separator);
}

std::string point_readout(const GraphPoint& p, const GraphVariant& v, char decimal_separator) {
    return "t = " + si_text(p.seconds, "с", decimal_separator) +
           " (τ = " + plain_text(p.tau, decimal_separator) + "); " + v.symbol + " = " +
           si_text(p.physical, v.unit, decimal_separator) + " (" +
           plain_text(p.normalised, decimal_separator) + ")";
}

std::optional<double> measured_decrement(const SimulationState& s, const GraphVariant& v,
                                         const GraphPoint& a, const GraphPoint& b) {
    if (configuration(s) != Configuration::rlc || regime(s) != Regime::oscillatory || !(s.T > 0) ||
        s.t_grid.empty()) {
        return std::nullopt;
    }
    const std::size_t last = last_computed_index(s);
    const auto on_maximum = [&](const GraphPoint& p) {
        if (p.k == 0 || p.k >= last) {
            return false;
        }
        const double here = v.sample(s, p.k);
        return here > 0 && here >= v.sample(s, p.k - 1) && here >= v.sample(s, p.k + 1);
    };
    if (!on_maximum(a) || !on_maximum(b)) {
        return std::nullopt;
    }
    const double periods = std::fabs(b.seconds - a.seconds) / s.T;
    const double n = std::round(periods);
    if (n < 1 || std::fabs(periods - n) > 0.25) {
        return std::nullopt;
    }
    const GraphPoint& first = a.seconds < b.seconds ? a : b;
    const GraphPoint& second = a.seconds < b.seconds ? b : a;
    return std::log(first.normalised / second.normalised) / n;
}

std::string markers_readout(const GraphPoint& a, const GraphPoint& b, const GraphVariant& v,
                            char decimal_separator) {
    const std::string ratio_name = v.ratio;
    const std::string value_name = ratio_name.substr(0, ratio_name.find('/')); // "U_B"
    const std::string symbol_a = value_name.substr(0, value_name.size() - 1) + "A";
    std::string text = "Δt = " + si_text(b.seconds - a.seconds, "с", decimal_separator) + "; " +
                       symbol_a + " = " + si_text(a.physical, v.unit, decimal_separator) + "; " +
                       value_name + " = " + si_text(b.physical, v.unit, decimal_separator);
    if (a.normalised != 0) {
        const double ratio = b.normalised / a.normalised;
        text += "; " + ratio_name + " = " + plain_text(ratio, decimal_separator);
        if (ratio > 0) {
            text += "; ln = " + plain_text(std::log(ratio), decimal_separator);
        }
    }
    return text;
}

} // namespace ovrelan
