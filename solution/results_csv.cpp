#include "solution/results_csv.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

namespace {

double seconds(const SimulationState& s, std::size_t k) {
    return s.t_grid[k] * s.t_scale;
}
double tau(const SimulationState& s, std::size_t k) {
    return s.t_grid[k];
}
double capacitor_volts(const SimulationState& s, std::size_t k) {
    return s.Uc_t[k] * s.Uc_scale;
}
double coil_volts(const SimulationState& s, std::size_t k) {
    return s.UL_t[k] * s.UL_scale;
}
double resistor_volts(const SimulationState& s, std::size_t k) {
    return static_cast<double>(s.Ur_t[k]) * s.Ur_scale;
}
double amperes(const SimulationState& s, std::size_t k) {
    return s.I_t[k] * s.I_scale;
}
double joules(const SimulationState& s, std::size_t k) {
    return s.W_t[k] * s.W_scale;
}

} // namespace

std::vector<CsvColumn> results_columns(const SimulationState& s) {
    std::vector<CsvColumn> columns{{"t_s", seconds}, {"tau", tau}};
    if (s.C != 0) {
        columns.push_back({"Uc_V", capacitor_volts});
    }
    if (s.L != 0) {
        columns.push_back({"UL_V", coil_volts});
    }
    if (s.R != 0) {
        columns.push_back({"Ur_V", resistor_volts});
    }
    columns.push_back({"I_A", amperes});
    columns.push_back({"W_J", joules});
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
    char buffer[decimal_text_room];
    for (std::size_t k = 0; k < rows; ++k) {
        out.start_row();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c > 0) {
                out.put(separator);
            }
            if (dialect == CsvDialect::comma_point) {
                out.put_number(columns[c].value(s, k));
                continue;
            }
            char* end = write_shortest(buffer, columns[c].value(s, k));
            std::replace(buffer, end, '.', ',');
            out.put(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
        }
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
