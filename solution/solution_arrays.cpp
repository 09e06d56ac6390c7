#include "solution/solution_arrays.h"

#include "model/circuit_kind.h"
#include "solution/closed_form.h"
#include "solution/phase_steps.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace ovrelan {

namespace {

// The largest |v| over a block and m, a NaN left out as std::max leaves it: in two lanes, which
// the compiler pairs into one instruction.
template <class Real> double block_max(const Real* v, std::size_t count, double m) {
    double even = m;
    double odd = m;
    std::size_t j = 0;
    for (; j + 1 < count; j += 2) {
        even = std::max(even, std::fabs(static_cast<double>(v[j])));
        odd = std::max(odd, std::fabs(static_cast<double>(v[j + 1])));
    }
    if (j < count) {
        even = std::max(even, std::fabs(static_cast<double>(v[j])));
    }
    return std::max(even, odd);
}

// A block of grid points of all six arrays, filled together and then copied out. What a
// circuit does not have stays 0.
struct Block {
    static constexpr std::size_t size = PhaseSteps::block;
    std::array<double, size> t{};
    std::array<double, size> Uc{};
    std::array<double, size> I{};
    std::array<float, size> Ur{};
    std::array<double, size> UL{};
    std::array<double, size> W{};
};

// Copies blocks into the arrays and notes whether every value was finite, and the largest
// magnitude of each array. A value that is not finite has all its exponent bits set, and adding
// one unit to the exponent field then carries into the sign bit: an or of such sums is an integer
// reduction the compiler vectorises.
class Rows {
public:
    explicit Rows(SimulationState& s)
        : t_(s.t_grid.data()), Uc_(s.Uc_t.data()), I_(s.I_t.data()), Ur_(s.Ur_t.data()),
          UL_(s.UL_t.data()), W_(s.W_t.data()) {}

    void put(std::size_t k0, const Block& b, std::size_t count) {
        peak_.t = block_max(b.t.data(), count, peak_.t);
        peak_.Uc = block_max(b.Uc.data(), count, peak_.Uc);
        peak_.I = block_max(b.I.data(), count, peak_.I);
        peak_.Ur = block_max(b.Ur.data(), count, peak_.Ur);
        peak_.UL = block_max(b.UL.data(), count, peak_.UL);
        peak_.W = block_max(b.W.data(), count, peak_.W);
        copy(b.t.data(), t_ + k0, count, wide_);
        copy(b.Uc.data(), Uc_ + k0, count, wide_);
        copy(b.I.data(), I_ + k0, count, wide_);
        copy(b.UL.data(), UL_ + k0, count, wide_);
        copy(b.W.data(), W_ + k0, count, wide_);
        copy(b.Ur.data(), Ur_ + k0, count, narrow_);
    }
    bool all_finite() const {
        return (wide_ & 0x8000'0000'0000'0000) == 0 && (narrow_ & 0x8000'0000) == 0;
    }
    // The arrays times their scales stay finite: the values in seconds, volts, amperes and
    // joules that the tables and the read-outs make of them.
    bool si_finite(const SimulationScalars& s) const {
        return std::isfinite(peak_.t * s.t_scale) && std::isfinite(peak_.Uc * s.Uc_scale) &&
               std::isfinite(peak_.I * s.I_scale) && std::isfinite(peak_.Ur * s.Ur_scale) &&
               std::isfinite(peak_.UL * s.UL_scale) && std::isfinite(peak_.W * s.W_scale);
    }

private:
    template <class Real, class Bits>
    static void copy(const Real* from, Real* to, std::size_t count, Bits& sums) {
        static_assert(sizeof(Real) == sizeof(Bits));
        constexpr int mantissa = std::numeric_limits<Real>::digits - 1;
        constexpr Bits exponent = ~Bits{0} >> 1 & ~((Bits{1} << mantissa) - 1);
        std::copy_n(from, count, to);
        for (std::size_t j = 0; j < count; ++j) {
            Bits bits = 0;
            std::memcpy(&bits, from + j, sizeof bits);
            sums |= (bits & exponent) + (Bits{1} << mantissa);
        }
    }

    double* t_;
    double* Uc_;
    double* I_;
    float* Ur_;
    double* UL_;
    double* W_;
    std::uint64_t wide_ = 0;
    std::uint32_t narrow_ = 0;
    struct {
        double t = 0, Uc = 0, I = 0, Ur = 0, UL = 0, W = 0;
    } peak_;
};

// Calls point(block, j, t, phases) for every grid point k = k0 + j < n, t = k·dt, with the
// phases of these rates, then done(block, count) for each block, and writes the blocks out. The
// loop over a block has no branch and no call: the compiler runs it two points at a time.
template <class Point, class Done>
void over_grid(const SimulationState& s, std::size_t n, const Rates& rates, Rows& out,
               Point&& point, Done&& done) {
    PhaseSteps steps(rates, s.dt);
    const double dt = s.dt;
    std::array<double, Block::size> offsets{};
    for (std::size_t j = 0; j < Block::size; ++j) {
        offsets[j] = static_cast<double>(j);
    }
    Block block;
    for (std::size_t k0 = 0; k0 < n; k0 += Block::size) {
        steps.start(k0);
        const std::size_t count = std::min(n - k0, Block::size);
        const auto first = static_cast<double>(k0);
        for (std::size_t j = 0; j < count; ++j) {
            // k0 + j as a double, exactly: both are whole numbers far below 2^53.
            point(block, j, (first + offsets[j]) * dt, steps.at(j));
        }
        done(block, count);
        out.put(k0, block, count);
    }
}

// cos t and sin 2t.
constexpr Rates resistor_rates{.turn1 = 1, .turn2 = 2};
constexpr Rates unit_turn{.turn1 = 1};

void fill_r_only(SimulationState& s, std::size_t n, Rows& out) {
    const double S = s.Em / s.Ur_scale;
    const bool alternating = s.w != 0;
    double W_max = s.W_max;
    over_grid(
        s, n, resistor_rates, out,
        [&](Block& b, std::size_t j, double t, const Phases& p) {
            b.t[j] = t;
            b.Ur[j] = static_cast<float>(alternating ? S * p.c1 : S);
            b.I[j] = alternating ? static_cast<double>(b.Ur[j]) : S;
            b.W[j] = alternating ? t + p.s2 / 2 : t;
        },
        [&](const Block& b, std::size_t count) { W_max = block_max(b.W.data(), count, W_max); });
    s.W_max = W_max;
    s.UL_max = s.Uc_max = s.Ur_max = s.I_max = 1;
}

void fill_c_only(SimulationState& s, std::size_t n, Rows& out) {
    const double S = s.Em / s.Uc_scale;
    over_grid(
        s, n, unit_turn, out,
        [&](Block& b, std::size_t j, double t, const Phases& p) {
            b.t[j] = t;
            b.Uc[j] = -S * p.c1;
            b.I[j] = -S * p.s1;
            b.W[j] = b.Uc[j] * b.Uc[j];
        },
        [](const Block&, std::size_t) {});
    s.Uc_max = s.I_max = s.Ur_max = s.UL_max = s.W_max = 1;
}

void fill_l_only(SimulationState& s, std::size_t n, Rows& out) {
    const double S = s.Em / s.UL_scale;
    over_grid(
        s, n, {}, out,
        [&](Block& b, std::size_t j, double t, const Phases&) {
            b.t[j] = t;
            b.UL[j] = -S;
            b.I[j] = S * t;
            b.W[j] = t * t;
        },
        [](const Block&, std::size_t) {});
    s.UL_max = s.Uc_max = s.Ur_max = 1;
    const double t_end = static_cast<double>(n - 1) * s.dt;
    s.I_max = t_end;
    s.W_max = t_end * t_end;
}

void fill_rc(SimulationState& s, std::size_t n, Rows& out) {
    const double a = s.a;
    const double b = s.b;
    const double P = (s.Uo + s.Em * a * a) / s.Uc_scale;
    const double S = s.Em / s.Uc_scale;
    double Uc_max = s.Uc_max;
    double I_max = s.I_max;
    const Rates rates{.turn2 = b, .decay1 = a};
    over_grid(
        s, n, rates, out,
        [&](Block& o, std::size_t j, double t, const Phases& p) {
            o.t[j] = t;
            o.Uc[j] = P * p.e1 - S * a * (a * p.c2 + b * p.s2);
            o.I[j] = P * p.e1 + S * b * (b * p.c2 - a * p.s2);
            o.Ur[j] = static_cast<float>(o.I[j]);
            o.W[j] = o.Uc[j] * o.Uc[j];
        },
        [&](const Block& o, std::size_t count) {
            Uc_max = block_max(o.Uc.data(), count, Uc_max);
            I_max = block_max(o.I.data(), count, I_max);
        });
    s.Uc_max = Uc_max;
    s.I_max = I_max;
    s.UL_max = 1;
    s.Ur_max = s.I_max;
    s.W_max = s.Uc_max * s.Uc_max;
}

void fill_rl(SimulationState& s, std::size_t n, Rows& out) {
    const double a = s.a;
    const double b = s.b;
    const double S = s.Em / s.UL_scale;
    double UL_max = s.UL_max;
    double I_max = s.I_max;
    const Rates rates{.turn2 = b, .decay1 = a};
    over_grid(
        s, n, rates, out,
        [&](Block& o, std::size_t j, double t, const Phases& p) {
            o.t[j] = t;
            o.I[j] = -S * (a * p.e1 - a * p.c2 - b * p.s2);
            o.UL[j] = a * o.I[j] - S * p.c2;
            o.Ur[j] = static_cast<float>(a * o.I[j]);
            o.W[j] = o.I[j] * o.I[j];
        },
        [&](const Block& o, std::size_t count) {
            UL_max = block_max(o.UL.data(), count, UL_max);
            I_max = block_max(o.I.data(), count, I_max);
        });
    s.UL_max = UL_max;
    s.I_max = I_max;
    s.Uc_max = 1;
    s.Ur_max = s.R != 0 ? a * s.I_max : 1;
    s.W_max = s.I_max * s.I_max;
}

void fill_rlc(SimulationState& s, std::size_t n, Rows& out) {
    const SimulationScalars c = s; // a copy the stores into the arrays cannot touch
    const Regime r = regime(c);
    const double ur_factor = c.C * c.wo * c.R;
    const double source = c.Em / c.Uc_scale;
    double Uc_max = c.Uc_max;
    double I_max = c.I_max;
    double W_max = c.W_max;
    double UL_max = c.UL_max;
    with_regime(r, [&](auto regime) {
        over_grid(
            s, n, rates_of(c, r), out,
            [&](Block& o, std::size_t j, double t, const Phases& p) {
                const ResponsePoint q = response<decltype(regime)::value>(c, t, p);
                o.t[j] = t;
                o.Uc[j] = q.x;
                o.I[j] = q.i;
                o.Ur[j] = static_cast<float>(ur_factor * q.i);
                o.UL[j] = static_cast<double>(o.Ur[j]) - source * q.source - q.x;
                o.W[j] = q.x * q.x + q.i * q.i;
            },
            [&](const Block& o, std::size_t count) {
                Uc_max = block_max(o.Uc.data(), count, Uc_max);
                I_max = block_max(o.I.data(), count, I_max);
                W_max = block_max(o.W.data(), count, W_max);
                UL_max = block_max(o.UL.data(), count, UL_max);
            });
    });
    s.Uc_max = Uc_max;
    s.I_max = I_max;
    s.W_max = W_max;
    s.UL_max = UL_max;
    s.Ur_max = s.R != 0 ? ur_factor * s.I_max : 1;
}

// The arrays are reused while they are large enough and not more than twice as large: making
// them afresh on every edit would fault in and zero tens of megabytes each time. When they must
// grow they are let go first, so there is never a second set.
template <class T> void redimension(std::vector<T>& v, std::size_t size) {
    if (v.capacity() < size || v.capacity() / 2 > size) {
        std::vector<T>().swap(v);
    }
    v.resize(size);
}

bool maxima_finite(const SimulationScalars& s) {
    return std::isfinite(s.Uc_max) && std::isfinite(s.I_max) && std::isfinite(s.Ur_max) &&
           std::isfinite(s.UL_max) && std::isfinite(s.W_max);
}

// Number of loop passes k = 0, 1, ... while k <= Nt.
std::size_t loop_count(double Nt) {
    return static_cast<std::size_t>(std::floor(Nt)) + 1;
}

} // namespace

std::size_t grid_points(double Nt) {
    return static_cast<std::size_t>(std::nearbyint(Nt)) + 1;
}

std::size_t computed_points(const SimulationState& s) {
    if (s.t_grid.empty()) {
        return 0;
    }
    const std::size_t points = loop_count(s.Nt);
    assert(points <= s.t_grid.size() && "the arrays hold every computed point");
    return points;
}

std::size_t last_computed_index(const SimulationState& s) {
    assert(!s.t_grid.empty());
    return computed_points(s) - 1;
}

int run_end(const SimulationScalars& s) {
    return static_cast<int>(std::ceil(s.Nt));
}

std::size_t run_index(const SimulationState& s) {
    assert(s.k_now >= 0 && s.k_now <= run_end(s) && "the run stands within its grid");
    if (s.t_grid.empty()) {
        return 0;
    }
    return std::min(static_cast<std::size_t>(s.k_now), last_computed_index(s));
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
    assert(n == loop_count(s.Nt) && n + 1 >= size && "at most the last element is left unwritten");
    Rows rows(s);
    switch (configuration(s)) {
    case Configuration::r_only:
        fill_r_only(s, n, rows);
        break;
    case Configuration::c_only:
        fill_c_only(s, n, rows);
        break;
    case Configuration::l_only:
        fill_l_only(s, n, rows);
        break;
    case Configuration::rc:
        fill_rc(s, n, rows);
        break;
    case Configuration::rl:
        fill_rl(s, n, rows);
        break;
    case Configuration::rlc:
        fill_rlc(s, n, rows);
        break;
    }
    rows.put(n, Block{}, size - n);

    s.k_now = 0;
    s.Uc_t[0] = s.Uo / s.Uc_scale;
    s.I_t[0] = 0;
    return rows.all_finite() && rows.si_finite(s) && std::isfinite(s.Uc_t[0]) &&
           std::isfinite(s.Uc_t[0] * s.Uc_scale) && maxima_finite(s);
}

} // namespace ovrelan
