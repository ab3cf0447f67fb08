#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vantrel {

/// Fixed-rate schedule of 60 iterations per second: deadlines 16 or 17 ms apart, 60 of
/// them to a one-second window. Late iterations run back to back until the schedule is met
/// again; a backlog of five seconds or more is dropped.
class FramePacer {
public:
    /// The time in milliseconds; an empty clock is the engine's millisecond clock.
    using Clock = std::function<std::uint32_t()>;

    /// How the pacing wait passes time: a 1 ms sleep (which may throw to stop the loop)
    /// and a single processor pause for the last millisecond.
    struct Waiter {
        std::function<void()> sleepOneMillisecond; ///< sleeps about a millisecond
        std::function<void()> spin; ///< one processor pause
    };

    /// A pacer reading `clock`.
    explicit FramePacer(Clock clock = {});

    /// windowStart = frameTime = now; nextFrame = 0.
    void restart();
    /// Waits for the next deadline, then sets frameTime to the time the wait ended.
    void wait(const Waiter& waiter);
    /// The clock's time.
    std::uint32_t now() const { return clock(); }

    std::uint32_t framesPerSecond = 60; ///< iterations per one-second window
    std::uint32_t windowStart = 0; ///< the current window's start time
    std::uint32_t frameTime = 0; ///< the time the current iteration started
    std::vector<std::uint32_t> deadlines; ///< the current window's deadlines, as offsets from its start
    std::uint64_t nextFrame = 0; ///< iterations since the last restart
    bool frameDispatched = false; ///< whether this iteration handed a frame to the workers

private:
    Clock clock;
};

} // namespace vantrel
