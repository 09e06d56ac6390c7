#include "model/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace ovrelan {

namespace {

struct Picture {
    std::string prefix; // literal characters before the digits
    int min_int_digits = 0;
    bool has_point = false;
    int fraction_digits = 0;
    bool scientific = false;
    int min_exp_digits = 2;
};

Picture parse_picture(std::string_view pattern) {
    Picture p;
    std::size_t i = 0;
    while (i < pattern.size() && pattern[i] != '0' && pattern[i] != '#' && pattern[i] != '.') {
        p.prefix.push_back(pattern[i]);
        ++i;
    }
    while (i < pattern.size() && (pattern[i] == '0' || pattern[i] == '#')) {
        if (pattern[i] == '0') {
            ++p.min_int_digits;
        }
        ++i;
    }
    if (i < pattern.size() && pattern[i] == '.') {
        p.has_point = true;
        ++i;
        while (i < pattern.size() && (pattern[i] == '0' || pattern[i] == '#')) {
            ++p.fraction_digits;
            ++i;
        }
    }
    if (i < pattern.size() && (pattern[i] == 'E' || pattern[i] == 'e')) {
        p.scientific = true;
        i += 2; // the letter and the sign
        p.min_exp_digits = static_cast<int>(std::count(
            pattern.begin() + static_cast<long>(std::min(i, pattern.size())), pattern.end(), '0'));
    }
    return p;
}

bool all_zero_digits(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
}

// Correctly rounded conversion that ignores the C locale (the GUI may set a comma locale).
std::string chars(double value, std::chars_format format, int precision) {
    return number_chars(value, format, precision);
}

// "E+02": the letter, the sign always, at least min_digits digits.
std::string exponent_text(int exponent, int min_digits) {
    std::string digits = std::to_string(std::abs(exponent));
    std::string out = exponent < 0 ? "E-" : "E+";
    if (digits.size() < static_cast<std::size_t>(min_digits)) {
        out.append(static_cast<std::size_t>(min_digits) - digits.size(), '0');
    }
    return out.append(digits);
}

std::string format_fixed_digits(double magnitude, const Picture& p, char separator) {
    std::string digits = chars(magnitude, std::chars_format::fixed, p.fraction_digits);
    const auto point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    // "#" positions drop leading zeros; "0" positions keep at least that many digits.
    while (whole.size() > static_cast<std::size_t>(p.min_int_digits) && whole.front() == '0') {
        whole.erase(whole.begin());
    }
    while (whole.size() < static_cast<std::size_t>(p.min_int_digits)) {
        whole.insert(whole.begin(), '0');
    }
    std::string out = whole;
    if (p.has_point) {
        out.push_back(separator);
        out += fraction;
    }
    return out;
}

std::string format_scientific_digits(double magnitude, const Picture& p, char separator) {
    const std::string text = chars(magnitude, std::chars_format::scientific, p.fraction_digits);
    const auto e = text.find('e');
    std::string mantissa = text.substr(0, e);
    const int exponent = std::atoi(text.c_str() + e + 1);
    const auto point = mantissa.find('.');
    if (point != std::string::npos) {
        mantissa[point] = separator;
    } else if (p.has_point) {
        mantissa.push_back(separator);
    }
    return mantissa.append(exponent_text(exponent, p.min_exp_digits));
}

constexpr std::string_view typographic_minus = "\u2212";

// "⁻⁶⁰": an exponent in superscript digits.
std::string superscript(int exponent) {
    static constexpr std::string_view digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string out = exponent < 0 ? "⁻" : "";
    for (const char c : std::to_string(std::abs(exponent))) {
        out += digits[c - '0'];
    }
    return out;
}

void drop_zeros_after_point(std::string& text) {
    if (text.find('.') == std::string::npos) {
        return;
    }
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
}

} // namespace

std::string number_chars(double value, std::chars_format format, int precision) {
    if (std::isnan(value)) {
        return "—";
    }
    if (std::isinf(value)) {
        return value < 0 ? "−∞" : "∞";
    }
    // The longest text: a sign, 309 digits before the point, the point, the precision's digits
    // and an exponent of five characters.
    constexpr int widest_precision = 1100;
    precision = std::min(precision, widest_precision);
    std::string text(static_cast<std::size_t>(std::max(precision, 0)) + 330, '\0');
    char* const first = text.data();
    char* const last = first + text.size();
    const std::to_chars_result r = precision < 0
                                       ? std::to_chars(first, last, value, format)
                                       : std::to_chars(first, last, value, format, precision);
    if (r.ec != std::errc{}) {
        return "—"; // cannot happen with this room; never hand out what was not written
    }
    text.resize(static_cast<std::size_t>(r.ptr - first));
    return text;
}

std::string readable_number(double value, int digits, bool drop_trailing_zeros,
                            char decimal_separator) {
    if (!std::isfinite(value)) {
        return number_chars(value, std::chars_format::general);
    }
    if (value == 0) {
        return "0";
    }
    digits = std::clamp(digits, 1, 17);
    const double magnitude = std::fabs(value);
    // The decimals count from the leading digit as written before rounding (9.996 with three
    // digits: "10.00"); the form follows the leading digit after it.
    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    const std::string scientific =
        number_chars(magnitude, std::chars_format::scientific, digits - 1);
    const int rounded_exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
    std::string text;
    if (rounded_exponent >= -6 && rounded_exponent < 12) {
        // Digits beyond the significant ones are zeros: 123456789012 with four is 123500000000.
        const double rounded =
            rounded_exponent >= digits ? std::strtod(scientific.c_str(), nullptr) : magnitude;
        text = number_chars(rounded, std::chars_format::fixed, std::max(0, digits - 1 - exponent));
        if (drop_trailing_zeros) {
            drop_zeros_after_point(text);
        }
    } else {
        text = scientific.substr(0, scientific.find('e'));
        if (drop_trailing_zeros) {
            drop_zeros_after_point(text);
        }
        text += "·10" + superscript(rounded_exponent);
    }
    std::replace(text.begin(), text.end(), '.', decimal_separator);
    return (value < 0 ? std::string(typographic_minus) : std::string()) + text;
}

std::string format_general(double value, int significant_digits) {
    if (std::isnan(value)) {
        return " NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Inf" : " Inf";
    }
    const std::string sign = std::signbit(value) && value != 0 ? "-" : " ";
    if (value == 0) {
        return " 0";
    }
    // The significant digits, then the trailing zeros of the mantissa removed.
    const std::string text =
        chars(std::fabs(value), std::chars_format::scientific, significant_digits - 1);
    const auto e = text.find('e');
    int exponent = std::atoi(text.c_str() + e + 1);
    std::string digits;
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') {
            digits.push_back(text[i]);
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string out = sign;
    if (exponent >= 15 || exponent < -4) { // the plain form would need more than 15 places
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back('.');
            out.append(digits, 1);
        }
        return out.append(exponent_text(exponent, 2));
    }
    if (exponent < 0) {
        out.push_back('.');
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        return out.append(digits);
    }
    const auto whole_len = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole_len) {
        out.append(digits);
        return out.append(whole_len - digits.size(), '0');
    }
    out.append(digits, 0, whole_len);
    out.push_back('.');
    return out.append(digits, whole_len);
}

std::string format_pattern(double value, std::string_view pattern, char decimal_separator) {
    const Picture p = parse_picture(pattern);
    if (!std::isfinite(value)) {
        return p.prefix + (std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf"));
    }
    const double magnitude = std::fabs(value);
    const std::string digits = p.scientific
                                   ? format_scientific_digits(magnitude, p, decimal_separator)
                                   : format_fixed_digits(magnitude, p, decimal_separator);
    const std::string_view mantissa = p.scientific
                                          ? std::string_view(digits).substr(0, digits.find('E'))
                                          : std::string_view(digits);
    const bool negative = value < 0 && !all_zero_digits(mantissa);
    return p.prefix + (negative ? "-" : "") + digits;
}

std::string format_field_fixed(double value, std::string_view pattern, char decimal_separator) {
    std::string text = format_pattern(value, pattern, decimal_separator);
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

} // namespace ovrelan
