#include "tools/solve_report.h"

#include "model/characteristics.h"
#include "model/circuit_kind.h"
#include "model/defaults.h"

#include <charconv>

namespace ovrelan {

namespace {

// The chain settles within a few passes (each guard fixes one parameter, a refusal goes back
// to a completed state); the bound only protects against a fault.
constexpr int max_passes = 32;

// Writing a text into a field by program runs its change handler like typing.
void write_field(SimulationState& s, Field field, const std::string& text) {
    store_field_value(s, field, field_change(field, text).stored);
}

void recompute_chain(SolveRun& run) {
    SimulationState& s = run.state;
    s.k_now = 0;
    for (int pass = 0; pass < max_passes; ++pass) {
        PassResult result = calc_characteristics(s);
        if (result.kind == PassKind::computed) {
            return;
        }
        if (result.kind == PassKind::guarded) {
            const GuardWarning& g = *result.guard;
            run.messages.push_back(
                {g.title, g.text, std::string(field_entry(g.field).name), g.field_text});
            write_field(s, g.field, g.field_text);
            continue;
        }
        const Refusal& r = *result.refusal;
        if (r.restored.empty()) {
            run.messages.push_back({r.title, r.text, "", ""});
            return;
        }
        for (const RestoredParameter& p : r.restored) {
            run.messages.push_back(
                {r.title, r.text, std::string(field_entry(p.field).name), p.field_text});
            write_field(s, p.field, p.field_text);
        }
    }
}

std::string chars17(double v) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

} // namespace

SolveRun run_solve(const FieldTexts& texts) {
    SolveRun run;
    SimulationState& s = run.state;
    set_defaults(s);
    calc_characteristics(s);
    s.ready_flag = true;

    for (const FieldEntry& entry : field_table()) {
        const auto& text = texts[static_cast<std::size_t>(entry.field)];
        if (!text) {
            continue;
        }
        const FieldChange change = field_change(entry.field, *text);
        store_field_value(s, entry.field, change.stored);
        if (change.message) {
            run.messages.push_back({change.message->title, change.message->text,
                                    change.write_back ? std::string(entry.name) : "",
                                    change.write_back.value_or("")});
        }
    }
    recompute_chain(run);
    return run;
}

nlohmann::ordered_json report_json(const SolveRun& run) {
    const SimulationState& s = run.state;
    nlohmann::ordered_json j;
    j["messages"] = nlohmann::ordered_json::array();
    for (const SolveMessage& m : run.messages) {
        j["messages"].push_back(
            {{"title", m.title}, {"text", m.text}, {"field", m.field}, {"written", m.written}});
    }
    const Configuration c = configuration(s);
    j["configuration"] = std::string(configuration_name(c));
    j["regime"] = c == Configuration::rlc
                      ? nlohmann::ordered_json(std::string(regime_name(regime(s))))
                      : nlohmann::ordered_json(nullptr);
    nlohmann::ordered_json state = nlohmann::ordered_json::object();
    for_each_model_scalar(s, [&](const char* name, double v) { state[name] = v; });
    state["k_now"] = s.k_now;
    state["ready_flag"] = s.ready_flag;
    state["carrier_delay"] = s.carrier_delay;
    state["calc_speedup"] = s.calc_speedup;
    state["carrier_steps"] = s.carrier_steps;
    state["y_half_steps"] = s.y_half_steps;
    state["Uc_zoom"] = s.Uc_zoom;
    state["I_zoom"] = s.I_zoom;
    state["W_zoom"] = s.W_zoom;
    state["Ur_zoom"] = s.Ur_zoom;
    state["UL_zoom"] = s.UL_zoom;
    state["e_lines_max"] = s.e_lines_max;
    state["b_lines_max"] = s.b_lines_max;
    state["wire_color_long"] = s.wire_color_long;
    state["Nt_points"] = s.t_grid.size();
    j["state"] = state;
    return j;
}

void write_csv(std::ostream& out, const SimulationState& s) {
    out << "k,t_grid,Uc_t,I_t,Ur_t,UL_t,W_t\n";
    for (std::size_t k = 0; k < s.t_grid.size(); ++k) {
        out << k << ',' << chars17(s.t_grid[k]) << ',' << chars17(s.Uc_t[k]) << ','
            << chars17(s.I_t[k]) << ',' << chars17(s.Ur_t[k]) << ',' << chars17(s.UL_t[k]) << ','
            << chars17(s.W_t[k]) << '\n';
    }
}

} // namespace ovrelan
