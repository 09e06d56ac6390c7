#include "model/sweep_values.h"

#include "model/characteristics.h"
#include "model/circuit_kind.h"
#include "model/constants.h"
#include "model/number_format.h"
#include "model/number_reading.h"
#include "model/text_arguments.h"
#include "model/translation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <set>

namespace ovrelan {

namespace {

struct SweepEntry {
    Field field;
    std::string_view name;
    std::string_view symbol;
    const char* unit;
};

const std::array<SweepEntry, 6> sweep_table{{
    {Field::L, "L", "L", OVRELAN_TRANSLATE_NOOP("Units", "мкГн")},
    {Field::C, "C", "C", OVRELAN_TRANSLATE_NOOP("Units", "мкФ")},
    {Field::R, "R", "R", OVRELAN_TRANSLATE_NOOP("Units", "Ом")},
    {Field::Uo, "Uo", "Uo", OVRELAN_TRANSLATE_NOOP("Units", "В")},
    {Field::Em, "Em", "ε", OVRELAN_TRANSLATE_NOOP("Units", "В")},
    {Field::nu, "nu", "ν", OVRELAN_TRANSLATE_NOOP("Units", "Гц")},
}};

const SweepEntry& sweep_entry(Field field) {
    for (const SweepEntry& e : sweep_table) {
        if (e.field == field) {
            return e;
        }
    }
    return sweep_table[2]; // never reached for a sweepable field
}

// The ways a list writes Rк and ν₀, and the signs it may put between a factor and them.
constexpr std::array<std::string_view, 3> critical_names{"Rк", "Rk", "RK"};
constexpr std::array<std::string_view, 4> natural_names{"ν₀", "ν0", "nu0", "v0"};
constexpr std::array<std::string_view, 4> times_signs{"·", "*", "×", "⋅"};

// Blanks, tabs and line feeds go, as the fields ignore them anywhere.
std::string compact(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            out.push_back(c);
        }
    }
    return out;
}

// The shortest text that reads back as v (a plain number where that is as short as a power of
// ten): what the program types into a field for a value it worked out. A value beyond the range
// of a double is written as one, so that the field reads it as it is.
std::string shortest(double v) {
    if (std::isinf(v)) {
        return v < 0 ? "-1e999" : "1e999";
    }
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), v);
    return std::string(text.data(), written.ptr);
}

// The double next to `guess` (the guess first, then outwards a step at a time) for which the
// model's own numbers hold `holds`.
template <class Holds> std::optional<double> exact_near(double guess, Holds holds) {
    if (holds(guess)) {
        return guess;
    }
    double down = guess;
    double up = guess;
    for (int step = 0; step < 16; ++step) {
        down = std::nextafter(down, -std::numeric_limits<double>::infinity());
        if (holds(down)) {
            return down;
        }
        up = std::nextafter(up, std::numeric_limits<double>::infinity());
        if (holds(up)) {
            return up;
        }
    }
    return std::nullopt;
}

// A pass of the model over the present circuit with one parameter changed.
template <class Holds>
bool computes(const SimulationScalars& present, double Parameters::*param, double value,
              Holds holds) {
    SimulationScalars s = present;
    s.*param = value;
    return calc_characteristics(s).kind == PassKind::computed &&
           configuration(s) == Configuration::rlc && holds(s);
}

bool has_l_and_c(const SimulationScalars& s) {
    return s.L > 0 && s.C > 0 && std::isfinite(s.L) && std::isfinite(s.C);
}

struct ItemRead {
    std::optional<SweepValue> value;
    std::string reason;
};

bool ends_with(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// A multiple of Rк or ν₀: «2·Rк», «Rк», «0,5*Rk».
std::optional<ItemRead> read_multiple(Field field, std::string_view item,
                                      const SimulationScalars& present) {
    std::span<const std::string_view> names;
    if (field == Field::R) {
        names = critical_names;
    } else if (field == Field::nu) {
        names = natural_names;
    } else {
        return std::nullopt;
    }
    for (const std::string_view name : names) {
        if (!ends_with(item, name)) {
            continue;
        }
        std::string_view factor_text = item.substr(0, item.size() - name.size());
        for (const std::string_view sign : times_signs) {
            if (ends_with(factor_text, sign)) {
                factor_text.remove_suffix(sign.size());
                break;
            }
        }
        double factor = 1;
        if (!factor_text.empty()) {
            if (!reads_whole(factor_text)) {
                return ItemRead{std::nullopt, translated("SweepValues", "не число")};
            }
            factor = read_number(factor_text);
        }
        const std::optional<double> base =
            field == Field::R ? critical_resistance(present) : model_natural_frequency(present);
        if (!base) {
            return ItemRead{std::nullopt,
                            field == Field::R
                                ? translated("SweepValues",
                                             "у цепи без катушки или конденсатора нет "
                                             "критического сопротивления Rк")
                                : translated("SweepValues", "у цепи без катушки или конденсатора "
                                                            "нет собственной частоты ν₀")};
        }
        const double typed = factor * *base;
        return ItemRead{SweepValue{shortest(typed), typed, std::string(item)}, {}};
    }
    return std::nullopt;
}

// One item of a list or one end of a range.
ItemRead read_item(Field field, std::string_view given, const SimulationScalars& present) {
    const std::string item = compact(given);
    if (auto multiple = read_multiple(field, item, present)) {
        if (multiple->value) {
            multiple->value->given = std::string(given);
        }
        return *multiple;
    }
    if (!reads_whole(item)) {
        return {std::nullopt, translated("SweepValues", "не число")};
    }
    return {SweepValue{item, read_number(item), std::string(given)}, {}};
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string too_many(std::size_t count) {
    return with_arguments(
        translated("SweepValues", "значений %1, а кривых в семействе не больше %2"),
        std::to_string(count), std::to_string(max_sweep_values));
}

SweepValues refused_whole(std::string reason) {
    SweepValues out;
    out.error = std::move(reason);
    return out;
}

// «ОТ..ДО:N» or «ОТ..ДО:N:log».
SweepValues read_range(Field field, std::string_view text, const SimulationScalars& present) {
    const auto dots = text.find("..");
    const std::string_view from = text.substr(0, dots);
    std::string_view rest = text.substr(dots + 2);
    const auto colon = rest.find(':');
    if (colon == std::string_view::npos) {
        return refused_whole(
            translated("SweepValues", "после диапазона нужно число значений: «ОТ..ДО:N»"));
    }
    const std::string_view to = rest.substr(0, colon);
    rest = rest.substr(colon + 1);
    const auto second = rest.find(':');
    const std::string count_text = compact(rest.substr(0, second));
    bool logarithmic = false;
    if (second != std::string_view::npos) {
        const std::string spacing = compact(rest.substr(second + 1));
        if (spacing != "log" && spacing != "лог") {
            return refused_whole(
                translated("SweepValues", "после числа значений может стоять только «:log»"));
        }
        logarithmic = true;
    }
    std::size_t count = 0;
    const auto [end, ec] =
        std::from_chars(count_text.data(), count_text.data() + count_text.size(), count);
    if (ec != std::errc{} || end != count_text.data() + count_text.size()) {
        return refused_whole(with_arguments(
            translated("SweepValues", "число значений диапазона «%1» — не целое число"),
            count_text));
    }
    return range_values(
        field, SweepRange{std::string(trimmed(from)), std::string(trimmed(to)), count, logarithmic},
        present);
}

} // namespace

bool sweepable(Field field) {
    return field != Field::Nmax;
}

std::optional<Field> sweep_parameter(std::string_view name) {
    for (const SweepEntry& e : sweep_table) {
        if (e.name == name || e.symbol == name) {
            return e.field;
        }
    }
    return std::nullopt;
}

std::string_view sweep_name(Field field) {
    return sweep_entry(field).name;
}

std::string_view sweep_symbol(Field field) {
    return sweep_entry(field).symbol;
}

std::string sweep_unit(Field field) {
    return translated("Units", sweep_entry(field).unit);
}

std::optional<double> critical_resistance(const SimulationScalars& present) {
    if (!has_l_and_c(present)) {
        return std::nullopt;
    }
    const double guess = 2 * std::sqrt(present.L / present.C);
    const auto exact = exact_near(guess, [&](double R) {
        return computes(present, &Parameters::R, R,
                        [](const SimulationScalars& s) { return regime(s) == Regime::critical; });
    });
    return exact.value_or(guess);
}

std::optional<double> model_natural_frequency(const SimulationScalars& present) {
    if (!has_l_and_c(present)) {
        return std::nullopt;
    }
    const double guess = 1 / std::sqrt(present.C * present.L) / two_pi;
    const auto exact = exact_near(guess, [&](double nu) {
        return computes(present, &Parameters::nu, nu,
                        [](const SimulationScalars& s) { return s.b == 1; });
    });
    return exact.value_or(guess);
}

std::optional<std::string> ready_choices(Field field, const SimulationScalars& present) {
    if (!has_l_and_c(present)) {
        return std::nullopt;
    }
    if (field == Field::R) {
        return translated("SweepValues", "0,5·Rк; Rк; 2·Rк");
    }
    if (field == Field::nu) {
        return translated("SweepValues", "0,9·ν₀; ν₀; 1,1·ν₀");
    }
    return std::nullopt;
}

SweepValues read_sweep_values(Field field, std::string_view text,
                              const SimulationScalars& present) {
    if (!sweepable(field)) {
        return refused_whole(
            translated("SweepValues", "семейство строится по L, C, R, Uo, ε или ν"));
    }
    if (text.find("..") != std::string_view::npos) {
        if (text.find(';') != std::string_view::npos) {
            return refused_whole(
                translated("SweepValues", "диапазон пишется один, без «;»: «ОТ..ДО:N»"));
        }
        return read_range(field, text, present);
    }
    std::vector<std::string_view> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = std::min(text.find(';', start), text.size());
        const std::string_view item = trimmed(text.substr(start, end - start));
        if (!item.empty()) {
            items.push_back(item);
        }
        start = end + 1;
    }
    if (items.empty()) {
        return refused_whole(translated("SweepValues", "не задано ни одного значения"));
    }
    if (items.size() > max_sweep_values) {
        return refused_whole(too_many(items.size()));
    }
    SweepValues out;
    for (const std::string_view item : items) {
        ItemRead read = read_item(field, item, present);
        if (read.value) {
            out.values.push_back(std::move(*read.value));
        } else {
            out.refused.push_back({std::string(item), std::move(read.reason)});
        }
    }
    return out;
}

SweepValues range_values(Field field, const SweepRange& range, const SimulationScalars& present) {
    if (!sweepable(field)) {
        return refused_whole(
            translated("SweepValues", "семейство строится по L, C, R, Uo, ε или ν"));
    }
    if (range.count < 2) {
        return refused_whole(
            translated("SweepValues", "в диапазоне нужно не меньше двух значений"));
    }
    if (range.count > max_sweep_values) {
        return refused_whole(too_many(range.count));
    }
    const ItemRead from = read_item(field, range.from, present);
    if (!from.value) {
        return refused_whole(with_arguments(translated("SweepValues", "начало диапазона «%1»: %2"),
                                            range.from, from.reason));
    }
    const ItemRead to = read_item(field, range.to, present);
    if (!to.value) {
        return refused_whole(with_arguments(translated("SweepValues", "конец диапазона «%1»: %2"),
                                            range.to, to.reason));
    }
    const double a = from.value->typed;
    const double b = to.value->typed;
    if (!std::isfinite(a) || !std::isfinite(b)) {
        return refused_whole(
            translated("SweepValues", "концы диапазона должны быть конечными числами"));
    }
    if (range.logarithmic && !(a / b > 0)) {
        return refused_whole(translated(
            "SweepValues", "в логарифмическом диапазоне оба конца одного знака и не равны нулю"));
    }
    SweepValues out;
    const double last = static_cast<double>(range.count - 1);
    for (std::size_t i = 0; i < range.count; ++i) {
        if (i == 0 || i + 1 == range.count) {
            out.values.push_back(i == 0 ? *from.value : *to.value); // as written
            continue;
        }
        // Between the ends evenly, or by equal ratios, then to fifteen significant digits, so
        // that 0,1..0,7:7 gives 0.2 rather than the 0.19999999999999998 the arithmetic leaves.
        const auto k = static_cast<double>(i);
        const double worked =
            range.logarithmic ? a * std::pow(b / a, k / last) : (a * (last - k) + b * k) / last;
        const double typed =
            std::strtod(number_chars(worked, std::chars_format::scientific, 14).c_str(), nullptr);
        out.values.push_back(SweepValue{shortest(typed), typed, shortest(typed)});
    }
    return out;
}

SweepMark sweep_mark(Field field, double value_held, const SimulationScalars& present) {
    if (field == Field::R && critical_resistance(present) == value_held) {
        return SweepMark::critical_resistance;
    }
    if (field == Field::nu && model_natural_frequency(present) == value_held) {
        return SweepMark::natural_frequency;
    }
    return SweepMark::none;
}

int label_digits(std::span<const double> typed) {
    for (int digits = 4; digits < 17; ++digits) {
        std::set<std::string> texts;
        std::set<double> values;
        for (const double v : typed) {
            values.insert(v);
            texts.insert(readable_number(v, digits, true, '.'));
        }
        if (texts.size() == values.size()) {
            return digits;
        }
    }
    return 17;
}

std::string sweep_label(Field field, double typed, SweepMark mark, int digits,
                        char decimal_separator) {
    std::string label = std::string(sweep_symbol(field)) + " = " +
                        readable_number(typed, digits, true, decimal_separator) + " " +
                        sweep_unit(field);
    switch (mark) {
    case SweepMark::critical_resistance:
        return label + " (Rк)";
    case SweepMark::natural_frequency:
        return label + " (ν₀)";
    case SweepMark::none:
        break;
    }
    return label;
}

std::string sweep_key(Field field, double typed, int digits, char decimal_separator) {
    // Rounded to the digits, then as short as it reads: "20000", not "2.000e+04".
    const std::string rounded = number_chars(typed, std::chars_format::scientific, digits - 1);
    std::string number =
        std::isfinite(typed) ? shortest(std::strtod(rounded.c_str(), nullptr)) : rounded;
    for (char& c : number) {
        c = c == '.' ? decimal_separator : c;
    }
    return std::string(sweep_name(field)) + "=" + number;
}

std::variant<SweepArgument, std::string> parse_sweep_argument(std::string_view text) {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        return translated("SweepValues", "для --sweep нужно ИМЯ=ЗНАЧЕНИЯ, например R=0.5,1.265,3");
    }
    const std::string_view name = text.substr(0, equals);
    const std::optional<Field> field = sweep_parameter(name);
    if (!field) {
        return with_arguments(translated("SweepValues",
                                         "в --sweep нет параметра «%1»: семейство строится по L, "
                                         "C, R, Uo, Em или nu"),
                              name);
    }
    std::string values(text.substr(equals + 1));
    if (values.find(';') == std::string::npos && values.find("..") == std::string::npos) {
        std::replace(values.begin(), values.end(), ',', ';');
    }
    return SweepArgument{*field, values};
}

} // namespace ovrelan
