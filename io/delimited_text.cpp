#include "io/delimited_text.h"

#include "model/text_arguments.h"
#include "model/translation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>
#include <tuple>

namespace ovrelan {

namespace {

constexpr std::array<Dialect, 8> dialects{{
    {',', '.'},
    {';', ','},
    {';', '.'},
    {'\t', '.'},
    {'\t', ','},
    {' ', '.'},
    {' ', ','},
    {',', ','}, // a decimal comma in quoted cells, as some spreadsheets write it
}};

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim_blanks(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && is_blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::string_view unquoted(std::string_view cell) {
    cell = trim_blanks(cell);
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') {
        cell = trim_blanks(cell.substr(1, cell.size() - 2));
    }
    return cell;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// A whole number of two digits or more that starts with 0 ("05", "-001"): after a comma it is
// the fraction of a number with a decimal comma far more often than a number of its own.
bool is_padded_integer(std::string_view cell) {
    if (!cell.empty() && (cell.front() == '-' || cell.front() == '+')) {
        cell.remove_prefix(1);
    }
    return cell.size() >= 2 && cell.front() == '0' &&
           std::all_of(cell.begin(), cell.end(), is_digit);
}

} // namespace

std::span<const Dialect> known_dialects() {
    return dialects;
}

std::string dialect_caption(Dialect d) {
    std::string delimiter;
    switch (d.delimiter) {
    case ',':
        delimiter = translated("DelimitedText", "запятая");
        break;
    case ';':
        delimiter = translated("DelimitedText", "точка с запятой");
        break;
    case '\t':
        delimiter = translated("DelimitedText", "табуляция");
        break;
    default:
        delimiter = translated("DelimitedText", "пробелы");
        break;
    }
    return with_arguments(d.decimal == ',' ? translated("DelimitedText", "%1, десятичная запятая")
                                           : translated("DelimitedText", "%1, десятичная точка"),
                          delimiter);
}

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') {
            ++end;
        }
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    return lines;
}

void split_cells(std::string_view line, char delimiter, std::vector<std::string_view>& cells) {
    cells.clear();
    const bool blanks = delimiter == ' ';
    if (blanks) {
        line = trim_blanks(line);
        if (line.empty()) {
            return;
        }
    }
    const bool quoted = line.find('"') != std::string_view::npos;
    std::size_t start = 0;
    bool inside = false;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const bool end = i == line.size();
        const char c = end ? '\0' : line[i];
        if (!end && quoted && c == '"') {
            inside = !inside;
            continue;
        }
        const bool splits = !end && !inside && (blanks ? is_blank(c) : c == delimiter);
        if (!end && !splits) {
            continue;
        }
        cells.push_back(unquoted(line.substr(start, i - start)));
        if (blanks) {
            while (i + 1 < line.size() && is_blank(line[i + 1])) {
                ++i;
            }
        }
        start = i + 1;
    }
}

std::vector<std::string_view> split_cells(std::string_view line, char delimiter) {
    std::vector<std::string_view> cells;
    split_cells(line, delimiter, cells);
    return cells;
}

std::optional<double> cell_number(std::string_view cell, char decimal) {
    cell = trim_blanks(cell);
    if (!cell.empty() && cell.front() == '+') {
        cell.remove_prefix(1);
        if (!cell.empty() && cell.front() == '-') {
            return std::nullopt;
        }
    }
    // At most a sign before the mantissa: no "inf", "nan" or blanks, which the library takes.
    const std::size_t first = !cell.empty() && cell.front() == '-' ? 1 : 0;
    if (cell.size() <= first || !(is_digit(cell[first]) || cell[first] == decimal)) {
        return std::nullopt;
    }
    const char other = decimal == ',' ? '.' : ',';
    char buffer[64];
    if (cell.size() > sizeof buffer || cell.find(other) != std::string_view::npos) {
        return std::nullopt;
    }
    const char* begin = cell.data();
    if (decimal == ',') {
        std::memcpy(buffer, cell.data(), cell.size());
        std::replace(buffer, buffer + cell.size(), ',', '.');
        begin = buffer;
    }
    const char* end = begin + cell.size();
    double value = 0;
    const auto [stop, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    if (ec != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<Dialect> sniff_dialect(std::span<const std::string_view> lines) {
    struct Score {
        std::size_t rows = 0;      // lines that are numbers only
        std::size_t numbers = 0;   // numbers in them
        std::size_t header = 0;    // other lines that hold the delimiter (not a blank)
        std::size_t preferred = 0; // the later in the list, the lower
        auto key() const { return std::tie(rows, numbers, header, preferred); }
    };
    std::vector<std::string_view> cells;
    std::optional<Dialect> best;
    Score best_score;
    for (std::size_t k = 0; k < dialects.size(); ++k) {
        const Dialect d = dialects[k];
        Score score;
        score.preferred = dialects.size() - k;
        for (const std::string_view line : lines) {
            split_cells(line, d.delimiter, cells);
            std::size_t numbers = 0;
            bool clean = true;
            for (std::size_t c = 0; c < cells.size() && clean; ++c) {
                if (cells[c].empty()) {
                    continue;
                }
                const bool padded = d.delimiter == ',' && c > 0 && is_padded_integer(cells[c]);
                clean = !padded && cell_number(cells[c], d.decimal).has_value();
                numbers += clean ? 1 : 0;
            }
            if (clean && numbers > 0) {
                ++score.rows;
                score.numbers += numbers;
            } else if (d.delimiter != ' ' && line.find(d.delimiter) != std::string_view::npos) {
                // Names are written with blanks in any dialect: only the others count here.
                ++score.header;
            }
        }
        if (score.rows > 0 && (!best || score.key() > best_score.key())) {
            best = d;
            best_score = score;
        }
    }
    return best;
}

} // namespace ovrelan
