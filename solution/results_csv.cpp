#include "solution/results_csv.h"

#include <algorithm>
#include <charconv>
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

std::string csv_number(double v, CsvDialect dialect) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    std::string text(buffer, r.ptr);
    if (dialect == CsvDialect::semicolon_comma) {
        std::replace(text.begin(), text.end(), '.', ',');
    }
    return text;
}

std::string results_csv(const SimulationState& s, CsvDialect dialect) {
    const char separator = dialect == CsvDialect::comma_point ? ',' : ';';
    const std::vector<CsvColumn> columns = results_columns(s);
    const std::size_t rows = computed_points(s);
    std::string out;
    out.reserve((rows + 1) * columns.size() * 24);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        out += c == 0 ? "" : std::string(1, separator);
        out += columns[c].name;
    }
    out += '\n';
    char buffer[64];
    for (std::size_t k = 0; k < rows; ++k) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c > 0) {
                out += separator;
            }
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, columns[c].value(s, k));
            if (dialect == CsvDialect::semicolon_comma) {
                std::replace(buffer, r.ptr, '.', ',');
            }
            out.append(buffer, r.ptr);
        }
        out += '\n';
    }
    return out;
}

} // namespace ovrelan
