#include "model/circuit_summary.h"

#include "model/characteristics_panel.h"
#include "model/number_format.h"
#include "model/steady_state.h"
#include "model/text_arguments.h"
#include "model/translation.h"

#include <limits>

namespace ovrelan {

namespace {

constexpr double infinite = std::numeric_limits<double>::infinity();

std::string regime_word(Configuration c, std::optional<Regime> r) {
    if (!r) {
        return with_arguments(translated("CircuitSummary", "цепь %1"), configuration_name(c));
    }
    switch (*r) {
    case Regime::oscillatory:
        return translated("CircuitSummary", "колебательный");
    case Regime::critical:
        return translated("CircuitSummary", "критический");
    case Regime::aperiodic:
        return translated("CircuitSummary", "апериодический");
    case Regime::undamped:
    case Regime::undamped_dc:
        return translated("CircuitSummary", "незатухающий");
    case Regime::undamped_resonance:
        return translated("CircuitSummary", "резонанс без потерь");
    }
    return {};
}

std::string cell(const std::optional<double>& value, char separator, const char* unit = nullptr) {
    if (!value) {
        return "—";
    }
    const std::string number = readable_number(*value, 4, true, separator);
    return unit == nullptr ? number : number + " " + translated("Units", unit);
}

} // namespace

CircuitSummary circuit_summary(const SimulationScalars& s) {
    CircuitSummary out;
    out.configuration = configuration(s);
    if (out.configuration == Configuration::rlc) {
        out.regime = regime(s);
    }
    out.regime_word = regime_word(out.configuration, out.regime);
    out.caption = circuit_caption(s);
    if (out.configuration == Configuration::rc || out.configuration == Configuration::rl) {
        out.delta = s.d;
    }
    if (out.configuration != Configuration::rlc) {
        return out;
    }
    // As the panel: Θ and Q only while it oscillates (ωo > δ), Q without bound without R.
    const bool oscillates = s.wo > s.d;
    out.delta = s.d;
    out.theta = oscillates ? s.theta : infinite;
    out.Q = s.R == 0 ? infinite : oscillates ? s.Q : 0;
    out.nu0 = natural_frequency(s.L, s.C);
    if (s.Em != 0) {
        const ResonanceCurve curve = resonance_curve(s, 2);
        out.unbounded = curve.unbounded;
        if (curve.nu_C > 0) {
            out.nu_C = curve.nu_C;
        }
        if (!curve.unbounded) {
            out.I_peak = curve.I_peak;
        }
    }
    return out;
}

SummaryCells summary_cells(const CircuitSummary& summary, char decimal_separator) {
    SummaryCells cells;
    cells.regime = summary.regime_word;
    cells.delta = cell(summary.delta, decimal_separator, OVRELAN_TRANSLATE_NOOP("Units", "1/с"));
    cells.theta = cell(summary.theta, decimal_separator);
    cells.Q = cell(summary.Q, decimal_separator);
    cells.nu0 = cell(summary.nu0, decimal_separator, "Гц");
    if (summary.I_peak || summary.unbounded) {
        cells.peak =
            (summary.nu_C ? "ν_C = " + cell(summary.nu_C, decimal_separator, "Гц")
                          : translated("CircuitSummary", "ν_C нет")) +
            "; I = " +
            (summary.unbounded ? std::string("∞") : cell(summary.I_peak, decimal_separator, "А"));
    } else {
        cells.peak = "—";
    }
    return cells;
}

} // namespace ovrelan
