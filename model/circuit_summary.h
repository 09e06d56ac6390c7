// A computed circuit at a glance, as a family's table shows each curve: its regime in the words
// of the panel's caption, δ, Θ and Q as the panel shows them, the natural frequency and the peak
// of the resonance curve. Plain numbers, and the table's texts made from them.
#pragma once

#include "model/circuit_kind.h"
#include "model/simulation_state.h"

#include <optional>
#include <string>

namespace ovrelan {

struct CircuitSummary {
    Configuration configuration = Configuration::rlc;
    std::optional<Regime> regime; // with a coil and a capacitor
    // «колебательный», «критический», «апериодический», «незатухающий», «резонанс без потерь»,
    // or the circuit for one without both a coil and a capacitor: «цепь RC».
    std::string regime_word;
    std::string caption; // as the panel names the circuit: «Контур RLC: критический режим»
    // Nothing where the panel shows no such value for this circuit; an infinite value where it
    // shows «-> oo».
    std::optional<double> delta; // δ, 1/s: R-C, R-L and R-L-C
    std::optional<double> theta; // Θ: R-L-C; infinite unless it oscillates (critical, aperiodic)
    std::optional<double> Q;     // the panel's Q = π/Θ: infinite without a resistor, 0 unless it
                                 // oscillates
    std::optional<double> nu0; // ν₀ = 1/(2π√(LC)), Hz (the exact π, as the resonance curve)
    // The resonance curve's peak, with a coil, a capacitor and a source: where U_Cm peaks (none
    // when it does not) and the current at ν₀, Em/R (none when no resistor bounds it).
    std::optional<double> nu_C;
    std::optional<double> I_peak;
    bool unbounded = false; // no resistor: the current's peak at ν₀ has no top
};

// The summary of a computed circuit (the scalars of a completed pass).
CircuitSummary circuit_summary(const SimulationScalars& s);

// The table's texts: four significant digits, the decimal separator the panel uses, «∞» for an
// infinite value, «—» where the circuit has none; the peak as «ν_C = 50,21 Гц; I = 250 А».
struct SummaryCells {
    std::string regime;
    std::string delta; // «31,62 1/с»
    std::string theta;
    std::string Q;
    std::string nu0; // «50,33 Гц»
    std::string peak;
};
SummaryCells summary_cells(const CircuitSummary& summary, char decimal_separator);

} // namespace ovrelan
