#include "geometry/axis_ticks.h"

#include "model/number_format.h"
#include "model/translation.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ovrelan {

namespace {

constexpr Prefix prefixes[] = {{1e-18, OVRELAN_TRANSLATE_NOOP("Units", "а")},
                               {1e-15, OVRELAN_TRANSLATE_NOOP("Units", "ф")},
                               {1e-12, OVRELAN_TRANSLATE_NOOP("Units", "п")},
                               {1e-9, OVRELAN_TRANSLATE_NOOP("Units", "н")},
                               {1e-6, OVRELAN_TRANSLATE_NOOP("Units", "мк")},
                               {1e-3, OVRELAN_TRANSLATE_NOOP("Units", "м")},
                               {1, ""},
                               {1e3, OVRELAN_TRANSLATE_NOOP("Units", "к")},
                               {1e6, OVRELAN_TRANSLATE_NOOP("Units", "М")},
                               {1e9, OVRELAN_TRANSLATE_NOOP("Units", "Г")},
                               {1e12, OVRELAN_TRANSLATE_NOOP("Units", "Т")},
                               {1e15, OVRELAN_TRANSLATE_NOOP("Units", "П")},
                               {1e18, OVRELAN_TRANSLATE_NOOP("Units", "Э")}};

// The units the windows write, for the translation: volts, amperes, joules, seconds, hertz, ohms,
// coulombs.
[[maybe_unused]] constexpr const char* unit_names[] = {
    OVRELAN_TRANSLATE_NOOP("Units", "В"),  OVRELAN_TRANSLATE_NOOP("Units", "А"),
    OVRELAN_TRANSLATE_NOOP("Units", "Дж"), OVRELAN_TRANSLATE_NOOP("Units", "с"),
    OVRELAN_TRANSLATE_NOOP("Units", "Гц"), OVRELAN_TRANSLATE_NOOP("Units", "Ом"),
    OVRELAN_TRANSLATE_NOOP("Units", "Кл")};
constexpr std::size_t no_prefix = 6;

} // namespace

Prefix prefix_for(double magnitude) {
    Prefix chosen = prefixes[no_prefix];
    if (!(magnitude > 0) || !std::isfinite(magnitude)) {
        return chosen;
    }
    for (const Prefix& p : prefixes) {
        if (magnitude >= p.factor * 0.9995) { // 999.95 m reads as 1 (no "1000 м")
            chosen = p;
        }
    }
    return chosen;
}

std::string unit_text(const std::string& prefix, const std::string& unit) {
    return (prefix.empty() ? std::string() : translated("Units", prefix.c_str())) +
           (unit.empty() ? std::string() : translated("Units", unit.c_str()));
}

double nice_step(double span, int max_intervals) {
    if (!(span > 0) || !std::isfinite(span) || max_intervals < 1) {
        return 1;
    }
    const double raw = span / max_intervals;
    double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (;;) {
        for (const double m : {1.0, 2.0, 5.0}) {
            // A hair of slack, so that a span of exactly 10 steps of 1 keeps the step 1.
            if (m * decade >= raw * (1 - 1e-12)) {
                return m * decade;
            }
        }
        decade *= 10;
    }
}

int step_decimals(double step, Prefix prefix) {
    const double shown = step / prefix.factor;
    int decimals = 0;
    while (decimals < 12 && std::fabs(shown * std::pow(10.0, decimals) -
                                      std::round(shown * std::pow(10.0, decimals))) > 1e-6) {
        ++decimals;
    }
    return decimals;
}

std::string tick_text(double value, Prefix prefix, int decimals, char decimal_separator) {
    double shown = value / prefix.factor;
    if (std::fabs(shown) < 0.5 * std::pow(10.0, -decimals)) {
        shown = 0; // no "−0"
    }
    if (!std::isfinite(shown) || std::fabs(shown) >= 1e15) {
        // Beyond every prefix: a power of ten rather than a row of digits.
        return readable_number(shown, 3, true, decimal_separator);
    }
    std::string text = number_chars(std::fabs(shown), std::chars_format::fixed, decimals);
    std::replace(text.begin(), text.end(), '.', decimal_separator);
    return (shown < 0 ? "\u2212" : "") + text;
}

std::vector<Tick> axis_ticks(double low, double high, double step, Prefix prefix,
                             char decimal_separator) {
    std::vector<Tick> ticks;
    if (!(step > 0) || !(high >= low) || !std::isfinite(low) || !std::isfinite(high)) {
        return ticks;
    }
    const int decimals = step_decimals(step, prefix);
    const double slack = step * 1e-9;
    const double first = std::ceil((low - slack) / step);
    const double last = std::floor((high + slack) / step);
    for (double m = first; m <= last && ticks.size() < 1000; ++m) {
        const double value = m * step;
        ticks.push_back({value, tick_text(value, prefix, decimals, decimal_separator)});
    }
    return ticks;
}

} // namespace ovrelan
