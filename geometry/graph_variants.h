// What differs between the five graph windows: data, maximum, scale, place, check box, label
// format, captions and header texts.
#pragma once

#include "model/simulation_state.h"

#include <array>
#include <cstddef>
#include <string>

namespace ovrelan {

enum class GraphId { UL, Uc, Ur, Ik, W }; // the order of start-up, replots and the run

struct HeaderTexts {
    const char* axis;
    const char* constant;
    const char* unit;
};

struct GraphVariant {
    GraphId id;
    const char* form_name; // "Form_Uc"
    const char* check_box; // "Check_C"
    double (*sample)(const SimulationState&, std::size_t k);
    double SimulationScalars::*maximum;
    double SimulationScalars::*scale;
    int top_offset;            // j: top = main top + main height * j / 5
    const char* label_pattern; // "#0.00", or "#0.000" for the energy
    const char* tooltip;       // of the plotting area
    std::string (*caption)(const SimulationState&);
    HeaderTexts (*header)(const Parameters&);
    const char* symbol; // the quantity in read-outs: "Uc"
    const char* unit;   // its physical unit: "В"
    const char* ratio;  // the ratio of two markers: "U_B/U_A"
    const char* name;   // short, for file names: "Uc(t)"
};

// The five windows in the order Form_UL, Form_Uc, Form_Ur, form_Ik, form_W.
const std::array<GraphVariant, 5>& graph_variants();
const GraphVariant& graph_variant(GraphId id);

} // namespace ovrelan
