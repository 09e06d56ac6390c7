#include "geometry/scene_description.h"

#include "geometry/graph_readout.h"
#include "geometry/graph_variants.h"
#include "model/text_arguments.h"
#include "model/translation.h"

#include <string_view>

namespace ovrelan {

std::string scene_description(const SimulationState& s, bool key_closed, char decimal_separator) {
    if (key_closed) {
        const GraphPoint p = graph_point(s, graph_variant(GraphId::Uc), s.k_now * s.dt);
        return translated("Scene", "ключ замкнут") +
               ", t = " + si_text(p.seconds, "с", decimal_separator) +
               ", Uc = " + si_text(p.physical, "В", decimal_separator);
    }
    std::string text = translated("Scene", "ключ разомкнут") + ", ";
    if (s.C == 0) {
        text += translated("Scene", "без конденсатора");
    } else if (s.Uo == 0) {
        text += translated("Scene", "конденсатор не заряжен");
    } else {
        text += with_arguments(translated("Scene", "конденсатор заряжен до %1"),
                               si_text(s.Uo, "В", decimal_separator));
    }
    if (s.Em != 0) {
        const std::string amplitude = si_text(s.Em, "В", decimal_separator);
        text += ", " +
                (s.nu == 0
                     ? with_arguments(translated("Scene", "источник постоянной ЭДС %1"), amplitude)
                     : with_arguments(translated("Scene", "источник ЭДС %1, %2"), amplitude,
                                      si_text(s.nu, "Гц", decimal_separator)));
    }
    return text;
}

} // namespace ovrelan
