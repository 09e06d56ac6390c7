// What the characteristics panel shows after a computed pass: visibility, captions and
// tooltips of the value labels, the graph and field check boxes, the initial-voltage field and
// the energy window's caption. Computed from the state; the window only applies it.
#pragma once

#include "model/circuit_kind.h"
#include "model/simulation_state.h"

#include <array>
#include <optional>
#include <string>

namespace ovrelan {

enum class Shown {
    show,
    hide,
    hide_clear, // hidden and cleared: its window or field picture goes away too
};

struct ValueLabel {
    bool visible = false;
    std::optional<std::string> caption; // nullopt: keeps its text
    std::optional<std::string> tooltip; // nullopt: keeps its tooltip
};

// The value labels of the panel, in the order of their designer names Label12 ... Label26.
enum class PanelLabel {
    source_frequency,    // Label12: ω of the source
    natural_frequency,   // Label13: ωo, or the characteristic ωc of R-C and R-L
    free_frequency,      // Label14: Ω of the free oscillations
    source_period,       // Label15: Tv
    natural_period,      // Label16: To, or the characteristic Tx
    free_period,         // Label17: T, or the relaxation time Tr
    damping,             // Label18: δ
    log_decrement,       // Label19: Θ
    quality,             // Label20: Q
    critical_resistance, // Label21: Rк
    initial_charge,      // Label22: Qc
    resonance_frequency, // Label23: Vr
    alpha,               // Label24: α, dimensionless damping
    beta,                // Label25: β, dimensionless source frequency
    gamma,               // Label26: γ, dimensionless free frequency
};
inline constexpr std::size_t panel_label_count = 15;
inline constexpr int first_panel_label_number = 12; // Label12

// "Label12" ... "Label26".
std::string panel_label_name(PanelLabel label);

struct PanelView {
    Shown coil_emf_box = Shown::show;          // Check_L
    Shown capacitor_voltage_box = Shown::show; // Check_C
    Shown resistor_voltage_box = Shown::show;  // Check_R: hidden and cleared whenever R = 0
    Shown field_frame = Shown::show;           // Frame2
    Shown electric_field_box = Shown::show;    // Check_E
    Shown magnetic_field_box = Shown::show;    // Check_B
    bool initial_voltage_field = true;         // Label4 and Text4: only with a capacitor
    bool frequency_field = true;               // Label6 and Text6: only with a source
    std::array<ValueLabel, panel_label_count> labels;
    std::string energy_window_caption;
    // What the circuit is and, with both L and C, its regime (Label27, beside the header).
    Configuration configuration = Configuration::rlc;
    std::optional<Regime> regime;
    std::string circuit_caption;

    const ValueLabel& label(PanelLabel l) const { return labels[static_cast<std::size_t>(l)]; }
    ValueLabel& label(PanelLabel l) { return labels[static_cast<std::size_t>(l)]; }
};

// The panel for the configuration of a computed pass. Numbers use decimal_separator.
PanelView characteristics_panel(const SimulationScalars& s, char decimal_separator);

// The caption of the energy window for a configuration.
std::string energy_window_caption(Configuration c);

// "Контур RLC: колебательный режим (затухающие колебания)", "Цепь RC: резистор и
// конденсатор", ...
std::string circuit_caption(Configuration c, std::optional<Regime> r);

// The caption of a computed circuit: an L-C circuit without a source has no forced part, so its
// oscillations are only «незатухающие».
std::string circuit_caption(const SimulationScalars& s);

} // namespace ovrelan
