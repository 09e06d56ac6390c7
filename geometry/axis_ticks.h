// Round ticks for an axis in physical units: steps of 1, 2 or 5 times a power of ten, an SI
// prefix chosen for the range (мс, мкВ, кА …), and labels with as many decimals as the step
// needs.
#pragma once

#include <string>
#include <vector>

namespace ovrelan {

struct Prefix {
    double factor; // 1e-3 for "м"
    const char* name;
};

// The prefix under which numbers up to this magnitude read with one to three digits before the
// point: 0.0123 → "м" (12.3), 4500 → "к" (4.5); no prefix for 0; atto … exa.
Prefix prefix_for(double magnitude);

// The smallest step of 1, 2 or 5 times a power of ten that cuts the span into at most
// max_intervals intervals.
double nice_step(double span, int max_intervals);

struct Tick {
    double value;      // in the axis's own unit (seconds, volts …)
    std::string label; // the value over the prefix: "20", "2,5", "−1"
};

// The multiples of step within [low, high] (ends included to a rounding), labelled over the
// prefix with the decimals the step needs and the given decimal separator.
std::vector<Tick> axis_ticks(double low, double high, double step, Prefix prefix,
                             char decimal_separator);

// A prefix and a unit as the windows write them: "мкВ", in English "µV".
std::string unit_text(const std::string& prefix, const std::string& unit);

// A number over a prefix with `decimals` decimals: "12,5", "−3"; minus zero reads "0".
std::string tick_text(double value, Prefix prefix, int decimals, char decimal_separator);

// The decimals a step needs over its prefix: 0.25 ms over "м" needs 2, 20 mV needs none.
int step_decimals(double step, Prefix prefix);

} // namespace ovrelan
