// What a screen reader says about a graph's plot: a short summary of what it shows, made from
// the same facts the picture is drawn from.
#pragma once

#include <string>
#include <vector>

namespace ovrelan {

struct PlotFacts {
    std::vector<std::string> curves; // the quantities drawn: "Uc"; "e", "Uc", "I"
    double from_seconds = 0;         // the time shown
    double to_seconds = 0;
    double low = 0; // the value axis, in `unit` (none: normalised values)
    double high = 0;
    std::string unit;
    std::string circuit;  // the circuit and its regime, as the panel writes it
    std::string measured; // what the markers measure (their read-out); empty without markers
};

// «Uc; время от 0 до 40 мс; значения от −15 до 15 В; Контур RLC: колебательный режим;
// маркеры: Δt = 19,87 мс; …»
std::string plot_description(const PlotFacts& facts, char decimal_separator);

} // namespace ovrelan
