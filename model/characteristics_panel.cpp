#include "model/characteristics_panel.h"

#include "model/number_format.h"

#include <cmath>

namespace ovrelan {

namespace {

struct Formats {
    char separator;
    std::string F4(double v) const { return format_pattern(v, "0.0000E+00", separator); }
    std::string F3(double v) const { return format_pattern(v, "0.000E+00", separator); }
};

struct Visibility {
    Shown Check_L, Check_C, Check_R, Frame2, Check_E, Check_B;
    bool Label4_Text4;
    bool basic;       // Label12, Label15
    bool first_order; // Label13, Label16, Label17, Label18, Label24, Label25
    bool rlc_only;    // Label14, Label19 ... Label23, Label26
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

void set(PanelView& v, int number, std::string caption) {
    v.labels[static_cast<std::size_t>(number - first_value_label)].caption = std::move(caption);
}

void set_tooltip(PanelView& v, int number, const char* tooltip) {
    v.labels[static_cast<std::size_t>(number - first_value_label)].tooltip = tooltip;
}

void source_captions(PanelView& v, const SimulationScalars& s, const Formats& f) {
    set(v, 12, "ω=   " + f.F4(s.w) + "рад/c");
    set(v, 15, s.w != 0 ? "Tv=" + f.F4(s.Tv) + " c" : "Пост. ток Tv->oo");
}

void first_order_captions(PanelView& v, const SimulationScalars& s, const Formats& f) {
    set(v, 13, "ωc= " + f.F4(s.wx) + "рад/c");
    set(v, 16, "Tx=" + f.F4(s.Tx) + " c");
    set(v, 17, s.R != 0 ? "Tr=" + f.F4(s.Tr) + " c" : "Tr -> oo");
    set(v, 18, "δ=  " + f.F4(s.d) + " 1/c");
    set(v, 24, "α=" + f.F4(s.a) + " ");
    set(v, 25, "β=" + f.F4(s.b) + " ");
    set_tooltip(v, 13, "Характерная частота");
    set_tooltip(v, 16, "Характерное время");
    set_tooltip(v, 17, "Время релаксации");
    set_tooltip(v, 24, "Отношение декремента затухания к характерной частоте");
    set_tooltip(v, 25, "Отношение частоты тока источника ЭДС к характерной частоте");
}

void rlc_captions(PanelView& v, const SimulationScalars& s, const Formats& f) {
    const bool under = s.wo > s.d;
    const bool over = s.wo < s.d;
    set(v, 13, "ωo= " + f.F4(s.wo) + "рад/c");
    set(v, 14, (over ? "Ω=i" : "Ω= ") + f.F4(s.Wb) + "рад/c");
    set(v, 16, "Tо=" + f.F4(s.To) + " c");
    set(v, 17, under ? "T= " + f.F4(s.T) + " c" : over ? "T=  i" + f.F4(s.T) + " c" : "T -> oo");
    set(v, 18, "δ=  " + f.F4(s.d) + " 1/c");
    set(v, 19, under ? "Θ= " + f.F4(s.theta) : "Θ -> oo");
    set(v, 20, s.R == 0 ? "Q -> oo" : under ? "Q= " + f.F4(s.Q) : "Q=0");
    set(v, 21, "Rк= " + f.F3(s.Rk) + " Ом");
    set(v, 22, "Qc= " + f.F3(s.Qc) + " Кл");
    set(v, 23, s.wo > std::sqrt(2.0) * s.d ? "Vr= " + f.F3(s.Vr) + " Гц" : "нет");
    set(v, 24, "α= " + f.F3(s.a));
    set(v, 25, "β= " + f.F3(s.b));
    set(v, 26, (over ? "γ= i" : "γ= ") + f.F4(s.g));
    set_tooltip(v, 13, "Собственная циклическая частота контура");
    set_tooltip(v, 16, "Период собственных колебаний в контуре");
    set_tooltip(v, 17, "Период колебаний в контуре (i -мнимый)");
    set_tooltip(v, 24, "Безразмерный декремент затухания");
    set_tooltip(v, 25, "Отношение частоты тока источника ЭДС к собственной частоте");
}

} // namespace

std::string energy_window_caption(Configuration c) {
    switch (c) {
    case Configuration::r_only:
        return "Зависимость количества теплоты, выделяющегося на резисторе, от времени";
    case Configuration::l_only:
    case Configuration::rl:
        return "Зависимость энергии магнитного поля в катушке от времени";
    case Configuration::c_only:
    case Configuration::rc:
        return "Зависимость энергии конденсатора от времени";
    case Configuration::rlc:
        return "Зависимость энергии конденсатора и катушки от времени";
    }
    return {};
}

PanelView characteristics_panel(const SimulationScalars& s, char decimal_separator) {
    const Configuration c = configuration(s);
    const Visibility vis = visibility(c);
    const Formats f{decimal_separator};

    PanelView v;
    v.Check_L = vis.Check_L;
    v.Check_C = vis.Check_C;
    v.Check_R = s.R == 0 ? Shown::hide_clear : Shown::show; // the tail decides Check_R
    v.Frame2 = vis.Frame2;
    v.Check_E = vis.Check_E;
    v.Check_B = vis.Check_B;
    v.Label4_Text4 = vis.Label4_Text4;
    for (int n = first_value_label; n <= last_value_label; ++n) {
        const bool basic = n == 12 || n == 15;
        const bool rlc_only = n == 14 || (n >= 19 && n <= 23) || n == 26;
        auto& label = v.labels[static_cast<std::size_t>(n - first_value_label)];
        label.visible = basic ? vis.basic : rlc_only ? vis.rlc_only : vis.first_order;
    }
    v.form_W_caption = energy_window_caption(c);

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
