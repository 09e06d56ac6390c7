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
    std::string detail; // the field it is about and what it holds: «Поле L(мкГн): оставлено 2000»
    std::string field;   // "Text3", or empty when nothing is written back
    std::string written; // the text written into that field
};

struct SolveRun {
    SimulationState state;
    std::vector<SolveMessage> messages;
    // A value given was refused or corrected: the model does not hold every value as given.
    bool changed() const { return !messages.empty(); }
};

// The exit status of ovrelan-solve when a value given was refused or corrected.
inline constexpr int exit_values_changed = 3;

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
