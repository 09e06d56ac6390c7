#include "io/worksheet.h"

#include "chain/recompute.h"
#include "io/results_csv.h"
#include "model/characteristics_panel.h"
#include "model/circuit_kind.h"
#include "model/circuit_summary.h"
#include "model/defaults.h"
#include "model/number_format.h"
#include "model/number_reading.h"
#include "model/parameter_fields.h"
#include "model/steady_state.h"
#include "model/translation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace ovrelan {

namespace {

const std::string nbsp = "\u00A0";
const std::string none = "—";

std::string number(double v, const char* unit, char separator) {
    const std::string text = readable_number(v, 4, true, separator);
    return *unit == '\0' ? text : text + nbsp + translated("Units", unit);
}

// The field as the sheet names it and its unit.
struct FieldShown {
    const char* name;
    const char* unit;
};
constexpr std::array<FieldShown, 7> fields_shown{{{"L", OVRELAN_TRANSLATE_NOOP("Units", "мкГн")},
                                                  {"C", OVRELAN_TRANSLATE_NOOP("Units", "мкФ")},
                                                  {"R", OVRELAN_TRANSLATE_NOOP("Units", "Ом")},
                                                  {"Uo", OVRELAN_TRANSLATE_NOOP("Units", "В")},
                                                  {"ε", OVRELAN_TRANSLATE_NOOP("Units", "В")},
                                                  {"ν", OVRELAN_TRANSLATE_NOOP("Units", "Гц")},
                                                  {"Nmax", ""}}};

// A field's text as typed, with the decimal separator of the sheet's other numbers.
std::string typed(std::string_view text, char separator) {
    std::string out(text);
    std::replace(out.begin(), out.end(), separator == '.' ? ',' : '.', separator);
    return out;
}

std::string field_value(std::size_t k, std::string_view text, char separator) {
    const FieldShown& f = fields_shown[k];
    return *f.unit == '\0' ? typed(text, separator)
                           : typed(text, separator) + nbsp + translated("Units", f.unit);
}

// A curve of the results table (t_s first): Uc, EL, Ur, I or W; none when the circuit has none.
std::optional<CsvColumn> curve(const SimulationState& s, std::string_view name) {
    const std::string prefix = std::string(name) + "_";
    for (const CsvColumn& c : results_columns(s)) {
        if (std::string_view(c.name).starts_with(prefix)) {
            return c;
        }
    }
    return std::nullopt;
}

const char* unit_of(std::string_view curve_name) {
    return curve_name == "I"   ? OVRELAN_TRANSLATE_NOOP("Units", "А")
           : curve_name == "W" ? OVRELAN_TRANSLATE_NOOP("Units", "Дж")
                               : OVRELAN_TRANSLATE_NOOP("Units", "В");
}

// "max(Uc)" → ("max", "Uc").
std::optional<std::pair<std::string_view, std::string_view>> call(std::string_view q) {
    const auto open = q.find('(');
    if (open == q.npos || q.back() != ')') {
        return std::nullopt;
    }
    return std::pair{q.substr(0, open), q.substr(open + 1, q.size() - open - 2)};
}

bool oscillates(const SimulationScalars& s) {
    if (configuration(s) != Configuration::rlc) {
        return false;
    }
    const Regime r = regime(s);
    return r != Regime::critical && r != Regime::aperiodic;
}

} // namespace

std::string quantity_text(const SimulationState& s, std::string_view q, char separator) {
    const CircuitSummary summary = circuit_summary(s);
    const SummaryCells cells = summary_cells(summary, separator);
    const auto number = [separator](double v, const char* unit) {
        return ovrelan::number(v, unit, separator);
    };
    const auto joined = [](std::string text) { // the cells' blank before a unit kept whole
        const auto blank = text.rfind(' ');
        return blank == std::string::npos ? text : text.replace(blank, 1, nbsp);
    };
    const bool rlc = configuration(s) == Configuration::rlc;
    if (q == "regime") {
        return circuit_caption(s);
    }
    if (q == "T") {
        return oscillates(s) ? number(s.T * 1e3, OVRELAN_TRANSLATE_NOOP("Units", "мс")) : none;
    }
    if (q == "To") {
        return rlc        ? number(s.To * 1e3, OVRELAN_TRANSLATE_NOOP("Units", "мс"))
               : s.Tx > 0 ? number(s.Tx * 1e3, OVRELAN_TRANSLATE_NOOP("Units", "мс"))
                          : none;
    }
    if (q == "Tr") {
        const Configuration c = configuration(s);
        return (c == Configuration::rc || c == Configuration::rl) && s.R != 0
                   ? number(s.Tr * 1e3, OVRELAN_TRANSLATE_NOOP("Units", "мс"))
                   : none;
    }
    if (q == "Tv") {
        return s.nu != 0 ? number(s.Tv * 1e3, OVRELAN_TRANSLATE_NOOP("Units", "мс")) : none;
    }
    if (q == "delta") {
        return joined(cells.delta);
    }
    if (q == "Theta") {
        return cells.theta;
    }
    if (q == "Q") {
        return cells.Q;
    }
    if (q == "Rk") {
        return rlc ? number(s.Rk, OVRELAN_TRANSLATE_NOOP("Units", "Ом")) : none;
    }
    if (q == "nu0") {
        return joined(cells.nu0);
    }
    if (q == "Vr") {
        return summary.nu_C ? number(*summary.nu_C, OVRELAN_TRANSLATE_NOOP("Units", "Гц")) : none;
    }
    const auto time = curve(s, "t");
    if (q == "span") {
        return s.t_grid.empty() ? none
                                : number(time->value(s.t_grid.size() - 1) * 1e3,
                                         OVRELAN_TRANSLATE_NOOP("Units", "мс"));
    }
    if (const auto f = call(q)) {
        const auto [what, name] = *f;
        if (what == "amp") {
            const auto steady = steady_state(s);
            if (!steady) {
                return none;
            }
            const double v = name == "Uc"   ? steady->U_Cm
                             : name == "EL" ? steady->U_Lm
                             : name == "Ur" ? steady->U_Rm
                                            : steady->I_m;
            return number(v, unit_of(name));
        }
        const auto c = curve(s, name);
        if (!c || s.t_grid.empty()) {
            return none;
        }
        const std::size_t n = s.t_grid.size();
        double v = c->value(n - 1);
        for (std::size_t k = 0; k < n && what != "end"; ++k) {
            v = what == "max" ? std::max(v, c->value(k)) : std::min(v, c->value(k));
        }
        return number(v, unit_of(name));
    }
    const auto at = q.find('@');
    if (at != q.npos) {
        const std::string_view name = q.substr(0, at);
        const auto c = curve(s, name);
        const double ms = read_number(q.substr(at + 1));
        if (!c || s.t_grid.empty()) {
            return none;
        }
        std::size_t best = 0;
        for (std::size_t k = 0; k < s.t_grid.size(); ++k) {
            if (std::fabs(time->value(k) * 1e3 - ms) < std::fabs(time->value(best) * 1e3 - ms)) {
                best = k;
            }
        }
        return number(c->value(best), unit_of(name));
    }
    return none;
}

std::variant<SimulationState, TaskError> task_state(const Task& task) {
    SimulationState s;
    set_defaults(s);
    recompute(s);
    if (auto error = check_task_values(s, task)) {
        return *error;
    }
    std::vector<FieldText> texts;
    for (const FieldEntry& entry : field_table()) {
        texts.push_back({entry.field, task.texts[static_cast<std::size_t>(entry.field)]});
    }
    enter_texts(s, texts);
    return s;
}

std::variant<Worksheet, TaskError> make_worksheet(const Task& task, char separator) {
    auto opened = task_state(task);
    if (auto* error = std::get_if<TaskError>(&opened)) {
        return *error;
    }
    const SimulationState& state = std::get<SimulationState>(opened);
    const TaskSheet& sheet = task.sheet;
    Worksheet w;
    const std::string first_line = task.comment.substr(0, task.comment.find('\n'));
    w.title = !sheet.title.empty()  ? sheet.title
              : !first_line.empty() ? first_line
                                    : translated("Worksheet", "Задача");
    w.circuit = circuit_caption(state);
    for (std::size_t k = 0; k < fields_shown.size(); ++k) {
        w.values.emplace_back(fields_shown[k].name, field_value(k, task.texts[k], separator));
    }
    w.aim = !sheet.aim.empty() ? sheet.aim : task.comment;
    w.steps = sheet.steps;
    w.questions = sheet.questions;
    w.answer = sheet.answer;
    w.graphs = sheet.graphs;
    std::optional<std::size_t> row_field;
    if (!sheet.rows_field.empty()) {
        const auto at = std::find(task_names.begin(), task_names.end(), sheet.rows_field);
        row_field = static_cast<std::size_t>(at - task_names.begin());
        const FieldShown& f = fields_shown[*row_field];
        w.header.push_back(
            *f.unit == '\0' ? f.name : std::string(f.name) + ", " + translated("Units", f.unit));
    }
    for (const TaskMeasure& m : sheet.measures) {
        w.header.push_back(m.label);
    }
    const std::vector<std::string> rows = row_field ? sheet.rows : std::vector<std::string>{""};
    for (const std::string& row : rows) {
        SimulationState s = state;
        bool refused = false;
        if (row_field) {
            const Field field = static_cast<Field>(*row_field);
            const ChainResult r = enter_text(s, field, row);
            if (!r.notices.empty()) {
                refused = true;
                w.refused.push_back(std::string(fields_shown[*row_field].name) + " = " +
                                    field_value(*row_field, row, separator) + ": " +
                                    r.notices.front().text);
            }
            w.row_labels.push_back(typed(row, separator));
        } else {
            w.row_labels.emplace_back();
        }
        std::vector<std::string> cells;
        for (const TaskMeasure& m : sheet.measures) {
            cells.push_back(refused ? none : quantity_text(s, m.quantity, separator));
        }
        w.answers.push_back(std::move(cells));
    }
    return w;
}

} // namespace ovrelan
