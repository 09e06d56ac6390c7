// What a lab report holds, as plain data made from the simulation's state and what the open
// graphs show: the circuit's parameters, its regime, the characteristics panel's values as the
// panel shows them, and for each open picture its title, its marker measurements and the curves
// remembered or of a family drawn on it. The folder and PDF writers only lay this out.
#pragma once

#include "model/simulation_state.h"

#include <string>
#include <vector>

namespace ovrelan {

struct ReportRow {
    std::string name;  // «L», «T»
    std::string value; // «2000 мкГн», «1,9872E-02 c»
    std::string meaning; // «индуктивность катушки», the panel's tooltip; may be empty
};

struct ReportSection {
    std::string title;
    std::vector<ReportRow> rows;
};

// What a picture shows beyond its curve: the markers' read-out and the other curves drawn on it.
struct ReportPicture {
    std::string title;   // as the picture's own title says
    std::string file;    // «Uc(t).svg»: its file in the report's folder
    std::string markers; // «Δt = 19,87 мс; …», empty without both markers
    std::vector<std::string> other_curves; // «запомнено: R = 0,02 Ом», «семейство: R = 1 Ом»
};

struct LabReport {
    std::string title; // «Отчёт: контур RLC, колебательный режим (затухающие колебания)»
    std::string circuit; // the panel's caption of the circuit
    std::vector<ReportSection> sections;
    std::vector<ReportPicture> pictures;
};

// The report of a computed circuit and its open pictures, its numbers with the decimal separator
// given (a comma in Russian).
LabReport lab_report(const SimulationState& s, std::vector<ReportPicture> pictures,
                     char decimal_separator = ',');

// The sections as text, one «name = value — meaning» line each, for the folder's parameters file.
std::string report_text(const LabReport& report);

} // namespace ovrelan
