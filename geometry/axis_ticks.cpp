#include "geometry/axis_ticks.h"

#include "model/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ovrelan {

namespace {

constexpr Prefix prefixes[] = {{1e-18, "а"}, {1e-15, "ф"}, {1e-12, "п"}, {1e-9, "н"}, {1e-6, "мк"},
                               {1e-3, "м"},  {1, ""},      {1e3, "к"},   {1e6, "М"},  {1e9, "Г"},
                               {1e12, "Т"},  {1e15, "П"},  {1e18, "Э"}};
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
