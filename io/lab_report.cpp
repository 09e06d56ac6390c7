#include "io/lab_report.h"

#include "model/characteristics_panel.h"
#include "model/circuit_summary.h"
#include "model/parameter_fields.h"
#include "model/text_arguments.h"
#include "model/translation.h"

#include <array>

namespace ovrelan {

namespace {

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The panel's labels by their usual symbols, for a caption that names none («нет»).
constexpr std::array<const char*, panel_label_count> symbols{
    "ω", "ωo", "Ω", "Tv", "To", "T", "δ", "Θ", "Q", "Rк", "Qc", "Vr", "α", "β", "γ"};

// What a parameter is, for the report's reader.
constexpr std::array<const char*, 7> parameter_meanings{
    OVRELAN_TRANSLATE_NOOP("LabReport", "индуктивность катушки"),
    OVRELAN_TRANSLATE_NOOP("LabReport", "ёмкость конденсатора"),
    OVRELAN_TRANSLATE_NOOP("LabReport", "сопротивление резистора"),
    OVRELAN_TRANSLATE_NOOP("LabReport", "начальное напряжение на конденсаторе"),
    OVRELAN_TRANSLATE_NOOP("LabReport", "амплитуда ЭДС источника"),
    OVRELAN_TRANSLATE_NOOP("LabReport", "частота ЭДС источника"),
    OVRELAN_TRANSLATE_NOOP("LabReport", "длительность расчёта (в характерных временах)")};

constexpr std::array<const char*, 7> parameter_names{"L", "C", "R", "Uo", "ε", "ν", "Nmax"};
constexpr std::array<const char*, 7> units{OVRELAN_TRANSLATE_NOOP("Units", "мкГн"),
                                           OVRELAN_TRANSLATE_NOOP("Units", "мкФ"),
                                           OVRELAN_TRANSLATE_NOOP("Units", "Ом"),
                                           OVRELAN_TRANSLATE_NOOP("Units", "В"),
                                           OVRELAN_TRANSLATE_NOOP("Units", "В"),
                                           OVRELAN_TRANSLATE_NOOP("Units", "Гц"),
                                           ""};

} // namespace

LabReport lab_report(const SimulationState& s, std::vector<ReportPicture> pictures,
                     char decimal_separator) {
    LabReport report;
    const PanelView panel = characteristics_panel(s, decimal_separator);
    report.circuit = panel.circuit_caption;
    report.title = with_arguments(translated("LabReport", "Отчёт: %1"), panel.circuit_caption);
    ReportSection parameters{translated("LabReport", "Параметры цепи"), {}};
    for (const FieldEntry& entry : field_table()) {
        const auto k = static_cast<std::size_t>(entry.field);
        std::string shown = field_value_text(entry.field, s.*entry.param);
        for (char& c : shown) {
            c = c == '.' ? decimal_separator : c;
        }
        parameters.rows.push_back(
            {parameter_names[k],
             *units[k] == '\0' ? shown : shown + "\u00A0" + translated("Units", units[k]),
             translated("LabReport", parameter_meanings[k])});
    }
    report.sections.push_back(std::move(parameters));
    ReportSection circuit{translated("LabReport", "Цепь и режим"),
                          {{"", panel.circuit_caption, ""}}};
    report.sections.push_back(std::move(circuit));
    ReportSection values{translated("LabReport", "Характеристики (как на панели)"), {}};
    for (std::size_t k = 0; k < panel_label_count; ++k) {
        const ValueLabel& label = panel.labels[k];
        if (!label.visible || !label.caption) {
            continue;
        }
        const std::string& caption = *label.caption;
        const auto equals = caption.find('=');
        const auto arrow = caption.find("->");
        ReportRow row;
        if (equals != std::string::npos && (arrow == std::string::npos || equals < arrow)) {
            row.name = trim(caption.substr(0, equals));
            row.value = trim(caption.substr(equals + 1));
        } else if (arrow != std::string::npos) { // «Θ -> oo»: no number, a limit
            row.name = trim(caption.substr(0, arrow));
            row.value = trim(caption.substr(arrow));
        } else {
            row.name = symbols[k];
            row.value = trim(caption);
        }
        row.meaning = label.tooltip.value_or("");
        values.rows.push_back(std::move(row));
    }
    report.sections.push_back(std::move(values));
    report.pictures = std::move(pictures);
    return report;
}

std::string report_text(const LabReport& report) {
    std::string text = report.title + "\n";
    for (const ReportSection& section : report.sections) {
        text += "\n" + section.title + "\n";
        for (const ReportRow& row : section.rows) {
            text += row.name.empty() ? row.value : row.name + " = " + row.value;
            text += row.meaning.empty() ? "\n" : " — " + row.meaning + "\n";
        }
    }
    for (const ReportPicture& p : report.pictures) {
        text += "\n" + p.title + (p.file.empty() ? "" : " (" + p.file + ")") + "\n";
        if (!p.markers.empty()) {
            text += with_arguments(translated("LabReport", "Метки: %1"), p.markers) + "\n";
        }
        for (const std::string& c : p.other_curves) {
            text += c + "\n";
        }
    }
    return text;
}

} // namespace ovrelan
