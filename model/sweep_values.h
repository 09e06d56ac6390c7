// The values of a family of curves: which parameters a family sweeps, how its values are written
// (a list, a range with a count, the ready choices around Rк and ν₀), and how a curve is named in
// a legend and in a table's header.
//
// A list is written as the fields take their numbers, items separated by semicolons:
// «0.5; 1,265; 3». An item of R may be a multiple of the critical resistance, «Rк», «2·Rк»,
// «0,5*Rk»; an item of ν one of the natural frequency, «ν₀», «1,1·ν₀», «0.9*nu0». A range is
// «ОТ..ДО:N» (N values evenly spaced, both ends among them) or «ОТ..ДО:N:log» (spaced by equal
// ratios); its ends are items too: «0,5·Rк..2·Rк:5». Numbers are in the field's unit (мкГн for L,
// мкФ for C).
#pragma once

#include "model/parameter_fields.h"
#include "model/simulation_state.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ovrelan {

// A family has at most this many curves.
inline constexpr std::size_t max_sweep_values = 8;

// A value the legend marks as the circuit's own: «(Rк)», «(ν₀)».
enum class SweepMark { none, critical_resistance, natural_frequency };

struct SweepValue {
    std::string text;  // what goes into the field, read there as typing it would be
    double typed = 0;  // the number in the field's unit
    std::string given; // as the list wrote it, for messages: «0,5·Rк»
};

// An item of a list that gives no value, and why.
struct SweepItemError {
    std::string given;
    std::string reason;
};

struct SweepValues {
    std::vector<SweepValue> values;
    std::vector<SweepItemError> refused; // items that are not a value, in the order written
    std::string error; // why the whole text gives no family (then nothing else is filled)
};

// The parameters a family may sweep: L, C, R, Uo, Em and ν (not Nmax).
bool sweepable(Field field);
// By the command line's name ("L", "C", "R", "Uo", "Em", "nu") or the legend's letter ("ε", "ν").
std::optional<Field> sweep_parameter(std::string_view name);
// The command line's and the CSV header's name: "L", "C", "R", "Uo", "Em", "nu".
std::string_view sweep_name(Field field);
// The letter of the legend: "L", "C", "R", "Uo", "ε", "ν".
std::string_view sweep_symbol(Field field);
// The field's unit: "мкГн", "мкФ", "Ом", "В", "В", "Гц".
std::string sweep_unit(Field field);

// The critical resistance of the present circuit as the model takes it: the resistance next to
// 2·√(L/C) at which the model's own numbers give the critical regime (δ = ω₀ exactly), or
// 2·√(L/C) itself when no neighbouring double does. Nothing without a coil and a capacitor.
std::optional<double> critical_resistance(const SimulationScalars& present);
// The natural frequency of the present circuit as the model takes it: the frequency in hertz
// next to ω₀/2π at which the source's ω equals ω₀ exactly (β = 1), or ω₀/2π itself when none
// does. Nothing without a coil and a capacitor.
std::optional<double> model_natural_frequency(const SimulationScalars& present);

// The ready choices of a parameter as a list the reader takes: «0,5·Rк; Rк; 2·Rк» for R and
// «0,9·ν₀; ν₀; 1,1·ν₀» for ν, when the present circuit has a coil and a capacitor.
std::optional<std::string> ready_choices(Field field, const SimulationScalars& present);

// A list or a range, read for the present circuit (whose Rк and ν₀ the marks name). More than
// max_sweep_values values, none at all, or a range that cannot be made refuse the whole text.
SweepValues read_sweep_values(Field field, std::string_view text, const SimulationScalars& present);

// A range from its parts, as a dialog takes them: the ends written as list items, the count of
// values (2 ... max_sweep_values) and whether they are spaced by equal ratios (both ends then of
// one sign and not zero). The ends are taken as written; the values between them are rounded to
// fifteen significant digits.
struct SweepRange {
    std::string from;
    std::string to;
    std::size_t count = 0;
    bool logarithmic = false;
};
SweepValues range_values(Field field, const SweepRange& range, const SimulationScalars& present);

// The mark a value held by the parameter earns in the present circuit.
SweepMark sweep_mark(Field field, double value_held, const SimulationScalars& present);

// The fewest significant digits, four at least, that write every one of these numbers
// differently (numbers that are equal aside).
int label_digits(std::span<const double> typed);

// «R = 1,265 Ом (Rк)», «L = 2000 мкГн», «ε = −5 В»: with `digits` significant digits and the
// decimal separator the panel uses.
std::string sweep_label(Field field, double typed, SweepMark mark, int digits,
                        char decimal_separator);

// "R=1.265", "L=2000": the header's name of a member, with the table's decimal separator.
std::string sweep_key(Field field, double typed, int digits, char decimal_separator);

// NAME=VALUES on a command line (ovrelan-solve --sweep, ovrelan --export-graph ... --sweep): the
// parameter (L, C, R, Uo, Em, nu) and its values in the list grammar above. On the command line
// commas separate the values (with a decimal point): "R=0.5,1.265,3" is the list «0.5; 1.265; 3»;
// a text with a semicolon or a range («..») is taken as it stands, so "R=0,5;1,265;3" and
// "R=0,5..3:5" may use decimal commas.
struct SweepArgument {
    Field field = Field::R;
    std::string values;
};
// The argument, or why it is not one (in Russian).
std::variant<SweepArgument, std::string> parse_sweep_argument(std::string_view text);

} // namespace ovrelan
