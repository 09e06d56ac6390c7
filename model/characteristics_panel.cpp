#include "model/characteristics_panel.h"

#include "model/number_format.h"
#include "model/translation.h"

#include <cmath>

namespace ovrelan {

namespace {

struct Formats {
    char separator;
    std::string F4(double v) const { return format_pattern(v, "0.0000E+00", separator); }
    std::string F3(double v) const { return format_pattern(v, "0.000E+00", separator); }
};

struct Visibility {
    Shown coil_emf_box, capacitor_voltage_box, resistor_voltage_box, field_frame,
        electric_field_box, magnetic_field_box;
    bool initial_voltage_field;
    bool basic;       // source frequency and period
    bool first_order; // natural frequency and period, free period, damping, alpha, beta
    bool rlc_only;    // free frequency, decrement, Q, Rк, Qc, Vr, gamma
};

Visibility visibility(Configuration c) {
    using enum Shown;
    switch (c) {
    case Configuration::r_only:
        return {hide_clear, hide_clear, show, hide,  hide_clear,
                hide_clear, false,      true, false, false};
    case Configuration::l_only:
        return {show, hide_clear, hide, show, hide_clear, show, false, false, false, false};
    case Configuration::c_only:
        return {hide_clear, show, hide_clear, show, show, hide_clear, true, true, false, false};
    case Configuration::rc:
        return {hide_clear, show, show, show, show, hide_clear, true, true, true, false};
    case Configuration::rl:
        return {show, hide_clear, show, show, hide_clear, show, false, true, true, false};
    case Configuration::rlc:
        return {show, show, show, show, show, show, true, true, true, true};
    }
    return {};
}

using enum PanelLabel;

void set(PanelView& v, PanelLabel label, std::string caption) {
    v.label(label).caption = std::move(caption);
}

void set_tooltip(PanelView& v, PanelLabel label, const char* tooltip) {
    v.label(label).tooltip = translated("Panel", tooltip);
}

void source_captions(PanelView& v, const SimulationScalars& s, const Formats& f) {
    set(v, source_frequency, "ω=   " + f.F4(s.w) + translated("Panel", "рад/c"));
    set(v, source_period,
        s.w != 0 ? "Tv=" + f.F4(s.Tv) + translated("Panel", " c")
                 : translated("Panel", "Пост. ток Tv->oo"));
}

void first_order_captions(PanelView& v, const SimulationScalars& s, const Formats& f) {
    set(v, natural_frequency, "ωc= " + f.F4(s.wx) + translated("Panel", "рад/c"));
    set(v, natural_period, "Tx=" + f.F4(s.Tx) + translated("Panel", " c"));
    set(v, free_period, s.R != 0 ? "Tr=" + f.F4(s.Tr) + translated("Panel", " c") : "Tr -> oo");
    set(v, damping, "δ=  " + f.F4(s.d) + translated("Panel", " 1/c"));
    set(v, alpha, "α=" + f.F4(s.a) + " ");
    set(v, beta, "β=" + f.F4(s.b) + " ");
    set_tooltip(v, natural_frequency, OVRELAN_TRANSLATE_NOOP("Panel", "Характерная частота"));
    set_tooltip(v, natural_period, OVRELAN_TRANSLATE_NOOP("Panel", "Характерное время"));
    set_tooltip(v, free_period, OVRELAN_TRANSLATE_NOOP("Panel", "Время релаксации"));
    set_tooltip(
        v, alpha,
        OVRELAN_TRANSLATE_NOOP("Panel", "Отношение декремента затухания к характерной частоте"));
    set_tooltip(v, beta,
                OVRELAN_TRANSLATE_NOOP(
                    "Panel", "Отношение частоты тока источника ЭДС к характерной частоте"));
}

void rlc_captions(PanelView& v, const SimulationScalars& s, const Formats& f) {
    const bool under = s.wo > s.d;
    const bool over = s.wo < s.d;
    set(v, natural_frequency, "ωo= " + f.F4(s.wo) + translated("Panel", "рад/c"));
    set(v, free_frequency, (over ? "Ω=i" : "Ω= ") + f.F4(s.Wb) + translated("Panel", "рад/c"));
    set(v, natural_period, translated("Panel", "Tо=") + f.F4(s.To) + translated("Panel", " c"));
    set(v, free_period,
        under  ? "T= " + f.F4(s.T) + translated("Panel", " c")
        : over ? "T=  i" + f.F4(s.T) + translated("Panel", " c")
               : "T -> oo");
    set(v, damping, "δ=  " + f.F4(s.d) + translated("Panel", " 1/c"));
    set(v, log_decrement, under ? "Θ= " + f.F4(s.theta) : "Θ -> oo");
    set(v, quality, s.R == 0 ? "Q -> oo" : under ? "Q= " + f.F4(s.Q) : "Q=0");
    set(v, critical_resistance, "Rк= " + f.F3(s.Rk) + translated("Panel", " Ом"));
    set(v, initial_charge, "Qc= " + f.F3(s.Qc) + translated("Panel", " Кл"));
    set(v, resonance_frequency,
        s.wo > std::sqrt(2.0) * s.d ? "Vr= " + f.F3(s.Vr) + translated("Panel", " Гц")
                                    : translated("Panel", "нет"));
    set(v, alpha, "α= " + f.F3(s.a));
    set(v, beta, "β= " + f.F3(s.b));
    set(v, gamma, (over ? "γ= i" : "γ= ") + f.F4(s.g));
    set_tooltip(v, natural_frequency,
                OVRELAN_TRANSLATE_NOOP("Panel", "Собственная циклическая частота контура"));
    set_tooltip(v, natural_period,
                OVRELAN_TRANSLATE_NOOP("Panel", "Период собственных колебаний в контуре"));
    set_tooltip(v, free_period,
                OVRELAN_TRANSLATE_NOOP("Panel", "Период колебаний в контуре (i -мнимый)"));
    set_tooltip(v, alpha, OVRELAN_TRANSLATE_NOOP("Panel", "Безразмерный декремент затухания"));
    set_tooltip(v, beta,
                OVRELAN_TRANSLATE_NOOP(
                    "Panel", "Отношение частоты тока источника ЭДС к собственной частоте"));
}

bool is_basic(PanelLabel l) {
    return l == source_frequency || l == source_period;
}

bool is_rlc_only(PanelLabel l) {
    switch (l) {
    case free_frequency:
    case log_decrement:
    case quality:
    case critical_resistance:
    case initial_charge:
    case resonance_frequency:
    case gamma:
        return true;
    default:
        return false;
    }
}

} // namespace

std::string energy_window_caption(Configuration c) {
    switch (c) {
    case Configuration::r_only:
        return translated("Panel",
                          "Зависимость количества теплоты, выделяющегося на резисторе, от времени");
    case Configuration::l_only:
    case Configuration::rl:
        return translated("Panel", "Зависимость энергии магнитного поля в катушке от времени");
    case Configuration::c_only:
    case Configuration::rc:
        return translated("Panel", "Зависимость энергии конденсатора от времени");
    case Configuration::rlc:
        return translated("Panel", "Зависимость энергии конденсатора и катушки от времени");
    }
    return {};
}

std::string circuit_caption(Configuration c, std::optional<Regime> r) {
    switch (c) {
    case Configuration::r_only:
        return translated("Panel", "Цепь R: резистор и источник");
    case Configuration::l_only:
        return translated("Panel", "Цепь L: катушка и постоянная ЭДС");
    case Configuration::c_only:
        return translated("Panel", "Цепь C: конденсатор и переменная ЭДС");
    case Configuration::rc:
        return translated("Panel", "Цепь RC: резистор и конденсатор");
    case Configuration::rl:
        return translated("Panel", "Цепь RL: резистор и катушка");
    case Configuration::rlc:
        break;
    }
    switch (r.value_or(Regime::oscillatory)) {
    case Regime::oscillatory:
        return translated("Panel", "Контур RLC: колебательный режим (затухающие колебания)");
    case Regime::critical:
        return translated("Panel", "Контур RLC: критический режим");
    case Regime::aperiodic:
        return translated("Panel", "Контур RLC: апериодический режим");
    case Regime::undamped_dc:
        return translated("Panel", "Контур LC: незатухающие колебания");
    case Regime::undamped:
        return translated("Panel", "Контур LC: незатухающие и вынужденные колебания");
    case Regime::undamped_resonance:
        return translated("Panel", "Контур LC: резонанс без потерь, амплитуда растёт");
    }
    return {};
}

std::string circuit_caption(const SimulationScalars& s) {
    const Configuration c = configuration(s);
    if (c != Configuration::rlc) {
        return circuit_caption(c, std::nullopt);
    }
    const Regime r = regime(s);
    // Without a source nothing forces the circuit, whatever the frequency field holds.
    return circuit_caption(c, s.Em == 0 && r == Regime::undamped ? Regime::undamped_dc : r);
}

std::string panel_label_name(PanelLabel label) {
    return "Label" + std::to_string(first_panel_label_number + static_cast<int>(label));
}

PanelView characteristics_panel(const SimulationScalars& s, char decimal_separator) {
    const Configuration c = configuration(s);
    const Visibility vis = visibility(c);
    const Formats f{decimal_separator};

    PanelView v;
    v.coil_emf_box = vis.coil_emf_box;
    v.capacitor_voltage_box = vis.capacitor_voltage_box;
    v.resistor_voltage_box = s.R == 0 ? Shown::hide_clear : Shown::show; // the tail decides
    v.field_frame = vis.field_frame;
    v.electric_field_box = vis.electric_field_box;
    v.magnetic_field_box = vis.magnetic_field_box;
    v.initial_voltage_field = vis.initial_voltage_field;
    v.frequency_field = s.Em != 0;
    for (std::size_t i = 0; i < panel_label_count; ++i) {
        const auto l = static_cast<PanelLabel>(i);
        v.label(l).visible = is_basic(l)      ? vis.basic
                             : is_rlc_only(l) ? vis.rlc_only
                                              : vis.first_order;
    }
    v.energy_window_caption = energy_window_caption(c);
    v.configuration = c;
    if (c == Configuration::rlc) {
        v.regime = regime(s);
    }
    v.circuit_caption = circuit_caption(s);

    if (c == Configuration::l_only) {
        return v; // nothing is shown for a coil alone on a constant source
    }
    source_captions(v, s, f);
    if (c == Configuration::rc || c == Configuration::rl) {
        first_order_captions(v, s, f);
    } else if (c == Configuration::rlc) {
        rlc_captions(v, s, f);
    }
    return v;
}

} // namespace ovrelan
