#include "tools/solve_sweep.h"

#include "model/circuit_kind.h"
#include "model/circuit_summary.h"
#include "model/sweep_values.h"
#include "solution/solution_arrays.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ovrelan {

namespace {

nlohmann::ordered_json number_or_null(const std::optional<double>& v) {
    return v && std::isfinite(*v) ? nlohmann::ordered_json(*v) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json mark_json(SweepMark mark) {
    switch (mark) {
    case SweepMark::critical_resistance:
        return "Rк";
    case SweepMark::natural_frequency:
        return "ν₀";
    case SweepMark::none:
        break;
    }
    return nullptr;
}

} // namespace

nlohmann::ordered_json family_json(const Family& family) {
    nlohmann::ordered_json members = nlohmann::ordered_json::array();
    for (const FamilyMember& m : family.members) {
        const CircuitSummary summary = circuit_summary(m.state);
        const SummaryCells cells = summary_cells(summary, ',');
        nlohmann::ordered_json j;
        j["label"] = m.label;
        j["parameter"] = std::string(sweep_name(family.parameter));
        j["value"] = m.value.typed;
        j["text"] = m.value.text;
        j["mark"] = mark_json(m.mark);
        j["configuration"] = std::string(configuration_name(summary.configuration));
        j["regime"] = summary.regime
                          ? nlohmann::ordered_json(std::string(regime_name(*summary.regime)))
                          : nlohmann::ordered_json(nullptr);
        j["regime_word"] = summary.regime_word;
        j["caption"] = summary.caption;
        j["delta"] = number_or_null(summary.delta);
        j["theta"] = number_or_null(summary.theta);
        j["Q"] = number_or_null(summary.Q);
        j["nu0"] = number_or_null(summary.nu0);
        j["nu_C"] = number_or_null(summary.nu_C);
        j["I_peak"] = number_or_null(summary.I_peak);
        j["unbounded"] = summary.unbounded;
        j["points"] = computed_points(m.state);
        j["table"] = {{"regime", cells.regime}, {"delta", cells.delta}, {"theta", cells.theta},
                      {"Q", cells.Q},           {"nu0", cells.nu0},     {"peak", cells.peak}};
        members.push_back(std::move(j));
    }
    return members;
}

nlohmann::ordered_json family_refused_json(const Family& family) {
    nlohmann::ordered_json refused = nlohmann::ordered_json::array();
    for (const RefusedMember& r : family.refused) {
        refused.push_back({{"value", r.named}, {"reason", r.reason}});
    }
    return refused;
}

} // namespace ovrelan
