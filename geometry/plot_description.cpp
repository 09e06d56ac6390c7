#include "geometry/plot_description.h"

#include "geometry/graph_readout.h"
#include "model/text_arguments.h"
#include "model/translation.h"

#include <string_view>

namespace ovrelan {

std::string plot_description(const PlotFacts& facts, char decimal_separator) {
    std::string text;
    for (const std::string& curve : facts.curves) {
        text += (text.empty() ? "" : ", ") + curve;
    }
    const auto value = [&](double v) {
        return facts.unit.empty() ? plain_text(v, decimal_separator)
                                  : si_text(v, facts.unit.c_str(), decimal_separator);
    };
    text += "; " + with_arguments(translated("Plot", "время от %1 до %2"),
                                  si_text(facts.from_seconds, "с", decimal_separator),
                                  si_text(facts.to_seconds, "с", decimal_separator));
    text += "; " + with_arguments(facts.unit.empty()
                                      ? translated("Plot", "относительные значения от %1 до %2")
                                      : translated("Plot", "значения от %1 до %2"),
                                  value(facts.low), value(facts.high));
    if (!facts.circuit.empty()) {
        text += "; " + facts.circuit;
    }
    if (!facts.measured.empty()) {
        text += "; " + with_arguments(translated("Plot", "маркеры: %1"), facts.measured, {});
    }
    return text;
}

} // namespace ovrelan
