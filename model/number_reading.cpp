#include "model/number_reading.h"

#include <algorithm>
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

// Where the parts of the leading number of a compacted text lie: one scan for the reader and for
// the check that a text is one number and nothing else.
struct Scan {
    bool negative = false;
    std::size_t mantissa_begin = 0; // after the sign
    std::size_t mantissa_end = 0;   // digits with at most one decimal separator
    std::size_t digits = 0;         // in the mantissa
    std::size_t end = 0;            // after the exponent, when it has digits
    bool dangling_exponent = false; // an E (and sign) without digits follows the mantissa
};

Scan scan(std::string_view s) {
    Scan r;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        r.negative = s[i] == '-';
        ++i;
    }
    r.mantissa_begin = i;
    const auto digits = [&] {
        while (i < s.size() && is_digit(s[i])) {
            ++i;
            ++r.digits;
        }
    };
    digits();
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        ++i;
        digits();
    }
    r.mantissa_end = r.end = i;
    if (r.digits > 0 && i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        if (j < s.size() && is_digit(s[j])) {
            while (j < s.size() && is_digit(s[j])) {
                ++j;
            }
            r.end = j;
        } else {
            r.dangling_exponent = true;
        }
    }
    return r;
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

// The exponent's value, capped beyond the length of any text, so that with the position of the
// leading digit (which the text's length bounds) it still decides the magnitude.
long exponent_value(std::string_view s, std::size_t from, std::size_t end) {
    if (from >= end) {
        return 0;
    }
    std::size_t j = from + 1; // past the letter
    const bool negative = s[j] == '-';
    if (s[j] == '+' || s[j] == '-') {
        ++j;
    }
    long e = 0;
    for (; j < end; ++j) {
        e = std::min(100'000'000'000'000'000L, e * 10 + (s[j] - '0'));
    }
    return negative ? -e : e;
}

} // namespace

double read_number(std::string_view text) {
    return read_number_digits(text).value;
}

bool reads_whole(std::string_view text) {
    const std::string s = compact(text);
    const Scan r = scan(s);
    return r.digits > 0 && !r.dangling_exponent && r.end == s.size();
}

NumberRead read_number_digits(std::string_view text) {
    std::string s = compact(text);
    const Scan r = scan(s);
    if (r.digits == 0) {
        return {};
    }
    std::replace(s.begin() + static_cast<long>(r.mantissa_begin),
                 s.begin() + static_cast<long>(r.mantissa_end), ',',
                 '.'); // a comma reads as a point
    const std::string_view mantissa(s.data() + r.mantissa_begin, r.mantissa_end - r.mantissa_begin);
    const bool nonzero = mantissa.find_first_of("123456789") != std::string_view::npos;
    // from_chars takes no leading sign: convert the unsigned number, then apply it.
    const std::string_view number(s.data() + r.mantissa_begin, r.end - r.mantissa_begin);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                           std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        const long exponent = exponent_value(s, r.mantissa_end, r.end);
        value = leading_exponent(mantissa) + exponent > 0 ? std::numeric_limits<double>::infinity()
                                                          : 0.0;
    } else if (ec != std::errc{}) {
        value = 0.0;
    }
    return {r.negative ? -value : value, nonzero};
}

} // namespace ovrelan
