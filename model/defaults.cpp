#include "model/defaults.h"

#include "model/number_format.h"

namespace ovrelan {

DefaultTexts set_defaults(SimulationState& s, char decimal_separator) {
    s.steps_per_unit = 12;

    s.L = 0.002;
    s.C = 0.005;
    s.R = 0.02;
    s.Uo = 15;
    s.Em = 5;
    s.nu = 47;
    s.Nmax = 40;
    s.committed = s;

    DefaultTexts texts;
    texts.fields[0] = format_general(s.L * 1e6);
    texts.fields[1] = format_general(s.C * 1e6);
    texts.fields[2] = format_field_fixed(s.R, " 0.000", decimal_separator);
    texts.fields[3] = format_field_fixed(s.Uo, " 0.00", decimal_separator);
    texts.fields[4] = format_field_fixed(s.Em, " 0.00", decimal_separator);
    texts.fields[5] = format_field_fixed(s.nu, " 0.00", decimal_separator);
    texts.fields[6] = format_general(s.Nmax);
    return texts;
}

} // namespace ovrelan
