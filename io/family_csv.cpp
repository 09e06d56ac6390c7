#include "io/family_csv.h"

#include "model/steady_state.h"
#include "solution/solution_arrays.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

namespace ovrelan {

namespace {

// One member's part of a table: its argument column first, then its quantities.
struct MemberColumns {
    std::string key;
    std::vector<CsvColumn> columns;
    std::size_t rows = 0;

    const CsvColumn* find(std::string_view name) const {
        for (const CsvColumn& c : columns) {
            if (name == c.name) {
                return &c;
            }
        }
        return nullptr;
    }
};

struct Dialect {
    char separator;
    char decimal;
    explicit Dialect(CsvDialect d)
        : separator(d == CsvDialect::comma_point ? ',' : ';'),
          decimal(d == CsvDialect::comma_point ? '.' : ',') {}
};

// "Uc_V[R=0.5]": the quantity, then the member's value with the table's decimal separator.
std::string header(std::string_view name, std::string key, char decimal) {
    std::replace(key.begin(), key.end(), '.', decimal);
    return std::string(name) + "[" + key + "]";
}

// Every member has as many rows and the same argument in each.
bool same_grid(const std::vector<MemberColumns>& members) {
    for (const MemberColumns& m : members) {
        if (m.rows != members.front().rows) {
            return false;
        }
    }
    for (std::size_t k = 0; k < members.front().rows; ++k) {
        const double first = members.front().columns.front().value(k);
        for (const MemberColumns& m : members) {
            if (m.columns.front().value(k) != first) {
                return false;
            }
        }
    }
    return true;
}

// The table of the members' columns; `quantities` names them in the order of the table.
bool write_members(const std::vector<MemberColumns>& members, std::string_view argument,
                   std::span<const std::string_view> quantities, CsvDialect dialect,
                   const CsvSink& sink) {
    const Dialect d(dialect);
    CsvPieces out(sink);
    bool first = true;
    const auto put_name = [&](std::string_view name) {
        if (!first) {
            out.put(d.separator);
        }
        first = false;
        out.put(name);
    };
    const auto put_value = [&](double v, bool present) {
        if (!first) {
            out.put(d.separator);
        }
        first = false;
        if (present) {
            out.put_shortest(v, d.decimal);
        }
    };
    if (members.empty() || same_grid(members)) {
        // One argument column, then quantity by quantity a column per member that has it.
        std::vector<const CsvColumn*> cells;
        put_name(argument);
        for (const std::string_view q : quantities) {
            for (const MemberColumns& m : members) {
                if (const CsvColumn* c = m.find(q)) {
                    put_name(header(q, m.key, d.decimal));
                    cells.push_back(c);
                }
            }
        }
        out.end_row();
        const std::size_t rows = members.empty() ? 0 : members.front().rows;
        for (std::size_t k = 0; k < rows; ++k) {
            first = true;
            put_value(members.front().columns.front().value(k), true);
            for (const CsvColumn* c : cells) {
                put_value(c->value(k), true);
            }
            out.end_row();
        }
        return out.finish();
    }
    // Each member with its own argument column.
    std::size_t rows = 0;
    for (const MemberColumns& m : members) {
        put_name(header(argument, m.key, d.decimal));
        for (const CsvColumn& c : std::span(m.columns).subspan(1)) {
            put_name(header(c.name, m.key, d.decimal));
        }
        rows = std::max(rows, m.rows);
    }
    out.end_row();
    for (std::size_t k = 0; k < rows; ++k) {
        first = true;
        for (const MemberColumns& m : members) {
            for (const CsvColumn& c : m.columns) {
                put_value(k < m.rows ? c.value(k) : 0, k < m.rows);
            }
        }
        out.end_row();
    }
    return out.finish();
}

constexpr std::array<std::string_view, 5> time_quantities{"Uc_V", "EL_V", "Ur_V", "I_A", "W_J"};
constexpr std::array<std::string_view, 4> resonance_quantities{"Im_A", "UCm_V", "ULm_V", "phi_deg"};

// A member's resonance curve as columns: the rows whose values are all finite.
struct CurveColumns {
    std::array<std::vector<double>, 5> values; // nu_Hz, Im_A, UCm_V, ULm_V, phi_deg
};

} // namespace

bool write_family_csv(const Family& family, CsvDialect dialect, const CsvSink& sink) {
    std::vector<MemberColumns> members;
    for (const FamilyMember& m : family.members) {
        const SimulationState& s = m.state;
        MemberColumns columns{m.key, {}, computed_points(s)};
        columns.columns.push_back({"t_s", s.t_grid.data(), nullptr, s.t_scale});
        for (const CsvColumn& c : results_columns(s)) {
            if (std::string_view(c.name) != "t_s" && std::string_view(c.name) != "tau") {
                columns.columns.push_back(c);
            }
        }
        members.push_back(std::move(columns));
    }
    return write_members(members, "t_s", time_quantities, dialect, sink);
}

std::string family_csv(const Family& family, CsvDialect dialect) {
    std::string text;
    write_family_csv(family, dialect, [&text](std::string_view piece) {
        text.append(piece);
        return true;
    });
    return text;
}

bool write_family_resonance_csv(const Family& family, CsvDialect dialect, const CsvSink& sink,
                                std::size_t count) {
    std::vector<CurveColumns> curves(family.members.size());
    std::vector<MemberColumns> members;
    for (std::size_t i = 0; i < family.members.size(); ++i) {
        const ResonanceCurve curve = resonance_curve(family.members[i].state, count);
        auto& v = curves[i].values;
        for (const ResonancePoint& p : curve.points) {
            const std::array<double, 5> row{p.nu, p.I_m, p.U_Cm, p.U_Lm,
                                            p.phi * 180 / std::numbers::pi};
            if (std::all_of(row.begin(), row.end(), [](double x) { return std::isfinite(x); })) {
                for (std::size_t c = 0; c < row.size(); ++c) {
                    v[c].push_back(row[c]);
                }
            }
        }
        MemberColumns columns{family.members[i].key, {}, v[0].size()};
        const char* names[] = {"nu_Hz", "Im_A", "UCm_V", "ULm_V", "phi_deg"};
        for (std::size_t c = 0; c < v.size(); ++c) {
            columns.columns.push_back({names[c], v[c].data(), nullptr, 1.0});
        }
        members.push_back(std::move(columns));
    }
    return write_members(members, "nu_Hz", resonance_quantities, dialect, sink);
}

} // namespace ovrelan
