#include "run/run_progress.h"

#include <gtest/gtest.h>

#include <string>

namespace ovrelan {
namespace {

struct ProgressCase {
    const char* name;
    double started;
    RunMoment since, now;
    int end;
    std::string text;
};

// The pace is the one since `since`; nothing for short runs or before a second is measured.
TEST(RunProgress, SaysHowFarAndHowLongIsLeft) {
    const ProgressCase cases[] = {
        {"long run, a quarter done",
         0,
         {0, 0},
         {5, 250},
         1000,
         "Расчёт: 25 % — осталось около 15 с"},
        {"whole run exactly 10 s", 0, {0, 0}, {5, 500}, 1000, ""},
        {"whole run just over 10 s",
         0,
         {0, 0},
         {5, 499},
         1000,
         "Расчёт: 49 % — осталось около 6 с"},
        {"under a second measured", 0, {0, 0}, {0.9, 1}, 1000, ""},
        {"nothing played since the change", 0, {3, 40}, {4.5, 40}, 1000, ""},
        {"pace from the speed change",
         0,
         {10, 100},
         {12, 300},
         1100,
         "Расчёт: 27 % — осталось около 8 с"},
        {"minutes", 0, {0, 0}, {10, 10}, 1000, "Расчёт: 1 % — осталось около 16 мин 30 с"},
        {"hours", 0, {0, 0}, {10, 1}, 1000, "Расчёт: 0 % — осталось около 2 ч 46 мин"},
        {"at the end", 0, {0, 0}, {20, 1000}, 1000, "Расчёт: 100 % — осталось около 0 с"},
        {"no points", 0, {0, 0}, {20, 0}, 0, ""},
    };
    for (const ProgressCase& c : cases) {
        EXPECT_EQ(run_progress_text(c.started, c.since, c.now, c.end), c.text) << c.name;
    }
}

TEST(RunProgress, RemainingTimesRoundUp) {
    const std::pair<double, const char*> cases[] = {
        {0, "0 с"},           {0.2, "1 с"},         {59, "59 с"},
        {59.5, "1 мин 00 с"}, {61, "1 мин 01 с"},   {3599, "59 мин 59 с"},
        {3600, "1 ч 00 мин"}, {7380, "2 ч 03 мин"}, {-3, "0 с"},
    };
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(remaining_text(seconds), text) << seconds;
    }
}

} // namespace
} // namespace ovrelan
