#include "run/pause_clock.h"

#include <gtest/gtest.h>

#include <random>

namespace ovrelan {
namespace {

constexpr std::int64_t ms = 1'000'000;

struct Step {
    std::int64_t now; // when the pause is asked for
    std::int64_t wait;
};

// The waits a run asks for, from a clock that starts at 0 with 10 ms phases.
TEST(PauseClock, TakesTheDrawingOutOfThePause) {
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"on_time", {{0, 10 * ms}, {10 * ms, 10 * ms}, {20 * ms, 10 * ms}}},
        {"drawing_absorbed", {{0, 10 * ms}, {13 * ms, 7 * ms}, {29 * ms, 1 * ms}}},
        {"late_timer_not_carried_on", {{0, 10 * ms}, {11 * ms, 9 * ms}, {20 * ms, 10 * ms}}},
        {"a_whole_phase_late_still_absorbed", {{0, 10 * ms}, {20 * ms, 0}, {22 * ms, 8 * ms}}},
        {"longer_away_counts_afresh", {{0, 10 * ms}, {500 * ms, 10 * ms}, {512 * ms, 8 * ms}}},
    };
    for (const auto& c : cases) {
        PauseClock clock;
        for (const Step& step : c.steps) {
            EXPECT_EQ(clock.wait(step.now, 10 * ms), step.wait) << c.name << " at " << step.now;
        }
    }
}

TEST(PauseClock, ARestartCountsTheWholePhase) {
    PauseClock clock;
    clock.wait(0, 10 * ms);
    clock.restart();
    EXPECT_EQ(clock.wait(15 * ms, 10 * ms), 10 * ms);
}

// Drawing of up to 9 ms and timers up to 1 ms late: a thousand phases end within a millisecond of
// a thousand times ten.
TEST(PauseClock, KeepsThePaceOverAWholeRun) {
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int64_t> drawing(0, 9 * ms);
    std::uniform_int_distribution<std::int64_t> lateness(0, ms);
    PauseClock clock;
    std::int64_t now = 0;
    for (int phase = 0; phase < 1000; ++phase) {
        now += drawing(random);
        now += clock.wait(now, 10 * ms) + lateness(random);
    }
    EXPECT_LE(now - 1000 * 10 * ms, ms + 9 * ms) << "the first drawing and the last lateness";
    EXPECT_GE(now, 1000 * 10 * ms);
}

} // namespace
} // namespace ovrelan
