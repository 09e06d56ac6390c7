// The one number-to-text routine of the program: the general format of the parameter fields
// and the picture patterns of the fields, the characteristics panel and the graph windows.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace ovrelan {

// The digits std::to_chars writes for a double in this format and precision, into a buffer sized
// for the longest such text (a fixed form of 1e308 has 309 digits before the point): never
// truncated, never anything but the digits. "—" for NaN, "∞" and "−∞" for the infinities, as the
// windows show them. A negative precision asks for the shortest text that reads back.
std::string number_chars(double value, std::chars_format format, int precision = -1);

// A number for a person to read with `digits` significant digits and the given separator:
// plain ("12,34", "0,000123") while the plain form stays short, otherwise a power of ten
// ("1,234·10⁻⁶⁰"); a typographic minus; trailing zeros dropped when asked. "—" for NaN, "∞".
std::string readable_number(double value, int digits, bool drop_trailing_zeros,
                            char decimal_separator);

// Shortest plain decimal form with up to 15 significant digits: a blank in front of a
// non-negative number, a minus in front of a negative one, no zero before the point
// (" 2000", " .02", "-1.5"). Magnitudes from 1E+15 up and below 1E-04 take the exponent
// form (" 1E+15", " 2.5E-07"). The separator is always a point. With 17 digits every double
// reads back as itself.
std::string format_general(double value, int significant_digits = 15);

// Formats by a picture pattern:
//   leading literal blanks stay in the output;
//   "0" forces a digit, "#" makes it optional; the point stands for decimal_separator;
//   "E+00" writes the exponent with its sign and at least two digits.
// Patterns in use: " 0.000", " 0.00", "#0.00", "#0.000", "0.0000E+00", "0.000E+00",
// "0.00E+00". The last shown digit is rounded to nearest; a value that rounds to zero
// shows no minus sign.
std::string format_pattern(double value, std::string_view pattern, char decimal_separator);

// The fixed formats written into parameter fields: the pattern with the given separator, then
// every comma replaced by a point, so the text reads back through the number-reading rule.
std::string format_field_fixed(double value, std::string_view pattern, char decimal_separator);

} // namespace ovrelan
