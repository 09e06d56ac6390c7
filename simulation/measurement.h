// A measured trace beside the computed circuit: the series as the preview read it
// (io/measured_data.h), its min/max summary made once, and the time the key closes on the
// series' clock. «Совместить с ключом», a typed offset or an accepted fit move that time; the
// graphs draw point k at time[k] − shift, so a million points are never copied to move them.
#pragma once

#include "io/measured_data.h"
#include "solution/minmax_pyramid.h"

#include <memory>

namespace ovrelan {

class MeasuredTrace {
public:
    explicit MeasuredTrace(MeasuredSeries series)
        : series_(std::move(series)), summary_(series_.values.data(), series_.values.size()) {}
    // The summary reads the series' array in place: neither is ever copied or moved.
    MeasuredTrace(const MeasuredTrace&) = delete;
    MeasuredTrace& operator=(const MeasuredTrace&) = delete;

    const MeasuredSeries& series() const { return series_; }
    const MinMaxPyramid& summary() const { return summary_; }

private:
    MeasuredSeries series_;
    MinMaxPyramid summary_;
};

struct Measurement {
    std::shared_ptr<const MeasuredTrace> trace;
    double shift = 0; // s: the key's closing on the series' clock
    friend bool operator==(const Measurement&, const Measurement&) = default;
};

} // namespace ovrelan
