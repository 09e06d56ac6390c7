#include "geometry/measured_curve.h"

#include "geometry/graph_readout.h"
#include "model/translation.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

GraphKind graph_of(Quantity q) {
    switch (q) {
    case Quantity::I:
        return GraphKind::Ik;
    case Quantity::Ur:
        return GraphKind::Ur;
    case Quantity::EL:
        return GraphKind::UL;
    case Quantity::Uc:
        break;
    }
    return GraphKind::Uc;
}

std::optional<Quantity> quantity_of(GraphKind kind) {
    switch (kind) {
    case GraphKind::Uc:
        return Quantity::Uc;
    case GraphKind::Ik:
        return Quantity::I;
    case GraphKind::Ur:
        return Quantity::Ur;
    case GraphKind::UL:
        return Quantity::EL;
    case GraphKind::W:
    case GraphKind::UI:
        break;
    }
    return std::nullopt;
}

MeasuredOnAxes measured_on_axes(const SimulationState& s, GraphKind kind, Axes axes) {
    MeasuredOnAxes m;
    if (axes == Axes::physical || kind == GraphKind::UI) {
        return m;
    }
    const double scale = kind == GraphKind::Ik   ? s.I_scale
                         : kind == GraphKind::Ur ? s.Ur_scale
                         : kind == GraphKind::UL ? s.UL_scale
                         : kind == GraphKind::W  ? s.W_scale
                                                 : s.Uc_scale;
    m.x_per_second = s.t_scale > 0 ? 1 / s.t_scale : 1;
    m.y_per_unit = scale != 0 ? 1 / scale : 1;
    return m;
}

PointSpan measured_between(std::span<const double> time, double shift, double from, double to) {
    if (time.empty() || !(to >= from)) {
        return {};
    }
    const auto begin = std::lower_bound(time.begin(), time.end(), from + shift);
    const auto end = std::upper_bound(begin, time.end(), to + shift);
    auto first = static_cast<std::size_t>(begin - time.begin());
    auto last = static_cast<std::size_t>(end - time.begin());
    if (first == last && (first == 0 || last == time.size())) {
        return {}; // the whole record lies before or after the window
    }
    first = first > 0 ? first - 1 : 0;
    last = std::min(time.size(), last + 1);
    return {first, last};
}

MeasuredShape measured_shape(const GraphFrame& frame, const MeasuredOnAxes& m) {
    MeasuredShape shape;
    const std::size_t n = std::min(m.time.size(), m.values.size());
    if (n == 0 || !(m.x_per_second > 0)) {
        return shape;
    }
    const std::span<const double> time = m.time.first(n);
    const PointSpan span = measured_between(time, m.shift, frame.x.low / m.x_per_second,
                                            frame.x.high / m.x_per_second);
    if (span.last <= span.first) {
        return shape;
    }
    const ValueMap xm = frame.x_map();
    const ValueMap ym = frame.y_map();
    const auto x_of = [&](std::size_t k) { return xm.to_px((time[k] - m.shift) * m.x_per_second); };
    const auto y_of = [&](double v) { return ym.to_px(v * m.y_per_unit); };
    const double width = std::max(1.0, x_of(span.last - 1) - x_of(span.first));
    const auto count = static_cast<double>(span.last - span.first);
    shape.curve.dense = count > width / 2;
    if (!shape.curve.dense) {
        shape.dots = count <= 1 || width / (count - 1) >= 4;
        shape.curve.line.reserve(span.last - span.first);
        for (std::size_t k = span.first; k < span.last; ++k) {
            shape.curve.line.push_back({x_of(k), y_of(m.values[k])});
        }
        return shape;
    }
    // Each column's points end where the time reaches the column's right edge.
    const auto range = [&](std::size_t from, std::size_t to) {
        if (m.summary != nullptr && m.summary->size() == n) {
            const Extremes e = m.summary->range(from, to);
            return Extent{e.low, e.high};
        }
        const auto [low, high] = std::minmax_element(m.values.begin() + static_cast<long>(from),
                                                     m.values.begin() + static_cast<long>(to));
        return Extent{*low, *high};
    };
    std::size_t k = span.first;
    double joined = m.values[k];
    while (k < span.last) {
        const double column = std::floor(x_of(k));
        const double edge = xm.to_value(column + 1) / m.x_per_second + m.shift;
        const auto end_at = std::lower_bound(time.begin() + static_cast<long>(k) + 1,
                                             time.begin() + static_cast<long>(span.last), edge);
        auto end = static_cast<std::size_t>(end_at - time.begin());
        // Settled on the points' own pixels: a point on the edge goes where its pixel says, so
        // no column is made twice.
        while (end < span.last && !(x_of(end) >= column + 1)) {
            ++end;
        }
        while (end > k + 1 && x_of(end - 1) >= column + 1) {
            --end;
        }
        Extent r = range(k, end);
        r.low = std::min(r.low, joined);
        r.high = std::max(r.high, joined);
        const double a = y_of(r.low);
        const double b = y_of(r.high);
        shape.curve.columns.push_back({column, std::min(a, b), std::max(a, b)});
        joined = m.values[end - 1];
        k = end;
    }
    return shape;
}

std::optional<Extent> measured_extent(const MeasuredOnAxes& m, double from, double to) {
    const std::size_t n = std::min(m.time.size(), m.values.size());
    const auto begin =
        std::lower_bound(m.time.begin(), m.time.begin() + static_cast<long>(n), from + m.shift);
    const auto end = std::upper_bound(begin, m.time.begin() + static_cast<long>(n), to + m.shift);
    const auto first = static_cast<std::size_t>(begin - m.time.begin());
    const auto last = static_cast<std::size_t>(end - m.time.begin());
    if (last <= first) {
        return std::nullopt;
    }
    Extent e;
    if (m.summary != nullptr && m.summary->size() == n) {
        const Extremes x = m.summary->range(first, last);
        e = {x.low, x.high};
    } else {
        const auto [low, high] = std::minmax_element(m.values.begin() + static_cast<long>(first),
                                                     m.values.begin() + static_cast<long>(last));
        e = {*low, *high};
    }
    const double a = e.low * m.y_per_unit;
    const double b = e.high * m.y_per_unit;
    return Extent{std::min(a, b), std::max(a, b)};
}

std::optional<std::size_t> nearest_sample(std::span<const double> time, double shift, double t) {
    if (time.empty() || !std::isfinite(t)) {
        return std::nullopt;
    }
    const double at = t + shift;
    const double half_step =
        time.size() > 1 ? (time.back() - time.front()) / static_cast<double>(time.size() - 1) / 2
                        : 0;
    if (at < time.front() - half_step || at > time.back() + half_step) {
        return std::nullopt;
    }
    const auto after = std::lower_bound(time.begin(), time.end(), at);
    if (after == time.begin()) {
        return 0;
    }
    if (after == time.end()) {
        return time.size() - 1;
    }
    const auto k = static_cast<std::size_t>(after - time.begin());
    return at - time[k - 1] <= time[k] - at ? k - 1 : k;
}

std::string measured_readout(double measured, double computed, const char* unit,
                             char decimal_separator) {
    const double difference = measured - computed;
    return translated("Graphs", "изм. ") + si_text(measured, unit, decimal_separator) +
           translated("Graphs", ", разность ") + (difference > 0 ? "+" : "") +
           si_text(difference, unit, decimal_separator);
}

ResidualPlot residual_plot(std::span<const double> time, std::span<const double> residuals,
                           const PixelBox& box) {
    ResidualPlot plot;
    plot.zero_y = box.top + box.height / 2;
    const std::size_t n = std::min(time.size(), residuals.size());
    if (n == 0 || !(box.width >= 1) || !(box.height > 2)) {
        return plot;
    }
    for (std::size_t k = 0; k < n; ++k) {
        plot.limit = std::max(plot.limit, std::abs(residuals[k]));
    }
    const double half = box.height / 2 - 1;
    const double per_value = plot.limit > 0 ? half / plot.limit : 0;
    const double span = time[n - 1] - time[0];
    const double per_second = span > 0 ? (box.width - 1) / span : 0;
    for (std::size_t k = 0; k < n; ++k) {
        const double column = box.left + std::floor((time[k] - time[0]) * per_second);
        const double y = plot.zero_y - residuals[k] * per_value;
        if (plot.columns.empty() || plot.columns.back().x != column) {
            plot.columns.push_back({column, y, y});
        } else {
            ColumnSpan& c = plot.columns.back();
            c.top = std::min(c.top, y);
            c.bottom = std::max(c.bottom, y);
        }
    }
    return plot;
}

} // namespace ovrelan
