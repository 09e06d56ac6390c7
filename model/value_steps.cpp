#include "model/value_steps.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace ovrelan {

namespace {

// The largest exponent a step works with: beyond it the value is no double anyway.
constexpr int exponent_bound = 330;
// A step counts exactly up to this many digits (int64 holds 18 whatever they are).
constexpr std::size_t countable_digits = 15;

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
        std::string_view rest = text.substr(i + 1);
        const bool minus = !rest.empty() && rest.front() == '-';
        if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
            rest.remove_prefix(1);
        }
        if (rest.empty() || rest.size() > 4 ||
            rest.find_first_not_of("0123456789") != std::string_view::npos) {
            return std::nullopt;
        }
        const int e = std::atoi(std::string(rest).c_str());
        if (e > exponent_bound) {
            return std::nullopt;
        }
        w.exponent = minus ? -e : e;
        i = text.size();
    }
    if (i != text.size() || w.digits.empty() || w.decimals > 300) {
        return std::nullopt;
    }
    // Leading zeros say nothing; a step counts exactly only so many digits.
    const std::size_t first = w.digits.find_first_not_of('0');
    w.digits = first == std::string::npos ? "0" : w.digits.substr(first);
    if (w.digits.size() > countable_digits) {
        return std::nullopt;
    }
    w.scale = -w.decimals + w.exponent.value_or(0);
    return w;
}

// ±n × 10^scale.
struct Scaled {
    std::int64_t n = 0;
    int scale = 0;
};

// 10^k for 0 ≤ k ≤ 18; nothing beyond.
std::optional<std::int64_t> power_of_ten(int k) {
    if (k < 0 || k > 18) {
        return std::nullopt;
    }
    std::int64_t p = 1;
    for (int i = 0; i < k; ++i) {
        p *= 10;
    }
    return p;
}

// n × 10^k, or nothing when it leaves what a step counts exactly.
std::optional<std::int64_t> times_power(std::int64_t n, int k) {
    const auto p = power_of_ten(k);
    std::int64_t out = 0;
    if (!p || __builtin_mul_overflow(n, *p, &out) || std::llabs(out) >= 1'000'000'000'000'000'000) {
        return std::nullopt;
    }
    return out;
}

int digit_count(std::int64_t n) {
    int d = 1;
    for (n = std::llabs(n); n >= 10; n /= 10) {
        ++d;
    }
    return d;
}

// The power of ten of the leading digit of n × 10^scale (n ≠ 0).
int order(const Scaled& v) {
    return digit_count(v.n) - 1 + v.scale;
}

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

// ±n × 10^scale as the text was written: its separator, at least its decimals, its exponent.
std::optional<std::string> written(std::int64_t n, int scale, const Written& like) {
    const int exponent = like.exponent.value_or(0);
    const int decimals = std::max(like.decimals, exponent - scale);
    // n × 10^scale = m × 10^(exponent - decimals)
    const auto m = times_power(n, scale - (exponent - decimals));
    if (!m || decimals > exponent_bound) {
        return std::nullopt;
    }
    std::string digits = std::to_string(*m < 0 ? -*m : *m);
    if (decimals > 0) {
        if (static_cast<int>(digits.size()) <= decimals) {
            digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
        }
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, like.separator);
    }
    std::string text(*m < 0 ? "-" : "");
    text += digits;
    if (like.exponent) {
        text += 'e';
        text += std::to_string(*like.exponent);
    }
    return text;
}

// Whether a × 10^sa < b × 10^sb for positive a and b: by their orders, then digit by digit.
bool less(const Scaled& a, const Scaled& b) {
    if (order(a) != order(b)) {
        return order(a) < order(b);
    }
    std::string da = std::to_string(a.n);
    std::string db = std::to_string(b.n);
    const std::size_t width = std::max(da.size(), db.size());
    da.append(width - da.size(), '0');
    db.append(width - db.size(), '0');
    return da < db;
}

// The next value along 1, 2, 5 × 10ⁿ above (up) or below a positive value.
Scaled next_decade(const Scaled& v, bool up) {
    constexpr int mantissas[] = {1, 2, 5};
    const int base = order(v);
    if (up) {
        for (int k = base; k <= base + 1; ++k) {
            for (const int m : mantissas) {
                if (less(v, {m, k})) {
                    return {m, k};
                }
            }
        }
        return {1, base + 2};
    }
    for (int k = base; k >= base - 1; --k) {
        for (int i = 2; i >= 0; --i) {
            if (less({mantissas[i], k}, v)) {
                return {mantissas[i], k};
            }
        }
    }
    return {5, base - 2};
}

// Whether a stepped value stays where a step may go.
bool within(const Scaled& v, const StepLimits& limits) {
    if (v.n == 0) {
        return true;
    }
    // No larger than the largest double, 1.7976931348623157e308.
    constexpr Scaled largest{17976931348623157, 292};
    const int o = order(v);
    if (less(largest, {std::llabs(v.n), v.scale}) || o < -exponent_bound) {
        return false;
    }
    // |v| ≥ smallest, compared in doubles only where both are ordinary numbers.
    const double magnitude = static_cast<double>(std::llabs(v.n)) * std::pow(10.0, v.scale);
    return !(limits.smallest > 0) || o > 0 || magnitude >= limits.smallest * (1 - 1e-12);
}

std::optional<Stepped> finished(std::optional<std::string> text, int unit, std::string_view before,
                                const StepLimits& limits) {
    if (!text) {
        return std::nullopt;
    }
    std::string_view trimmed = before;
    while (!trimmed.empty() && (trimmed.front() == ' ' || trimmed.front() == '\t')) {
        trimmed.remove_prefix(1);
    }
    if (limits.widest > 0 && text->size() > std::max(limits.widest, trimmed.size())) {
        return std::nullopt; // the field would show only part of it
    }
    return Stepped{std::move(*text), unit};
}

} // namespace

std::optional<Stepped> stepped_text(std::string_view text, int steps, StepKind kind,
                                    std::optional<int> unit, StepLimits limits) {
    const auto w = read_written(text);
    if (!w || std::abs(steps) > 1000) {
        return std::nullopt;
    }
    Scaled s = significant(*w);
    if (unit && *unit != s.scale) {
        // The digit of the steps before: the value counted in its units (finer ones kept).
        if (*unit < s.scale) {
            const auto finer = times_power(s.n, s.scale - *unit);
            if (!finer) {
                return std::nullopt;
            }
            s = {*finer, *unit};
        } else if (const auto p = power_of_ten(*unit - s.scale); p && s.n % *p == 0) {
            s = {s.n / *p, *unit};
        }
    }
    const std::int64_t signed_n = w->negative ? -s.n : s.n;
    if (kind == StepKind::digit) {
        const Scaled next{signed_n + steps, s.scale};
        if (!within(next, limits)) {
            return std::nullopt;
        }
        return finished(written(next.n, next.scale, *w), s.scale, text, limits);
    }
    // Along 1, 2, 5: one decade step at a time, through zero from the last digit's unit.
    Scaled v{signed_n, s.scale};
    for (int i = 0; i < std::abs(steps); ++i) {
        const bool up = steps > 0;
        if (v.n == 0) {
            v = {up ? 1 : -1, s.scale};
            continue;
        }
        const bool away = (v.n > 0) == up; // from zero
        const Scaled next = next_decade({std::llabs(v.n), v.scale}, away);
        v = {v.n > 0 ? next.n : -next.n, next.scale};
        if (!within(v, limits)) {
            return std::nullopt;
        }
    }
    // Written at the finer of the text's digit and the step's.
    const int scale = std::min(v.scale, w->scale);
    const auto n = times_power(v.n, v.scale - scale);
    if (!n) {
        return std::nullopt;
    }
    return finished(written(*n, scale, *w), s.scale, text, limits);
}

} // namespace ovrelan
