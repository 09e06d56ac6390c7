#include "geometry/resonance_layout.h"

#include "geometry/axis_ticks.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

namespace {

constexpr double pad = 4; // between a label and the plot
constexpr double gap = 6; // at least between neighbouring labels along an axis
constexpr double min_line = 8;

// Heights of the pieces around the plots, for text this high.
struct Strips {
    double text;
    double strip;       // the strip above a plot: its axis names and legend
    double above_amps;  // from the room's top to the amplitude plot
    double below_amps;  // under it: the lowest value label's lower half
    double above_phase; // from the phase frame's top to its plot
    double below_phase; // the frequency labels' row
    double least_amps;  // two intervals of value labels: three labels
    double least_phase; // three labels 90° apart

    explicit Strips(double text_height)
        : text(text_height), strip(text_height + 6), above_amps(strip + text_height / 2),
          below_amps(text_height / 2 + 2), above_phase(strip + text_height / 2),
          below_phase(text_height + 6), least_amps(2 * 1.8 * text_height + 1),
          least_phase(2 * (text_height + 2)) {}
    double around() const { return above_amps + below_amps + above_phase + below_phase; }
};

struct Placed {
    std::vector<PixelBox> taken; // every label of both frames, to keep apart
    std::vector<PixelBox> plots;
    PixelBox view;

    bool add(GraphFrame& frame, const std::string& text, PixelBox box) {
        const bool inside = box.left >= 0 && box.top >= view.top - 1e-9 &&
                            box.left + box.width <= view.width + 1e-9 &&
                            box.top + box.height <= view.top + view.height + 1e-9;
        if (!inside) {
            return false;
        }
        for (const PixelBox& plot : plots) {
            if (box.intersects(plot)) {
                return false;
            }
        }
        const PixelBox spaced{box.left - gap / 2, box.top, box.width + gap, box.height};
        for (const PixelBox& other : taken) {
            if (spaced.intersects(other)) {
                return false;
            }
        }
        frame.labels.push_back({text, box});
        taken.push_back(box);
        return true;
    }
};

double widest(const std::vector<Tick>& ticks, const MeasureText& measure) {
    double w = 0;
    for (const Tick& t : ticks) {
        w = std::max(w, measure(t.label).width);
    }
    return w;
}

double usable(double top) {
    return std::isfinite(top) && top > 0 ? top : 1;
}

// The frequency ticks: on a logarithmic axis the decades first, then their 2s and 5s (the
// placement keeps the earlier where two would meet); on a linear one a round step that leaves
// the labels apart. The name gets the unit's prefix on a linear axis.
struct FrequencyTicks {
    std::vector<Tick> ticks;
    std::string name;
};

FrequencyTicks frequency_ticks(const ResonanceAxes& a, double plot_width,
                               const MeasureText& measure) {
    FrequencyTicks f;
    const char sep = a.decimal_separator;
    if (a.logarithmic) {
        const int first = static_cast<int>(std::floor(a.nu.low));
        const int last = static_cast<int>(std::ceil(a.nu.high));
        for (const int m : {1, 2, 5}) {
            for (int k = first; k <= last; ++k) {
                const double value = m * std::pow(10.0, k);
                const double x = std::log10(value);
                if (x >= a.nu.low - 1e-9 && x <= a.nu.high + 1e-9) {
                    f.ticks.push_back({x, tick_text(value, Prefix{1, ""}, std::max(0, -k), sep)});
                }
            }
        }
        f.name = "ν, " + unit_text("", "Гц");
        return f;
    }
    const double span = a.nu.high - a.nu.low;
    const Prefix prefix = prefix_for(std::max(std::fabs(a.nu.low), std::fabs(a.nu.high)));
    double step = nice_step(span, std::max(1, static_cast<int>(plot_width / 50)));
    for (int attempt = 0; attempt < 20; ++attempt) {
        f.ticks = axis_ticks(a.nu.low, a.nu.high, step, prefix, sep);
        if (f.ticks.size() < 2 || step / span * plot_width >= widest(f.ticks, measure) + gap) {
            break;
        }
        step = nice_step(step * 1.01, 1);
    }
    f.name = "ν, " + unit_text(prefix.name, "Гц");
    return f;
}

} // namespace

double resonance_least_height(double text_height) {
    const Strips s(text_height);
    return s.around() + s.least_amps + s.least_phase;
}

ResonanceLayout resonance_layout(const ResonanceAxes& a, const MeasureText& measure) {
    ResonanceLayout out;
    GraphFrame& amps = out.amplitudes;
    GraphFrame& phase = out.phase;
    const Strips s(measure("0").height);
    const char sep = a.decimal_separator;

    // Heights: the phase takes 45 % of what the strips leave and the amplitudes the rest, each
    // at least the room of three labels while there is room for both; in less, the phase keeps
    // its three labels while the amplitudes keep as much.
    const double plots = std::max(2.0, a.height - s.around());
    double phase_h = std::max(0.45 * plots, s.least_phase);
    if (plots >= s.least_amps + s.least_phase) {
        phase_h = std::min(phase_h, plots - s.least_amps);
    } else {
        phase_h = std::min(s.least_phase, 0.5 * plots);
    }
    const double amps_h = plots - phase_h;
    const double amps_frame = s.above_amps + amps_h + s.below_amps;
    amps.view = {0, a.top, a.width, amps_frame};
    phase.view = {0, a.top + amps_frame, a.width, std::max(0.0, a.height - amps_frame)};
    amps.title = {0, a.top, a.width, s.strip};
    phase.title = {0, phase.view.top, a.width, s.strip};
    amps.readout = {0, amps.view.top + amps.view.height, a.width, 0};
    phase.readout = {0, phase.view.top + phase.view.height, a.width, 0};

    // The value axes: the current and the voltage from zero over the same number of round
    // steps, so that both axes' ticks stand on the same grid lines.
    const double current = usable(a.current_top) * 1.02;
    const double voltage = usable(a.voltage_top) * 1.02;
    const int most = std::max(1, static_cast<int>(amps_h / (s.text * 1.8)));
    const double current_step = nice_step(current, most);
    const double voltage_step = nice_step(voltage, most);
    // Two steps at least where the room takes them: a top just under a round step (4.5 over a
    // step of 5) would otherwise leave one interval and two labels.
    const double steps = std::max({std::min(2.0, static_cast<double>(most)),
                                   std::ceil(current / current_step - 1e-9),
                                   std::ceil(voltage / voltage_step - 1e-9)});
    amps.y = {0, steps * current_step};
    amps.y2 = {0, steps * voltage_step};
    const Prefix current_prefix = prefix_for(amps.y.high);
    const Prefix voltage_prefix = prefix_for(amps.y2.high);
    const std::vector<Tick> current_ticks =
        axis_ticks(0, amps.y.high, current_step, current_prefix, sep);
    const std::vector<Tick> voltage_ticks =
        axis_ticks(0, amps.y2.high, voltage_step, voltage_prefix, sep);

    // The phase: every 45° where the labels stand apart, else every 90°.
    phase.y = {-90, 90};
    const double quarter = phase_h / 4; // 45° in pixels
    const double label_step = quarter >= s.text + 2 ? 45 : 90;
    const double line_step = quarter >= min_line ? 45 : 90;
    std::vector<Tick> phase_ticks;
    for (double v = -90; v <= 90; v += label_step) {
        phase_ticks.push_back({v, tick_text(v, Prefix{1, ""}, 0, sep)});
    }
    for (double v = -90; v <= 90; v += line_step) {
        phase.y_grid.push_back(v);
    }
    for (const Tick& t : current_ticks) {
        amps.y_grid.push_back(t.value);
    }

    // One pair of margins for both plots.
    const double left_margin = std::max(
        24.0, std::max(widest(current_ticks, measure), widest(phase_ticks, measure)) + pad + 4);
    const double right_margin = std::max(12.0, widest(voltage_ticks, measure) + pad + 4);
    const double plot_width = std::max(1.0, a.width - left_margin - right_margin);
    amps.plot = {left_margin, a.top + s.above_amps, plot_width, std::max(1.0, amps_h)};
    phase.plot = {left_margin, phase.view.top + s.above_phase, plot_width, std::max(1.0, phase_h)};

    // One frequency axis: the same window and grid in both.
    amps.x = phase.x = a.nu;
    const FrequencyTicks nu = frequency_ticks(a, plot_width, measure);
    for (const Tick& t : nu.ticks) {
        amps.x_grid.push_back(t.value);
    }
    phase.x_grid = amps.x_grid;

    Placed placed;
    placed.plots = {amps.plot, phase.plot};
    placed.view = {0, a.top, a.width, a.height};
    const auto keep = [&](GraphFrame& f, const std::string& text, PixelBox box) {
        placed.add(f, text, box);
    };
    // The strips: the axis names at their ends.
    const auto in_strip = [&](GraphFrame& f, const std::string& text, bool from_right) {
        const TextExtent e = measure(text);
        const double width = std::min(e.width, a.width - 4);
        const double x = from_right ? a.width - width - 2 : 2;
        keep(f, text, {x, f.title.top + (s.strip - e.height) / 2, width, e.height});
    };
    in_strip(amps, "Im, " + unit_text(current_prefix.name, "А"), false);
    in_strip(amps, a.voltage_name + ", " + unit_text(voltage_prefix.name, "В"), true);
    in_strip(phase, "φ, °", false);

    // The frequency's name at the right end of its row, then its ticks centred on their lines.
    const double row_top = phase.plot.top + phase.plot.height + 2;
    const TextExtent name = measure(nu.name);
    keep(phase, nu.name, {a.width - name.width - 2, row_top, name.width, name.height});

    // Value labels, against the plots and centred on their lines (none into a strip above).
    const auto value_labels = [&](GraphFrame& f, const std::vector<Tick>& ticks, bool on_right,
                                  const Range& r) {
        for (const Tick& t : ticks) {
            const TextExtent e = measure(t.label);
            const double y =
                f.plot.top + (r.high - t.value) / (r.high - r.low) * f.plot.height - e.height / 2;
            if (y < f.title.top + f.title.height - 1e-9) {
                continue;
            }
            const double x =
                on_right ? f.plot.left + f.plot.width + pad : f.plot.left - pad - e.width;
            keep(f, t.label, {x, y, e.width, e.height});
        }
    };
    value_labels(amps, current_ticks, false, amps.y);
    value_labels(amps, voltage_ticks, true, amps.y2);
    value_labels(phase, phase_ticks, false, phase.y);
    for (const Tick& t : nu.ticks) {
        const TextExtent e = measure(t.label);
        keep(phase, t.label, {phase.x_px(t.value) - e.width / 2, row_top, e.width, e.height});
    }

    out.amplitude_legend = strip_legend(amps, {"Im", a.voltage_name}, measure, a.scale);
    out.phase_legend = strip_legend(phase, {"φ"}, measure, a.scale);
    return out;
}

} // namespace ovrelan
