#include "model/circuit_kind.h"

namespace ovrelan {

Configuration configuration(const Parameters& p) {
    if (p.L == 0 && p.C == 0) {
        return Configuration::r_only;
    }
    if (p.C == 0 && p.R == 0 && p.nu == 0) {
        return Configuration::l_only;
    }
    if (p.L == 0 && p.R == 0) {
        return Configuration::c_only;
    }
    if (p.L == 0) {
        return Configuration::rc;
    }
    if (p.C == 0) {
        return Configuration::rl;
    }
    return Configuration::rlc;
}

Regime regime(double a, double b) {
    if (a == 0 && b == 1) {
        return Regime::undamped_resonance;
    }
    if (a == 0 && b == 0) {
        return Regime::undamped_dc;
    }
    if (a == 0) {
        return Regime::undamped;
    }
    if (a > 0 && a < 1) {
        return Regime::oscillatory;
    }
    if (a > 1) {
        return Regime::aperiodic;
    }
    return Regime::critical;
}

std::string_view configuration_name(Configuration c) {
    switch (c) {
    case Configuration::r_only:
        return "R";
    case Configuration::l_only:
        return "L";
    case Configuration::c_only:
        return "C";
    case Configuration::rc:
        return "RC";
    case Configuration::rl:
        return "RL";
    case Configuration::rlc:
        return "RLC";
    }
    return "";
}

std::string_view regime_name(Regime r) {
    switch (r) {
    case Regime::undamped_resonance:
        return "undamped_resonance";
    case Regime::undamped_dc:
        return "undamped_dc";
    case Regime::undamped:
        return "undamped";
    case Regime::oscillatory:
        return "oscillatory";
    case Regime::aperiodic:
        return "aperiodic";
    case Regime::critical:
        return "critical";
    }
    return "";
}

} // namespace ovrelan
