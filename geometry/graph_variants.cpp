#include "geometry/graph_variants.h"

#include "model/characteristics_panel.h"
#include "model/circuit_kind.h"
#include "model/translation.h"

namespace ovrelan {

namespace {

template <auto Array> double sample_of(const SimulationState& s, std::size_t k) {
    return static_cast<double>((s.*Array)[k]);
}

template <const char* Caption> std::string fixed_caption(const SimulationState&) {
    return translated("Graphs", Caption);
}

constexpr char caption_UL[] =
    OVRELAN_TRANSLATE_NOOP("Graphs", "Зависимость ЭДС самоиндукции в катушке от времени");
constexpr char caption_Uc[] =
    OVRELAN_TRANSLATE_NOOP("Graphs", "Зависимость напряжения на конденсаторе от времени");
constexpr char caption_Ur[] =
    OVRELAN_TRANSLATE_NOOP("Graphs", "Зависимость напряжения на резисторе от времени");
constexpr char caption_Ik[] = OVRELAN_TRANSLATE_NOOP("Graphs", "Зависимость силы тока от времени");

std::string energy_caption(const SimulationState& s) {
    return energy_window_caption(configuration(s));
}

bool coil_alone_on_dc(const Parameters& p) {
    return p.C == 0 && p.R == 0 && p.nu == 0;
}

HeaderTexts header_UL(const Parameters&) {
    return {OVRELAN_TRANSLATE_NOOP("Graphs", "EL/UL_norm,   "),
            "UL_norm=", OVRELAN_TRANSLATE_NOOP("Graphs", " B")};
}
HeaderTexts header_Uc(const Parameters&) {
    return {OVRELAN_TRANSLATE_NOOP("Graphs", "Uс/Uc_norm,   "),
            "Uc_norm=", OVRELAN_TRANSLATE_NOOP("Graphs", " B")};
}
HeaderTexts header_Ur(const Parameters&) {
    return {OVRELAN_TRANSLATE_NOOP("Graphs", "Ur/Ur_norm,   "),
            "Ur_norm=", OVRELAN_TRANSLATE_NOOP("Graphs", " B")};
}

HeaderTexts header_Ik(const Parameters& p) {
    return {OVRELAN_TRANSLATE_NOOP("Graphs", "I/Inorm,     "), "Inorm=",
            coil_alone_on_dc(p) ? OVRELAN_TRANSLATE_NOOP("Graphs", " A/c,")
                                : OVRELAN_TRANSLATE_NOOP("Graphs", " A,")};
}

HeaderTexts header_W(const Parameters& p) {
    if (p.C == 0 && p.L == 0 && p.nu == 0) {
        return {OVRELAN_TRANSLATE_NOOP("Graphs", "W/P_norm   "),
                "P_norm=", OVRELAN_TRANSLATE_NOOP("Graphs", " Дж/c")};
    }
    if (coil_alone_on_dc(p)) {
        return {OVRELAN_TRANSLATE_NOOP("Graphs", "W/W_norm   "),
                "W_norm=", OVRELAN_TRANSLATE_NOOP("Graphs", " Дж/c^2")};
    }
    return {OVRELAN_TRANSLATE_NOOP("Graphs", "W/W_norm   "),
            "W_norm=", OVRELAN_TRANSLATE_NOOP("Graphs", " Дж")};
}

const std::array<GraphVariant, 5> variants{{
    {GraphId::UL, "Form_UL", "Check_L", sample_of<&SimulationState::UL_t>,
     &SimulationScalars::UL_max, &SimulationScalars::UL_scale, 0, "#0.00",
     "Зависимость UL/Unorm=f(t/Tnorm)", fixed_caption<caption_UL>, header_UL, "εL", "В",
     "εL_B/εL_A", "EL(t)"},
    {GraphId::Uc, "Form_Uc", "Check_C", sample_of<&SimulationState::Uc_t>,
     &SimulationScalars::Uc_max, &SimulationScalars::Uc_scale, 1, "#0.00",
     "Зависимость Uc/Unorm=f(t/Tnorm)", fixed_caption<caption_Uc>, header_Uc, "Uc", "В", "U_B/U_A",
     "Uc(t)"},
    {GraphId::Ur, "Form_Ur", "Check_R", sample_of<&SimulationState::Ur_t>,
     &SimulationScalars::Ur_max, &SimulationScalars::Ur_scale, 2, "#0.00",
     "Зависимость Ur/Unorm=f(t/Tnorm)", fixed_caption<caption_Ur>, header_Ur, "Ur", "В", "U_B/U_A",
     "Ur(t)"},
    {GraphId::Ik, "form_Ik", "Check_I", sample_of<&SimulationState::I_t>, &SimulationScalars::I_max,
     &SimulationScalars::I_scale, 3, "#0.00", "Зависимость I/I_norm=f(t/Tnorm)",
     fixed_caption<caption_Ik>, header_Ik, "I", "А", "I_B/I_A", "I(t)"},
    {GraphId::W, "form_W", "Check_W", sample_of<&SimulationState::W_t>, &SimulationScalars::W_max,
     &SimulationScalars::W_scale, 4, "#0.000", "Зависимость W/Wnorm=f(t/Tnorm)", energy_caption,
     header_W, "W", "Дж", "W_B/W_A", "W(t)"},
}};

} // namespace

const std::array<GraphVariant, 5>& graph_variants() {
    return variants;
}

const GraphVariant& graph_variant(GraphId id) {
    return variants[static_cast<std::size_t>(id)];
}

} // namespace ovrelan
