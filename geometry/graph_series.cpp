#include "geometry/graph_series.h"

#include "model/circuit_kind.h"
#include "model/parameter_fields.h"
#include "model/translation.h"
#include "solution/solution_arrays.h"

#include <algorithm>

namespace ovrelan {

namespace {

SeriesValues linear(const double* a, double scale) {
    return {SeriesValues::Form::linear, a, nullptr, scale, 0};
}

SeriesValues square(const double* a, double scale) {
    return {SeriesValues::Form::square, a, nullptr, scale, 0};
}

// The source's EMF Em·cos(ω·t) at the grid points (τ = t / t_scale).
SeriesValues source(const SimulationState& s) {
    return {SeriesValues::Form::source, nullptr, nullptr, s.Em, s.w * s.t_scale};
}

Series single(const SimulationState& s, GraphKind kind, bool si) {
    const auto scaled = [&](double scale) { return si ? scale : 1.0; };
    switch (kind) {
    case GraphKind::UL:
        return {"εL", si ? "В" : "", CurveRole::single, false,
                linear(s.UL_t.data(), scaled(s.UL_scale))};
    case GraphKind::Uc:
        return {"Uc", si ? "В" : "", CurveRole::single, false,
                linear(s.Uc_t.data(), scaled(s.Uc_scale))};
    case GraphKind::Ur:
        return {"Ur",
                si ? "В" : "",
                CurveRole::single,
                false,
                {SeriesValues::Form::linear, nullptr, s.Ur_t.data(), scaled(s.Ur_scale), 0}};
    case GraphKind::Ik:
        return {"I", si ? "А" : "", CurveRole::single, false,
                linear(s.I_t.data(), scaled(s.I_scale))};
    case GraphKind::W:
    case GraphKind::UI:
        break;
    }
    return {"W", si ? "Дж" : "", CurveRole::single, false, linear(s.W_t.data(), scaled(s.W_scale))};
}

} // namespace

const char* graph_kind_name(GraphKind kind) {
    switch (kind) {
    case GraphKind::UL:
        return "εL";
    case GraphKind::Uc:
        return "Uc";
    case GraphKind::Ur:
        return "Ur";
    case GraphKind::Ik:
        return "I";
    case GraphKind::W:
        return "W";
    case GraphKind::UI:
        break;
    }
    return "UI";
}

std::string graph_title(GraphKind kind, const Parameters& p) {
    switch (kind) {
    case GraphKind::UL:
        return translated("Graphs", "εL(t) — ЭДС самоиндукции катушки");
    case GraphKind::Uc:
        return translated("Graphs", "Uc(t) — напряжение на конденсаторе");
    case GraphKind::Ur:
        return translated("Graphs", "Ur(t) — напряжение на резисторе");
    case GraphKind::Ik:
        return translated("Graphs", "I(t) — сила тока");
    case GraphKind::UI:
        return translated("Graphs", "Напряжения и ток");
    case GraphKind::W:
        break;
    }
    switch (configuration(p)) {
    case Configuration::r_only:
        return translated("Graphs", "W(t) — теплота в резисторе");
    case Configuration::l_only:
    case Configuration::rl:
        return translated("Graphs", "W(t) — энергия магнитного поля катушки");
    case Configuration::c_only:
    case Configuration::rc:
        return translated("Graphs", "W(t) — энергия конденсатора");
    case Configuration::rlc:
        break;
    }
    return translated("Graphs", "W(t) — энергия конденсатора и катушки");
}

GraphContent graph_content(const SimulationState& s, GraphKind kind, Axes axes,
                           bool energies_apart) {
    GraphContent c;
    if (kind == GraphKind::UI) {
        axes = Axes::physical; // volts and amperes only
    }
    c.axes = axes;
    const bool si = axes == Axes::physical;
    c.time_scale = si ? s.t_scale : 1;
    if (kind != GraphKind::UI) {
        Series main = single(s, kind, si);
        if (si) {
            c.left_name = main.name;
            c.left_unit = main.unit;
        }
        const bool rlc = configuration(s) == Configuration::rlc;
        if (si && kind == GraphKind::W) {
            c.from_zero = true;
            if (energies_apart && rlc) {
                // C·Uc²/2 and L·I²/2, both Uc_scale²·C/2 times the square of their array.
                c.series.push_back(
                    {"W_C", "Дж", CurveRole::capacitor, false, square(s.Uc_t.data(), s.W_scale)});
                c.series.push_back(
                    {"W_L", "Дж", CurveRole::coil, false, square(s.I_t.data(), s.W_scale)});
            }
        }
        c.series.push_back(std::move(main));
        return c;
    }
    c.left_name = "U";
    c.left_unit = "В";
    c.right_name = "I";
    c.right_unit = "А";
    if (s.Em != 0) {
        c.series.push_back({"e", "В", CurveRole::emf, false, source(s)});
    }
    if (s.C != 0) {
        c.series.push_back(
            {"Uc", "В", CurveRole::capacitor, false, linear(s.Uc_t.data(), s.Uc_scale)});
    }
    if (s.R != 0) {
        c.series.push_back({"Ur",
                            "В",
                            CurveRole::resistor,
                            false,
                            {SeriesValues::Form::linear, nullptr, s.Ur_t.data(), s.Ur_scale, 0}});
    }
    if (s.L != 0) {
        c.series.push_back({"εL", "В", CurveRole::coil, false, linear(s.UL_t.data(), s.UL_scale)});
    }
    c.series.push_back({"I", "А", CurveRole::current, true, linear(s.I_t.data(), s.I_scale)});
    return c;
}

namespace {

// "R = 0,02 Ом": a value as its field shows it, with the separator and a typographic minus.
std::string parameter_text(const char* name, Field field, double held, const char* unit,
                           char decimal_separator) {
    std::string text = field_value_text(field, held);
    std::replace(text.begin(), text.end(), '.', decimal_separator);
    if (text.rfind('-', 0) == 0) {
        text = "\u2212" + text.substr(1);
    }
    return std::string(name) + " = " + text +
           (*unit != '\0' ? " " + translated("Units", unit) : std::string());
}

struct ShownParameter {
    const char* name;
    Field field;
    double Parameters::*value;
    const char* unit;
};

constexpr ShownParameter shown_parameters[] = {
    {"L", Field::L, &Parameters::L, OVRELAN_TRANSLATE_NOOP("Units", "мкГн")},
    {"C", Field::C, &Parameters::C, OVRELAN_TRANSLATE_NOOP("Units", "мкФ")},
    {"R", Field::R, &Parameters::R, OVRELAN_TRANSLATE_NOOP("Units", "Ом")},
    {"Uo", Field::Uo, &Parameters::Uo, OVRELAN_TRANSLATE_NOOP("Units", "В")},
    {"ε", Field::Em, &Parameters::Em, OVRELAN_TRANSLATE_NOOP("Units", "В")},
    {"ν", Field::nu, &Parameters::nu, OVRELAN_TRANSLATE_NOOP("Units", "Гц")},
    {"Nmax", Field::Nmax, &Parameters::Nmax, ""},
};

} // namespace

std::string circuit_summary(const Parameters& p, char decimal_separator) {
    std::string out;
    for (const ShownParameter& shown : shown_parameters) {
        const bool has = shown.field == Field::L    ? p.L != 0
                         : shown.field == Field::C  ? p.C != 0
                         : shown.field == Field::R  ? p.R != 0
                         : shown.field == Field::Uo ? p.C != 0
                         : shown.field == Field::nu ? p.Em != 0
                                                    : shown.field == Field::Em;
        if (has) {
            out +=
                (out.empty() ? "" : ", ") + parameter_text(shown.name, shown.field, p.*shown.value,
                                                           shown.unit, decimal_separator);
        }
    }
    return out;
}

std::string difference_caption(const Parameters& kept, const Parameters& present,
                               char decimal_separator) {
    std::string out;
    for (const ShownParameter& shown : shown_parameters) {
        if (kept.*shown.value != present.*shown.value) {
            out += (out.empty() ? "" : ", ") + parameter_text(shown.name, shown.field,
                                                              kept.*shown.value, shown.unit,
                                                              decimal_separator);
        }
    }
    return out.empty() ? translated("Graphs", "те же значения") : out;
}

namespace {

// The smallest and largest of v[0 .. n-1] (n >= 1), in four lanes the compiler keeps in vector
// registers.
template <class Real> Extent raw_extent(const Real* v, std::size_t n) {
    double low[4];
    double high[4];
    for (int l = 0; l < 4; ++l) {
        low[l] = high[l] = static_cast<double>(v[0]);
    }
    std::size_t k = 0;
    for (; k + 4 <= n; k += 4) {
        for (int l = 0; l < 4; ++l) {
            const double x = static_cast<double>(v[k + static_cast<std::size_t>(l)]);
            low[l] = x < low[l] ? x : low[l];
            high[l] = x > high[l] ? x : high[l];
        }
    }
    for (; k < n; ++k) {
        low[0] = std::min(low[0], static_cast<double>(v[k]));
        high[0] = std::max(high[0], static_cast<double>(v[k]));
    }
    return {std::min({low[0], low[1], low[2], low[3]}),
            std::max({high[0], high[1], high[2], high[3]})};
}

} // namespace

Extent series_extent(const SimulationState& s, const Series& series,
                     const SolutionSummary* summary) {
    const std::size_t n = computed_points(s);
    if (n == 0) {
        return {};
    }
    return series_range(s, series, 0, n, summary);
}

namespace {

// The pyramid a series' values come from, if the summary has one for this state.
const MinMaxPyramid* pyramid_of(const SimulationState& s, const Series& series,
                                const SolutionSummary* summary) {
    if (summary == nullptr || summary->state() != &s) {
        return nullptr;
    }
    const SeriesValues& v = series.values;
    if (v.form == SeriesValues::Form::source) {
        return summary->source(v.rate);
    }
    return summary->of(v.doubles != nullptr ? static_cast<const void*>(v.doubles)
                                            : static_cast<const void*>(v.floats));
}

// The extremes of the raw values turned into the series' own: times its scale, squared.
Extent through_form(const SeriesValues& v, const Extremes& e) {
    double low = e.low;
    double high = e.high;
    if (v.form == SeriesValues::Form::square) {
        high = std::max(low * low, high * high);
        low = e.least_magnitude * e.least_magnitude;
    }
    low *= v.scale;
    high *= v.scale;
    return low <= high ? Extent{low, high} : Extent{high, low};
}

} // namespace

Extent series_range(const SimulationState& s, const Series& series, std::size_t first,
                    std::size_t last, const SolutionSummary* summary) {
    if (last <= first) {
        return {};
    }
    const MinMaxPyramid* p = pyramid_of(s, series, summary);
    if (p != nullptr && last <= p->size()) {
        return through_form(series.values, p->range(first, last));
    }
    const SeriesValues& v = series.values;
    if (v.form == SeriesValues::Form::linear && first == 0) {
        // The array's own extremes, then through the scale.
        const Extent raw =
            v.doubles != nullptr ? raw_extent(v.doubles, last) : raw_extent(v.floats, last);
        return v.scale >= 0 ? Extent{v.scale * raw.low, v.scale * raw.high}
                            : Extent{v.scale * raw.high, v.scale * raw.low};
    }
    Extent e{v.at(s.t_grid.data(), first), v.at(s.t_grid.data(), first)};
    for_each_value(v, s.t_grid.data(), first + 1, last, [&e](std::size_t, double x) {
        e.low = std::min(e.low, x);
        e.high = std::max(e.high, x);
    });
    return e;
}

std::optional<Envelope> envelope_of(const SimulationState& s, GraphKind kind) {
    if (configuration(s) != Configuration::rlc || regime(s) != Regime::oscillatory ||
        (kind != GraphKind::Uc && kind != GraphKind::Ik)) {
        return std::nullopt;
    }
    // x = e^(−aτ)(K1 sin gτ + K2 cos gτ) + Acos cos bτ + Asin sin bτ, with a² + g² = 1; the
    // current i = −x' has the same free amplitude.
    Envelope e;
    e.A = std::hypot(s.K1, s.K2);
    e.a = s.a;
    e.b = s.b;
    if (kind == GraphKind::Uc) {
        e.cos_part = s.Acos;
        e.sin_part = s.Asin;
    } else {
        e.cos_part = -s.b * s.Asin;
        e.sin_part = s.b * s.Acos;
    }
    return e;
}

} // namespace ovrelan
