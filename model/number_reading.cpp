#include "model/number_reading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace ovrelan {

namespace {

bool is_ignored(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The text without the characters the rule ignores.
std::string compact(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (!is_ignored(c)) {
            out.push_back(c);
        }
    }
    return out;
}

// Decimal exponent of the leading significant digit of an unsigned mantissa "ddd.ddd",
// or 0 when every digit is zero.
long leading_exponent(std::string_view mantissa) {
    const auto point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const auto first = whole.find_first_not_of('0');
    if (first != std::string_view::npos) {
        return static_cast<long>(whole.size() - first) - 1;
    }
    if (point == std::string_view::npos) {
        return 0;
    }
    const std::string_view fraction = mantissa.substr(point + 1);
    const auto nonzero = fraction.find_first_not_of('0');
    return nonzero == std::string_view::npos ? 0 : -static_cast<long>(nonzero) - 1;
}

} // namespace

double read_number(std::string_view text) {
    return read_number_digits(text).value;
}

bool reads_whole(std::string_view text) {
    const std::string s = compact(text);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && is_digit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        ++i;
        while (i < s.size() && is_digit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        std::size_t exponent_digits = 0;
        while (i < s.size() && is_digit(s[i])) {
            ++i;
            ++exponent_digits;
        }
        if (exponent_digits == 0) {
            return false;
        }
    }
    return i == s.size();
}

NumberRead read_number_digits(std::string_view text) {
    std::string s = compact(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t mantissa_begin = i;
    std::size_t digits = 0;
    while (i < s.size() && is_digit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        s[i] = '.'; // a decimal comma reads as the point
        ++i;
        while (i < s.size() && is_digit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return {};
    }
    const std::size_t mantissa_end = i;
    const std::string_view written(s.data() + mantissa_begin, mantissa_end - mantissa_begin);
    const bool nonzero = written.find_first_of("123456789") != std::string_view::npos;
    long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        bool exp_negative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exp_negative = s[j] == '-';
            ++j;
        }
        if (j < s.size() && is_digit(s[j])) {
            long e = 0;
            while (j < s.size() && is_digit(s[j])) {
                if (e < 100000) {
                    e = e * 10 + (s[j] - '0');
                }
                ++j;
            }
            exponent = exp_negative ? -e : e;
            i = j;
        }
    }
    // from_chars takes no leading sign: convert the unsigned number, then apply it.
    const std::string_view number(s.data() + mantissa_begin, i - mantissa_begin);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                           std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        const std::string_view mantissa(s.data() + mantissa_begin, mantissa_end - mantissa_begin);
        value = leading_exponent(mantissa) + exponent > 0 ? std::numeric_limits<double>::infinity()
                                                          : 0.0;
    } else if (ec != std::errc{}) {
        value = 0.0;
    }
    return {negative ? -value : value, nonzero};
}

} // namespace ovrelan
