#include "geometry/fit_summary.h"

#include "geometry/graph_readout.h"
#include "model/number_format.h"
#include "model/translation.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace ovrelan {

namespace {

struct Shown {
    const char* key;
    const char* name;
    double factor; // the value as held per unit shown
    const char* unit;
};

// How each fitted value is shown: R, L and C in the fields' units.
constexpr Shown shown_values[] = {
    {"delta", "δ", 1, OVRELAN_TRANSLATE_NOOP("FitSummary", "1/с")},
    {"omega0", "ω₀", 1, OVRELAN_TRANSLATE_NOOP("FitSummary", "рад/с")},
    {"shift", OVRELAN_TRANSLATE_NOOP("FitSummary", "замыкание ключа"), 1e-3,
     OVRELAN_TRANSLATE_NOOP("FitSummary", "мс")},
    {"R", "R", 1, OVRELAN_TRANSLATE_NOOP("FitSummary", "Ом")},
    {"L", "L", 1e-6, OVRELAN_TRANSLATE_NOOP("FitSummary", "мкГн")},
    {"C", "C", 1e-6, OVRELAN_TRANSLATE_NOOP("FitSummary", "мкФ")},
    {"T", "T", 1e-3, OVRELAN_TRANSLATE_NOOP("FitSummary", "мс")},
    {"theta", "Θ", 1, ""},
    {"Q", "Q", 1, ""},
};

std::string with_unit(const std::string& number, const char* unit) {
    return *unit == '\0' ? number : number + "\u00a0" + unit;
}

FitRow row(const char* name, const FitValue& v, double factor, const char* unit, char sep) {
    FitRow r;
    // Names, units and words in the language of the windows.
    const std::string shown_unit = *unit == '\0' ? std::string() : translated("FitSummary", unit);
    r.name = translated("FitSummary", name);
    r.value = with_unit(readable_number(v.value / factor, 4, true, sep), shown_unit.c_str());
    r.error = v.fixed ? translated("FitSummary", "задано")
                      : "± " + with_unit(readable_number(v.error / factor, 2, true, sep),
                                         shown_unit.c_str());
    return r;
}

} // namespace

std::vector<FitRow> fit_rows(const FitResult& result, char decimal_separator) {
    std::vector<FitRow> rows;
    if (!result.ok) {
        return rows;
    }
    for (const Shown& s : shown_values) {
        if (const FitValue* v = result.value(s.key)) {
            rows.push_back(row(s.name, *v, s.factor, s.unit, decimal_separator));
        }
    }
    for (const FitTraceResult& t : result.traces) {
        const char* unit = is_current(t.quantity) ? OVRELAN_TRANSLATE_NOOP("FitSummary", "А")
                                                  : OVRELAN_TRANSLATE_NOOP("FitSummary", "В");
        rows.push_back(row(OVRELAN_TRANSLATE_NOOP("FitSummary", "амплитуда"), t.amplitude, 1, unit,
                           decimal_separator));
        rows.push_back(row(OVRELAN_TRANSLATE_NOOP("FitSummary", "смещение"), t.offset, 1, unit,
                           decimal_separator));
    }
    return rows;
}

std::string fit_residual_text(const FitResult& result, char decimal_separator) {
    if (!result.ok || result.traces.empty()) {
        return {};
    }
    std::string text = translated("FitSummary", "Остаток (СКО):");
    for (const FitTraceResult& t : result.traces) {
        text += " " + si_text(t.rms, is_current(t.quantity) ? "А" : "В", decimal_separator) +
                translated("FitSummary", " на ") + std::to_string(t.points) +
                translated("FitSummary", " точках;");
    }
    return text + translated("FitSummary", " итераций: ") + std::to_string(result.iterations);
}

std::string fitted_field_text(double typed) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, typed, std::chars_format::general, 4).ptr;
    return std::string(buffer, end);
}

std::optional<AcceptedFit> accepted_fit(const FitResult& result, const Parameters& present,
                                        const std::array<std::string, 7>& present_texts,
                                        char decimal_separator) {
    const std::optional<Parameters> fitted = fitted_parameters(result, present);
    if (!fitted || result.traces.empty()) {
        return std::nullopt;
    }
    AcceptedFit a;
    a.values = *fitted;
    // The amplitude of a discharge from Uo: Uo for Uc and εL, Uo·ω₀·C for I, R times that for Ur.
    const FitTraceResult& trace = result.traces.front();
    const double omega0_c = result.motion.omega0 * a.values.C;
    double uo = trace.amplitude.value;
    if (trace.quantity == Quantity::I) {
        uo /= omega0_c;
    } else if (trace.quantity == Quantity::Ur) {
        uo /= omega0_c * a.values.R;
    }
    if (!std::isfinite(uo)) {
        return std::nullopt;
    }
    a.texts = present_texts;
    a.texts[0] = fitted_field_text(a.values.L * 1e6);
    a.texts[1] = fitted_field_text(a.values.C * 1e6);
    a.texts[2] = fitted_field_text(a.values.R);
    a.texts[3] = fitted_field_text(uo);
    a.texts[4] = "0";
    // The values as the fields will read them back.
    const auto read = [](const std::string& text) {
        double v = 0;
        std::from_chars(text.data(), text.data() + text.size(), v);
        return v;
    };
    a.values.L = read(a.texts[0]) * 1e-6;
    a.values.C = read(a.texts[1]) * 1e-6;
    a.values.R = read(a.texts[2]);
    a.values.Uo = read(a.texts[3]);
    a.values.Em = 0;
    const auto shown = [&](double v) { return readable_number(v, 4, true, decimal_separator); };
    const auto unit = [](const char* name) { return "\u00a0" + translated("Units", name); };
    a.description = "L = " + shown(a.values.L * 1e6) + unit("мкГн") +
                    ", C = " + shown(a.values.C * 1e6) + unit("мкФ") +
                    ", R = " + shown(a.values.R) + unit("Ом") + ", Uo = " + shown(a.values.Uo) +
                    unit("В") + ", ε = 0" + unit("В");
    return a;
}

} // namespace ovrelan
