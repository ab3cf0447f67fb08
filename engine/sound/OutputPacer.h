#pragma once

#include <chrono>
#include <cstddef>

namespace vantrel {

// Keeps an output device's thread from running ahead of real time. A real device blocks
// the thread that feeds it until its buffer has room; a device that swallows everything at
// once (ALSA's "null" device, set as the default on many headless machines) would have
// the thread fill buffers in a loop that takes a whole processor. Told of every buffer
// handed over, the pacer says how long to sleep to stay at most `lead` ahead.
class OutputPacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit OutputPacer(int framesPerSecond, std::chrono::milliseconds lead = std::chrono::milliseconds(250));

    // `frames` more were handed over at `now`; the result is how long to wait before the next.
    Clock::duration delivered(std::size_t frames, Clock::time_point now);

private:
    int framesPerSecond;
    Clock::duration lead;
    Clock::time_point start{};
    std::chrono::nanoseconds played{0};
};

} // namespace vantrel
