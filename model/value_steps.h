// Stepping a field's value with the mouse wheel or the arrow keys: the last significant digit it
// shows goes up or down by one, or, with Ctrl, the value moves along 1, 2, 5 × 10ⁿ.
//
// The last significant digit: of "15.00" the units (trailing zeros after the point only say how
// the value is written), of "0.020" the hundredths, of "2000" the thousands, of "0.00" the last
// digit shown. The result keeps the text's decimal separator and its number of decimals (more
// when a step needs them), and its exponent when it has one.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ovrelan {

enum class StepKind {
    digit,  // the last significant digit, one unit per step
    decade, // along 1, 2, 5 × 10ⁿ
};

struct Stepped {
    std::string text;
    int unit = 0; // the power of ten of the digit stepped: keep it for the next step
};

// What a step may make: a text the field shows whole, a magnitude that means something.
struct StepLimits {
    // The longest text a step may write: the field's visible width in digits. A text already
    // longer (typed so) may keep its length, never grow.
    std::size_t widest = 0; // 0: no limit
    // The smallest magnitude other than zero a step may reach, in the unit typed.
    double smallest = 1e-6;
};

// The text after `steps` steps (negative: down); nothing when the text is not one plain number
// (or has more digits than a step can count exactly), or when the step would go beyond the
// limits: the field then stays as it is. Steps that follow one another keep the digit of the
// first (`unit`): rolling 47 up to 50 and on goes 51, 52, and back down the same way, not by
// tens. All of it is exact integer arithmetic on the digits, whatever the exponent.
std::optional<Stepped> stepped_text(std::string_view text, int steps, StepKind kind,
                                    std::optional<int> unit = std::nullopt, StepLimits limits = {});

} // namespace ovrelan
