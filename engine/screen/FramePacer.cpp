#include <vantrel/screen/FramePacer.h>

#include <vantrel/base/Clock.h>

namespace vantrel {

FramePacer::FramePacer(Clock clock) : clock(clock ? std::move(clock) : Clock(currentMilliseconds))
{
    deadlines.reserve(framesPerSecond);
    for (std::uint32_t i = 0; i < framesPerSecond; ++i) {
        deadlines.push_back(1000 * (i + 1) / framesPerSecond);
    }
    restart();
}

void FramePacer::restart()
{
    windowStart = frameTime = clock();
    nextFrame = 0;
}

void FramePacer::wait(const Waiter& waiter)
{
    constexpr std::uint32_t resynchroniseAfter = 5000;
    std::uint32_t base = windowStart;
    std::uint64_t i = nextFrame;
    if (i == deadlines.size()) {
        base += deadlines.back();
        i = 0;
    }
    std::uint32_t now = clock();
    std::uint32_t target = base + deadlines[i];
    for (;;) {
        if (now - base >= resynchroniseAfter) {
            base = now;
            i = 0;
            target = now + deadlines[0];
        }
        // Deadlines are compared as signed distances so the 32-bit clock may wrap.
        if (static_cast<std::int32_t>(target - now) <= 0) {
            break;
        }
        if (target == now + 1) {
            waiter.spin();
        } else {
            waiter.sleepOneMillisecond();
        }
        now = clock();
    }
    windowStart = base;
    frameTime = now;
    nextFrame = i + 1;
}

} // namespace vantrel
