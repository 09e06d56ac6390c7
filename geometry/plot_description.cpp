#include "geometry/plot_description.h"

#include "geometry/graph_readout.h"
#include "model/translation.h"

#include <string_view>

namespace ovrelan {

namespace {

// A translated text with its "%1" and "%2" put in.
std::string with(std::string text, std::string_view first, std::string_view second) {
    for (const auto& [mark, value] :
         {std::pair{std::string_view("%1"), first}, std::pair{std::string_view("%2"), second}}) {
        if (const auto at = text.find(mark); at != std::string::npos) {
            text.replace(at, mark.size(), value);
        }
    }
    return text;
}

} // namespace

std::string plot_description(const PlotFacts& facts, char decimal_separator) {
    std::string text;
    for (const std::string& curve : facts.curves) {
        text += (text.empty() ? "" : ", ") + curve;
    }
    const auto value = [&](double v) {
        return facts.unit.empty() ? plain_text(v, decimal_separator)
                                  : si_text(v, facts.unit.c_str(), decimal_separator);
    };
    text += "; " + with(translated("Plot", "время от %1 до %2"),
                        si_text(facts.from_seconds, "с", decimal_separator),
                        si_text(facts.to_seconds, "с", decimal_separator));
    text +=
        "; " + with(facts.unit.empty() ? translated("Plot", "относительные значения от %1 до %2")
                                       : translated("Plot", "значения от %1 до %2"),
                    value(facts.low), value(facts.high));
    if (!facts.circuit.empty()) {
        text += "; " + facts.circuit;
    }
    if (!facts.measured.empty()) {
        text += "; " + with(translated("Plot", "маркеры: %1"), facts.measured, {});
    }
    return text;
}

} // namespace ovrelan
