#include "solution/results_csv.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

std::vector<CsvColumn> results_columns(const SimulationState& s) {
    std::vector<CsvColumn> columns{{"t_s", s.t_grid.data(), nullptr, s.t_scale},
                                   {"tau", s.t_grid.data(), nullptr, 1.0}};
    if (s.C != 0) {
        columns.push_back({"Uc_V", s.Uc_t.data(), nullptr, s.Uc_scale});
    }
    if (s.L != 0) {
        columns.push_back({"UL_V", s.UL_t.data(), nullptr, s.UL_scale});
    }
    if (s.R != 0) {
        columns.push_back({"Ur_V", nullptr, s.Ur_t.data(), s.Ur_scale});
    }
    columns.push_back({"I_A", s.I_t.data(), nullptr, s.I_scale});
    columns.push_back({"W_J", s.W_t.data(), nullptr, s.W_scale});
    return columns;
}

std::size_t computed_points(const SimulationState& s) {
    if (s.t_grid.empty()) {
        return 0;
    }
    return std::min(s.t_grid.size(), static_cast<std::size_t>(std::floor(s.Nt)) + 1);
}

bool write_results_csv(const SimulationState& s, CsvDialect dialect, const CsvSink& sink) {
    const char separator = dialect == CsvDialect::comma_point ? ',' : ';';
    const std::vector<CsvColumn> columns = results_columns(s);
    const std::size_t rows = computed_points(s);
    CsvPieces out(sink);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (c > 0) {
            out.put(separator);
        }
        out.put(columns[c].name);
    }
    out.put('\n');
    const char decimal = dialect == CsvDialect::comma_point ? '.' : ',';
    std::vector<double> values(columns.size());
    for (std::size_t k = 0; k < rows; ++k) {
        out.start_row();
        column_values(columns, k, values);
        out.put_numbers(values, separator, decimal);
        out.put('\n');
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

} // namespace ovrelan
