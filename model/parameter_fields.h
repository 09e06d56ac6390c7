// The seven parameter fields as data, and what a change of a field's text does.
#pragma once

#include "model/translation.h"

#include "model/simulation_state.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ovrelan {

// The seven parameter fields, in the order of the panel (designer names Text1 ... Text7).
enum class Field { L, C, R, Uo, Em, nu, Nmax };
enum class FieldCheck { none, negative, not_positive };

struct FieldEntry {
    Field field;
    std::string_view name;     // "Text1"
    double Parameters::*param; // the parameter the field holds
    std::string_view label;    // caption of the label beside it
    std::string_view tooltip;  // of the label and the field
    double factor;             // typed unit -> unit held
    FieldCheck check;
    double fallback;          // unit held
    std::string_view message; // shown in the box titled "Ошибка"
    int beep_ms;
};

inline constexpr std::string_view error_title = OVRELAN_TRANSLATE_NOOP("Messages", "Ошибка");

const std::array<FieldEntry, 7>& field_table();
const FieldEntry& field_entry(Field field);
std::optional<Field> field_by_name(std::string_view name);

// The field that shows a parameter.
Field field_of(double Parameters::*param);

struct FieldMessage {
    std::string title;
    std::string text;
};

inline constexpr std::string_view underflow_message = OVRELAN_TRANSLATE_NOOP(
    "Messages", "слишком мало: в расчёте оно стало бы нулём! Значение не принято.");

// What the change handler does with the text of a field:
// the value it stores, and for a rejected value the beep, the message and, for Text7,
// the text written back into the field (which runs the handler again).
struct FieldChange {
    double value = 0; // read and converted
    bool rejected = false;
    double stored = 0;           // value, or the fallback when rejected
    bool keeps_previous = false; // rejected, and the parameter keeps its value (nothing stored)
    int beep_ms = 0;
    std::optional<FieldMessage> message;
    std::optional<std::string> write_back;
};

// A text that is a non-zero number but reads as 0 (below the double range, or below it once
// converted from micro-units) is rejected with a message and the previous value kept; then the
// field's own check (negative, not positive) with its fallback.
FieldChange field_change(Field field, std::string_view text);

// Stores the value a change leaves into the parameter of its field.
void store_field_value(Parameters& s, Field field, double value);

// The field's name as the window shows it, for messages: "L(мкГн)", "ε(B)", "Nmax".
std::string field_caption(Field field);

// The name a screen reader gives the field: its caption with a blank before the unit, "L (мкГн)",
// "ε (В)" (the volt in Cyrillic, the frequency as ν), "Nmax".
std::string field_accessible_name(Field field);

// A value held by a field's parameter as a message writes it, in the typed unit: "2000",
// "0.02", "-1.5".
std::string field_value_text(Field field, double value_held);

// The text a field shows for a parameter value written by the program (corrections and
// restored values): the general format in the typed unit (" 2000" for L = 0.002 H), with more
// digits where fifteen do not read back as exactly this value.
std::string field_text_general(Field field, double value_held);

} // namespace ovrelan
