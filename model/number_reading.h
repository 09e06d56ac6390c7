// The number-reading rule of the parameter fields.
#pragma once

#include <string_view>

namespace ovrelan {

struct NumberRead {
    double value = 0;
    bool nonzero_digits = false; // a digit 1-9 was read: the number is not zero as written
};

// Reads the leading number of a field's text: blanks, tabs and line feeds are ignored anywhere;
// then an optional sign, digits, an optional decimal separator (a point or a comma) with digits
// and an optional exponent (E or e, optional sign, digits). Reading stops at the first character
// that cannot continue the number; text without a number reads as 0. The digits read convert to
// the nearest double; a magnitude beyond the double range reads as infinity, one below it as
// zero (nonzero_digits then tells that it was not written as zero).
NumberRead read_number_digits(std::string_view text);

double read_number(std::string_view text);

// True when the text is one number and nothing else (blanks aside): what a task file's value
// must be.
bool reads_whole(std::string_view text);

} // namespace ovrelan
