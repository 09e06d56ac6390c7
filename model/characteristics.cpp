#include "model/characteristics.h"

#include "model/translation.h"

#include "model/circuit_kind.h"
#include "model/number_format.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace ovrelan {

namespace {

constexpr double half_pi = pi / 2;

// The ratio w/d at which the quarter unit of R-C and R-L switches: sqrt(pi^2/4 - 1).
const double k_switch = std::sqrt(pi * pi / 4 - 1);

constexpr std::string_view no_current =
    OVRELAN_TRANSLATE_NOOP("Messages", "А откуда ток возьмется?!");

struct Guard {
    bool (*holds)(const Parameters&);
    std::string_view text;
    double Parameters::*param;
    double corrected;
};

const Guard guards[] = {
    {[](const Parameters& p) { return p.L == 0 && p.C == 0 && p.R == 0 && p.Em == 0; },
     OVRELAN_TRANSLATE_NOOP("Messages", "А изучать-то что будете?!"), &Parameters::R, 0.02},
    {[](const Parameters& p) { return p.L == 0 && p.C == 0 && p.Em == 0; }, no_current,
     &Parameters::Em, 5},
    {[](const Parameters& p) { return p.L == 0 && p.C == 0 && p.R == 0; },
     OVRELAN_TRANSLATE_NOOP("Messages", "Это короткое замыкание!"), &Parameters::R, 0.02},
    {[](const Parameters& p) { return p.Uo == 0 && p.Em == 0; }, no_current, &Parameters::Em, 5},
    {[](const Parameters& p) { return p.C == 0 && p.Em == 0; }, no_current, &Parameters::Em, 5},
    {[](const Parameters& p) { return p.L == 0 && p.R == 0 && p.nu == 0; },
     OVRELAN_TRANSLATE_NOOP("Messages",
                            "Напряжение скачком меняется от Uo до - Em в начальный момент "
                            "времени. Потом постоянно. Ток в начальный момент времени "
                            "бесконечен, а потом равен 0"),
     &Parameters::nu, 50},
    {[](const Parameters& p) { return p.L == 0 && p.R == 0 && p.Em == 0; },
     OVRELAN_TRANSLATE_NOOP("Messages", "Мгновенная разрядка конденсатора бесконечным током!"),
     &Parameters::Em, 5},
};

// The source's cyclic frequency. The cosine source is even in w, so a negative frequency
// gives the same response as its magnitude; the model computes with w >= 0.
double source_w(const Parameters& p) {
    return two_pi * std::fabs(p.nu);
}

// Common grid A: resistor only, capacitor only, coil only.
void grid_a(SimulationScalars& s) {
    s.dt = half_pi / s.steps_per_unit;
    s.t_span = two_pi * s.Nmax;
    s.Nt = std::floor(s.t_span / s.dt);
    s.grid_step = pi;
    s.grid_count = 2 * s.Nmax;
}

// Common grid B: R-C and R-L. The quarter unit is the smaller of a quarter of the
// characteristic period and the relaxation time, in tau: it switches at w = k*d.
void grid_b(SimulationScalars& s) {
    s.t_unit = static_cast<float>(s.w >= k_switch * s.d ? half_pi : s.wx / s.d);
    s.t_scale = 1 / s.wx;
    s.Nt = s.steps_per_unit * (s.Nmax * 4);
    s.t_span = static_cast<double>(s.t_unit) * (s.Nmax * 4);
    s.dt = static_cast<double>(s.t_unit) / s.steps_per_unit;
    s.grid_count = 2 * s.Nmax;
    s.grid_step = static_cast<double>(2.0F * s.t_unit); // in single precision
}

void compute_r_only(SimulationScalars& s) {
    s.w = source_w(s);
    if (s.w != 0) {
        s.Tv = two_pi / s.w;
    }
    s.Ur_scale = std::fabs(s.Em);
    s.I_scale = s.Ur_scale / s.R;
    s.W_scale = s.w != 0 ? s.Em * s.Em / 2 / s.R / s.w : s.Em * s.Em / s.R;
    s.t_scale = s.w != 0 ? 1 / s.w : 1;
    grid_a(s);
}

void compute_l_only(SimulationScalars& s) {
    s.UL_scale = std::fabs(s.Em);
    s.I_scale = s.UL_scale / s.L;
    s.W_scale = s.Em * s.Em / 2 / s.L;
    s.t_scale = 1;
    grid_a(s);
}

void compute_c_only(SimulationScalars& s) {
    s.w = source_w(s);
    s.Tv = two_pi / s.w;
    s.Uc_scale = std::fabs(s.Em);
    s.I_scale = s.C * s.w * s.Uc_scale;
    s.W_scale = s.Em * s.Em * s.C / 2;
    s.t_scale = 1 / s.w;
    grid_a(s);
}

// What R-C and R-L share once d is known: periods, b and a.
void first_order_ratios(SimulationScalars& s) {
    if (s.w != 0) {
        s.Tv = two_pi / s.w;
    }
    s.wx = std::sqrt(s.d * s.d + s.w * s.w);
    s.Tx = two_pi / s.wx;
    if (s.R != 0) {
        s.Tr = 1 / s.d;
    }
    s.b = s.w / s.wx;
    s.a = std::sqrt(1 - s.b * s.b);
}

void compute_rc(SimulationScalars& s) {
    s.w = source_w(s);
    s.d = (1 / s.R) / s.C;
    first_order_ratios(s);
    s.Uc_scale = s.Uo != 0 ? std::fabs(s.Uo) : std::fabs(s.Em);
    s.I_scale = s.Uc_scale / s.R;
    s.Ur_scale = s.Uc_scale;
    s.W_scale = s.Uc_scale * s.Uc_scale * s.C / 2;
    grid_b(s);
}

void compute_rl(SimulationScalars& s) {
    s.w = source_w(s);
    s.d = s.R / s.L;
    first_order_ratios(s);
    s.UL_scale = std::fabs(s.Em);
    s.I_scale = (s.UL_scale / s.L) / s.wx;
    s.Ur_scale = s.UL_scale;
    s.W_scale = s.I_scale * s.I_scale * s.L / 2;
    grid_b(s);
}

// Constants of the forced and the free motion of the normalised capacitor voltage, so that
// x(0) = u0 and x'(0) = 0 for the source term -eps*cos(b*tau).
void response_constants(SimulationScalars& s) {
    const double a = s.a;
    const double b = s.b;
    const double g = s.g;
    const auto eps = static_cast<double>(s.eps);
    const double den = (1 - b * b) * (1 - b * b) + 4 * a * a * b * b;
    s.Acos = -eps * (1 - b * b) / den;
    s.Asin = -2 * eps * a * b / den;
    const double u = s.u0 - s.Acos;
    if (a == 0) {
        s.K1 = 0;
        s.K2 = u;
    } else if (a < 1) {
        s.K1 = (a * u - b * s.Asin) / g;
        s.K2 = u;
    } else if (a > 1) {
        // g - a = -1/(a + g): the same number without cancellation when a >> 1.
        const double slow = -1 / (a + g);
        s.K1 = (b * s.Asin + u * slow) / g / 2;
        s.K2 = (u * (a + g) - b * s.Asin) / g / 2;
    } else {
        s.K1 = u - b * s.Asin;
        s.K2 = u;
    }
}

void compute_rlc(SimulationScalars& s) {
    s.w = source_w(s);
    s.wo = 1 / std::sqrt(s.C * s.L);
    s.d = (s.R / 2) / s.L;
    s.Wb = s.wo >= s.d ? std::sqrt(s.wo * s.wo - s.d * s.d) : std::sqrt(s.d * s.d - s.wo * s.wo);
    if (s.w != 0) {
        s.Tv = two_pi / s.w;
    }
    s.To = two_pi / s.wo;
    if (s.wo != s.d) {
        s.T = two_pi / s.Wb;
    }
    if (s.wo > s.d) {
        s.theta = s.T * s.d;
    }
    if (s.R != 0 && s.wo > s.d) {
        s.Q = pi / s.theta;
    }
    s.Rk = 2 * std::sqrt(s.L / s.C);
    s.Qc = s.Uo * s.C;
    if (s.wo > std::sqrt(2.0) * s.d) {
        s.Vr = std::sqrt(s.wo * s.wo - 2 * s.d * s.d) / 2 / pi;
    }
    s.a = s.d / s.wo;
    s.b = s.w / s.wo;
    if (s.wo > s.d) {
        s.g = std::sqrt(1 - s.a * s.a);
    } else if (s.wo < s.d) {
        s.g = std::sqrt(s.a * s.a - 1);
    } else {
        s.g = 0;
    }
    s.Uc_scale = s.Uo != 0 ? std::fabs(s.Uo) : std::fabs(s.Em);
    s.u0 = s.Uo / s.Uc_scale;
    s.eps = static_cast<float>(s.Em / s.Uc_scale);
    s.I_scale = s.Uc_scale * (s.wo * s.C);
    s.W_scale = s.Uc_scale * s.Uc_scale * s.C / 2;
    s.Ur_scale = s.Uc_scale;
    s.UL_scale = s.Uc_scale;
    if (!(s.a == 0 && s.b == 1)) {
        response_constants(s);
    }
    s.t_scale = 1 / s.wo;
    s.t_span = two_pi * s.Nmax;
    s.dt = s.b <= 1 ? half_pi / s.steps_per_unit : (half_pi / s.steps_per_unit) / s.b;
    s.Nt = std::floor(s.t_span / s.dt);
    s.grid_step = pi;
    s.grid_count = 2 * s.Nmax;
}

void compute_configuration(SimulationScalars& s) {
    switch (configuration(s)) {
    case Configuration::r_only:
        compute_r_only(s);
        break;
    case Configuration::l_only:
        compute_l_only(s);
        break;
    case Configuration::c_only:
        compute_c_only(s);
        break;
    case Configuration::rc:
        compute_rc(s);
        break;
    case Configuration::rl:
        compute_rl(s);
        break;
    case Configuration::rlc:
        compute_rlc(s);
        break;
    }
}

bool all_scalars_finite(const SimulationScalars& s) {
    bool finite = true;
    for_each_model_scalar(s, [&](const char*, double v) { finite = finite && std::isfinite(v); });
    return finite;
}

// Grid steps of the configuration of s with this value of a parameter.
double grid_steps(SimulationScalars s, double Parameters::*param, double value) {
    s.*param = value;
    compute_configuration(s);
    return s.Nt;
}

bool fits(double Nt) {
    return Nt <= static_cast<double>(max_grid_points - 1);
}

// Digits in groups of three, joined by no-break spaces: "1 906 561".
std::string grouped(double count) {
    if (!(count < 1e15)) {
        return format_general(count).substr(1);
    }
    std::string digits = std::to_string(static_cast<long long>(count));
    for (auto i = static_cast<long>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), "\u00A0");
    }
    return digits;
}

// Rounded down to two significant digits below 100, to a whole number from 100 up.
double round_down_readably(double x) {
    if (!(x > 0)) {
        return x;
    }
    if (x >= 100) {
        return std::floor(x);
    }
    const double unit = std::pow(10.0, std::floor(std::log10(x)) - 1);
    const double rounded = std::floor(x / unit) * unit;
    return rounded > x ? x : rounded;
}

} // namespace

std::vector<RestoredParameter> restore_parameters(Parameters& s, const Parameters& to) {
    std::vector<RestoredParameter> restored;
    for (const FieldEntry& entry : field_table()) {
        const double previous = to.*entry.param;
        if (!(s.*entry.param == previous)) {
            s.*entry.param = previous;
            restored.push_back({entry.field, previous, field_text_general(entry.field, previous)});
        }
    }
    return restored;
}

std::optional<double> largest_fitting(const SimulationScalars& s, Field field) {
    // The grid grows with the interval, and in the R-L-C circuit with L, C and the magnitude of
    // the frequency (through b = w/wo, once the source turns faster than the circuit).
    if (field == Field::R || field == Field::Uo || field == Field::Em) {
        return std::nullopt;
    }
    const auto param = field_entry(field).param;
    const double value = s.*param;
    if (fits(grid_steps(s, param, value))) {
        return value;
    }
    // Positive doubles are ordered as their bit patterns: bisecting the patterns between the
    // smallest positive value and the value's magnitude finds the largest fitting magnitude in
    // at most 64 steps.
    const double sign = std::signbit(value) ? -1.0 : 1.0;
    const auto fits_at = [&](std::uint64_t bits) {
        return fits(grid_steps(s, param, sign * std::bit_cast<double>(bits)));
    };
    std::uint64_t low = 1;
    std::uint64_t high = std::bit_cast<std::uint64_t>(std::fabs(value));
    if (!fits_at(low)) {
        return std::nullopt; // the other values alone make the grid too large
    }
    while (high - low > 1) {
        const std::uint64_t middle = low + (high - low) / 2;
        (fits_at(middle) ? low : high) = middle;
    }
    return sign * std::bit_cast<double>(low);
}

double largest_fitting_Nmax(const SimulationScalars& s) {
    return largest_fitting(s, Field::Nmax).value_or(0);
}

std::string too_many_points_text(const SimulationScalars& s, Field field) {
    std::optional<double> largest = largest_fitting(s, field);
    if (!largest) {
        field = Field::Nmax;
        largest = largest_fitting(s, field);
    }
    const double shown = round_down_readably(*largest / field_entry(field).factor);
    return translated("Messages", "Слишком много точек расчёта (") + grouped(std::floor(s.Nt) + 1) +
           translated("Messages", ")! При этих значениях ") + field_caption(field) +
           translated("Messages", " не больше ") +
           field_value_text(field, shown * field_entry(field).factor) +
           translated("Messages", ". Значение не принято.");
}

std::optional<GuardWarning> find_guard(const Parameters& p) {
    int number = 0;
    for (const Guard& guard : guards) {
        ++number;
        if (guard.holds(p)) {
            const Field field = field_of(guard.param);
            return GuardWarning{number,
                                translated("Messages", warning_title.data()),
                                translated("Messages", guard.text.data()),
                                field,
                                guard.corrected,
                                field_text_general(field, guard.corrected)};
        }
    }
    return std::nullopt;
}

PassResult calc_characteristics(SimulationScalars& s, Field advice) {
    if (auto guard = find_guard(s)) {
        store_field_value(s, guard->field, guard->corrected);
        return PassResult{PassKind::guarded, std::move(guard), std::nullopt};
    }

    const SimulationScalars before = s;
    compute_configuration(s);
    // A grid needs at least its first point: an interval typed around the field check
    // (Nmax <= 0 never reaches here from a field) cannot be computed either.
    if (!all_scalars_finite(s) || !(s.Nt >= 0)) {
        s = before;
        return PassResult{PassKind::refused, std::nullopt,
                          Refusal{translated("Messages", warning_title.data()),
                                  translated("Messages", refused_text.data()),
                                  {}}};
    }
    if (!fits(s.Nt)) {
        Refusal refusal{
            translated("Messages", warning_title.data()), too_many_points_text(s, advice), {}};
        s = before;
        return PassResult{PassKind::refused, std::nullopt, std::move(refusal)};
    }
    return PassResult{};
}

} // namespace ovrelan
