// ovrelan-solve --sweep: a family of curves over one parameter, as the command line writes it,
// and the family in the JSON report.
#pragma once

#include "chain/family.h"
#include "model/parameter_fields.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <variant>

namespace ovrelan {

// NAME=VALUES: the parameter (L, C, R, Uo, Em, nu) and its values in the list grammar of
// model/sweep_values.h. On the command line commas separate the values (with a decimal point):
// "R=0.5,1.265,3" is the list «0.5; 1.265; 3»; a text with a semicolon or a range («..») is
// taken as it stands, so "R=0,5;1,265;3" and "R=0,5..3:5" may use decimal commas.
struct SweepArgument {
    Field field = Field::R;
    std::string values;
};
// The argument, or why it is not one (in Russian).
std::variant<SweepArgument, std::string> parse_sweep_argument(std::string_view text);

// One object per member: label, parameter, value (in the field's unit), text (as typed into the
// field), mark, configuration, regime, regime_word, caption, delta, theta, Q, nu0, nu_C, I_peak,
// unbounded, points and the table's texts; a number the circuit does not have, or an infinite
// one, is null (the table's texts tell «—» from «∞»).
nlohmann::ordered_json family_json(const Family& family);
// One object per value left out: value (as named) and reason.
nlohmann::ordered_json family_refused_json(const Family& family);

} // namespace ovrelan
