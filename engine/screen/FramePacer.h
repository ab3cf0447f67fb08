#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vantrel {

// Fixed-rate schedule of 60 iterations per second: deadlines 16 or 17 ms apart, 60 of
// them to a one-second window. Late iterations run back to back until the schedule is met
// again; a backlog of five seconds or more is dropped.
class FramePacer {
public:
    using Clock = std::function<std::uint32_t()>;

    // How the pacing wait passes time: a 1 ms sleep (which may throw to stop the loop)
    // and a single processor pause for the last millisecond.
    struct Waiter {
        std::function<void()> sleepOneMillisecond;
        std::function<void()> spin;
    };

    explicit FramePacer(Clock clock = {});

    // windowStart = frameTime = now; nextFrame = 0.
    void restart();
    // Waits for the next deadline, then sets frameTime to the time the wait ended.
    void wait(const Waiter& waiter);
    std::uint32_t now() const { return clock(); }

    std::uint32_t framesPerSecond = 60;
    std::uint32_t windowStart = 0;
    std::uint32_t frameTime = 0;
    std::vector<std::uint32_t> deadlines;
    std::uint64_t nextFrame = 0;
    bool frameDispatched = false;

private:
    Clock clock;
};

} // namespace vantrel
