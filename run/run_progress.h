// What the status bar says during a long run: how far it is and about how long is left, from the
// pace since the run (or its speeds) last changed. Short runs say nothing: they are over before
// anyone reads it.
#pragma once

#include <string>

namespace ovrelan {

// A moment of a run: seconds on a monotonic clock and the run position k then.
struct RunMoment {
    double seconds = 0;
    int k = 0;
};

// Runs expected to last no longer than this show no progress.
inline constexpr double progress_after_seconds = 10;

// «Расчёт: 42 % — осталось около 35 с» for a run from point 0 to `end`, measured from `since`
// (its start, or the last change of its speeds) to `now`; `started` is when the run began.
// Empty while the pace is not known yet (less than a second measured) or when the whole run is
// expected to take no longer than progress_after_seconds.
std::string run_progress_text(double started, RunMoment since, RunMoment now, int end);

// «35 с», «2 мин 05 с», «1 ч 02 мин»: a remaining time, rounded up to whole seconds.
std::string remaining_text(double seconds);

} // namespace ovrelan
