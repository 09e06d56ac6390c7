// The free motion of the circuit as a measured trace shows it: the key closes at t = shift, and
// from then on a quantity follows offset + amplitude · S(τ), τ = ω₀ (t − shift), where S is the
// closed form's normalised response (closed_form.h) with u0 = 1, no source and the damping ratio
// a = δ/ω₀ — the same functions the program plots. By quantity:
//   Uc       S = x(τ)             (1 before the key closes)
//   I, Ur    S = i(τ) = −x'(τ)    (0 before)
//   εL       S = 2a·i(τ) − x(τ)   (0 before: the coil's EMF −L dI/dt in units of Uc's scale;
//                                 it jumps to −1, and a sample less than one sample step
//                                 before the closing is taken on the way, linearly in time)
// A discharge from Uo has amplitude Uo for Uc and εL, Uo·ω₀·C for I; a constant source Em adds
// −Em to Uc's offset and Uo + Em to the amplitudes.
#pragma once

#include "model/measured_quantity.h"

#include <span>
#include <vector>

namespace ovrelan {

struct FreeMotion {
    double delta = 0;  // δ = R/2L, 1/s
    double omega0 = 0; // ω₀ = 1/√(LC), rad/s
    double shift = 0;  // the time the key closes, s
};

// S and dS/dτ at each time (slope may be empty: not wanted); before the key closes S does not
// depend on ω₀ or δ, only on t − shift. False when δ < 0, ω₀ ≤ 0 or the
// closed form gives a number that is not finite; what the spans hold is then of no use.
bool free_shape(Quantity q, const FreeMotion& m, std::span<const double> t, std::span<double> shape,
                std::span<double> slope = {});

// offset + amplitude · S at each time; empty when free_shape refuses.
std::vector<double> free_response(Quantity q, const FreeMotion& m, double amplitude, double offset,
                                  std::span<const double> t);

} // namespace ovrelan
