#include "tools/solve_report.h"

#include "chain/recompute.h"
#include "io/results_csv.h"
#include "model/characteristics.h"
#include "model/characteristics_panel.h"
#include "model/circuit_kind.h"
#include "model/defaults.h"
#include "model/steady_state.h"
#include "solution/solution_arrays.h"

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

namespace ovrelan {

namespace {

// The values as an object, each finite one as a number and any other as null, then
// "unbounded" and "overflow": the names of the nulls that are beyond the range of a double. With
// `explains` an unbounded current accounts for every null (the steady state's current and
// voltages on the reactances); the resonance's numbers stay finite without a resistor.
nlohmann::ordered_json finite_or_null(std::initializer_list<std::pair<const char*, double>> values,
                                      bool unbounded, bool explains) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    nlohmann::ordered_json overflow = nlohmann::ordered_json::array();
    for (const auto& [name, value] : values) {
        if (std::isfinite(value)) {
            object[name] = value;
            continue;
        }
        object[name] = nullptr;
        if (!(unbounded && explains)) {
            overflow.push_back(name);
        }
    }
    object["unbounded"] = unbounded;
    object["overflow"] = overflow;
    return object;
}

} // namespace

SolveRun run_solve(const FieldTexts& texts) {
    SolveRun run;
    SimulationState& s = run.state;
    set_defaults(s);
    recompute(s); // start-up's first computation

    std::vector<FieldText> typed;
    for (const FieldEntry& entry : field_table()) {
        if (const auto& text = texts[static_cast<std::size_t>(entry.field)]) {
            typed.push_back({entry.field, *text});
        }
    }
    // Every message box, once per field written back after it (or once when none is).
    for (const Notice& notice : enter_texts(s, typed).notices) {
        if (notice.writes.empty()) {
            run.messages.push_back({notice.title, notice.text, notice.detail, "", ""});
        }
        for (const FieldWrite& write : notice.writes) {
            run.messages.push_back({notice.title, notice.text, notice.detail,
                                    std::string(field_entry(write.field).name), write.text});
        }
    }
    return run;
}

nlohmann::ordered_json report_json(const SolveRun& run) {
    const SimulationState& s = run.state;
    nlohmann::ordered_json j;
    j["messages"] = nlohmann::ordered_json::array();
    for (const SolveMessage& m : run.messages) {
        j["messages"].push_back({{"title", m.title},
                                 {"text", m.text},
                                 {"detail", m.detail},
                                 {"field", m.field},
                                 {"written", m.written}});
    }
    const Configuration c = configuration(s);
    j["configuration"] = std::string(configuration_name(c));
    j["regime"] = c == Configuration::rlc
                      ? nlohmann::ordered_json(std::string(regime_name(regime(s))))
                      : nlohmann::ordered_json(nullptr);
    j["caption"] = circuit_caption(s); // as the main window's panel names the circuit
    // The steady state a sinusoidal source drives, and the circuit's resonance. A value that is
    // not finite is null, and the object says why: "unbounded" (no resistor at the resonance:
    // the current has no bound), or the value's name in "overflow" (beyond the range of a
    // double, about 1.8e308).
    if (const auto steady = steady_state(s)) {
        j["steady_state"] = finite_or_null({{"I_m", steady->I_m},
                                            {"phi", steady->phi},
                                            {"phi_deg", steady->phi * 180 / std::numbers::pi},
                                            {"Z", steady->Z},
                                            {"U_Rm", steady->U_Rm},
                                            {"U_Lm", steady->U_Lm},
                                            {"U_Cm", steady->U_Cm}},
                                           steady->unbounded, true);
    } else {
        j["steady_state"] = nullptr;
    }
    const ResonanceCurve curve = resonance_curve(s, 2);
    j["resonance"] = finite_or_null({{"nu0", curve.nu0},
                                     {"nu_C", curve.nu_C},
                                     {"band_low", curve.band_low},
                                     {"band_high", curve.band_high},
                                     {"width", curve.width},
                                     {"Q", curve.Q}},
                                    curve.unbounded, false);
    j["resonance"]["reason"] = curve.reason;
    // The characteristics as the panel shows them: a label the circuit does not show is null
    // (the state below keeps whatever value an earlier circuit left in such a scalar).
    const PanelView panel = characteristics_panel(s, '.');
    nlohmann::ordered_json shown = nlohmann::ordered_json::object();
    for (std::size_t i = 0; i < panel_label_count; ++i) {
        const auto label = static_cast<PanelLabel>(i);
        const ValueLabel& v = panel.label(label);
        shown[panel_label_name(label)] =
            v.visible && v.caption ? nlohmann::ordered_json(*v.caption) : nullptr;
    }
    j["panel"] = shown;
    nlohmann::ordered_json state = nlohmann::ordered_json::object();
    for_each_model_scalar(s, [&](const char* name, double v) { state[name] = v; });
    state["k_now"] = s.k_now;
    state["Nt_points"] = s.t_grid.size();
    j["state"] = state;
    return j;
}

bool write_csv_text(const SimulationState& s, const CsvSink& sink) {
    // The normalised arrays as they are (17 significant digits), then the circuit's columns in
    // SI units as the program's «Сохранить результаты…» writes them; one row per computed point.
    const std::vector<CsvColumn> si = results_columns(s);
    CsvPieces out(sink);
    out.put("k,t_grid,Uc_t,I_t,Ur_t,UL_t,W_t");
    for (const CsvColumn& column : si) {
        out.put(',');
        out.put(column.name);
    }
    out.end_row();
    const std::size_t rows = computed_points(s);
    for (std::size_t k = 0; k < rows; ++k) {
        out.put_count(k);
        for (const double v : {s.t_grid[k], s.Uc_t[k], s.I_t[k], static_cast<double>(s.Ur_t[k]),
                               s.UL_t[k], s.W_t[k]}) {
            out.put(',');
            out.put_17_digits(v);
        }
        for (const CsvColumn& column : si) {
            out.put(',');
            out.put_shortest(column.value(k));
        }
        out.end_row();
    }
    return out.finish();
}

std::string csv_text(const SimulationState& s) {
    std::string text;
    write_csv_text(s, [&text](std::string_view piece) {
        text.append(piece);
        return true;
    });
    return text;
}

void write_csv(std::ostream& out, const SimulationState& s) {
    write_csv_text(s, [&out](std::string_view piece) {
        out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        return static_cast<bool>(out);
    });
}

} // namespace ovrelan
