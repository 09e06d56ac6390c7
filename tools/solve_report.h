// The headless pass of ovrelan-solve: start-up state, field texts as typed, the recompute
// chain with its messages, and the JSON and CSV reports.
#pragma once

#include "io/results_csv.h"
#include "model/parameter_fields.h"
#include "model/simulation_state.h"

#include <nlohmann/json.hpp>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ovrelan {

struct SolveMessage {
    std::string title;
    std::string text;
    std::string field;   // "Text3", or empty when nothing is written back
    std::string written; // the text written into that field
};

struct SolveRun {
    SimulationState state;
    std::vector<SolveMessage> messages;
};

// Texts for Text1 ... Text7; a missing one keeps the start-up value.
using FieldTexts = std::array<std::optional<std::string>, 7>;

// Starts from the state right after start-up, applies each given field's text with its check,
// then runs the recompute chain, re-entering it after every correction written into a field
// until a pass completes.
SolveRun run_solve(const FieldTexts& texts);

nlohmann::ordered_json report_json(const SolveRun& run);

// The arrays, one row per element, 17 significant digits, then the SI columns: in pieces to a
// sink, as one text, or onto a stream.
bool write_csv_text(const SimulationState& s, const CsvSink& sink);
std::string csv_text(const SimulationState& s);
void write_csv(std::ostream& out, const SimulationState& s);

} // namespace ovrelan
