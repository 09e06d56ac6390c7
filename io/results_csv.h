// The results as a CSV table for a spreadsheet: a header row, then one row per computed grid
// point with the time in seconds, the normalised time and every quantity the circuit has, in SI
// units.
#pragma once

#include "model/simulation_state.h"
#include "model/steady_state.h"

#include <charconv>
#include <functional>
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

// The columns of this circuit: t_s, tau, then Uc_V (with a capacitor), EL_V (with a coil), Ur_V
// (with a resistor), I_A and W_J.
std::vector<CsvColumn> results_columns(const SimulationState& s);

// Receives the table piece by piece; false stops the writing (the file could not take it).
using CsvSink = std::function<bool(std::string_view piece)>;

// Text gathered into pieces of about 64 KiB for a sink, numbers written by std::to_chars
// straight into the piece: a million rows never stand in memory at once.
class CsvPieces {
public:
    explicit CsvPieces(const CsvSink& sink);
    void put(char c) { text_.push_back(c); }
    void put(std::string_view text) { text_.append(text); }
    // The shortest text that reads back as v; with a decimal comma when decimal is ','.
    void put_shortest(double v, char decimal = '.');
    // Seventeen significant digits, as printf's "%.17g".
    void put_17_digits(double v);
    void put_count(std::size_t n);
    // Ends a row; a full piece goes to the sink.
    void end_row();
    // The rest, once at the end; false when any piece was refused.
    bool finish();

private:
    template <class... Format> void put_number(const Format&... format);
    void flush();

    const CsvSink& sink_;
    std::string text_;
    bool ok_ = true;
};

// The table, every number in its shortest form that reads back exactly. False when the sink
// refused a piece.
bool write_results_csv(const SimulationState& s, CsvDialect dialect, const CsvSink& sink);

// The whole table as one text.
std::string results_csv(const SimulationState& s, CsvDialect dialect);

// The resonance curve of a circuit as a table: "nu_Hz,Im_A,UCm_V,ULm_V,phi_deg", one row per
// frequency (φ: how far the EMF leads the current, in degrees); a circuit without a curve gives
// the header alone. Every cell is a finite number: a frequency whose row would hold an infinite
// value (ν0 of a circuit without a resistor, where the current has no bound, or a value beyond
// the range of a double) is left out, as the results table leaves out what it does not have.
bool write_resonance_csv(const ResonanceCurve& curve, CsvDialect dialect, const CsvSink& sink);

} // namespace ovrelan
