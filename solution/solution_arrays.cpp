#include "solution/solution_arrays.h"

#include "model/circuit_kind.h"
#include "solution/closed_form.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

namespace {

// Running maximum of |value|, strictly greater.
inline void running_max(double value, double& max) {
    if (std::fabs(value) > max) {
        max = std::fabs(value);
    }
}

// True when every element of every array and every maximum is finite: the sum of (v - v) is
// NaN as soon as one of them is not.
bool all_finite(const SimulationState& s) {
    double sum = 0;
    for (const std::vector<double>* array : {&s.t_grid, &s.Uc_t, &s.I_t, &s.UL_t, &s.W_t}) {
        for (const double v : *array) {
            sum += v - v;
        }
    }
    float single = 0;
    for (const float v : s.Ur_t) {
        single += v - v;
    }
    for (const double m : {s.Uc_max, s.I_max, s.Ur_max, s.UL_max, s.W_max}) {
        sum += m - m;
    }
    return sum == 0 && single == 0;
}

// Number of loop passes k = 0, 1, ... while k <= Nt.
std::size_t loop_count(double Nt) {
    return static_cast<std::size_t>(std::floor(Nt)) + 1;
}

void fill_r_only(SimulationState& s, std::size_t n) {
    const double S = s.Em / s.Ur_scale;
    for (std::size_t k = 0; k < n; ++k) {
        const double t = static_cast<double>(k) * s.dt;
        s.t_grid[k] = t;
        if (s.w != 0) {
            s.Ur_t[k] = static_cast<float>(S * std::cos(t));
            s.I_t[k] = static_cast<double>(s.Ur_t[k]);
            s.W_t[k] = t + std::sin(2 * t) / 2;
        } else {
            s.Ur_t[k] = static_cast<float>(S);
            s.I_t[k] = S;
            s.W_t[k] = t;
        }
        running_max(s.W_t[k], s.W_max);
    }
    s.UL_max = s.Uc_max = s.Ur_max = s.I_max = 1;
}

void fill_c_only(SimulationState& s, std::size_t n) {
    const double S = s.Em / s.Uc_scale;
    for (std::size_t k = 0; k < n; ++k) {
        const double t = static_cast<double>(k) * s.dt;
        s.t_grid[k] = t;
        s.Uc_t[k] = -S * std::cos(t);
        s.I_t[k] = -S * std::sin(t);
        s.W_t[k] = s.Uc_t[k] * s.Uc_t[k];
    }
    s.Uc_max = s.I_max = s.Ur_max = s.UL_max = s.W_max = 1;
}

void fill_l_only(SimulationState& s, std::size_t n) {
    const double S = s.Em / s.UL_scale;
    for (std::size_t k = 0; k < n; ++k) {
        const double t = static_cast<double>(k) * s.dt;
        s.t_grid[k] = t;
        s.UL_t[k] = -S;
        s.I_t[k] = S * t;
        s.W_t[k] = t * t;
    }
    s.UL_max = s.Uc_max = s.Ur_max = 1;
    const double t_end = s.t_grid[n - 1];
    s.I_max = t_end;
    s.W_max = t_end * t_end;
}

void fill_rc(SimulationState& s, std::size_t n) {
    const double a = s.a;
    const double b = s.b;
    const double P = (s.Uo + s.Em * a * a) / s.Uc_scale;
    const double S = s.Em / s.Uc_scale;
    for (std::size_t k = 0; k < n; ++k) {
        const double t = static_cast<double>(k) * s.dt;
        s.t_grid[k] = t;
        const double E = std::exp(-a * t);
        const double cb = std::cos(b * t);
        const double sb = std::sin(b * t);
        s.Uc_t[k] = P * E - S * a * (a * cb + b * sb);
        s.I_t[k] = P * E + S * b * (b * cb - a * sb);
        s.Ur_t[k] = static_cast<float>(s.I_t[k]);
        s.W_t[k] = s.Uc_t[k] * s.Uc_t[k];
        running_max(s.Uc_t[k], s.Uc_max);
        running_max(s.I_t[k], s.I_max);
    }
    s.UL_max = 1;
    s.Ur_max = s.I_max;
    s.W_max = s.Uc_max * s.Uc_max;
}

void fill_rl(SimulationState& s, std::size_t n) {
    const double a = s.a;
    const double b = s.b;
    const double S = s.Em / s.UL_scale;
    for (std::size_t k = 0; k < n; ++k) {
        const double t = static_cast<double>(k) * s.dt;
        s.t_grid[k] = t;
        const double E = std::exp(-a * t);
        const double cb = std::cos(b * t);
        const double sb = std::sin(b * t);
        s.I_t[k] = -S * (a * E - a * cb - b * sb);
        s.UL_t[k] = a * s.I_t[k] - S * cb;
        s.Ur_t[k] = static_cast<float>(a * s.I_t[k]);
        s.W_t[k] = s.I_t[k] * s.I_t[k];
        running_max(s.UL_t[k], s.UL_max);
        running_max(s.I_t[k], s.I_max);
    }
    s.Uc_max = 1;
    s.Ur_max = s.R != 0 ? a * s.I_max : 1;
    s.W_max = s.I_max * s.I_max;
}

void fill_rlc(SimulationState& s, std::size_t n) {
    const Regime r = regime(s);
    const double b = s.b;
    const double ur_factor = s.C * s.wo * s.R;
    const double source = s.Em / s.Uc_scale;
    for (std::size_t k = 0; k < n; ++k) {
        const double t = static_cast<double>(k) * s.dt;
        s.t_grid[k] = t;
        const double cb = std::cos(b * t);
        const double sb = std::sin(b * t);
        const ResponsePoint p = response_at(s, r, t, cb, sb);
        s.Uc_t[k] = p.x;
        s.I_t[k] = p.i;
        s.Ur_t[k] = static_cast<float>(ur_factor * p.i);
        s.UL_t[k] = static_cast<double>(s.Ur_t[k]) - source * cb - p.x;
        s.W_t[k] = p.x * p.x + p.i * p.i;
        running_max(s.Uc_t[k], s.Uc_max);
        running_max(s.I_t[k], s.I_max);
        running_max(s.W_t[k], s.W_max);
        running_max(s.UL_t[k], s.UL_max);
    }
    s.Ur_max = s.R != 0 ? ur_factor * s.I_max : 1;
}

template <class T> void redimension(std::vector<T>& v, std::size_t size) {
    std::vector<T>().swap(v); // old contents and capacity go first
    v.assign(size, T{});
}

} // namespace

std::size_t grid_points(double Nt) {
    return static_cast<std::size_t>(std::nearbyint(Nt)) + 1;
}

std::size_t run_index(const SimulationState& s) {
    const auto k = static_cast<std::size_t>(std::max(0, s.k_now));
    return s.t_grid.empty() ? 0 : std::min(k, s.t_grid.size() - 1);
}

void release_solution(SimulationState& s) {
    std::vector<double>().swap(s.t_grid);
    std::vector<double>().swap(s.Uc_t);
    std::vector<double>().swap(s.I_t);
    std::vector<float>().swap(s.Ur_t);
    std::vector<double>().swap(s.UL_t);
    std::vector<double>().swap(s.W_t);
}

bool build_solution(SimulationState& s) {
    const std::size_t size = grid_points(s.Nt);
    redimension(s.t_grid, size);
    redimension(s.UL_t, size);
    redimension(s.Uc_t, size);
    redimension(s.I_t, size);
    redimension(s.W_t, size);
    redimension(s.Ur_t, size);

    s.Uc_max = s.I_max = s.W_max = s.UL_max = 0;

    // Nt may keep a fraction (R-C and R-L with a fractional Nmax): the loop runs for the whole
    // k <= Nt, so the last element may stay 0.
    const std::size_t n = std::min(loop_count(s.Nt), size);
    switch (configuration(s)) {
    case Configuration::r_only:
        fill_r_only(s, n);
        break;
    case Configuration::c_only:
        fill_c_only(s, n);
        break;
    case Configuration::l_only:
        fill_l_only(s, n);
        break;
    case Configuration::rc:
        fill_rc(s, n);
        break;
    case Configuration::rl:
        fill_rl(s, n);
        break;
    case Configuration::rlc:
        fill_rlc(s, n);
        break;
    }

    s.k_now = 0;
    s.Uc_t[0] = s.Uo / s.Uc_scale;
    s.I_t[0] = 0;
    return all_finite(s);
}

} // namespace ovrelan
