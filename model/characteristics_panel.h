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

struct PanelView {
    Shown Check_L = Shown::show;
    Shown Check_C = Shown::show;
    Shown Check_R = Shown::show; // after the tail: hidden and cleared whenever R = 0
    Shown Frame2 = Shown::show;
    Shown Check_E = Shown::show;
    Shown Check_B = Shown::show;
    bool Label4_Text4 = true;          // the initial capacitor voltage
    std::array<ValueLabel, 15> labels; // Label12 ... Label26
    std::string form_W_caption;

    const ValueLabel& label(int number) const {
        return labels.at(static_cast<std::size_t>(number - 12));
    }
};

inline constexpr int first_value_label = 12;
inline constexpr int last_value_label = 26;

// The panel for the configuration of a computed pass. Numbers use decimal_separator.
PanelView characteristics_panel(const SimulationScalars& s, char decimal_separator);

// The caption of the energy window for a configuration.
std::string energy_window_caption(Configuration c);

} // namespace ovrelan
