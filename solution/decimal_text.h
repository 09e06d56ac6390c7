// Seventeen significant digits of a double, byte for byte as printf's "%.17g" (and
// std::to_chars with the general format and precision 17) writes them, at a fraction of their
// cost: a double between 1e-6 and 2^53, what a table of results mostly holds, is rounded
// with exact 128-bit integer arithmetic and its digits are made eight at a time; any other
// value goes to std::to_chars.
#pragma once

namespace ovrelan {

// Room a caller leaves from "at" on: the text is at most 24 characters, and the digits are
// stored in whole words that may reach past its end, never past this.
inline constexpr int decimal_text_room = 32;

char* write_17_digits(char* at, double v);

} // namespace ovrelan
