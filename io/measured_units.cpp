#include "io/measured_units.h"

#include "model/translation.h"

#include <array>
#include <string>

namespace ovrelan {

namespace {

struct Spelling {
    std::string_view folded; // as fold_case leaves it
    Unit unit;
};

constexpr Unit second{OVRELAN_TRANSLATE_NOOP("Units", "с"), UnitKind::time, 1};
constexpr Unit millisecond{OVRELAN_TRANSLATE_NOOP("Units", "мс"), UnitKind::time, 1e-3};
constexpr Unit microsecond{OVRELAN_TRANSLATE_NOOP("Units", "мкс"), UnitKind::time, 1e-6};
constexpr Unit nanosecond{OVRELAN_TRANSLATE_NOOP("Units", "нс"), UnitKind::time, 1e-9};
constexpr Unit volt{OVRELAN_TRANSLATE_NOOP("Units", "В"), UnitKind::voltage, 1};
constexpr Unit millivolt{OVRELAN_TRANSLATE_NOOP("Units", "мВ"), UnitKind::voltage, 1e-3};
constexpr Unit microvolt{OVRELAN_TRANSLATE_NOOP("Units", "мкВ"), UnitKind::voltage, 1e-6};
constexpr Unit kilovolt{OVRELAN_TRANSLATE_NOOP("Units", "кВ"), UnitKind::voltage, 1e3};
constexpr Unit ampere{OVRELAN_TRANSLATE_NOOP("Units", "А"), UnitKind::current, 1};
constexpr Unit milliampere{OVRELAN_TRANSLATE_NOOP("Units", "мА"), UnitKind::current, 1e-3};
constexpr Unit microampere{OVRELAN_TRANSLATE_NOOP("Units", "мкА"), UnitKind::current, 1e-6};
constexpr Unit sample_number{"№", UnitKind::index, 1};

// µ (the micro sign) and μ (the Greek letter) fold to themselves; both are listed.
constexpr std::array spellings{
    Spelling{"s", second},
    Spelling{"sec", second},
    Spelling{"secs", second},
    Spelling{"second", second},
    Spelling{"seconds", second},
    Spelling{"с", second},
    Spelling{"сек", second},
    Spelling{"секунда", second},
    Spelling{"секунды", second},
    Spelling{"секунд", second},
    Spelling{"ms", millisecond},
    Spelling{"msec", millisecond},
    Spelling{"millis", millisecond},
    Spelling{"millisecond", millisecond},
    Spelling{"milliseconds", millisecond},
    Spelling{"мс", millisecond},
    Spelling{"мсек", millisecond},
    Spelling{"миллисекунда", millisecond},
    Spelling{"миллисекунды", millisecond},
    Spelling{"миллисекунд", millisecond},
    Spelling{"us", microsecond},
    Spelling{"\u00B5s", microsecond},
    Spelling{"\u03BCs", microsecond},
    Spelling{"usec", microsecond},
    Spelling{"micros", microsecond},
    Spelling{"microsecond", microsecond},
    Spelling{"microseconds", microsecond},
    Spelling{"мкс", microsecond},
    Spelling{"мксек", microsecond},
    Spelling{"микросекунда", microsecond},
    Spelling{"микросекунды", microsecond},
    Spelling{"микросекунд", microsecond},
    Spelling{"ns", nanosecond},
    Spelling{"nanosecond", nanosecond},
    Spelling{"nanoseconds", nanosecond},
    Spelling{"нс", nanosecond},
    Spelling{"v", volt},
    Spelling{"volt", volt},
    Spelling{"volts", volt},
    Spelling{"в", volt},
    Spelling{"вольт", volt},
    Spelling{"вольты", volt},
    Spelling{"mv", millivolt},
    Spelling{"millivolt", millivolt},
    Spelling{"millivolts", millivolt},
    Spelling{"мв", millivolt},
    Spelling{"милливольт", millivolt},
    Spelling{"uv", microvolt},
    Spelling{"\u00B5v", microvolt},
    Spelling{"\u03BCv", microvolt},
    Spelling{"microvolt", microvolt},
    Spelling{"microvolts", microvolt},
    Spelling{"мкв", microvolt},
    Spelling{"микровольт", microvolt},
    Spelling{"kv", kilovolt},
    Spelling{"kilovolt", kilovolt},
    Spelling{"kilovolts", kilovolt},
    Spelling{"кв", kilovolt},
    Spelling{"киловольт", kilovolt},
    Spelling{"a", ampere},
    Spelling{"amp", ampere},
    Spelling{"amps", ampere},
    Spelling{"ampere", ampere},
    Spelling{"amperes", ampere},
    Spelling{"а", ampere},
    Spelling{"ампер", ampere},
    Spelling{"амперы", ampere},
    Spelling{"ma", milliampere},
    Spelling{"milliamp", milliampere},
    Spelling{"milliamps", milliampere},
    Spelling{"milliampere", milliampere},
    Spelling{"milliamperes", milliampere},
    Spelling{"ма", milliampere},
    Spelling{"миллиампер", milliampere},
    Spelling{"ua", microampere},
    Spelling{"\u00B5a", microampere},
    Spelling{"\u03BCa", microampere},
    Spelling{"microamp", microampere},
    Spelling{"microampere", microampere},
    Spelling{"microamperes", microampere},
    Spelling{"мка", microampere},
    Spelling{"микроампер", microampere},
    Spelling{"sequence", sample_number},
    Spelling{"index", sample_number},
    Spelling{"sample", sample_number},
    Spelling{"samples", sample_number},
    Spelling{"point", sample_number},
    Spelling{"points", sample_number},
    Spelling{"pts", sample_number},
    Spelling{"№", sample_number},
    Spelling{"номер", sample_number},
    Spelling{"отсчет", sample_number},
    Spelling{"отсчеты", sample_number},
    Spelling{"точка", sample_number},
};

constexpr std::array time_units{second, millisecond, microsecond};
constexpr std::array voltage_units{volt, millivolt, microvolt, kilovolt};
constexpr std::array current_units{ampere, milliampere, microampere};
constexpr std::array index_units{sample_number};

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\"");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t\"") - first + 1);
}

} // namespace

std::string fold_case(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c + ('a' - 'A'));
            continue;
        }
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
        if (c == 0xD0 && next >= 0x90 && next <= 0x9F) { // А ... П
            out += static_cast<char>(0xD0);
            out += static_cast<char>(next + 0x20);
            ++i;
        } else if (c == 0xD0 && next >= 0xA0 && next <= 0xAF) { // Р ... Я
            out += static_cast<char>(0xD1);
            out += static_cast<char>(next - 0x20);
            ++i;
        } else if ((c == 0xD0 && next == 0x81) || (c == 0xD1 && next == 0x91)) { // Ё, ё
            out += "е";
            ++i;
        } else if (c == 0xCE && next == 0x9C) { // Μ
            out += "\u03BC";
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::optional<Unit> read_unit(std::string_view text) {
    const std::string folded = fold_case(trim(text));
    for (const Spelling& s : spellings) {
        if (s.folded == folded) {
            return s.unit;
        }
    }
    return std::nullopt;
}

std::optional<NamedUnit> unit_in_name(std::string_view whole) {
    const std::string_view name = trim(whole);
    const auto split = [&](std::size_t unit_begin, std::size_t unit_end,
                           std::size_t name_end) -> std::optional<NamedUnit> {
        const std::string_view written = trim(name.substr(unit_begin, unit_end - unit_begin));
        const auto unit = read_unit(written);
        if (!unit) {
            return std::nullopt;
        }
        std::string rest(trim(name.substr(0, name_end)));
        return NamedUnit{rest.empty() ? std::string(written) : rest, std::string(written), *unit};
    };
    if (name.empty()) {
        return std::nullopt;
    }
    // In brackets at the end: "Time (s)", "CH1[V]".
    for (const auto& [open, close] : {std::pair{'(', ')'}, std::pair{'[', ']'}}) {
        const auto at = name.rfind(open);
        if (name.back() == close && at != std::string_view::npos) {
            if (auto found = split(at + 1, name.size() - 1, at)) {
                return found;
            }
        }
    }
    // After the last comma, slash, underscore or blank: "Время, с", "U/mV", "t_ms", "U mV".
    for (const char mark : {',', '/', '_', ' '}) {
        const auto at = name.rfind(mark);
        if (at != std::string_view::npos && at > 0) {
            if (auto found = split(at + 1, name.size(), at)) {
                return found;
            }
        }
    }
    // The whole name: "ms", "мВ", "Second".
    return split(0, name.size(), name.size());
}

std::span<const Unit> units_of(UnitKind kind) {
    switch (kind) {
    case UnitKind::time:
        return time_units;
    case UnitKind::voltage:
        return voltage_units;
    case UnitKind::current:
        return current_units;
    case UnitKind::index:
        return index_units;
    }
    return {};
}

} // namespace ovrelan
