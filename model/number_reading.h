// The number-reading rule of the parameter fields.
#pragma once

#include <string_view>

namespace ovrelan {

// Reads the leading number of a field's text: blanks, tabs and line feeds are ignored anywhere;
// then an optional sign, digits, an optional point with digits and an optional exponent
// (E or e, optional sign, digits). Reading stops at the first character that cannot continue
// the number; text without a number reads as 0. The digits read convert to the nearest double;
// a magnitude beyond the double range reads as infinity, one below it as zero.
double read_number(std::string_view text);

} // namespace ovrelan
