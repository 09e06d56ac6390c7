// The results as a CSV table for a spreadsheet: a header row, then one row per computed grid
// point with the time in seconds, the normalised time and every quantity the circuit has, in SI
// units.
#pragma once

#include "model/simulation_state.h"
#include "solution/decimal_text.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ovrelan {

enum class CsvDialect {
    comma_point,     // "t_s,tau,Uc_V,...": a point as the decimal separator
    semicolon_comma, // "t_s;tau;Uc_V;...": a decimal comma, as a Russian spreadsheet opens it
};

// A column in SI units: an array of the state times its scale (the normalised time as it is).
struct CsvColumn {
    const char* name;          // "Uc_V"
    const double* values;      // the array, or null for the resistor's single-precision one
    const float* float_values; // the resistor's array when 'values' is null
    double scale;

    double value(std::size_t k) const {
        return (values != nullptr ? values[k] : static_cast<double>(float_values[k])) * scale;
    }
};

// The columns of this circuit: t_s, tau, then Uc_V (with a capacitor), UL_V (with a coil), Ur_V
// (with a resistor), I_A and W_J.
std::vector<CsvColumn> results_columns(const SimulationState& s);

// The columns' values at grid point k, one per column into 'row'.
inline void column_values(std::span<const CsvColumn> columns, std::size_t k,
                          std::span<double> row) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
        row[c] = columns[c].value(k);
    }
}

// The number of computed grid points: 0 ... floor(Nt).
std::size_t computed_points(const SimulationState& s);

// Receives the table piece by piece; false stops the writing (the file could not take it).
using CsvSink = std::function<bool(std::string_view piece)>;

// The table in pieces of about 64 KiB, every number in its shortest form that reads back exactly:
// a million rows never stand in memory at once. False when the sink refused a piece.
bool write_results_csv(const SimulationState& s, CsvDialect dialect, const CsvSink& sink);

// The whole table as one text.
std::string results_csv(const SimulationState& s, CsvDialect dialect);

// 0, 1, 2, ... as text, each from the last by moving its digits on in place.
class DecimalCounter {
public:
    DecimalCounter() { std::memset(digits_, '0', sizeof digits_); }
    std::string_view text() const { return {digits_ + first_, sizeof digits_ - first_}; }
    void count() {
        std::size_t i = sizeof digits_ - 1;
        while (digits_[i] == '9') {
            digits_[i--] = '0';
        }
        ++digits_[i];
        first_ = i < first_ ? i : first_;
    }

private:
    char digits_[20]; // room for any std::size_t
    std::size_t first_ = sizeof digits_ - 1;
};

// Rows of text gathered into pieces for a sink: a row is formatted in place in a fixed buffer
// and the piece goes out when it is full.
class CsvPieces {
public:
    explicit CsvPieces(const CsvSink& sink)
        : sink_(sink), text_(piece_size + row_room), at_(text_.data()) {}
    // Room for one more row (of up to 32 numbers and their separators).
    void start_row() {
        if (static_cast<std::size_t>(at_ - text_.data()) >= piece_size) {
            flush();
        }
    }
    void put(char c) { *at_++ = c; }
    void put(std::string_view text) {
        std::memcpy(at_, text.data(), text.size());
        at_ += text.size();
    }
    // The values in the shortest texts that read back exactly, parted by the separator, with
    // 'decimal' for the point.
    void put_numbers(std::span<const double> values, char separator, char decimal) {
        char* const first = at_;
        if (!values.empty()) {
            at_ = write_shortest(at_, values.front());
            at_ = write_shortest_each(at_, separator, values.subspan(1));
        }
        if (decimal != '.') {
            std::replace(first, at_, '.', decimal);
        }
    }
    // The values, each after the separator: in the shortest texts, and at 17 significant digits
    // (as "%.17g").
    void put_numbers_each(char separator, std::span<const double> values) {
        at_ = write_shortest_each(at_, separator, values);
    }
    void put_17_digits_each(char separator, std::span<const double> values) {
        at_ = write_17_digits_each(at_, separator, values);
    }
    // The rest, once at the end; false when any piece was refused.
    bool finish() {
        flush();
        return ok_;
    }

private:
    static constexpr std::size_t piece_size = 64 * 1024;
    static constexpr std::size_t row_room = 32 * (decimal_text_room + 1);
    void flush() {
        const auto size = static_cast<std::size_t>(at_ - text_.data());
        if (ok_ && size > 0) {
            ok_ = sink_(std::string_view(text_.data(), size));
        }
        at_ = text_.data();
    }

    const CsvSink& sink_;
    std::vector<char> text_;
    char* at_;
    bool ok_ = true;
};

} // namespace ovrelan
