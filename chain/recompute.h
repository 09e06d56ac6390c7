// The recompute chain, once for the whole program: what a change of a field's text does to the
// state, and what the program must tell the student about it. The main window, ovrelan-solve and
// the tests all go through here.
#pragma once

#include "model/characteristics.h"
#include "model/parameter_fields.h"
#include "model/simulation_state.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ovrelan {

// A text the program writes back into a field after a message. The chain has already stored
// what the field reads back from it and run the pass that follows, so the window only shows it.
struct FieldWrite {
    Field field = Field::L;
    std::string text;
    friend bool operator==(const FieldWrite&, const FieldWrite&) = default;
};

enum class NoticeCause {
    field_check, // a value the field cannot hold (title "Ошибка")
    guard,       // a degenerate circuit, corrected (title "Предупреждение")
    refusal,     // a pass that cannot be computed; the values from before the edit are put back
};

// One message box of the chain: the tone before it, its title and text, which field it is about
// and what that field holds now, and the texts written into fields once it is closed.
struct Notice {
    NoticeCause cause = NoticeCause::field_check;
    std::string title;
    std::string text; // the message as the program has always said it
    int beep_ms = 0;
    std::vector<FieldWrite> writes;
    int guard = 0;              // 1 ... 7 for a guard
    std::optional<Field> field; // the field the message is about
    std::string detail;         // «Поле L(мкГн): оставлено 2000»

    // What the box says: the message, then the line about the field.
    std::string shown() const { return detail.empty() ? text : text + "\n" + detail; }
};

struct ChainResult {
    std::vector<Notice> notices; // in the order the program shows them
    bool computed = false;       // the last pass completed: characteristics and arrays are new
};

struct FieldText {
    Field field = Field::L;
    std::string_view text;
};

// One pass of the chain: calc_characteristics, then, when it computed, the solution arrays
// (build_solution). A pass whose numbers are not all finite, in the normalised arrays or in the
// SI values made from them, is refused like any other: the scalars and the arrays are those of
// the last completed pass again, the refused parameters among the scalars (the caller decides
// which go back). A computed pass records its parameters as the accepted ones. A refusal for too
// many points advises about `advice`.
PassResult compute_pass(SimulationState& s, Field advice = Field::Nmax);

// parametr_new: the run position to 0, then passes of calc_characteristics until one completes.
// Parameters that are those of the last completed pass recompute nothing (computed stays false):
// the arrays and the run position stay.
// A guard's correction is written into its field; a refusal puts back every parameter whose
// edit it refuses, to its value from before the edit (s.committed). What the field reads back
// from the written text is stored, as when a student types it, and the next pass runs.
ChainResult recompute(SimulationState& s, Field advice = Field::Nmax);

// Text1_Change ... Text7_Change for each text in turn: read it, store it, apply the field's check
// (tone, message, fallback and, for Nmax, the fallback written back; a value that vanishes into
// zero goes back to its value from before the edit); then the recompute chain once. The edit is
// finished: the fields typed and every field written commit their values.
ChainResult enter_texts(SimulationState& s, std::span<const FieldText> texts);
ChainResult enter_text(SimulationState& s, Field field, std::string_view text);

// The edit of a field has finished with its value taken as it was typed: that value is now what
// a later refusal of this field goes back to.
void commit_edit(SimulationState& s, Field field);

// What a keystroke does while the student is still typing.
struct Typing {
    bool taken = false;      // the text is in the model
    std::string reason;      // why it is not: the message the finished edit would bring
    bool recomputed = false; // taken with a new value: characteristics and arrays are new
};

// A text the chain takes as it stands is taken at once (one completed pass, no notice; the
// same value as before recomputes nothing). A text that would bring a field message, a guard's
// correction or a refusal is not acted on: the state stays exactly as it was, and the reason
// says what the finished edit (enter_text) will tell the student. Nothing is committed.
Typing type_text(SimulationState& s, Field field, std::string_view text);

} // namespace ovrelan
