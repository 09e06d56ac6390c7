// ovrelan-solve --sweep: a family of curves over one parameter, as the command line writes it,
// and the family in the JSON report.
#pragma once

#include "chain/family.h"
#include "model/parameter_fields.h"

#include <nlohmann/json.hpp>

namespace ovrelan {

// The command line's NAME=VALUES is read by parse_sweep_argument (model/sweep_values.h).

// One object per member: label, parameter, value (in the field's unit), text (as typed into the
// field), mark, configuration, regime, regime_word, caption, delta, theta, Q, nu0, nu_C, I_peak,
// unbounded, points and the table's texts; a number the circuit does not have, or an infinite
// one, is null (the table's texts tell «—» from «∞»).
nlohmann::ordered_json family_json(const Family& family);
// One object per value left out: value (as named) and reason.
nlohmann::ordered_json family_refused_json(const Family& family);

} // namespace ovrelan
