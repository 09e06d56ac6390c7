// A double as text, byte for byte as std::to_chars writes it, at a fraction of its cost: a
// double between 2^-24 (about 6e-8) and 2^52, what a table of results mostly holds, is scaled to
// 17 digits with one exact 128-bit product and its digits are looked up four at a time; any other
// value goes to std::to_chars.
#pragma once

#include <span>

namespace ovrelan {

// Room a caller leaves from "at" on: the text is at most 24 characters, and the digits are
// stored in whole words that may reach past its end, never past this.
inline constexpr int decimal_text_room = 32;

// Seventeen significant digits, as printf's "%.17g" (and std::to_chars with the general format
// and precision 17).
char* write_17_digits(char* at, double v);

// The shortest text that reads back as v, as std::to_chars(first, last, v).
char* write_shortest(char* at, double v);

// The values in a row, each after the separator (",1.5,-2"), in one call: the room is
// values.size() times (decimal_text_room + 1).
char* write_17_digits_each(char* at, char separator, std::span<const double> values);
char* write_shortest_each(char* at, char separator, std::span<const double> values);

} // namespace ovrelan
