#include "solution/fit_start.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace ovrelan {

namespace {

// Points a start is scored on: a longer trace is averaged in groups down to about this many.
constexpr std::size_t scored_points = 2000;
// Points the search over damping ratios scores on.
constexpr std::size_t searched_points = 400;

using Trace = AveragedTrace;

double median(std::vector<double> v) {
    const auto middle = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), middle, v.end());
    return *middle;
}

// The noise of a trace sampled finely, from its second differences (a smooth signal has almost
// none): for white noise of deviation σ they have the deviation σ·√6.
double noise_of(std::span<const double> y) {
    if (y.size() < 3) {
        return 0;
    }
    double sum = 0;
    for (std::size_t k = 1; k + 1 < y.size(); ++k) {
        const double d2 = y[k + 1] - 2 * y[k] + y[k - 1];
        sum += d2 * d2;
    }
    return std::sqrt(sum / static_cast<double>(y.size() - 2) / 6);
}

// The times the trace crosses `level`, counted only when it swings beyond ±band on the other
// side, each between the two points around it.
std::vector<double> crossings(const Trace& r, std::size_t from, double level, double band) {
    std::vector<double> out;
    int side = 0;            // -1 below the band, +1 above, 0 not yet outside it
    double last_cross = NAN; // the latest time the trace passed the level
    for (std::size_t k = from; k < r.t.size(); ++k) {
        const double d = r.y[k] - level;
        if (k > from) {
            const double before = r.y[k - 1] - level;
            if ((before < 0) != (d < 0)) {
                const double f = before / (before - d);
                last_cross = r.t[k - 1] + f * (r.t[k] - r.t[k - 1]);
            }
        }
        const int now = d > band ? 1 : d < -band ? -1 : 0;
        if (now != 0 && now != side) {
            if (side != 0 && std::isfinite(last_cross)) {
                out.push_back(last_cross);
            }
            side = now;
        }
    }
    return out;
}

// δ and ω₀ from the swing: the period from the crossings, δ from the peaks' decay.
std::optional<FreeMotion> read_swing(const Trace& r, const std::vector<double>& cross, double level,
                                     double band) {
    if (cross.size() < 2) {
        return std::nullopt;
    }
    // An even number of half periods: a level a little off makes alternate halves longer and
    // shorter, and a whole period evens them out.
    std::size_t halves = cross.size() - 1;
    if (halves % 2 == 1 && halves > 1) {
        --halves;
    }
    const double period = 2 * (cross[halves] - cross[0]) / static_cast<double>(halves);
    if (!(period > 0)) {
        return std::nullopt;
    }
    const double swing = 2 * std::numbers::pi / period;
    // The peaks between crossings, well above the band.
    std::vector<double> pt;
    std::vector<double> lp;
    std::size_t k = 0;
    for (std::size_t c = 0; c + 1 < cross.size(); ++c) {
        double peak = 0;
        double when = 0;
        for (; k < r.t.size() && r.t[k] < cross[c + 1]; ++k) {
            if (r.t[k] > cross[c] && std::fabs(r.y[k] - level) > peak) {
                peak = std::fabs(r.y[k] - level);
                when = r.t[k];
            }
        }
        if (peak > 3 * band) {
            pt.push_back(when);
            lp.push_back(std::log(peak));
        }
    }
    double delta = 0.05 * swing;
    if (pt.size() >= 2) {
        // The slope of ln(peak) over time by least squares.
        double mt = 0;
        double ml = 0;
        for (std::size_t i = 0; i < pt.size(); ++i) {
            mt += pt[i];
            ml += lp[i];
        }
        mt /= static_cast<double>(pt.size());
        ml /= static_cast<double>(pt.size());
        double stl = 0;
        double stt = 0;
        for (std::size_t i = 0; i < pt.size(); ++i) {
            stl += (pt[i] - mt) * (lp[i] - ml);
            stt += (pt[i] - mt) * (pt[i] - mt);
        }
        if (stt > 0 && stl < 0) {
            delta = -stl / stt;
        } else if (stt > 0) {
            delta = 1e-3 * swing;
        }
    }
    return FreeMotion{delta, std::sqrt(swing * swing + delta * delta), 0};
}

// What a trace's start and end say: the noise of the averaged points, the range, the levels
// it starts and ends at, and the first averaged point that leaves the starting level by more
// than five noise deviations or `fraction` of the range.
struct Levels {
    double noise = 0;
    double range = 0;
    double start = 0;
    double end = 0;
    std::size_t head = 0;      // averaged points the starting level is the median of
    std::size_t departure = 0; // the first point off it (the last point when none is)
};

Levels levels_of(std::span<const double> t, std::span<const double> y, const AveragedTrace& r,
                 double fraction) {
    Levels l;
    const std::size_t n = r.t.size();
    const double group = static_cast<double>(t.size()) / static_cast<double>(n);
    l.noise = noise_of(y) / std::sqrt(group);
    const auto [low, high] = std::minmax_element(r.y.begin(), r.y.end());
    l.range = *high - *low;
    const std::size_t tail = std::max<std::size_t>(3, n / 20);
    l.end = median({r.y.end() - static_cast<std::ptrdiff_t>(std::min(tail, n)), r.y.end()});
    l.head = std::max<std::size_t>(3, n / 50);
    l.start = median({r.y.begin(), r.y.begin() + static_cast<std::ptrdiff_t>(std::min(l.head, n))});
    const double leave = std::max(5 * l.noise, fraction * l.range);
    while (l.departure < n && std::fabs(r.y[l.departure] - l.start) <= leave) {
        ++l.departure;
    }
    l.departure = std::min(l.departure, n - 1);
    return l;
}

} // namespace

AveragedTrace averaged_trace(std::span<const double> t, std::span<const double> y,
                             std::size_t points) {
    const std::size_t group = std::max<std::size_t>(1, (t.size() + points - 1) / points);
    AveragedTrace out;
    for (std::size_t k = 0; k < t.size(); k += group) {
        const std::size_t end = std::min(t.size(), k + group);
        double st = 0;
        double sy = 0;
        for (std::size_t j = k; j < end; ++j) {
            st += t[j];
            sy += y[j];
        }
        const auto count = static_cast<double>(end - k);
        out.t.push_back(st / count);
        out.y.push_back(sy / count);
    }
    return out;
}

std::optional<double> leaves_start(std::span<const double> t, std::span<const double> y) {
    if (t.size() < 4 || t.size() != y.size()) {
        return std::nullopt;
    }
    const AveragedTrace r = averaged_trace(t, y, scored_points);
    const Levels levels = levels_of(t, y, r, 0.01);
    if (!(levels.range > 0)) {
        return std::nullopt;
    }
    // The first raw point past the averaged one's group start that is off the level.
    const double leave =
        std::max(5 * levels.noise *
                     std::sqrt(static_cast<double>(t.size()) / static_cast<double>(r.t.size())),
                 0.01 * levels.range);
    const double from = levels.departure > 0 ? r.t[levels.departure - 1] : t.front();
    for (std::size_t k = 0; k < t.size(); ++k) {
        if (t[k] >= from && std::fabs(y[k] - levels.start) > leave) {
            return t[k];
        }
    }
    return r.t[levels.departure];
}

std::optional<StartGuess> best_linear(Quantity q, const FreeMotion& m, std::span<const double> t,
                                      std::span<const double> y) {
    std::vector<double> s(t.size());
    if (!free_shape(q, m, t, s)) {
        return std::nullopt;
    }
    const auto n = static_cast<double>(t.size());
    double ss = 0;
    double s2 = 0;
    double sy = 0;
    double ssy = 0;
    for (std::size_t j = 0; j < t.size(); ++j) {
        ss += s[j];
        s2 += s[j] * s[j];
        sy += y[j];
        ssy += s[j] * y[j];
    }
    const double spread = s2 - ss * ss / n; // n·variance of the shape
    if (!(spread > 1e-12 * s2) || !std::isfinite(spread)) {
        return std::nullopt;
    }
    const double amplitude = (ssy - ss * sy / n) / spread;
    const double offset = (sy - amplitude * ss) / n;
    double squares = 0;
    for (std::size_t j = 0; j < t.size(); ++j) {
        const double r = y[j] - offset - amplitude * s[j];
        squares += r * r;
    }
    return StartGuess{m, amplitude, offset, squares};
}

std::vector<StartGuess> start_guesses(Quantity q, std::span<const double> t,
                                      std::span<const double> y,
                                      const std::vector<FreeMotion>& hints,
                                      std::optional<double> fixed_shift,
                                      const MotionConstraint& constrain) {
    if (t.size() < 4 || !(t.back() > t.front())) {
        return {};
    }
    const Trace r = averaged_trace(t, y, scored_points);
    const Levels levels = levels_of(t, y, r, 0.05);
    if (!(levels.range > 0)) {
        return {};
    }
    const double noise = levels.noise;
    const double range = levels.range;
    const double end_level = levels.end;
    // A long flat stretch before the trace leaves its start is the time before the key closed.
    const std::size_t departure = levels.departure;
    const bool waits = departure >= levels.head;
    const double t_departure = r.t[departure];
    const double t_first = t.front();
    const double span = t.back() - (waits ? t_departure : t_first);

    std::vector<FreeMotion> motions;
    const double band = std::max(3 * noise, 0.03 * range);
    const std::vector<double> cross = crossings(r, waits ? departure : 0, end_level, band);
    if (const auto swing = read_swing(r, cross, end_level, band)) {
        motions.push_back(*swing);
    }
    if (cross.size() < 4 && span > 0) {
        // A search over damping ratios and the slow decay time, on fewer points.
        const Trace few = averaged_trace(r.t, r.y, searched_points);
        const double shift = waits ? t_departure : t_first;
        constexpr std::array ratios{0.3, 0.5, 0.7, 0.85, 1.0,  1.2, 1.5,
                                    2.0, 3.0, 5.0, 8.0,  13.0, 20.0};
        constexpr int rates = 24;
        // The best of each band of ratios: swinging, about critical, aperiodic, far aperiodic.
        // A noisy aperiodic trace fits almost as well far out along its valley (a pure
        // exponential and a later closing of the key), where its ω₀ is not determined: the fit
        // tries the next band then.
        constexpr std::array bands{0.9, 1.6, 6.0, 100.0};
        std::array<std::optional<StartGuess>, bands.size()> best;
        for (const double a : ratios) {
            auto& slot = best[static_cast<std::size_t>(
                std::upper_bound(bands.begin(), bands.end(), a) - bands.begin())];
            // The slow decay rate per ω₀: a below the critical ratio, a − √(a² − 1) above it.
            const double slow = a <= 1 ? a : 1 / (a + std::sqrt(a * a - 1));
            for (int k = 0; k < rates; ++k) {
                const double rate = (0.3 / span) * std::pow(300.0, k / (rates - 1.0));
                const double omega0 = rate / slow;
                const FreeMotion m = constrain({a * omega0, omega0, fixed_shift.value_or(shift)});
                const auto g = best_linear(q, m, few.t, few.y);
                if (g && (!slot || g->squares < slot->squares)) {
                    slot = g;
                }
            }
        }
        for (const auto& found : best) {
            if (found) {
                motions.push_back(found->motion);
            }
        }
    }
    motions.insert(motions.end(), hints.begin(), hints.end());

    // Each motion with the key's closing searched near where the trace leaves its start.
    std::vector<StartGuess> guesses;
    for (const FreeMotion& found : motions) {
        FreeMotion m = constrain(found);
        if (!(m.omega0 > 0) || !(m.delta >= 0)) {
            continue;
        }
        std::vector<double> shifts;
        if (fixed_shift) {
            shifts.push_back(*fixed_shift);
        } else {
            shifts.push_back(t_first);
            for (int j = 0; j <= 20; ++j) {
                const double s = t_departure - j * 0.1 / m.omega0;
                if (s >= t_first || waits) {
                    shifts.push_back(s);
                }
            }
        }
        std::optional<StartGuess> best;
        for (const double s : shifts) {
            m.shift = s;
            const auto g = best_linear(q, m, r.t, r.y);
            if (g && (!best || g->squares < best->squares)) {
                best = g;
            }
        }
        if (best) {
            guesses.push_back(*best);
        }
    }
    std::sort(guesses.begin(), guesses.end(),
              [](const StartGuess& a, const StartGuess& b) { return a.squares < b.squares; });
    return guesses;
}

} // namespace ovrelan
