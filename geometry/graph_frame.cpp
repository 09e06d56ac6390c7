#include "geometry/graph_frame.h"

#include "geometry/axis_ticks.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

namespace {

constexpr double pad = 4;      // between a label and the plot
constexpr double gap = 6;      // at least between neighbouring labels along an axis
constexpr double min_line = 8; // at least between neighbouring grid lines

struct Placed {
    std::vector<FrameLabel>& labels;
    PixelBox forbidden; // the plot
    PixelBox view;

    // Adds the label unless it would leave the view, reach into the plot or meet one already
    // placed (the gap kept along its row).
    bool add(const std::string& text, PixelBox box) {
        const bool inside_view = box.left >= 0 && box.top >= 0 &&
                                 box.left + box.width <= view.width + 1e-9 &&
                                 box.top + box.height <= view.height + 1e-9;
        if (!inside_view || box.intersects(forbidden)) {
            return false;
        }
        const PixelBox spaced{box.left - gap / 2, box.top, box.width + gap, box.height};
        for (const FrameLabel& other : labels) {
            if (spaced.intersects(other.box)) {
                return false;
            }
        }
        labels.push_back({text, box});
        return true;
    }
};

// The smallest power of two f with spacing·f >= wanted.
int whole_factor(double spacing, double wanted) {
    int f = 1;
    while (spacing * f < wanted && f < (1 << 30)) {
        f *= 2;
    }
    return f;
}

struct Tickmarks {
    std::vector<double> values;
    std::vector<std::string> texts;
    std::string prefix; // of the unit
};

Tickmarks round_ticks(double low, double high, double step, bool with_prefix, char separator) {
    Tickmarks t;
    const Prefix prefix =
        with_prefix ? prefix_for(std::max(std::fabs(low), std::fabs(high))) : Prefix{1, ""};
    t.prefix = prefix.name;
    for (const Tick& tick : axis_ticks(low, high, step, prefix, separator)) {
        t.values.push_back(tick.value);
        t.texts.push_back(tick.label);
    }
    return t;
}

// Round value ticks for a plot this high: about one per two lines of text.
Tickmarks value_ticks(const Range& r, double plot_height, double text_height, char separator) {
    const int intervals = std::max(1, static_cast<int>(plot_height / (text_height * 1.8)));
    return round_ticks(r.low, r.high, nice_step(r.high - r.low, intervals), true, separator);
}

double widest(const std::vector<std::string>& texts, const MeasureText& measure) {
    double w = 0;
    for (const std::string& t : texts) {
        w = std::max(w, measure(t).width);
    }
    return w;
}

std::string axis_title(const std::string& name, const std::string& prefix,
                       const std::string& unit) {
    return name + ", " + unit_text(prefix, unit);
}

} // namespace

Range value_range(const Extent& e, bool from_zero, double zoom) {
    double low = from_zero ? std::min(0.0, e.low) : e.low;
    double high = e.high;
    const double span = high - low;
    if (!(span > std::max(std::fabs(high), std::fabs(low)) * 1e-12)) {
        const double room = std::max(std::fabs(high), 1e-12) * 0.1;
        low = from_zero && low == 0 ? 0 : low - room;
        high += room;
    } else {
        low = from_zero && low == 0 ? 0 : low - 0.05 * span;
        high += 0.05 * span;
    }
    if (from_zero && low == 0) {
        return {0, high * zoom};
    }
    const double centre = low < 0 && high > 0 ? 0 : (low + high) / 2;
    return {centre + (low - centre) * zoom, centre + (high - centre) * zoom};
}

namespace {

// The value axes of a frame: their ranges, ticks, grid lines and names.
struct ValueAxes {
    Range y, y2;
    Tickmarks left, right;
    std::vector<double> left_lines; // grid lines, in value units
    std::string left_title, right_title;
};

ValueAxes value_axes(const FrameRequest& r, double plot_height, double text_h) {
    ValueAxes v;
    const char sep = r.decimal_separator;
    if (r.axes == Axes::normalised && r.normalised != nullptr) {
        const GraphAxes& a = *r.normalised;
        v.y = {a.y_bottom, a.y_top};
        const double spacing = plot_height / (2.0 * y_half_steps);
        const int line_factor = whole_factor(spacing, min_line);
        const int label_factor = std::max(line_factor, whole_factor(spacing, text_h + 2));
        const int middle = y_half_steps - 1; // the line at 0
        for (int i = 0; i < static_cast<int>(a.horizontal_lines.size()); ++i) {
            if ((i - middle) % line_factor == 0) {
                v.left_lines.push_back(a.horizontal_lines[static_cast<std::size_t>(i)]);
            }
            if ((i - middle) % label_factor == 0) {
                v.left.values.push_back(a.horizontal_lines[static_cast<std::size_t>(i)]);
                v.left.texts.push_back(a.value_labels[static_cast<std::size_t>(i)].text);
            }
        }
    } else {
        v.y = value_range(r.left, r.from_zero, r.value_zoom);
        v.left = value_ticks(v.y, plot_height, text_h, sep);
        v.left_lines = v.left.values;
        v.left_title = axis_title(r.left_name, v.left.prefix, r.left_unit);
        if (r.two_axes) {
            v.y2 = value_range(r.right, false, r.value_zoom);
            v.right = value_ticks(v.y2, plot_height, text_h, sep);
            v.right_title = axis_title(r.right_name, v.right.prefix, r.right_unit);
        }
    }
    return v;
}

// The time axis of a frame whose plot is placed: its ticks (the frame's vertical grid lines go
// into f.x_grid) and its name.
struct TimeAxis {
    Tickmarks times;
    std::string name = "τ";
};

TimeAxis time_axis(const FrameRequest& r, GraphFrame& f, const MeasureText& measure) {
    TimeAxis t;
    Tickmarks& times = t.times;
    const char sep = r.decimal_separator;
    const bool spec_lines = r.axes == Axes::normalised && r.normalised != nullptr &&
                            r.grid_step > 0 &&
                            r.window.width() >= 4 * r.grid_step; // labels every second line
    if (spec_lines) {
        const GraphAxes& a = *r.normalised;
        const double spacing = r.grid_step / (f.x.high - f.x.low) * f.plot.width;
        const int line_factor = whole_factor(spacing, min_line);
        const double widest_time = measure(a.time_label(std::max(1, a.time_labels)).text).width;
        const int label_factor =
            std::max(line_factor, 2 * whole_factor(2 * spacing, widest_time + gap));
        for (int k = line_factor; k <= a.vertical_lines; k += line_factor) {
            const double x = a.vertical_line_x(k);
            if (x >= f.x.low && x <= f.x.high) {
                f.x_grid.push_back(x);
            }
        }
        for (int k = label_factor / 2; 2 * k <= a.vertical_lines; k += label_factor / 2) {
            if (k <= a.time_labels) {
                const double x = 2 * k * r.grid_step;
                if (x >= f.x.low && x <= f.x.high) {
                    times.values.push_back(x);
                    times.texts.push_back(a.time_label(k).text);
                }
            }
        }
    } else if (r.x_log) {
        // Decades first, then their 2s and 5s: the label placement keeps the earlier where they
        // would meet.
        const int first = static_cast<int>(std::floor(f.x.low));
        const int last = static_cast<int>(std::ceil(f.x.high));
        for (const int m : {1, 2, 5}) {
            for (int k = first; k <= last; ++k) {
                const double value = m * std::pow(10.0, k);
                const double x = std::log10(value);
                if (x < f.x.low - 1e-9 || x > f.x.high + 1e-9) {
                    continue;
                }
                times.values.push_back(x);
                times.texts.push_back(tick_text(value, Prefix{1, ""}, std::max(0, -k), sep));
            }
        }
        f.x_grid = times.values;
        t.name = r.x_name + ", " + r.x_unit;
    } else {
        const bool si = r.axes == Axes::physical;
        const double width = f.x.high - f.x.low;
        // The step grows until the labels it gives stand apart.
        double step = nice_step(width, std::max(1, static_cast<int>(f.plot.width / 50)));
        for (int attempt = 0; attempt < 20; ++attempt) {
            times = round_ticks(f.x.low, f.x.high, step, si, sep);
            const double room = widest(times.texts, measure) + gap;
            if (times.values.size() < 2 || step / width * f.plot.width >= room) {
                break;
            }
            step = nice_step(step * 1.01, 1);
        }
        f.x_grid = times.values;
        if (si) {
            t.name = r.x_name + ", " + unit_text(times.prefix, r.x_unit);
        }
    }
    return t;
}

} // namespace

GraphFrame graph_frame(const FrameRequest& r, const MeasureText& measure) {
    GraphFrame f;
    f.view = {0, 0, r.width, r.height};
    f.time_scale = r.time_scale;
    f.inset = r.inset;
    const double text_h = measure("0").height;
    const double strip = text_h + 6;
    const double readout_h = r.readout ? strip : 0;
    const double bottom_h = r.time_labels ? text_h + 6 : 6;
    f.title = {0, 0, r.width, strip};
    f.readout = {0, r.height - readout_h, r.width, readout_h};
    const double plot_top = strip + text_h / 2; // room for the top value label's upper half
    const double plot_height = std::max(1.0, r.height - readout_h - bottom_h - plot_top);

    // Value axes: their ticks set the margins.
    const ValueAxes v = value_axes(r, plot_height, text_h);
    f.y = v.y;
    f.y2 = v.y2;
    const double left_margin = std::max(24.0, widest(v.left.texts, measure) + pad + 4);
    const double right_margin = r.two_axes ? widest(v.right.texts, measure) + pad + 4 : 12;
    f.plot = {left_margin, plot_top, std::max(1.0, r.width - left_margin - right_margin),
              plot_height};
    f.y_grid = v.left_lines;

    std::vector<FrameLabel>& labels = f.labels;
    Placed placed{labels, f.plot, f.view};

    // The strip above: the header, or the axis names.
    const auto in_strip = [&](const std::string& text, double left_edge, bool from_right) {
        const TextExtent e = measure(text);
        const double width = std::min(e.width, r.width - 4);
        const double x = from_right ? r.width - width - 2 : left_edge;
        placed.add(text, {x, (strip - e.height) / 2, width, e.height});
    };
    if (r.axes == Axes::normalised) {
        in_strip(r.header, 2, false);
    } else {
        in_strip(v.left_title, 2, false);
        if (r.two_axes) {
            in_strip(v.right_title, 0, true);
        }
    }

    // The time axis: its name at the right end of its row first.
    f.x = {r.window.from * r.time_scale, r.window.to * r.time_scale};
    const double row_top = f.plot.top + f.plot.height + 2;
    const TimeAxis t = time_axis(r, f, measure);
    const Tickmarks& times = t.times;
    if (r.time_labels) {
        const TextExtent e = measure(t.name);
        placed.add(t.name, {r.width - e.width - 2, row_top, e.width, e.height});
    }

    // Value labels, right-aligned against the plot and centred on their lines.
    const auto value_labels = [&](const Tickmarks& ticks, bool on_right, auto to_px) {
        for (std::size_t i = 0; i < ticks.values.size(); ++i) {
            const TextExtent e = measure(ticks.texts[i]);
            const double y = to_px(ticks.values[i]) - e.height / 2;
            if (y < f.title.height) {
                continue; // not into the strip above
            }
            const double x =
                on_right ? f.plot.left + f.plot.width + pad : f.plot.left - pad - e.width;
            placed.add(ticks.texts[i], {x, y, e.width, e.height});
        }
    };
    value_labels(v.left, false, [&](double value) { return f.y_px(value); });
    if (r.two_axes) {
        value_labels(v.right, true, [&](double value) { return f.y2_px(value); });
    }

    // Time labels, centred under their lines.
    if (r.time_labels) {
        for (std::size_t i = 0; i < times.values.size(); ++i) {
            const TextExtent e = measure(times.texts[i]);
            placed.add(times.texts[i],
                       {f.x_px(times.values[i]) - e.width / 2, row_top, e.width, e.height});
        }
    }
    return f;
}

std::vector<LegendItem> strip_legend(const GraphFrame& frame, const std::vector<std::string>& names,
                                     const MeasureText& measure, double scale) {
    std::vector<LegendItem> items;
    std::vector<PixelBox> taken;
    double x = frame.title.left + 2;
    for (const FrameLabel& l : frame.labels) {
        if (l.box.top < frame.title.top + frame.title.height) {
            if (taken.empty()) {
                x = l.box.left + l.box.width + 16 * scale;
            }
            taken.push_back(l.box);
        }
    }
    for (const std::string& name : names) {
        const double width = 22 * scale + measure(name).width;
        const PixelBox box{x, frame.title.top, width, frame.title.height};
        const bool clear = std::none_of(taken.begin(), taken.end(),
                                        [&](const PixelBox& b) { return b.intersects(box); });
        if (!clear || x + width > frame.view.left + frame.view.width) {
            break;
        }
        items.push_back({name, box});
        x += width + 12 * scale;
    }
    return items;
}

std::vector<LegendItem> legend_layout(const GraphFrame& frame,
                                      const std::vector<std::string>& names,
                                      const MeasureText& measure, double scale) {
    if (names.size() < 2) {
        return {}; // one curve: the title names it
    }
    return strip_legend(frame, names, measure, scale);
}

std::vector<LegendItem> family_legend_layout(const GraphFrame& frame,
                                             const std::vector<std::string>& names,
                                             const MeasureText& measure, double scale) {
    std::vector<LegendItem> items;
    double width = 0;
    double height = 0;
    for (const std::string& name : names) {
        const TextExtent e = measure(name);
        width = std::max(width, 22 * scale + e.width + 4 * scale);
        height = std::max(height, e.height);
    }
    const double margin = 4 * scale;
    const double left = frame.plot.left + frame.plot.width - margin - width;
    if (names.empty() || left < frame.plot.left + margin) {
        return items; // no room beside the plot's left border
    }
    double top = frame.plot.top + margin;
    for (const std::string& name : names) {
        if (top + height > frame.plot.top + frame.plot.height - margin) {
            break;
        }
        items.push_back({name, PixelBox{left, top, width, height}});
        top += height;
    }
    return items;
}

} // namespace ovrelan
