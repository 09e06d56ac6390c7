// What a graph draws: its curves, each with its values at the grid points in the graph's units,
// its name, unit and colour, and which value axis it belongs to. Normalised axes show the arrays
// as they are; physical axes show them times their scales, in seconds, volts, amperes and joules.
#pragma once

#include "geometry/palette.h"
#include "model/simulation_state.h"
#include "solution/solution_summary.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ovrelan {

// The graphs: the five quantities, and the voltages with the current together.
enum class GraphKind { UL, Uc, Ur, Ik, W, UI };
inline constexpr std::size_t graph_kind_count = 6;

enum class Axes { normalised, physical };

// Values at grid point k, read from an array without a call per point: scale·a[k], scale·a[k]²,
// or amplitude·cos(rate·t_grid[k]) (the source's EMF, which no array holds).
struct SeriesValues {
    enum class Form { linear, square, source };
    Form form = Form::linear;
    const double* doubles = nullptr;
    const float* floats = nullptr; // the resistor's single-precision array
    double scale = 1;
    double rate = 0; // for the source, per unit of the arrays' time

    double at(const double* t_grid, std::size_t k) const {
        switch (form) {
        case Form::source:
            return scale * std::cos(rate * t_grid[k]);
        case Form::square: {
            const double v = doubles != nullptr ? doubles[k] : static_cast<double>(floats[k]);
            return scale * v * v;
        }
        case Form::linear:
            break;
        }
        return scale * (doubles != nullptr ? doubles[k] : static_cast<double>(floats[k]));
    }
};

// Calls f(k, value) for k = first ... last - 1 in turn, the value in the series' units: the
// arrays read in place, one loop per form; the source's cosine turned from one point to the next
// by a rotation, started again exactly every 256 points. Inline: the graphs call it for every
// point of a curve.
template <class F>
void for_each_value(const SeriesValues& v, const double* t, std::size_t first, std::size_t last,
                    F&& f) {
    switch (v.form) {
    case SeriesValues::Form::linear:
        if (v.doubles != nullptr) {
            for (std::size_t k = first; k < last; ++k) {
                f(k, v.scale * v.doubles[k]);
            }
        } else {
            for (std::size_t k = first; k < last; ++k) {
                f(k, v.scale * static_cast<double>(v.floats[k]));
            }
        }
        return;
    case SeriesValues::Form::square:
        if (v.doubles != nullptr) {
            for (std::size_t k = first; k < last; ++k) {
                f(k, v.scale * v.doubles[k] * v.doubles[k]);
            }
        } else {
            for (std::size_t k = first; k < last; ++k) {
                const double x = static_cast<double>(v.floats[k]);
                f(k, v.scale * x * x);
            }
        }
        return;
    case SeriesValues::Form::source:
        break;
    }
    constexpr std::size_t exact_every = 256;
    double c = 1;
    double s = 0;
    double step_c = 1;
    double step_s = 0;
    for (std::size_t k = first; k < last; ++k) {
        if ((k - first) % exact_every == 0) {
            const double angle = v.rate * t[k];
            c = std::cos(angle);
            s = std::sin(angle);
            const double h = k + 1 < last ? v.rate * (t[k + 1] - t[k]) : 0;
            step_c = std::cos(h);
            step_s = std::sin(h);
        }
        f(k, v.scale * c);
        const double turned = c * step_c - s * step_s;
        s = s * step_c + c * step_s;
        c = turned;
    }
}

struct Series {
    std::string name; // "Uc", "εL", "e", "I", "W", "W_C", "W_L"
    std::string unit; // "В", "А", "Дж" (physical axes), empty for normalised ones
    CurveRole role = CurveRole::single; // its colour in a look
    bool right_axis = false;            // the current of the voltages-and-current graph
    SeriesValues values;
};

struct GraphContent {
    std::vector<Series> series;
    Axes axes = Axes::normalised;
    double time_scale = 1; // x = t_grid[k]·time_scale: τ as it is, or seconds
    // The value axes in physical units: their quantity and unit ("Uc", "В"); the right one only
    // for the voltages-and-current graph. Normalised axes show the header instead.
    std::string left_name, left_unit;
    std::string right_name, right_unit;
    bool from_zero = false; // energies in physical units: the value axis starts at 0
};

// The curves of a graph for this circuit. The energy graph in physical units may show the
// capacitor's and the coil's energies apart, beside their sum (`energies_apart`).
GraphContent graph_content(const SimulationState& s, GraphKind kind, Axes axes,
                           bool energies_apart = false);

// The names of the graphs, one per quantity everywhere: "εL", "Uc", "Ur", "I", "W", "UI".
const char* graph_kind_name(GraphKind kind);

// Short, distinct window titles: «Uc(t) — напряжение на конденсаторе».
std::string graph_title(GraphKind kind, const Parameters& p);

// The circuit's parameters as a picture's title gives them: "L = 2000 мкГн, C = 5000 мкФ,
// R = 0,02 Ом, Uo = 15 В, ε = 5 В, ν = 47 Гц" (no L, C or R the circuit does not have), with the
// decimal separator given: a comma in Russian text, a point in English.
std::string circuit_summary(const Parameters& p, char decimal_separator = ',');

// A remembered solution named by what differs from the present circuit: "R = 2 Ом" or
// "L = 1000 мкГн, ν = 50 Гц"; "те же значения" when nothing does.
std::string difference_caption(const Parameters& kept, const Parameters& present,
                               char decimal_separator);

// The envelope of the free oscillation about the forced one: forced(τ) ± A·e^(−aτ), in the
// arrays' normalised units, for the capacitor's voltage (x) or the current (i = −x'); only in
// the oscillatory regime of an R-L-C circuit. With no source the forced part is nought and the
// curve touches the envelope once a period, just after each maximum.
struct Envelope {
    double A = 0;        // the free oscillation's amplitude
    double a = 0;        // its decay rate in τ (δ·Tnorm)
    double cos_part = 0; // the forced part: cos_part·cos(bτ) + sin_part·sin(bτ)
    double sin_part = 0;
    double b = 0;
    double at(double tau, int side) const {
        return cos_part * std::cos(b * tau) + sin_part * std::sin(b * tau) +
               side * A * std::exp(-a * tau);
    }
};
std::optional<Envelope> envelope_of(const SimulationState& s, GraphKind kind);

// The smallest and largest value of a series over the computed points.
struct Extent {
    double low = 0;
    double high = 0;
};
Extent series_extent(const SimulationState& s, const Series& series,
                     const SolutionSummary* summary = nullptr);

// The lowest and highest value of a series over the points first … last − 1: from the blocks of
// the solution's min/max summary when it has one for the series' array (O(log n)), otherwise
// from the points.
Extent series_range(const SimulationState& s, const Series& series, std::size_t first,
                    std::size_t last, const SolutionSummary* summary);

} // namespace ovrelan
