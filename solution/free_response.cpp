#include "solution/free_response.h"

#include "model/characteristics.h"
#include "model/circuit_kind.h"
#include "solution/closed_form.h"
#include "solution/phase_steps.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <optional>

namespace ovrelan {

namespace {

// The closed form's scalars of a circuit with damping ratio a, discharged from u0 = 1 without a
// source: L = C = 1, R = 2a, so that ω₀ = 1 and δ = a, computed by the model itself.
std::optional<SimulationScalars> free_scalars(double a) {
    SimulationScalars s;
    s.steps_per_unit = 12;
    static_cast<Parameters&>(s) = Parameters{1, 1, 2 * a, 1, 0, 0, 1};
    if (calc_characteristics(s).kind != PassKind::computed) {
        return std::nullopt;
    }
    return s;
}

// The phases of closed_form.h's phases_at without calling the library for a rate of 0, where its
// values are exact (cos 0 = 1, sin 0 = 0, exp 0 = 1, expm1 0 = 0): without a source the turning
// of the source is 0, and each regime uses only some of the rest. The same numbers, fewer calls.
Phases free_phases(const Rates& rates, double tau) {
    Phases p;
    if (rates.turn1 != 0) {
        p.c1 = std::cos(rates.turn1 * tau);
        p.s1 = std::sin(rates.turn1 * tau);
    }
    if (rates.turn2 != 0) {
        p.c2 = std::cos(rates.turn2 * tau);
        p.s2 = std::sin(rates.turn2 * tau);
    }
    if (rates.decay1 != 0) {
        p.e1 = std::exp(-rates.decay1 * tau);
    }
    if (rates.decay2 != 0) {
        p.e2 = std::exp(-rates.decay2 * tau);
    }
    if (rates.spread != 0) {
        p.m = std::expm1(-rates.spread * tau);
    }
    return p;
}

// The step of times that lie on a grid of equal steps, as oscilloscopes and loggers sample (to
// within 1e-10 of a radian of the fastest phase: far below anything measured); nothing for
// times that do not.
std::optional<double> uniform_step(std::span<const double> t, double omega0, const Rates& rates) {
    if (t.size() < 2) {
        return std::nullopt;
    }
    const double step = (t.back() - t.front()) / static_cast<double>(t.size() - 1);
    const double fastest = omega0 * std::max({1.0, std::fabs(rates.turn1), std::fabs(rates.turn2),
                                              rates.decay1, rates.decay2, rates.spread});
    const double allowed = 1e-10 / fastest;
    for (std::size_t j = 0; j < t.size(); ++j) {
        if (!(std::fabs(t[j] - (t.front() + static_cast<double>(j) * step)) <= allowed)) {
            return std::nullopt;
        }
    }
    return step;
}

} // namespace

bool free_shape(Quantity q, const FreeMotion& m, std::span<const double> t, std::span<double> shape,
                std::span<double> slope) {
    assert(shape.size() == t.size() && (slope.empty() || slope.size() == t.size()));
    if (!(m.delta >= 0) || !(m.omega0 > 0) || !std::isfinite(m.delta) || !std::isfinite(m.omega0) ||
        !std::isfinite(m.shift)) {
        return false;
    }
    const double a = m.delta / m.omega0;
    const auto scalars = free_scalars(a);
    if (!scalars) {
        return false;
    }
    const SimulationScalars& s = *scalars;
    const Regime r = regime(s);
    const Rates rates = rates_of(s, r);
    const double before = q == Quantity::Uc ? 1 : 0;
    const bool want_slope = !slope.empty();
    bool finite = true;
    with_regime(r, [&](auto regime_constant) {
        constexpr Regime R = decltype(regime_constant)::value;
        const auto put = [&](std::size_t j, double tau, const Phases& phases) {
            const ResponsePoint p = response<R>(s, tau, phases);
            // x' = −i and i' = −x'' = x − 2a·i for the free motion x'' + 2a·x' + x = 0.
            const double di = p.x - 2 * a * p.i;
            switch (q) {
            case Quantity::Uc:
                shape[j] = p.x;
                if (want_slope) {
                    slope[j] = -p.i;
                }
                break;
            case Quantity::I:
            case Quantity::Ur:
                shape[j] = p.i;
                if (want_slope) {
                    slope[j] = di;
                }
                break;
            case Quantity::EL:
                shape[j] = 2 * a * p.i - p.x;
                if (want_slope) {
                    slope[j] = 2 * a * di + p.i;
                }
                break;
            }
            finite = finite && std::isfinite(shape[j]);
        };
        // Before the key closes the quantity stands still. The coil's EMF jumps to −1 as it
        // closes: a point less than one step of the samples before, it is taken on its way (a
        // rise over one sample, as an instrument's finite rise shows it), so that the fit's sum
        // of squares does not jump as the closing passes a sample.
        const double jump = q == Quantity::EL ? -1 : before;
        std::size_t closed = 0;
        while (closed < t.size() && !(m.omega0 * (t[closed] - m.shift) >= 0)) {
            // The step of the samples here: to the next one, or from the one before the last
            // (none for a single point: no rise).
            const bool last = closed + 1 >= t.size();
            const std::size_t to = last ? closed : closed + 1;
            const std::size_t from = last && closed > 0 ? closed - 1 : closed;
            const double rise = t[to] - t[from];
            const double early = m.shift - t[closed]; // > 0
            const bool rising = jump != before && early < rise;
            shape[closed] = rising ? jump + (before - jump) * early / rise : before;
            if (want_slope) {
                slope[closed] = rising ? (jump - before) / (m.omega0 * rise) : 0;
            }
            ++closed;
        }
        const std::size_t count = t.size() - closed;
        const std::span<const double> after = t.subspan(closed);
        if (const auto step = uniform_step(after, m.omega0, rates); step && count > 1) {
            // Equal steps: the phases by the addition theorems, as the solution arrays have them.
            const double origin = m.omega0 * (after.front() - m.shift);
            const double dtau = m.omega0 * *step;
            PhaseSteps steps(rates, dtau, origin);
            for (std::size_t k0 = 0; k0 < count; k0 += PhaseSteps::block) {
                steps.start(k0);
                const std::size_t n = std::min(PhaseSteps::block, count - k0);
                for (std::size_t j = 0; j < n; ++j) {
                    const double tau = origin + static_cast<double>(k0 + j) * dtau;
                    put(closed + k0 + j, tau, steps.at(j));
                }
            }
        } else {
            for (std::size_t j = closed; j < t.size(); ++j) {
                const double tau = m.omega0 * (t[j] - m.shift);
                put(j, tau, free_phases(rates, tau));
            }
        }
    });
    return finite;
}

std::vector<double> free_response(Quantity q, const FreeMotion& m, double amplitude, double offset,
                                  std::span<const double> t) {
    std::vector<double> y(t.size());
    if (!free_shape(q, m, t, y)) {
        return {};
    }
    for (double& v : y) {
        v = offset + amplitude * v;
    }
    return y;
}

} // namespace ovrelan
