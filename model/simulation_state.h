// The one record of the circuit model: parameters, characteristics, response constants,
// scales, time grid, solution arrays and the run position. View settings (zooms, geometry,
// colours, speeds) belong to the windows that use them.
#pragma once

#include <vector>

namespace ovrelan {

// The seven typed parameters, in SI units as held.
struct Parameters {
    double L = 0;    // H
    double C = 0;    // F
    double R = 0;    // Ohm
    double Uo = 0;   // V
    double Em = 0;   // V
    double nu = 0;   // Hz
    double Nmax = 0; // natural periods or characteristic times
    friend bool operator==(const Parameters&, const Parameters&) = default;
};

// Everything but the solution arrays: cheap to copy, so a refused pass can put it back.
struct SimulationScalars : Parameters {
    // Derived characteristics (physical units).
    double w = 0, wo = 0, d = 0, wx = 0, Wb = 0;
    double Tv = 0, To = 0, T = 0, Tx = 0, Tr = 0;
    double theta = 0, Q = 0, Rk = 0, Qc = 0, Vr = 0;

    // Dimensionless quantities and constants of the closed-form response.
    double a = 0, b = 0, g = 0, u0 = 0;
    float eps = 0;
    double Acos = 0, Asin = 0, K1 = 0, K2 = 0;

    // Normalisation scales: physical value = normalised value * scale.
    double Uc_scale = 0, UL_scale = 0, Ur_scale = 0, I_scale = 0, W_scale = 0, t_scale = 0;

    // Time grid and graph grid.
    double steps_per_unit = 0;
    float t_unit = 0;
    double dt = 0, Nt = 0, t_span = 0, grid_step = 0, grid_count = 0;

    // Maxima of the solution arrays and the run position.
    double Uc_max = 0, I_max = 0, Ur_max = 0, UL_max = 0, W_max = 0;
    int k_now = 0;

    // The parameters of the last pass that completed (a keystroke may have been taken live).
    Parameters accepted{};
    // The value of each parameter when the edit of its field began: what a refused or vanishing
    // value puts back. A finished edit and a value the program writes into a field commit it.
    Parameters committed{};
};

struct SimulationState : SimulationScalars {
    // Solution arrays, indexed 0 ... Nt.
    std::vector<double> t_grid;
    std::vector<double> Uc_t;
    std::vector<double> I_t;
    std::vector<float> Ur_t;
    std::vector<double> UL_t;
    std::vector<double> W_t;
};

// Calls f(name, value) for every real-valued scalar of the model (parameters, characteristics,
// constants, scales, grid and maxima), in the order of the record.
template <class F> void for_each_model_scalar(const SimulationScalars& s, F&& f) {
    f("L", s.L);
    f("C", s.C);
    f("R", s.R);
    f("Uo", s.Uo);
    f("Em", s.Em);
    f("nu", s.nu);
    f("Nmax", s.Nmax);
    f("w", s.w);
    f("wo", s.wo);
    f("d", s.d);
    f("wx", s.wx);
    f("Wb", s.Wb);
    f("Tv", s.Tv);
    f("To", s.To);
    f("T", s.T);
    f("Tx", s.Tx);
    f("Tr", s.Tr);
    f("theta", s.theta);
    f("Q", s.Q);
    f("Rk", s.Rk);
    f("Qc", s.Qc);
    f("Vr", s.Vr);
    f("a", s.a);
    f("b", s.b);
    f("g", s.g);
    f("u0", s.u0);
    f("eps", static_cast<double>(s.eps));
    f("Acos", s.Acos);
    f("Asin", s.Asin);
    f("K1", s.K1);
    f("K2", s.K2);
    f("Uc_scale", s.Uc_scale);
    f("UL_scale", s.UL_scale);
    f("Ur_scale", s.Ur_scale);
    f("I_scale", s.I_scale);
    f("W_scale", s.W_scale);
    f("t_scale", s.t_scale);
    f("steps_per_unit", s.steps_per_unit);
    f("t_unit", static_cast<double>(s.t_unit));
    f("dt", s.dt);
    f("Nt", s.Nt);
    f("t_span", s.t_span);
    f("grid_step", s.grid_step);
    f("grid_count", s.grid_count);
    f("Uc_max", s.Uc_max);
    f("I_max", s.I_max);
    f("Ur_max", s.Ur_max);
    f("UL_max", s.UL_max);
    f("W_max", s.W_max);
}

} // namespace ovrelan
