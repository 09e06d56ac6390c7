#include "model/examples.h"

#include "model/translation.h"

namespace ovrelan {

const std::vector<Example>& examples() {
    // L and C in µH and µF. The critical circuit is exact: wo = d = 1000 1/s in doubles.
    static const std::vector<Example> list{
        {OVRELAN_TRANSLATE_NOOP("Examples", "Слабое затухание"),
         {" 2000", " 5000", " 0.020", " 15.00", " 5.00", " 47.00", " 40"},
         Configuration::rlc,
         Regime::oscillatory},
        {OVRELAN_TRANSLATE_NOOP("Examples", "Критический режим"),
         {"2000", "500", "4", "15", "0", "0", "3"},
         Configuration::rlc,
         Regime::critical},
        {OVRELAN_TRANSLATE_NOOP("Examples", "Апериодический режим"),
         {"2000", "500", "20", "15", "0", "0", "3"},
         Configuration::rlc,
         Regime::aperiodic},
        {OVRELAN_TRANSLATE_NOOP("Examples", "Резонанс"),
         {"2000", "5000", "0.02", "0", "5", "50.32", "60"},
         Configuration::rlc,
         Regime::oscillatory},
        {OVRELAN_TRANSLATE_NOOP("Examples", "Биения"),
         {"2000", "5000", "0", "0", "5", "45", "40"},
         Configuration::rlc,
         Regime::undamped},
        {OVRELAN_TRANSLATE_NOOP("Examples", "Заряд конденсатора (RC, постоянная ЭДС)"),
         {"0", "1000", "10", "0", "5", "0", "5"},
         Configuration::rc,
         std::nullopt},
        {OVRELAN_TRANSLATE_NOOP("Examples", "Установление тока в катушке (RL)"),
         {"100000", "0", "10", "0", "5", "0", "5"},
         Configuration::rl,
         std::nullopt},
        {OVRELAN_TRANSLATE_NOOP("Examples", "Контур без потерь (LC)"),
         {"2000", "5000", "0", "15", "0", "0", "10"},
         Configuration::rlc,
         Regime::undamped_dc},
    };
    return list;
}

} // namespace ovrelan
