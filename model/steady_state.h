// The steady state a sinusoidal source drives in the series circuit, and how it depends on the
// source's frequency: the resonance curve. Amplitudes in volts and amperes, angles in radians.
//
// With ω = 2π|ν| (the cosine source is even in ν: a negative frequency drives what its magnitude
// does), the coil's reactance X_L = ωL (none without a coil), the capacitor's X_C = 1/(ωC) (none
// without a capacitor: C = 0 means the circuit has no capacitor, not an infinite reactance),
// Z = √(R² + (X_L − X_C)²), I_m = Em/Z, and the EMF leads the current by φ = atan2(X_L − X_C, R).
//
// Near the resonance X_L − X_C is worked out as X_C·(ω²LC − 1) with ω²LC − 1 carried in two
// doubles, so that the amplitudes keep their sixteen digits however close ν comes to ν0; every
// quantity is scaled by a power of two on the way, so that a value overflows only when it is
// itself beyond the range of a double.
#pragma once

#include "model/simulation_state.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ovrelan {

struct SteadyState {
    double omega = 0; // rad/s
    double X_L = 0, X_C = 0, Z = 0;
    double I_m = 0; // A; infinite when the current has no bound
    double phi = 0; // how far the EMF leads the current
    double U_Rm = 0, U_Lm = 0, U_Cm = 0;
    // Z = 0: without a resistor at the resonance (ν within the rounding of the numbers of ν0)
    // the current has no bound; then I_m, U_Lm and U_Cm are infinite (0 without an EMF).
    bool unbounded = false;
};

// The natural frequency 1/(2π√(LC)) in hertz with the exact π, to about its last bit; L and C
// positive.
double natural_frequency(double L, double C);

// At the source's frequency |ν|: nothing for a constant source (ν = 0).
std::optional<SteadyState> steady_state(const Parameters& p);
// At any frequency, as of |ν|, for the circuit's L, C, R and Em. Every value is finite but for
// an unbounded current and a quantity beyond the range of a double (about 1.8e308).
SteadyState steady_state_at(const Parameters& p, double nu);

struct ResonancePoint {
    double nu = 0;  // Hz
    double I_m = 0; // A
    double U_Cm = 0, U_Lm = 0;
    double phi = 0;
};

struct ResonanceCurve {
    std::vector<ResonancePoint> points; // ν rising; none when `reason` says why
    std::string reason;                 // «…», when the circuit has no resonance curve
    bool has_L = false, has_C = false;
    double nu0 = 0;      // 1/(2π√(LC)), with a coil and a capacitor
    double nu_C = 0;     // where U_Cm peaks (the panel's Vr); 0 when it does not
    double band_low = 0; // the half-power band, where I_m = I_m,max/√2 (with L and C, R > 0)
    double band_high = 0;
    double width = 0;       // Δν = R/(2πL) = band_high − band_low
    double Q = 0;           // ν0/Δν
    bool unbounded = false; // R = 0 with L and C: the peak at ν0 has no top
    double I_peak = 0;      // the largest finite current of the curve (at ν0 when bounded)
};

// The curve over a frequency range around the circuit's own frequency (ν0, or the corner
// frequency of an R-C or R-L circuit), as wide as the present |ν| needs: `count` points spaced
// logarithmically, with ν0, the U_Cm peak, the band's edges and the present |ν| among them and,
// for a narrow peak, enough points across the band to draw it. Every frequency is finite and
// positive; at ν0 of an unbounded curve the amplitudes are infinite.
ResonanceCurve resonance_curve(const Parameters& p, std::size_t count = 2000);

} // namespace ovrelan
