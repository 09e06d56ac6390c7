#include "tools/fit_report.h"

#include "io/measured_data.h"
#include "model/circuit_kind.h"
#include "model/measured_quantity.h"
#include "model/number_reading.h"
#include "model/parameter_fields.h"
#include "solution/fit.h"

#include <cmath>
#include <string_view>
#include <variant>

namespace ovrelan {

namespace {

FitCommandResult usage(std::string text) {
    return {exit_fit_usage, "", std::move(text)};
}

nlohmann::ordered_json value_json(const FitValue& v) {
    return {{"value", v.value}, {"error", v.error}, {"unit", v.unit}, {"fixed", v.fixed}};
}

// The fields' units for R, L and C: what --fix takes and what the window's fields show.
std::optional<Field> fixable(std::string_view name) {
    if (name == "R") {
        return Field::R;
    }
    if (name == "L") {
        return Field::L;
    }
    if (name == "C") {
        return Field::C;
    }
    return std::nullopt;
}

std::string_view field_unit(Field f) {
    return f == Field::L ? "мкГн" : f == Field::C ? "мкФ" : "Ом";
}

} // namespace

FitCommandResult run_fit_command(const FitCommand& command) {
    FitRequest request;
    request.circuit = command.circuit;
    nlohmann::ordered_json fixed = nlohmann::ordered_json::object();
    for (const std::string& fix : command.fixes) {
        const auto equals = fix.find('=');
        const std::string name = fix.substr(0, equals);
        const auto field = fixable(name);
        const std::string text = equals == std::string::npos ? "" : fix.substr(equals + 1);
        if (!field || equals == std::string::npos || !reads_whole(text)) {
            return usage("--fix «" + fix +
                         "»: нужно ИМЯ=ЧИСЛО, где ИМЯ — R (Ом), L (мкГн) или C (мкФ)");
        }
        const double typed = read_number(text);
        const double held = typed * field_entry(*field).factor;
        if (!(held > 0) || !std::isfinite(held)) {
            return usage("--fix «" + fix + "»: значение должно быть больше нуля");
        }
        std::optional<double>& slot = *field == Field::R   ? request.R
                                      : *field == Field::L ? request.L
                                                           : request.C;
        if (slot) {
            return usage("--fix: " + name + " задано дважды");
        }
        slot = held;
        fixed[name] = typed;
    }
    std::vector<Quantity> quantities;
    for (const std::string& name : command.quantities) {
        const auto q = quantity_named(name);
        if (!q) {
            return usage("--quantity «" + name + "»: нужно Uc, I, Ur или EL");
        }
        quantities.push_back(*q);
    }
    if (command.columns.size() > 2) {
        return usage("--column: подбирать можно по одному или двум столбцам");
    }
    if (quantities.size() > std::max<std::size_t>(command.columns.size(), 1)) {
        return usage("--quantity задано больше раз, чем --column");
    }

    // The file, as the window's preview reads it.
    const auto refused = [&command](const MeasuredError& e) {
        return FitCommandResult{exit_fit_refused, "", command.path + ": " + e.text};
    };
    const auto opened = open_measured_file(command.path);
    if (const auto* e = std::get_if<MeasuredError>(&opened)) {
        return refused(*e);
    }
    const MeasuredText& text = std::get<MeasuredText>(opened);
    const auto inspected = inspect_measured(text);
    if (const auto* e = std::get_if<MeasuredError>(&inspected)) {
        return refused(*e);
    }
    const MeasuredPreview& preview = std::get<MeasuredPreview>(inspected);
    const MeasuredChoices& guess = preview.guess;
    std::vector<std::size_t> cells;
    for (const std::size_t column : command.columns) {
        if (column == 0 || preview.column_at(column - 1) == nullptr) {
            return usage("--column " + std::to_string(column) + ": в этом столбце файла нет чисел");
        }
        if (guess.time_source != TimeSource::start_increment && column - 1 == guess.time_column) {
            return usage("--column " + std::to_string(column) + ": в этом столбце время");
        }
        cells.push_back(column - 1);
    }
    if (cells.empty()) {
        cells.push_back(guess.value_column);
    }
    std::vector<MeasuredSeries> series;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const MeasuredColumn& column = *preview.column_at(cells[k]);
        MeasuredChoices choices = guess;
        choices.value_column = column.cell;
        choices.value_name = column.name;
        const bool measures = column.kind == UnitKind::voltage || column.kind == UnitKind::current;
        choices.value_scale = measures                            ? column.scale
                              : column.cell == guess.value_column ? guess.value_scale
                                                                  : 1;
        choices.quantity = k < quantities.size()               ? quantities[k]
                           : column.quantity                   ? *column.quantity
                           : column.cell == guess.value_column ? guess.quantity
                                                               : Quantity::Uc;
        auto read = read_measured(text, choices);
        if (const auto* e = std::get_if<MeasuredError>(&read)) {
            return refused(*e);
        }
        series.push_back(std::move(std::get<MeasuredSeries>(read)));
    }
    for (const MeasuredSeries& s : series) {
        request.traces.push_back({s.quantity, s.time, s.values});
    }

    const FitResult fit = fit_measured(request);
    nlohmann::ordered_json j;
    j["ok"] = fit.ok;
    if (!fit.ok) {
        j["reason"] = fit.reason;
    }
    j["file"] = text.file_name;
    j["notes"] = preview.notes;
    nlohmann::ordered_json traces = nlohmann::ordered_json::array();
    for (std::size_t k = 0; k < series.size(); ++k) {
        nlohmann::ordered_json t;
        t["column"] = cells[k] + 1;
        t["name"] = series[k].column_name;
        t["quantity"] = quantity_key(series[k].quantity);
        t["points"] = series[k].time.size();
        if (fit.ok) {
            t["amplitude"] = value_json(fit.traces[k].amplitude);
            t["offset"] = value_json(fit.traces[k].offset);
            t["rms"] = fit.traces[k].rms;
        }
        traces.push_back(t);
    }
    j["traces"] = traces;
    j["fixed"] = fixed;
    if (!fit.ok) {
        return {exit_fit_failed, j.dump(2) + '\n', command.path + ": " + fit.reason};
    }
    j["regime"] = regime_name(fit.regime);
    nlohmann::ordered_json values = nlohmann::ordered_json::object();
    for (const FitValue& v : fit.values) {
        nlohmann::ordered_json entry = value_json(v);
        if (const auto field = fixable(v.key)) {
            const double factor = field_entry(*field).factor;
            entry["field"] = {{"value", v.value / factor},
                              {"error", v.error / factor},
                              {"unit", field_unit(*field)}};
        }
        values[v.key] = entry;
    }
    j["values"] = values;
    j["chi2_per_dof"] = fit.chi2_per_dof;
    j["points"] = fit.points;
    j["parameters"] = fit.parameters;
    j["iterations"] = fit.iterations;
    j["stop"] = fit.stop;
    return {0, j.dump(2) + '\n', ""};
}

} // namespace ovrelan
