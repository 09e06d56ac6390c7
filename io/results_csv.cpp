#include "io/results_csv.h"

#include "solution/solution_arrays.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <system_error>

namespace ovrelan {

namespace {

constexpr std::size_t piece_size = 64 * 1024;
// The longest number std::to_chars writes for a double: "-2.2250738585072014e-308".
constexpr std::size_t number_room = 32;

} // namespace

std::vector<CsvColumn> results_columns(const SimulationState& s) {
    std::vector<CsvColumn> columns{{"t_s", s.t_grid.data(), nullptr, s.t_scale},
                                   {"tau", s.t_grid.data(), nullptr, 1.0}};
    if (s.C != 0) {
        columns.push_back({"Uc_V", s.Uc_t.data(), nullptr, s.Uc_scale});
    }
    if (s.L != 0) {
        columns.push_back({"EL_V", s.UL_t.data(), nullptr, s.UL_scale});
    }
    if (s.R != 0) {
        columns.push_back({"Ur_V", nullptr, s.Ur_t.data(), s.Ur_scale});
    }
    columns.push_back({"I_A", s.I_t.data(), nullptr, s.I_scale});
    columns.push_back({"W_J", s.W_t.data(), nullptr, s.W_scale});
    return columns;
}

CsvPieces::CsvPieces(const CsvSink& sink) : sink_(sink) {
    text_.reserve(piece_size + 1024);
}

template <class... Format> void CsvPieces::put_number(const Format&... format) {
    const std::size_t at = text_.size();
    text_.resize(at + number_room);
    char* const first = text_.data() + at;
    const auto written = std::to_chars(first, first + number_room, format...);
    // The room fits every double; should it not, the cell stays empty rather than hold what was
    // never written.
    text_.resize(written.ec == std::errc{} ? static_cast<std::size_t>(written.ptr - text_.data())
                                           : at);
}

void CsvPieces::put_shortest(double v, char decimal) {
    const std::size_t at = text_.size();
    put_number(v);
    if (decimal != '.') {
        std::replace(text_.begin() + static_cast<std::ptrdiff_t>(at), text_.end(), '.', decimal);
    }
}

void CsvPieces::put_17_digits(double v) {
    put_number(v, std::chars_format::general, 17);
}

void CsvPieces::put_count(std::size_t n) {
    put_number(n);
}

void CsvPieces::end_row() {
    text_.push_back('\n');
    if (text_.size() >= piece_size) {
        flush();
    }
}

bool CsvPieces::finish() {
    flush();
    return ok_;
}

void CsvPieces::flush() {
    if (ok_ && !text_.empty()) {
        ok_ = sink_(text_);
    }
    text_.clear();
}

bool write_results_csv(const SimulationState& s, CsvDialect dialect, const CsvSink& sink) {
    const char separator = dialect == CsvDialect::comma_point ? ',' : ';';
    const char decimal = dialect == CsvDialect::comma_point ? '.' : ',';
    const std::vector<CsvColumn> columns = results_columns(s);
    CsvPieces out(sink);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (c > 0) {
            out.put(separator);
        }
        out.put(columns[c].name);
    }
    out.end_row();
    const std::size_t rows = computed_points(s);
    for (std::size_t k = 0; k < rows; ++k) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c > 0) {
                out.put(separator);
            }
            out.put_shortest(columns[c].value(k), decimal);
        }
        out.end_row();
    }
    return out.finish();
}

std::string results_csv(const SimulationState& s, CsvDialect dialect) {
    std::string text;
    write_results_csv(s, dialect, [&text](std::string_view piece) {
        text.append(piece);
        return true;
    });
    return text;
}

bool write_resonance_csv(const ResonanceCurve& curve, CsvDialect dialect, const CsvSink& sink) {
    const char separator = dialect == CsvDialect::comma_point ? ',' : ';';
    const char decimal = dialect == CsvDialect::comma_point ? '.' : ',';
    CsvPieces out(sink);
    const char* names[] = {"nu_Hz", "Im_A", "UCm_V", "ULm_V", "phi_deg"};
    for (std::size_t c = 0; c < std::size(names); ++c) {
        if (c > 0) {
            out.put(separator);
        }
        out.put(names[c]);
    }
    out.end_row();
    for (const ResonancePoint& p : curve.points) {
        const double values[] = {p.nu, p.I_m, p.U_Cm, p.U_Lm, p.phi * 180 / std::numbers::pi};
        // As in the results table, every cell is a finite number: a frequency where the current
        // has no bound (ν0 without a resistor) or a value is beyond a double's range is left out.
        if (!std::all_of(std::begin(values), std::end(values),
                         [](double v) { return std::isfinite(v); })) {
            continue;
        }
        for (std::size_t c = 0; c < std::size(values); ++c) {
            if (c > 0) {
                out.put(separator);
            }
            out.put_shortest(values[c], decimal);
        }
        out.end_row();
    }
    return out.finish();
}

} // namespace ovrelan
