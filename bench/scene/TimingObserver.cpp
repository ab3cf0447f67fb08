#include "bench/scene/TimingObserver.h"

#include <algorithm>
#include <cmath>

std::vector<std::uint64_t> TimingObserver::getFrameTimes() const
{
    std::lock_guard<std::mutex> guard(lock);
    return frameTimes;
}

std::vector<std::uint64_t> TimingObserver::getIterationTimes() const
{
    std::lock_guard<std::mutex> guard(lock);
    return iterationTimes;
}

void TimingObserver::frameTimed(std::uint64_t nanoseconds)
{
    if (recording.load()) {
        std::lock_guard<std::mutex> guard(lock);
        frameTimes.push_back(nanoseconds);
    }
}

void TimingObserver::iterationTimed(std::uint64_t nanoseconds)
{
    if (recording.load()) {
        std::lock_guard<std::mutex> guard(lock);
        iterationTimes.push_back(nanoseconds);
    }
}

vantrel::FrameBreakdown TimingObserver::getBreakdownSum() const
{
    std::lock_guard<std::mutex> guard(lock);
    return breakdownSum;
}

std::uint64_t TimingObserver::getBrokenDownFrames() const
{
    std::lock_guard<std::mutex> guard(lock);
    return brokenDownFrames;
}

void TimingObserver::frameBrokenDown(const vantrel::FrameBreakdown& breakdown)
{
    if (recording.load()) {
        std::lock_guard<std::mutex> guard(lock);
        breakdownSum.add(breakdown);
        ++brokenDownFrames;
    }
}

double percentileMilliseconds(std::vector<std::uint64_t> nanoseconds, double percentile)
{
    if (nanoseconds.empty()) {
        return 0.0;
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const double rank = std::ceil(percentile / 100.0 * static_cast<double>(nanoseconds.size()));
    const std::size_t index = std::min(nanoseconds.size() - 1, static_cast<std::size_t>(std::max(1.0, rank)) - 1);
    return static_cast<double>(nanoseconds[index]) / 1e6;
}
