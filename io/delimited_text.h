// Delimited text as oscilloscopes, data loggers and spreadsheets write it: lines of cells
// separated by a comma, a semicolon, a tab or runs of blanks, numbers with a decimal point or a
// decimal comma, a cell in double quotes where it holds the separator itself. The dialect is not
// declared in such files: it is guessed from the lines as the one that reads the most of them as
// numbers.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ovrelan {

struct Dialect {
    char delimiter = ','; // ',', ';', '\t', or ' ' for runs of blanks and tabs
    char decimal = '.';   // '.' or ','
    friend bool operator==(const Dialect&, const Dialect&) = default;
};

// The dialects a file may be in, in the order a tie is decided: a comma with a decimal point,
// a semicolon with a decimal comma, and so on.
std::span<const Dialect> known_dialects();

// "запятая, десятичная точка", "точка с запятой, десятичная запятая", ...
std::string dialect_caption(Dialect d);

// The lines of a text without their ends (LF, CR LF or a lone CR); the last one is left out when
// the text ends with a line end.
std::vector<std::string_view> split_lines(std::string_view text);

// The cells of one line: split at the delimiter outside double quotes, blanks at either end and
// the quotes around a cell taken off. With the blank delimiter, blanks at the line's ends make no
// empty cells.
void split_cells(std::string_view line, char delimiter, std::vector<std::string_view>& cells);
std::vector<std::string_view> split_cells(std::string_view line, char delimiter);

// The number a cell holds, in this decimal separator: an optional sign, digits with at most one
// decimal separator (digits on at least one side), an optional exponent (E or e, an optional
// sign, digits); nothing else, blanks at the ends aside. Infinities and NaN are no numbers, a
// magnitude beyond the range of a double neither.
std::optional<double> cell_number(std::string_view cell, char decimal);

// The dialect that reads the most of these lines as rows of numbers only (empty cells allowed),
// then the most numbers in them; a tie goes to the delimiter the other lines (the header) use,
// then to the order of known_dialects(). Nothing when no line is a row of numbers in any.
std::optional<Dialect> sniff_dialect(std::span<const std::string_view> lines);

} // namespace ovrelan
