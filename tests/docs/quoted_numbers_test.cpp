// The documents quote the program's numbers: every number they give for the circuit the program
// starts with (L = 2000 µH, C = 5000 µF, R = 0.020 Ω, Uo = 15 V, Em = 5 V, ν = 47 Hz, Nmax = 40),
// for the same circuit without its source, and for the few circuits made from it that the tasks
// ask for, is what the model computes. Each row names the document, a text that must stand in it
// word for word, the value the model gives for the last number of that text (in the text's
// units) and how far the text may be from it. A document edited without the model, or a model
// changed without its documents, fails here.
#include "chain/recompute.h"
#include "geometry/fit_summary.h"
#include "io/measured_data.h"
#include "model/circuit_kind.h"
#include "model/steady_state.h"
#include "model/sweep_values.h"
#include "solution/closed_form.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

std::string read(const std::string& name) {
    std::ifstream in(std::string(OVRELAN_SOURCE_DIR) + "/docs/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

struct Number {
    double value = 0;
    double unit = 1; // one unit of its last digit: 0.01 for "0,09", 1e-6 for "1,9872E-02"
};

// The last number in a text as the documents write numbers: a decimal comma or point, digits
// grouped by no-break spaces, an exponent (2,9531E+02), and a sign written as "−", "-" or "+"
// just before it. A dash between two numbers ("19,5–21,1") is no sign.
std::optional<Number> last_number(const std::string& text) {
    std::optional<Number> last;
    const std::string nbsp = "\u00A0";
    const std::string minus = "\u2212";
    std::size_t i = 0;
    while (i < text.size()) {
        if (!is_digit(text[i])) {
            ++i;
            continue;
        }
        double sign = 1;
        if (i >= minus.size() && text.compare(i - minus.size(), minus.size(), minus) == 0) {
            sign = -1;
        } else if (i >= 1 && text[i - 1] == '-') {
            sign = -1;
        }
        std::string number;
        int decimals = 0;
        bool fraction = false;
        int exponent = 0;
        while (i < text.size()) {
            if (is_digit(text[i])) {
                decimals += fraction ? 1 : 0;
                number += text[i++];
            } else if ((text[i] == ',' || text[i] == '.') && i + 1 < text.size() &&
                       is_digit(text[i + 1]) && !fraction) {
                fraction = true;
                number += '.';
                ++i;
            } else if (text.compare(i, nbsp.size(), nbsp) == 0 && i + nbsp.size() < text.size() &&
                       is_digit(text[i + nbsp.size()])) {
                i += nbsp.size();
            } else if (text[i] == 'E' && i + 2 < text.size() &&
                       (text[i + 1] == '+' || text[i + 1] == '-') && is_digit(text[i + 2])) {
                std::size_t end = i + 2;
                while (end < text.size() && is_digit(text[end])) {
                    ++end;
                }
                exponent = std::stoi(text.substr(i + 1, end - i - 1));
                number += text.substr(i, end - i);
                i = end;
                break;
            } else {
                break;
            }
        }
        last = Number{sign * std::stod(number), std::pow(10.0, exponent - decimals)};
    }
    return last;
}

// The circuits the documents speak of, computed once by the model as the program computes them.
struct Circuits {
    SimulationState start = testing::started_state();
    // The start-up circuit with ε = 0: free oscillations only.
    SimulationState free = testing::circuit({0.002, 0.005, 0.02, 15, 0, 47, 40});
    // «Контур без потерь (LC)» and the same with R = 0.1 Ω.
    SimulationState lc = testing::circuit({0.002, 0.005, 0, 15, 0, 0, 10});
    SimulationState lc_lossy = testing::circuit({0.002, 0.005, 0.1, 15, 0, 0, 10});
    // «Заряд конденсатора» at 50 Hz.
    SimulationState rc_50 = testing::circuit({0, 0.001, 10, 0, 5, 50, 5});
    SimulationState rc = testing::circuit({0, 0.001, 10, 0, 5, 0, 5});
    // The second worked example of «Обзор».
    SimulationState second = testing::circuit({0.002, 0.0005, 1, 0, 5, 100, 10});

    // The start-up circuit with Uo = 0 (the «Резонанс» example), at a frequency and a resistance.
    static SimulationState driven(double nu, double R = 0.02) {
        return testing::circuit({0.002, 0.005, R, 0, 5, nu, 60});
    }
    // «Установление тока в катушке (RL)» and «Заряд конденсатора» with other values.
    static SimulationState rl_with(double L, double R) {
        return testing::circuit({L, 0, R, 0, 5, 0, 5});
    }
    static SimulationState rc_with(double Uo, double nu, double Nmax = 5) {
        return testing::circuit({0, 0.001, 10, Uo, 5, nu, Nmax});
    }
    // A resistor alone at 50 Hz, with the Nmax left from «Резонанс».
    static const SimulationState& resistor_50() {
        static const SimulationState s = testing::circuit({0, 0, 10, 0, 5, 50, 60});
        return s;
    }
    // The «Критический режим» circuit with another resistance.
    static SimulationState critical_with(double R) {
        return testing::circuit({0.002, 0.0005, R, 15, 0, 0, 3});
    }
};

const Circuits& circuits() {
    static const Circuits c;
    return c;
}

double seconds(const SimulationState& s, std::size_t k) {
    return s.t_grid[k] * s.t_scale;
}

double Uc(const SimulationState& s, std::size_t k) {
    return s.Uc_t[k] * s.Uc_scale;
}

// The resonance curve of the start-up circuit and its steady state at 47 Hz, as the windows
// «Резонансная кривая» and «Векторная диаграмма» show them.
const ResonanceCurve& start_resonance() {
    static const ResonanceCurve curve = resonance_curve(circuits().start);
    return curve;
}
const SteadyState& start_steady() {
    static const SteadyState steady = *steady_state(circuits().start);
    return steady;
}

// The grid points where Uc has a peak, after the first point.
std::vector<std::size_t> peaks(const SimulationState& s) {
    std::vector<std::size_t> found;
    for (std::size_t k = 1; k + 1 < s.Uc_t.size(); ++k) {
        if (s.Uc_t[k] > s.Uc_t[k - 1] && s.Uc_t[k] >= s.Uc_t[k + 1]) {
            found.push_back(k);
        }
    }
    return found;
}

// What the markers show on two peaks: the time between them and the logarithm of their ratio.
double marker_ms(const SimulationState& s, std::size_t a, std::size_t b) {
    return (seconds(s, b) - seconds(s, a)) * 1e3;
}
double marker_ln(const SimulationState& s, std::size_t a, std::size_t b) {
    return std::log(s.Uc_t[b] / s.Uc_t[a]);
}
// The decrement the read-out measures on the first peak and the n-th after it: ln(A/B)/n.
double measured_theta(std::size_t n) {
    const SimulationState& s = circuits().free;
    return -marker_ln(s, peaks(s)[0], peaks(s)[n]) / static_cast<double>(n);
}

// Neighbouring peaks in the first 0.2 s: the least or greatest time between them (ms) or
// logarithm of their ratio.
double start_peaks(bool times, bool greatest) {
    const SimulationState& s = circuits().start;
    std::vector<double> values;
    const std::vector<std::size_t> p = peaks(s);
    for (std::size_t i = 0; i + 1 < p.size() && seconds(s, p[i + 1]) <= 0.2; ++i) {
        values.push_back(times ? marker_ms(s, p[i], p[i + 1]) : marker_ln(s, p[i], p[i + 1]));
    }
    return greatest ? *std::max_element(values.begin(), values.end())
                    : *std::min_element(values.begin(), values.end());
}

// The steady forced motion of an R-L-C circuit: amplitudes of Uc (V) and I (A), and the phase
// of the current ahead of the EMF (degrees).
double forced_Uc(const SimulationState& s) {
    return s.Uc_scale * std::hypot(s.Acos, s.Asin);
}
double forced_I(const SimulationState& s) {
    return s.I_scale * s.b * std::hypot(s.Acos, s.Asin);
}
double current_lead_degrees(const SimulationState& s) {
    return std::atan2(-s.Acos, -s.Asin) * 180 / pi;
}

double greatest_abs_Uc(const SimulationState& s) {
    double m = 0;
    for (std::size_t k = 0; k < s.Uc_t.size(); ++k) {
        m = std::max(m, std::fabs(Uc(s, k)));
    }
    return m;
}

double I(const SimulationState& s, std::size_t k) {
    return s.I_t[k] * s.I_scale;
}
double EL(const SimulationState& s, std::size_t k) {
    return s.UL_t[k] * s.UL_scale;
}
double span_ms(const SimulationState& s) {
    return s.t_span * s.t_scale * 1e3;
}
// Of an R-C circuit on an alternating source: what is left of the transient at the last point
// (V), and the amplitude over the last period of the source (V).
double rc_transient_left(const SimulationState& s) {
    return (s.Uo + s.Em * s.a * s.a) * std::exp(-seconds(s, s.Uc_t.size() - 1) / (s.R * s.C));
}
double last_period_amplitude(const SimulationState& s) {
    double low = 0;
    double high = 0;
    const double from = seconds(s, s.Uc_t.size() - 1) - 1 / s.nu;
    for (std::size_t k = 0; k < s.Uc_t.size(); ++k) {
        if (seconds(s, k) >= from) {
            low = std::min(low, Uc(s, k));
            high = std::max(high, Uc(s, k));
        }
    }
    return (high - low) / 2;
}

// The greatest |Uc| of the exact solution between the grid points as well (V).
double greatest_abs_Uc_between_points(const SimulationState& s) {
    double m = 0;
    constexpr int steps = 64;
    for (std::size_t k = 0; k + 1 < s.t_grid.size(); ++k) {
        for (int j = 0; j < steps; ++j) {
            const double tau = s.t_grid[k] + (s.t_grid[k + 1] - s.t_grid[k]) * j / steps;
            m = std::max(m, std::fabs(Uc_of_t(s, tau)) * s.Uc_scale);
        }
    }
    return m;
}

// How long before the current's last maximum the last maximum of Uc comes (ms), on the grid.
double Uc_lead_ms(const SimulationState& s) {
    const auto last_peak = [&s](const std::vector<double>& v) {
        std::size_t best = 0;
        for (std::size_t k = 1; k + 1 < v.size(); ++k) {
            if (v[k] > v[k - 1] && v[k] >= v[k + 1]) {
                best = k;
            }
        }
        return seconds(s, best);
    };
    return (last_peak(s.I_t) - last_peak(s.Uc_t)) * 1e3;
}

// Of a curve that is still settling: the greatest maximum of Uc and the last one (V).
double last_Uc_maximum(const SimulationState& s) {
    double last = 0;
    for (std::size_t k = 1; k + 1 < s.Uc_t.size(); ++k) {
        if (s.Uc_t[k] > s.Uc_t[k - 1] && s.Uc_t[k] >= s.Uc_t[k + 1]) {
            last = Uc(s, k);
        }
    }
    return last;
}
double greatest_Uc(const SimulationState& s) {
    double m = 0;
    for (std::size_t k = 0; k < s.Uc_t.size(); ++k) {
        m = std::max(m, Uc(s, k));
    }
    return m;
}

// A number as a window shows it: rounded to `decimals` digits after the point.
double shown(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

double least_Uc(const SimulationState& s) {
    double m = 0;
    for (std::size_t k = 0; k < s.Uc_t.size(); ++k) {
        m = std::min(m, Uc(s, k));
    }
    return m;
}
double last_Uc(const SimulationState& s) {
    return Uc(s, s.Uc_t.size() - 1);
}
double last_I(const SimulationState& s) {
    return s.I_t.back() * s.I_scale;
}
double Ur(const SimulationState& s, std::size_t k) {
    return static_cast<double>(s.Ur_t[k]) * s.Ur_scale;
}
// The textbook quality of a series circuit, (1/R)·√(L/C).
double textbook_Q(const SimulationState& s) {
    return std::sqrt(s.L / s.C) / s.R;
}

double greatest_abs_I(const SimulationState& s) {
    double m = 0;
    for (const double i : s.I_t) {
        m = std::max(m, std::fabs(i * s.I_scale));
    }
    return m;
}

// The greatest energy of the capacitor, C·Uc²/2, and of the coil, L·I²/2 (J), as the energy graph
// shows them apart.
double greatest_capacitor_energy(const SimulationState& s) {
    double m = 0;
    for (const double u : s.Uc_t) {
        m = std::max(m, s.C * (u * s.Uc_scale) * (u * s.Uc_scale) / 2);
    }
    return m;
}
double greatest_coil_energy(const SimulationState& s) {
    double m = 0;
    for (const double i : s.I_t) {
        m = std::max(m, s.L * (i * s.I_scale) * (i * s.I_scale) / 2);
    }
    return m;
}

// The first peak of |Uc| after the start, and the greatest one: index.
std::size_t first_swing(const SimulationState& s) {
    for (std::size_t k = 1; k + 1 < s.Uc_t.size(); ++k) {
        if (std::fabs(s.Uc_t[k]) > std::fabs(s.Uc_t[k - 1]) &&
            std::fabs(s.Uc_t[k]) >= std::fabs(s.Uc_t[k + 1])) {
            return k;
        }
    }
    return 0;
}
std::size_t greatest_swing(const SimulationState& s) {
    std::size_t best = 0;
    for (std::size_t k = 0; k < s.Uc_t.size(); ++k) {
        if (std::fabs(s.Uc_t[k]) > std::fabs(s.Uc_t[best])) {
            best = k;
        }
    }
    return best;
}

// Beats of the lossless circuit at a source frequency: time between bursts (s) and the greatest
// amplitude (V).
double beat_period(double nu) {
    const double wo = circuits().start.wo;
    return two_pi / (wo - two_pi * nu);
}
double beat_amplitude(double nu) {
    const double b = two_pi * nu / circuits().start.wo;
    return 2 * circuits().start.Em / (1 - b * b);
}

struct Quote {
    const char* document;
    const char* text;
    std::function<double()> value;
    double tolerance;
};

void PrintTo(const Quote& q, std::ostream* os) {
    *os << q.document << ": «" << q.text << "»";
}

const Circuits& c() {
    return circuits();
}

// The shipped oscillogram uc_noisy.csv as the window reads it, fitted with C = 5000 µF from its
// field, and the circuit «Принять» makes of it.
struct ExampleFit {
    MeasuredSeries series;
    FitResult fit;
    SimulationState accepted;
    double value(const char* key) const { return fit.value(key)->value; }
    double error(const char* key) const { return fit.value(key)->error; }
};

const ExampleFit& example_fit() {
    static const ExampleFit fitted = [] {
        ExampleFit e;
        const auto text = std::get<MeasuredText>(
            open_measured_file(std::string(OVRELAN_SOURCE_DIR) + "/docs/data/uc_noisy.csv"));
        const auto preview = std::get<MeasuredPreview>(inspect_measured(text));
        e.series = std::get<MeasuredSeries>(read_measured(text, preview.guess));
        FitRequest request;
        request.traces.push_back({e.series.quantity, e.series.time, e.series.values});
        request.C = c().start.C;
        request.circuit = c().start;
        e.fit = fit_measured(request);
        const std::array<std::string, 7> texts{"2000", "5000", "0.02", "15", "5", "47", "40"};
        const auto accepted = accepted_fit(e.fit, c().start, texts, ',');
        e.accepted = testing::circuit(accepted->values);
        return e;
    }();
    return fitted;
}

const std::vector<Quote>& quotes() {
    // clang-format off
    static const std::vector<Quote> table{
        // «Обзор»
        {"spravka.md", "то есть 295,31", [] { return c().start.w; }, 0.005},
        {"spravka.md", "Здесь Uc_norm = 15\u00A0В", [] { return c().start.Uc_scale; }, 0.5},
        {"spravka.md", "Tnorm = 1/ω₀ ≈ 3,162\u00A0мс", [] { return c().start.t_scale * 1e3; }, 0.0005},
        {"spravka.md", "6,283 · 3,162\u00A0мс ≈ 19,87\u00A0мс", [] { return c().start.To * 1e3; }, 0.005},
        {"spravka.md", "оба дают 31,62", [] { return c().start.Q; }, 0.005},
        {"spravka.md", "оба дают 31,62", [] { return c().start.wo / 2 / c().start.d; }, 0.005},
        {"spravka.md", "предыдущего, и в e раз амплитуда уменьшается только за 1/Θ ≈ 10",
         [] { return 1 / c().start.theta; }, 0.5},
        {"spravka.md", "лишь в e<sup>Θ</sup> ≈ 1,104", [] { return std::exp(c().start.theta); }, 0.0005},
        {"spravka.md", "близка к резонансной Vr = 50,32", [] { return c().start.Vr; }, 0.005},
        {"spravka.md", "их установившаяся амплитуда — 38,1", [] { return forced_Uc(c().start); }, 0.05},
        {"spravka.md", "в 7,6 раза больше Em", [] { return forced_Uc(c().start) / c().start.Em; }, 0.05},
        {"spravka.md", "в расчётных точках — 64,52", [] { return greatest_abs_Uc(c().start); }, 0.005},
        {"spravka.md", "в момент 129,15", [] { return seconds(c().start, greatest_swing(c().start)) * 1e3; }, 0.005},
        {"spravka.md", "(Uc = −64,52", [] { return Uc(c().start, greatest_swing(c().start)); }, 0.005},
        {"spravka.md", "точное решение поднимается до 64,60", [] { return greatest_abs_Uc_between_points(c().start); }, 0.005},
        {"spravka.md", "первые 0,2\u00A0с идут через 19,5", [] { return start_peaks(true, false); }, 0.05},
        {"spravka.md", "19,5–21,1\u00A0мс", [] { return start_peaks(true, true); }, 0.05},
        {"spravka.md", "меняется от +0,47", [] { return start_peaks(false, true); }, 0.005},
        {"spravka.md", "+0,47 до −0,09", [] { return start_peaks(false, false); }, 0.005},
        {"spravka.md", "отстоят ровно на 19,87", [] { return marker_ms(c().free, peaks(c().free)[0], peaks(c().free)[1]); }, 0.005},
        {"spravka.md", "логарифм их отношения равен −0,0994", [] { return marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[1]); }, 0.00005},
        // «Обзор», the second worked example
        {"spravka.md", "Индуктивное сопротивление ω·L = 1,257", [] { return c().second.w * c().second.L; }, 0.0005},
        {"spravka.md", "ёмкостное 1/(ω·C) = 3,183", [] { return 1 / (c().second.w * c().second.C); }, 0.0005},
        {"spravka.md", "Z = √(R² + (ω·L − 1/(ω·C))²) = 2,171", [] { return c().second.Em / forced_I(c().second); }, 0.0005},
        {"spravka.md", "Амплитуда тока Im = Em/Z = 2,30", [] { return forced_I(c().second); }, 0.005},
        {"spravka.md", "Im/(ω·C) = 7,33", [] { return forced_Uc(c().second); }, 0.005},
        {"spravka.md", "в 1,47 раза больше Em", [] { return forced_Uc(c().second) / c().second.Em; }, 0.005},
        {"spravka.md", "ток опережает ЭДС на 62,6", [] { return current_lead_degrees(c().second); }, 0.05},
        {"spravka.md", "в e<sup>Θ</sup> ≈ 5,06", [] { return std::exp(c().second.theta); }, 0.005},
        {"spravka.md", "за время 1/δ = 4", [] { return 1e3 / c().second.d; }, 0.005},
        {"spravka.md", "(e<sup>−5</sup> ≈ 0,0067", [] { return std::exp(-c().second.d * 0.020); }, 0.00005},
        {"spravka.md", "амплитуда Uc 7,33", [] { return forced_Uc(c().second); }, 0.005},
        {"spravka.md", "амплитуда I 2,30", [] { return forced_I(c().second); }, 0.005},
        {"spravka.md", "до −4,68", [] { return Uc(c().second, first_swing(c().second)); }, 0.005},
        {"spravka.md", "до −4,68\u00A0В через 2,4", [] { return seconds(c().second, first_swing(c().second)) * 1e3; }, 0.05},
        {"spravka.md", "наибольшее значение, 8,17", [] { return Uc(c().second, greatest_swing(c().second)); }, 0.005},
        {"spravka.md", "приходится на момент 6,15", [] { return seconds(c().second, greatest_swing(c().second)) * 1e3; }, 0.005},
        {"spravka.md", "включить частоту 50\u00A0Гц — Tx = 19,06", [] { return c().rc_50.Tx * 1e3; }, 0.005},
        // the sign of Uc: on the graphs it leads the current by a quarter of the source's period
        {"spravka.md", "каждый максимум Uc приходится на 2,5", [] { return Uc_lead_ms(c().second); }, 0.05},
        {"spravka.md", "каждый максимум Uc приходится на 2,5", [] { return 1e3 / c().second.nu / 4; }, 0.05},

        // «Управление»
        {"uprav.md", "при Nmax = 100000: «Слишком много точек расчёта (4\u00A0800\u00A0001", [] { return std::floor(two_pi * 100000 / c().start.dt) + 1; }, 0.5},
        {"uprav.md", "При этих значениях Nmax не больше 20833", [] {
             SimulationScalars s = c().start;
             s.Nmax = 100000;
             return std::floor(largest_fitting_Nmax(s));
         }, 0.5},
        {"uprav.md", "«Поле Nmax: оставлено 40»", [] { return c().start.Nmax; }, 0.5},
        {"uprav.md", "подпись «R = 1,265", [] { return *critical_resistance(c().start); }, 0.0005},
        {"uprav.md", "Uc_V[R=0.6325", [] { return *critical_resistance(c().start) / 2; }, 0.00005},
        {"uprav.md", "Uc_V[R=2.53", [] { return *critical_resistance(c().start) * 2; }, 0.005},
        {"uprav.md", "а τ = 12,57", [] { return c().free.t_grid[peaks(c().free)[1]]; }, 0.005},
        {"uprav.md", "12,57 × 3,162\u00A0мс ≈ 39,7", [] { return seconds(c().free, peaks(c().free)[1]) * 1e3; }, 0.05},
        {"uprav.md", "Tnorm = 1/ω₀ ≈ 3,162", [] { return c().start.t_scale * 1e3; }, 0.0005},
        {"uprav.md", "«t = 39,74", [] { return seconds(c().free, peaks(c().free)[1]) * 1e3; }, 0.005},
        {"uprav.md", "(τ = 12,6", [] { return c().free.t_grid[peaks(c().free)[1]]; }, 0.05},
        {"uprav.md", "Uc = 12,3", [] { return Uc(c().free, peaks(c().free)[1]); }, 0.05},
        {"uprav.md", "Uc = 12,3\u00A0В (0,820", [] { return c().free.Uc_t[peaks(c().free)[1]]; }, 0.0005},
        {"uprav.md", "«Δt = 19,87", [] { return marker_ms(c().free, peaks(c().free)[0], peaks(c().free)[1]); }, 0.005},
        {"uprav.md", "U_A = 13,58", [] { return Uc(c().free, peaks(c().free)[0]); }, 0.005},
        {"uprav.md", "U_B = 12,3", [] { return Uc(c().free, peaks(c().free)[1]); }, 0.05},
        {"uprav.md", "U_B/U_A = 0,905", [] { return std::exp(marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[1])); }, 0.0005},
        {"uprav.md", "U_B/U_A = 0,905; ln = −0,0994", [] { return marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[1]); }, 0.00005},
        {"uprav.md", "ln = −0,0994; Θ = 0,0994", [] { return measured_theta(1); }, 0.00005},
        {"uprav.md", "ln = −0,0994; Θ = 0,0994 (на панели 0,0994)»", [] { return c().start.theta; }, 0.00005},
        {"uprav.md", "а за ними — «Θ = 0,0994", [] { return measured_theta(1); }, 0.00005},
        {"uprav.md", "а за ними — «Θ = 0,0994 (на панели 0,0994)»", [] { return c().start.theta; }, 0.00005},
        {"uprav.md", "«ln = −0,994", [] { return marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[10]); }, 0.0005},
        {"uprav.md", "«ln = −0,994; Θ = 0,0994", [] { return measured_theta(10); }, 0.00005},
        {"uprav.md", "«ln = −0,994; Θ = 0,0994 (на панели 0,0994)»", [] { return c().start.theta; }, 0.00005},
        {"uprav.md", "Программа покажет Δt = 19,87", [] { return marker_ms(c().free, peaks(c().free)[0], peaks(c().free)[1]); }, 0.005},
        {"uprav.md", "мс и ln = −0,0994", [] { return marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[1]); }, 0.00005},
        {"uprav.md", "«T= 1,9872E-02", [] { return c().start.T; }, 0.0000005},
        {"uprav.md", "«Θ= 9,9358E-02", [] { return c().start.theta; }, 0.0000005},
        {"uprav.md", "первые 0,2\u00A0с отстоят друг от друга на 19,5", [] { return start_peaks(true, false); }, 0.05},
        {"uprav.md", "19,5–21,1\u00A0мс", [] { return start_peaks(true, true); }, 0.05},
        {"uprav.md", "ln меняется от +0,47", [] { return start_peaks(false, true); }, 0.005},
        {"uprav.md", "+0,47 до −0,09", [] { return start_peaks(false, false); }, 0.005},
        {"uprav.md", "через 10 периодов: Δt = 198,7", [] { return marker_ms(c().free, peaks(c().free)[0], peaks(c().free)[10]); }, 0.05},
        {"uprav.md", "Δt = 198,7\u00A0мс и ln = −0,994", [] { return marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[10]); }, 0.0005},
        {"uprav.md", "равна резонансной (50,32", [] { return c().start.Vr; }, 0.005},
        {"uprav.md", "примерно в Q ≈ 32", [] { return c().start.Q; }, 0.5},
        {"uprav.md", "единицей станет Tx = 19,06", [] { return c().rc_50.Tx * 1e3; }, 0.005},
        {"uprav.md", "и Nmax = 5 — это 95,3", [] { return c().rc_50.t_span * c().rc_50.t_scale * 1e3; }, 0.05},
        {"uprav.md", "единица Nmax — 40", [] { return c().rc.t_span * c().rc.t_scale / c().rc.Nmax * 1e3; }, 0.5},
        // stepping R across the critical resistance
        {"uprav.md", "критическое сопротивление Rк = 1,265", [] { return c().start.Rk; }, 0.0005},
        // the windows «Резонансная кривая» and «Векторная диаграмма» for the start-up circuit
        {"uprav.md", "«ν₀ = 50,33", [] { return start_resonance().nu0; }, 0.005},
        {"uprav.md", "«ν₀ = 50,33\u00A0Гц   Vr = 50,32", [] { return start_resonance().nu_C; }, 0.005},
        {"uprav.md", "Vr = 50,32\u00A0Гц   ν = 47", [] { return c().start.nu; }, 0.5},
        {"uprav.md", "ν = 47\u00A0Гц: Im = 56,23", [] { return start_steady().I_m; }, 0.005},
        {"uprav.md", "Im = 56,23\u00A0А, φ = −77,0°»", [] { return start_steady().phi * 180 / pi; }, 0.05},
        {"uprav.md", "(Im ≥ Im,max/√2): 49,54", [] { return start_resonance().band_low; }, 0.005},
        {"uprav.md", "(Im ≥ Im,max/√2): 49,54\u00A0Гц … 51,13", [] { return start_resonance().band_high; }, 0.005},
        {"uprav.md", "51,13\u00A0Гц, Δν = R/(2πL) = 1,592", [] { return start_resonance().width; }, 0.0005},
        {"uprav.md", "1,592\u00A0Гц, Q = ν₀/Δν = 31,6", [] { return start_resonance().Q; }, 0.05},
        {"uprav.md", "«φ = −77,0° (ток опережает ЭДС: цепь ёмкостная)", [] { return start_steady().phi * 180 / pi; }, 0.05},
        {"uprav.md", "и амплитуды Ur = 1,125", [] { return start_steady().U_Rm; }, 0.0005},
        {"uprav.md", "Ur = 1,125\u00A0В, UL = 33,21", [] { return start_steady().U_Lm; }, 0.005},
        {"uprav.md", "UL = 33,21\u00A0В, Uc = 38,08", [] { return start_steady().U_Cm; }, 0.005},
        {"uprav.md", "Uc = 38,08\u00A0В, ε = 5", [] { return c().start.Em; }, 0.5},
        {"uprav.md", "ε = 5\u00A0В, I = 56,23", [] { return start_steady().I_m; }, 0.005},
        {"uprav.md", "а не их длины: 1,125", [] { return start_steady().U_Rm; }, 0.0005},
        {"uprav.md", "а не их длины: 1,125 + 33,21", [] { return start_steady().U_Lm; }, 0.005},
        {"uprav.md", "а не их длины: 1,125 + 33,21 + 38,08", [] { return start_steady().U_Cm; }, 0.005},
        {"uprav.md", "а не их длины: 1,125 + 33,21 + 38,08\u00A0В — это не 5", [] { return c().start.Em; }, 0.5},
        {"uprav.md", "(у стартовой цепи в таблице 2505", [] { return static_cast<double>(start_resonance().points.size()); }, 0.5},
        // the title of a picture of the start-up circuit
        {"uprav.md", "напряжение на конденсаторе. L = 2000", [] { return c().start.L * 1e6; }, 0.5},
        {"uprav.md", "L = 2000\u00A0мкГн, C = 5000", [] { return c().start.C * 1e6; }, 0.5},
        {"uprav.md", "C = 5000\u00A0мкФ, R = 0,02", [] { return c().start.R; }, 0.005},
        {"uprav.md", "R = 0,02\u00A0Ом, Uo = 15", [] { return c().start.Uo; }, 0.5},
        {"uprav.md", "Uo = 15\u00A0В, ε = 5", [] { return c().start.Em; }, 0.5},
        {"uprav.md", "ε = 5\u00A0В, ν = 47", [] { return c().start.nu; }, 0.5},

        // the measured example fitted and accepted
        {"uprav.md", "при C = 5000\u00A0мкФ окно показывает δ = 49,98", [] { return example_fit().value("delta"); }, 0.005},
        {"uprav.md", "ω₀ = 316,3\u00A0рад/с, R = 0,1998", [] { return example_fit().value("R"); }, 0.00005},
        {"uprav.md", "окно показывает δ = 49,98\u00A01/с, ω₀ = 316,3", [] { return example_fit().value("omega0"); }, 0.05},
        {"uprav.md", "R = 0,1998\u00A0Ом ± 0,00015", [] { return example_fit().error("R"); }, 0.000005},
        {"uprav.md", "Ом, L = 1999", [] { return example_fit().value("L") * 1e6; }, 0.5},
        {"uprav.md", "L = 1999\u00A0мкГн ± 0,65", [] { return example_fit().error("L") * 1e6; }, 0.005},
        {"uprav.md", "мкГн, T = 20,12", [] { return example_fit().value("T") * 1e3; }, 0.005},
        {"uprav.md", "амплитуду 10", [] { return example_fit().fit.traces[0].amplitude.value; }, 0.5},
        {"uprav.md", "и смещение 0,148", [] { return example_fit().fit.traces[0].offset.value; }, 0.0005},
        {"uprav.md", "«Остаток (СКО): 49,21", [] { return example_fit().fit.traces[0].rms * 1e3; }, 0.005},
        {"uprav.md", "мВ на 2000", [] { return static_cast<double>(example_fit().series.time.size()); }, 0.5},
        {"uprav.md", "окна подбора: Q = 3,125", [] { return example_fit().value("Q"); }, 0.0005},
        {"uprav.md", "Q = 3,125 ± 0,0024", [] { return example_fit().error("Q"); }, 0.00005},
        {"uprav.md", "«Q= 3,1249", [] { return example_fit().accepted.Q; }, 0.00005},
        {"uprav.md", "Q = ω₀L/R = 316,3", [] { return example_fit().accepted.wo; }, 0.05},
        {"uprav.md", "Q = ω₀L/R = 316,3 · 0,001999", [] { return example_fit().accepted.L; }, 0.0000005},
        {"uprav.md", "Q = ω₀L/R = 316,3 · 0,001999/0,1998", [] { return example_fit().accepted.R; }, 0.00005},
        {"uprav.md", "0,001999/0,1998 ≈ 3,165", [] { const SimulationState& s = example_fit().accepted; return s.wo * s.L / s.R; }, 0.0005},
        {"uprav.md", "≈ 3,165 — больше на 1", [] { const SimulationState& s = example_fit().accepted; return 100 * (s.wo * s.L / s.R / s.Q - 1); }, 0.5},

        // «Контур»
        {"kontur.md", "Здесь ω₀ = 316,23", [] { return c().lc.wo; }, 0.005},
        {"kontur.md", "To = 19,87\u00A0мс, а наибольший ток", [] { return c().lc.To * 1e3; }, 0.005},
        {"kontur.md", "≈ 23,72\u00A0А", [] { return greatest_abs_I(c().lc); }, 0.005},
        {"kontur.md", "Его Θ ≈ 0,099", [] { return c().start.theta; }, 0.0005},
        {"kontur.md", "примерно в e раз: с 15", [] { return Uc(c().free, 0); }, 0.5},
        {"kontur.md", "с 15\u00A0В в момент замыкания до 5,55", [] { return Uc(c().free, 480); }, 0.005},
        {"kontur.md", "до 5,55\u00A0В через 10", [] { return seconds(c().free, 480) / c().free.To; }, 0.5},
        {"kontur.md", "Добротность здесь около 31,6", [] { return c().start.Q; }, 0.05},
        {"kontur.md", "амплитуда вырастает почти до 158", [] { return forced_Uc(Circuits::driven(50.32)); }, 0.5},
        {"kontur.md", "несколько времён 1/δ = 0,2", [] { return 1 / c().start.d; }, 0.005},
        {"kontur.md", "собственная частота ν₀ = ω₀/(2π) = 50,33", [] { return c().start.wo / two_pi; }, 0.005},
        {"kontur.md", "наибольший ток Em/R = 250", [] { return forced_I(Circuits::driven(c().start.wo / two_pi)); }, 0.5},
        {"kontur.md", "а Δω = 10", [] { return 2 * c().start.d; }, 0.5},
        {"kontur.md", "а Δω = 10", [] { return c().start.wo / (c().start.wo / 2 / c().start.d); }, 0.5},
        {"kontur.md", "то есть 1,59", [] { return 2 * c().start.d / two_pi; }, 0.005},
        {"kontur.md", "Края полосы — 49,54", [] { return start_resonance().band_low; }, 0.005},
        {"kontur.md", "Края полосы — 49,54 и 51,13", [] { return start_resonance().band_high; }, 0.005},
        {"kontur.md", "(ν₀ − 0,79", [] { return start_resonance().nu0 - start_resonance().band_low; }, 0.005},
        {"kontur.md", "ν₀ + 0,80", [] { return start_resonance().band_high - start_resonance().nu0; }, 0.005},
        {"kontur.md", "установившийся ток равен 250", [] { return c().start.Em / c().start.R; }, 0.5},
        {"kontur.md", "установившийся ток равен 250/√2 ≈ 176,8", [] { return forced_I(Circuits::driven(start_resonance().band_low)); }, 0.05},
        {"kontur.md", "установившийся ток равен 250/√2 ≈ 176,8", [] { return forced_I(Circuits::driven(start_resonance().band_high)); }, 0.05},
        {"kontur.md", "установившийся ток равен 250/√2 ≈ 176,8", [] { return forced_I(Circuits::driven(c().start.wo / two_pi)) / std::sqrt(2.0); }, 0.05},
        {"kontur.md", "при Vr = 50,32\u00A0Гц, а при", [] { return c().start.Vr; }, 0.005},
        {"kontur.md", "с 2π = 6,283185307", [] { return two_pi; }, 0.0},
        {"kontur.md", "это 50,329212104487034", [] { return start_resonance().nu0; }, 5e-16},
        {"kontur.md", "нужна частота ω₀/6,283185307 = 50,32921210592554", [] { return c().start.wo / two_pi; }, 5e-15},
        {"kontur.md", "(1\u00A0Гн и 1\u00A0Ф, ω₀ = 1", [] { return testing::circuit({1, 1, 0, 0, 5, 0.1, 40}).wo; }, 0.5},
        {"kontur.md", "и ν = 0,15915494309644432", [] { return 1 / two_pi; }, 5e-18},
        {"kontur.md", "меньше: 158,11", [] { return forced_Uc(Circuits::driven(c().start.wo / two_pi)); }, 0.005},
        {"kontur.md", "158,11\u00A0В против 158,13", [] { return forced_Uc(Circuits::driven(c().start.Vr)); }, 0.005},
        // the worked example: Q from the resonance curve, the formula and the decay
        {"kontur.md", "собственную частоту ν₀ = 50,33", [] { return start_resonance().nu0; }, 0.005},
        {"kontur.md", "полоса пропускания — от 49,54", [] { return start_resonance().band_low; }, 0.005},
        {"kontur.md", "от 49,54 до 51,13", [] { return start_resonance().band_high; }, 0.005},
        {"kontur.md", "Δν = 51,13 − 49,54 ≈ 1,59", [] { return start_resonance().band_high - start_resonance().band_low; }, 0.005},
        {"kontur.md", "Δν = R/(2πL) = 0,02/(2π · 0,002) = 1,592", [] { return start_resonance().width; }, 0.0005},
        {"kontur.md", "из округлённых чисел окна не получить: 50,33", [] { return start_resonance().nu0; }, 0.005},
        {"kontur.md", "не получить: 50,33/1,592", [] { return start_resonance().width; }, 0.0005},
        {"kontur.md", "не получить: 50,33/1,592 = 31,61", [] { return shown(start_resonance().nu0, 2) / shown(start_resonance().width, 3); }, 0.005},
        {"kontur.md", "по краям полосы 50,33", [] { return start_resonance().nu0; }, 0.005},
        {"kontur.md", "по краям полосы 50,33/(51,13", [] { return start_resonance().band_high; }, 0.005},
        {"kontur.md", "по краям полосы 50,33/(51,13 − 49,54", [] { return start_resonance().band_low; }, 0.005},
        {"kontur.md", "по краям полосы 50,33/(51,13 − 49,54) = 31,65", [] {
             const ResonanceCurve& r = start_resonance();
             return shown(r.nu0, 2) / (shown(r.band_high, 2) - shown(r.band_low, 2));
         }, 0.005},
        {"kontur.md", "Q = ν₀/Δν = 50,3292", [] { return start_resonance().nu0; }, 0.00005},
        {"kontur.md", "Q = ν₀/Δν = 50,3292/1,59155", [] { return start_resonance().width; }, 0.000005},
        {"kontur.md", "Q = ν₀/Δν = 50,3292/1,59155 = 31,623", [] { return start_resonance().Q; }, 0.0005},
        {"kontur.md", "«Q = ν₀/Δν = 31,6»", [] { return start_resonance().Q; }, 0.05},
        {"kontur.md", "почти симметрично, на 0,79", [] { return start_resonance().nu0 - start_resonance().band_low; }, 0.005},
        {"kontur.md", "на 0,79 и 0,80", [] { return start_resonance().band_high - start_resonance().nu0; }, 0.005},
        {"kontur.md", "Q = ω₀L/R = 316,23", [] { return c().start.wo; }, 0.005},
        {"kontur.md", "Q = ω₀L/R = 316,23 · 0,002/0,02 = 31,62", [] { return c().start.wo * c().start.L / c().start.R; }, 0.005},
        {"kontur.md", "«Δt = 198,7", [] { return marker_ms(c().free, peaks(c().free)[0], peaks(c().free)[10]); }, 0.05},
        {"kontur.md", "…; ln = −0,994", [] { return marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[10]); }, 0.0005},
        {"kontur.md", "ln = −0,994; Θ = 0,0994", [] { return measured_theta(10); }, 0.00005},
        {"kontur.md", "Θ = 0,0994 (на панели 0,0994)»", [] { return c().start.theta; }, 0.00005},
        {"kontur.md", "Q = π/Θ = π/0,0994", [] { return measured_theta(10); }, 0.00005},
        {"kontur.md", "Q = π/Θ = π/0,0994 ≈ 31,6", [] { return pi / measured_theta(10); }, 0.05},
        {"kontur.md", "стоят «Θ= 9,9358E-02", [] { return c().start.theta; }, 0.0000005},
        {"kontur.md", "«Q= 3,1619E+01", [] { return c().start.Q; }, 0.0005},
        {"kontur.md", "Q = π/Θ = π/0,099358", [] { return c().start.theta; }, 0.0000005},
        {"kontur.md", "Q = π/Θ = π/0,099358 = 31,619", [] { return pi / c().start.theta; }, 0.0005},
        {"kontur.md", "Θ = π/Q = π/31,619", [] { return c().start.Q; }, 0.0005},
        {"kontur.md", "Θ = π/Q = π/31,619 = 0,099358", [] { return pi / c().start.Q; }, 0.0000005},
        {"kontur.md", "на панели 31,619", [] { return c().start.Q; }, 0.0005},
        {"kontur.md", "а по кривой 31,623", [] { return start_resonance().Q; }, 0.0005},
        {"kontur.md", "здесь δ = 5", [] { return c().start.d; }, 0.5},
        {"kontur.md", "а Ω = 316,19", [] { return c().start.Wb; }, 0.005},
        {"kontur.md", "против ω₀ = 316,23", [] { return c().start.wo; }, 0.005},
        {"kontur.md", "Ω/(2δ) = 316,19", [] { return c().start.Wb; }, 0.005},
        {"kontur.md", "Ω/(2δ) = 316,19/10", [] { return 2 * c().start.d; }, 0.5},
        {"kontur.md", "Ω/(2δ) = 316,19/10 = 31,619", [] { return c().start.Wb / (2 * c().start.d); }, 0.0005},
        {"kontur.md", "ω₀/(2δ) = 316,23", [] { return c().start.wo; }, 0.005},
        {"kontur.md", "ω₀/(2δ) = 316,23/10 = 31,623", [] { return c().start.wo / (2 * c().start.d); }, 0.0005},
        {"kontur.md", "здесь в 0,99987", [] { return c().start.Wb / c().start.wo; }, 0.000005},
        {"kontur.md", "здесь в 0,99987", [] { return std::sqrt(1 - 1 / (4 * start_resonance().Q * start_resonance().Q)); }, 0.000005},
        {"kontur.md", "при R = 1\u00A0Ом панель даёт Q = 1,936", [] { return Circuits::critical_with(1).Q; }, 0.0005},
        {"kontur.md", "а (1/R)·√(L/C) = 2", [] { const SimulationState& s = Circuits::critical_with(1); return std::sqrt(s.L / s.C) / s.R; }, 0.5},
        // its answers
        {"kontur.md", "первый после начала — 13,58", [] { return Uc(c().free, peaks(c().free)[0]); }, 0.005},
        {"kontur.md", "следующий — 12,30", [] { return Uc(c().free, peaks(c().free)[1]); }, 0.005},
        {"kontur.md", "составляет 0,905", [] { return std::exp(marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[1])); }, 0.0005},
        {"kontur.md", "(он в e<sup>Θ</sup> ≈ 1,104", [] { return std::exp(c().start.theta); }, 0.0005},
        {"kontur.md", "Δt = 19,87\u00A0мс и ln = −0,0994", [] { return marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[1]); }, 0.00005},
        {"kontur.md", "на десятом максимуме после A Δt = 198,7", [] { return marker_ms(c().free, peaks(c().free)[0], peaks(c().free)[10]); }, 0.05},
        {"kontur.md", "и ln = −0,994", [] { return marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[10]); }, 0.0005},
        {"kontur.md", "в e раз, с 13,58", [] { return Uc(c().free, peaks(c().free)[0]); }, 0.005},
        {"kontur.md", "в e раз, с 13,58\u00A0В до 5,03", [] { return Uc(c().free, peaks(c().free)[10]); }, 0.005},
        {"kontur.md", "на число периодов: «Θ = 0,0994", [] { return measured_theta(10); }, 0.00005},
        {"kontur.md", "на число периодов: «Θ = 0,0994 (на панели 0,0994)»", [] { return c().start.theta; }, 0.00005},
        {"kontur.md", "в самое начало, где Uc = 15", [] { return Uc(c().free, 0); }, 0.5},
        {"kontur.md", "(через 10 периодов там 5,55", [] { return Uc(c().free, 480); }, 0.005},
        {"kontur.md", "в первые 0,2\u00A0с идут через 19,5–21,1", [] { return start_peaks(true, true); }, 0.05},
        {"kontur.md", "ln меняется от +0,47 до −0,09", [] { return start_peaks(false, false); }, 0.005},
        {"kontur.md", "| 1 | колебательный режим | 250 | 1,622", [] { return Circuits::critical_with(1).theta; }, 0.0005},
        {"kontur.md", "| 1 | колебательный режим | 250 | 1,622 | 1,936", [] { return Circuits::critical_with(1).Q; }, 0.0005},
        {"kontur.md", "| 2 | колебательный режим | 500 | 3,628", [] { return Circuits::critical_with(2).theta; }, 0.0005},
        {"kontur.md", "| 2 | колебательный режим | 500 | 3,628 | 0,8660", [] { return Circuits::critical_with(2).Q; }, 0.00005},
        {"kontur.md", "| амплитуда Uc, В | 13,5", [] { return forced_Uc(Circuits::driven(40)); }, 0.05},
        {"kontur.md", "| 13,5 | 24,7", [] { return forced_Uc(Circuits::driven(45)); }, 0.05},
        {"kontur.md", "| 24,7 | 52,5", [] { return forced_Uc(Circuits::driven(48)); }, 0.05},
        {"kontur.md", "| 52,5 | 158", [] { return forced_Uc(Circuits::driven(50.32)); }, 0.5},
        {"kontur.md", "| 158 | 43,9", [] { return forced_Uc(Circuits::driven(53)); }, 0.05},
        {"kontur.md", "| 43,9 | 11,8", [] { return forced_Uc(Circuits::driven(60)); }, 0.05},
        {"kontur.md", "вспышки идут через 0,188", [] { return beat_period(45); }, 0.0005},
        {"kontur.md", "наибольшая амплитуда 49,9", [] { return beat_amplitude(45); }, 0.05},
        {"kontur.md", "При 48\u00A0Гц — через 0,429", [] { return beat_period(48); }, 0.0005},
        {"kontur.md", "амплитуда до 110,6", [] { return beat_amplitude(48); }, 0.05},
        {"kontur.md", "При 50\u00A0Гц — через 3,04", [] { return beat_period(50); }, 0.005},
        {"kontur.md", "амплитуда доходит до 767", [] { return beat_amplitude(50); }, 0.5},
        {"kontur.md", "до установившихся 147", [] { return forced_Uc(Circuits::driven(50)); }, 0.5},
        {"kontur.md", "W = 0,5625", [] { return c().lc.W_t.back() * c().lc.W_scale; }, 0.00005},
        {"kontur.md", "W_C и W_L по очереди поднимаются от нуля до 0,5625", [] { return greatest_capacitor_energy(c().lc); }, 0.00005},
        {"kontur.md", "W_C и W_L по очереди поднимаются от нуля до 0,5625", [] { return greatest_coil_energy(c().lc); }, 0.00005},
        {"kontur.md", "при наибольшем токе 23,72", [] { return greatest_abs_I(c().lc); }, 0.005},
        {"kontur.md", "Θ = 0,498", [] { return c().lc_lossy.theta; }, 0.0005},
        {"kontur.md", "Q = 6,30", [] { return c().lc_lossy.Q; }, 0.005},
        {"kontur.md", "0,208\u00A0Дж через один", [] { return c().lc_lossy.W_t[48] * c().lc_lossy.W_scale; }, 0.0005},
        {"kontur.md", "0,077\u00A0Дж через два", [] { return c().lc_lossy.W_t[96] * c().lc_lossy.W_scale; }, 0.0005},

        // «Резистор»
        {"resistor.md", "δ = 5,000", [] { return c().start.d; }, 0.0005},
        {"resistor.md", "1/с и Q = 31,62", [] { return c().start.Q; }, 0.005},
        {"resistor.md", "установившаяся амплитуда Uc — 158", [] { return forced_Uc(Circuits::driven(50.32)); }, 0.5},
        {"resistor.md", "при 0,04\u00A0Ом — 79,1", [] { return forced_Uc(Circuits::driven(50.32, 0.04)); }, 0.05},
        {"resistor.md", "при 0,08\u00A0Ом — 39,5", [] { return forced_Uc(Circuits::driven(50.32, 0.08)); }, 0.05},
        {"resistor.md", "(31,6", [] { return c().start.Q; }, 0.05},
        {"resistor.md", "(31,6; 15,8", [] { return Circuits::driven(50.32, 0.04).Q; }, 0.05},
        {"resistor.md", "15,8; 7,9", [] { return Circuits::driven(50.32, 0.08).Q; }, 0.05},
        {"resistor.md", "(50,32", [] { return c().start.Vr; }, 0.005},
        {"resistor.md", "(50,32; 50,28", [] { return Circuits::driven(50.32, 0.04).Vr; }, 0.005},
        {"resistor.md", "50,28; 50,13", [] { return Circuits::driven(50.32, 0.08).Vr; }, 0.005},
        {"resistor.md", "| 0,5 | колебательный режим | 125 | 0,792", [] { return Circuits::critical_with(0.5).theta; }, 0.0005},
        {"resistor.md", "| 0,5 | колебательный режим | 125 | 0,792 | 3,97", [] { return Circuits::critical_with(0.5).Q; }, 0.005},

        // «Конденсатор»
        {"kondensator.md", "Qc = 0,005 · 15 = 0,075", [] { return c().start.Qc; }, 0.0005},
        {"kondensator.md", "0,005 · 15²/2 = 0,5625", [] { return c().start.W_scale; }, 0.00005},

        // «Катушка» and «Конденсатор»: the answers about the R-L and R-C examples
        {"katushka.md", "В ней ток 316,1", [] { return I(Circuits::rl_with(0.1, 10), 12) * 1e3; }, 0.05},
        {"katushka.md", "(0,632", [] { return Circuits::rl_with(0.1, 10).I_t[12]; }, 0.0005},
        {"katushka.md", "постоянная времени вдвое больше: τL = 20", [] { return Circuits::rl_with(0.2, 10).Tr * 1e3; }, 0.5},
        {"katushka.md", "энергия в конце — 25", [] { return Circuits::rl_with(0.2, 10).W_t.back() * Circuits::rl_with(0.2, 10).W_scale * 1e3; }, 0.5},
        {"katushka.md", "и расчёт длится 400", [] { return span_ms(Circuits::rl_with(0.2, 10)); }, 0.5},
        {"katushka.md", "вдвое меньше — 0,25", [] { return I(Circuits::rl_with(0.1, 20), Circuits::rl_with(0.1, 20).I_t.size() - 1); }, 0.005},
        {"katushka.md", "τL = 5", [] { return Circuits::rl_with(0.1, 20).Tr * 1e3; }, 0.5},
        {"katushka.md", "расчёт длится 100", [] { return span_ms(Circuits::rl_with(0.1, 20)); }, 0.5},
        {"katushka.md", "энергия в конце 3,125", [] { return Circuits::rl_with(0.1, 20).W_t.back() * Circuits::rl_with(0.1, 20).W_scale * 1e3; }, 0.0005},
        {"katushka.md", "через 10\u00A0мс Ur = 3,16", [] { const SimulationState s = Circuits::rl_with(0.1, 10); return static_cast<double>(s.Ur_t[12]) * s.Ur_scale; }, 0.005},
        {"katushka.md", "Ur = 3,16\u00A0В и εL = −1,84", [] { return EL(Circuits::rl_with(0.1, 10), 12); }, 0.005},
        {"kondensator.md", "в ней Uc = −3,161", [] { return Uc(c().rc, 12); }, 0.0005},
        {"kondensator.md", "первой точке после замыкания — 0,46", [] { return I(c().rc, 1); }, 0.005},
        {"kondensator.md", "В расчётной точке 6,667", [] { return seconds(Circuits::rc_with(5, 0), 8) * 1e3; }, 0.0005},
        {"kondensator.md", "6,667\u00A0мс Uc = +0,134", [] { return Uc(Circuits::rc_with(5, 0), 8); }, 0.0005},
        {"kondensator.md", "в следующей, 7,500", [] { return seconds(Circuits::rc_with(5, 0), 9) * 1e3; }, 0.0005},
        {"kondensator.md", "— уже −0,276", [] { return Uc(Circuits::rc_with(5, 0), 9); }, 0.0005},
        {"kondensator.md", "| 5 | 0,9540", [] { return Circuits::rc_with(0, 5).a; }, 0.00005},
        {"kondensator.md", "| 50 | 0,3033", [] { return Circuits::rc_with(0, 50).a; }, 0.00005},
        {"kondensator.md", "| 500 | 0,0318", [] { return Circuits::rc_with(0, 500).a; }, 0.00005},
        {"kondensator.md", "| 500 | 0,0318 | 0,159 | 10,0", [] { return span_ms(Circuits::rc_with(0, 500)); }, 0.05},
        {"kondensator.md", "| 500 | 0,0318 | 0,159 | 10,0\u00A0мс (Tx = 2,00", [] { return Circuits::rc_with(0, 500).Tx * 1e3; }, 0.005},
        {"kondensator.md", "| 500 | 0,0318 | 0,159 | 10,0\u00A0мс (Tx = 2,00\u00A0мс) | 0,159", [] { return last_period_amplitude(Circuits::rc_with(0, 500)); }, 0.0005},
        {"kondensator.md", "| 50 | 0,3033 | 1,52 | 95,3\u00A0мс (Tx = 19,06\u00A0мс) | 1,52", [] { return last_period_amplitude(Circuits::rc_with(0, 50)); }, 0.005},
        {"kondensator.md", "наибольшее значение Uc = 4,77", [] { return greatest_abs_Uc(Circuits::rc_with(0, 5)); }, 0.005},
        {"kondensator.md", "(в последней точке Uc = −4,55", [] { const SimulationState s = Circuits::rc_with(0, 5); return Uc(s, s.Uc_t.size() - 1); }, 0.005},
        {"kondensator.md", "в конце от него остаётся 1,84", [] { return rc_transient_left(Circuits::rc_with(5, 500)); }, 0.005},
        {"kondensator.md", "установившаяся амплитуда всего 0,16", [] { return Circuits::rc_with(5, 500).a * 5; }, 0.005},
        {"kondensator.md", "в конце амплитуда Uc будет 0,159", [] { return last_period_amplitude(Circuits::rc_with(5, 500, 50)); }, 0.0005},
        {"kondensator.md", "сами максимумы Uc выше, от 0,163", [] { return greatest_Uc(Circuits::rc_with(0, 500)); }, 0.0005},
        {"kondensator.md", "сами максимумы Uc выше, от 0,163\u00A0В в начале до 0,161", [] { return last_Uc_maximum(Circuits::rc_with(0, 500)); }, 0.0005},
        {"kondensator.md", "колеблется с амплитудой около 0,16", [] { return Circuits::rc_with(0, 500).a * 5; }, 0.005},

        // The answers, every number the model gives: «Контур»
        {"kontur.md", "Метки на соседних максимумах Uc: Δt = 19,87", [] { return marker_ms(c().free, peaks(c().free)[0], peaks(c().free)[1]); }, 0.005},
        {"kontur.md", "на панели «T= 1,9872E-02", [] { return c().start.T; }, 0.0000005},
        {"kontur.md", "и «Θ= 9,9358E-02»", [] { return c().start.theta; }, 0.0000005},
        {"kontur.md", "ln = −0,994 ≈ −1", [] { return marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[10]); }, 0.5},
        {"kontur.md", "в первые 0,2\u00A0с идут через 19,5", [] { return start_peaks(true, false); }, 0.05},
        {"kontur.md", "ln меняется от +0,47", [] { return start_peaks(false, true); }, 0.005},
        {"kontur.md", "**2.** Rк = 4", [] { return Circuits::critical_with(1).Rk; }, 0.5},
        {"kontur.md", "| 1 | колебательный режим | 250", [] { return Circuits::critical_with(1).d; }, 0.5},
        {"kontur.md", "| 2 | колебательный режим | 500", [] { return Circuits::critical_with(2).d; }, 0.5},
        {"kontur.md", "| 4 | критический режим | 1000", [] { return Circuits::critical_with(4).d; }, 0.5},
        {"kontur.md", "| 8 | апериодический режим | 2000", [] { return Circuits::critical_with(8).d; }, 0.5},
        {"kontur.md", "| 20 | апериодический режим | 5000", [] { return Circuits::critical_with(20).d; }, 0.5},
        {"kontur.md", "| 1,622 | 1,936 | 2", [] { return textbook_Q(Circuits::critical_with(1)); }, 0.5},
        {"kontur.md", "| 3,628 | 0,8660 | 1", [] { return textbook_Q(Circuits::critical_with(2)); }, 0.5},
        {"kontur.md", "| 1000 | «Θ -> oo» | «Q=0» | 0,5", [] { return textbook_Q(Circuits::critical_with(4)); }, 0.05},
        {"kontur.md", "| 2000 | «Θ -> oo» | «Q=0» | 0,25", [] { return textbook_Q(Circuits::critical_with(8)); }, 0.005},
        {"kontur.md", "| 5000 | «Θ -> oo» | «Q=0» | 0,1", [] { return textbook_Q(Circuits::critical_with(20)); }, 0.05},
        {"kontur.md", "| да, до −6,66", [] { return least_Uc(Circuits::critical_with(1)); }, 0.005},
        {"kontur.md", "| да, до −2,44", [] { return least_Uc(Circuits::critical_with(2)); }, 0.005},
        {"kontur.md", "К концу расчёта (18,85", [] { return span_ms(Circuits::critical_with(4)); }, 0.005},
        {"kontur.md", "при 8\u00A0Ом на нём ещё 0,10", [] { return last_Uc(Circuits::critical_with(8)); }, 0.005},
        {"kontur.md", "при 20\u00A0Ом — 2,26", [] { return last_Uc(Circuits::critical_with(20)); }, 0.005},
        {"kontur.md", "Наибольшая — при ν = Vr = 50,32", [] { return c().start.Vr; }, 0.005},
        {"kontur.md", "в Q ≈ 32", [] { return c().start.Q; }, 0.5},
        {"kontur.md", "к концу расчёта видно около 157", [] { return last_period_amplitude(Circuits::driven(50.32)); }, 0.5},
        {"kontur.md", "(при 48\u00A0Гц — до 71,7", [] { return greatest_abs_Uc(Circuits::driven(48)); }, 0.05},
        {"kontur.md", "вспышки идут через 0,188\u00A0с (9,4", [] { return beat_period(45) / c().start.To; }, 0.05},
        {"kontur.md", "через 0,429\u00A0с (21,6", [] { return beat_period(48) / c().start.To; }, 0.05},
        {"kontur.md", "через 3,04\u00A0с (153", [] { return beat_period(50) / c().start.To; }, 0.5},
        {"kontur.md", "при Nmax = 200 (3,97", [] { return span_ms(testing::circuit({0.002, 0.005, 0, 0, 5, 50, 200})) / 1e3; }, 0.005},
        {"kontur.md", "за время около 1/δ = 0,2", [] { return 1 / c().start.d; }, 0.05},
        {"kontur.md", "при |Uc| = 15\u00A0В (t = 0; 9,93", [] { return c().lc.To / 2 * 1e3; }, 0.005},
        {"kontur.md", "(t = 0; 9,93; 19,87", [] { return c().lc.To * 1e3; }, 0.005},
        {"kontur.md", "(t = 4,97", [] { return c().lc.To / 4 * 1e3; }, 0.005},
        {"kontur.md", "(t = 4,97; 14,90", [] { return c().lc.To * 3 / 4 * 1e3; }, 0.005},
        {"kontur.md", "(t = 4,97; 14,90; 24,84", [] { return c().lc.To * 5 / 4 * 1e3; }, 0.005},
        {"kontur.md", "С R = 0,1\u00A0Ом: δ = 25", [] { return c().lc_lossy.d; }, 0.5},
        {"kontur.md", "≈ 2,7 раза", [] { return std::exp(2 * c().lc_lossy.theta); }, 0.05},
        {"kontur.md", "2,7 раза: 0,5625", [] { return c().lc_lossy.W_t[0] * c().lc_lossy.W_scale; }, 0.00005},
        {"kontur.md", "(10 To) остаётся 0,00003", [] { return c().lc_lossy.W_t.back() * c().lc_lossy.W_scale; }, 0.000005},
        {"kontur.md", "к концу расчёта (10", [] { return span_ms(c().lc_lossy) / (c().lc_lossy.To * 1e3); }, 0.5},
        // «Катушка»
        {"katushka.md", "Расчётные точки идут через 0,833", [] { return seconds(Circuits::rl_with(0.1, 10), 1) * 1e3; }, 0.0005},
        {"katushka.md", "приходится ровно на t = 10", [] { return seconds(Circuits::rl_with(0.1, 10), 12) * 1e3; }, 0.5},
        {"katushka.md", "от Inorm = 0,5", [] { return Circuits::rl_with(0.1, 10).I_scale; }, 0.05},
        {"katushka.md", "метки покажут Δt = 10", [] { return seconds(Circuits::rl_with(0.1, 10), 12) * 1e3; }, 0.5},
        {"katushka.md", "конечный ток тот же, 0,5", [] { return last_I(Circuits::rl_with(0.2, 10)); }, 0.05},
        {"katushka.md", "В первый миг Ur = 0", [] { return Ur(Circuits::rl_with(0.1, 10), 0); }, 0.5},
        {"katushka.md", "В первый миг Ur = 0 и εL = −5", [] { return EL(Circuits::rl_with(0.1, 10), 0); }, 0.5},
        {"katushka.md", "в конце Ur = 5", [] { const SimulationState s = Circuits::rl_with(0.1, 10); return Ur(s, s.Ur_t.size() - 1); }, 0.5},
        {"katushka.md", "в конце Ur = 5\u00A0В и εL = 0", [] { const SimulationState s = Circuits::rl_with(0.1, 10); return EL(s, s.UL_t.size() - 1); }, 0.5},
        {"katushka.md", "Разность Ur − εL всё время равна 5", [] { return Ur(Circuits::rl_with(0.1, 10), 12) - EL(Circuits::rl_with(0.1, 10), 12); }, 0.5},
        {"katushka.md", "когда ток наибольший, 23,72", [] { return greatest_abs_I(c().lc); }, 0.005},
        {"katushka.md", "23,72\u00A0А: через 4,97", [] { return c().lc.To / 4 * 1e3; }, 0.005},
        {"katushka.md", "каждые 9,93", [] { return c().lc.To / 2 * 1e3; }, 0.005},
        // «Конденсатор»
        {"kondensator.md", "Расчётные точки идут через 0,833", [] { return seconds(c().rc, 1) * 1e3; }, 0.0005},
        {"kondensator.md", "приходится ровно на t = 10", [] { return seconds(c().rc, 12) * 1e3; }, 0.5},
        {"kondensator.md", "Метки покажут Δt = 10", [] { return seconds(c().rc, 12) * 1e3; }, 0.5},
        {"kondensator.md", "— 0,46\u00A0А: 0,5", [] { return (c().rc.Uo + c().rc.Em) / c().rc.R; }, 0.05},
        {"kondensator.md", "а за 0,833", [] { return seconds(c().rc, 1) * 1e3; }, 0.0005},
        {"kondensator.md", "в момент R·C·ln 2 = 6,93", [] { return c().rc.R * c().rc.C * std::log(2.0) * 1e3; }, 0.005},
        {"kondensator.md", "до C·Em²/2 = 12,5", [] { return c().rc.W_t.back() * c().rc.W_scale * 1e3; }, 0.05},
        {"kondensator.md", "сначала падает от 12,5", [] { return Circuits::rc_with(5, 0).W_t[0] * Circuits::rc_with(5, 0).W_scale * 1e3; }, 0.05},
        {"kondensator.md", "(около 6,93", [] { return c().rc.R * c().rc.C * std::log(2.0) * 1e3; }, 0.005},
        {"kondensator.md", "снова растёт до 12,5", [] { return Circuits::rc_with(5, 0).W_t.back() * Circuits::rc_with(5, 0).W_scale * 1e3; }, 0.05},
        {"kondensator.md", "| 5 | 0,9540 | 4,77", [] { return Circuits::rc_with(0, 5).a * 5; }, 0.005},
        {"kondensator.md", "| 5 | 0,9540 | 4,77 | 200", [] { return span_ms(Circuits::rc_with(0, 5)); }, 0.5},
        {"kondensator.md", "(4·Tr = 40", [] { return 4 * Circuits::rc_with(0, 5).Tr * 1e3; }, 0.5},
        {"kondensator.md", "мс на единицу) | 4,77", [] { return greatest_abs_Uc(Circuits::rc_with(0, 5)); }, 0.005},
        {"kondensator.md", "| 50 | 0,3033 | 1,52", [] { return Circuits::rc_with(0, 50).a * 5; }, 0.005},
        {"kondensator.md", "| 50 | 0,3033 | 1,52 | 95,3", [] { return span_ms(Circuits::rc_with(0, 50)); }, 0.05},
        {"kondensator.md", "| 50 | 0,3033 | 1,52 | 95,3\u00A0мс (Tx = 19,06", [] { return Circuits::rc_with(0, 50).Tx * 1e3; }, 0.005},
        {"kondensator.md", "| 500 | 0,0318 | 0,159", [] { return Circuits::rc_with(0, 500).a * 5; }, 0.0005},
        {"kondensator.md", "приходится на t = 110", [] { const SimulationState s = Circuits::rc_with(0, 5); return seconds(s, greatest_swing(s)) * 1e3; }, 0.5},
        {"kondensator.md", "а наименьшее, −4,77", [] { return -Circuits::rc_with(0, 5).a * 5; }, 0.005},
        {"kondensator.md", "На 500\u00A0Гц единица Nmax — Tx = 2,00", [] { return Circuits::rc_with(5, 500).Tx * 1e3; }, 0.005},
        {"kondensator.md", "расчёт длится всего 10", [] { return span_ms(Circuits::rc_with(5, 500)); }, 0.5},
        {"kondensator.md", "расчёт продлится 100", [] { return span_ms(Circuits::rc_with(5, 500, 50)); }, 0.5},
        {"kondensator.md", "100\u00A0мс = 10", [] { return span_ms(Circuits::rc_with(5, 500, 50)) / (c().rc.R * c().rc.C * 1e3); }, 0.5},
        // «Резистор»
        {"resistor.md", "так что Rк = 4", [] { return Circuits::critical_with(1).Rk; }, 0.5},
        {"resistor.md", "| 0,5 | колебательный режим | 125", [] { return Circuits::critical_with(0.5).d; }, 0.5},
        {"resistor.md", "| 3,97 | 4", [] { return textbook_Q(Circuits::critical_with(0.5)); }, 0.5},
        {"resistor.md", "| 1 | колебательный режим | 250", [] { return Circuits::critical_with(1).d; }, 0.5},
        {"resistor.md", "| 1 | колебательный режим | 250 | 1,622", [] { return Circuits::critical_with(1).theta; }, 0.0005},
        {"resistor.md", "| 1 | колебательный режим | 250 | 1,622 | 1,936", [] { return Circuits::critical_with(1).Q; }, 0.0005},
        {"resistor.md", "| 1,622 | 1,936 | 2", [] { return textbook_Q(Circuits::critical_with(1)); }, 0.5},
        {"resistor.md", "| 2 | колебательный режим | 500", [] { return Circuits::critical_with(2).d; }, 0.5},
        {"resistor.md", "| 2 | колебательный режим | 500 | 3,628", [] { return Circuits::critical_with(2).theta; }, 0.0005},
        {"resistor.md", "| 2 | колебательный режим | 500 | 3,628 | 0,866", [] { return Circuits::critical_with(2).Q; }, 0.0005},
        {"resistor.md", "| 3,628 | 0,866 | 1", [] { return textbook_Q(Circuits::critical_with(2)); }, 0.5},
        {"resistor.md", "| 4 | критический режим | 1000", [] { return Circuits::critical_with(4).d; }, 0.5},
        {"resistor.md", "| 1000 | «Θ -> oo» | «Q=0» | 0,5", [] { return textbook_Q(Circuits::critical_with(4)); }, 0.05},
        {"resistor.md", "| 8 | апериодический режим | 2000", [] { return Circuits::critical_with(8).d; }, 0.5},
        {"resistor.md", "| 2000 | «Θ -> oo» | «Q=0» | 0,25", [] { return textbook_Q(Circuits::critical_with(8)); }, 0.005},
        {"resistor.md", "| 20 | апериодический режим | 5000", [] { return Circuits::critical_with(20).d; }, 0.5},
        {"resistor.md", "| 5000 | «Θ -> oo» | «Q=0» | 0,1", [] { return textbook_Q(Circuits::critical_with(20)); }, 0.05},
        {"resistor.md", "в самом начале, 15", [] { return Uc(Circuits::critical_with(1), 0); }, 0.5},
        {"resistor.md", "следующие — 2,957", [] { const SimulationState s = Circuits::critical_with(1); return Uc(s, peaks(s)[0]); }, 0.0005},
        {"resistor.md", "следующие — 2,957\u00A0В и 0,585", [] { const SimulationState s = Circuits::critical_with(1); return Uc(s, peaks(s)[1]); }, 0.0005},
        {"resistor.md", "покажут Δt = 6,545", [] { const SimulationState s = Circuits::critical_with(1); return marker_ms(s, 0, peaks(s)[0]); }, 0.0005},
        {"resistor.md", "U_B/U_A = 0,197", [] { const SimulationState s = Circuits::critical_with(1); return s.Uc_t[peaks(s)[0]] / s.Uc_t[0]; }, 0.0005},
        {"resistor.md", "U_B/U_A = 0,197 и ln = −1,62", [] { const SimulationState s = Circuits::critical_with(1); return marker_ln(s, 0, peaks(s)[0]); }, 0.005},
        {"resistor.md", "на втором и третьем — Δt = 6,414", [] { const SimulationState s = Circuits::critical_with(1); return marker_ms(s, peaks(s)[0], peaks(s)[1]); }, 0.0005},
        {"resistor.md", "6,414\u00A0мс, 0,198", [] { const SimulationState s = Circuits::critical_with(1); return s.Uc_t[peaks(s)[1]] / s.Uc_t[peaks(s)[0]]; }, 0.0005},
        {"resistor.md", "0,198 и снова −1,62", [] { const SimulationState s = Circuits::critical_with(1); return marker_ln(s, peaks(s)[0], peaks(s)[1]); }, 0.005},
        {"resistor.md", "На панели Θ = 1,622", [] { return Circuits::critical_with(1).theta; }, 0.0005},
        {"resistor.md", "На панели Θ = 1,622 и T = 6,489", [] { return Circuits::critical_with(1).T * 1e3; }, 0.0005},
        {"resistor.md", "на 0,06", [] { const SimulationState s = Circuits::critical_with(1); return marker_ms(s, 0, peaks(s)[0]) - s.T * 1e3; }, 0.005},
        {"resistor.md", "на 0,06–0,08", [] { const SimulationState s = Circuits::critical_with(1); return s.T * 1e3 - marker_ms(s, peaks(s)[0], peaks(s)[1]); }, 0.005},
        {"resistor.md", "точки идут через 0,131", [] { return seconds(Circuits::critical_with(1), 1) * 1e3; }, 0.0005},
        {"resistor.md", "за время 1/δ = 0,2", [] { return 1 / c().start.d; }, 0.05},
        {"resistor.md", "за время 1/δ = 0,2\u00A0с, 0,1", [] { return 1 / Circuits::driven(50.32, 0.04).d; }, 0.05},
        {"resistor.md", "за время 1/δ = 0,2\u00A0с, 0,1\u00A0с и 0,05", [] { return 1 / Circuits::driven(50.32, 0.08).d; }, 0.005},
        {"resistor.md", "cos ωt = 0,5", [] { return Circuits::resistor_50().Em / Circuits::resistor_50().R; }, 0.05},
        {"resistor.md", "(t = 0; 10", [] { return 1e3 / Circuits::resistor_50().nu / 2; }, 0.5},
        {"resistor.md", "(t = 0; 10; 20", [] { return 1e3 / Circuits::resistor_50().nu; }, 0.5},
        {"resistor.md", "(t = 5", [] { return 1e3 / Circuits::resistor_50().nu / 4; }, 0.5},
        {"resistor.md", "(t = 5; 15", [] { return 1e3 / Circuits::resistor_50().nu * 3 / 4; }, 0.5},
        {"resistor.md", "За каждый период 20", [] { return Circuits::resistor_50().Tv * 1e3; }, 0.5},
        {"resistor.md", "выделяется 0,025", [] { return Circuits::resistor_50().W_t[48] * Circuits::resistor_50().W_scale; }, 0.0005},
        {"resistor.md", "средняя мощность 1,25\u00A0Вт. Если", [] { return Circuits::resistor_50().W_t[48] * Circuits::resistor_50().W_scale / Circuits::resistor_50().Tv; }, 0.005},
        {"resistor.md", "расчёт длится 1,2", [] { return span_ms(Circuits::resistor_50()) / 1e3; }, 0.05},
        {"resistor.md", "к концу выделяется 1,5", [] { return Circuits::resistor_50().W_t.back() * Circuits::resistor_50().W_scale; }, 0.05},

        // The quick start
        {"instruction.txt", "19,5–21,1\u00A0мс", [] { return start_peaks(true, true); }, 0.05},
        {"instruction.txt", "19,5–21,1", [] { return start_peaks(true, true); }, 0.05},
        {"instruction.txt", "ln скачет от +0,47", [] { return start_peaks(false, true); }, 0.005},
        {"instruction.txt", "+0,47 до −0,09", [] { return start_peaks(false, false); }, 0.005},
        {"instruction.txt", "Δt = 19,87", [] { return marker_ms(c().free, peaks(c().free)[0], peaks(c().free)[1]); }, 0.005},
        {"instruction.txt", "и ln = −0,0994", [] { return marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[1]); }, 0.00005},
        {"instruction.txt", "T = 1,9872E-02", [] { return c().start.T; }, 0.0000005},
        {"instruction.txt", "Θ = 9,9358E-02", [] { return c().start.theta; }, 0.0000005},
        {"instruction.txt", "«Поле L(мкГн): оставлено 2000", [] { return c().start.L * 1e6; }, 0.5},

        // The English documents, with a decimal point: a few of their quotes each (all their
        // numbers are their originals', EnglishDocuments below).
        {"en/overview.md", "that is, 295.31", [] { return c().start.w; }, 0.005},
        {"en/overview.md", "Tnorm = 1/ω₀ ≈ 3.162", [] { return c().start.t_scale * 1e3; }, 0.0005},
        {"en/overview.md", "both give 31.62", [] { return c().start.Q; }, 0.005},
        {"en/overview.md", "resonance frequency Vr = 50.32", [] { return c().start.Vr; }, 0.005},
        {"en/overview.md", "their steady-state amplitude is 38.1", [] { return forced_Uc(c().start); }, 0.05},
        {"en/overview.md", "at the computed points is 64.52", [] { return greatest_abs_Uc(c().start); }, 0.005},
        {"en/overview.md", "the exact solution rises to 64.60", [] { return greatest_abs_Uc_between_points(c().start); }, 0.005},
        {"en/overview.md", "The inductive reactance is ω·L = 1.257", [] { return c().second.w * c().second.L; }, 0.0005},
        {"en/overview.md", "Im = Em/Z = 2.30", [] { return forced_I(c().second); }, 0.005},
        {"en/overview.md", "the current leads the EMF by 62.6", [] { return current_lead_degrees(c().second); }, 0.05},
        {"en/controls.md", "(4\u00A0800\u00A0001", [] { return std::floor(two_pi * 100000 / c().start.dt) + 1; }, 0.5},
        {"en/controls.md", "Nmax is at most 20833", [] { SimulationScalars s = c().start; s.Nmax = 100000; return std::floor(largest_fitting_Nmax(s)); }, 0.5},
        {"en/controls.md", "\"t = 39.74", [] { return seconds(c().free, peaks(c().free)[1]) * 1e3; }, 0.005},
        {"en/controls.md", "ln = −0.994; Θ = 0.0994", [] { return measured_theta(10); }, 0.00005},
        {"en/controls.md", "\"T= 1.9872E-02", [] { return c().start.T; }, 0.0000005},
        {"en/controls.md", "\"Θ= 9.9358E-02", [] { return c().start.theta; }, 0.0000005},
        {"en/controls.md", "ν = 47\u00A0Hz: Im = 56.23", [] { return start_steady().I_m; }, 0.005},
        {"en/controls.md", "Im = 56.23\u00A0A, φ = −77.0", [] { return start_steady().phi * 180 / pi; }, 0.05},
        {"en/controls.md", "the amplitudes Ur = 1.125", [] { return start_steady().U_Rm; }, 0.0005},
        {"en/controls.md", "UL = 33.21", [] { return start_steady().U_Lm; }, 0.005},
        {"en/controls.md", "the window shows δ = 49.98", [] { return example_fit().value("delta"); }, 0.005},
        {"en/controls.md", "R = 0.1998", [] { return example_fit().value("R"); }, 0.00005},
        {"en/circuit.md", "edges of the band are 49.54", [] { return start_resonance().band_low; }, 0.005},
        {"en/circuit.md", "(at 48\u00A0Hz, up to 71.7", [] { return greatest_abs_Uc(Circuits::driven(48)); }, 0.05},
        {"en/coil.md", "greatest, 23.72", [] { return greatest_abs_I(c().lc); }, 0.005},
        {"en/capacitor.md", "at about 6.93", [] { return c().rc.R * c().rc.C * std::log(2.0) * 1e3; }, 0.005},
        {"en/capacitor.md", "| 50 | 0.3033 | 1.52 | 95.3\u00A0ms (Tx = 19.06", [] { return Circuits::rc_with(0, 50).Tx * 1e3; }, 0.005},
        {"en/resistor.md", "the next ones are 2.957", [] { const SimulationState s = Circuits::critical_with(1); return Uc(s, peaks(s)[0]); }, 0.0005},
        {"en/resistor.md", "show Δt = 6.545", [] { const SimulationState s = Circuits::critical_with(1); return marker_ms(s, 0, peaks(s)[0]); }, 0.0005},
        {"en/resistor.md", "On the panel Θ = 1.622", [] { return Circuits::critical_with(1).theta; }, 0.0005},
        {"en/instruction.txt", "and ln = −0.0994", [] { return marker_ln(c().free, peaks(c().free)[0], peaks(c().free)[1]); }, 0.00005},
        {"en/instruction.txt", "T = 1.9872E-02", [] { return c().start.T; }, 0.0000005},
        {"en/instruction.txt", "\"Field L (µH): kept at 2000", [] { return c().start.L * 1e6; }, 0.5},
    };
    // clang-format on
    return table;
}

class DocumentQuotes : public ::testing::TestWithParam<Quote> {};

TEST_P(DocumentQuotes, QuoteTheModelsNumber) {
    const Quote& q = GetParam();
    static std::map<std::string, std::string> documents;
    std::string& text = documents[q.document];
    if (text.empty()) {
        text = read(q.document);
    }
    ASSERT_FALSE(text.empty()) << "docs/" << q.document;
    EXPECT_NE(text.find(q.text), std::string::npos)
        << "docs/" << q.document << " no longer says «" << q.text << "»";
    const std::optional<Number> quoted = last_number(q.text);
    ASSERT_TRUE(quoted) << "no number in «" << q.text << "»";
    const double value = q.value();
    ASSERT_TRUE(std::isfinite(value));
    // A row may not be so loose that a wrong last digit would pass.
    EXPECT_LE(q.tolerance, quoted->unit * 0.5001) << "the tolerance is looser than the digits";
    EXPECT_NEAR(quoted->value, value, q.tolerance) << q.document << ": «" << q.text << "»";
}

INSTANTIATE_TEST_SUITE_P(Documents, DocumentQuotes, ::testing::ValuesIn(quotes()));

// «Контур» tells how to see the lossless resonance: the frequency must be the program's own to the
// last digit. Its texts, typed into the fields, reach the regime; one digit fewer, or the natural
// frequency with the true π, does not.
TEST(DocumentNumbers, TheLosslessResonanceIsReachedAsTheDocumentSays) {
    const std::string text = read("kontur.md");
    const struct {
        const char* L;
        const char* C;
        const char* nu;
        Regime regime;
    } cases[] = {
        {"1000000", "1000000", "0,15915494309644432", Regime::undamped_resonance},
        {"1000000", "1000000", "0,1591549430964443", Regime::undamped},
        {"2000", "5000", "50,32921210592554", Regime::undamped_resonance},
        {"2000", "5000", "50,329212104487034", Regime::undamped},
    };
    EXPECT_NE(text.find("L = 1000000\u00A0мкГн и C = 1000000\u00A0мкФ"), std::string::npos);
    for (const auto& c : cases) {
        EXPECT_NE(text.find(c.nu), std::string::npos) << "kontur.md no longer gives " << c.nu;
        SimulationState s = testing::started_state();
        const FieldText texts[] = {
            {Field::L, c.L}, {Field::C, c.C}, {Field::R, "0"}, {Field::Uo, "0"}, {Field::nu, c.nu}};
        const ChainResult r = enter_texts(s, texts);
        EXPECT_TRUE(r.notices.empty()) << c.nu;
        EXPECT_EQ(regime(s), c.regime) << c.nu;
    }
}

// Where a number is followed by a unit with an ordinary blank, a line may break between them
// («2,4 ⏎ мс»), and where a number's digits are grouped by one («1 000 ⏎ 000»); the documents put
// a no-break space there. The places found, as «line: …text…».
bool letter_at(const std::string& text, std::size_t i) {
    if (i >= text.size()) {
        return false;
    }
    const auto c = static_cast<unsigned char>(text[i]);
    // ASCII letters and digits; the lead bytes of Greek and Cyrillic letters in UTF-8.
    return std::isalnum(c) != 0 || (c >= 0xCE && c <= 0xD1);
}

// The units after a number, in the documents' two languages.
const std::vector<std::string> russian_units = {
    "рад/с", "1/с", "мкГн", "мГн", "Гн", "мкФ", "Ф", "кОм", "Ом", "мкс", "мс", "с",   "кГц",
    "Гц",    "мВ",  "кВ",   "В",   "мА", "А/с", "А", "мДж", "Дж", "Вт",  "Кл", "КиБ", "%"};
const std::vector<std::string> english_units = {
    "rad/s", "1/s", "µH", "mH", "H",  "µF",  "F", "kΩ", "Ω", "µs", "ms",  "s", "kHz",
    "Hz",    "mV",  "kV", "V",  "mA", "A/s", "A", "mJ", "J", "W",  "KiB", "%"};

std::vector<std::string> breakable_numbers(const std::string& text,
                                           const std::vector<std::string>& units = russian_units) {
    std::vector<std::string> found;
    std::size_t line = 1;
    std::size_t start = 0; // where the digits before i began
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
        }
        if (!is_digit(text[i])) {
            continue;
        }
        if (i == 0 || !is_digit(text[i - 1])) {
            start = i;
        }
        if (text[i + 1] != ' ') {
            continue;
        }
        // A number inside a name («UTF-16 с меткой») is no quantity.
        if (start > 0 && (std::isalpha(static_cast<unsigned char>(text[start - 1])) != 0 ||
                          text[start - 1] == '-')) {
            continue;
        }
        const std::size_t next = i + 2;
        bool breakable = false;
        for (const std::string& u : units) {
            if (text.compare(next, u.size(), u) == 0 && !letter_at(text, next + u.size())) {
                breakable = true;
                break;
            }
        }
        // Digits grouped by an ordinary blank: one to three digits, a blank, three digits.
        const bool grouped = i + 1 - start <= 3 &&
                             (start == 0 || (text[start - 1] != ',' && text[start - 1] != '.')) &&
                             next + 3 <= text.size() && is_digit(text[next]) &&
                             is_digit(text[next + 1]) && is_digit(text[next + 2]) &&
                             (next + 3 == text.size() || !is_digit(text[next + 3]));
        if (breakable || grouped) {
            const std::size_t from = start >= 20 ? start - 20 : 0;
            found.push_back(std::to_string(line) + ": …" + text.substr(from, next + 8 - from) +
                            "…");
        }
    }
    return found;
}

class DocumentTypography : public ::testing::TestWithParam<const char*> {};

TEST_P(DocumentTypography, NoLineBreakBetweenANumberAndItsUnit) {
    const std::string text = read(GetParam());
    ASSERT_FALSE(text.empty()) << "docs/" << GetParam();
    const bool english = std::string(GetParam()).starts_with("en/");
    for (const std::string& place :
         breakable_numbers(text, english ? english_units : russian_units)) {
        ADD_FAILURE() << "docs/" << GetParam() << ":" << place
                      << " — an ordinary blank where a line may break; use a no-break space";
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, DocumentTypography,
                         ::testing::Values("spravka.md", "kontur.md", "katushka.md",
                                           "kondensator.md", "resistor.md", "uprav.md",
                                           "instruction.txt", "en/overview.md", "en/circuit.md",
                                           "en/coil.md", "en/capacitor.md", "en/resistor.md",
                                           "en/controls.md", "en/instruction.txt"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                             std::string name = param.param;
                             const bool english = name.starts_with("en/");
                             name = name.substr(english ? 3 : 0);
                             return name.substr(0, name.find('.')) + (english ? "_en" : "");
                         });

// Every number a document writes, as it writes it but with a decimal point and without its
// digits' no-break spaces ("4 800 001" → "4800001", "0,0994" → "0.0994", "1,9872E-02" →
// "1.9872E-02"), in their order.
std::vector<std::string> numbers_in(const std::string& text) {
    // Scanned by hand: GCC 12's <regex> warns of an uninitialised std::function when optimised
    // with the sanitizers.
    const auto digit = [&](std::size_t i) {
        return i < text.size() && text[i] >= '0' && text[i] <= '9';
    };
    const auto digits_from = [&](std::size_t i) {
        while (digit(i)) {
            ++i;
        }
        return i;
    };
    std::vector<std::string> found;
    for (std::size_t i = 0; i < text.size();) {
        if (!digit(i)) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        i = digits_from(i);
        // Groups of three after a no-break space.
        while (text.compare(i, 2, "\xC2\xA0") == 0 && digit(i + 2) && digit(i + 3) &&
               digit(i + 4)) {
            i += 5;
        }
        if (i < text.size() && (text[i] == '.' || text[i] == ',') && digit(i + 1)) {
            i = digits_from(i + 1);
        }
        if (i + 2 < text.size() && text[i] == 'E' && (text[i + 1] == '-' || text[i + 1] == '+') &&
            digit(i + 2)) {
            i = digits_from(i + 2);
        }
        const std::string written = text.substr(start, i - start);
        std::string n;
        for (std::size_t k = 0; k < written.size(); ++k) {
            if (written.compare(k, 2, "\xC2\xA0") == 0) {
                ++k;
            } else {
                n += written[k] == ',' ? '.' : written[k];
            }
        }
        found.push_back(n);
    }
    return found;
}

// The English documents are translations: each quotes the numbers of its Russian original (which
// the table above holds to the model), no more and no fewer, with a decimal point.
struct Translation {
    const char* original;
    const char* english;
};

class EnglishDocuments : public ::testing::TestWithParam<Translation> {};

TEST_P(EnglishDocuments, QuoteTheNumbersOfTheirOriginals) {
    const std::string original = read(GetParam().original);
    const std::string english = read(GetParam().english);
    ASSERT_FALSE(original.empty()) << "docs/" << GetParam().original;
    ASSERT_FALSE(english.empty()) << "docs/" << GetParam().english;
    std::multiset<std::string> in_original;
    for (const std::string& n : numbers_in(original)) {
        in_original.insert(n);
    }
    std::multiset<std::string> in_english;
    for (const std::string& n : numbers_in(english)) {
        in_english.insert(n);
    }
    std::vector<std::string> only_original;
    std::vector<std::string> only_english;
    std::set_difference(in_original.begin(), in_original.end(), in_english.begin(),
                        in_english.end(), std::back_inserter(only_original));
    std::set_difference(in_english.begin(), in_english.end(), in_original.begin(),
                        in_original.end(), std::back_inserter(only_english));
    for (const std::string& n : only_original) {
        ADD_FAILURE() << "docs/" << GetParam().original << " says " << n << ", docs/"
                      << GetParam().english << " does not";
    }
    for (const std::string& n : only_english) {
        ADD_FAILURE() << "docs/" << GetParam().english << " says " << n << ", docs/"
                      << GetParam().original << " does not";
    }
}

// A decimal comma in an English document is a number left untranslated, except where it quotes
// what a student may type or a file may hold, and in a command's text (`R=0.5,1.265,3` lists
// values).
TEST_P(EnglishDocuments, WriteADecimalPoint) {
    static const char* const quoting[] = {"\"0,02\" are the same", "\"1,2x\" is not a number"};
    std::string english = read(GetParam().english);
    bool in_code = false;
    for (char& c : english) {
        if (c == '`') {
            in_code = !in_code;
        } else if (in_code) {
            c = ' ';
        }
    }
    const auto is_digit = [&](std::size_t i) { return english[i] >= '0' && english[i] <= '9'; };
    for (std::size_t comma = 1; comma + 1 < english.size(); ++comma) {
        if (english[comma] != ',' || !is_digit(comma - 1) || !is_digit(comma + 1)) {
            continue;
        }
        const std::size_t at = comma - 1; // where the pattern "digit, comma, digit" starts
        const std::size_t from = at >= 30 ? at - 30 : 0;
        const std::string around = english.substr(from, 60);
        const bool quoted = std::any_of(std::begin(quoting), std::end(quoting), [&](const char* q) {
            const std::size_t found = english.find(q, from);
            return found != std::string::npos && found <= at && at < found + std::strlen(q);
        });
        EXPECT_TRUE(quoted) << "docs/" << GetParam().english << ": a decimal comma in …" << around
                            << "…";
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, EnglishDocuments,
                         ::testing::Values(Translation{"spravka.md", "en/overview.md"},
                                           Translation{"kontur.md", "en/circuit.md"},
                                           Translation{"katushka.md", "en/coil.md"},
                                           Translation{"kondensator.md", "en/capacitor.md"},
                                           Translation{"resistor.md", "en/resistor.md"},
                                           Translation{"uprav.md", "en/controls.md"},
                                           Translation{"instruction.txt", "en/instruction.txt"}),
                         [](const ::testing::TestParamInfo<Translation>& param) {
                             std::string name = param.param.english + 3;
                             return name.substr(0, name.find('.'));
                         });

TEST(EnglishDocuments, NumbersAreReadAsWritten) {
    EXPECT_EQ(numbers_in("Δt = 19,87\u00A0мс; (4\u00A0800\u00A0001) и 1,9872E-02, 1, 2"),
              (std::vector<std::string>{"19.87", "4800001", "1.9872E-02", "1", "2"}));
    EXPECT_EQ(numbers_in("Δt = 19.87 ms; 2.5e3"), (std::vector<std::string>{"19.87", "2.5", "3"}));
}

// The check itself: what it finds and what it leaves.
TEST(DocumentTypography, FindsTheBlanksALineMayBreakAt) {
    const struct {
        const char* text;
        bool found;
    } cases[] = {
        {"через 2,4 мс", true},
        {"через 2,4\u00A0мс", false},
        {"ν = 50,33 Гц.", true},
        {"на 5 %", true},
        {"15 В и", true},
        {"(1/δ = 0,2 с, 0,1 с", true},
        {"δ = 5,000 1/с", true},
        {"100 000 мкГн", true},
        {"100\u00A0000\u00A0мкГн", false},
        {"в UTF-16 с меткой", false},
        {"10 сек", false},
        {"5 Вольт", false},
        {"в 4 раза", false},
        {"40; 45; 48", false},
        {"0,005 · 15 = 0,075\u00A0Кл", false},
        {"Nmax = 5 — это", false},
        {"ряд 1, 2, 5 × 10ⁿ", false},
        {"50,32 153", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(!breakable_numbers(c.text).empty(), c.found) << c.text;
    }
    EXPECT_FALSE(breakable_numbers("after 2.4 ms", english_units).empty());
    EXPECT_TRUE(breakable_numbers("after 2.4\u00A0ms", english_units).empty());
    EXPECT_TRUE(breakable_numbers("in 4 steps", english_units).empty());
}

// The reading of the documents' numbers itself.
TEST(DocumentNumbers, ReadAsTheDocumentsWriteThem) {
    const struct {
        const char* text;
        double value;
        double unit;
    } cases[] = {
        {"Δt = 19,87 мс", 19.87, 0.01},
        {"ln = −0,0994»", -0.0994, 0.0001},
        {"от +0,47", 0.47, 0.01},
        {"+0,47 до −0,09", -0.09, 0.01},
        {"19,5–21,1 мс", 21.1, 0.1},
        {"«T= 1,9872E-02", 0.019872, 1e-6},
        {"то есть 295,31", 295.31, 0.01},
        {"2,9531E+02", 295.31, 0.01},
        {"(4\u00A0800\u00A0001", 4800001, 1},
        {"e^(−5) ≈ 0,0067", 0.0067, 0.0001},
        {"0,5 и 2,5.", 2.5, 0.1},
    };
    for (const auto& c : cases) {
        const std::optional<Number> read = last_number(c.text);
        ASSERT_TRUE(read) << c.text;
        EXPECT_NEAR(read->value, c.value, 1e-12 * std::fabs(c.value)) << c.text;
        EXPECT_NEAR(read->unit, c.unit, 1e-12) << c.text;
    }
    EXPECT_FALSE(last_number("нет чисел"));
}

} // namespace
} // namespace ovrelan
