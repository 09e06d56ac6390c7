#include "model/value_steps.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace ovrelan {

namespace {

// A number as written: ±digits × 10^scale, with how it was written.
struct Written {
    bool negative = false;
    std::string digits;   // every digit written, the point taken out
    int scale = 0;        // the power of ten of the last digit written
    int decimals = 0;     // digits after the point
    char separator = '.'; // the point or the comma it was written with
    std::optional<int> exponent;
};

std::optional<Written> read_written(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    Written w;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        w.negative = text[i] == '-';
        ++i;
    }
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            w.digits += c;
            w.decimals += point ? 1 : 0;
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
            w.separator = c;
        } else {
            break;
        }
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const std::string rest(text.substr(i + 1));
        char* end = nullptr;
        const long e = std::strtol(rest.c_str(), &end, 10);
        if (rest.empty() || *end != '\0' || std::labs(e) > 300) {
            return std::nullopt;
        }
        w.exponent = static_cast<int>(e);
        i = text.size();
    }
    if (i != text.size() || w.digits.empty()) {
        return std::nullopt;
    }
    // Leading zeros say nothing; a step counts exactly only so many digits.
    const std::size_t first = w.digits.find_first_not_of('0');
    w.digits = first == std::string::npos ? "0" : w.digits.substr(first);
    if (w.digits.size() > 15) {
        return std::nullopt;
    }
    w.scale = -w.decimals + w.exponent.value_or(0);
    return w;
}

// The integer and its power of ten at the last significant digit.
struct Scaled {
    std::int64_t n = 0;
    int scale = 0;
};

Scaled significant(const Written& w) {
    Scaled s{std::stoll(w.digits), w.scale};
    if (s.n == 0) {
        return s; // nothing significant: the last digit written
    }
    // Zeros after the point only say how it is written; an integer's own trailing zeros too.
    int droppable = w.decimals > 0 ? w.decimals : static_cast<int>(w.digits.size()) - 1;
    while (droppable > 0 && s.n % 10 == 0) {
        s.n /= 10;
        ++s.scale;
        --droppable;
    }
    return s;
}

std::int64_t power_of_ten(int k) {
    std::int64_t p = 1;
    for (int i = 0; i < k; ++i) {
        p *= 10;
    }
    return p;
}

// ±n × 10^scale as the text was written: its separator, at least its decimals, its exponent.
std::string written(std::int64_t n, int scale, const Written& like) {
    const int exponent = like.exponent.value_or(0);
    int decimals = std::max(like.decimals, exponent - scale);
    // n × 10^scale = m × 10^(exponent - decimals)
    const int shift = scale - (exponent - decimals);
    if (shift < 0) {
        decimals += -shift; // never: decimals already reach the step's digit
    }
    const std::int64_t m = n * power_of_ten(std::max(0, shift));
    std::string digits = std::to_string(m < 0 ? -m : m);
    if (decimals > 0) {
        if (static_cast<int>(digits.size()) <= decimals) {
            digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
        }
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, like.separator);
    }
    std::string text(m < 0 ? "-" : "");
    text += digits;
    if (like.exponent) {
        text += 'e';
        text += std::to_string(*like.exponent);
    }
    return text;
}

// The next value along 1, 2, 5 × 10ⁿ above (up) or below a magnitude, as m × 10^k.
Scaled next_decade(double magnitude, bool up) {
    const int base = static_cast<int>(std::floor(std::log10(magnitude))) - 1;
    constexpr int mantissas[] = {1, 2, 5};
    if (up) {
        for (int k = base; k < base + 4; ++k) {
            for (const int m : mantissas) {
                if (m * std::pow(10.0, k) > magnitude * (1 + 1e-12)) {
                    return {m, k};
                }
            }
        }
    } else {
        for (int k = base + 2; k > base - 3; --k) {
            for (int i = 2; i >= 0; --i) {
                if (mantissas[i] * std::pow(10.0, k) < magnitude * (1 - 1e-12)) {
                    return {mantissas[i], k};
                }
            }
        }
    }
    return {0, 0};
}

} // namespace

std::optional<Stepped> stepped_text(std::string_view text, int steps, StepKind kind,
                                    std::optional<int> unit) {
    const auto w = read_written(text);
    if (!w) {
        return std::nullopt;
    }
    Scaled s = significant(*w);
    if (unit && *unit != s.scale) {
        // The digit of the steps before: the value counted in its units (finer ones kept).
        if (*unit < s.scale) {
            s.n *= power_of_ten(s.scale - *unit);
            s.scale = *unit;
        } else if (s.n % power_of_ten(*unit - s.scale) == 0) {
            s.n /= power_of_ten(*unit - s.scale);
            s.scale = *unit;
        }
    }
    const std::int64_t signed_n = w->negative ? -s.n : s.n;
    if (kind == StepKind::digit) {
        return Stepped{written(signed_n + steps, s.scale, *w), s.scale};
    }
    // Along 1, 2, 5: one decade step at a time, through zero from the last digit's unit.
    Scaled v{signed_n, s.scale};
    for (int i = 0; i < std::abs(steps); ++i) {
        const bool up = steps > 0;
        if (v.n == 0) {
            v = {up ? 1 : -1, s.scale};
            continue;
        }
        const double magnitude = std::fabs(static_cast<double>(v.n)) * std::pow(10.0, v.scale);
        const bool away = (v.n > 0) == up; // from zero
        const Scaled next = next_decade(magnitude, away);
        if (next.n == 0) {
            break;
        }
        v = {v.n > 0 ? next.n : -next.n, next.scale};
    }
    // Written at the finer of the text's digit and the step's.
    const int scale = std::min(v.scale, w->scale);
    return Stepped{written(v.n * power_of_ten(v.scale - scale), scale, *w), s.scale};
}

} // namespace ovrelan
