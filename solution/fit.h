// The circuit fitted to measured traces: a nonlinear least-squares fit (GSL's
// gsl_multifit_nlinear, Levenberg–Marquardt) of the free motion the program plots
// (free_response.h) to the measured points.
//
// One trace of the free motion determines δ = R/2L and ω₀ = 1/√(LC) only (with its amplitude,
// its offset and the time the key closes): any R, L, C with the same δ and ω₀ draw the same
// curve. So the fit gives
// - δ and ω₀ when nothing is known;
// - R and L when C is given, R and C when L is given, L and C when R is given (from δ and ω₀);
// - δ (so R) when L and C are both given, ω₀ when R and L are, ω₀ with δ = RCω₀²/2 when R and C
//   are;
// - R, L and C when a current and a voltage (Uc or εL) are fitted together: the amplitudes Uo·ω₀·C
//   and Uo give C (their signs aside, as a probe may be turned either way).
// Two traces share δ, ω₀ and the key's closing, each has its amplitude and offset, and each is
// weighted by its own residual (fitted alone first).
//
// Every value comes with its standard error from the covariance of the fit scaled by the
// residual (χ² per degree of freedom); values worked out from the fitted ones (R, L, C, T, Θ, Q)
// carry the errors through their derivatives. A fit that does not converge or whose parameters
// the data do not determine gives a reason in Russian and no values. The fit never changes the
// state: the caller decides what to do with the values.
#pragma once

#include "model/circuit_kind.h"
#include "model/measured_quantity.h"
#include "model/simulation_state.h"
#include "solution/free_response.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ovrelan {

struct FitTrace {
    Quantity quantity = Quantity::Uc;
    std::span<const double> time;   // s, never decreasing
    std::span<const double> values; // V or A
};

struct FitRequest {
    std::vector<FitTrace> traces; // one, or two of different quantities
    // Values held fixed, in SI units (Ω, H, F); at most two of them.
    std::optional<double> R, L, C;
    // The time the key closes, s, when it is known; searched for otherwise.
    std::optional<double> shift;
    // A circuit whose δ and ω₀ are tried as a start (the present one in the program).
    std::optional<Parameters> circuit;
};

struct FitValue {
    std::string key;       // "delta", "omega0", "shift", "R", "L", "C", "T", "theta", "Q"
    double value = 0;      // SI units
    double error = 0;      // the standard error; 0 for a value held fixed
    bool fixed = false;    // given, not fitted
    std::string_view unit; // "1/с", "рад/с", "с", "Ом", "Гн", "Ф", "" for T's ratio ...
};

struct FitTraceResult {
    Quantity quantity = Quantity::Uc;
    FitValue amplitude; // key "amplitude", V or A
    FitValue offset;    // key "offset", V or A
    double rms = 0;     // the root mean square of the residuals, V or A
    std::size_t points = 0;
    std::vector<double> residuals; // measured minus fitted, one per point
};

struct FitResult {
    bool ok = false;
    std::string reason; // why there is no fit, in Russian; empty when ok

    std::vector<FitValue> values;        // delta, omega0, shift, then R, L, C, T, theta, Q as known
    std::vector<FitTraceResult> traces;  // in the order of the request
    FreeMotion motion;                   // δ, ω₀ and the key's closing, fitted
    Regime regime = Regime::oscillatory; // of the fitted δ and ω₀
    std::size_t points = 0;              // of all traces
    std::size_t parameters = 0;          // fitted
    double chi2_per_dof = 0;             // of the (weighted) fit: the factor the covariance takes
    std::size_t iterations = 0;
    std::string stop; // which test ended the iterations, in Russian: «шаг параметров стал мал»,
                      // «градиент суммы квадратов стал мал» or «до минимума суммы квадратов
                      // меньше 0,03 погрешности» (the Gauss-Newton step from there would lower
                      // the sum of squares by less than 1e-3 of χ²/dof)

    const FitValue* value(std::string_view key) const;
};

FitResult fit_measured(const FitRequest& request);

// The fitted curve of a trace of the result at these times (for drawing it before it is taken).
std::vector<double> fitted_curve(const FitResult& result, std::size_t trace,
                                 std::span<const double> time);

// The parameters with R, L and C as the fit determined them; those it did not determine are kept
// from `present`, and what the fit says about δ and ω₀ is then put through them: with only δ
// and ω₀ fitted, C is kept and L = 1/(ω₀²C), R = 2δL. Nothing when the fit failed.
std::optional<Parameters> fitted_parameters(const FitResult& result, const Parameters& present);

} // namespace ovrelan
