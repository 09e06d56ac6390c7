#include "model/parameter_fields.h"

#include "model/translation.h"

#include "model/number_format.h"
#include "model/number_reading.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace ovrelan {

namespace {

// The tone of a value that reads as zero although it was not written as zero.
constexpr int underflow_beep_ms = 60;

constexpr std::string_view negative_message = OVRELAN_TRANSLATE_NOOP(
    "Messages", "не может быть отрицательным! Не вводите заново, а исправьте!");

const std::array<FieldEntry, 7> table{{
    {Field::L, "Text1", &Parameters::L, OVRELAN_TRANSLATE_NOOP("Fields", "L(мкГн)="),
     OVRELAN_TRANSLATE_NOOP("Fields", "Индуктивность катушки"), 0.000001, FieldCheck::negative,
     0.005, negative_message, 60},
    {Field::C, "Text2", &Parameters::C, OVRELAN_TRANSLATE_NOOP("Fields", "С(мкФ)="),
     OVRELAN_TRANSLATE_NOOP("Fields", "Электроёмкость конденсатора"), 0.000001,
     FieldCheck::negative, 0.002, negative_message, 60},
    {Field::R, "Text3", &Parameters::R, OVRELAN_TRANSLATE_NOOP("Fields", "R(Ом)="),
     OVRELAN_TRANSLATE_NOOP("Fields", "Сопротивление резистора"), 1.0, FieldCheck::negative, 0.02,
     negative_message, 60},
    {Field::Uo,
     "Text4",
     &Parameters::Uo,
     OVRELAN_TRANSLATE_NOOP("Fields", "Uo(B)="),
     OVRELAN_TRANSLATE_NOOP("Fields", "Начальное напряжение на конденсаторе"),
     1.0,
     FieldCheck::none,
     0,
     {},
     0},
    {Field::Em,
     "Text5",
     &Parameters::Em,
     OVRELAN_TRANSLATE_NOOP("Fields", "e(B)="),
     OVRELAN_TRANSLATE_NOOP("Fields", "Амплитуда ЭДС источника"),
     1.0,
     FieldCheck::none,
     0,
     {},
     0},
    {Field::nu,
     "Text6",
     &Parameters::nu,
     OVRELAN_TRANSLATE_NOOP("Fields", "v(Гц)="),
     OVRELAN_TRANSLATE_NOOP("Fields", "Частота тока источника"),
     1.0,
     FieldCheck::none,
     0,
     {},
     0},
    {Field::Nmax, "Text7", &Parameters::Nmax, OVRELAN_TRANSLATE_NOOP("Fields", "Nmax="),
     OVRELAN_TRANSLATE_NOOP("Fields",
                            "Время расчёта (в собственных периодах или характерных временах)"),
     1.0, FieldCheck::not_positive, 1,
     OVRELAN_TRANSLATE_NOOP("Messages", "не может быть! Не вводите заново, а исправьте!"), 300},
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
    const NumberRead read = read_number_digits(text);
    change.value = read.value * entry.factor;
    change.stored = change.value;
    if (read.nonzero_digits && change.value == 0) {
        change.rejected = true;
        change.keeps_previous = true;
        change.beep_ms = underflow_beep_ms;
        change.message = FieldMessage{translated("Messages", error_title.data()),
                                      translated("Messages", underflow_message.data())};
        return change;
    }
    if (fails(entry.check, change.value)) {
        change.rejected = true;
        change.stored = entry.fallback;
        change.beep_ms = entry.beep_ms;
        change.message = FieldMessage{translated("Messages", error_title.data()),
                                      translated("Messages", entry.message.data())};
        if (field == Field::Nmax) {
            change.write_back = field_text_general(field, entry.fallback);
        }
    }
    return change;
}

void store_field_value(Parameters& s, Field field, double value) {
    s.*(field_entry(field).param) = value;
}

std::string field_caption(Field field) {
    if (field == Field::Em) {
        return translated("Fields", "ε(B)"); // the EMF's letter, as the window writes it
    }
    // The label without its equals sign (and the blank before it, in English).
    const std::string label = translated("Fields", field_entry(field).label.data());
    const std::string caption = label.substr(0, label.find('='));
    return caption.substr(0, caption.find_last_not_of(' ') + 1);
}

std::string field_accessible_name(Field field) {
    std::string name = field_caption(field);
    const auto unit = name.find('(');
    if (unit != std::string::npos && unit > 0 && name[unit - 1] != ' ') {
        name.insert(unit, 1, ' ');
    }
    // The window writes the volt as a Latin B and the frequency as a Latin v (letters of its
    // old symbol font); a speech synthesiser would spell them out as Latin letters.
    if (const auto volt = name.find("(B)"); volt != std::string::npos) {
        name.replace(volt + 1, 1, "В");
    }
    if (name.rfind("v (", 0) == 0) {
        name.replace(0, 1, "ν");
    }
    return name;
}

std::string field_value_text(Field field, double value_held) {
    const std::string text = field_text_general(field, value_held);
    const std::string_view sign = text.front() == '-' ? "-" : "";
    std::string_view digits = std::string_view(text).substr(1); // after the blank or the minus
    // ".02" reads better as "0.02" in a sentence.
    return std::string(sign) + (digits.front() == '.' ? "0" : "") + std::string(digits);
}

std::string field_text_general(Field field, double value_held) {
    const FieldEntry& entry = field_entry(field);
    const auto reads_back = [&](const std::string& text) {
        return read_number(text) * entry.factor == value_held;
    };
    // L and C are held in H and F but typed in µH and µF.
    const double shown = entry.factor == 1.0 ? value_held : value_held * 1e6;
    for (int digits = 15; digits <= 17; ++digits) {
        std::string text = format_general(shown, digits);
        if (reads_back(text)) {
            return text;
        }
    }
    // A value held in H or F whose micro-unit product rounds away from it: a neighbour of the
    // product reads back exactly. Every value a field ever stored has one.
    double up = shown;
    double down = shown;
    for (int step = 0; step < 64; ++step) {
        up = std::nextafter(up, std::numeric_limits<double>::infinity());
        down = std::nextafter(down, -std::numeric_limits<double>::infinity());
        for (const double candidate : {up, down}) {
            std::string text = format_general(candidate, 17);
            if (reads_back(text)) {
                return text;
            }
        }
    }
    return format_general(shown, 17);
}

} // namespace ovrelan
