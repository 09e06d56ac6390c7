#include "io/task_sheet.h"

#include "model/number_reading.h"

#include "model/text_arguments.h"
#include "model/translation.h"

#include <algorithm>
#include <array>

namespace ovrelan {

namespace {

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

constexpr std::array<std::string_view, 7> field_names{"L", "C", "R", "Uo", "Em", "nu", "Nmax"};
constexpr std::array<std::string_view, 5> curves{"Uc", "EL", "Ur", "I", "W"};
constexpr std::array<std::string_view, 11> plain_quantities{
    "regime", "T", "To", "Tv", "Tr", "delta", "Theta", "Q", "Rk", "nu0", "Vr"};

bool is_curve(std::string_view name) {
    return std::find(curves.begin(), curves.end(), name) != curves.end();
}

void append_line(std::string& text, std::string_view line) {
    text += (text.empty() ? "" : "\n") + std::string(line);
}

// The values of a rows line: "R: 1; 2; 4" (semicolons, for a value may have a decimal comma).
std::string read_rows(TaskSheet& sheet, std::string_view value) {
    const auto colon = value.find(':');
    if (colon == std::string_view::npos) {
        return translated(
            "TaskSheet",
            "после rows нужно имя поля, двоеточие и значения через «;»: rows = R: 1; 2; 4");
    }
    const std::string_view field = trim(value.substr(0, colon));
    if (std::find(field_names.begin(), field_names.end(), field) == field_names.end()) {
        return with_arguments(
            translated("TaskSheet", "rows: нет поля «%1»: можно L, C, R, Uo, Em, nu или Nmax"),
            field);
    }
    std::vector<std::string> rows;
    std::string_view rest = value.substr(colon + 1);
    while (true) {
        const auto semicolon = rest.find(';');
        const std::string_view text = trim(rest.substr(0, semicolon));
        if (!reads_whole(text)) {
            return with_arguments(translated("TaskSheet", "rows: «%1» — не число"), text);
        }
        rows.emplace_back(text);
        if (semicolon == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(semicolon + 1);
    }
    sheet.rows_field = std::string(field);
    sheet.rows = std::move(rows);
    return {};
}

} // namespace

bool is_sheet_name(std::string_view name) {
    return std::find(std::begin(sheet_names), std::end(sheet_names), name) != std::end(sheet_names);
}

bool is_known_quantity(std::string_view q) {
    if (std::find(plain_quantities.begin(), plain_quantities.end(), q) != plain_quantities.end() ||
        q == "span") {
        return true;
    }
    for (const std::string_view f : {"amp", "max", "min", "end"}) {
        if (q.size() > f.size() + 2 && q.substr(0, f.size()) == f && q[f.size()] == '(' &&
            q.back() == ')') {
            const std::string_view curve = q.substr(f.size() + 1, q.size() - f.size() - 2);
            return is_curve(curve) && (f != "amp" || curve != "W");
        }
    }
    const auto at = q.find('@');
    return at != std::string_view::npos && is_curve(q.substr(0, at)) &&
           reads_whole(q.substr(at + 1));
}

bool is_known_graph(std::string_view graph) {
    return is_curve(graph) || graph == "UI" || graph == "res" || graph == "vec";
}

std::string read_sheet_line(TaskSheet& sheet, std::string_view name, std::string_view value) {
    const std::string_view text = trim(value);
    if (name == "title") {
        if (!sheet.title.empty()) {
            return translated("TaskSheet", "«title» задано дважды");
        }
        sheet.title = std::string(text);
    } else if (name == "aim") {
        append_line(sheet.aim, text);
    } else if (name == "step") {
        sheet.steps.emplace_back(text);
    } else if (name == "rows") {
        if (!sheet.rows_field.empty()) {
            return translated("TaskSheet", "«rows» задано дважды");
        }
        return read_rows(sheet, text);
    } else if (name == "measure") {
        const auto bar = text.rfind('|');
        const std::string_view quantity = bar == text.npos ? text : trim(text.substr(bar + 1));
        if (bar == text.npos || !is_known_quantity(quantity)) {
            return with_arguments(
                translated("TaskSheet", "measure: «%1» — не величина: после «|» можно regime, T, "
                                        "To, Tv, Tr, delta, Theta, Q, Rk, nu0, Vr, span, "
                                        "amp(Uc), max(I), min(Uc), end(W) или Uc@10 (мс)"),
                quantity);
        }
        sheet.measures.push_back({std::string(trim(text.substr(0, bar))), std::string(quantity)});
    } else if (name == "question") {
        sheet.questions.emplace_back(text);
    } else if (name == "answer") {
        append_line(sheet.answer, text);
    } else if (name == "graph") {
        if (!is_known_graph(text)) {
            return with_arguments(
                translated("TaskSheet", "graph: «%1» — можно Uc, EL, Ur, I, W, UI, res или vec"),
                text);
        }
        sheet.graphs.emplace_back(text);
    }
    return {};
}

std::string write_sheet(const TaskSheet& sheet) {
    std::string out;
    const auto line = [&](std::string_view name, std::string_view value) {
        out += std::string(name) + " = " + std::string(value) + "\n";
    };
    const auto lines = [&](std::string_view name, std::string_view text) {
        std::size_t start = 0;
        while (!text.empty() && start <= text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            line(name, text.substr(start, end - start));
            start = end + 1;
        }
    };
    if (!sheet.title.empty()) {
        line("title", sheet.title);
    }
    lines("aim", sheet.aim);
    for (const std::string& s : sheet.steps) {
        line("step", s);
    }
    if (!sheet.rows_field.empty()) {
        std::string values;
        for (const std::string& r : sheet.rows) {
            values += (values.empty() ? "" : "; ") + r;
        }
        line("rows", sheet.rows_field + ": " + values);
    }
    for (const TaskMeasure& m : sheet.measures) {
        line("measure", m.label + " | " + m.quantity);
    }
    for (const std::string& q : sheet.questions) {
        line("question", q);
    }
    lines("answer", sheet.answer);
    for (const std::string& g : sheet.graphs) {
        line("graph", g);
    }
    return out;
}

} // namespace ovrelan
