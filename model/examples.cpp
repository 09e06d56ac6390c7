#include "model/examples.h"

namespace ovrelan {

const std::vector<Example>& examples() {
    // L and C in µH and µF. The critical circuit is exact: wo = d = 1000 1/s in doubles.
    static const std::vector<Example> list{
        {"Слабое затухание",
         {" 2000", " 5000", " 0.020", " 15.00", " 5.00", " 47.00", " 40"},
         Configuration::rlc,
         Regime::oscillatory},
        {"Критический режим",
         {"2000", "500", "4", "15", "0", "0", "3"},
         Configuration::rlc,
         Regime::critical},
        {"Апериодический режим",
         {"2000", "500", "20", "15", "0", "0", "3"},
         Configuration::rlc,
         Regime::aperiodic},
        {"Резонанс",
         {"2000", "5000", "0.02", "0", "5", "50.32", "60"},
         Configuration::rlc,
         Regime::oscillatory},
        {"Биения",
         {"2000", "5000", "0", "0", "5", "45", "40"},
         Configuration::rlc,
         Regime::undamped},
        {"Заряд конденсатора (RC, постоянная ЭДС)",
         {"0", "1000", "10", "0", "5", "0", "5"},
         Configuration::rc,
         std::nullopt},
        {"Установление тока в катушке (RL)",
         {"100000", "0", "10", "0", "5", "0", "5"},
         Configuration::rl,
         std::nullopt},
        {"Контур без потерь (LC)",
         {"2000", "5000", "0", "15", "0", "0", "10"},
         Configuration::rlc,
         Regime::undamped_dc},
    };
    return list;
}

} // namespace ovrelan
