#include "solution/fit.h"

#include "model/text_arguments.h"
#include "model/translation.h"
#include "solution/fit_start.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_linalg.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <numbers>

namespace ovrelan {

namespace {

// Iterations a fit may take: 200 on a short trace, fewer on a long one (about four million
// points evaluated, but at least 20): from a fair start a fit needs a handful, and one that
// wanders in a direction the data do not fix should not keep the student waiting.
std::size_t max_iterations(std::size_t points) {
    return std::clamp<std::size_t>(4'000'000 / std::max<std::size_t>(points, 1), 20, 200);
}
// The points a long trace is first fitted on (as means of groups).
constexpr std::size_t brief_points = 4000;
constexpr std::size_t npos = static_cast<std::size_t>(-1);

// How δ and ω₀ follow from the fitted shape parameters, by what is held fixed.
enum class ShapeMode {
    free,        // δ and ω₀ fitted
    omega_fixed, // L and C given: ω₀ fixed, δ fitted
    delta_fixed, // R and L given: δ fixed, ω₀ fitted
    delta_tied,  // R and C given: ω₀ fitted, δ = RCω₀²/2
};

// The fitted parameters q: the shape's (δ as u = asinh(δ/δ_unit), ω₀ as v = ln ω₀, those not
// held), the key's closing unless it is given, then each trace's amplitude and offset. In u and
// v the long curved valley of an aperiodic trace (a constant slow rate ω₀²/2δ) is nearly
// straight, so the solver walks it in few steps; u stays linear in δ for a weak damping (δ much
// below δ_unit), and keeps δ ≥ 0 reachable.
struct Layout {
    ShapeMode mode = ShapeMode::free;
    double fixed = 0; // ω₀ or δ held fixed, or RC/2 for delta_tied
    std::optional<double> shift;
    std::size_t traces = 1;
    double delta_unit = 1; // 1/s: a tenth of the start's ω₀

    std::size_t shape_count() const { return mode == ShapeMode::free ? 2 : 1; }
    std::size_t shift_index() const { return shift ? npos : shape_count(); }
    std::size_t trace_index(std::size_t k) const { return shape_count() + (shift ? 0 : 1) + 2 * k; }
    std::size_t count() const { return trace_index(traces); }

    double delta_of_u(double u) const { return delta_unit * std::sinh(u); }
    double u_of_delta(double delta) const { return std::asinh(delta / delta_unit); }

    // δ, ω₀ and the key's closing at the parameters q.
    FreeMotion motion(const std::vector<double>& q) const {
        FreeMotion m;
        switch (mode) {
        case ShapeMode::free:
            m.delta = delta_of_u(q[0]);
            m.omega0 = std::exp(q[1]);
            break;
        case ShapeMode::omega_fixed:
            m.delta = delta_of_u(q[0]);
            m.omega0 = fixed;
            break;
        case ShapeMode::delta_fixed:
            m.delta = fixed;
            m.omega0 = std::exp(q[0]);
            break;
        case ShapeMode::delta_tied:
            m.omega0 = std::exp(q[0]);
            m.delta = fixed * m.omega0 * m.omega0;
            break;
        }
        m.shift = shift ? *shift : q[shift_index()];
        return m;
    }

    // dδ/dq0, dω₀/dq0 and dω₀/dq1 at q.
    struct Derivatives {
        double delta0 = 0, omega0 = 0, omega1 = 0;
    };
    Derivatives derivatives(const std::vector<double>& q) const {
        const FreeMotion m = motion(q);
        switch (mode) {
        case ShapeMode::free:
            return {delta_unit * std::cosh(q[0]), 0, m.omega0};
        case ShapeMode::omega_fixed:
            return {delta_unit * std::cosh(q[0]), 0, 0};
        case ShapeMode::delta_fixed:
            return {0, m.omega0, 0};
        case ShapeMode::delta_tied:
            return {2 * m.delta, m.omega0, 0};
        }
        return {};
    }

    // The shape parameters that give this motion (as near as the mode allows), then the shift.
    void put_motion(const FreeMotion& m, std::vector<double>& q) const {
        switch (mode) {
        case ShapeMode::free:
            q[0] = u_of_delta(m.delta);
            q[1] = std::log(m.omega0);
            break;
        case ShapeMode::omega_fixed:
            q[0] = u_of_delta(m.delta);
            break;
        case ShapeMode::delta_fixed:
        case ShapeMode::delta_tied:
            q[0] = std::log(m.omega0);
            break;
        }
        if (!shift) {
            q[shift_index()] = m.shift;
        }
    }

    // A motion as this mode can have it.
    FreeMotion constrain(FreeMotion m) const {
        switch (mode) {
        case ShapeMode::free:
            break;
        case ShapeMode::omega_fixed:
            m.omega0 = fixed;
            break;
        case ShapeMode::delta_fixed:
            m.delta = fixed;
            break;
        case ShapeMode::delta_tied:
            m.delta = fixed * m.omega0 * m.omega0;
            break;
        }
        if (shift) {
            m.shift = *shift;
        }
        return m;
    }
};

struct TraceData {
    Quantity quantity = Quantity::Uc;
    std::span<const double> t;
    std::span<const double> y;
    double scale = 1;  // the trace's range: the unit its amplitude and offset are solved in
    double weight = 1; // the square root of its weight in the sum of squares
    std::vector<double> shape, slope, shape_da;
};

// The problem the solver sees: solver variables z = q / scale, residuals model − data.
struct Problem {
    Layout layout;
    std::vector<TraceData> traces;
    std::vector<double> scale;
    std::vector<double> cached_z; // the variables `shape` and `slope` were computed at
    bool cached_ok = false;

    std::vector<double> physical(const gsl_vector* z) const {
        std::vector<double> q(scale.size());
        for (std::size_t i = 0; i < q.size(); ++i) {
            q[i] = gsl_vector_get(z, i) * scale[i];
        }
        return q;
    }

    bool same_as_cache(const gsl_vector* z) const {
        if (cached_z.size() != z->size) {
            return false;
        }
        for (std::size_t i = 0; i < cached_z.size(); ++i) {
            if (cached_z[i] != gsl_vector_get(z, i)) {
                return false;
            }
        }
        return true;
    }

    // The shapes and their slopes at z, kept for the Jacobian at the same point.
    bool shapes_at(const gsl_vector* z) {
        if (same_as_cache(z)) {
            return cached_ok;
        }
        const FreeMotion m = layout.motion(physical(z));
        cached_ok = true;
        for (TraceData& d : traces) {
            cached_ok = cached_ok && free_shape(d.quantity, m, d.t, d.shape, d.slope);
        }
        cached_z.assign(z->data, z->data + z->size);
        return cached_ok;
    }
};

// A point outside the circuit's range (δ < 0, ω₀ <= 0) gets residuals far above any fit's, so
// the solver turns back from it.
void outside_residuals(const Problem& p, gsl_vector* f) {
    std::size_t i = 0;
    for (const TraceData& d : p.traces) {
        for (std::size_t j = 0; j < d.t.size(); ++j, ++i) {
            gsl_vector_set(f, i, 1e10 * d.weight * (std::fabs(d.y[j]) + d.scale));
        }
    }
}

int residuals(const gsl_vector* z, void* data, gsl_vector* f) {
    auto& p = *static_cast<Problem*>(data);
    if (!p.shapes_at(z)) {
        outside_residuals(p, f);
        return GSL_SUCCESS;
    }
    const std::vector<double> q = p.physical(z);
    std::size_t i = 0;
    for (std::size_t k = 0; k < p.traces.size(); ++k) {
        const TraceData& d = p.traces[k];
        const double amplitude = q[p.layout.trace_index(k)];
        const double offset = q[p.layout.trace_index(k) + 1];
        for (std::size_t j = 0; j < d.t.size(); ++j, ++i) {
            gsl_vector_set(f, i, d.weight * (offset + amplitude * d.shape[j] - d.y[j]));
        }
    }
    return GSL_SUCCESS;
}

int jacobian(const gsl_vector* z, void* data, gsl_matrix* J) {
    auto& p = *static_cast<Problem*>(data);
    if (p.traces.size() > 1) {
        gsl_matrix_set_zero(J); // a trace's rows have nothing in the other's columns
    }
    if (!p.shapes_at(z)) {
        gsl_matrix_set_zero(J);
        return GSL_SUCCESS; // never reached from an accepted step
    }
    const std::vector<double> q = p.physical(z);
    const Layout& layout = p.layout;
    const FreeMotion m = layout.motion(q);
    const double a = m.delta / m.omega0;
    // dS/da by a forward difference at the same τ: the closed form has no derivative in a.
    const double h = 1e-7 * std::max(a, 1e-2);
    FreeMotion moved = m;
    moved.delta = (a + h) * m.omega0;
    for (TraceData& d : p.traces) {
        d.shape_da.resize(d.t.size());
        if (!free_shape(d.quantity, moved, d.t, d.shape_da)) {
            return GSL_SUCCESS;
        }
        for (std::size_t j = 0; j < d.t.size(); ++j) {
            d.shape_da[j] = (d.shape_da[j] - d.shape[j]) / h;
        }
    }
    const Layout::Derivatives dq = layout.derivatives(q);
    const std::size_t shift = layout.shift_index();
    const bool free = layout.mode == ShapeMode::free;
    std::size_t i = 0;
    for (std::size_t k = 0; k < p.traces.size(); ++k) {
        const TraceData& d = p.traces[k];
        const std::size_t at = layout.trace_index(k);
        const double amplitude = q[at];
        const double w = d.weight;
        for (std::size_t j = 0; j < d.t.size(); ++j, ++i) {
            double* row = gsl_matrix_ptr(J, i, 0);
            const double dy_ddelta = amplitude * d.shape_da[j] / m.omega0;
            // Before the key closes the shape depends on t − shift only, not on ω₀.
            const double since = std::max(d.t[j] - m.shift, 0.0);
            const double dy_domega =
                amplitude * (d.slope[j] * since - d.shape_da[j] * m.delta / (m.omega0 * m.omega0));
            row[0] = w * (dy_ddelta * dq.delta0 + dy_domega * dq.omega0) * p.scale[0];
            if (free) {
                row[1] = w * dy_domega * dq.omega1 * p.scale[1];
            }
            if (shift != npos) {
                row[shift] = -w * amplitude * d.slope[j] * m.omega0 * p.scale[shift];
            }
            row[at] = w * d.shape[j] * p.scale[at];
            row[at + 1] = w * p.scale[at + 1];
        }
    }
    return GSL_SUCCESS;
}

struct Solved {
    bool ok = false;
    std::string reason;
    std::vector<double> q;          // physical
    std::vector<double> covariance; // physical, p × p, scaled by χ²/dof
    double chi2 = 0;                // weighted
    std::size_t dof = 0;
    std::size_t iterations = 0;
    int info = 0;
};

struct WorkspaceFree {
    void operator()(gsl_multifit_nlinear_workspace* w) const { gsl_multifit_nlinear_free(w); }
};
struct VectorFree {
    void operator()(gsl_vector* v) const { gsl_vector_free(v); }
};
struct MatrixFree {
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
};

// The largest gradient component, each scaled by its variable, relative to χ²: what GSL's own
// gradient test looks at.
double relative_gradient(gsl_multifit_nlinear_workspace* w, double chi2) {
    const gsl_matrix* J = gsl_multifit_nlinear_jac(w);
    const gsl_vector* f = gsl_multifit_nlinear_residual(w);
    const gsl_vector* x = gsl_multifit_nlinear_position(w);
    double worst = 0;
    for (std::size_t c = 0; c < J->size2; ++c) {
        gsl_vector_const_view column = gsl_matrix_const_column(J, c);
        double g = 0;
        gsl_blas_ddot(&column.vector, f, &g);
        worst = std::max(worst, std::fabs(g) * std::max(std::fabs(gsl_vector_get(x, c)), 1.0));
    }
    return worst / std::max(chi2, DBL_MIN);
}

double sum_of_squares(const gsl_vector* f) {
    double s = 0;
    gsl_blas_ddot(f, f, &s);
    return s;
}

// How much the full Gauss-Newton step from the present point would lower the sum of squares:
// gᵀ(JᵀJ)⁻¹g with g = Jᵀf; infinite when JᵀJ is not positive definite.
double remaining_decrease(gsl_multifit_nlinear_workspace* w) {
    const gsl_matrix* J = gsl_multifit_nlinear_jac(w);
    const gsl_vector* f = gsl_multifit_nlinear_residual(w);
    const std::size_t p = J->size2;
    std::unique_ptr<gsl_matrix, MatrixFree> normal(gsl_matrix_alloc(p, p));
    std::unique_ptr<gsl_vector, VectorFree> g(gsl_vector_alloc(p));
    std::unique_ptr<gsl_vector, VectorFree> step(gsl_vector_alloc(p));
    gsl_blas_dsyrk(CblasLower, CblasTrans, 1.0, J, 0.0, normal.get());
    gsl_blas_dgemv(CblasTrans, 1.0, J, f, 0.0, g.get());
    if (gsl_linalg_cholesky_decomp1(normal.get()) != GSL_SUCCESS ||
        gsl_linalg_cholesky_solve(normal.get(), g.get(), step.get()) != GSL_SUCCESS) {
        return std::numeric_limits<double>::infinity();
    }
    double decrease = 0;
    gsl_blas_ddot(g.get(), step.get(), &decrease);
    return std::isfinite(decrease) ? decrease : std::numeric_limits<double>::infinity();
}

Solved solve(Problem& problem, const std::vector<double>& start,
             const std::vector<double>& weights) {
    Solved out;
    const std::size_t p = problem.scale.size();
    std::size_t n = 0;
    for (const TraceData& d : problem.traces) {
        n += d.t.size();
    }
    if (n <= p + 1) {
        out.reason = with_arguments(translated("Fit", "слишком мало точек: нужно больше %1"),
                                    std::to_string(p + 1));
        return out;
    }
    for (TraceData& d : problem.traces) {
        d.shape.assign(d.t.size(), 0);
        d.slope.assign(d.t.size(), 0);
    }
    problem.cached_z.clear();

    // The variables are scaled to their sizes already (scales_for), so no scaling of GSL's own
    // (whose column norms would cost as much as the model), and the normal equations by Cholesky:
    // p is small, n up to a million.
    gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
    parameters.scale = gsl_multifit_nlinear_scale_levenberg;
    parameters.solver = gsl_multifit_nlinear_solver_cholesky;
    std::unique_ptr<gsl_multifit_nlinear_workspace, WorkspaceFree> w(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, n, p));
    std::unique_ptr<gsl_vector, VectorFree> z(gsl_vector_alloc(p));
    std::unique_ptr<gsl_matrix, MatrixFree> covar(gsl_matrix_alloc(p, p));
    for (std::size_t i = 0; i < p; ++i) {
        gsl_vector_set(z.get(), i, start[i] / problem.scale[i]);
    }
    for (std::size_t k = 0; k < problem.traces.size(); ++k) {
        problem.traces[k].weight = std::sqrt(weights[k]);
    }
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = residuals;
    fdf.df = jacobian;
    fdf.fvv = nullptr;
    fdf.n = n;
    fdf.p = p;
    fdf.params = &problem;
    if (gsl_multifit_nlinear_init(z.get(), &fdf, w.get()) != GSL_SUCCESS) {
        out.reason = translated("Fit", "подбор не начался: в начальной точке модель не считается");
        return out;
    }
    // GSL's tests on the step and the gradient, and one of the statistics: the full Gauss-Newton
    // step from here would lower the sum of squares by less than 1e-3 of χ²/dof, that is the
    // exact minimum is within 0.03 of the standard errors (in the metric of the covariance).
    // Along a long narrow valley (an aperiodic trace) the first two are met only after many
    // damped steps that change nothing measurable.
    const double dof = static_cast<double>(n - p);
    int status = GSL_CONTINUE;
    while (status == GSL_CONTINUE) {
        const double chi2 = sum_of_squares(gsl_multifit_nlinear_residual(w.get()));
        if (remaining_decrease(w.get()) <= 1e-3 * chi2 / dof) {
            out.info = 3;
            status = GSL_SUCCESS;
            break;
        }
        if (gsl_multifit_nlinear_niter(w.get()) >= max_iterations(n)) {
            status = GSL_EMAXITER;
            break;
        }
        status = gsl_multifit_nlinear_iterate(w.get());
        if (status == GSL_SUCCESS) {
            status = gsl_multifit_nlinear_test(1e-8, std::cbrt(DBL_EPSILON), 0, &out.info, w.get());
        }
    }
    out.iterations = gsl_multifit_nlinear_niter(w.get());
    out.chi2 = sum_of_squares(gsl_multifit_nlinear_residual(w.get()));
    if (status == GSL_EMAXITER) {
        out.reason = with_arguments(translated("Fit", "подбор не сошёлся за %1 итераций"),
                                    std::to_string(max_iterations(n)));
        return out;
    }
    // No step lowers the sum of squares any more: a minimum when the gradient has vanished.
    if (status == GSL_ENOPROG && relative_gradient(w.get(), out.chi2) < 1e-4) {
        out.info = 2;
    } else if (status != GSL_SUCCESS) {
        out.reason = translated(
            "Fit", "подбор не сошёлся: ни один шаг не уменьшает сумму квадратов отклонений");
        return out;
    }
    const gsl_vector* x = gsl_multifit_nlinear_position(w.get());
    if (!problem.shapes_at(x)) {
        out.reason = translated("Fit", "подбор ушёл за пределы, где модель считается");
        return out;
    }
    // Columns of the Jacobian that depend on the others to 1e-10 (in the scaled variables) are
    // left out of the covariance: their variances come out 0, and the parameters are said to be
    // undetermined below.
    gsl_multifit_nlinear_covar(gsl_multifit_nlinear_jac(w.get()), 1e-10, covar.get());
    out.dof = n - p;
    const double factor = out.chi2 / static_cast<double>(out.dof);
    out.q = problem.physical(x);
    out.covariance.resize(p * p);
    for (std::size_t r = 0; r < p; ++r) {
        for (std::size_t c = 0; c < p; ++c) {
            out.covariance[r * p + c] =
                gsl_matrix_get(covar.get(), r, c) * problem.scale[r] * problem.scale[c] * factor;
        }
    }
    for (std::size_t r = 0; r < p; ++r) {
        if (!(out.covariance[r * p + r] > 0) || !std::isfinite(out.covariance[r * p + r])) {
            out.reason =
                translated("Fit", "параметры не определяются по этим данным: разные их сочетания "
                                  "описывают кривую одинаково хорошо");
            return out;
        }
    }
    out.ok = true;
    return out;
}

// A value worked out from the fitted parameters, with its standard error through its gradient
// (central differences in the solver's variables).
double propagated_error(const std::function<double(const std::vector<double>&)>& value,
                        const Solved& s, const std::vector<double>& scale) {
    const std::size_t p = s.q.size();
    std::vector<double> gradient(p);
    for (std::size_t i = 0; i < p; ++i) {
        const double h = 1e-6 * std::max(std::fabs(s.q[i]), scale[i]);
        std::vector<double> up = s.q;
        std::vector<double> down = s.q;
        up[i] += h;
        down[i] -= h;
        gradient[i] = (value(up) - value(down)) / (2 * h);
    }
    double variance = 0;
    for (std::size_t r = 0; r < p; ++r) {
        for (std::size_t c = 0; c < p; ++c) {
            variance += gradient[r] * s.covariance[r * p + c] * gradient[c];
        }
    }
    return std::sqrt(std::max(variance, 0.0));
}

std::string trace_name(Quantity q) {
    return with_arguments(translated("Fit", "кривая %1"), quantity_caption(q));
}

std::string check_request(const FitRequest& r) {
    if (r.traces.empty() || r.traces.size() > 2) {
        return translated("Fit", "подбирать можно по одной или по двум кривым");
    }
    if (r.traces.size() == 2 && r.traces[0].quantity == r.traces[1].quantity) {
        return translated("Fit",
                          "две кривые одной величины: подбирать можно по кривым разных величин");
    }
    for (const FitTrace& t : r.traces) {
        const std::string name = trace_name(t.quantity);
        if (t.time.size() != t.values.size()) {
            return with_arguments(translated("Fit", "%1: время и значения разной длины"), name);
        }
        if (t.time.size() < 10) {
            return with_arguments(translated("Fit", "%1: слишком мало точек, нужно не меньше 10"),
                                  name);
        }
        if (!std::all_of(t.time.begin(), t.time.end(), [](double v) { return std::isfinite(v); }) ||
            !std::all_of(t.values.begin(), t.values.end(),
                         [](double v) { return std::isfinite(v); })) {
            return with_arguments(translated("Fit", "%1: не все числа конечны"), name);
        }
        if (!std::is_sorted(t.time.begin(), t.time.end()) || !(t.time.back() > t.time.front())) {
            return with_arguments(translated("Fit", "%1: время должно возрастать"), name);
        }
        const auto [low, high] = std::minmax_element(t.values.begin(), t.values.end());
        if (!(*high > *low)) {
            return with_arguments(translated("Fit", "%1: значения не меняются, подбирать нечего"),
                                  name);
        }
    }
    for (const auto& v : {r.R, r.L, r.C}) {
        if (v && !(*v > 0 && std::isfinite(*v))) {
            return translated("Fit", "заданные R, L и C должны быть больше нуля");
        }
    }
    if (r.R && r.L && r.C) {
        return translated("Fit", "заданы все три величины R, L и C: подбирать нечего");
    }
    if (r.shift && !std::isfinite(*r.shift)) {
        return translated("Fit", "момент замыкания ключа должен быть конечным числом");
    }
    return "";
}

Layout layout_for(const FitRequest& r, std::size_t traces) {
    Layout layout;
    layout.shift = r.shift;
    layout.traces = traces;
    if (r.L && r.C) {
        layout.mode = ShapeMode::omega_fixed;
        layout.fixed = 1 / std::sqrt(*r.L * *r.C);
    } else if (r.R && r.L) {
        layout.mode = ShapeMode::delta_fixed;
        layout.fixed = *r.R / (2 * *r.L);
    } else if (r.R && r.C) {
        layout.mode = ShapeMode::delta_tied;
        layout.fixed = *r.R * *r.C / 2;
    }
    return layout;
}

// The solver's units: 1 for the shape's u and v, the inverse of the start's ω₀ for the shift,
// each trace's range for its amplitude and offset.
std::vector<double> scales_for(const Layout& layout, const FreeMotion& start,
                               const std::vector<TraceData>& traces) {
    std::vector<double> scale(layout.count(), 1); // u and v are of order 1 as they stand
    if (!layout.shift) {
        scale[layout.shift_index()] = 1 / start.omega0;
    }
    for (std::size_t k = 0; k < traces.size(); ++k) {
        scale[layout.trace_index(k)] = traces[k].scale;
        scale[layout.trace_index(k) + 1] = traces[k].scale;
    }
    return scale;
}

TraceData trace_data(const FitTrace& t) {
    const auto [low, high] = std::minmax_element(t.values.begin(), t.values.end());
    TraceData d;
    d.quantity = t.quantity;
    d.t = t.time;
    d.y = t.values;
    d.scale = *high - *low;
    return d;
}

// Why a fit that converged says nothing: ω₀ (when fitted) with an error above half its value, or
// a trace whose amplitude is within three errors of 0 (no transient in it). Empty when neither.
std::string undetermined(const Solved& s, const Problem& problem) {
    const Layout& layout = problem.layout;
    if (layout.mode != ShapeMode::omega_fixed) {
        const double omega0 = layout.motion(s.q).omega0;
        const double error = propagated_error(
            [&layout](const std::vector<double>& q) { return layout.motion(q).omega0; }, s,
            problem.scale);
        if (!(error <= 0.5 * omega0)) {
            return translated(
                "Fit",
                "ω₀ не определяется по этим данным: его погрешность больше половины значения");
        }
    }
    for (std::size_t k = 0; k < problem.traces.size(); ++k) {
        const std::size_t at = layout.trace_index(k);
        const std::size_t p = layout.count();
        if (!(std::fabs(s.q[at]) > 3 * std::sqrt(s.covariance[at * (p + 1)]))) {
            return (problem.traces.size() > 1 ? trace_name(problem.traces[k].quantity) + ": "
                                              : std::string()) +
                   translated("Fit", "переходного процесса не видно: амплитуда отличается от "
                                     "нуля меньше, чем на три погрешности");
        }
    }
    return "";
}

// The fit from q, refused when the data leave it undetermined.
Solved solve_determined(Problem& problem, const std::vector<double>& q,
                        const std::vector<double>& weights) {
    Solved s = solve(problem, q, weights);
    if (s.ok) {
        if (std::string why = undetermined(s, problem); !why.empty()) {
            s.ok = false;
            s.reason = std::move(why);
        }
    }
    return s;
}

struct Fitted {
    Solved solved;
    Problem problem;
};

// One trace fitted alone, from its best start that converges.
Fitted fit_alone(const FitTrace& trace, const FitRequest& request) {
    Fitted out;
    out.problem.layout = layout_for(request, 1);
    out.problem.traces.push_back(trace_data(trace));
    std::vector<FreeMotion> hints;
    if (request.circuit && request.circuit->L > 0 && request.circuit->C > 0) {
        const Parameters& c = *request.circuit;
        hints.push_back({std::fabs(c.R) / (2 * c.L), 1 / std::sqrt(c.L * c.C), 0});
    }
    const Layout& layout = out.problem.layout;
    const auto guesses =
        start_guesses(trace.quantity, trace.time, trace.values, hints, request.shift,
                      [&layout](const FreeMotion& m) { return layout.constrain(m); });
    if (guesses.empty()) {
        out.solved.reason =
            translated("Fit", "по этой кривой не найти начальных значений для подбора");
        return out;
    }
    // The best starts in turn, until one converges to a fit the data determine.
    const double span = trace.time.back() - trace.time.front();
    for (std::size_t g = 0; g < guesses.size() && g < 4; ++g) {
        const StartGuess& guess = guesses[g];
        out.problem.layout.delta_unit = 0.1 * guess.motion.omega0;
        out.problem.scale = scales_for(layout, guess.motion, out.problem.traces);
        std::vector<double> q(layout.count());
        layout.put_motion(guess.motion, q);
        q[layout.trace_index(0)] = guess.amplitude;
        q[layout.trace_index(0) + 1] = guess.offset;
        // A long trace is first fitted in brief, as means of groups of points (five to the
        // fastest time of the motion, 1/(ω₀ + 2δ), or at least four points to a group), and the
        // whole trace then starts from there: the many iterations from a rough start cost
        // little. A start the brief fit cannot take to a fit is not tried on the whole trace.
        const double fastest = guess.motion.omega0 + 2 * guess.motion.delta;
        const auto groups = static_cast<std::size_t>(
            std::clamp(std::ceil(5 * fastest * span), static_cast<double>(brief_points),
                       static_cast<double>(trace.time.size() / 4)));
        if (4 * brief_points < trace.time.size()) {
            const AveragedTrace brief = averaged_trace(trace.time, trace.values, groups);
            Problem in_brief;
            in_brief.layout = layout;
            in_brief.traces.push_back(trace_data({trace.quantity, brief.t, brief.y}));
            in_brief.scale = out.problem.scale;
            Solved b = solve_determined(in_brief, q, {1.0});
            if (!b.ok) {
                if (g == 0) {
                    out.solved = std::move(b);
                }
                continue;
            }
            q = b.q;
        }
        Solved s = solve_determined(out.problem, q, {1.0});
        if (s.ok || g == 0) {
            out.solved = std::move(s);
        }
        if (out.solved.ok) {
            break;
        }
    }
    return out;
}

double sum_of_squares(std::span<const double> r) {
    double s = 0;
    for (const double v : r) {
        s += v * v;
    }
    return s;
}

} // namespace

const FitValue* FitResult::value(std::string_view key) const {
    for (const FitValue& v : values) {
        if (v.key == key) {
            return &v;
        }
    }
    return nullptr;
}

FitResult fit_measured(const FitRequest& request) {
    // GSL reports through its return values here; its default handler would abort.
    static const bool quiet = [] {
        gsl_set_error_handler_off();
        return true;
    }();
    (void)quiet;

    FitResult result;
    if (std::string reason = check_request(request); !reason.empty()) {
        result.reason = std::move(reason);
        return result;
    }
    // Each trace alone first: its start and the residual that weighs it in a joint fit.
    std::vector<Fitted> alone;
    for (const FitTrace& trace : request.traces) {
        alone.push_back(fit_alone(trace, request));
        if (!alone.back().solved.ok) {
            result.reason = (request.traces.size() > 1 ? trace_name(trace.quantity) + ": " : "") +
                            alone.back().solved.reason;
            return result;
        }
    }
    Fitted joint;
    std::vector<double> weights{1.0};
    if (request.traces.size() == 1) {
        joint = std::move(alone.front());
    } else {
        joint.problem.layout = layout_for(request, request.traces.size());
        joint.problem.layout.delta_unit = alone.front().problem.layout.delta_unit;
        const Layout& layout = joint.problem.layout;
        const Fitted& first = alone.front();
        const FreeMotion m = first.problem.layout.motion(first.solved.q);
        weights.clear();
        for (std::size_t k = 0; k < request.traces.size(); ++k) {
            joint.problem.traces.push_back(trace_data(request.traces[k]));
            const Solved& s = alone[k].solved;
            weights.push_back(static_cast<double>(s.dof) / std::max(s.chi2, DBL_MIN));
        }
        joint.problem.scale = scales_for(layout, m, joint.problem.traces);
        std::vector<double> q(layout.count());
        layout.put_motion(m, q);
        for (std::size_t k = 0; k < request.traces.size(); ++k) {
            const Fitted& a = alone[k];
            q[layout.trace_index(k)] = a.solved.q[a.problem.layout.trace_index(0)];
            q[layout.trace_index(k) + 1] = a.solved.q[a.problem.layout.trace_index(0) + 1];
        }
        joint.solved = solve_determined(joint.problem, q, weights);
        if (!joint.solved.ok) {
            result.reason = with_arguments(
                translated("Fit", "совместный подбор по двум кривым: %1"), joint.solved.reason);
            return result;
        }
    }
    const Solved& s = joint.solved;
    const Layout& layout = joint.problem.layout;
    const std::vector<double>& scale = joint.problem.scale;
    const auto error_of = [&](const std::function<double(const std::vector<double>&)>& f) {
        return propagated_error(f, s, scale);
    };
    const FreeMotion m = layout.motion(s.q);
    result.motion = m;
    result.regime = regime(m.delta / m.omega0, 0);

    // What is fitted of the motion, and what was held.
    const auto delta_of = [&layout](const std::vector<double>& q) {
        return layout.motion(q).delta;
    };
    const auto omega_of = [&layout](const std::vector<double>& q) {
        return layout.motion(q).omega0;
    };
    const bool delta_held = layout.mode == ShapeMode::delta_fixed;
    const bool omega_held = layout.mode == ShapeMode::omega_fixed;
    result.values.push_back(
        {"delta", m.delta, delta_held ? 0 : error_of(delta_of), delta_held, "1/с"});
    result.values.push_back(
        {"omega0", m.omega0, omega_held ? 0 : error_of(omega_of), omega_held, "рад/с"});
    result.values.push_back(
        {"shift", m.shift,
         layout.shift ? 0 : std::sqrt(s.covariance[layout.shift_index() * (layout.count() + 1)]),
         layout.shift.has_value(), "с"});

    // R, L and C: from what is given, or from the amplitudes of a current and a voltage.
    std::optional<std::size_t> current, voltage;
    for (std::size_t k = 0; k < request.traces.size(); ++k) {
        const Quantity q = request.traces[k].quantity;
        if (q == Quantity::I) {
            current = k;
        } else if (q == Quantity::Uc || q == Quantity::EL) {
            voltage = voltage.value_or(k);
        }
    }
    using Circuit = std::function<double(const std::vector<double>&)>;
    Circuit R, L, C;
    if (request.C) {
        const double c = *request.C;
        C = [c](const std::vector<double>&) { return c; };
        L = [c, omega_of](const std::vector<double>& q) {
            return 1 / (omega_of(q) * omega_of(q) * c);
        };
    } else if (request.L) {
        const double l = *request.L;
        L = [l](const std::vector<double>&) { return l; };
        C = [l, omega_of](const std::vector<double>& q) {
            return 1 / (omega_of(q) * omega_of(q) * l);
        };
    } else if (request.R) {
        const double r = *request.R;
        L = [r, delta_of](const std::vector<double>& q) { return r / (2 * delta_of(q)); };
        C = [r, delta_of, omega_of](const std::vector<double>& q) {
            return 2 * delta_of(q) / (omega_of(q) * omega_of(q) * r);
        };
    } else if (current && voltage) {
        const std::size_t ai = layout.trace_index(*current);
        const std::size_t av = layout.trace_index(*voltage);
        C = [ai, av, omega_of](const std::vector<double>& q) {
            return std::fabs(q[ai]) / (std::fabs(q[av]) * omega_of(q));
        };
        L = [ai, av, omega_of](const std::vector<double>& q) {
            return std::fabs(q[av]) / (std::fabs(q[ai]) * omega_of(q));
        };
    }
    if (L) {
        if (request.R) {
            const double r = *request.R;
            R = [r](const std::vector<double>&) { return r; };
        } else {
            R = [L, delta_of](const std::vector<double>& q) { return 2 * delta_of(q) * L(q); };
        }
        result.values.push_back(
            {"R", R(s.q), request.R ? 0 : error_of(R), request.R.has_value(), "Ом"});
        result.values.push_back(
            {"L", L(s.q), request.L ? 0 : error_of(L), request.L.has_value(), "Гн"});
        result.values.push_back(
            {"C", C(s.q), request.C ? 0 : error_of(C), request.C.has_value(), "Ф"});
    }
    // The period, the decrement and the quality factor as the panel defines them, for a swing.
    if (m.delta < m.omega0) {
        const auto swing = [&](const std::vector<double>& q) {
            const FreeMotion x = layout.motion(q);
            return std::sqrt(x.omega0 * x.omega0 - x.delta * x.delta);
        };
        const auto period = [&](const std::vector<double>& q) {
            return 2 * std::numbers::pi / swing(q);
        };
        const auto theta = [&](const std::vector<double>& q) {
            return period(q) * layout.motion(q).delta;
        };
        const auto quality = [&](const std::vector<double>& q) {
            return std::numbers::pi / theta(q);
        };
        result.values.push_back({"T", period(s.q), error_of(period), false, "с"});
        result.values.push_back({"theta", theta(s.q), error_of(theta), false, ""});
        if (m.delta > 0) {
            result.values.push_back({"Q", quality(s.q), error_of(quality), false, ""});
        }
    }

    // Each trace: its amplitude, offset, residuals.
    const std::size_t p = layout.count();
    for (std::size_t k = 0; k < request.traces.size(); ++k) {
        const FitTrace& trace = request.traces[k];
        const std::size_t at = layout.trace_index(k);
        FitTraceResult t;
        t.quantity = trace.quantity;
        const std::string_view unit = quantity_unit(trace.quantity);
        t.amplitude = {"amplitude", s.q[at], std::sqrt(s.covariance[at * (p + 1)]), false, unit};
        t.offset = {"offset", s.q[at + 1], std::sqrt(s.covariance[(at + 1) * (p + 1)]), false,
                    unit};
        const std::vector<double> model =
            free_response(trace.quantity, m, s.q[at], s.q[at + 1], trace.time);
        t.residuals.resize(trace.time.size());
        for (std::size_t j = 0; j < trace.time.size(); ++j) {
            t.residuals[j] = trace.values[j] - model[j];
        }
        t.points = trace.time.size();
        t.rms = std::sqrt(sum_of_squares(t.residuals) / static_cast<double>(t.points));
        result.points += t.points;
        result.traces.push_back(std::move(t));
    }
    result.parameters = p;
    result.chi2_per_dof = s.chi2 / static_cast<double>(s.dof);
    result.iterations = s.iterations;
    result.stop = s.info == 1 ? translated("Fit", "шаг параметров стал мал")
                  : s.info == 2
                      ? translated("Fit", "градиент суммы квадратов стал мал")
                      : translated("Fit", "до минимума суммы квадратов меньше 0,03 погрешности");

    result.ok = true;
    return result;
}

std::vector<double> fitted_curve(const FitResult& result, std::size_t trace,
                                 std::span<const double> time) {
    if (!result.ok || trace >= result.traces.size()) {
        return {};
    }
    const FitTraceResult& t = result.traces[trace];
    return free_response(t.quantity, result.motion, t.amplitude.value, t.offset.value, time);
}

std::optional<Parameters> fitted_parameters(const FitResult& result, const Parameters& present) {
    if (!result.ok) {
        return std::nullopt;
    }
    Parameters p = present;
    const FitValue* R = result.value("R");
    const FitValue* L = result.value("L");
    const FitValue* C = result.value("C");
    if (R != nullptr && L != nullptr && C != nullptr) {
        p.R = R->value;
        p.L = L->value;
        p.C = C->value;
        return p;
    }
    const double w2 = result.motion.omega0 * result.motion.omega0;
    if (present.C > 0) {
        p.L = 1 / (w2 * present.C);
    } else if (present.L > 0) {
        p.C = 1 / (w2 * present.L);
    } else {
        return std::nullopt;
    }
    p.R = 2 * result.motion.delta * p.L;
    return p;
}

} // namespace ovrelan
