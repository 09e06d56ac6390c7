#include "model/parameter_fields.h"

#include "model/number_format.h"
#include "model/number_reading.h"

#include <stdexcept>

namespace ovrelan {

namespace {

constexpr std::string_view negative_message =
    "не может быть отрицательным! Не вводите заново, а исправьте!";

const std::array<FieldEntry, 7> table{{
    {Field::L, "Text1", &Parameters::L, "L(мкГн)=", "Индуктивность катушки", 0.000001,
     FieldCheck::negative, 0.005, negative_message, 60},
    {Field::C, "Text2", &Parameters::C, "С(мкФ)=", "Электроёмкость конденсатора", 0.000001,
     FieldCheck::negative, 0.002, negative_message, 60},
    {Field::R, "Text3", &Parameters::R, "R(Ом)=", "Сопротивление резистора", 1.0,
     FieldCheck::negative, 0.02, negative_message, 60},
    {Field::Uo,
     "Text4",
     &Parameters::Uo,
     "Uo(B)=",
     "Начальное напряжение на конденсаторе",
     1.0,
     FieldCheck::none,
     0,
     {},
     0},
    {Field::Em,
     "Text5",
     &Parameters::Em,
     "e(B)=",
     "Амплитуда ЭДС источника",
     1.0,
     FieldCheck::none,
     0,
     {},
     0},
    {Field::nu,
     "Text6",
     &Parameters::nu,
     "v(Гц)=",
     "Частота тока источника",
     1.0,
     FieldCheck::none,
     0,
     {},
     0},
    {Field::Nmax, "Text7", &Parameters::Nmax,
     "Nmax=", "Время расчёта (в собственных периодах или характерных временах)", 1.0,
     FieldCheck::not_positive, 1, "не может быть! Не вводите заново, а исправьте!", 300},
}};

bool fails(FieldCheck check, double value) {
    switch (check) {
    case FieldCheck::negative:
        return value < 0;
    case FieldCheck::not_positive:
        return value <= 0;
    case FieldCheck::none:
        break;
    }
    return false;
}

} // namespace

const std::array<FieldEntry, 7>& field_table() {
    return table;
}

const FieldEntry& field_entry(Field field) {
    return table[static_cast<std::size_t>(field)];
}

std::optional<Field> field_by_name(std::string_view name) {
    for (const auto& entry : table) {
        if (entry.name == name) {
            return entry.field;
        }
    }
    return std::nullopt;
}

Field field_of(double Parameters::*param) {
    for (const auto& entry : table) {
        if (entry.param == param) {
            return entry.field;
        }
    }
    throw std::invalid_argument("no field holds this parameter");
}

FieldChange field_change(Field field, std::string_view text) {
    const FieldEntry& entry = field_entry(field);
    FieldChange change;
    change.value = read_number(text) * entry.factor;
    change.stored = change.value;
    if (fails(entry.check, change.value)) {
        change.rejected = true;
        change.stored = entry.fallback;
        change.beep_ms = entry.beep_ms;
        change.message = FieldMessage{std::string(error_title), std::string(entry.message)};
        if (field == Field::Nmax) {
            change.write_back = field_text_general(field, entry.fallback);
        }
    }
    return change;
}

void store_field_value(SimulationState& s, Field field, double value) {
    s.*(field_entry(field).param) = value;
}

std::string field_text_general(Field field, double value_held) {
    const FieldEntry& entry = field_entry(field);
    // L and C are held in H and F but typed in µH and µF.
    const double shown = entry.factor == 1.0 ? value_held : value_held * 1e6;
    return format_general(shown);
}

} // namespace ovrelan
