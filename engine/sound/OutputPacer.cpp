#include <vantrel/sound/OutputPacer.h>

namespace vantrel {

OutputPacer::OutputPacer(int framesPerSecond, std::chrono::milliseconds lead)
    : framesPerSecond(framesPerSecond > 0 ? framesPerSecond : 1), lead(lead)
{
}

OutputPacer::Clock::duration OutputPacer::delivered(std::size_t frames, Clock::time_point now)
{
    Clock::duration elapsed = now - start;
    // The first buffer, or a device that fell behind (a stall, a suspended machine):
    // count from now, so that it is not allowed to catch up in one burst.
    if (start == Clock::time_point{} || played + lead < elapsed) {
        start = now;
        played = std::chrono::nanoseconds(0);
        elapsed = Clock::duration(0);
    }
    played += std::chrono::nanoseconds(static_cast<long long>(frames) * 1000000000LL / framesPerSecond);
    Clock::duration ahead = played - elapsed;
    return ahead > lead ? ahead - lead : Clock::duration(0);
}

} // namespace vantrel
