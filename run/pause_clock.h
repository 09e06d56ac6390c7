// When the pauses of a run end, on a monotonic clock in nanoseconds. A pause ends one phase after
// the previous pause ended, not one phase after it began: the drawing done between two pauses is
// taken out of the next one, so a run keeps its specified pace however long the drawing takes,
// as long as that is less than a phase. When the run did something else for longer (frames
// without carriers, a machine busy elsewhere), the count starts again from now instead of
// hurrying to catch up.
#pragma once

#include <algorithm>
#include <cstdint>

namespace ovrelan {

class PauseClock {
public:
    // How long to wait, from now, for a pause of a phase this long.
    std::int64_t wait(std::int64_t now, std::int64_t phase) {
        const std::int64_t start = counting_ && now - end_ <= phase ? end_ : now;
        end_ = start + phase;
        counting_ = true;
        return std::max<std::int64_t>(0, end_ - now);
    }
    // The next pause counts from its own start (a new run).
    void restart() { counting_ = false; }

private:
    bool counting_ = false;
    std::int64_t end_ = 0; // when the last pause ended
};

} // namespace ovrelan
