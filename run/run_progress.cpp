#include "run/run_progress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ovrelan {

std::string remaining_text(double seconds) {
    const long total = std::max(0L, static_cast<long>(std::ceil(seconds)));
    char text[48];
    if (total < 60) {
        std::snprintf(text, sizeof text, "%ld с", total);
    } else if (total < 3600) {
        std::snprintf(text, sizeof text, "%ld мин %02ld с", total / 60, total % 60);
    } else {
        std::snprintf(text, sizeof text, "%ld ч %02ld мин", total / 3600, total % 3600 / 60);
    }
    return text;
}

std::string run_progress_text(double started, RunMoment since, RunMoment now, int end) {
    const double measured = now.seconds - since.seconds;
    const int played = now.k - since.k;
    if (end <= 0 || measured < 1 || played <= 0) {
        return {};
    }
    const double left = measured / played * std::max(0, end - now.k);
    if (now.seconds - started + left <= progress_after_seconds) {
        return {};
    }
    const int percent = std::clamp(static_cast<int>(100.0 * now.k / end), 0, 100);
    return "Расчёт: " + std::to_string(percent) + " % — осталось около " + remaining_text(left);
}

} // namespace ovrelan
