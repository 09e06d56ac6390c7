// The constants the model computes with: pi and 2*pi to ten digits, as the program always has.
#pragma once

namespace ovrelan {

inline constexpr double pi = 3.1415926535;
inline constexpr double two_pi = 6.283185307;
// 2*pi as the single-precision value some pictures pass for a full turn.
inline constexpr float two_pi_single = 6.2831855F;

} // namespace ovrelan
