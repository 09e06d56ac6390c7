// Units of measured data as instruments and students write them: in a column's name («Time (s)»,
// «CH1[V]», «Время, с», «t_ms», «U/mV»), on a line of their own («Second,Volt», «мс;мВ») or in
// a remark beside the data («Vertical Units,V»); Latin or Cyrillic, any case, with the micro
// sign or the Greek mu. Each is known by what it measures and its factor to the SI unit.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ovrelan {

enum class UnitKind {
    time,    // seconds
    voltage, // volts
    current, // amperes
    index,   // the number of a sample («Sequence», «№»), to be multiplied by the time step
};

struct Unit {
    std::string_view symbol; // as the program writes it: "мс", "мВ", "А", "№"
    UnitKind kind = UnitKind::time;
    double scale = 1; // SI units per this unit (1e-3 for "мс"); 1 for an index
};

// The unit a text names, or nothing.
std::optional<Unit> read_unit(std::string_view text);

// A column's name split into what it names and the unit written in it: "Time (s)" gives "Time"
// and seconds, "t_ms" gives "t" and milliseconds, "мВ" alone gives "мВ" and millivolts.
struct NamedUnit {
    std::string name;
    std::string written; // the unit's text as it stands
    Unit unit;
};
std::optional<NamedUnit> unit_in_name(std::string_view name);

// The units the program offers for a kind, in the order of its lists: с, мс, мкс; В, мВ, мкВ, кВ;
// А, мА, мкА.
std::span<const Unit> units_of(UnitKind kind);

// Latin and Cyrillic letters (and the Greek mu) in lower case, ё as е: how names, keys and units
// are compared.
std::string fold_case(std::string_view text);

} // namespace ovrelan
